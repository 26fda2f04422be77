#include "mainwindow/ReportRenderer.h"

#include "mainwindow/ReportData.h"
#include "mainwindow/ReportLayout.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageRanges>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace {

namespace T = ReportTemplate;

// Where the texts of the template sit, in report units.
namespace Pos {
constexpr double TitleHeight = 41.57;
constexpr double TitleFontPx = 19;
constexpr double StampTop = 41.57;
constexpr double StampHeight = 18.9;
constexpr double DateLeft = 506.46;
constexpr double TimeLeft = 623.62;
constexpr double StampWidth = 113.39;
constexpr double FirstLineTop = 60.47;
constexpr double LabelRowTops[] = {68.03, 86.93, 105.83};
constexpr double LabelRowHeight = 18.9;
constexpr double LabelWidth = 249.45;
constexpr double ValueLeft = 253.23;
constexpr double ValueWidth = 427.09;
constexpr double SecondLineTop = 136.06;

constexpr double AFieldLeft = 18.90, AFieldWidth = 166.30;
constexpr double AValueLeft = 185.20, AValueWidth = 162.52;
constexpr double BFieldLeft = 355.28, BFieldWidth = 181.42;
constexpr double BValueLeft = 540.47, BValueWidth = 196.54;

constexpr double PageNumberLeft = 302.36;
constexpr double PageNumberWidth = 132.28;
} // namespace Pos

constexpr double TextFontPx = 13;
constexpr double LineWidth = 1;
constexpr char DateFormat[] = "yyyy/MM/dd";
constexpr char TimeFormat[] = "hh:mm:ss";

// Ligatures and contextual glyph forms have no way back to their letters in
// a PDF: "Off" would come out of a PDF viewer's search and copy as "O\uFB00"
// and digits after a full stop not at all.
constexpr auto PlainGlyphs = QFont::PreferNoShaping;

// SimSun first; the CJK families after it cover Chinese where it is missing.
QFont TextFont(bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("Noto Serif CJK SC"),
                      QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Serif SC"),
                      QStringLiteral("WenQuanYi Micro Hei")});
    font.setStyleHint(QFont::Serif);
    font.setStyleStrategy(PlainGlyphs);
    font.setPixelSize(int(TextFontPx));
    font.setBold(bold);
    return font;
}

QFont PageNumberFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setStyleStrategy(PlainGlyphs);
    font.setPixelSize(int(TextFontPx));
    font.setBold(true);
    return font;
}

class TReportPainter {
public:
    TReportPainter(const TReportData &data, QPainter &painter, const QDateTime &printedAt)
        : m_data(data), m_p(painter), m_printedAt(printedAt)
    {
    }

    void PageHeader()
    {
        const auto &main = m_data.myMain;
        m_p.setPen(QPen(Qt::black, LineWidth));
        QFont title = TextFont(true);
        title.setPixelSize(int(Pos::TitleFontPx));
        m_p.setFont(title);
        Text(QRectF(0, 0, T::Width, Pos::TitleHeight), Qt::AlignCenter, main.Text(0, ReportField::Title));

        m_p.setFont(TextFont(false));
        Text(QRectF(Pos::DateLeft, Pos::StampTop, Pos::StampWidth, Pos::StampHeight),
             Qt::AlignRight | Qt::AlignVCenter, m_printedAt.toString(QLatin1String(DateFormat)));
        Text(QRectF(Pos::TimeLeft, Pos::StampTop, Pos::StampWidth, Pos::StampHeight),
             Qt::AlignRight | Qt::AlignVCenter, m_printedAt.toString(QLatin1String(TimeFormat)));
        HLine(Pos::FirstLineTop);

        m_p.setFont(TextFont(true));
        const QLatin1String labels[][2] = {{ReportField::AField, ReportField::AValue},
                                           {ReportField::BField, ReportField::BValue},
                                           {ReportField::CField, ReportField::CValue}};
        for (int i = 0; i < 3; ++i) {
            const double top = Pos::LabelRowTops[i];
            Text(QRectF(0, top, Pos::LabelWidth, Pos::LabelRowHeight), Qt::AlignRight | Qt::AlignVCenter,
                 main.Text(0, labels[i][0]));
            Text(QRectF(Pos::ValueLeft, top, Pos::ValueWidth, Pos::LabelRowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                 main.Text(0, labels[i][1]));
        }
        HLine(Pos::SecondLineTop);
    }

    void Band(const TReportBand &band, double bodyTop)
    {
        const auto &ado = m_data.myAdo;
        const double top = bodyTop + band.top;
        if (band.kind == TReportBand::GroupHeader) {
            m_p.setFont(TextFont(true));
            Text(QRectF(0, top, T::Width, T::GroupHeaderHeight), Qt::AlignLeft | Qt::AlignVCenter,
                 ado.Text(band.row, ReportField::TypeName));
            return;
        }
        m_p.setFont(TextFont(false));
        const auto cell = [&](double left, double width, const QString &text) {
            Text(QRectF(left, top, width, T::DataBandHeight), Qt::AlignLeft | Qt::AlignVCenter, text);
        };
        cell(Pos::AFieldLeft, Pos::AFieldWidth, ado.Text(band.row, ReportField::AField));
        cell(Pos::AValueLeft, Pos::AValueWidth, QStringLiteral("  ") + ado.Text(band.row, ReportField::AValue));
        cell(Pos::BFieldLeft, Pos::BFieldWidth, ado.Text(band.row, ReportField::BField));
        cell(Pos::BValueLeft, Pos::BValueWidth, ado.Text(band.row, ReportField::BValue));
    }

    void PageFooter(int pageNumber, double pageHeight)
    {
        m_p.setFont(PageNumberFont());
        Text(QRectF(Pos::PageNumberLeft, pageHeight - T::PageFooterHeight, Pos::PageNumberWidth, T::PageFooterHeight),
             Qt::AlignCenter, QString::number(pageNumber));
    }

private:

    // A text stays inside its box: elided to the box's width, and clipped
    // for the odd glyph that still reaches over.
    void Text(const QRectF &box, int align, const QString &text)
    {
        if (text.isEmpty())
            return;
        const QFontMetricsF metrics(m_p.font(), m_p.device());
        const QString shown = metrics.elidedText(text, Qt::ElideRight, box.width());
        m_p.save();
        m_p.setClipRect(box, Qt::IntersectClip);
        m_p.drawText(box, align | Qt::TextSingleLine, shown);
        m_p.restore();
    }
    void HLine(double y) { m_p.drawLine(QPointF(0, y), QPointF(T::Width, y)); }

    const TReportData &m_data;
    QPainter &m_p;
    QDateTime m_printedAt;
};

} // namespace

