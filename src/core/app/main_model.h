#pragma once
// The main window as a model: its controls and the handlers wired to them.
// The desktop program shows it, the CLI and the tests drive it.
#include <memory>
#include <string>

#include "core/engine/engine.h"
#include "core/fields/form.h"

namespace tharvex {

// The project the window shows: its file (empty until saved or opened) and
// whether it changed since.
struct ProjectState {
  std::string fileName;
  bool modified = false;
};

class MainModel {
 public:
  explicit MainModel(MessageSink& sink);
  MainModel(const MainModel&) = delete;
  MainModel& operator=(const MainModel&) = delete;

  Form& form() { return form_; }
  const Form& form() const { return form_; }
  ProjectState& project() { return project_; }
  const ProjectState& project() const { return project_; }
  // The thermal calculation wired to the window's controls.
  engine::Engine& engine() { return *engine_; }
  const engine::Engine& engine() const { return *engine_; }

  // The calculation run and the optimiser as the window's commands start
  // them: a run marks the project modified.
  void Calculate(Control* sender);
  void Optimise(Control* sender);
  // The modified flag, shown by the save command's enabled state.
  void SetModified(bool modified);

 private:
  void InstallHandlers();
  // Runs `step`; when the calculation ran, the project has changed.
  template <typename Step>
  void Calculating(Step&& step);

  Form form_;
  ProjectState project_;
  std::unique_ptr<engine::Engine> engine_;
};

}  // namespace tharvex
