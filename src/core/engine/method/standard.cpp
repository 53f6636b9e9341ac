// The standard method's correlations: fin pitch read from the fin-gap field,
// bank constants averaged over the columns with an arrangement multiplier,
// the empirical fin efficiency, and the tube-side forms with the viscosity
// factor.
#include "core/engine/method/standard.h"

#include <numbers>

#include "core/engine/checked_math.h"
#include "core/engine/shell_side.h"
#include "core/engine/tube_side.h"

namespace tharvex::engine::method {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kSqrt3 = std::numbers::sqrt3;

// Correction of the film coefficient and of the finned-bank pressure drop by
// arrangement and rotation.
double ArrangementMultiplier(double x, int arrangement, bool rotated) {
  if (arrangement == 0) return rotated ? Fin(x * 0.8) : x;
  return rotated ? Fin(x * 2 / 3) : Fin(x * 0.5);
}

}  // namespace

double Standard::FreeAreaRatio(const Bank& b) const {
  // The tube pitch stands for the transverse pitch in every arrangement.
  if (b.bare) return Div(b.pt - b.d_o, b.pt);
  return Div(Fin(b.pt - b.d_o - Div(2 * b.hf * b.tf, b.pf)), b.pt);
}

Result Standard::ShellFilm(const Bank& b, const Gas& g, double res, double prs) const {
  double kf;
  Corr corr;
  if (!b.bare) {
    const double tip = b.d_o + 2 * b.hf;
    if (!HighFins(tip, b.d_o)) {
      kf = 0.1507 * Div(g.lambda, b.d_o) * Pow(res, 0.667) * Pow(prs, 1.0 / 3) * Pow(Div(b.pf, b.hf), 0.164) *
           Pow(Div(b.pf, b.tf), 0.075);
      corr = Corr::StdLowFin;
    } else {
      kf = 0.1378 * Div(g.lambda, b.d_o) * Pow(res, 0.718) * Pow(prs, 1.0 / 3) * Pow(Div(b.pf, b.hf), 0.296);
      corr = Corr::StdHighFin;
    }
    kf = Fin(kf);
  } else {
    const bool inLine = (b.arrangement == 1) != b.rotated;
    double n, c;
    BareBankConstants(b.rows, inLine, n, c);
    const double eps = PitchCorrection(Div(b.st, b.d_o));
    kf = Fin(eps * c * Div(g.lambda, b.d_o) * Pow(res, n) * Pow(prs, 0.4));
    corr = inLine ? Corr::StdBareInLine : Corr::StdBareStaggered;
  }
  return {ArrangementMultiplier(kf, b.arrangement, b.rotated), {corr, false}};
}

FinAreas Standard::Fins(const Bank& b) const {
  // The fin-gap field counts as the fin pitch: 1/Pf fins per metre.
  const double fins = Div(kPi, b.pf);  // π times fins per metre
  FinAreas a;
  a.root = Fin(fins * b.d_o * (b.pf - b.tf));
  a.fins = Fin(fins * (2 * b.hf * (b.d_o + b.hf) + b.tf * (b.d_o + 2 * b.hf)));
  return a;
}

Result Standard::FinEfficiency(const Bank& b, double kFin, double) const {
  const double spacing = Div(b.pf, b.hf);
  const double yta = Div(Fin(Pow(Fin(0.4 * Pow(kFin, 0.15)), Div(2 * b.hf, b.d_o)) * spacing), spacing + 0.017);
  return {yta, {Corr::StdFinEfficiency, false}};
}

Result Standard::ShellPressureDrop(const Bank& b, const Gas& g, double umax, double res, double phi) const {
  const double massFlux = Fin(umax * g.rho);
  if (!b.bare) {
    const double f = Fin(37.86 * Pow(res, -0.316) * Pow(Div(b.st, b.d_o), -0.927));
    const double dps = Div(Fin(massFlux * massFlux * f * phi * b.rows), 2 * g.rho);
    return {ArrangementMultiplier(dps, b.arrangement, b.rotated), {Corr::StdFinnedDp, false}};
  }
  // Reynolds number on the equivalent diameter of the free flow section.
  const double pt2 = Fin(b.pt * b.pt), do2 = Fin(b.d_o * b.d_o);
  const double de = b.arrangement == 0 ? Div(Fin(2 * kSqrt3 * pt2 - kPi * do2), kPi * b.d_o)
                                       : Div(Fin(4 * pt2 - kPi * do2), kPi * b.d_o);
  const double red = Div(Fin(de * umax * g.rho), g.mu);
  const double f = Div(5, Pow(red, 0.228));
  const double psi = b.arrangement == 0 ? 0.5 : b.rotated ? 0.4 : 0.3;
  return {Div(Fin(massFlux * massFlux * f * phi * psi * b.rows), 2 * g.rho), {Corr::StdBareDp, false}};
}

Result Standard::TubeFilm(const TubeFlow& t, bool& laminar) const {
  // A cooled viscous liquid has a lower coefficient near the wall.
  const double psi = t.cooled ? 0.95 : 1.05;
  return {SinglePhaseFilm(t.re, t.pr, t.lambda, t.di, t.mu, t.length, psi, laminar), {Corr::StdTubeSinglePhase, false}};
}

Result Standard::CondensingFilm(const Condensing& c) const {
  // Condensation inside tubes on an equivalent liquid mass flux.
  const double flux = Fin(c.ut * c.rhoL);
  const double xm = Fin((c.x1 + c.x2) / 2);
  const double ge = Fin(flux * Fin(Sqrt(Div(c.rhoL, c.rhoV)) * (1 - xm) + xm));
  const double reeq = Div(Fin(c.di * ge), c.mu);
  double at;
  if (reeq > 500000)
    at = Fin(0.0265 * Div(c.lambda, c.di) * Pow(c.re, 0.8) * Pow(c.pr, 1.0 / 3));
  else
    at = Fin(5.03 * Div(c.lambda, c.di) * Pow(c.re, 1.0 / 3) * Pow(c.pr, 1.0 / 3));
  return {at, {Corr::StdCondensation, false}};
}

double Standard::CasingLossArea(double h, double l, double w) const { return Fin(2 * (h * l + l * w + h * w)); }

}  // namespace tharvex::engine::method