void UseReportPage(QPagedPaintDevice &device)
{
    device.setPageLayout(QPageLayout(QPageSize(T::PageSize), QPageLayout::Portrait,
                                     QMarginsF(T::MarginLeftMm, T::MarginTopMm, T::MarginRightMm, T::MarginBottomMm),
                                     QPageLayout::Millimeter));
}

namespace {

// The painter starts at the top left of the printable area; one report unit
// is 1/96 inch, and a page narrower than the template shrinks it.
struct TReportScale {
    double scale = 1;      // device pixels per report unit
    double pageHeight = 0; // of the printable area, in report units
};

TReportScale ScaleFor(const QPagedPaintDevice &device)
{
    TReportScale s;
    s.scale = device.logicalDpiX() / T::UnitsPerInch;
    const double printableWidth = device.width() / s.scale;
    if (printableWidth < T::Width)
        s.scale *= printableWidth / T::Width;
    s.pageHeight = device.height() / s.scale;
    return s;
}

std::vector<TReportPage> PagesFor(const TReportData &data, const TReportScale &scale)
{
    return PlanReportPages(data.myAdo, ReportBodyHeight(scale.pageHeight));
}

} // namespace

int ReportPageCount(const TReportData &data, const QPagedPaintDevice &device)
{
    return int(PagesFor(data, ScaleFor(device)).size());
}

QString PrintFailedText(const QPrinter &printer)
{
    const QString file = printer.outputFileName();
    return file.isEmpty() ? QStringLiteral("Unable to print the report")
                          : QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(file);
}

bool RenderReport(const TReportData &data, QPagedPaintDevice &device, const QDateTime &printedAt)
{
    const TReportScale scale = ScaleFor(device);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale.scale, scale.scale);
    const double pageHeight = scale.pageHeight;

    const auto pages = PagesFor(data, scale);
    // The pages chosen in a print dialog; the dialog leaves picking them to
    // the program. None chosen: all.
    const QPageRanges chosen = device.pageRanges();
    TReportPainter report(data, painter, printedAt);
    bool first = true;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const int number = int(i) + 1;
        if (!chosen.isEmpty() && !chosen.contains(number))
            continue;
        if (!first && !device.newPage()) {
            painter.end();
            return false;
        }
        first = false;
        report.PageHeader();
        for (const TReportBand &band : pages[i].bands)
            report.Band(band, T::PageHeaderHeight);
        report.PageFooter(number, pageHeight);
    }
    return painter.end();
}

bool WriteReportPdf(const TReportData &data, const QString &path, const QDateTime &printedAt, QString *error,
                    const QPageLayout *layout)
{
    const auto fail = [&](const QString &reason) {
        if (error)
            *error = QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(path), reason);
        return false;
    };
    if (QFileInfo(path).isDir())
        return fail(QStringLiteral("it is a folder"));

    // The report goes to a temporary file beside the target and replaces it
    // only when complete, so a failed export leaves an existing file whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    bool painted = false;
    {
        QPdfWriter writer(&file);
        if (layout)
            writer.setPageLayout(*layout);
        else
            UseReportPage(writer);
        writer.setTitle(data.myMain.Text(0, ReportField::Title));
        writer.setCreator(QStringLiteral("Orvel"));
        painted = RenderReport(data, writer, printedAt);
    }
    if (!painted) {
        file.cancelWriting();
        return fail(file.error() != QFileDevice::NoError ? file.errorString()
                                                         : QStringLiteral("the report could not be painted"));
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}
