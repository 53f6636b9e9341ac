// Heat balance: wet-air condensation heat, the balance residual with shell
// heat, tube duty and casing heat loss, the tube heat shown, the input check
// and the hot/cold labels.
#include <algorithm>
#include <cmath>

#include "core/engine/checked_math.h"
#include "core/engine/engine.h"
#include "core/fields/number_format.h"

namespace tharvex::engine {

namespace {

constexpr int kMaxBalancePasses = 1000;
constexpr int kMaxGrowingPasses = 4;  // passes in a row whose step does not shrink
constexpr int kMaxWallPasses = 1000;
constexpr double kStandardPressure = 101325;  // Pa
constexpr double kLatentHeatWater = 2491.3;   // kJ/kg

// Saturation pressure of water, Pa, at t in °C.
double SaturationPressure(double t) { return Exp(23.1962 - Div(3816.44, t + 273.15 - 46.13)); }

}  // namespace

// Humidity ratios and condensation heat of wet air: flow ws (kg/s) from ts1 to
// ts2 (°C) at relative humidity phi (fraction) and operating pressure pw (Pa).
WetAir WetAirOf(double ws, double ts1, double ts2, double phi, double pw) {
  const double p1 = SaturationPressure(ts1);
  const double p2 = SaturationPressure(ts2);
  WetAir w;
  // Inlet at the relative humidity and standard pressure; outlet saturated at
  // the operating pressure.
  w.x1 = Div(0.622 * phi * p1, kStandardPressure - phi * p1);
  w.x2 = Div(0.622 * p2, pw - p2);
  // Dry-air mass fraction of the flow.
  const double a = Div(29 * (kStandardPressure - p1), 18 * p1 + 29 * (kStandardPressure - p1));
  const double wa = Fin(ws * a);
  if (w.x1 - w.x2 > 0) w.heat = Fin((w.x1 - w.x2) * wa * kLatentHeatWater * 1000);
  return w;
}

double Engine::WetCondensationHeat() {
  st_.x1 = st_.x2 = 0;
  if (!f_.CBWater->checked() || !AllGiven(f_.wetAir)) return 0;
  const double phi = Fin(ReadNumber(f_.rh1D) * 0.01);
  const double ts1 = f_.Ts1D->GetSIValue(), ts2 = f_.Ts2D->GetSIValue();
  const WetAir w = WetAirOf(f_.WsD->GetSIValue(), ts1, ts2, phi, f_.PwD->GetSIValue());
  st_.x1 = w.x1;
  st_.x2 = w.x2;
  return w.heat;
}

double Engine::TubeDuty(const ValueArray& v, int) const { return TubeDutyOf(v[0], v[1], v[2], v[3], v[4]); }

double Engine::TubeDutyOf(double wt, double cpt, double tt1, double tt2, double dht) const {
  const int phase = f_.PhtD->itemIndex();
  if (phase == kLiquid || phase == kGas) return Fin(wt * cpt * (tt2 - tt1));
  if (phase == kCondensing) {
    // Sensible heat less the latent heat of the vapour condensed.
    const double la = ReadNumber(f_.LatD), x1 = ReadNumber(f_.Xt1D), x2 = ReadNumber(f_.Xt2D);
    return Fin(wt * (cpt * (tt2 - tt1) - (1 - la / 100) * (x1 - x2) * dht));
  }
  return 0;
}

double Engine::ShellHeatLoss(const ValueArray& v, int) const {
  const double as = v[0], rs = v[1], sb = v[2], pb = v[3], hbx = v[4], ls = v[5], wbx = v[6];
  const double ts1 = v[7], ts2 = v[8], ta = v[9];
  // Inside film, fouling, casing wall and insulation, m2.K/W.
  const double r0 = Fin(Div(1, as) + rs + Div(sb, Conductivity(f_.SmD)) + Div(pb, Conductivity(f_.PmD)));
  const double area = Method().CasingLossArea(hbx, ls, wbx);
  const double tm = Fin((ts1 + ts2) / 2);
  // The outside coefficient depends on the outer wall temperature: iterate.
  double tw = tm, r = 0;
  for (int pass = 0;; ++pass) {
    if (pass >= kMaxWallPasses) throw ArithmeticError("casing wall temperature did not converge");
    const double h = Fin(9.8 + 0.07 * (tw - ta));
    r = Fin(r0 + Div(1, h));
    const double next = Fin(ta + Div((tm - ta) * Div(1, r), h));
    if (std::fabs(next - tw) < 0.01) break;
    tw = next;
  }
  return Div((tm - ta) * area, r);
}

double Engine::HeatBalanceResidual(const ValueArray& v, int) {
  // Heat given by the shell fluid, including moisture condensing out of wet air.
  const double qs = Fin(Fin(v[0] * v[1] * (v[2] - v[3])) + st_.WetCondensationHeat);
  const double qt = TubeDutyOf(v[4], v[5], v[6], v[7], v[8]);
  double qe = EvaluateIfGiven(f_.heatLoss, [this](const ValueArray& h, int last) { return ShellHeatLoss(h, last); });
  if (qe == kMissingValue) qe = 0;
  StoreSolved(*f_.QeD, colors::BtnFace, 0.1, qe);
  StoreSolved(*f_.QsD, colors::BtnFace, 0.1, -qs);
  return Fin(qs - qt - qe);
}

double Engine::WetBalanceResidual(const ValueArray& v, int last) {
  // The condensation heat of the trial flow and temperatures, not of the
  // previous pass.
  st_.WetCondensationHeat = 0;
  if (f_.CBWater->checked() && !f_.rh1D->isEmpty() && !f_.PwD->isEmpty()) {
    const double phi = Fin(ReadNumber(f_.rh1D) * 0.01);
    st_.WetCondensationHeat = WetAirOf(v[0], v[2], v[3], phi, f_.PwD->GetSIValue()).heat;
  }
  return HeatBalanceResidual(v, last);
}

void Engine::BalanceStep() {
  const int phase = f_.PhtD->itemIndex();
  const bool solving = phase == kLiquid || phase == kGas || phase == kCondensing;
  const std::vector<Control*>& fields = phase == kCondensing ? f_.balance9 : f_.balance8;
  // What the balance may write, as it was before the first pass.
  std::vector<Control::State> before;
  if (solving) {
    for (Control* c : fields) before.push_back(c->state());
    before.push_back(f_.QsD->state());
    before.push_back(f_.QeD->state());
  }
  auto restore = [&] {
    for (size_t i = 0; i < fields.size(); ++i) fields[i]->restore(before[i]);
    f_.QsD->restore(before[fields.size()]);
    f_.QeD->restore(before[fields.size() + 1]);
  };

  // Each pass feeds the condensation heat of the previous one into the solve.
  // That settles while the latent heat is small against the sensible heat;
  // otherwise it grows or alternates, and the balance is solved once more with
  // the condensation heat inside the residual.
  Control* unknown = nullptr;
  double lastValue = 0, lastStep = 0;
  int growing = 0;
  bool settled = false;
  for (int pass = 1; pass <= kMaxBalancePasses; ++pass) {
    if (st_.InteractiveOutput) f_.MemoMessage->clearLines();
    Control* changed = nullptr;
    try {
      st_.WetCondensationHeat = WetCondensationHeat();
      if (st_.InteractiveOutput) TraceLine("QH=" + FormatGeneral(st_.WetCondensationHeat) + " W");
      // Only the first pass shows the solver's warning: a later failure is the
      // loop running away.
      if (solving) changed = SolveOneUnknown(fields, colors::BtnFace, 1.2345, balanceResidual_, pass == 1);
    } catch (const std::exception&) {
      if (pass == 1) throw;
      break;
    }
    if (!changed) {
      settled = true;
      break;
    }
    if (pass == 1) unknown = changed;
    if (changed != unknown || changed->isEmpty()) continue;
    const double value = changed->GetSIValue();
    const double step = value - lastValue;
    // Steps that do not shrink: growing or alternating.
    growing = pass > 2 && std::fabs(step) >= 0.999 * std::fabs(lastStep) ? growing + 1 : 0;
    if (growing >= kMaxGrowingPasses) break;
    lastValue = value;
    lastStep = step;
  }
  if (!settled) {
    restore();
    try {
      for (int pass = 1;; ++pass) {
        if (pass > kMaxBalancePasses) throw ArithmeticError("heat balance does not settle");
        if (!SolveOneUnknown(fields, colors::BtnFace, 1.2345, wetBalanceResidual_, false)) break;
      }
      // The secant steps can also stop where the residual merely flattens:
      // only a root counts.
      ValueArray v{};
      for (size_t i = 0; i < fields.size(); ++i) v[i] = fields[i]->GetSIValue();
      const double scale = std::max({1.0, std::fabs(v[0] * v[1] * (v[2] - v[3])),
                                     std::fabs(TubeDuty(ValueArray{v[4], v[5], v[6], v[7], v[8]}, 4))});
      if (!(std::fabs(WetBalanceResidual(v, 200)) <= 1e-6 * scale)) throw ArithmeticError("no root");
      st_.WetCondensationHeat = WetCondensationHeat();
    } catch (const std::exception&) {
      restore();
      if (unknown) ReleaseSolved(*unknown);
      st_.WetCondensationHeat = 0;
      form_.setStatus(1, std::string(msg::kBalanceDiverges));
      throw AttemptStopped("heat balance does not settle");
    }
    if (st_.InteractiveOutput) {
      f_.MemoMessage->clearLines();
      TraceLine("QH=" + FormatGeneral(st_.WetCondensationHeat) + " W");
    }
  }
  form_.clearStatusIf(1, msg::kBalanceDiverges);
}

void Engine::TubeHeatStep() {
  const int phase = f_.PhtD->itemIndex();
  double qt = 0;
  const bool given = !f_.WtD->isEmpty() && !f_.CptD->isEmpty() && !f_.Tt1D->isEmpty() && !f_.Tt2D->isEmpty();
  if (given && (phase == kLiquid || phase == kGas || (phase == kCondensing && !f_.DHtD->isEmpty()))) {
    ValueArray v{};
    v[0] = f_.WtD->GetSIValue();
    v[1] = f_.CptD->GetSIValue();
    v[2] = f_.Tt1D->GetSIValue();
    v[3] = f_.Tt2D->GetSIValue();
    if (phase == kCondensing) v[4] = f_.DHtD->GetSIValue();
    qt = TubeDuty(v, 4);
  }
  Write(f_.QtD, qt);
  Write(f_.QaD, std::fabs(qt));
}

void Engine::CheckInput(Control* sender) {
  // 1. Temperature cross.
  if (!f_.Ts1D->isEmpty() && !f_.Ts2D->isEmpty() && !f_.Tt1D->isEmpty() && !f_.Tt2D->isEmpty()) {
    const double ts1 = f_.Ts1D->GetSIValue(), ts2 = f_.Ts2D->GetSIValue();
    const double tt1 = f_.Tt1D->GetSIValue(), tt2 = f_.Tt2D->GetSIValue();
    const double d = Fin((ts1 - ts2) * (tt1 - tt2));
    const double e = Fin((ts1 - tt2) * (ts2 - tt1));
    const int ps = f_.PhsD->itemIndex(), pt = f_.PhtD->itemIndex();
    const bool singlePhase = (ps == kLiquid || ps == kGas) && (pt == kLiquid || pt == kGas);
    // Both fluids cooled or both heated, or the terminal differences of a
    // counter-current exchanger of opposite sign.
    if ((singlePhase && d > 0) || e <= 0) {
      form_.setStatus(1, std::string(msg::kTempCross));
      // The user fixes the crossed temperature where it was typed.
      if (sender && sender->kind() == ControlKind::TEditD) form_.RequestFocus(sender);
      throw AttemptStopped("temperature cross");
    }
    form_.clearStatusIf(1, msg::kTempCross);
  }
  // 2. Tube wall.
  if (!f_.dod->isEmpty() && !f_.diD->isEmpty()) {
    if (Fin(f_.dod->GetSIValue() - f_.diD->GetSIValue()) <= 0) {
      form_.setStatus(1, std::string(msg::kTubeWall));
      throw AttemptStopped("tube wall");
    }
    form_.clearStatusIf(1, msg::kTubeWall);
  }
  // 3. Fins of neighbouring tubes touching.
  if (!f_.PtD->isEmpty() && !f_.dod->isEmpty()) {
    const double hf = f_.CBTType->checked() ? 0.0 : f_.hfD->GetSIValue();
    if (Fin(f_.PtD->GetSIValue() - f_.dod->GetSIValue() - 2 * hf) <= 0) {
      form_.setStatus(1, std::string(msg::kCollision));
      throw AttemptStopped("tube collision");
    }
    form_.clearStatusIf(1, msg::kCollision);
  }
}

HotSide Engine::LabelHotCold() {
  f_.HTsD->setText("");
  f_.HTtD->setText("");
  hot_ = HotSide::Unknown;
  bool shellHot;
  if (!f_.Ts1D->isEmpty() && !f_.Tt2D->isEmpty())
    shellHot = f_.Tt2D->GetSIValue() < f_.Ts1D->GetSIValue();
  else if (!f_.Ts2D->isEmpty() && !f_.Tt1D->isEmpty())
    shellHot = f_.Tt1D->GetSIValue() < f_.Ts2D->GetSIValue();
  else
    return hot_;
  hot_ = shellHot ? HotSide::Shell : HotSide::Tube;
  f_.HTsD->setText(std::string(shellHot ? msg::kHot : msg::kCold));
  f_.HTtD->setText(std::string(shellHot ? msg::kCold : msg::kHot));
  return hot_;
}

}  // namespace tharvex::engine
