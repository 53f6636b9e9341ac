#pragma once
// The whole state of the main window as one value, taken before and after a
// user action so the action can be undone and redone: every control's
// properties and the calculation's own state (its last layout and drawing).
// Giving a state back runs no handler and no calculation.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/main_model.h"

namespace tharvex {

struct WindowState {
  std::vector<Control::State> controls;  // in window order
  engine::CalcState calc;
};

// Controls an undo step leaves alone: the active tab (moving between tabs is
// not an edit), the report (rebuilt when its tab opens), and the commands
// whose state follows the project or the history itself.
bool IsOutsideUndo(std::string_view controlName);

WindowState CaptureWindow(const MainModel& model);
// Gives every control its recorded state (controls outside undo keep
// theirs), then the calculation state; the project counts as modified.
void RestoreWindow(MainModel& model, const WindowState& state);
// True when the two differ in nothing a user would call an edit (the message
// pane's trace lines aside).
bool SameWindow(const MainModel& model, const WindowState& a, const WindowState& b);

// Opening a project (or starting a new one) begins a new history; opening a
// template (".zrt") only puts its values into the window and is undone like
// any edit.
bool OpeningClearsHistory(std::string_view file);

// One recorded action: its name ("优化设计") and the states around it.
struct WindowEdit {
  std::string name;
  std::shared_ptr<const WindowState> before, after;
};

// Undo and redo without a window (the driver, tests): a list of edits and
// the position in it. The desktop program keeps its edits in Qt's undo stack
// instead and uses only the capture and restore above.
class EditHistory {
 public:
  explicit EditHistory(MainModel& model, size_t limit = 100) : model_(model), limit_(limit) {}

  // Runs `action` as one user action named `name`; recorded when it changed
  // the window. Drops the edits that were undone before it.
  template <class Action>
  void Record(std::string name, Action&& action) {
    auto before = std::make_shared<const WindowState>(CaptureWindow(model_));
    action();
    Push(std::move(name), std::move(before));
  }
  // Records an action that already ran, given the state before it.
  void Push(std::string name, std::shared_ptr<const WindowState> before);

  bool canUndo() const { return pos_ > 0; }
  bool canRedo() const { return pos_ < edits_.size(); }
  // Names of the next undo and redo ("" when there is none).
  std::string undoName() const { return canUndo() ? edits_[pos_ - 1].name : std::string(); }
  std::string redoName() const { return canRedo() ? edits_[pos_].name : std::string(); }
  bool Undo();
  bool Redo();
  void Clear();
  size_t size() const { return edits_.size(); }

 private:
  MainModel& model_;
  size_t limit_;
  std::vector<WindowEdit> edits_;
  size_t pos_ = 0;
};

}  // namespace tharvex
