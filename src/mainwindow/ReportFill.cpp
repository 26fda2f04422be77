#include "mainwindow/ReportFill.h"

TReportHeader ReportHeaderOf(const TfMainFrm &) { return {}; }
std::vector<TSettingRow> SettingsRowsOf(const TfBFunSet &, const TLanguage &) { return {}; }
void FillSettingsRows(TMemTable &, TWorkspace &) {}
void FillReport(TWorkspace &, const TReportHeader &) {}
