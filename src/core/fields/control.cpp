#include "core/fields/control.h"

#include <cmath>

#include "core/fields/form.h"
#include "core/fields/number_format.h"
#include "core/fields/units.h"

namespace tharvex {

std::string_view KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::TEdit:
      return "TEdit";
    case ControlKind::TEditD:
      return "TEditD";
    case ControlKind::TComboBox:
      return "TComboBox";
    case ControlKind::TComboBoxU:
      return "TComboBoxU";
    case ControlKind::TCheckBox:
      return "TCheckBox";
    case ControlKind::TMemo:
      return "TMemo";
    case ControlKind::TRichEdit:
      return "TRichEdit";
    case ControlKind::TLabel:
      return "TLabel";
    case ControlKind::TGroupBox:
      return "TGroupBox";
    case ControlKind::TTabSheet:
      return "TTabSheet";
    case ControlKind::TPageControl:
      return "TPageControl";
    case ControlKind::TStatusBar:
      return "TStatusBar";
    case ControlKind::TPaintBox:
      return "TPaintBox";
    case ControlKind::TSpeedButton:
      return "TSpeedButton";
    case ControlKind::TToolButton:
      return "TToolButton";
    case ControlKind::TMenuItem:
      return "TMenuItem";
  }
  return "?";
}

ConversionError::ConversionError(std::string text)
    : text_(std::move(text)), message_("'" + text_ + "' is not a valid floating point value") {}

Control::Control(Form* owner, std::string name, ControlKind kind) : owner_(owner), name_(std::move(name)), kind_(kind) {
  if (kind_ == ControlKind::TEditD) {
    // Construction writes MyResolved true, which also makes the text blue.
    ctl3d_ = true;
    fontColor_ = colors::Blue;
    numeric_ = true;
  }
}

void Control::touch() {
  ++revision_;
  if (owner_) owner_->NotifyChanged(*this);
}

Control::State Control::state() const {
  return State{text_,   caption_, hint_,      enabled_, readOnly_, visible_,  ctl3d_,      color_, fontColor_,
               cursor_, items_,   itemIndex_, checked_, lines_,    exchange_, myResolved_, stale_, writeStamp_};
}

bool Control::State::operator==(const State& o) const {
  return text == o.text && caption == o.caption && hint == o.hint && enabled == o.enabled && readOnly == o.readOnly &&
         visible == o.visible && ctl3d == o.ctl3d && color == o.color && fontColor == o.fontColor &&
         cursor == o.cursor && items == o.items && itemIndex == o.itemIndex && checked == o.checked &&
         lines == o.lines && exchange == o.exchange && myResolved == o.myResolved && stale == o.stale;
}

void Control::restore(const State& s) {
  writeStamp_ = s.writeStamp;
  if (s == state()) return;
  text_ = s.text;
  caption_ = s.caption;
  hint_ = s.hint;
  enabled_ = s.enabled;
  readOnly_ = s.readOnly;
  visible_ = s.visible;
  ctl3d_ = s.ctl3d;
  color_ = s.color;
  fontColor_ = s.fontColor;
  cursor_ = s.cursor;
  items_ = s.items;
  itemIndex_ = s.itemIndex;
  checked_ = s.checked;
  lines_ = s.lines;
  exchange_ = s.exchange;
  myResolved_ = s.myResolved;
  stale_ = s.stale;
  writeStamp_ = s.writeStamp;
  checkReadable();
  touch();
}

