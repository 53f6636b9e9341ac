#include "gui/report/report_print.h"

#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tharvex::gui {

bool PrinterAvailable() {
  return !QPrinterInfo::availablePrinterNames().isEmpty() && !QPrinterInfo::defaultPrinter().isNull();
}

void SetupReportPrinter(QPrinter& printer) {
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setDocName(QString::fromUtf8(kReportJobTitle));
  printer.setCreator(QStringLiteral("Tharvex"));
}

bool PrintReport(const QTextDocument& shown, QString* error) {
  QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
  SetupReportPrinter(printer);
  if (!printer.isValid()) {
    if (error) *error = QStringLiteral("打印机 %1 不可用。").arg(printer.printerName());
    return false;
  }
  // Without a page size of its own the document is laid out anew on the
  // printer's pages (QTextDocument::print gives them 2 cm margins).
  shown.print(&printer);
  if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted) {
    if (error) *error = QStringLiteral("打印机 %1 没有接受打印任务。").arg(printer.printerName());
    return false;
  }
  return true;
}

void PreviewReport(QWidget* owner, const QTextDocument& shown) {
  QPrinter printer(QPrinter::HighResolution);
  if (!PrinterAvailable()) printer.setPageSize(QPageSize(QPageSize::A4));
  SetupReportPrinter(printer);
  QPrintPreviewDialog dialog(&printer, owner);
  dialog.setWindowTitle(QStringLiteral("打印预览 - 计算报表"));
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&shown](QPrinter* p) { shown.print(p); });
  dialog.exec();
}

bool ExportReportPdf(const QTextDocument& shown, const QString& file, QString* error) {
  const QString temp = file + QStringLiteral(".tmp~");
  auto fail = [&](const QString& why) {
    QFile::remove(temp);
    if (error) *error = QStringLiteral("无法写入文件 %1：%2").arg(file, why);
    return false;
  };
  {
    // Tried first: QPrinter says nothing when it cannot open its file.
    QFile probe(temp);
    if (!probe.open(QIODevice::WriteOnly)) return fail(probe.errorString());
  }
  {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    SetupReportPrinter(printer);
    printer.setOutputFileName(temp);
    shown.print(&printer);
  }  // the printer writes the file's end when it goes
  if (QFileInfo(temp).size() == 0) return fail(QStringLiteral("PDF 没有写成"));
  // rename() replaces an existing file in one step.
  if (std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(file).constData()) != 0)
    return fail(QString::fromLocal8Bit(std::strerror(errno)));
  return true;
}

}  // namespace tharvex::gui
