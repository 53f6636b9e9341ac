#include "core/app/window_state.h"

#include <array>

namespace tharvex {

bool IsOutsideUndo(std::string_view name) {
  static constexpr std::array<std::string_view, 5> kOutside{"PageControl1", "ReReport", "MFSave", "MEUndo", "MERedo"};
  for (std::string_view n : kOutside)
    if (n == name) return true;
  return false;
}

bool OpeningClearsHistory(std::string_view file) {
  if (file.size() < 4) return true;
  std::string ext = AsciiLower(file.substr(file.size() - 4));
  return ext != ".zrt";
}

WindowState CaptureWindow(const MainModel& model) {
  WindowState s;
  const auto& controls = model.form().controls();
  s.controls.reserve(controls.size());
  for (const auto& c : controls) s.controls.push_back(c->state());
  s.calc = model.engine().state();
  return s;
}

void RestoreWindow(MainModel& model, const WindowState& state) {
  const auto& controls = model.form().controls();
  const size_t n = std::min(controls.size(), state.controls.size());
  for (size_t i = 0; i < n; ++i)
    if (!IsOutsideUndo(controls[i]->name())) controls[i]->restore(state.controls[i]);
  model.engine().state() = state.calc;
  // The window no longer shows what was last saved or opened.
  model.project().modified = true;
  if (Control* save = model.form().Find("MFSave")) save->setEnabled(true);
}

bool SameWindow(const MainModel& model, const WindowState& a, const WindowState& b) {
  const auto& controls = model.form().controls();
  if (a.controls.size() != b.controls.size() || a.controls.size() != controls.size()) return false;
  for (size_t i = 0; i < controls.size(); ++i) {
    const std::string& name = controls[i]->name();
    // A calculation that only added its trace lines (leaving a field without
    // a change) is no edit; a step still gives the message pane back.
    if (IsOutsideUndo(name) || name == "MemoMessage") continue;
    if (!(a.controls[i] == b.controls[i])) return false;
  }
  return true;
}

void EditHistory::Push(std::string name, std::shared_ptr<const WindowState> before) {
  auto after = std::make_shared<const WindowState>(CaptureWindow(model_));
  if (SameWindow(model_, *before, *after)) return;
  edits_.resize(pos_);
  // Consecutive edits share the state between them.
  if (!edits_.empty() && edits_.back().after->controls == before->controls) before = edits_.back().after;
  edits_.push_back({std::move(name), std::move(before), std::move(after)});
  if (edits_.size() > limit_) edits_.erase(edits_.begin());
  pos_ = edits_.size();
}

bool EditHistory::Undo() {
  if (!canUndo()) return false;
  --pos_;
  RestoreWindow(model_, *edits_[pos_].before);
  return true;
}

bool EditHistory::Redo() {
  if (!canRedo()) return false;
  RestoreWindow(model_, *edits_[pos_].after);
  ++pos_;
  return true;
}

void EditHistory::Clear() {
  edits_.clear();
  pos_ = 0;
}

}  // namespace tharvex
