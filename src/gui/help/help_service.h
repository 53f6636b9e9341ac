#pragma once
// The user manual's viewer (one window, kept from one request to the next,
// showing the manual of the window's language) and the about box.
#include <QString>
#include <memory>
#include <string>

namespace tharvex::gui {

class TFormTharvex;
class ProjectFiles;
class HelpWindow;

class HelpService {
 public:
  HelpService(TFormTharvex& window, ProjectFiles& files);
  ~HelpService();

  // Opens the manual at the entry for `keyword` (a field's caption), or at
  // its installation chapter when empty.
  void helpDocument(const QString& keyword);
  void about();

 private:
  TFormTharvex& window_;
  ProjectFiles& files_;
  std::unique_ptr<HelpWindow> help_;
  std::string helpLanguage_;  // the language of the manual it shows
};

}  // namespace tharvex::gui
