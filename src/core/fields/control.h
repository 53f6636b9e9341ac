#pragma once
// One named control of a window: the state a widget shows, without the
// widget. Every write goes through a setter, so the owner form can tell its
// observers what changed.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/fields/colors.h"

namespace tharvex {

class Form;

// Control kinds, named as the window's classes.
enum class ControlKind {
  TEdit,
  TEditD,
  TComboBox,
  TComboBoxU,
  TCheckBox,
  TMemo,
  TRichEdit,
  TLabel,
  TGroupBox,
  TTabSheet,
  TPageControl,
  TStatusBar,
  TPaintBox,
  TSpeedButton,
  TToolButton,
  TMenuItem,
};
std::string_view KindName(ControlKind kind);

enum class CursorKind { Default, No };

// Raised when a text cannot be read as a number.
class ConversionError : public std::exception {
 public:
  explicit ConversionError(std::string text);
  const char* what() const noexcept override { return message_.c_str(); }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
  std::string message_;
};

class Control {
 public:
  Control(Form* owner, std::string name, ControlKind kind);

  // Everything a control shows, as one value: what an undo step keeps and
  // gives back. Handlers, name, kind and layout facts are not part of it.
  struct State {
    std::string text, caption, hint;
    bool enabled = true, readOnly = false, visible = true, ctl3d = true;
    int32_t color = 0, fontColor = 0;
    CursorKind cursor = CursorKind::Default;
    std::vector<std::string> items;
    int itemIndex = -1;
    bool checked = false;
    std::vector<std::string> lines;
    double exchange = 1.0;
    bool myResolved = true;
    bool stale = false;
    uint64_t writeStamp = 0;  // putting a text back is not writing it
    // Equal as the user sees them: when a text was last written is no part of it.
    bool operator==(const State& o) const;
  };
  State state() const;
  // Takes every property of `s` without running a handler; observers hear
  // of it once, and only when something changed.
  void restore(const State& s);

  const std::string& name() const { return name_; }
  ControlKind kind() const { return kind_; }
  bool isEdit() const { return kind_ == ControlKind::TEdit || kind_ == ControlKind::TEditD; }
  Form* owner() const { return owner_; }
  uint64_t revision() const { return revision_; }

  // Common properties.
  const std::string& text() const { return text_; }
  void setText(std::string v);
  bool enabled() const { return enabled_; }
  void setEnabled(bool v);
  bool readOnly() const { return readOnly_; }
  void setReadOnly(bool v);
  bool visible() const { return visible_; }
  void setVisible(bool v);
  int32_t color() const { return color_; }
  void setColor(int32_t v);
  int32_t fontColor() const { return fontColor_; }
  void setFontColor(int32_t v);
  CursorKind cursor() const { return cursor_; }
  void setCursor(CursorKind v);
  const std::string& caption() const { return caption_; }
  void setCaption(std::string v);
  const std::string& hint() const { return hint_; }
  void setHint(std::string v) { hint_ = std::move(v); }
  bool ctl3d() const { return ctl3d_; }

  // Lists.
  const std::vector<std::string>& items() const { return items_; }
  void setItems(std::vector<std::string> v);
  int itemIndex() const { return itemIndex_; }
  void setItemIndex(int v);  // no change notification of the list itself
  std::string selectedItem() const;

  bool checked() const { return checked_; }
  void setChecked(bool v);

  // Memo and rich-text lines.
  const std::vector<std::string>& lines() const { return lines_; }
  void setLines(std::vector<std::string> v);
  void addLine(std::string v);
  void clearLines();
  std::string linesText() const;  // lines joined with CR LF

  // TEditD
  double exchange() const { return exchange_; }
  void setExchange(double factor);  // re-expresses the shown number first
  void setExchangeRaw(double factor);
  bool myResolved() const { return myResolved_; }
  void setMyResolved(bool v);
  const std::string& myLabelName() const { return myLabel_; }
  void setMyLabelName(std::string v) { myLabel_ = std::move(v); }
  const Control* myLabel() const;  // the label control, when it exists on the owner
  double GetSIValue() const;       // throws ConversionError
  void SetSIValue(double x);
  std::string FloatStr() const;
  std::string OverlayText() const;  // what PaintOverlay draws over the field
  bool isEmpty() const;             // text without blanks is empty

  // TComboBoxU
  const std::string& associated() const { return associated_; }
  void setAssociated(std::string v) { associated_ = std::move(v); }
  std::string GetUnit() const;

  // A field whose text the calculation reads as a number (every TEditD, and
  // the plain edits of numeric inputs): a text that cannot be read marks it
  // unreadable until it is corrected or emptied.
  bool numeric() const { return numeric_; }
  void setNumeric(bool v);
  bool unreadable() const { return unreadable_; }
  // A result left over from an earlier calculation: the last attempt ended
  // before it rewrote this field.
  bool stale() const { return stale_; }
  void setStale(bool v);
  // Whether the text was written (or confirmed unchanged) since the owner's
  // write epoch `epoch` began.
  bool writtenSince(uint64_t epoch) const { return writeStamp_ >= epoch; }
  void markCurrent();

  // Layout facts of the window design used by the desktop program.
  std::string parent;  // group box, tab or menu that holds the control

  // Event handlers (exit = focus loss, change = list or text change,
  // click = check box or button). Installed by the subsystems that own them.
  using Handler = std::function<void(Control* sender)>;
  Handler onExit, onChange, onClick;

 private:
  void touch();
  void checkReadable();

  Form* owner_;
  std::string name_;
  ControlKind kind_;
  uint64_t revision_ = 0;

  std::string text_;
  std::string caption_;
  std::string hint_;
  bool enabled_ = true;
  bool readOnly_ = false;
  bool visible_ = true;
  bool ctl3d_ = true;
  int32_t color_ = colors::Window;
  int32_t fontColor_ = colors::WindowText;
  CursorKind cursor_ = CursorKind::Default;
  std::vector<std::string> items_;
  int itemIndex_ = -1;
  bool checked_ = false;
  std::vector<std::string> lines_;
  double exchange_ = 1.0;
  bool myResolved_ = true;
  std::string myLabel_;
  std::string associated_;
  bool numeric_ = false;
  bool unreadable_ = false;
  // The text read as a number, kept with the text: the calculation reads
  // every field many times per run.
  std::optional<double> parsed_;
  bool stale_ = false;
  uint64_t writeStamp_ = 0;
};

}  // namespace tharvex
