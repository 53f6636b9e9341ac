#include "gui/project_files.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include "gui/dialogs.h"
#include "gui/main_window.h"
#include "gui/qt_bridge.h"

namespace tharvex::gui {

namespace {

constexpr const char* kRecentTag = "recentFilesEntry";

}  // namespace

bool QtSessionUi::AskYesNo(const std::string& text, const std::string& caption) {
  QMessageBox box(QMessageBox::Warning, Qs(caption), Qs(text), QMessageBox::Yes | QMessageBox::No, owner_);
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> QtSessionUi::ChooseFile(const FileDialogSpec& dialog) {
  return RunFileDialog(owner_, dialog);
}

void QtSessionUi::Inform(const std::string& text, const std::string& caption) {
  QMessageBox::information(owner_, Qs(caption), Qs(text));
}

ProjectFiles::ProjectFiles(TFormTharvex& window, MessageSink& sink)
    : window_(window),
      ui_(&window),
      paths_(SetupPaths("Tharvex", "Tharvex", false, PathEnvironment::FromProcess())),
      recent_(sink, "Tharvex"),
      session_(window.model(), ui_, paths_, &recent_),
      dataDir_(FindDataDir(paths_.programDir)) {
  // Shipped templates, the property library and the example projects go to
  // the user's folders the first time; problems only mean fewer files to pick.
  PrepareFolders(paths_, dataDir_);
  recent_.setMaxFiles(9);
  recent_.setShowFullPath(false);
  recent_.setMenuPosition(6);
  recent_.setFileExt("zrf");
  recent_.setIniFile(paths_.settingsFile());
  recent_.onMenuClick = [this](const std::string& file) { window_.binder().run([&] { session_.OpenRecent(file); }); };
  recent_.onChanged = [this] {
    // The menu is rebuilt after the click that changed it has finished.
    QTimer::singleShot(0, &window_, [this] { rebuildRecentMenu(fileMenu_); });
  };
}

bool ProjectFiles::runSession(bool (ProjectSession::*command)()) {
  bool ok = false;
  window_.binder().run([&] { ok = (session_.*command)(); });
  return ok;
}
bool ProjectFiles::newProject() { return runSession(&ProjectSession::New); }
bool ProjectFiles::openProject() { return runSession(&ProjectSession::Open); }
bool ProjectFiles::saveProject() { return runSession(&ProjectSession::Save); }
bool ProjectFiles::saveProjectAs() { return runSession(&ProjectSession::SaveAs); }
bool ProjectFiles::saveTemplate() { return runSession(&ProjectSession::SaveAsTemplate); }
bool ProjectFiles::closeQuery() { return runSession(&ProjectSession::CloseQuery); }
bool ProjectFiles::openFile(const std::string& file) {
  bool ok = false;
  window_.binder().run([&] { ok = session_.OpenRecent(file); });
  return ok;
}

void ProjectFiles::rebuildRecentMenu(QMenu* m) {
  if (!m) return;
  fileMenu_ = m;
  for (QAction* a : m->actions())
    if (a->property(kRecentTag).isValid()) {
      m->removeAction(a);
      a->deleteLater();
    }
  const QList<QAction*> own = m->actions();
  std::vector<MenuItemModel> items;
  for (QAction* a : own) items.push_back({Ss(a->text()), a->isSeparator(), false, -1});
  const auto rebuilt = recent_.RebuildMenu(std::move(items));
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
      if (entry >= 0 && entry < static_cast<int>(recent_.files().size()))
        a->setStatusTip(Qs(recent_.files()[static_cast<size_t>(entry)]));
      QObject::connect(a, &QAction::triggered, &window_, [this, entry] {
        // The list and the menu change under this click: act once it is over.
        QTimer::singleShot(0, &window_, [this, entry] {
          window_.binder().commitPendingEdits();
          window_.binder().run([&] { recent_.Pick(entry); });
        });
      });
    }
    m->insertAction(before, a);
  }
}

}  // namespace tharvex::gui
