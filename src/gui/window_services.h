#pragma once
// What the main window gets from the other subsystems, one owner per
// concern: the project files (session, folders, recent files), the report
// and output commands, the help, the property window; and the calculation
// with its drawing.
#include <memory>

#include "core/output/tube_layout.h"

namespace tharvex {
class MessageSink;
}

namespace tharvex::gui {

class TFormTharvex;
class ProjectFiles;
class ReportService;
class HelpService;
class PropertyService;

class WindowServices {
 public:
  WindowServices(TFormTharvex& window, MessageSink& sink);
  ~WindowServices();

  ProjectFiles& files() { return *files_; }
  ReportService& report() { return *report_; }
  HelpService& help() { return *help_; }
  PropertyService& properties() { return *properties_; }

  // The last drawing of the tube layout (null when the calculation keeps none).
  const layout::DisplayList* drawing() const;
  // The calculation run (the drawing tab runs it) and the optimiser.
  void calculate();
  void optimise();

 private:
  TFormTharvex& window_;
  std::unique_ptr<ProjectFiles> files_;
  std::unique_ptr<ReportService> report_;
  std::unique_ptr<HelpService> help_;
  std::unique_ptr<PropertyService> properties_;
};

}  // namespace tharvex::gui
