// Writing form record files.
#include <algorithm>

#include "core/fields/number_format.h"
#include "core/files/file_error.h"
#include "core/files/file_io.h"
#include "core/files/form_record.h"
#include "core/files/gbk_text.h"
#include "core/files/safe_write.h"
#include "core/files/stream_tools.h"

namespace tharvex {

namespace {

// Trailing blanks and control characters, as a line of a memo is trimmed.
std::string_view TrimRightControls(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
  return s;
}

std::string_view TrimBothControls(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
  return TrimRightControls(s);
}

// A memo's lines never hold a line break; split any that slipped in, as the
// control itself would show them.
void SplitLine(std::string_view line, std::vector<std::string_view>& out) {
  size_t start = 0;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '\r' || line[i] == '\n') {
      out.push_back(line.substr(start, i - start));
      if (line[i] == '\r' && i + 1 < line.size() && line[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  out.push_back(line.substr(start));
}

const char* Bool(bool v) { return v ? "True" : "False"; }

class RecordWriter {
 public:
  RecordWriter(std::string& out, const Control& c) : out_(out), c_(c) {}
  void Add(std::string_view tag, std::string_view property, std::string_view value) {
    if (value.find("\r\n") != std::string_view::npos)
      throw FileError(FileErrorCode::BadLayout, {},
                      "The " + std::string(property) + " of '" + c_.name() +
                          "' holds a line break and cannot be written to a project file.");
    if (any_) WriteEmptyLine(out_);
    WriteStreamLine(out_, c_.name());
    WriteStreamLine(out_, tag);
    WriteStreamLine(out_, property);
    WriteStreamLine(out_, value);
    any_ = true;
  }
  // The empty line after the control's last record.
  void Finish() {
    if (any_) WriteEmptyLine(out_);
  }

 private:
  std::string& out_;
  const Control& c_;
  bool any_ = false;
};

bool IsMemo(const Control& c) { return c.kind() == ControlKind::TMemo || c.kind() == ControlKind::TRichEdit; }

bool HasLineMark(std::string_view line) {
  return line.find(kLineStart) != std::string_view::npos || line.find(kLineEnd) != std::string_view::npos;
}

// The marks separate the lines of a multi-line value; inside a line they
// would come back as line breaks, so they are written as their look-alikes.
void AppendWithoutMarks(std::string& out, std::string_view line) {
  while (!line.empty()) {
    if (line.starts_with(kLineStart)) {
      out += kLineStartStandIn;
      line.remove_prefix(kLineStart.size());
    } else if (line.starts_with(kLineEnd)) {
      out += kLineEndStandIn;
      line.remove_prefix(kLineEnd.size());
    } else {
      out += line.front();
      line.remove_prefix(1);
    }
  }
}

void WriteControl(std::string& out, const Control& c, bool saveLabelCaptions) {
  RecordWriter w(out, c);
  switch (c.kind()) {
    case ControlKind::TEditD:
      w.Add("Float", "Exchange", FormatGeneral(c.exchange(), 15, 0));
      [[fallthrough]];
    case ControlKind::TEdit:
      w.Add("String", "Text", c.text());
      w.Add("Enum", "Enabled", Bool(c.enabled()));
      w.Add("Enum", "ReadOnly", Bool(c.readOnly()));
      w.Add("Ord", "Color", std::to_string(c.color()));
      break;
    case ControlKind::TLabel:
      if (saveLabelCaptions) w.Add("String", "Caption", c.caption());
      break;
    case ControlKind::TComboBox:
    case ControlKind::TComboBoxU:
      w.Add("Ord", "ItemIndex", std::to_string(c.itemIndex()));
      break;
    case ControlKind::TCheckBox:
      w.Add("Enum", "Checked", Bool(c.checked()));
      break;
    case ControlKind::TMemo:
    case ControlKind::TRichEdit:
      w.Add(c.kind() == ControlKind::TMemo ? "Memo" : "Rich", "Lines", EncodeMemoValue(c.lines()));
      break;
    default:
      break;  // other controls hold no input state
  }
  w.Finish();
}

}  // namespace

std::string EncodeMemoValue(const std::vector<std::string>& lines) {
  std::vector<std::string_view> split;
  for (const auto& l : lines) SplitLine(l, split);
  if (lines.empty()) return {};
  std::string v;
  for (size_t i = 0; i < split.size(); ++i) {
    if (i) v += kLineEnd;
    v += kLineStart;
    AppendWithoutMarks(v, TrimRightControls(split[i]));
  }
  return v;
}

std::string EncodeCheckListValue(const std::vector<CheckListItem>& items) {
  std::string v;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i) v += kLineEnd;
    v += TrimBothControls(items[i].text);
    v += kLineEnd;
    v += items[i].checked ? "1" : "0";
  }
  return v;
}

bool MemoHoldsLineMarks(const Form& form, const std::vector<std::string>& excluded) {
  for (const auto& up : form.controls()) {
    const Control& c = *up;
    if (!IsMemo(c)) continue;
    const std::string name = AsciiLower(c.name());
    if (std::any_of(excluded.begin(), excluded.end(), [&](const std::string& e) { return AsciiLower(e) == name; }))
      continue;
    if (std::any_of(c.lines().begin(), c.lines().end(), [](const std::string& l) { return HasLineMark(l); }))
      return true;
  }
  return false;
}

std::string FormRecordText(const Form& form, const std::vector<std::string>& excluded, bool saveLabelCaptions) {
  std::vector<std::string> skip;
  for (const auto& e : excluded) skip.push_back(AsciiLower(e));
  std::string out;
  out.reserve(64 * 1024);
  WriteStreamLine(out, kFormRecordHeader);
  WriteStreamLine(out, kFormRecordVersion);
  WriteEmptyLine(out);
  for (const auto& up : form.controls()) {
    const Control& c = *up;
    if (!skip.empty() && std::find(skip.begin(), skip.end(), AsciiLower(c.name())) != skip.end()) continue;
    WriteControl(out, c, saveLabelCaptions);
  }
  return out;
}

std::string EncodeFormRecord(const Form& form, const std::vector<std::string>& excluded, bool saveLabelCaptions,
                             bool compress) {
  std::string gbk = Utf8ToGbk(FormRecordText(form, excluded, saveLabelCaptions));
  return compress ? CompressToBytes(gbk) : gbk;
}

void WriteFormRecord(const Form& form, const std::string& file, bool saveLabelCaptions,
                     const std::vector<std::string>& excluded, bool compress) {
  std::string bytes;
  try {
    bytes = EncodeFormRecord(form, excluded, saveLabelCaptions, compress);
  } catch (const FileError& e) {
    // Name the file the text was meant for.
    throw FileError(e.code(), file, "Cannot create file \"" + file + "\". " + e.what());
  }
  SafeWriteFile(file, bytes);
}

}  // namespace tharvex
