// Mean temperature difference: the logarithmic mean of the terminal
// differences and its correction factor for the passes and units in series.
#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/engine/checked_math.h"
#include "core/engine/engine.h"
#include "core/engine/mean_temperature.h"
#include "core/engine/method/engineering.h"

namespace tharvex::engine {

std::string FormatCorrection(double f) {
  // Four decimals, but no more than seven significant digits: digits past the
  // seventh show as zeros.
  const double mag = std::fabs(f);
  if (mag >= 1e7) return FormatGeneral(f, 7, 4);
  int intDigits = mag >= 1 ? static_cast<int>(std::floor(std::log10(mag))) + 1 : 0;
  int decimals = std::min(4, 7 - intDigits);
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, f, std::chars_format::fixed, decimals);
  std::string s(buf, r.ptr);
  // Rounding may have carried into one more integer digit.
  if (decimals < 4) {
    if (decimals == 0) s += '.';
    s.append(static_cast<size_t>(4 - decimals), '0');
  }
  if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  return s;
}

double Lmtd(double e1, double e2, double e3, double e4) {
  const double da = Fin(e2 - e3), db = Fin(e1 - e4);
  return da == db ? da : Div(da - db, Ln(Div(da, db)));
}

LmtdCorrectionResult LmtdCorrection(int n, int passes, double ta, double tb, double tc, double td, char kind) {
  // One side without temperature change, or the sides the wrong way round.
  if (Fin((ta - tb) * (td - tc)) < 1e-8) return {1, true};
  try {
    double r, p;
    if (kind == 'C') {
      r = Div(n * (ta - tb), td - tc);
      p = Div(td - tc, n * (ta - tc));
    } else {
      r = Div(ta - tb, n * (td - tc));
      p = Div(td - tc, ta - tc);
    }
    double f;
    const double twoOverP = Div(2, p);
    if (std::fabs(r - 1) < 1e-8) {
      f = Div(Div(1.414214 * p, 1 - p), Ln(Div(twoOverP - 0.58578, twoOverP - 3.41421)));
    } else {
      const double s = Sqrt(Fin(r * r + 1));
      f = Div(Fin(Div(s, r - 1) * Ln(Div(1 - p, Fin(1 - r * p)))), Ln(Div(twoOverP - 1 - r + s, twoOverP - 1 - r - s)));
    }
    // A single tube pass lies halfway between the formula and pure counterflow.
    if (passes == 1) f = (f + 1) * 0.5;
    return {f, true};
  } catch (const ArithmeticError&) {
    return {0.5, false};
  }
}

LmtdCorrectionResult Engine::RowByRowCorrection(int n, int passes, double ta, double tb, double tc, double td,
                                                char kind) {
  if (Fin((ta - tb) * (td - tc)) < 1e-8) {
    Used(method::Role::Correction, {method::Corr::RowByRow, false});
    return {1, true};
  }
  // Hot side a -> b, cold side c -> d; the shell is the hot side for kind C.
  const double tubeChange = kind == 'C' ? td - tc : ta - tb;
  const double airChange = kind == 'C' ? ta - tb : td - tc;
  const double p = Div(tubeChange, ta - tc);
  const double r = Div(airChange, tubeChange);  // tube capacity over air capacity
  // Units in series, counter-current, act as one bundle with their rows and
  // passes one after the other.
  const int units = std::max(1, n);
  const int rows = std::max(1, st_.nw) * units;
  const int np = std::max(1, passes) * units;
  CorrectionMemo* hit = nullptr;
  for (auto& m : correctionMemo_)
    if (m.p == p && m.r == r && m.rows == rows && m.passes == np) hit = &m;
  if (!hit) {
    hit = &correctionMemo_[correctionNext_];
    correctionNext_ = (correctionNext_ + 1) % correctionMemo_.size();
    *hit = CorrectionMemo{p, r, rows, np, false, 0};
    hit->ok = method::CrossCounterflowF(p, r, rows, np, hit->f);
  }
  if (!hit->ok) {
    Used(method::Role::Correction,
         {method::Corr::RowByRow, true, {p, r, static_cast<double>(rows), static_cast<double>(np)}});
    return {0.5, false};
  }
  Used(method::Role::Correction,
       {method::Corr::RowByRow, false, {p, r, static_cast<double>(rows), static_cast<double>(np)}});
  return {hit->f, true};
}

void Engine::MeanTempDifference() {
  if (f_.Ts1D->isEmpty() || f_.Ts2D->isEmpty() || f_.Tt1D->isEmpty() || f_.Tt2D->isEmpty() || f_.BayD->isEmpty())
    return;
  const long long bay = ReadInt(f_.BayD);
  const long long passes = ReadInt(f_.PnD);
  const double ts1 = f_.Ts1D->GetSIValue(), ts2 = f_.Ts2D->GetSIValue();
  const double tt1 = f_.Tt1D->GetSIValue(), tt2 = f_.Tt2D->GetSIValue();
  const bool shellHot = hot_ == HotSide::Shell;
  const int ps = f_.PhsD->itemIndex();
  const bool shellChange = ps == kCondensing || ps == kEvaporating;
  // Hot side first; a shell that changes phase is held at one temperature.
  double e[4];
  char kind;
  if (shellHot) {
    e[0] = shellChange ? ts2 : ts1, e[1] = ts2, e[2] = tt1, e[3] = tt2;
    kind = 'C';
  } else {
    e[0] = shellChange ? tt2 : tt1, e[1] = tt2, e[2] = ts1, e[3] = ts2;
    kind = 'H';
  }
  const int n = static_cast<int>(std::clamp<long long>(bay, -1000000000, 1000000000));
  const int np = static_cast<int>(std::clamp<long long>(passes, -1000000000, 1000000000));
  const LmtdCorrectionResult correction = Method().kind() == method::Kind::Engineering
                                              ? RowByRowCorrection(n, np, e[0], e[1], e[2], e[3], kind)
                                              : LmtdCorrection(n, np, e[0], e[1], e[2], e[3], kind);
  if (correction.computed)
    DropWarning(msg::kCorrection);
  else
    RaiseWarning(msg::kCorrection);
  const double f = correction.factor;
  f_.CdtD->setText(FormatCorrection(Showable(f)));
  // The optimiser's sweep keeps the difference of its first calculation.
  if (!st_.Optimising) st_.CachedLmtd = Lmtd(e[0], e[1], e[2], e[3]);
  Write(f_.AdtD, f * st_.CachedLmtd);
}

}  // namespace tharvex::engine
