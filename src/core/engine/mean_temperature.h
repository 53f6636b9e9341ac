#pragma once
// Mean temperature difference: the logarithmic mean and its correction
// factor, as functions of temperatures; the calculation step reads the
// fields and shows the warning.
#include <string>

namespace tharvex::engine {

// Logarithmic mean of the terminal differences e2 - e3 and e1 - e4, K (e1,
// e2 the hot side, e3, e4 the cold side). Throws ArithmeticError when one
// difference is zero or they differ in sign.
double Lmtd(double e1, double e2, double e3, double e4);

struct LmtdCorrectionResult {
  double factor = 1;
  // False when the formula has no real value (the factor is then 0.5): the
  // step shows the correction warning, else it clears it.
  bool computed = true;

  bool operator==(const LmtdCorrectionResult&) const = default;
};

// Correction factor of the logarithmic mean for n units in series and the
// tube passes, from the hot side's ta -> tb and the cold side's tc -> td.
// kind 'C' when the shell is the hot side, 'H' when the tube is.
LmtdCorrectionResult LmtdCorrection(int n, int passes, double ta, double tb, double tc, double td, char kind);

// The correction factor as CdtD shows it: four decimals, at most seven
// significant digits.
std::string FormatCorrection(double f);

}  // namespace tharvex::engine
