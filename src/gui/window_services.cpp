#include "gui/window_services.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QTextDocument>
#include <QTimer>
#include <memory>

#include "core/app/export_commands.h"
#include "core/app/paths.h"
#include "core/app/project_session.h"
#include "core/app/recent_files.h"
#include "core/app/report_commands.h"
#include "core/app/session_ui.h"
#include "core/fields/i18n.h"
#include "core/help/about.h"
#include "core/help/manual_index.h"
#include "core/output/report.h"
#include "core/props/prop_library.h"
#include "gui/bound_widgets.h"
#include "gui/dialogs.h"
#include "gui/field_hint.h"
#include "gui/help/help_window.h"
#include "gui/language.h"
#include "gui/main_window.h"
#include "gui/props/prop_window.h"
#include "gui/qt_bridge.h"
#include "gui/report/report_edit.h"
#include "gui/report/report_print.h"

namespace tharvex::gui {

namespace {

// The project commands' questions and file choices as real dialogs.
class QtSessionUi : public SessionUi {
 public:
  explicit QtSessionUi(QWidget* owner) : owner_(owner) {}
  bool AskYesNo(const std::string& text, const std::string& caption) override {
    QMessageBox box(QMessageBox::Warning, MessageText(caption), MessageText(text), QMessageBox::Yes | QMessageBox::No,
                    owner_);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
  }
  std::optional<std::string> ChooseFile(const FileDialogSpec& dialog) override {
    return RunFileDialog(owner_, dialog);
  }
  void Inform(const std::string& text, const std::string& caption) override {
    QMessageBox::information(owner_, MessageText(caption), MessageText(text));
  }

 private:
  QWidget* owner_;
};

constexpr const char* kRecentTag = "recentFilesEntry";

}  // namespace

struct WindowServices::Impl {
  explicit Impl(TFormTharvex& w, MessageSink& sink)
      : ui(&w),
        paths(SetupPaths("Tharvex", "Tharvex", false, PathEnvironment::FromProcess())),
        recent(sink, "Tharvex"),
        session(w.model(), ui, paths, &recent),
        dataDir(FindDataDir(paths.programDir)) {}
  QtSessionUi ui;
  AppPaths paths;
  MostRecentFiles recent;
  ProjectSession session;
  QMenu* fileMenu = nullptr;
  QPointer<ReportEdit> report;
  QAction* previewAction = nullptr;
  QAction* pdfAction = nullptr;
  SessionUi* reportUi = nullptr;     // the save dialogs' script in tests
  std::unique_ptr<HelpWindow> help;  // one viewer, kept from one request to the next
  std::string helpLanguage;          // the language of the manual it shows
  QPointer<TFormSimpPL> props;  // created at the first use, then kept with its state
  std::string dataDir;          // the shipped files; empty when not found
  QTextDocument noReport;       // printed while the report page was never made

