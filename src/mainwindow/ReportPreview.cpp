#include "mainwindow/ReportPreview.h"

#include "image/FileChooser.h"
#include "localisation/MsgBox.h"
#include "mainwindow/ReportData.h"
#include "localisation/Translate.h"
#include "mainwindow/ReportRenderer.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QToolBar>

namespace {

constexpr char Caption[] = "Print Preview";
constexpr double PreviewScreenShare = 0.85;
constexpr int PrintResolutionDpi = 1200;

} // namespace

TfReportPreview::TfReportPreview(const TReportData &data, const QDateTime &printedAt, TFileChooser &chooser,
                                 TMsgBox &box, QWidget *parent)
    : QPrintPreviewDialog(parent), m_data(data), m_printedAt(printedAt), m_chooser(chooser), m_box(box)
{
    // The window's own printer: its pages are laid out when the preview is
    // first painted, on show. Printed from here at the resolution of a
    // high-resolution print, not the screen's.
    UseReportPage(*printer());
    printer()->setResolution(PrintResolutionDpi);
    setObjectName(QStringLiteral("fReportPreview"));
    setWindowTitle(QString::fromLatin1(Caption));

    m_export = new QAction(QStringLiteral("Export to PDF"), this);
    m_export->setObjectName(QStringLiteral("acExportPdf"));
    MarkToolButton(m_export);
    m_export->setToolTip(QStringLiteral("Export to PDF"));
    m_export->setIcon(QIcon::fromTheme(QStringLiteral("document-save-as")));
    if (auto *toolBar = findChild<QToolBar *>())
        toolBar->addAction(m_export);
    else
        addAction(m_export);
    connect(m_export, &QAction::triggered, this, &TfReportPreview::exportClick);
    connect(this, &QPrintPreviewDialog::paintRequested, this, &TfReportPreview::paintRequestedHandler);

    // Room for a whole page at a readable zoom, not the platform's small
    // default.
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        resize(screen->availableGeometry().size() * PreviewScreenShare);
}

void TfReportPreview::paintRequestedHandler(QPrinter *printer)
{
    // The preview's own pages never fail; a print from here can.
    if (!RenderReport(m_data, *printer, m_printedAt))
        m_box.MsgBox(MessageCaption(), PrintFailedText(*printer), MsgInformation);
}

void TfReportPreview::exportClick()
{
    const QString path = m_chooser.ChooseReportFile();
    if (path.isEmpty())
        return;
    QString error;
    // On the page set up here, as the preview shows it.
    const QPageLayout layout = printer()->pageLayout();
    if (!WriteReportPdf(m_data, path, m_printedAt, &error, &layout))
        m_box.MsgBox(MessageCaption(), error, MsgInformation);
}

QString TfReportPreview::MessageCaption() const
{
    return m_caption.isEmpty() ? windowTitle() : m_caption;
}
