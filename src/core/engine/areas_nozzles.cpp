// Overall coefficient, required and installed areas, surplus, and the
// nozzles of both sides.
#include <cmath>
#include <numbers>

#include "core/engine/areas_nozzles.h"
#include "core/engine/checked_math.h"
#include "core/engine/engine.h"
#include "core/fields/number_format.h"

namespace tharvex::engine {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kNozzleStart = 1.2345;
constexpr double kSmallestNozzle = 0.006;  // m

}  // namespace

double NozzleDiameterResidual(const ValueArray& v, int) {
  // Diameter at which the nozzle loses 1.5 velocity heads at the given drop.
  const double w = v[0], rho = v[1], dp = v[2], d = v[3];
  return Fin(Pow(Div(Fin(8 * 1.5 * Fin(w * w)), Fin(kPi * kPi * rho * dp)), 0.25) - d);
}

double NozzleVelocityResidual(const ValueArray& v, int) {
  const double rho = v[0], u = v[1], dp = v[2];
  return Fin(0.75 * rho * Fin(u * u) - dp);
}

void Engine::AreasStep() {
  const Geometry& g = g_;
  // Overall coefficient referred to the bare outer tube area.
  const double rs = f_.RsD->GetSIValue();
  const double rt = f_.RtD->GetSIValue();
  const double kWall = Conductivity(f_.TmD);
  const double resistance = Fin(Div(1, kso_) + rs + Div(Fin((Div(1, at_) + rt) * g.d_o), g.d_i) +
                                Div(Fin(Div(g.d_o, kWall) * (g.d_o - g.d_i)), g.d_o + g.d_i));
  const double k = Div(1, resistance);
  Write(f_.KaD, k);

  const double ac = Div(f_.QaD->GetSIValue(), Fin(k * f_.AdtD->GetSIValue()));
  Write(f_.AcD, ac);
  const double ar = Fin(static_cast<double>(ReadInt(f_.NtD)) * kPi * g.d_o * st_.currentLength);
  Write(f_.ArD, ar);
  Write(f_.AwrD, Fin(ReadNumber(f_.btaD) * ar));
  // Surplus of the installed over the required area, per cent, to 0.01.
  const double cs = Fin(Div(ar - ac, ac) * 100);
  const double shown = Showable(Round(cs * 100) * 0.01);
  f_.CsD->setText(FormatGeneral(shown));
  MarkSurplus(*f_.CsD, *f_.CsrD);
}

void MarkSurplus(Control& surplus, const Control& required) {
  const auto shown = ParseLenient(surplus.text());
  const auto limit = ParseLenient(required.text());
  surplus.setFontColor(shown && limit && *shown < *limit ? colors::Red : colors::Blue);
}

void Engine::NozzleStep() {
  struct Side {
    Control *flow, *liquid, *vapour;
    int phase;
    Control *dpp, *up, *dip, *bank;
  };
  const Side sides[] = {
      {f_.WsD, f_.DensD, f_.DensvD, f_.PhsD->itemIndex(), f_.DppSD, f_.UpSD, f_.dipSD, f_.DpsD},
      {f_.WtD, f_.DentD, f_.DentvD, f_.PhtD->itemIndex(), f_.DppTD, f_.UpTD, f_.DipTD, f_.DptD},
  };
  for (const Side& s : sides) {
    const bool change = s.phase == kCondensing || s.phase == kEvaporating;
    if (!s.flow->isEmpty() && !s.liquid->isEmpty() && (!change || !s.vapour->isEmpty())) {
      Control* density = change ? s.vapour : s.liquid;
      SolveOneUnknown({s.flow, density, s.dpp, s.dip}, colors::SkyBlue, kNozzleStart, NozzleDiameterResidual);
      SolveOneUnknown({density, s.up, s.dpp}, colors::MoneyGreen, kNozzleStart, NozzleVelocityResidual);
    }
    if (!s.dip->isEmpty()) {
      // Whole millimetres, at least 6 mm.
      double d = Fin(Round(s.dip->GetSIValue() * 1000) / 1000);
      if (d < kSmallestNozzle) d = kSmallestNozzle;
      Write(s.dip, d);
    }
    if (!s.bank->isEmpty() && !s.dpp->isEmpty()) Write(s.bank, Fin(s.bank->GetSIValue() + s.dpp->GetSIValue()));
  }
}

}  // namespace tharvex::engine
