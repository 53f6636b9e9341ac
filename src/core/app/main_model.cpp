#include "core/app/main_model.h"

#include "core/mainwin/main_window_table.h"
#include "core/tools/install.h"

namespace tharvex {

MainModel::MainModel(MessageSink& sink) : form_(sink) {
  mainwin::Build(form_);
  engine_ = std::make_unique<engine::Engine>(form_, project_);
  engine_->InstallHandlers();
  tools::InstallHandlers(form_);
  // A comment is saved with the project: changing one is an unsaved change,
  // as a calculation is.
  for (const auto& d : mainwin::Table()) {
    if (d.entry != mainwin::Entry::Rich) continue;
    form_.At(d.value()).onExit = [this](Control*) {
      project_.modified = true;
      if (Control* save = form_.Find("MFSave")) save->setEnabled(true);
    };
  }
}

}  // namespace tharvex
