#include "core/fields/form.h"

#include <algorithm>
#include <stdexcept>

#include "core/fields/number_format.h"
#include "core/fields/units.h"

namespace tharvex {

std::string AsciiLower(std::string_view s) {
  std::string r(s);
  for (char& c : r)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return r;
}

Form::Form(MessageSink& sink) : sink_(&sink) {}

Control& Form::Add(std::string name, ControlKind kind) {
  auto c = std::make_unique<Control>(this, name, kind);
  Control* p = c.get();
  controls_.push_back(std::move(c));
  byName_[name] = p;
  byLowerName_.emplace(AsciiLower(name), p);
  if (kind == ControlKind::TStatusBar && !statusBar_) {
    statusBar_ = p;
    p->setLines({"", ""});
  }
  return *p;
}

Control* Form::Find(std::string_view name) const {
  auto it = byName_.find(std::string(name));
  return it == byName_.end() ? nullptr : it->second;
}

Control* Form::FindNoCase(std::string_view name) const {
  auto it = byLowerName_.find(AsciiLower(name));
  return it == byLowerName_.end() ? nullptr : it->second;
}

Control& Form::At(std::string_view name) const {
  if (Control* c = Find(name)) return *c;
  throw std::out_of_range("no control named " + std::string(name));
}

void Form::setTitle(std::string t) {
  if (t == title_) return;
  title_ = std::move(t);
  ++revision_;
  if (onTitleChanged) onTitleChanged();
}

std::string Form::status(int panel) const {
  if (!statusBar_ || panel < 0 || panel >= static_cast<int>(statusBar_->lines().size())) return {};
  return statusBar_->lines()[static_cast<size_t>(panel)];
}

void Form::setStatus(int panel, std::string text) {
  if (!statusBar_ || panel < 0) return;
  auto lines = statusBar_->lines();
  if (panel >= static_cast<int>(lines.size())) lines.resize(static_cast<size_t>(panel) + 1);
  if (panel == 1 && !text.empty()) statusLog_.push_back(text);
  if (lines[static_cast<size_t>(panel)] == text) return;
  lines[static_cast<size_t>(panel)] = std::move(text);
  statusBar_->setLines(std::move(lines));
}

void Form::clearStatusIf(int panel, std::string_view text) {
  if (status(panel) == text) setStatus(panel, "");
}

void Form::NotifyChanged(const Control& c) {
  ++revision_;
  if (observer_) observer_(c);
}

Form::Snapshot Form::TakeSnapshot() const {
  Snapshot s;
  s.reserve(controls_.size());
  for (const auto& c : controls_) s.push_back(c->state());
  return s;
}

void Form::Restore(const Snapshot& s) {
  for (size_t i = 0; i < s.size() && i < controls_.size(); ++i) controls_[i]->restore(s[i]);
}

void Form::ShowUnreadableInput() {
  std::string note;
  for (const auto& c : controls_) {
    if (!c->unreadable() || !c->enabled() || !c->visible()) continue;
    // The caption of the field's label: its MyLabel, or <base>L.
    const Control* label = c->myLabel();
    if (!label && !c->name().empty()) label = FindNoCase(c->name().substr(0, c->name().size() - 1) + "L");
    note = std::string(kUnreadableInput) + (label ? label->caption() : c->name()) + " " +
           std::string(TrimBlanks(c->text()));
    break;
  }
  if (!note.empty())
    setStatus(1, std::move(note));
  else if (status(1).starts_with(kUnreadableInput))
    setStatus(1, "");
}

void Form::EnterText(Control& c, std::string text) {
  c.setText(std::move(text));
  Leave(c);
}

void Form::Leave(Control& c) {
  if (c.onExit) c.onExit(&c);
  ShowUnreadableInput();
}

void Form::PickUnit(Control& c, int index) {
  c.setItemIndex(index);
  if (c.onChange) c.onChange(&c);
  if (c.associated().empty()) return;
  Control* field = Find(c.associated());
  if (!field) return;
  auto factor = ReadUnitFactor(c.selectedItem());
  if (!factor) throw ConversionError(c.selectedItem());
  field->setExchange(*factor);
}

void Form::SelectItem(Control& c, int index) {
  c.setItemIndex(index);
  if (c.onClick) c.onClick(&c);
  if (c.onChange) c.onChange(&c);
}

void Form::SetChecked(Control& c, bool checked) {
  if (c.checked() == checked) return;
  c.setChecked(checked);
  if (c.onClick) c.onClick(&c);
}

void Form::ClearEdit(Control& c) {
  if (!c.isEdit()) return;
  c.setText("");
  c.setColor(colors::Window);
  c.setReadOnly(false);
  c.setCursor(CursorKind::Default);
}

bool Form::AnyStale() const {
  return std::any_of(controls_.begin(), controls_.end(), [](const auto& c) { return c->stale(); });
}

}  // namespace tharvex
