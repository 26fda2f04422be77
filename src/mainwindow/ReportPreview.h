#pragma once
// The report's preview window: the platform's print preview (print, zoom,
// page navigation, page setup) over the report, plus "Export to PDF" on its
// tool bar, which asks for a file name and writes the report there. A print
// or export that fails says so in a message.

#include <QDateTime>
#include <QPrintPreviewDialog>
#include <QPrinter>

class QAction;
class TFileChooser;
class TMsgBox;
struct TReportData;

class TfReportPreview : public QPrintPreviewDialog {
    Q_OBJECT
public:
    // data must outlive the window. Export asks chooser->ChooseReportFile()
    // and reports a failed write through box.
    TfReportPreview(const TReportData &data, const QDateTime &printedAt, TFileChooser &chooser,
                    TMsgBox &box, QWidget *parent = nullptr);

    QAction *ExportAction() const { return m_export; }
    // The caption of the message boxes of a failed export or print; the
    // window's title until set.
    void SetMessageCaption(const QString &caption) { m_caption = caption; }

private:
    void paintRequestedHandler(QPrinter *printer);
    void exportClick();
    QString MessageCaption() const;

    const TReportData &m_data;
    QDateTime m_printedAt;
    TFileChooser &m_chooser;
    TMsgBox &m_box;
    QString m_caption;
    QAction *m_export = nullptr;
};
