#pragma once
// A window as an ordered list of named controls, plus the user actions that
// the desktop program and the CLI apply to it in the same way.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/fields/control.h"
#include "core/fields/i18n.h"
#include "core/fields/message_sink.h"

namespace tharvex {

class Form {
 public:
  explicit Form(MessageSink& sink);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Adds a control at the end of the window order.
  Control& Add(std::string name, ControlKind kind);

  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
  // Whether some control shows a value left from an earlier calculation,
  // because the latest one stopped before it reached it.
  bool AnyStale() const;
  Control* Find(std::string_view name) const;        // exact name
  Control* FindNoCase(std::string_view name) const;  // name compared ignoring ASCII case
  Control& At(std::string_view name) const;          // throws std::out_of_range

  MessageSink& messages() const { return *sink_; }
  void setMessageSink(MessageSink& sink) { sink_ = &sink; }

  // Window title and status bar panels (0: hints, 1: calculation warnings).
  const std::string& title() const { return title_; }
  void setTitle(std::string t);
  std::string status(int panel) const;
  void setStatus(int panel, std::string text);
  // Empties panel `panel` only when it still shows `text`.
  void clearStatusIf(int panel, std::string_view text);
  // Every text put into panel 1 since the log was last cleared (the
  // calculation clears it when a run starts), so that a warning replaced by a
  // later one in the same run is still known.
  const std::vector<std::string>& statusLog() const { return statusLog_; }
  void clearStatusLog() { statusLog_.clear(); }

  // A handler's wish that the window put the focus on a control (after a
  // rejected input, back on the field the user just left). The front end
  // takes it once the handler has finished; null when there is none.
  void RequestFocus(const Control* c) { focusRequest_ = c; }
  const Control* TakeFocusRequest() { return std::exchange(focusRequest_, nullptr); }

  // Write epochs: a calculation attempt begins one and then asks which
  // controls it wrote (Control::writtenSince).
  uint64_t writeEpoch() const { return writeEpoch_; }
  uint64_t BeginWriteEpoch() { return ++writeEpoch_; }

  // The state of every control, to put the window back as it was.
  using Snapshot = std::vector<Control::State>;
  Snapshot TakeSnapshot() const;
  void Restore(const Snapshot& s);

  // Status panel 1 names the first field whose text cannot be read as a
  // number, while there is one; otherwise that note goes.
  void ShowUnreadableInput();

  // Observers: called after any property of a control changes.
  using Observer = std::function<void(const Control&)>;
  void setObserver(Observer o) { observer_ = std::move(o); }
  void NotifyChanged(const Control& c);
  uint64_t revision() const { return revision_; }
  std::function<void()> onTitleChanged;

  // --- user actions, as the window performs them ---
  // Typing a text into an edit and leaving it: the text, then the exit handler.
  void EnterText(Control& c, std::string text);
  // Leaving a control: its exit handler.
  void Leave(Control& c);
  // Picking item `index` of a unit selector: its change handler, then the
  // factor of the item goes to the associated field's Exchange.
  void PickUnit(Control& c, int index);
  // Picking item `index` of a drop-down list: click and change handlers.
  void SelectItem(Control& c, int index);
  // Ticking a check box: the click handler runs only when the state changes.
  void SetChecked(Control& c, bool checked);
  // The clear command: an edit becomes empty, window colour, editable.
  void ClearEdit(Control& c);

 private:
  MessageSink* sink_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::unordered_map<std::string, Control*> byName_;
  std::unordered_map<std::string, Control*> byLowerName_;
  std::string title_;
  Control* statusBar_ = nullptr;
  std::vector<std::string> statusLog_;
  Observer observer_;
  uint64_t revision_ = 0;
  const Control* focusRequest_ = nullptr;
  uint64_t writeEpoch_ = 1;
};

// Start of the status note about a field that cannot be read as a number.
inline constexpr std::string_view kUnreadableInput = THX_TR_NOOP("Messages", "无法识别的输入：");

std::string AsciiLower(std::string_view s);

}  // namespace tharvex
