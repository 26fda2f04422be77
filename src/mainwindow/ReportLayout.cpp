#include "mainwindow/ReportLayout.h"

std::vector<TReportPage> PlanReportPages(const TMemTable &, double) { return {TReportPage{}}; }
double ReportBodyHeight(double pageHeight) { return pageHeight; }
