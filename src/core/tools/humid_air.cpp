#include "core/tools/humid_air.h"

#include <cmath>
#include <limits>

#include "core/fields/colors.h"

namespace tharvex::tools {

namespace {

// Ratio of the molar masses of water and dry air.
constexpr long double kMolarRatio = 0.622L;
// Start value of a field solved for the first time, SI.
constexpr double kStartValue = 0.001;

long double LnSaturation(long double t) {
  // Antoine-type fit; t + 227.02 is the absolute temperature less 46.13 K.
  return 23.1962L - 3816.44L / (t + 227.02L);
}

// Partial pressure of the vapour in air of humidity ratio H at total pressure P.
long double VapourPressure(long double p, long double h) { return p * h / (h + kMolarRatio); }

long double At(const ValueArray& v, size_t i) { return static_cast<long double>(v[i]); }

}  // namespace

long double SaturationPressure(long double t) { return std::exp(LnSaturation(t)); }

// The relations only describe moist air where a water fraction lies in
// [0, 1), humidities and pressures are not negative and the vapour pressure
// stays below the total pressure. Outside, a trial value has left the
// physical domain (for example a dew point at or above the boiling point):
// the residual is then undefined and the solve fails with the solver's
// warning instead of drifting to a meaningless value.
constexpr double kUndefined = std::numeric_limits<double>::quiet_NaN();

double MassFractionResidual(const ValueArray& v, int) {
  long double y = At(v, 0), h = At(v, 1);
  if (!(y >= 0 && y < 1) || !(h >= 0)) return kUndefined;
  return static_cast<double>(y / (1.0L - y) - h);
}

double DewPointResidual(const ValueArray& v, int) {
  long double p = At(v, 0), h = At(v, 1), t = At(v, 2);
  if (!(p > 0) || !(h >= 0) || !(t + 227.02L > 0) || !(SaturationPressure(t) < p)) return kUndefined;
  return static_cast<double>(std::log(VapourPressure(p, h)) - LnSaturation(t));
}

double RelativeHumidityResidual(const ValueArray& v, int) {
  long double p = At(v, 0), phi = At(v, 1) * 0.01L, h = At(v, 2), t = At(v, 3);
  if (!(p > 0) || !(phi > 0) || !(h >= 0) || !(t + 227.02L > 0) || !(phi * SaturationPressure(t) < p))
    return kUndefined;
  return static_cast<double>(std::log(VapourPressure(p, h) / phi) - LnSaturation(t));
}

bool RepeatSolves(Form& form, const std::function<Control*()>& first, const std::function<Control*()>& second,
                  int maxPasses) {
  for (int pass = 0; pass < maxPasses; ++pass) {
    first();
    if (!second()) return true;
  }
  form.messages().Show({kSolverWarning, kSolverWarningTitle, MessageIcon::Warning, MessageButtons::Ok});
  return false;
}

namespace {

// Solves one tool: the mass-fraction list marked yellow, the pressure list
// marked in the button-face colour. The relations hold only inside their
// domain, and a first step from the start value can leave it (a mass
// fraction past 1 for a humidity of 2): such trials step back inside. An
// error in a solve ends the handler; the solver has already shown its warning
// and fields not yet written keep their texts.
void SolveTool(Form& form, std::vector<Control*> massFraction, std::vector<Control*> pressureList,
               const ResidualFunction& pressureResidual) {
  try {
    RepeatSolves(
        form,
        [&] {
          return SolveOneUnknown(massFraction, colors::Yellow, kStartValue, MassFractionResidual, true,
                                 TrialDomain::StepBack);
        },
        [&] {
          return SolveOneUnknown(pressureList, colors::BtnFace, kStartValue, pressureResidual, true,
                                 TrialDomain::StepBack);
        });
  } catch (const std::exception&) {
  }
}

}  // namespace

void PDExit(Form& form) {
  Control &p = form.At("PD"), &yw = form.At("ywD"), &t = form.At("tD"), &h = form.At("HD");
  SolveTool(form, {&yw, &h}, {&p, &h, &t}, DewPointResidual);
}

void HrDExit(Form& form) {
  Control &p = form.At("PaD"), &yw = form.At("ywrD"), &t = form.At("trD"), &h = form.At("HaD"), &phi = form.At("HrD");
  SolveTool(form, {&yw, &h}, {&p, &phi, &h, &t}, RelativeHumidityResidual);
}

}  // namespace tharvex::tools
