// The engineering method: published correlations for finned and bare tube
// banks, flow and condensation in tubes, and the mean temperature
// difference of a cross-counterflow bundle.
#include "core/engine/method/engineering.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "core/engine/checked_math.h"
#include "core/engine/shell_side.h"

namespace tharvex::engine::method {

namespace {

constexpr double kPi = std::numbers::pi;

bool Within(double x, double lo, double hi) { return x >= lo && x <= hi; }

}  // namespace

// --- Finned tubes ---

double BriggsYoungNu(double re, double pr, double gap, double height, double thickness) {
  return Fin(0.134 * Pow(re, 0.681) * Pow(pr, 1.0 / 3) * Pow(Div(gap, height), 0.2) * Pow(Div(gap, thickness), 0.1134));
}

double BriggsYoungLowFinNu(double re, double pr, double gap, double height, double thickness) {
  return Fin(0.1507 * Pow(re, 0.667) * Pow(pr, 1.0 / 3) * Pow(Div(gap, height), 0.164) *
             Pow(Div(gap, thickness), 0.075));
}

double RobinsonBriggsDp(double re, double st, double sd, double d, double rows, double gmax, double rho) {
  const double f = Fin(9.465 * Pow(re, -0.316) * Pow(Div(st, d), -0.927) * Pow(Div(st, sd), 0.515));
  return Div(Fin(2 * f * rows * gmax * gmax), rho);
}

double AnnularFinEfficiency(double r1, double r2c, double m) {
  if (m == 0) return 1;
  const double a = Fin(m * r1), b = Fin(m * r2c);
  const double num =
      std::cyl_bessel_k(1.0, a) * std::cyl_bessel_i(1.0, b) - std::cyl_bessel_i(1.0, a) * std::cyl_bessel_k(1.0, b);
  const double den =
      std::cyl_bessel_i(0.0, a) * std::cyl_bessel_k(1.0, b) + std::cyl_bessel_k(0.0, a) * std::cyl_bessel_i(1.0, b);
  return Fin(Div(2 * r1, Fin(m * (r2c * r2c - r1 * r1))) * Div(Fin(num), Fin(den)));
}

// --- Bare tube banks ---

double ZukauskasRowFactor(double rows, bool staggered) {
  // Incropera & DeWitt table 7.6, linear between the rows listed.
  static constexpr std::array<double, 9> kRows{1, 2, 3, 4, 5, 7, 10, 13, 16};
  static constexpr std::array<double, 9> kInLine{0.70, 0.80, 0.86, 0.90, 0.92, 0.95, 0.97, 0.98, 0.99};
  static constexpr std::array<double, 9> kStaggered{0.64, 0.76, 0.84, 0.89, 0.92, 0.95, 0.97, 0.98, 0.99};
  const auto& c = staggered ? kStaggered : kInLine;
  if (rows >= 20) return 1;
  if (rows <= 1) return c[0];
  for (size_t i = 1; i < kRows.size(); ++i)
    if (rows <= kRows[i]) return c[i - 1] + (c[i] - c[i - 1]) * (rows - kRows[i - 1]) / (kRows[i] - kRows[i - 1]);
  // 16 to 20 rows.
  return c.back() + (1 - c.back()) * (rows - 16) / 4;
}

double ZukauskasNu(double re, double pr, double st, double sl, bool staggered, double rows, bool& outside) {
  outside = !Within(re, 10, 2e6) || !Within(pr, 0.7, 500);
  double c, m;
  if (re < 100) {
    c = staggered ? 0.90 : 0.80, m = 0.40;
  } else if (re < 1000) {
    c = 0.51, m = 0.5;  // as a single cylinder
  } else if (re < 2e5) {
    if (staggered) {
      const double ratio = Div(st, sl);
      c = ratio < 2 ? Fin(0.35 * Pow(ratio, 0.2)) : 0.40;
    } else {
      c = 0.27;
      // The in-line constants need St/Sl > 0.7; closer rows are not covered.
      if (Div(st, sl) < 0.7) outside = true;
    }
    m = staggered ? 0.60 : 0.63;
  } else {
    c = staggered ? 0.022 : 0.021, m = 0.84;
  }
  return Fin(ZukauskasRowFactor(rows, staggered) * c * Pow(re, m) * Pow(pr, 0.36));
}

namespace {

// Žukauskas's power series of Eu per row at the pitch ratios 1.25, 1.5, 2.0
// and 2.5 (square in-line and equilateral staggered banks).
double EuSeries(double re, int which, bool staggered) {
  const double x = 1 / re;
  if (!staggered) {
    switch (which) {
      case 0:
        return re < 2000 ? 0.272 + 0.207e3 * x + 0.102e3 * x * x - 0.286e3 * x * x * x
                         : 0.267 + 0.249e4 * x - 0.927e7 * x * x + 0.1e11 * x * x * x;
      case 1:
        return re < 2000 ? 0.263 + 0.867e2 * x - 0.202e1 * x * x
                         : 0.235 + 0.197e4 * x - 0.124e8 * x * x + 0.312e11 * x * x * x - 0.274e14 * x * x * x * x;
      case 2:
        return re < 800 ? 0.188 + 0.566e2 * x - 0.646e3 * x * x + 0.601e4 * x * x * x - 0.183e5 * x * x * x * x
                        : 0.247 - 0.595e-6 * re + 0.15e-11 * re * re - 0.137e-17 * re * re * re +
                              0.396e-24 * re * re * re * re;
      default:
        return 0.177 - 0.311e-6 * re + 0.117e-11 * re * re;
    }
  }
  switch (which) {
    case 0:
      return re < 1000 ? 0.795 + 0.247e3 * x + 0.335e3 * x * x - 0.155e4 * x * x * x + 0.241e4 * x * x * x * x
                       : 0.245 + 0.339e4 * x - 0.984e7 * x * x + 0.132e11 * x * x * x - 0.599e13 * x * x * x * x;
    case 1:
      return re < 1000 ? 0.683 + 0.111e3 * x - 0.973e2 * x * x + 0.426e3 * x * x * x - 0.574e3 * x * x * x * x
                       : 0.203 + 0.248e4 * x - 0.758e7 * x * x + 0.104e11 * x * x * x - 0.482e13 * x * x * x * x;
    case 2:
      return re < 100     ? 0.713 + 0.448e2 * x - 0.126e3 * x * x - 0.582e3 * x * x * x
             : re < 10000 ? 0.343 + 0.303e3 * x - 0.717e5 * x * x + 0.88e7 * x * x * x - 0.38e9 * x * x * x * x
                          : 0.162 + 0.181e4 * x + 0.792e8 * x * x - 0.165e13 * x * x * x + 0.872e16 * x * x * x * x;
    default:
      return re < 5000 ? 0.33 + 0.989e2 * x - 0.148e5 * x * x + 0.192e7 * x * x * x - 0.862e8 * x * x * x * x
                       : 0.119 + 0.498e4 * x - 0.507e8 * x * x + 0.251e12 * x * x * x - 0.463e15 * x * x * x * x;
  }
}

}  // namespace

double ZukauskasEu(double re, double a, bool staggered, bool& outside) {
  static constexpr std::array<double, 4> kPitch{1.25, 1.5, 2.0, 2.5};
  outside = !Within(re, 1000, 2e5) || !Within(a, kPitch.front(), kPitch.back());
  const double r = std::clamp(re, 1000.0, 2e5);
  const double p = std::clamp(a, kPitch.front(), kPitch.back());
  size_t i = 0;
  while (i + 2 < kPitch.size() && p > kPitch[i + 1]) ++i;
  const double lo = EuSeries(r, static_cast<int>(i), staggered), hi = EuSeries(r, static_cast<int>(i + 1), staggered);
  return Fin(lo + (hi - lo) * (p - kPitch[i]) / (kPitch[i + 1] - kPitch[i]));
}

// --- Flow in tubes ---

double GnielinskiNu(double re, double pr, double dOverL) {
  const double xi = Div(1, Pow(Fin(1.8 * Log10(re) - 1.5), 2));
  const double k = Sqrt(xi / 8);
  const double nu = Div(Fin(xi / 8 * (re - 1000) * pr), Fin(1 + 12.7 * k * (Pow(pr, 2.0 / 3) - 1)));
  return Fin(nu * (1 + Pow(dOverL, 2.0 / 3)));
}

double HausenNu(double re, double pr, double dOverL) {
  const double gz = Fin(re * pr * dOverL);
  return Fin(3.66 + Div(0.0668 * gz, 1 + 0.04 * Pow(gz, 2.0 / 3)));
}

double TubeNu(double re, double pr, double dOverL, Use& use) {
  use.outside = !Within(pr, 0.5, 2000) || re > 5e6;
  if (re < 2300) {
    use.corr = Corr::Hausen;
    return HausenNu(re, pr, dOverL);
  }
  if (re >= 1e4) {
    use.corr = Corr::Gnielinski;
    return GnielinskiNu(re, pr, dOverL);
  }
  use.corr = Corr::GnielinskiTransition;
  const double gamma = (re - 2300) / (1e4 - 2300);
  return Fin((1 - gamma) * HausenNu(2300, pr, dOverL) + gamma * GnielinskiNu(1e4, pr, dOverL));
}

double ShahFactor(double x, double reducedPressure) {
  return Fin(Pow(1 - x, 0.8) + Div(3.8 * Pow(x, 0.76) * Pow(1 - x, 0.04), Pow(reducedPressure, 0.38)));
}

double ShahMeanFactor(double x1, double x2, double reducedPressure) {
  const double lo = std::clamp(std::min(x1, x2), 0.0, 1.0), hi = std::clamp(std::max(x1, x2), 0.0, 1.0);
  if (hi - lo < 1e-9) return ShahFactor(lo, reducedPressure);
  // Five-point Gauss-Legendre on 16 equal parts of the quality range.
  static constexpr double kNode[5] = {-0.9061798459386640, -0.5384693101056831, 0.0, 0.5384693101056831,
                                      0.9061798459386640};
  static constexpr double kWeight[5] = {0.2369268850561891, 0.4786286704993665, 0.5688888888888889, 0.4786286704993665,
                                        0.2369268850561891};
  constexpr int kParts = 16;
  const double h = (hi - lo) / kParts;
  double sum = 0;
  for (int k = 0; k < kParts; ++k) {
    const double mid = lo + (k + 0.5) * h;
    for (int i = 0; i < 5; ++i) sum += kWeight[i] * ShahFactor(mid + 0.5 * h * kNode[i], reducedPressure);
  }
  return Fin(sum * 0.5 * h / (hi - lo));
}

double ReducedPressureEstimate(double rhoL, double rhoV) { return std::clamp(Div(8 * rhoV, rhoL), 0.001, 0.9); }

// --- Mean temperature difference ---

namespace {

constexpr int kSegments = 24;  // elements along each tube

using Profile = std::array<double, kSegments>;

struct PassOut {
  double tube = 0;  // mixed outlet of the pass
  Profile air{};
};

// One pass: `n` rows fed in parallel at temperature u; the air crosses them
// one after the other. e is the air-side effectiveness of one element, g
// half its capacity ratio air/tube-row. Temperatures are dimensionless.
PassOut RunPass(int n, double u, const Profile& airIn, double e, double g, bool reversed) {
  PassOut out;
  out.air = airIn;
  double sum = 0;
  for (int row = 0; row < n; ++row) {
    double t = u;
    for (int s = 0; s < kSegments; ++s) {
      double& a = out.air[static_cast<size_t>(reversed ? kSegments - 1 - s : s)];
      // Implicit midpoint of the tube fluid across the element.
      const double tm = (t + g * a) / (1 + g);
      t -= 2 * g * (tm - a);
      a += e * (tm - a);
    }
    sum += t;
  }
  out.tube = sum / n;
  return out;
}

}  // namespace

double CrossCounterflowEffectiveness(double ntu, double ratio, int rows, int passes) {
  passes = std::max(1, passes);
  rows = std::max(rows, passes);
  // Rows of each pass in the order the air meets them.
  const int base = rows / passes, extra = rows % passes;
  auto rowsOf = [&](int k) { return base + (k < extra ? 1 : 0); };
  // Tube capacity 1, air capacity 1/ratio, spread evenly over the elements.
  const double airElement = 1.0 / ratio / kSegments;
  const double uaElement = ntu / (static_cast<double>(rows) * kSegments);
  const double e = -std::expm1(-uaElement / airElement);
  auto passOf = [&](int k, double u, const Profile& air) {
    const double g = airElement * e / (2.0 / rowsOf(k));
    // The tube fluid turns round between passes.
    return RunPass(rowsOf(k), u, air, e, g, k % 2 == 1);
  };
  Profile airIn{};
  if (passes == 1) return 1 - passOf(0, 1, airIn).tube;
  // Pass 0 meets the entering air and gives the exchanger's tube outlet. Its
  // inlet u0 is unknown; all is linear in it, so march the air with u0 = 0
  // and u0 = 1 and take the u0 at which the last pass's inlet is 1.
  double lastInlet[2], outlet[2];
  for (int shot = 0; shot < 2; ++shot) {
    PassOut p = passOf(0, shot, airIn);
    outlet[shot] = p.tube;
    double want = shot;  // outlet the next pass must deliver
    Profile air = p.air;
    for (int k = 1; k < passes; ++k) {
      const PassOut at0 = passOf(k, 0, air), at1 = passOf(k, 1, air);
      const double u = (want - at0.tube) / (at1.tube - at0.tube);
      for (int s = 0; s < kSegments; ++s) air[s] = at0.air[s] + u * (at1.air[s] - at0.air[s]);
      want = u;
    }
    lastInlet[shot] = want;
  }
  const double u0 = (1 - lastInlet[0]) / (lastInlet[1] - lastInlet[0]);
  return 1 - (outlet[0] + u0 * (outlet[1] - outlet[0]));
}

bool CrossCounterflowF(double p, double r, int rows, int passes, double& f) {
  if (!(p > 0 && p < 1 && r > 0 && r * p < 1)) return false;
  // NTU of pure counterflow for the same duty.
  const double ntuCf = std::fabs(1 - r) < 1e-9 ? p / (1 - p) : std::log((1 - r * p) / (1 - p)) / (1 - r);
  auto eff = [&](double ntu) { return CrossCounterflowEffectiveness(ntu, r, rows, passes) - p; };
  // The bundle needs more transfer units than counterflow: bracket, then
  // bisect on the logarithm.
  double lo = ntuCf, hi = ntuCf * 1.25;
  int grow = 0;
  while (eff(hi) < 0) {
    lo = hi;
    hi *= 2;
    if (++grow > 30) return false;  // the duty is beyond this bundle
  }
  for (int i = 0; i < 60 && hi / lo - 1 > 1e-9; ++i) {
    const double mid = std::sqrt(lo * hi);
    (eff(mid) < 0 ? lo : hi) = mid;
  }
  f = std::min(1.0, ntuCf / std::sqrt(lo * hi));
  return std::isfinite(f);
}

// --- The method ---

bool Staggered(const Bank& b) { return !(b.arrangement == 1 && !b.rotated); }

double DiagonalPitch(const Bank& b) { return Sqrt(Fin(b.sl * b.sl + b.st * b.st / 4)); }

namespace {

double FinPitch(const Bank& b) { return Fin(b.pf + b.tf); }

// Diameter that blocks the flow like the tube with its fins.
double BlockingDiameter(const Bank& b) {
  if (b.bare) return b.d_o;
  return Fin(b.d_o + Div(2 * b.hf * b.tf, FinPitch(b)));
}

}  // namespace

double Engineering::FreeAreaRatio(const Bank& b) const {
  // The narrowest gap: across the face, or in a staggered bank the two
  // diagonal gaps together when they are smaller.
  const double d = BlockingDiameter(b);
  double gap = Fin(b.st - d);
  if (Staggered(b)) gap = std::min(gap, Fin(2 * (DiagonalPitch(b) - d)));
  return Div(gap, b.st);
}

Result Engineering::ShellFilm(const Bank& b, const Gas& g, double res, double prs) const {
  if (b.bare) {
    bool outside = false;
    const double nu = ZukauskasNu(res, prs, b.st, b.sl, Staggered(b), b.rows, outside);
    return {Fin(nu * Div(g.lambda, b.d_o)), {Corr::ZukauskasHeat, outside, {res, prs, Div(b.st, b.sl), b.rows}}};
  }
  const bool high = HighFins(b.d_o + 2 * b.hf, b.d_o);
  const double nu = high ? BriggsYoungNu(res, prs, b.pf, b.hf, b.tf) : BriggsYoungLowFinNu(res, prs, b.pf, b.hf, b.tf);
  // The range of the Briggs & Young data, in mm where a length.
  const double mm = 1000;
  const bool outside = !Within(res, 1100, 18000) || !Within(b.hf * mm, 1.4, 16.6) || !Within(b.tf * mm, 0.33, 2.0) ||
                       !Within(FinPitch(b) * mm, 1.3, 4.1) || !Within(b.d_o * mm, 11, 41) ||
                       !Within(b.st * mm, 24.5, 111) || !Staggered(b);
  return {Fin(nu * Div(g.lambda, b.d_o)),
          {high ? Corr::BriggsYoungHigh : Corr::BriggsYoungLow, outside, {res, prs, Div(b.pf, b.hf), Div(b.pf, b.tf)}}};
}

FinAreas Engineering::Fins(const Bank& b) const {
  // The field holds the clear gap; one fin per gap plus thickness.
  const double perMetre = Div(kPi, FinPitch(b));  // π times fins per metre
  FinAreas a;
  a.root = Fin(perMetre * b.d_o * b.pf);
  a.fins = Fin(perMetre * (2 * b.hf * (b.d_o + b.hf) + b.tf * (b.d_o + 2 * b.hf)));
  return a;
}

Result Engineering::FinEfficiency(const Bank& b, double kFin, double h) const {
  const double r1 = b.d_o / 2, r2c = r1 + b.hf + b.tf / 2;
  const double m = Sqrt(Div(2 * h, Fin(kFin * b.tf)));
  return {AnnularFinEfficiency(r1, r2c, m), {Corr::AnnularFinBessel, false, {h, m, r1 * 1000, r2c * 1000}}};
}

Result Engineering::ShellPressureDrop(const Bank& b, const Gas& g, double umax, double res, double phi) const {
  // The correlations are for gases; a liquid shell side is beyond them.
  const bool liquid = phi != 1;
  if (b.bare) {
    bool outside = false;
    const double eu = ZukauskasEu(res, Div(b.st, b.d_o), Staggered(b), outside);
    // Eu is given for square in-line and equilateral staggered banks.
    const bool shape =
        Staggered(b) ? std::fabs(Div(b.st, DiagonalPitch(b)) - 1) > 0.01 : std::fabs(Div(b.st, b.sl) - 1) > 0.01;
    return {Fin(b.rows * eu * g.rho * umax * umax / 2),
            {Corr::ZukauskasDp, outside || shape || liquid, {res, Div(b.st, b.d_o), b.rows, umax}}};
  }
  const double sd = DiagonalPitch(b), gmax = Fin(g.rho * umax);
  const double dp = RobinsonBriggsDp(res, b.st, sd, b.d_o, b.rows, gmax, g.rho);
  const bool high = HighFins(b.d_o + 2 * b.hf, b.d_o);
  return {dp,
          {Corr::RobinsonBriggs,
           !Within(res, 2000, 50000) || !Staggered(b) || !high || liquid,
           {res, Div(b.st, b.d_o), Div(b.st, sd), b.rows, gmax}}};
}

Result Engineering::TubeFilm(const TubeFlow& t, bool& laminar) const {
  laminar = t.re < 2300;
  Use use;
  const double dOverL = Div(t.di, t.length);
  const double nu = TubeNu(t.re, t.pr, dOverL, use);
  use.in = {t.re, t.pr, dOverL};
  return {Fin(nu * Div(t.lambda, t.di)), use};
}

Result Engineering::CondensingFilm(const Condensing& c) const {
  // The true mass flux of the flow: the vapour velocity times its density.
  const double flux = Fin(c.ut * c.rhoV);
  const double reLo = Div(Fin(flux * c.di), c.mu);
  const double hLo = Fin(0.023 * Pow(reLo, 0.8) * Pow(c.pr, 0.4) * Div(c.lambda, c.di));
  const double pr = ReducedPressureEstimate(c.rhoL, c.rhoV);
  const bool outside = reLo < 350 || !Within(pr, 0.002, 0.44) || !Within(flux, 10.8, 210.6);
  return {Fin(hLo * ShahMeanFactor(c.x1, c.x2, pr)), {Corr::Shah, outside, {reLo, c.pr, pr, c.x1, c.x2, flux}}};
}

double Engineering::CasingLossArea(double h, double l, double w) const {
  // Top, bottom and the two tube-sheet ends; the air faces are open.
  return Fin(2 * (l * w + h * w));
}

}  // namespace tharvex::engine::method
