// Reading form record files: decode and check everything, then apply.
#include <algorithm>
#include <limits>

#include "core/fields/number_format.h"
#include "core/files/file_error.h"
#include "core/files/file_io.h"
#include "core/files/form_record.h"
#include "core/files/gbk_text.h"
#include "core/files/stream_tools.h"

namespace tharvex {

namespace {

using Op = RecordStep::Op;
using K = ControlKind;

bool SameNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

bool IsEdit(K k) { return k == K::TEdit || k == K::TEditD; }
bool IsList(K k) { return k == K::TComboBox || k == K::TComboBoxU; }
bool IsMemo(K k) { return k == K::TMemo || k == K::TRichEdit; }
bool HasCaption(K k) {
  return k == K::TLabel || k == K::TCheckBox || k == K::TGroupBox || k == K::TTabSheet || k == K::TSpeedButton ||
         k == K::TToolButton || k == K::TMenuItem;
}
bool HasColor(K k) {
  return IsEdit(k) || IsList(k) || IsMemo(k) || k == K::TLabel || k == K::TCheckBox || k == K::TGroupBox ||
         k == K::TPaintBox || k == K::TStatusBar;
}

// The property a (tag, property) pair sets on a control of this kind, or
// nothing when the control has no such property of that type.
std::optional<Op> PropertyOf(K kind, std::string_view tag, std::string_view prop) {
  if (tag == "String") {
    if (SameNoCase(prop, "Text") && IsEdit(kind)) return Op::Text;
    if (SameNoCase(prop, "Caption") && HasCaption(kind)) return Op::Caption;
  } else if (tag == "Float") {
    if (SameNoCase(prop, "Exchange") && kind == K::TEditD) return Op::Exchange;
  } else if (tag == "Ord") {
    if (SameNoCase(prop, "Color") && HasColor(kind)) return Op::Color;
    if (SameNoCase(prop, "ItemIndex") && IsList(kind)) return Op::ItemIndex;
  } else if (tag == "Enum") {
    if (SameNoCase(prop, "Enabled")) return Op::Enabled;
    if (SameNoCase(prop, "Visible")) return Op::Visible;
    if (SameNoCase(prop, "ReadOnly") && (IsEdit(kind) || IsMemo(kind))) return Op::ReadOnly;
    if (SameNoCase(prop, "Checked") && kind == K::TCheckBox) return Op::Checked;
  } else if (tag == "Memo" || tag == "Rich") {
    // The property line is not consulted: the value is the whole text.
    if (IsMemo(kind)) return Op::Lines;
  }
  // "CheckListBox" and unknown tags: no control of this window takes them.
  return std::nullopt;
}

struct Record {
  std::string_view name, tag, property, value;
  size_t number = 0;  // 1-based, for messages
};

[[noreturn]] void TooMuch(const std::string& file, const std::string& why) {
  std::string where = file.empty() ? std::string("The data") : "The file \"" + file + "\"";
  throw FileError(FileErrorCode::TooMuch, file, where + " is damaged: " + why + ".");
}

// Line breaks a memo value decodes to, counted without decoding it.
size_t MemoLineCount(std::string_view v) {
  size_t n = 1;
  for (size_t i = 0; i < v.size(); ++i) {
    if (v[i] == '\n')
      ++n;
    else if (v[i] == '\r' && !(i + 1 < v.size() && v[i + 1] == '\n'))
      ++n;
    else if (v.compare(i, kLineEnd.size(), kLineEnd) == 0)
      ++n;
  }
  return n;
}

[[noreturn]] void BadValue(const std::string& file, const Record& r, const std::string& why) {
  std::string where = file.empty() ? std::string("The data") : "The file \"" + file + "\"";
  throw FileError(FileErrorCode::BadValue, file,
                  where + " cannot be read: record " + std::to_string(r.number) + " (" + std::string(r.name) + "." +
                      std::string(r.property) + "): " + why);
}

RecordStep Check(Control& c, Op op, const Record& r, const std::string& file) {
  RecordStep s;
  s.control = &c;
  s.op = op;
  std::string v(r.value);
  switch (op) {
    case Op::Text:
    case Op::Caption:
      s.text = std::move(v);
      break;
    case Op::Exchange: {
      auto x = ParseLenient(v);
      if (!x) BadValue(file, r, "'" + v + "' is not a valid floating point value");
      // A unit factor divides the shown number: it must be a positive number.
      if (!(*x > 0) || *x > std::numeric_limits<double>::max())
        BadValue(file, r, "'" + v + "' is not a valid unit factor");
      s.number = *x;
      break;
    }
    case Op::Color:
    case Op::ItemIndex: {
      auto x = ParseInteger(v);
      if (!x || *x < std::numeric_limits<int32_t>::min() || *x > std::numeric_limits<int32_t>::max())
        BadValue(file, r, "'" + v + "' is not a valid integer value");
      s.integer = static_cast<int32_t>(*x);
      if (op == Op::ItemIndex && (s.integer < -1 || s.integer >= static_cast<int64_t>(c.items().size())))
        BadValue(file, r, "List index out of bounds (" + std::to_string(s.integer) + ")");
      break;
    }
    case Op::Enabled:
    case Op::ReadOnly:
    case Op::Visible:
    case Op::Checked:
      if (SameNoCase(v, "True"))
        s.flag = true;
      else if (SameNoCase(v, "False"))
        s.flag = false;
      else
        BadValue(file, r, "'" + v + "' is not a valid value of " + std::string(r.property));
      break;
    case Op::Lines:
      if (MemoLineCount(v) > kMaxMemoLines)
        TooMuch(file, "record " + std::to_string(r.number) + " (" + std::string(r.name) + ") holds more than " +
                          std::to_string(kMaxMemoLines) + " lines");
      s.lines = DecodeMemoValue(v);
      break;
  }
  return s;
}

}  // namespace

std::vector<std::string> DecodeMemoValue(std::string_view value) {
  // "▲" is a line break, "△" goes away; then the text splits into lines at
  // CR LF, CR or LF, a break at the very end adding no empty line.
  std::string text;
  text.reserve(value.size());
  for (size_t i = 0; i < value.size();) {
    if (value.compare(i, kLineEnd.size(), kLineEnd) == 0) {
      text += "\r\n";
      i += kLineEnd.size();
    } else if (value.compare(i, kLineStart.size(), kLineStart) == 0) {
      i += kLineStart.size();
    } else {
      text += value[i++];
    }
  }
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      lines.push_back(text.substr(start, i - start));
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

std::vector<CheckListItem> DecodeCheckListValue(std::string_view value) {
  std::vector<CheckListItem> items;
  // Each step consumes at least one mark, so the loop ends.
  for (;;) {
    size_t mark = value.find(kLineEnd);
    if (mark == std::string_view::npos) break;
    CheckListItem item;
    item.text = std::string(value.substr(0, mark));
    std::string_view rest = value.substr(mark + kLineEnd.size());
    item.checked = !rest.empty() && rest[0] == '1';
    items.push_back(std::move(item));
    size_t next = rest.find(kLineEnd);
    if (next == std::string_view::npos) break;
    value = rest.substr(next + kLineEnd.size());
  }
  return items;
}

std::optional<FormRecordPlan> PlanFormRecord(Form& form, std::string_view bytes, const std::string& file) {
  if (bytes.size() < kFormRecordHeader.size()) {
    std::string where = file.empty() ? std::string("The data") : "The file \"" + file + "\"";
    throw FileError(FileErrorCode::TooShort, file, where + " is too short to be a project file.");
  }
  std::string plain;
  if (bytes.substr(0, kFormRecordHeader.size()) == kFormRecordHeader)
    plain = std::string(bytes);
  else
    plain = DecompressFromBytes(bytes, file);

  StreamReader in{plain};
  if (ReadStreamLine(in) != kFormRecordHeader) return std::nullopt;
  // The header is ASCII; the rest is converted as a whole before any record
  // is looked at.
  std::string text = GbkToUtf8(std::string_view(plain).substr(in.pos), file);
  in = StreamReader{text};

  FormRecordPlan plan;
  plan.version = std::string(ReadStreamLine(in));
  SkipStreamLine(in);
  while (!in.atEnd()) {
    Record r;
    r.name = ReadStreamLine(in);
    r.tag = ReadStreamLine(in);
    r.property = ReadStreamLine(in);
    r.value = ReadStreamLine(in);
    SkipStreamLine(in);
    r.number = ++plan.records;
    if (plan.records > kMaxRecords) TooMuch(file, "it holds more than " + std::to_string(kMaxRecords) + " records");
    if (r.value.size() > kMaxValueBytes)
      TooMuch(file, "record " + std::to_string(r.number) + " (" + std::string(r.name) + ") holds a value of " +
                        std::to_string(r.value.size()) + " bytes");
    Control* c = form.FindNoCase(r.name);
    std::optional<Op> op = c ? PropertyOf(c->kind(), r.tag, r.property) : std::nullopt;
    if (!op) {
      ++plan.skipped;
      continue;
    }
    plan.steps.push_back(Check(*c, *op, r, file));
  }
  return plan;
}

namespace {

// Sets one recorded property as the window would, without any handler.
void ApplyStep(const RecordStep& s) {
  Control& c = *s.control;
  switch (s.op) {
    case Op::Text:
      c.setText(s.text);
      break;
    case Op::Caption:
      c.setCaption(s.text);
      break;
    case Op::Exchange:
      c.setExchange(s.number);
      break;  // re-expresses the current text
    case Op::Enabled:
      c.setEnabled(s.flag);
      break;
    case Op::ReadOnly:
      c.setReadOnly(s.flag);
      break;
    case Op::Visible:
      c.setVisible(s.flag);
      break;
    case Op::Checked:
      c.setChecked(s.flag);
      break;
    case Op::Color:
      c.setColor(s.integer);
      break;
    case Op::ItemIndex:
      c.setItemIndex(s.integer);
      break;  // no change notification
    case Op::Lines:
      c.setLines(s.lines);
      break;
  }
}

}  // namespace

void ApplyFormRecord(Form&, const FormRecordPlan& plan, const std::function<void()>& afterwards) {
  // A check box's click handler may run the calculation. Run in the middle
  // of the file, it would compute from a half-loaded window (a mode still at
  // its default) and overwrite values recorded before it; so the handlers
  // run once everything is in place, and the records are laid over their
  // results again.
  std::vector<Control*> clicked;
  for (const RecordStep& s : plan.steps) {
    if (s.op == Op::Checked && s.control->checked() != s.flag &&
        std::find(clicked.begin(), clicked.end(), s.control) == clicked.end())
      clicked.push_back(s.control);
    ApplyStep(s);
  }
  bool ranHandler = false;
  for (Control* c : clicked)
    if (c->onClick) {
      c->onClick(c);
      ranHandler = true;
    }
  if (afterwards) {
    afterwards();
    ranHandler = true;
  }
  if (ranHandler)
    for (const RecordStep& s : plan.steps) ApplyStep(s);
}

ReadStatus ReadFormRecordBytes(Form& form, std::string_view bytes, const std::string& file) {
  auto plan = PlanFormRecord(form, bytes, file);
  if (!plan) return ReadStatus::WrongHeader;
  ApplyFormRecord(form, *plan);
  return ReadStatus::Applied;
}

std::optional<FormRecordPlan> PlanFormRecordFile(Form& form, const std::string& file) {
  auto bytes = ReadWholeFile(file, kMaxPlainTextBytes + 1024 * 1024);
  if (!bytes) return std::nullopt;
  return PlanFormRecord(form, *bytes, file);
}

bool ReadFormRecord(Form& form, const std::string& file) {
  auto plan = PlanFormRecordFile(form, file);
  if (!plan) return false;
  ApplyFormRecord(form, *plan);
  return true;
}

}  // namespace tharvex
