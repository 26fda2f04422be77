#include "mainwindow/ReportLayout.h"

#include "core/MemTable.h"
#include "mainwindow/ReportData.h"

namespace {

// Band heights are sums of decimal fractions: a band that fits exactly must
// not be pushed to the next page by rounding.
constexpr double FitTolerance = 1e-6;

class TPagePlanner {
public:
    explicit TPagePlanner(double bodyHeight) : m_bodyHeight(bodyHeight) { m_pages.emplace_back(); }

    void StartGroup(int row)
    {
        if (!page().bands.empty())
            NewPage();
        // A group header goes with its first data band; on a page too small
        // for both the header stands alone rather than never being placed.
        Place(TReportBand::GroupHeader, row, ReportTemplate::GroupHeaderHeight + ReportTemplate::DataBandHeight,
              ReportTemplate::GroupHeaderHeight);
    }
    void AddData(int row)
    {
        Place(TReportBand::Data, row, ReportTemplate::DataBandHeight, ReportTemplate::DataBandHeight);
    }
    std::vector<TReportPage> Take() { return std::move(m_pages); }

private:
    TReportPage &page() { return m_pages.back(); }
    void NewPage()
    {
        m_pages.emplace_back();
        m_used = 0;
    }
    void Place(TReportBand::Kind kind, int row, double needed, double height)
    {
        if (!page().bands.empty() && m_used + needed > m_bodyHeight + FitTolerance)
            NewPage();
        page().bands.push_back(TReportBand{kind, row, m_used});
        m_used += height;
    }

    double m_bodyHeight;
    double m_used = 0;
    std::vector<TReportPage> m_pages;
};

} // namespace

std::vector<TReportPage> PlanReportPages(const TMemTable &myAdo, double bodyHeight)
{
    TPagePlanner planner(bodyHeight);
    const QString typeId = ReportField::TypeId;
    for (int row = 0; row < myAdo.RowCount(); ++row) {
        if (row == 0 || myAdo.Integer(row, typeId) != myAdo.Integer(row - 1, typeId))
            planner.StartGroup(row);
        planner.AddData(row);
    }
    return planner.Take();
}

double ReportBodyHeight(double pageHeight)
{
    return pageHeight - ReportTemplate::PageHeaderHeight - ReportTemplate::PageFooterHeight;
}
