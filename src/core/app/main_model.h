#pragma once
// The main window as a model: its controls and the handlers wired to them.
// The desktop program shows it, the CLI and the tests drive it.
#include "core/fields/form.h"

namespace tharvex {

class MainModel {
 public:
  explicit MainModel(MessageSink& sink);
  MainModel(const MainModel&) = delete;
  MainModel& operator=(const MainModel&) = delete;

  Form& form() { return form_; }
  const Form& form() const { return form_; }

 private:
  Form form_;
};

}  // namespace tharvex
