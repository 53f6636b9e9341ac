#include "core/app/main_model.h"

#include "core/mainwin/main_window_table.h"
#include "core/tools/install.h"

namespace tharvex {

MainModel::MainModel(MessageSink& sink) : form_(sink) {
  mainwin::Build(form_);
  engine_ = std::make_unique<engine::Engine>(form_, project_);
  engine_->InstallHandlers();
  tools::InstallHandlers(form_);
}

}  // namespace tharvex
