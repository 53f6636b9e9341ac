// Shell side: the gas crossing the finned tube bank. Face and gap
// velocities, the film coefficient with its corrections, fin area ratio and
// efficiency, the effective coefficient on the bare tube area and the bank
// pressure drop.
#include <cmath>
#include <numbers>

#include "core/engine/checked_math.h"
#include "core/engine/engine.h"
#include "core/engine/shell_side.h"
#include "core/fields/i18n.h"
#include "core/fields/number_format.h"

namespace tharvex::engine {

namespace {

constexpr double kPi = std::numbers::pi;

}  // namespace

bool HighFins(double tip, double d_o) { return !(Div(tip, d_o) < 1.7); }

void BareBankConstants(double nw, bool inLine, double& n, double& c) {
  if (inLine) {
    // First column 0.6 and 0.171, every further one 0.65 and 0.151, averaged.
    n = Div(0.65 * (nw - 1) + 0.6, nw);
    c = Div(0.151 * (nw - 1) + 0.171, nw);
  } else {
    n = 0.6;
    c = nw == 1 ? 0.171 : nw == 2 ? 0.1995 : Div(0.29 * (nw - 2) + 0.399, nw);
  }
}

double PitchCorrection(double ratio) { return ratio <= 3 ? 1 + 0.1 * ratio : 1.3; }

void Engine::ShellSideStep() {
  const Geometry& g = g_;
  const method::Correlations& m = Method();
  const int r = g.rotated ? 1 : 0;
  method::Bank bank;
  bank.d_o = g.d_o, bank.hf = g.hf, bank.tf = g.tf, bank.pf = g.pf, bank.pt = g.pt;
  bank.st = Fin(layout::PitchFactors[g.arrangement][r] * g.pt);      // transverse pitch
  bank.sl = Fin(layout::PitchFactors[g.arrangement][r + 2] * g.pt);  // longitudinal pitch
  bank.arrangement = g.arrangement, bank.rotated = g.rotated, bank.bare = g.bare;
  bank.rows = st_.nw;
  const method::Gas gas{g.densS, g.muS, g.cpS, g.ldS};

  // 1. Open fraction of the face between the finned tubes.
  const double so = m.FreeAreaRatio(bank);
  st_.freeAreaRatio = so;
  Trace("So=", so);

  // 2. Face area: casing height times length.
  const double afa = Fin(st_.heightMm * st_.currentLength * 0.001);
  st_.faceArea = afa;
  Write(f_.afaD, Round(afa * 100) * 0.01);
  Trace("Afa=", afa);

  // 3. Face velocity and velocity in the narrowest gap.
  const double uemp = Div(Div(f_.WsD->GetSIValue(), g.densS), afa);
  const double umax = Div(uemp, so);
  Write(f_.UempD, uemp);
  Write(f_.UmaxD, umax);
  Trace("Uemp=", uemp);
  Trace("Umax=", umax);

  // 4. Reynolds number on the tube diameter; Prandtl number.
  const double res = Div(Fin(g.d_o * umax * g.densS), g.muS);
  const double prs = Div(Fin(g.cpS * g.muS), g.ldS);
  Trace("Res=", res);
  Trace("Prs=", prs);

  // 5. Film coefficient.
  const method::Result film = m.ShellFilm(bank, gas, res, prs);
  Used(method::Role::ShellFilm, film.use);
  double kf = film.value;
  if (f_.CBWater->checked() && st_.x1 - st_.x2 > 0) {
    // Moisture condensing on the fins carries latent heat as well.
    const double cm = 1.005 + 0.953 * (st_.x1 + st_.x2);
    const double xi =
        Fin(1 + Div(2491.3 * (st_.x1 - st_.x2), Fin((f_.Ts1D->GetSIValue() - f_.Ts2D->GetSIValue()) * cm)));
    kf = Fin(kf * xi);
  }
  Trace("kf=", kf);

  // 6.-8. Fin geometry per metre of tube and the effective coefficient.
  double kso;
  if (g.bare) {
    f_.btaD->setText("1");
    kso = kf;
  } else if (kf == 0) {
    f_.afD->setText("");
    kso = 0;
  } else {
    Write(f_.afD, kf);
    const method::FinAreas fins = m.Fins(bank);
    const double bta = Div(fins.root + fins.fins, kPi * g.d_o);
    f_.btaD->setText(FormatGeneral(Showable(bta), 7, 4));
    Trace("bta=", bta);
    const method::Result eff = m.FinEfficiency(bank, g.kFin, kf);
    Used(method::Role::FinEfficiency, eff.use);
    const double yta = eff.value;
    f_.ytaD->setText(FormatGeneral(Showable(yta), 7, 4));
    Trace("yta=", yta);
    kso = Div(Fin(kf * (fins.root + yta * fins.fins)), kPi * g.d_o);
  }
  Trace("kso=", kso);
  if (kso != 0) Write(f_.asD, kso);
  kso_ = kso;

  // 10. Pressure drop of the bank; a liquid shell side loses 15 % more.
  const double phi = g.phaseS == kLiquid ? 1.15 : 1;
  const method::Result dp = m.ShellPressureDrop(bank, gas, umax, res, phi);
  Used(method::Role::ShellDp, dp.use);
  Write(f_.DpsD, dp.value);
  TraceLine(THX_TR_NOOP("Messages", "***************管程计算开始***************"));
}

}  // namespace tharvex::engine
