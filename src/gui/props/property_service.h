#pragma once
// The property window, opened from a "从物性数据库取…" button: created at
// its first use with the user's property library, then kept with its state.
#include <QPointer>
#include <string>

namespace tharvex::gui {

class TFormTharvex;
class ProjectFiles;
class TFormSimpPL;

class PropertyService {
 public:
  PropertyService(TFormTharvex& window, ProjectFiles& files);
  // Shows the window for `button` (SBP1, SBP3 or SBP4) and hands its values
  // to the form when the user transfers them.
  void propertyWindow(const std::string& button);

 private:
  TFormTharvex& window_;
  ProjectFiles& files_;
  QPointer<TFormSimpPL> props_;
};

}  // namespace tharvex::gui
