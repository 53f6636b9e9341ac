#pragma once
// The project the main window works on: its file, whether it has unsaved
// changes, the window title, and the commands of the file menu.
#include <functional>
#include <string>

#include "core/app/main_model.h"
#include "core/app/paths.h"
#include "core/app/session_ui.h"
#include "core/fields/i18n.h"
#include "core/files/form_record.h"

namespace tharvex {

class MostRecentFiles;

inline constexpr const char* kSavePrompt = THX_TR_NOOP("Messages", "数据没有保存，保存吗？");
inline constexpr const char* kSavePromptCaption = THX_TR_NOOP("Messages", "警告：");
// Told once per session when a comment's "△" or "▲" is written as its look-alike.
inline constexpr const char* kLineMarksNote = THX_TR_NOOP(
    "Messages", "注释中的“△”和“▲”在项目文件中用作分行标记，保存时已分别写成外形相近的“∆”和“▴”，其余内容不变。");
inline constexpr const char* kLineMarksCaption = THX_TR_NOOP("Messages", "保存项目文件");

class ProjectSession {
 public:
  // `recent` may be null (no recent-files list, as in the CLI).
  ProjectSession(MainModel& model, SessionUi& ui, const AppPaths& paths, MostRecentFiles* recent);

  const std::string& ProjectFileName() const { return model_.project().fileName; }
  bool Modified() const { return model_.project().modified; }

  // Asks whether to save unsaved changes. False when the user answered Yes
  // and then cancelled the save dialog, or the save failed: the command that
  // asked is abandoned and the project stays modified. No discards.
  bool QuerySaveChanges();
  // Hands the file to the recent list (when `addToRecent`), shows the path in
  // the title, clears Modified and disables the save command.
  void UpdateTitle(bool addToRecent);
  // Re-applies the calculation-type and fin-type handlers so the field
  // states follow loaded selections.
  void RefreshModes();
  void MarkLoadedSurplus();

  // The file menu. Each returns true when the command ran to its end.
  bool New();
  bool Open();
  bool Save();
  bool SaveAs();
  bool SaveAsTemplate();
  // True when the window may close.
  bool Exit();
  bool CloseQuery() { return QuerySaveChanges(); }
  // A recent-file entry whose file exists.
  bool OpenRecent(const std::string& file);

  // Without dialogs (the CLI): read a project as the open command does, or
  // write the window state and take the file as the project's. `status`,
  // when given, tells whether the file was missing or lacked the header.
  bool OpenFile(const std::string& file, bool addToRecent, ReadStatus* status = nullptr);
  bool SaveFile(const std::string& file);

  // The dialogs as the window defines them.
  FileDialogSpec OpenDataDialog() const;
  FileDialogSpec SaveDataDialog() const;
  FileDialogSpec OpenTemplateDialog() const;
  FileDialogSpec SaveTemplateDialog() const;

  std::string TitleText() const;

  // Told when the window has taken a project: `file` after a new project
  // (`newProject`, with the template read, "" for none) or an open. The
  // undo history starts again there (see OpeningClearsHistory).
  std::function<void(const std::string& file, bool newProject)> onLoaded;

 private:
  std::optional<std::string> Choose(FileDialogSpec spec, std::string& remembered, bool clear);
  bool Write(const std::string& file);  // reports a failure through the message sink
  void Report(const std::string& text);
  void SetModified(bool v);

  MainModel& model_;
  SessionUi& ui_;
  AppPaths paths_;
  MostRecentFiles* recent_;
  // File names the dialogs remember between runs.
  std::string openDataName_, saveDataName_, openTempName_, saveTempName_;
  bool toldLineMarks_ = false;
};

}  // namespace tharvex
