// Tube side: the requested tube count from the reference velocity, then the
// actual velocity, film coefficient by phase and flow regime, friction and
// pressure drop.
#include <cmath>
#include <numbers>
#include <optional>

#include "core/engine/checked_math.h"
#include "core/engine/engine.h"
#include "core/engine/tube_side.h"

namespace tharvex::engine {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kRoughness = 4.57e-5;  // m, wall roughness of the tubes
constexpr int kMaxColebrookPasses = 1000;

}  // namespace

double ColebrookFriction(double re, double di) {
  // Darcy friction factor of turbulent flow, solved for 1/sqrt(f).
  double y = 1.2;
  for (int pass = 0;; ++pass) {
    if (pass >= kMaxColebrookPasses) throw ArithmeticError("friction factor did not converge");
    const double next = Div(-1, 2 * Log10(Fin(Div(Div(kRoughness, di), 3.7) + Div(2.51, Fin(re * y)))));
    const bool done = std::fabs(next - y) < 1e-5;
    y = next;
    if (done) break;
  }
  return Fin(y * y);
}

double SinglePhaseFilm(double ret, double prt, double ldt, double di, double mu, double ls, double psi, bool& laminar) {
  const double a = Div(ldt, di), r8 = Pow(ret, 0.8), p3 = Pow(prt, 0.3);
  const double turbulent = mu < 0.003 ? Fin(0.023 * a * r8 * p3) : Fin(0.027 * a * r8 * p3 * psi);
  laminar = ret < 2300;
  if (laminar) return Fin(1.86 * a * Pow(Div(Fin(ret * prt * di), ls), 1.0 / 3) * psi);
  if (ret < 10000) return Fin(turbulent * (1 - Div(600000, Pow(ret, 1.8))));
  return turbulent;
}

double NonCondensableFactor(double la) {
  if (!(la > 0.001)) return 1;
  return Fin(0.8047 * Exp(Div(-107.668 * la, 1 - la)) + 0.1758);
}

double StructureFactor(double d_o) { return d_o < 0.025 ? 1.5 : 1.4; }

double Engine::RequestedTubeCount() {
  const int phase = g_.phaseT;
  if (phase != kLiquid && phase != kGas && phase != kCondensing) {
    form_.setStatus(1, std::string(msg::kEvaporation));
    throw AttemptStopped("evaporating tube side");
  }
  form_.clearStatusIf(1, msg::kEvaporation);
  const double rho = phase == kCondensing ? g_.densTv : g_.densT;
  // Tubes per pass that carry the tube flow at the reference velocity.
  return Round(Div(Fin(4 * g_.wt * static_cast<double>(g_.passes)), Fin(kPi * rho * Fin(g_.d_i * g_.d_i) * g_.utm)));
}

void Engine::TubeSideStep() {
  const Geometry& g = g_;
  const bool condensing = g.phaseT == kCondensing;
  const double nt = static_cast<double>(ReadInt(f_.NtD));
  const double np = static_cast<double>(g.passes);
  const double rho = condensing ? g.densTv : g.densT;  // density of the flowing phase
  const double ls = st_.currentLength;

  const double ut = Div(Fin(4 * g.wt * np), Fin(kPi * rho * nt * Fin(g.d_i * g.d_i)));
  Write(f_.UtD, ut);
  Trace("Ut=", ut);

  // The vapour Reynolds number needs no liquid viscosity: a condensing tube
  // side reads it only for the Prandtl number.
  const double ret =
      condensing ? Div(Fin(g.d_i * ut * g.densTv), g.muTv) : Div(Fin(g.d_i * ut * g.densT), f_.MtD->GetSIValue());
  Trace("Ret=", ret);
  const double mu = f_.MtD->GetSIValue();
  const double cpt = f_.CptD->GetSIValue();
  const double ldt = f_.LdtD->GetSIValue();
  const double prt = Div(Fin(cpt * mu), ldt);
  Trace("Prt=", prt);

  const method::Correlations& m = Method();
  double at;
  if (!condensing) {
    DropWarning(msg::kLaminar);
    // The tube fluid is cooled when it is the hot one.
    method::TubeFlow flow{ret, prt, ldt, g.d_i, mu, ls, hot_ == HotSide::Tube};
    bool laminar = false;
    const method::Result film = m.TubeFilm(flow, laminar);
    Used(method::Role::TubeFilm, film.use);
    at = film.value;
    if (laminar) RaiseWarning(msg::kLaminar);
  } else {
    method::Condensing c;
    c.ut = ut, c.re = ret, c.pr = prt, c.lambda = ldt, c.mu = mu, c.di = g.d_i;
    c.rhoL = g.densT, c.rhoV = g.densTv;
    c.x1 = ReadNumber(f_.Xt1D), c.x2 = ReadNumber(f_.Xt2D);
    const method::Result film = m.CondensingFilm(c);
    Used(method::Role::TubeFilm, film.use);
    at = film.value;
    // Non-condensable gas blankets the wall.
    const double la = Fin(ReadNumber(f_.LatD) / 100);
    if (la > 0.001) at = Fin(at * NonCondensableFactor(la));
  }
  // The lowest tube velocity of the design rules, when one is given.
  const std::optional<double> lowest = OptionalSI(f_.Ut1D);
  if (lowest && ut < *lowest)
    form_.setStatus(1, std::string(msg::kBelowLowestVelocity));
  else
    form_.clearStatusIf(1, msg::kBelowLowestVelocity);
  Write(f_.atD, at);
  Trace("at=", at);
  at_ = at;

  const double f = ret < 2300 ? Div(64, ret) : ColebrookFriction(ret, g.d_i);
  const double ft = StructureFactor(g.d_o);
  // Straight tubes plus three velocity heads per pass for the return.
  const double dpt = Fin(np * ft * (Div(Fin(f * ls), g.d_i) + 3) * 0.5 * rho * Fin(ut * ut));
  Write(f_.DptD, dpt);
  Trace("Dpt=", dpt);
}

}  // namespace tharvex::engine
