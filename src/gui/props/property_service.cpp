#include "gui/props/property_service.h"

#include "core/props/prop_library.h"
#include "gui/main_window.h"
#include "gui/project_files.h"
#include "gui/props/prop_window.h"

namespace tharvex::gui {

PropertyService::PropertyService(TFormTharvex& window, ProjectFiles& files) : window_(window), files_(files) {}

void PropertyService::propertyWindow(const std::string& button) {
  // SBP2 (shell-side vapour) has no property window.
  if (button != "SBP1" && button != "SBP3" && button != "SBP4") return;
  if (!props_) {
    props_ = new TFormSimpPL(&window_);
    const std::string& data = files_.dataDir();
    props_->loadLibrary(files_.paths().supportFile(props::kPropLibFileName),
                        data.empty() ? std::string() : data + "/" + props::kPropLibFileName);
  }
  // The transfer sets the values only; the case is recalculated when the
  // user next leaves a field.
  if (props_->showFor(button, window_.model().form())) window_.binder().refresh();
}

}  // namespace tharvex::gui
