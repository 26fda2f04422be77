#pragma once
// The report's preview window: the platform's print preview (print, zoom,
// page navigation, page setup) over the report, plus "Export to PDF" on its
// tool bar, which asks for a file name and writes the report there.

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

private:
    void paintRequestedHandler(QPrinter *printer);
    void exportClick();

    const TReportData &m_data;
    QDateTime m_printedAt;
    TFileChooser &m_chooser;
    TMsgBox &m_box;
    QAction *m_export = nullptr;
};
