#pragma once
// The project files of the main window: the project session with its
// dialogs, the user's folders and the recent-files list of the file menu.
#include <QObject>
#include <string>

#include "core/app/paths.h"
#include "core/app/project_session.h"
#include "core/app/recent_files.h"
#include "core/app/session_ui.h"

class QMenu;
class QWidget;

namespace tharvex::gui {

class TFormTharvex;

// The session's questions and file choices as real dialogs.
class QtSessionUi : public SessionUi {
 public:
  explicit QtSessionUi(QWidget* owner) : owner_(owner) {}
  bool AskYesNo(const std::string& text, const std::string& caption) override;
  std::optional<std::string> ChooseFile(const FileDialogSpec& dialog) override;
  void Inform(const std::string& text, const std::string& caption) override;

 private:
  QWidget* owner_;
};

class ProjectFiles {
 public:
  // Sets up the user's folders (copying the shipped templates, examples and
  // property library the first time) and the recent-files list.
  ProjectFiles(TFormTharvex& window, MessageSink& sink);

  // Project commands, each run as one user action (true when it ran to its end).
  bool newProject();
  bool openProject();
  bool saveProject();
  bool saveProjectAs();
  bool saveTemplate();
  bool openFile(const std::string& file);
  // Asks to save unsaved changes; true when the window may close.
  bool closeQuery();

  ProjectSession& session() { return session_; }
  MostRecentFiles& recentFiles() { return recent_; }
  const AppPaths& paths() const { return paths_; }
  // The shipped files; empty when not found.
  const std::string& dataDir() const { return dataDir_; }
  SessionUi& dialogs() { return ui_; }

  // Recent-file entries of the file menu, inserted before the menu's own
  // separator in front of "退出".
  void rebuildRecentMenu(QMenu* fileMenu);

 private:
  bool runSession(bool (ProjectSession::*command)());

  TFormTharvex& window_;
  QtSessionUi ui_;
  AppPaths paths_;
  MostRecentFiles recent_;
  ProjectSession session_;
  std::string dataDir_;
  QMenu* fileMenu_ = nullptr;
};

}  // namespace tharvex::gui
