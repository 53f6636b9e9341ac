#include "gui/report/report_service.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include "core/app/export_commands.h"
#include "core/app/report_commands.h"
#include "core/fields/i18n.h"
#include "core/output/report.h"
#include "gui/main_window.h"
#include "gui/project_files.h"
#include "gui/qt_bridge.h"
#include "gui/report/report_edit.h"
#include "gui/report/report_print.h"

namespace tharvex::gui {

ReportService::ReportService(TFormTharvex& window, ProjectFiles& files) : window_(window), files_(files) {}

const QTextDocument& ReportService::reportDocument() const { return report_ ? *report_->document() : noReport_; }

SessionUi& ReportService::reportDialogs() { return reportUi_ ? *reportUi_ : files_.dialogs(); }

QWidget* ReportService::reportPage(QWidget* parent) {
  auto* edit = new ReportEdit(window_.binder(), window_.model().form().At("ReReport"), parent);
  report_ = edit;
  if (!previewAction_) {
    previewAction_ = new QAction(QCoreApplication::translate("WindowServices", "打印预览"), &window_);
    previewAction_->setObjectName(QStringLiteral("MOPreview"));
    QObject::connect(previewAction_, &QAction::triggered, &window_, [this] { previewReport(); });
    pdfAction_ = new QAction(QCoreApplication::translate("WindowServices", "导出为 PDF"), &window_);
    pdfAction_->setObjectName(QStringLiteral("MOPdf"));
    QObject::connect(pdfAction_, &QAction::triggered, &window_, [this] { exportReportPdf(); });
  }
  edit->setExtraActions({previewAction_, pdfAction_});
  return edit;
}

void ReportService::addReportCommands() {
  QAction* print = window_.action("MOPrint");
  auto* menu = window_.menuBar()->findChild<QMenu*>(QStringLiteral("MOutput"));
  if (!print || !menu || !previewAction_) return;
  const QList<QAction*> own = menu->actions();
  const qsizetype at = own.indexOf(print);
  QAction* before = at >= 0 && at + 1 < own.size() ? own[at + 1] : nullptr;
  menu->insertAction(before, previewAction_);
  menu->insertAction(before, pdfAction_);
  // They are report commands like printing: available when it is.
  auto follow = [this, print] {
    previewAction_->setEnabled(print->isEnabled());
    pdfAction_->setEnabled(print->isEnabled());
  };
  QObject::connect(print, &QAction::enabledChanged, &window_, follow);
  follow();
}

void ReportService::buildReport() {
  window_.binder().run([&] {
    std::vector<report::StyledLine> lines = report::MOReportClick(window_.model());
    if (report_) {
      // A new build replaces the control's text and any hand edits in it.
      report_->setBuilt(lines);
      report_->render(lines);
    }
  });
}

namespace {

// What the report control holds now; a report page never made is empty.
std::vector<report::StyledLine> ReportLines(const ReportEdit* edit, const Control& reReport) {
  return edit ? edit->content() : report::ReportContent(reReport, {});
}

}  // namespace

void ReportService::saveReport() {
  MainModel& model = window_.model();
  const std::vector<report::StyledLine> content = ReportLines(report_, model.form().At("ReReport"));
  window_.binder().run([&] { report::MOSaveClick(model, reportDialogs(), content, files_.paths().projectsDir); });
}

void ReportService::printReport() {
  MessageSink& messages = window_.model().form().messages();
  if (!PrinterAvailable()) {
    const Message ask{Ss(QCoreApplication::translate("WindowServices",
                                                     "没有可用的打印机，报表无法打印。\n要把报表导出为 PDF 文件吗？")),
                      Ss(QCoreApplication::translate("WindowServices", "打印报表")), MessageIcon::Question,
                      MessageButtons::YesNo};
    if (messages.Show(ask) == MessageAnswer::Yes) exportReportPdf();
    return;
  }
  QString error;
  if (!PrintReport(reportDocument(), &error))
    messages.Show(Message{Ss(error), Ss(QCoreApplication::translate("WindowServices", "打印报表")), MessageIcon::Error,
                          MessageButtons::Ok});
}

void ReportService::previewReport() { PreviewReport(&window_, reportDocument()); }

bool ReportService::exportReportPdf() {
  MainModel& model = window_.model();
  auto file = reportDialogs().ChooseFile(report::ReportPdfDialog(model.project().fileName, files_.paths().projectsDir));
  if (!file) return false;
  QString error;
  if (ExportReportPdf(reportDocument(), Qs(*file), &error)) return true;
  model.form().messages().Show(Message{Ss(error), Ss(QCoreApplication::translate("WindowServices", "导出为 PDF")),
                                       MessageIcon::Error, MessageButtons::Ok});
  return false;
}

bool ReportService::exportSheet() {
  bool ok = false;
  window_.binder().run(
      [&] { ok = exportdata::MOSheetClick(window_.model(), reportDialogs(), files_.paths().projectsDir); });
  return ok;
}

bool ReportService::exportData() {
  bool ok = false;
  window_.binder().run(
      [&] { ok = exportdata::MFExportClick(window_.model(), reportDialogs(), files_.paths().projectsDir); });
  return ok;
}

}  // namespace tharvex::gui
