#include "gui/report/report_print.h"

#include <QCoreApplication>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTextDocument>
#include <string_view>

#include "core/files/file_error.h"
#include "core/files/safe_write.h"

namespace tharvex::gui {

bool PrinterAvailable() {
  return !QPrinterInfo::availablePrinterNames().isEmpty() && !QPrinterInfo::defaultPrinter().isNull();
}

void SetupReportPrinter(QPrinter& printer) {
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setDocName(QCoreApplication::translate("ReportPrint", kReportJobTitle));
  printer.setCreator(QStringLiteral("Tharvex"));
}

bool PrintReport(const QTextDocument& shown, QString* error) {
  QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
  SetupReportPrinter(printer);
  if (!printer.isValid()) {
    if (error) *error = QCoreApplication::translate("ReportPrint", "打印机 %1 不可用。").arg(printer.printerName());
    return false;
  }
  // Without a page size of its own the document is laid out anew on the
  // printer's pages (QTextDocument::print gives them 2 cm margins).
  shown.print(&printer);
  if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted) {
    if (error)
      *error = QCoreApplication::translate("ReportPrint", "打印机 %1 没有接受打印任务。").arg(printer.printerName());
    return false;
  }
  return true;
}

void PreviewReport(QWidget* owner, const QTextDocument& shown) {
  QPrinter printer(QPrinter::HighResolution);
  if (!PrinterAvailable()) printer.setPageSize(QPageSize(QPageSize::A4));
  SetupReportPrinter(printer);
  QPrintPreviewDialog dialog(&printer, owner);
  dialog.setWindowTitle(QCoreApplication::translate("ReportPrint", "打印预览 - 计算报表"));
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&shown](QPrinter* p) { shown.print(p); });
  dialog.exec();
}

bool ExportReportPdf(const QTextDocument& shown, const QString& file, QString* error) {
  auto fail = [&](const QString& why) {
    if (error) *error = QCoreApplication::translate("ReportPrint", "无法写入文件 %1：%2").arg(file, why);
    return false;
  };
  // The printer writes to a file name of its own choosing; it gets one in a
  // private folder (mode 0700, made fresh), and the finished bytes go to the
  // target through the program's one file writer.
  QTemporaryDir scratch;
  if (!scratch.isValid()) return fail(scratch.errorString());
  const QString temp = scratch.filePath(QStringLiteral("report.pdf"));
  try {
    CheckSaveTarget(QFile::encodeName(file).toStdString());
  } catch (const FileError& e) {
    return fail(QString::fromStdString(e.reason()));
  }
  {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    SetupReportPrinter(printer);
    printer.setOutputFileName(temp);
    shown.print(&printer);
  }  // the printer writes the file's end when it goes
  QFile pdf(temp);
  if (!pdf.open(QIODevice::ReadOnly)) return fail(pdf.errorString());
  const QByteArray bytes = pdf.readAll();
  if (bytes.isEmpty()) return fail(QCoreApplication::translate("ReportPrint", "PDF 没有写成"));
  try {
    SafeWriteFile(QFile::encodeName(file).toStdString(),
                  std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
  } catch (const FileError& e) {
    return fail(QString::fromStdString(e.reason()));
  }
  return true;
}

}  // namespace tharvex::gui
