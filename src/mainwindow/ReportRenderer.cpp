#include "mainwindow/ReportRenderer.h"

void UseReportPage(QPagedPaintDevice &) {}
bool RenderReport(const TReportData &, QPagedPaintDevice &, const QDateTime &) { return false; }
bool WriteReportPdf(const TReportData &, const QString &, const QDateTime &, QString *) { return false; }
