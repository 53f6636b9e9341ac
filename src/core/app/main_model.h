#pragma once
// The main window as a model: its controls and the handlers wired to them.
// The desktop program shows it, the CLI and the tests drive it.
#include <memory>
#include <optional>
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
  // them: a run marks the project modified when it changed what the project
  // file records (a rerun of an opened project that gives the same results
  // does not).
  void Calculate(Control* sender);
  void Optimise(Control* sender);
  // The modified flag, shown by the save command's enabled state. Clearing it
  // takes the present records as the project's unmodified state.
  void SetModified(bool modified);

 private:
  void InstallHandlers();
  // Runs `step`; when the calculation ran and the records differ from the
  // unmodified state, the project has changed.
  template <typename Step>
  void Calculating(Step&& step);
  // What the project file would hold; nothing when it cannot be written.
  std::optional<std::string> Records() const;

  Form form_;
  ProjectState project_;
  std::unique_ptr<engine::Engine> engine_;
  // The records when the project was last opened, saved or started; nothing
  // before that, and then every run counts as a change.
  std::optional<std::string> unmodifiedRecords_;
};

}  // namespace tharvex
