#include "gui/window_services.h"

#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include "core/app/paths.h"
#include "core/app/project_session.h"
#include "core/app/recent_files.h"
#include "core/app/session_ui.h"
#include "core/help/about.h"
#include "core/output/report.h"
#include "core/props/prop_library.h"
#include "gui/bound_widgets.h"
#include "gui/dialogs.h"
#include "gui/field_hint.h"
#include "gui/main_window.h"
#include "gui/props/prop_window.h"
#include "gui/qt_bridge.h"

namespace tharvex::gui {

namespace {

// The project commands' questions and file choices as real dialogs.
class QtSessionUi : public SessionUi {
 public:
  explicit QtSessionUi(QWidget* owner) : owner_(owner) {}
  bool AskYesNo(const std::string& text, const std::string& caption) override {
    QMessageBox box(QMessageBox::Warning, Qs(caption), Qs(text), QMessageBox::Yes | QMessageBox::No, owner_);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
  }
  std::optional<std::string> ChooseFile(const FileDialogSpec& dialog) override {
    return RunFileDialog(owner_, dialog);
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
        session(w.model(), ui, paths, &recent) {}
  QtSessionUi ui;
  AppPaths paths;
  MostRecentFiles recent;
  ProjectSession session;
  QMenu* fileMenu = nullptr;
  QPointer<TFormSimpPL> props;  // created at the first use, then kept with its state
};

WindowServices::WindowServices(TFormTharvex& window, MessageSink& sink) : window_(window), d_(new Impl(window, sink)) {
  // Shipped templates, the property library and the example project go to
  // the user's folders the first time; problems only mean fewer files to pick.
  PrepareFolders(d_->paths, FindDataDir(d_->paths.programDir));
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

bool WindowServices::newProject() {
  bool ok = false;
  window_.binder().run([&] { ok = d_->session.New(); });
  return ok;
}
bool WindowServices::openProject() {
  bool ok = false;
  window_.binder().run([&] { ok = d_->session.Open(); });
  return ok;
}
bool WindowServices::saveProject() {
  bool ok = false;
  window_.binder().run([&] { ok = d_->session.Save(); });
  return ok;
}
bool WindowServices::saveProjectAs() {
  bool ok = false;
  window_.binder().run([&] { ok = d_->session.SaveAs(); });
  return ok;
}
bool WindowServices::saveTemplate() {
  bool ok = false;
  window_.binder().run([&] { ok = d_->session.SaveAsTemplate(); });
  return ok;
}
bool WindowServices::openFile(const std::string& file) {
  bool ok = false;
  window_.binder().run([&] { ok = d_->session.OpenRecent(file); });
  return ok;
}
bool WindowServices::closeQuery() {
  bool ok = true;
  window_.binder().run([&] { ok = d_->session.CloseQuery(); });
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
          window_.binder().run([&] { d_->recent.Pick(entry); });
        });
      });
    }
    m->insertAction(before, a);
  }
}

QWidget* WindowServices::reportPage(QWidget* parent) {
  auto* t = new BoundText(window_.binder(), window_.model().form().At("ReReport"), parent);
  t->setFont(UiFont());
  return t;
}
void WindowServices::buildReport() {
  window_.binder().run([&] { report::MOReportClick(window_.model()); });
}
void WindowServices::saveReport() { window_.statusPanel(0)->setText(QStringLiteral("保存报表：尚未提供")); }
void WindowServices::printReport() { window_.statusPanel(0)->setText(QStringLiteral("打印报表：尚未提供")); }

void WindowServices::helpDocument(const QString& keyword) {
  // Until the help viewer is there, F1 shows the field's hint (or, when it
  // has none, the chapter it would open).
  QWidget* w = window_.focusWidget();
  if (!w) return;
  const QString hint = w->statusTip();
  window_.fieldHint().show(w, hint.isEmpty() ? keyword : hint);
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
    const std::string data = FindDataDir(d_->paths.programDir);
    d_->props->loadLibrary(d_->paths.supportFile(props::kPropLibFileName),
                           data.empty() ? std::string() : data + "/" + props::kPropLibFileName);
  }
  // The transfer sets the values only; the case is recalculated when the
  // user next leaves a field.
  if (d_->props->showFor(button, window_.model().form())) window_.binder().refresh();
}

void WindowServices::calculate() { window_.model().engine().WsDExit(nullptr); }
bool WindowServices::optimiserAvailable() const { return true; }
void WindowServices::optimise() { window_.model().engine().BtOpt1Click(nullptr); }

}  // namespace tharvex::gui
