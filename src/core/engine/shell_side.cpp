// Shell side: the gas crossing the finned tube bank. Face and gap
// velocities, the film coefficient with its corrections, fin area ratio and
// efficiency, the effective coefficient on the bare tube area and the bank
// pressure drop.
#include <cmath>
#include <numbers>

#include "core/engine/checked_math.h"
#include "core/engine/engine.h"
#include "core/engine/shell_side.h"
#include "core/fields/number_format.h"

namespace tharvex::engine {

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
  const int r = g.rotated ? 1 : 0;
  const double st = Fin(layout::PitchFactors[g.arrangement][r] * g.pt);  // transverse pitch

  // 1. Open fraction of the face between the finned tubes.
  const double so = g.bare ? Div(g.pt - g.d_o, g.pt) : Div(Fin(g.pt - g.d_o - Div(2 * g.hf * g.tf, g.pf)), g.pt);
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

  // 4. Reynolds number on the tube diameter and on the equivalent diameter of
  // the free flow section; Prandtl number.
  const double res = Div(Fin(g.d_o * umax * g.densS), g.muS);
  const double pt2 = Fin(g.pt * g.pt), do2 = Fin(g.d_o * g.d_o);
  const double de = g.arrangement == 0 ? Div(Fin(2 * kSqrt3 * pt2 - kPi * do2), kPi * g.d_o)
                                       : Div(Fin(4 * pt2 - kPi * do2), kPi * g.d_o);
  const double red = Div(Fin(de * umax * g.densS), g.muS);
  const double prs = Div(Fin(g.cpS * g.muS), g.ldS);
  Trace("Res=", res);
  Trace("Prs=", prs);

  // 5. Film coefficient.
  double kf;
  if (!g.bare) {
    const double tip = g.d_o + 2 * g.hf;
    if (!HighFins(tip, g.d_o))
      kf = 0.1507 * Div(g.ldS, g.d_o) * Pow(res, 0.667) * Pow(prs, 1.0 / 3) * Pow(Div(g.pf, g.hf), 0.164) *
           Pow(Div(g.pf, g.tf), 0.075);
    else  // high fins
      kf = 0.1378 * Div(g.ldS, g.d_o) * Pow(res, 0.718) * Pow(prs, 1.0 / 3) * Pow(Div(g.pf, g.hf), 0.296);
    kf = Fin(kf);
  } else {
    const double nw = st_.nw;
    const bool inLine = (g.arrangement == 1) != g.rotated;
    double n, c;
    BareBankConstants(nw, inLine, n, c);
    const double eps = PitchCorrection(Div(st, g.d_o));
    kf = Fin(eps * c * Div(g.ldS, g.d_o) * Pow(res, n) * Pow(prs, 0.4));
  }
  kf = ArrangementMultiplier(kf, g.arrangement, g.rotated);
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
    const double fins = Div(kPi, g.pf);  // π times fins per metre
    const double ab = Fin(fins * g.d_o * (g.pf - g.tf));
    const double af = Fin(fins * (2 * g.hf * (g.d_o + g.hf) + g.tf * (g.d_o + 2 * g.hf)));
    const double bta = Div(ab + af, kPi * g.d_o);
    f_.btaD->setText(FormatGeneral(Showable(bta), 7, 4));
    Trace("bta=", bta);
    const double spacing = Div(g.pf, g.hf);
    const double yta = Div(Fin(Pow(Fin(0.4 * Pow(g.kFin, 0.15)), Div(2 * g.hf, g.d_o)) * spacing), spacing + 0.017);
    f_.ytaD->setText(FormatGeneral(Showable(yta), 7, 4));
    Trace("yta=", yta);
    kso = Div(Fin(kf * (ab + yta * af)), kPi * g.d_o);
  }
  Trace("kso=", kso);
  if (kso != 0) Write(f_.asD, kso);
  kso_ = kso;

  // 10. Pressure drop of the bank; a liquid shell side loses 15 % more.
  const double phi = g.phaseS == kLiquid ? 1.15 : 1;
  const double massFlux = Fin(umax * g.densS);
  const double nw = st_.nw;
  double dps;
  if (!g.bare) {
    const double f = Fin(37.86 * Pow(res, -0.316) * Pow(Div(st, g.d_o), -0.927));
    dps = Div(Fin(massFlux * massFlux * f * phi * nw), 2 * g.densS);
    dps = ArrangementMultiplier(dps, g.arrangement, g.rotated);
  } else {
    const double f = Div(5, Pow(red, 0.228));
    const double psi = g.arrangement == 0 ? 0.5 : g.rotated ? 0.4 : 0.3;
    dps = Div(Fin(massFlux * massFlux * f * phi * psi * nw), 2 * g.densS);
  }
  Write(f_.DpsD, dps);
  TraceLine("***************管程计算开始***************");
}

}  // namespace tharvex::engine
