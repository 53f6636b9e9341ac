#pragma once
// The window's quantities as data: one row per value control of the main
// window with its name, caption, SI value, the text and unit the window
// shows and its state; the design check of the limits; and the writers of
// the data export (JSON, CSV, xlsx).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/fields/form.h"

namespace tharvex::exportdata {

// What a value control is at the moment, as the window shows it.
enum class FieldState { Input, Solved, Result, Disabled, Stale };
std::string_view StateName(FieldState s);  // "input", "solved", ...
std::string StateCaption(FieldState s);    // "输入", "求解", ... as shown

struct DataRow {
  std::string name;          // value control name ("WsD", "dod", "CBTubArr")
  std::string group;         // caption of the group box holding it
  std::string caption;       // caption of its label
  std::optional<double> si;  // the value in SI units (percent as a fraction); none when not a number
  std::string text;          // the text as the window shows it
  std::string unit;          // the unit as the window shows it ("" when none)
  FieldState state = FieldState::Input;
};

// Every quantity, text field, drop-down list and check box of the main
// window's tabs, in window order.
std::vector<DataRow> CollectRows(const Form& form);

// State of one value control (staleness included once the window keeps it).
FieldState StateOf(const Form& form, const Control& c);

// The text a value control shows (translated): a quantity's number in the display
// format, a list's selected item (a material without its conductivity), a
// check box "是"/"否".
std::string ShownText(const Control& c);

// One limit of the design rules against the value the case reached.
struct CheckRow {
  std::string name;        // limit control ("CsrD")
  std::string caption;     // the limit's caption ("富余度≥")
  std::string limitText;   // as shown, with its unit
  std::string actualName;  // the control holding the value reached ("CsD")
  std::string actualText;  // as shown, with its unit
  std::optional<double> limitSi, actualSi;
  std::string unit;            // SI unit of both numbers
  std::optional<bool> pass;    // none when either value is missing or the limit is switched off
  bool limitDisabled = false;  // the limit does not apply in this mode
};
// Surplus, length per pass, face velocity, tube velocity and, when the
// window has it, the minimum tube velocity.
std::vector<CheckRow> DesignCheck(const Form& form);
// "合格", "不合格", "—", or that the limit is switched off.
std::string PassText(const std::optional<bool>& pass, bool limitDisabled = false);

// The writers. Each writes the whole file or leaves the target as it was;
// false with `error` set on failure.
std::string ToJson(const std::vector<DataRow>& rows, const std::vector<CheckRow>& check);
std::string ToCsv(const std::vector<DataRow>& rows);
bool WriteJson(const Form& form, const std::string& path, std::string* error);
bool WriteCsv(const Form& form, const std::string& path, std::string* error);
bool WriteXlsx(const Form& form, const std::string& path, std::string* error);

// A number as the shortest text that reads back to the same double.
std::string ShortestNumber(double v);

}  // namespace tharvex::exportdata