void Control::setText(std::string v) {
  markCurrent();
  if (v == text_) return;
  text_ = std::move(v);
  checkReadable();
  touch();
}
void Control::markCurrent() {
  if (owner_) writeStamp_ = owner_->writeEpoch();
}
void Control::checkReadable() {
  parsed_ = ParseLenient(text_);
  unreadable_ = numeric_ && !isEmpty() && !parsed_;
}
void Control::setNumeric(bool v) {
  if (v == numeric_) return;
  numeric_ = v;
  checkReadable();
  touch();
}
void Control::setStale(bool v) {
  if (v == stale_) return;
  stale_ = v;
  touch();
}
void Control::setEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  touch();
}
void Control::setReadOnly(bool v) {
  if (v == readOnly_) return;
  readOnly_ = v;
  touch();
}
void Control::setVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  touch();
}
void Control::setColor(int32_t v) {
  if (v == color_) return;
  color_ = v;
  touch();
}
void Control::setFontColor(int32_t v) {
  if (v == fontColor_) return;
  fontColor_ = v;
  touch();
}
void Control::setCursor(CursorKind v) {
  if (v == cursor_) return;
  cursor_ = v;
  touch();
}
void Control::setCaption(std::string v) {
  if (v == caption_) return;
  caption_ = std::move(v);
  touch();
}
void Control::setItems(std::vector<std::string> v) {
  items_ = std::move(v);
  if (itemIndex_ >= static_cast<int>(items_.size())) itemIndex_ = -1;
  touch();
}
void Control::setItemIndex(int v) {
  if (v < -1 || v >= static_cast<int>(items_.size())) v = -1;
  if (v == itemIndex_) return;
  itemIndex_ = v;
  if (kind_ == ControlKind::TComboBox || kind_ == ControlKind::TComboBoxU)
    text_ = v >= 0 ? items_[static_cast<size_t>(v)] : std::string();
  checkReadable();
  touch();
}
std::string Control::selectedItem() const {
  return itemIndex_ >= 0 && itemIndex_ < static_cast<int>(items_.size()) ? items_[static_cast<size_t>(itemIndex_)]
                                                                         : std::string();
}
void Control::setChecked(bool v) {
  if (v == checked_) return;
  checked_ = v;
  touch();
}
void Control::setLines(std::vector<std::string> v) {
  lines_ = std::move(v);
  touch();
}
void Control::addLine(std::string v) {
  lines_.push_back(std::move(v));
  touch();
}
void Control::clearLines() {
  if (lines_.empty()) return;
  lines_.clear();
  touch();
}
std::string Control::linesText() const {
  std::string s;
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (i) s += "\r\n";
    s += lines_[i];
  }
  return s;
}

void Control::setExchange(double factor) {
  std::string_view t = TrimBlanks(text_);
  if (!t.empty()) {
    // A text that is not a number stays as it is, and so does one whose value
    // cannot be held in the new unit: "INF" in a field would fail every read.
    if (auto s = ParseLenient(t)) {
      double shown = *s * exchange_ / factor;
      if (std::isfinite(shown)) setText(FormatGeneral(shown, 15, 0));
    }
  }
  setExchangeRaw(factor);
}
void Control::setExchangeRaw(double factor) {
  if (factor == exchange_) return;
  exchange_ = factor;
  touch();
}
void Control::setMyResolved(bool v) {
  // The write also sets the border and makes the text blue, whatever v is.
  myResolved_ = v;
  ctl3d_ = v;
  fontColor_ = colors::Blue;
  touch();
}
const Control* Control::myLabel() const {
  if (myLabel_.empty() || !owner_) return nullptr;
  return owner_->Find(myLabel_);
}

double Control::GetSIValue() const {
  const std::optional<double>& v = parsed_;
  // A number shown in a large unit can still leave the range of a double in
  // SI; that reading fails like a text that is not a number.
  double si = v ? *v * exchange_ : 0.0;
  if (!v || !std::isfinite(si)) throw ConversionError(std::string(TrimBlanks(text_)));
  return si;
}
void Control::SetSIValue(double x) { setText(FormatGeneral(x / exchange_, 15, 0)); }

std::string Control::FloatStr() const {
  if (auto v = ParseStrict(text_)) return FormatGeneral(*v, 7, 4);
  return std::string(TrimBlanks(text_));
}

std::string Control::OverlayText() const {
  std::string d = FloatStr();
  if (!myResolved_ && d.empty() && !readOnly_) d = "[Must input]";
  return d;
}

bool Control::isEmpty() const { return TrimBlanks(text_).empty(); }

std::string Control::GetUnit() const { return tharvex::GetUnit(text_); }

}  // namespace tharvex
