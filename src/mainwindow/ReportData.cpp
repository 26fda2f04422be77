#include "mainwindow/ReportData.h"

TReportData::TReportData() : myMain({}), myAdo({}) {}
void FillMainRow(TMemTable &, const TReportHeader &) {}
void AppendSettingsRows(TMemTable &, const QString &, const std::vector<TSettingRow> &) {}
void AppendChannelRows(TMemTable &, const TLanguage &, const TChannelStore &) {}
