// How the report's rows flow onto pages: groups on their own pages, long
// groups continuing without a new header, and the page count of a real
// report on Letter paper.

#include "mainwindow/ReportData.h"
#include "mainwindow/ReportLayout.h"

#include <QPageLayout>
#include <QtTest>

namespace {

constexpr double Band = ReportTemplate::DataBandHeight;

// myAdo with one row per TypeID of "9 9 8 ..."; the texts do not matter.
TReportData RowsOf(const QString &typeIds)
{
    TReportData data;
    for (const QString &id : typeIds.split(u' ', Qt::SkipEmptyParts))
        data.myAdo.Append({{ReportField::TypeId, id.toInt()},
                           {ReportField::AField, QStringLiteral("label")}});
    return data;
}

// "H0 D0 D1 | H2 D2": the bands of every page, pages split by " | ", "-"
// for a page without bands.
QString Describe(const std::vector<TReportPage> &pages)
{
    QStringList shownPages;
    for (const TReportPage &page : pages) {
        QStringList bands;
        for (const TReportBand &band : page.bands)
            bands << (band.kind == TReportBand::GroupHeader ? u'H' : u'D') + QString::number(band.row);
        shownPages << (bands.isEmpty() ? QStringLiteral("-") : bands.join(u' '));
    }
    return shownPages.join(QStringLiteral(" | "));
}

// Bands are stacked from the top of the body without gaps or overlaps.
bool Stacked(const std::vector<TReportPage> &pages)
{
    for (const TReportPage &page : pages) {
        double top = 0;
        for (const TReportBand &band : page.bands) {
            if (!qFuzzyCompare(1 + band.top, 1 + top))
                return false;
            top += band.kind == TReportBand::GroupHeader ? ReportTemplate::GroupHeaderHeight : Band;
        }
    }
    return true;
}

} // namespace

class TestReportLayout : public QObject {
    Q_OBJECT

private slots:
    void plan_data()
    {
        QTest::addColumn<QString>("typeIds");
        QTest::addColumn<double>("bodyHeight");
        QTest::addColumn<QString>("pages");

        QTest::newRow("one group fits one page") << "9 9 9" << 10 * Band << "H0 D0 D1 D2";
        QTest::newRow("exact fit stays on the page") << "9 9 9" << 4 * Band << "H0 D0 D1 D2";
        QTest::newRow("second group starts a new page") << "9 9 8 8" << 10 * Band << "H0 D0 D1 | H2 D2 D3";
        QTest::newRow("group spills over without a new header")
            << "8 8 8 8 8" << 3.5 * Band << "H0 D0 D1 | D2 D3 D4";
        QTest::newRow("groups follow TypeID changes, not sorting")
            << "9 8 9" << 10 * Band << "H0 D0 | H1 D1 | H2 D2";
        QTest::newRow("no rows: one empty page") << "" << 10 * Band << "-";
        // Every group starts at the top of a page, so a header can only be
        // left alone when a page has no room for it and one data band.
        QTest::newRow("page too small for header and band: one band a page")
            << "9 9" << 1.5 * Band << "H0 | D0 | D1";
        QTest::newRow("no room at all still makes progress") << "9 8" << 0.0 << "H0 | D0 | H1 | D1";
    }
    void plan()
    {
        QFETCH(QString, typeIds);
        QFETCH(double, bodyHeight);
        QFETCH(QString, pages);

        const TReportData data = RowsOf(typeIds);
        const auto planned = PlanReportPages(data.myAdo, bodyHeight);
        QCOMPARE(Describe(planned), pages);
        QVERIFY(Stacked(planned));
    }

    // Letter is 8.5 x 11 in = 816 x 1056 units. Without the margins of
    // 10 + 10 mm across and 2 + 10 mm down, 1056 - 12 / 25.4 * 96 = 1010.65
    // units are printable; less the page header (139.84) and the page
    // footer (22.68) that leaves a body of 848.13 units, room for
    // 32 bands of 26.46 (846.72).
    // Page 1: the settings header and its 15 rows (16 bands).
    // Page 2: the channel header and 31 of its 97 rows (1 empty + 16 x 6).
    // Pages 3 and 4: 32 rows each; page 5: the last 2 rows.
    void realReport()
    {
        QString ids = QStringLiteral("9 ").repeated(15) + QStringLiteral("8 ").repeated(97);
        const TReportData data = RowsOf(ids);
        const QPageLayout letter(QPageSize(ReportTemplate::PageSize), QPageLayout::Portrait,
                                 QMarginsF(ReportTemplate::MarginLeftMm, ReportTemplate::MarginTopMm,
                                           ReportTemplate::MarginRightMm, ReportTemplate::MarginBottomMm),
                                 QPageLayout::Millimeter);
        const double pageHeight = letter.paintRect(QPageLayout::Inch).height() * ReportTemplate::UnitsPerInch;

        const auto pages = PlanReportPages(data.myAdo, ReportBodyHeight(pageHeight));
        QCOMPARE(int(pages.size()), 5);
        const std::vector<std::size_t> bands = {16, 32, 32, 32, 2};
        for (std::size_t i = 0; i < pages.size(); ++i)
            QCOMPARE(pages[i].bands.size(), bands[i]);
        QCOMPARE(pages[1].bands.front().kind, TReportBand::GroupHeader);
        QCOMPARE(pages[1].bands.front().row, 15);
        QCOMPARE(pages[4].bands.back().row, 15 + 97 - 1);
        QVERIFY(Stacked(pages));
    }
};

QTEST_APPLESS_MAIN(TestReportLayout)
#include "tst_reportlayout.moc"
