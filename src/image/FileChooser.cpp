#include "image/FileChooser.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

QString WithDataFileSuffix(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + u'.' + DataFileDialog::Suffix.toString();
}

TDialogFileChooser::TDialogFileChooser(QWidget *parent) : m_parent(parent) {}

void TDialogFileChooser::SetParent(QWidget *parent)
{
    m_parent = parent;
}

QString TDialogFileChooser::ChooseOpenFile()
{
    QFileDialog dialog(m_parent, QString(), m_lastFolder, DataFileDialog::Filter.toString());
    dialog.setObjectName(QStringLiteral("odOpen"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(DataFileDialog::Suffix.toString());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    m_lastFolder = QFileInfo(path).absolutePath();
    return path;
}

QString TDialogFileChooser::ChooseSaveFile()
{
    QFileDialog dialog(m_parent, QString(), m_lastFolder, DataFileDialog::Filter.toString());
    dialog.setObjectName(QStringLiteral("sdSave"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The dialog appends the suffix itself; WithDataFileSuffix covers
    // platform dialogs that do not.
    dialog.setDefaultSuffix(DataFileDialog::Suffix.toString());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = WithDataFileSuffix(dialog.selectedFiles().constFirst());
    m_lastFolder = QFileInfo(path).absolutePath();
    return path;
}

namespace {
constexpr QStringView ReportFilter = u"PDF (*.pdf)";
constexpr QStringView ReportSuffix = u"pdf";
} // namespace

QString TDialogFileChooser::ChooseReportFile()
{
    // Asked from the report preview, which is modal: the dialog goes over it.
    QWidget *over = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : m_parent.data();
    QFileDialog dialog(over, QString(), m_lastReportFolder, ReportFilter.toString());
    dialog.setObjectName(QStringLiteral("sdReport"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(ReportSuffix.toString());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    QString path = dialog.selectedFiles().constFirst();
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += u'.' + ReportSuffix.toString();
    m_lastReportFolder = QFileInfo(path).absolutePath();
    return path;
}
