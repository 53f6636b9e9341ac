#pragma once
// What the project commands ask of the user: a yes/no question, a file
// choice and a note to acknowledge. The desktop program answers with real dialogs, the tests and the
// CLI from a script.
#include <optional>
#include <string>

namespace tharvex {

struct FileDialogSpec {
  std::string title;       // "打开项目文件"
  std::string filter;      // description|pattern pairs separated by bars
  std::string defaultExt;  // without the point: "zrf"
  std::string folder;      // initial folder
  std::string fileName;    // proposed file name ("" when cleared)
  bool save = false;       // a save dialog (overwrite prompt) rather than an open one
};

class SessionUi {
 public:
  virtual ~SessionUi() = default;
  // True for Yes.
  virtual bool AskYesNo(const std::string& text, const std::string& caption) = 0;
  // The chosen file's full path, or nothing when the dialog is cancelled.
  virtual std::optional<std::string> ChooseFile(const FileDialogSpec& dialog) = 0;
  // Something the user should know, answered with OK.
  virtual void Inform(const std::string& text, const std::string& caption) { (void)text, (void)caption; }
};

}  // namespace tharvex
