#pragma once
// The method section of the calculation sheet: for every coefficient the
// calculation computed, the correlation it used, its equation, the values
// that went in and its validity range. A calculation method describes
// itself by filling this table; the sheet only prints it.
#include <optional>
#include <string>
#include <vector>

#include "core/fields/form.h"

namespace tharvex::method {

// One value that went into a correlation, as the sheet prints it.
struct InputValue {
  std::string symbol;  // "Re", "λ"
  std::string text;    // the number
  std::string unit;    // "" when dimensionless
};

// One bound of a validity range: `symbol` must lie in [lo, hi] (either side
// may be open). `value` is what the case gave it.
struct Bound {
  std::string symbol;
  std::optional<double> lo, hi;
  std::optional<double> value;
  bool outside() const;
  std::string text() const;  // "0.6 ≤ Pr ≤ 160", "Re ≥ 10000"
};

struct Correlation {
  std::string quantity;  // what it gives ("壳程膜系数 kf")
  std::string name;      // the correlation's name
  std::string formula;   // the equation, written out
  std::vector<InputValue> inputs;
  std::vector<Bound> range;  // empty: no stated range
  std::string note;          // what the range means when it is not a bound ("按流态选用")
  bool outside() const;      // any bound broken
  std::string rangeText() const;
};

struct MethodDescription {
  std::string name;  // "标准方法"
  std::vector<Correlation> correlations;
};

// The method the window's case was calculated with, and the correlations its
// branches chose for the current values. Values come from the fields and
// from the trace lines of the last calculation.
MethodDescription DescribeMethod(const Form& form);

// The name of the selected calculation method ("标准方法" while the window
// offers only the one).
std::string MethodName(const Form& form);

// The value of a trace line "<label><number>" of the last calculation, the
// last one when there are several.
std::optional<double> TraceValue(const Form& form, std::string_view label);

}  // namespace tharvex::method
