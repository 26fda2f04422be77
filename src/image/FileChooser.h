#pragma once
// How the file commands learn which data file to open or save to. The
// desktop program asks with the platform's file dialogs; tests answer from a
// script so that no test ever waits on a dialog.

#include <QPointer>
#include <QString>
#include <QStringView>

class QWidget;

namespace DataFileDialog {
inline constexpr QStringView Filter = u"Data File(*.dat)";
inline constexpr QStringView Suffix = u"dat";
} // namespace DataFileDialog

// "radio" -> "radio.dat"; a name that has an extension ("radio.bak") and an
// empty path are left as they are.
QString WithDataFileSuffix(const QString &path);

class TFileChooser {
public:
    virtual ~TFileChooser() = default;
    // The data file to open; empty when the user cancels.
    virtual QString ChooseOpenFile() = 0;
    // The file to save to, ".dat" appended to a name typed without an
    // extension; empty when the user cancels.
    virtual QString ChooseSaveFile() = 0;
    // The PDF file to export the report to, ".pdf" appended to a name typed
    // without an extension; empty when the user cancels.
    virtual QString ChooseReportFile() = 0;
};

// The open and save dialogs (odOpen, sdSave) over the given parent window.
class TDialogFileChooser : public TFileChooser {
public:
    explicit TDialogFileChooser(QWidget *parent = nullptr);
    void SetParent(QWidget *parent);
    QString ChooseOpenFile() override;
    QString ChooseSaveFile() override;
    QString ChooseReportFile() override;

private:
    QPointer<QWidget> m_parent;
    QString m_lastFolder; // the next dialog opens where the last one ended
    QString m_lastReportFolder; // reports go elsewhere than data files
};
