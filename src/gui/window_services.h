#pragma once
// The parts of the main window that other subsystems provide: the project
// session and its dialogs, the recent-files list, the report, help and the
// property window, and the calculation's drawing. Where a part is missing
// the window shows a neutral placeholder.
#include <QObject>
#include <string>
#include <vector>

#include "core/output/tube_layout.h"

class QWidget;
class QMenu;

namespace tharvex {
class MainModel;
class MessageSink;
class ProjectSession;
class MostRecentFiles;
class SessionUi;
struct AppPaths;
}

namespace tharvex::gui {

class TFormTharvex;

class WindowServices {
 public:
  WindowServices(TFormTharvex& window, MessageSink& sink);
  ~WindowServices();

  // The last drawing of the tube layout (null when the calculation keeps none).
  const layout::DisplayList* drawing() const;

  // Project commands (true when the command ran to its end).
  bool newProject();
  bool openProject();
  bool saveProject();
  bool saveProjectAs();
  bool saveTemplate();
  bool openFile(const std::string& file);
  // Asks to save unsaved changes; true when the window may close.
  bool closeQuery();
  ProjectSession& session();
  MostRecentFiles& recentFiles();
  const AppPaths& paths() const;
  // Recent-file entries of the file menu, inserted before the menu's own
  // separator in front of "退出".
  void rebuildRecentMenu(QMenu* fileMenu);

  // The report tab's page, the report command, saving and printing.
  QWidget* reportPage(QWidget* parent);
  void buildReport();
  void saveReport();
  void printReport();
  // The print preview and the PDF export: in the report's context menu and,
  // once this is called after the menus are built, in the output menu after
  // "&P 打印报表".
  void addReportCommands();
  void previewReport();
  bool exportReportPdf();
  // The report's save dialogs answered by `ui` instead of real dialogs
  // (tests); null restores the real ones.
  void setReportUi(SessionUi* ui);

  // The calculation sheet "计算书" (PDF) and the data export (xlsx, JSON, CSV).
  bool exportSheet();
  bool exportData();

  void helpDocument(const QString& keyword);
  void about();
  void propertyWindow(const std::string& button);

  // The calculation run (the drawing tab runs it) and the optimiser.
  void calculate();
  void optimise();

 private:
  // A project command run as a user action (its errors as a message box).
  bool runSession(bool (ProjectSession::*command)());

  struct Impl;
  TFormTharvex& window_;
  Impl* d_;
};

}  // namespace tharvex::gui
