#pragma once
// EvaluateProperty: one property text of a library record at the grid's
// temperature t (degC) and pressure p (kPa), as an SI value.
//
// A text is, after its comment ("?", "<", "{") and label ("... =") are cut
// and an optional "PARAMS: Pc,Tc,Vc,Zc,w,M[,B]" list is split off:
//   "PRV:" / "PRU:" / "PRD:" / "VRV:" numbers  - an equation-of-state call;
//   a number, or anything with a comma         - a table over t;
//   anything else                              - a formula of t and p.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/fields/control.h"
#include "core/fields/i18n.h"
#include "core/fields/message_sink.h"
#include "core/props/eos.h"
#include "core/props/my_values.h"
#include "core/props/prop_record.h"

namespace tharvex::props {

inline constexpr const char* kNoTemperature = THX_TR_NOOP("Messages", "请指定温度！");

struct PropOutcome {
  enum Kind { NoTemperature, Clear, Value } kind = Clear;
  double value = 0;
  int formulaError = 0;         // the parser's error code when a formula failed (value 0)
  std::string expression = {};  // the formula as evaluated, after the keys were replaced
  // Why an equation-of-state text gave no value (the property has no routine,
  // or the routine found no state); empty otherwise. The value is then 0 and
  // must not be shown as the property.
  std::string failure = {};

  bool Failed() const { return kind == Value && (formulaError != 0 || !failure.empty()); }
};

// The caption of a property field ("密度" for "MD"), or the name itself.
std::string PropertyCaption(std::string_view property);

// The message for an outcome that Failed().
std::string OutcomeFailure(std::string_view property, const PropOutcome& o);

// The message for a formula that failed: the property, the parser's error
// and the rewritten formula.
std::string FormulaFailure(std::string_view caption, const PropOutcome& o);

// Function and constant names in a record's text that the replacement of
// T, P, R, M, B and w (and the parameter keys) will break, in text order,
// each once ("SQRT", "EXP", "PI"); empty for tables, constants and
// equation-of-state texts.
std::vector<std::string> NamesBrokenByKeys(const std::optional<std::string>& text);

// The whole evaluation without a field. Throws ConversionError for a number
// that is not one, ArithmeticError for undefined arithmetic,
// FormulaRangeError for a formula too long, std::length_error for too many
// parameters or table points.
PropOutcome EvaluatePropertyText(std::string_view property, const std::optional<std::string>& text, bool liquid,
                                 TMyValues& grid);

// As the window runs it: the message when there is no temperature (field
// unchanged), the field cleared for an empty text, else the value through
// SetSIValue. Throws as EvaluatePropertyText.
void EvaluateProperty(std::string_view property, Control& field, const PropRecord& record, TMyValues& grid,
                      MessageSink& sink);

// Pieces, exposed for tests.
std::string CutComments(std::string_view text);
void ReplaceAll(std::string& s, std::string_view key, std::string_view value);
// "a,b,c" + "," + row 2 + "," + row 1 converted into the vector from element 1.
void FillVector(ParamVector& v, std::string_view list, const TMyValues& grid);

}  // namespace tharvex::props
