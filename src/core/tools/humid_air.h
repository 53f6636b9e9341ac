#pragma once
// Humid-air calculators of the tools tab: saturation humidity / dew point and
// humidity / air temperature. Each is a group of fields tied together by two
// relations; leaving a field solves the group for the one field missing.
#include <functional>

#include "core/fields/form.h"
#include "core/fields/solver.h"

namespace tharvex::tools {

// Residuals, in extended precision, of the SI values in list order.
// Mass fraction (y, H): y / (1 - y) - H.
double MassFractionResidual(const ValueArray& v, int last);
// Dew point (P, H, t): ln of the vapour partial pressure minus ln of the
// saturation pressure at t.
double DewPointResidual(const ValueArray& v, int last);
// Relative humidity (P, phi %, H, t): as the dew point, with the partial
// pressure divided by phi / 100.
double RelativeHumidityResidual(const ValueArray& v, int last);

// Saturation pressure of water, Pa, at t degC, from the same correlation.
long double SaturationPressure(long double t);

// Most passes of a tool's pair of solves. A settled group needs two or three.
inline constexpr int kMaxSolvePasses = 100;

// Runs `first` then `second` until `second` reports no field. Returns false
// when the pair is still changing fields after kMaxSolvePasses passes; the
// solver's warning is then shown through `form`. Solver errors propagate.
bool RepeatSolves(Form& form, const std::function<Control*()>& first, const std::function<Control*()>& second,
                  int maxPasses = kMaxSolvePasses);

// Exit handler of PD, ywD, tD and HD.
void PDExit(Form& form);
// Exit handler of ywrD, trD, HaD, HrD and PaD.
void HrDExit(Form& form);

}  // namespace tharvex::tools
