#include "core/app/main_model.h"

#include "core/app/main_window_table.h"

namespace tharvex {

MainModel::MainModel(MessageSink& sink) : form_(sink) { mainwin::Build(form_); }

}  // namespace tharvex