  const QTextDocument& reportDocument() const { return report ? *report->document() : noReport; }
  SessionUi& reportDialogs() { return reportUi ? *reportUi : ui; }
};

WindowServices::WindowServices(TFormTharvex& window, MessageSink& sink) : window_(window), d_(new Impl(window, sink)) {
  // Shipped templates, the property library and the example project go to
  // the user's folders the first time; problems only mean fewer files to pick.
  PrepareFolders(d_->paths, d_->dataDir);
  MostRecentFiles& r = d_->recent;
  r.setMaxFiles(9);
  r.setShowFullPath(false);
  r.setMenuPosition(6);
  r.setFileExt("zrf");
  r.setIniFile(d_->paths.settingsFile());
  r.onMenuClick = [this](const std::string& file) {
    window_.binder().run([&] { d_->session.OpenRecent(file); });
  };
  r.onChanged = [this] {
    // The menu is rebuilt after the click that changed it has finished.
    QTimer::singleShot(0, &window_, [this] { rebuildRecentMenu(d_->fileMenu); });
  };
}

WindowServices::~WindowServices() { delete d_; }

const AppPaths& WindowServices::paths() const { return d_->paths; }

const layout::DisplayList* WindowServices::drawing() const { return &window_.model().engine().drawing(); }

bool WindowServices::runSession(bool (ProjectSession::*command)()) {
  bool ok = false;
  window_.binder().run([&] { ok = (d_->session.*command)(); });
  return ok;
}
bool WindowServices::newProject() { return runSession(&ProjectSession::New); }
bool WindowServices::openProject() { return runSession(&ProjectSession::Open); }
bool WindowServices::saveProject() { return runSession(&ProjectSession::Save); }
bool WindowServices::saveProjectAs() { return runSession(&ProjectSession::SaveAs); }
bool WindowServices::saveTemplate() { return runSession(&ProjectSession::SaveAsTemplate); }
bool WindowServices::closeQuery() { return runSession(&ProjectSession::CloseQuery); }
bool WindowServices::openFile(const std::string& file) {
  bool ok = false;
  window_.binder().run([&] { ok = d_->session.OpenRecent(file); });
  return ok;
}
ProjectSession& WindowServices::session() { return d_->session; }
MostRecentFiles& WindowServices::recentFiles() { return d_->recent; }

void WindowServices::rebuildRecentMenu(QMenu* m) {
  if (!m) return;
  d_->fileMenu = m;
  for (QAction* a : m->actions())
    if (a->property(kRecentTag).isValid()) {
      m->removeAction(a);
      a->deleteLater();
    }
  const QList<QAction*> own = m->actions();
  std::vector<MenuItemModel> items;
  for (QAction* a : own) items.push_back({Ss(a->text()), a->isSeparator(), false, -1});
  const auto rebuilt = d_->recent.RebuildMenu(std::move(items));
  qsizetype next = 0;  // index of the next own item
  for (const MenuItemModel& item : rebuilt) {
    if (!item.tagged) {
      ++next;
      continue;
    }
    QAction* before = next < own.size() ? own[next] : nullptr;
    auto* a = new QAction(m);
    a->setProperty(kRecentTag, item.entry);
    if (item.separator) {
      a->setSeparator(true);
    } else {
      a->setText(Qs(item.caption));
      const int entry = item.entry;
      if (entry >= 0 && entry < static_cast<int>(d_->recent.files().size()))
        a->setStatusTip(Qs(d_->recent.files()[static_cast<size_t>(entry)]));
      QObject::connect(a, &QAction::triggered, &window_, [this, entry] {
        // The list and the menu change under this click: act once it is over.
        QTimer::singleShot(0, &window_, [this, entry] {
          window_.binder().commitPendingEdits();
          window_.binder().run([&] { d_->recent.Pick(entry); });
        });
      });
    }
    m->insertAction(before, a);
  }
}

QWidget* WindowServices::reportPage(QWidget* parent) {
  auto* edit = new ReportEdit(window_.binder(), window_.model().form().At("ReReport"), parent);
  d_->report = edit;
  if (!d_->previewAction) {
    d_->previewAction = new QAction(QCoreApplication::translate("WindowServices", "打印预览"), &window_);
    d_->previewAction->setObjectName(QStringLiteral("MOPreview"));
    QObject::connect(d_->previewAction, &QAction::triggered, &window_, [this] { previewReport(); });
    d_->pdfAction = new QAction(QCoreApplication::translate("WindowServices", "导出为 PDF"), &window_);
    d_->pdfAction->setObjectName(QStringLiteral("MOPdf"));
    QObject::connect(d_->pdfAction, &QAction::triggered, &window_, [this] { exportReportPdf(); });
  }
  edit->setExtraActions({d_->previewAction, d_->pdfAction});
  return edit;
}

void WindowServices::addReportCommands() {
  QAction* print = window_.action("MOPrint");
  auto* menu = window_.menuBar()->findChild<QMenu*>(QStringLiteral("MOutput"));
  if (!print || !menu || !d_->previewAction) return;
  const QList<QAction*> own = menu->actions();
  const qsizetype at = own.indexOf(print);
  QAction* before = at >= 0 && at + 1 < own.size() ? own[at + 1] : nullptr;
  menu->insertAction(before, d_->previewAction);
  menu->insertAction(before, d_->pdfAction);
  // They are report commands like printing: available when it is.
  auto follow = [this, print] {
    d_->previewAction->setEnabled(print->isEnabled());
    d_->pdfAction->setEnabled(print->isEnabled());
  };
  QObject::connect(print, &QAction::enabledChanged, &window_, follow);
  follow();
}

void WindowServices::buildReport() {
  window_.binder().run([&] {
    std::vector<report::StyledLine> lines = report::MOReportClick(window_.model());
    if (d_->report) {
      // A new build replaces the control's text and any hand edits in it.
      d_->report->setBuilt(lines);
      d_->report->render(lines);
    }
  });
}

void WindowServices::setReportUi(SessionUi* ui) { d_->reportUi = ui; }

namespace {

// What the report control holds now; a report page never made is empty.
std::vector<report::StyledLine> ReportLines(const ReportEdit* edit, const Control& reReport) {
  return edit ? edit->content() : report::ReportContent(reReport, {});
}

}  // namespace

void WindowServices::saveReport() {
  MainModel& model = window_.model();
  const std::vector<report::StyledLine> content = ReportLines(d_->report, model.form().At("ReReport"));
  window_.binder().run([&] { report::MOSaveClick(model, d_->reportDialogs(), content, d_->paths.projectsDir); });
}

void WindowServices::printReport() {
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
  if (!PrintReport(d_->reportDocument(), &error))
    messages.Show(Message{Ss(error), Ss(QCoreApplication::translate("WindowServices", "打印报表")), MessageIcon::Error,
                          MessageButtons::Ok});
}

void WindowServices::previewReport() {
  PreviewReport(&window_, d_->reportDocument());
}

bool WindowServices::exportReportPdf() {
  MainModel& model = window_.model();
  auto file = d_->reportDialogs().ChooseFile(report::ReportPdfDialog(model.project().fileName, d_->paths.projectsDir));
  if (!file) return false;
  QString error;
  if (ExportReportPdf(d_->reportDocument(), Qs(*file), &error)) return true;
  model.form().messages().Show(Message{Ss(error), Ss(QCoreApplication::translate("WindowServices", "导出为 PDF")),
                                       MessageIcon::Error, MessageButtons::Ok});
  return false;
}

bool WindowServices::exportSheet() {
  bool ok = false;
  window_.binder().run(
      [&] { ok = exportdata::MOSheetClick(window_.model(), d_->reportDialogs(), d_->paths.projectsDir); });
  return ok;
}

bool WindowServices::exportData() {
  bool ok = false;
  window_.binder().run(
      [&] { ok = exportdata::MFExportClick(window_.model(), d_->reportDialogs(), d_->paths.projectsDir); });
  return ok;
}

void WindowServices::helpDocument(const QString& keyword) {
  // From the menu the manual opens at its installation chapter; F1 gives the
  // field's caption, looked up with the fallbacks down to the glossary.
  const std::string title = keyword.isEmpty() ? std::string(help::kInstallChapter) : Ss(keyword);
  // The viewer shows the manual of the language the window shows; a change
  // of language reloads it on the next request.
  if (!d_->help || d_->helpLanguage != i18n::Language()) {
    std::string dir = d_->dataDir;
    std::optional<std::string> text = help::ReadManual(dir);
    if (!text) {
      // A copy the user keeps in the support folder serves as well.
      dir = d_->paths.supportsDir;
      text = help::ReadManual(dir);
    }
    if (!text) {
      window_.model().form().messages().Show(
          Message{Ss(QCoreApplication::translate("WindowServices", "找不到用户手册 %1。")
                         .arg(Qs(help::ManualFile(i18n::Language())))),
                  Ss(QCoreApplication::translate("WindowServices", "Tharvex 帮助")), MessageIcon::Error,
                  MessageButtons::Ok});
      return;
    }
    if (!d_->help) {
      d_->help = std::make_unique<HelpWindow>();
      d_->help->setWindowIcon(window_.windowIcon());
    }
    d_->help->setManual(*text, Qs(dir + "/manual"));
    d_->helpLanguage = i18n::Language();
  }
  HelpWindow& w = *d_->help;
  w.showMaximized();
  w.raise();
  w.activateWindow();
  w.openAt(title);
}

void WindowServices::about() {
  Message m = help::AboutMessage();
  window_.model().form().messages().Show(m);
}
void WindowServices::propertyWindow(const std::string& button) {
  // SBP2 (shell-side vapour) has no property window.
  if (button != "SBP1" && button != "SBP3" && button != "SBP4") return;
  if (!d_->props) {
    d_->props = new TFormSimpPL(&window_);
    const std::string& data = d_->dataDir;
    d_->props->loadLibrary(d_->paths.supportFile(props::kPropLibFileName),
                           data.empty() ? std::string() : data + "/" + props::kPropLibFileName);
  }
  // The transfer sets the values only; the case is recalculated when the
  // user next leaves a field.
  if (d_->props->showFor(button, window_.model().form())) window_.binder().refresh();
}

void WindowServices::calculate() { window_.model().Calculate(nullptr); }
void WindowServices::optimise() { window_.model().Optimise(nullptr); }

}  // namespace tharvex::gui
