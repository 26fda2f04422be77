#pragma once
// The report template and how the rows of myAdo flow onto pages. Positions
// and sizes are report units of 1/96 inch, measured inside the margins.
//
// Every page has the page header at its top and the page footer at its
// bottom; the bands go in between. A change of TypeID starts a group: its
// header band is followed by one data band per row, and every group but the
// first starts on a new page. A group header never stands alone at the
// bottom of a page.

#include <QMarginsF>
#include <QPageSize>
#include <vector>

class TMemTable;

namespace ReportTemplate {
inline constexpr QPageSize::PageSizeId PageSize = QPageSize::Letter; // 215.9 x 279.4 mm
inline constexpr double MarginLeftMm = 10;
inline constexpr double MarginRightMm = 10;
inline constexpr double MarginTopMm = 2;
inline constexpr double MarginBottomMm = 10;
inline constexpr double UnitsPerInch = 96;

inline constexpr double Width = 737.0;          // the title box, the full width
inline constexpr double PageHeaderHeight = 139.84;
inline constexpr double GroupHeaderHeight = 26.46;
inline constexpr double DataBandHeight = 26.46;
inline constexpr double PageFooterHeight = 22.68;
} // namespace ReportTemplate

struct TReportBand {
    enum Kind { GroupHeader, Data };
    Kind kind = Data;
    int row = 0;       // the row of myAdo it shows (a group header: the group's first row)
    double top = 0;    // from the top of the body, below the page header
};

struct TReportPage {
    std::vector<TReportBand> bands;
};

// The pages of the report body for myAdo, each with room for bodyHeight
// units of bands. At least one page, even without rows. bodyHeight too
// small for a group header and one data band still puts one band per page.
std::vector<TReportPage> PlanReportPages(const TMemTable &myAdo, double bodyHeight);

// The body height of a page of pageHeight units: less the page header and
// the page footer.
double ReportBodyHeight(double pageHeight);
