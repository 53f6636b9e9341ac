#pragma once
// The report on paper: printing on the default printer, the print preview and
// the export as a PDF file. All three lay out what the report control shows
// (hand edits included) across portrait pages with 2 cm margins, page after
// page; lines that run unwrapped on screen wrap at the page width.
#include <QString>

class QPrinter;
class QTextDocument;
class QWidget;

namespace tharvex::gui {

// The job title of every print of the report.
inline constexpr const char* kReportJobTitle = QT_TRANSLATE_NOOP("ReportPrint", "计算报表");

// True when the system has a default printer to print on.
bool PrinterAvailable();

// Sets the printer up for the report: portrait, job title "计算报表".
void SetupReportPrinter(QPrinter& printer);

// Prints `shown` on the default printer at once; false with `error` set when
// the printer refused the job.
bool PrintReport(const QTextDocument& shown, QString* error);

// The print preview dialog on the default printer's pages (an A4 page when
// there is no printer); the user may print from it.
void PreviewReport(QWidget* owner, const QTextDocument& shown);

// Writes `shown` as a PDF file. The PDF goes to a temporary file beside the
// target first, so a failed export leaves an existing file as it was.
bool ExportReportPdf(const QTextDocument& shown, const QString& file, QString* error);

}  // namespace tharvex::gui
