#include "mainwindow/ReportPreview.h"

TfReportPreview::TfReportPreview(const TReportData &data, const QDateTime &printedAt, TFileChooser &chooser,
                                 TMsgBox &box, QWidget *parent)
    : QPrintPreviewDialog(parent), m_data(data), m_printedAt(printedAt), m_chooser(chooser), m_box(box)
{
}
void TfReportPreview::paintRequestedHandler(QPrinter *) {}
void TfReportPreview::exportClick() {}
