#pragma once
// Paints the report of the two datasets onto a printer, a PDF or the
// preview: on every page the header (title, print date and time, the three
// label rows of myMain between two lines), the bands of the page and the
// page number. The template's font is SimSun; where it is missing a CJK
// font of the same kind stands in, so Chinese texts print.

#include <QDateTime>
#include <QString>

class QPageLayout;
class QPagedPaintDevice;
class QPrinter;
struct TReportData;

// Letter page and the template's margins, set on device before a print
// dialog or preview shows it.
void UseReportPage(QPagedPaintDevice &device);

// Paints every page of data onto device (not yet painted on), in the
// device's current page layout; positions are scaled from report units to
// the device's resolution, and down to the printable width when a page is
// narrower than the template. printedAt gives the date ("yyyy/MM/dd") and
// time ("hh:mm:ss") of the page header. Only the pages in the device's page
// ranges are painted when it has any (a print dialog's page range). False
// when the device cannot be painted on (an output file that cannot be
// written).
bool RenderReport(const TReportData &data, QPagedPaintDevice &device, const QDateTime &printedAt);

// The pages RenderReport paints on device in its current page layout, page
// ranges aside: the last page a print dialog may offer.
int ReportPageCount(const TReportData &data, const QPagedPaintDevice &device);

// The message for a print on printer that failed after its dialog was
// accepted: "Unable to write to FILE" for a print to a file, else "Unable to
// print the report".
QString PrintFailedText(const QPrinter &printer);

// Writes the report to a PDF file at path on the report page, or on layout
// when given (the page set up in the preview). Written to a temporary file
// first and renamed into place, so a failure leaves an existing file whole.
// False with *error saying why.
bool WriteReportPdf(const TReportData &data, const QString &path, const QDateTime &printedAt,
                    QString *error, const QPageLayout *layout = nullptr);
