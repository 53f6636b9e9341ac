#pragma once
// Form record files: the state of a window's input controls, control by
// control, as records of four lines (control name, type tag, property,
// value) and an empty line. Projects and templates are such files.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/fields/form.h"

namespace tharvex {

inline constexpr std::string_view kFormRecordHeader = "CFR File Format(Compatible Form Record File),by Edmar Quillon.";
inline constexpr std::string_view kFormRecordVersion = "Version 1.1,2012.04.10";
// Line marks of multi-line texts (GBK A1 F7 and A1 F8).
inline constexpr std::string_view kLineStart = "△";
inline constexpr std::string_view kLineEnd = "▲";
// What a memo's own "△" and "▲" are written as, so that its text comes back
// on the same lines: look-alikes that GB18030 holds and the reader keeps.
inline constexpr std::string_view kLineStartStandIn = "∆";  // U+2206
inline constexpr std::string_view kLineEndStandIn = "▴";    // U+25B4

// ---- writing ----

// The plain text (UTF-8) of the window's records in window order. Controls
// whose name is in `excluded` (ignoring case) are left out. Throws FileError
// (BadLayout) when a value holds a CR LF pair, which would break the lines.
std::string FormRecordText(const Form& form, const std::vector<std::string>& excluded, bool saveLabelCaptions);

// True when a memo the writer records (its name not in `excluded`) holds a
// line mark that will be written as its stand-in.
bool MemoHoldsLineMarks(const Form& form, const std::vector<std::string>& excluded);

// The file's bytes: GBK text, compressed behind its length when `compress`.
std::string EncodeFormRecord(const Form& form, const std::vector<std::string>& excluded, bool saveLabelCaptions,
                             bool compress);

// Writes the file atomically; on failure the previous file is intact and
// FileError is thrown.
void WriteFormRecord(const Form& form, const std::string& file, bool saveLabelCaptions,
                     const std::vector<std::string>& excluded, bool compress);

// Multi-line value of a memo: "△line▲△line", trailing blanks and control
// characters of each line dropped, the line marks inside a line written as
// their stand-ins; no lines give "".
std::string EncodeMemoValue(const std::vector<std::string>& lines);
// The inverse: "▲" becomes a line break, "△" is deleted.
std::vector<std::string> DecodeMemoValue(std::string_view value);

// Check-list value: "text▲1▲text▲0" (texts trimmed, 1 = checked).
struct CheckListItem {
  std::string text;
  bool checked = false;
};
std::string EncodeCheckListValue(const std::vector<CheckListItem>& items);
std::vector<CheckListItem> DecodeCheckListValue(std::string_view value);

// ---- reading ----

// What a real project needs, many times over: the main window writes about
// 600 records, a memo a few dozen lines, a value a few hundred bytes. A file
// beyond these bounds is refused as damaged before its records take memory.
inline constexpr size_t kMaxRecords = 20000;
inline constexpr size_t kMaxMemoLines = 10000;
inline constexpr size_t kMaxValueBytes = 256 * 1024;

// One checked property assignment, ready to apply.
struct RecordStep {
  enum class Op { Text, Caption, Exchange, Enabled, ReadOnly, Visible, Checked, Color, ItemIndex, Lines };
  Control* control = nullptr;
  Op op = Op::Text;
  std::string text;
  double number = 0;
  int32_t integer = 0;
  bool flag = false;
  std::vector<std::string> lines;
};

struct FormRecordPlan {
  std::string version;            // line 2, kept but not checked
  std::vector<RecordStep> steps;  // in file order
  size_t records = 0;             // records in the file
  size_t skipped = 0;             // for controls or properties the window does not have
};

enum class ReadStatus { Applied, Missing, WrongHeader };

// Decodes the file's bytes and checks every record against the window; no
// control is touched. Nothing when the first line is not the header. Throws
// FileError for a damaged file (too short, bad length, damaged stream,
// undecodable text, a value that does not fit its property).
std::optional<FormRecordPlan> PlanFormRecord(Form& form, std::string_view bytes, const std::string& file = {});

// Applies a checked plan so that every recorded property ends as recorded:
// first every record in file order, as the window sets properties (a factor
// re-expresses the field's text, an item index does not notify), but without
// running any handler; then the click handlers of the check boxes whose mark
// changed, in file order, and `afterwards` (the mode handlers of the loaded
// selections); then every record once more, so that nothing a handler wrote
// over a recorded value stays. What the handlers set and no record holds (a
// caption, a hidden label, the message pane, the drawing) stays theirs.
void ApplyFormRecord(Form& form, const FormRecordPlan& plan, const std::function<void()>& afterwards = {});

// Plan, then apply. A damaged file throws and changes nothing.
ReadStatus ReadFormRecordBytes(Form& form, std::string_view bytes, const std::string& file = {});

// True when the file exists and has the header (whatever its records do);
// false, changing nothing, when it does not exist or the header is wrong.
// Throws FileError for a damaged file, changing nothing.
bool ReadFormRecord(Form& form, const std::string& file);

// Reads and checks a file without applying it; nothing when it is missing or
// lacks the header.
std::optional<FormRecordPlan> PlanFormRecordFile(Form& form, const std::string& file);

}  // namespace tharvex
