#include "core/props/eos.h"

#include <cmath>

#include "core/fields/i18n.h"
#include "core/props/prop_errors.h"

namespace tharvex::props {

namespace {

constexpr double R = 8.314;  // J/(mol.K)
const double kSqrt2 = std::sqrt(2.0);

// Arithmetic that refuses undefined operations instead of producing NaN.
double Sqrt(double x) {
  if (!(x >= 0)) throw ArithmeticError(THX_TR_NOOP("Messages", "无效的浮点运算：负数开平方"));
  return std::sqrt(x);
}
double Ln(double x) {
  if (!(x > 0)) throw ArithmeticError(THX_TR_NOOP("Messages", "无效的浮点运算：非正数取对数"));
  return std::log(x);
}
double Div(double a, double b) {
  if (b == 0) throw ArithmeticError(THX_TR_NOOP("Messages", "浮点运算被零除"));
  return a / b;
}
// Real power: y = 0 gives 1, 0 to a positive power 0, whole y multiplies out.
double Pow(double x, double y) {
  if (y == 0) return 1;
  if (x == 0) {
    if (y > 0) return 0;
    throw ArithmeticError(THX_TR_NOOP("Messages", "浮点运算被零除"));
  }
  if (y == std::trunc(y) && std::fabs(y) < 64) return std::pow(x, y);
  if (x < 0) throw ArithmeticError(THX_TR_NOOP("Messages", "无效的浮点运算：负数的非整数次幂"));
  return std::exp(y * std::log(x));
}
double Finite(double x) {
  if (!std::isfinite(x)) throw ArithmeticError(THX_TR_NOOP("Messages", "物性计算结果超出范围"));
  return x;
}

// State and constants as the routines convert them.
struct State {
  double Pc, Tc, Vc, Zc, w, M, p, T;
};
State Read(const ParamVector& v) {
  State s{v[1] * 1000, v[2], v[3] * 1e-6, v[4], v[5], v[6], v[7] * 1000, v[8] + 273.15};
  if (!(s.T > 0)) throw ArithmeticError(THX_TR_NOOP("Messages", "无效的浮点运算：温度低于绝对零度"));
  return s;
}

// Peng-Robinson constants a(T) pieces.
struct PrConstants {
  double kappa, ac, b;
};
PrConstants PrConst(const State& s) {
  double kappa = 0.37464 + 1.54226 * s.w - 0.26992 * s.w * s.w;
  double ac = Div(0.45724 * (R * s.Tc) * (R * s.Tc), s.Pc);
  double b = Div(0.0778 * R * s.Tc, s.Pc);
  return {kappa, ac, b};
}

// Molar volume m3/mol of the Peng-Robinson equation, or nothing.
RootSearch PrVolume(const State& s, bool liquid) {
  PrConstants c = PrConst(s);
  double alpha = 1 + c.kappa * (1 - Sqrt(Div(s.T, s.Tc)));
  double a = c.ac * alpha * alpha;
  double b = c.b;
  double v0 = liquid ? 2.85e-7 * Pow(s.Vc * 1e6, 1.048) : Div(R * s.T, s.p);
  auto f = [&](double V) { return b + R * s.T / s.p - a * (V - b) / (s.p * (V * (V + b) + b * (V - b))) - V; };
  return FindRoot(f, v0, 1e-7, [](double step, double) { return std::fabs(step) < 1e-7; });
}

// Shared cubic of the viscosity and conductivity routines.
double CubicProperty(double rc, double psi, double r, const State& s, double x0, double h) {
  double rPrime = rc * psi;
  double b = 0.0778 * rc * s.Pc / s.Tc;
  double c = b * r;
  double a = 0.45724 * (rc * s.Pc) * (rc * s.Pc) / s.Tc;
  auto f = [&](double x) { return rPrime * s.p / s.T - a * (x - c) / (s.T * (x * (x + b) + b * (x - b))) + c - x; };
  RootSearch rs = FindRoot(f, x0, h, [](double step, double x) { return std::fabs(step / x) < 1e-3; });
  return rs.ok ? Finite(rs.x) : 0;
}

}  // namespace

RootSearch FindRoot(const std::function<double(double)>& f, double x0, double h,
                    const std::function<bool(double, double)>& converged) {
  RootSearch r;
  r.x = x0;
  while (true) {
    double fx = f(r.x);
    double delta = h * fx / (f(r.x + h) - fx);
    ++r.steps;
    if (!std::isfinite(delta)) return r;  // flat or undefined: no root from here
    r.x -= delta;
    if (converged(delta, r.x)) break;
    if (r.steps > RootSearch::kMaxSteps) break;
  }
  r.ok = r.steps < RootSearch::kMaxSteps && std::isfinite(r.x);
  return r;
}

double PrDensity(const ParamVector& v, int, int liquid) {
  if (v[0] != 0) return 0;
  State s = Read(v);
  Div(1, s.p);
  RootSearch rs = PrVolume(s, liquid != 0);
  if (!rs.ok || rs.x == 0) return 0;
  return Finite(0.001 * s.M / rs.x);
}

double VirialDensity(const ParamVector& v, int, int liquid) {
  if (v[0] != 1) return 0;
  State s = Read(v);
  double Tr = Div(s.T, s.Tc);
  double B0 = 0.083 - 0.422 / Pow(Tr, 1.6);
  double B1 = 0.139 - 0.172 / Pow(Tr, 4.2);
  double B = Div(R * s.Tc, s.Pc) * (B0 + s.w * B1);
  double v0 = liquid ? 2.85e-7 * Pow(s.Vc * 1e6, 1.048) : Div(R * s.T, s.p);
  auto f = [&](double V) { return 1 + B / V - s.p * V / (R * s.T); };
  RootSearch rs = FindRoot(f, v0, 1e-7, [](double step, double V) { return std::fabs(step / V) < 1e-4; });
  if (!rs.ok || rs.x == 0) return 0;
  return Finite(0.001 * s.M / rs.x);
}

double PrViscosity(const ParamVector& v, int, int liquid) {
  if (v[0] != 0) return 0;
  State s = Read(v);
  double w = s.w;
  double k1, k2, k3;
  if (w <= 0.3) {
    k1 = 0.829599 + 0.350857 * w - 0.74768 * w * w;
    k2 = 1.94546 - 3.19777 * w + 2.80193 * w * w;
    k3 = 0.299757 - 2.20855 * w + 6.64959 * w * w;
  } else {
    k1 = 0.956763 + 0.192829 * w - 0.303189 * w * w;
    k2 = -0.258789 - 37.1071 * w + 20.551 * w * w;
    k3 = 5.1630307 - 12.8207 * w + 11.0109 * w * w;
  }
  double sp = Sqrt(Div(s.p, s.Pc)) - 1;
  double r = std::exp(k2 * (Sqrt(Div(s.T, s.Tc)) - 1)) + k3 * sp * sp;
  double q = 1 + k1 * (Sqrt(Div(s.p * s.T, s.Pc * s.Tc)) - 1);
  double psi = Div(1, q * q);
  double muC = 7.9483e-7 * Pow(s.Tc, -1.0 / 6.0) * Sqrt(s.M) * Pow(s.Pc / 100000, 2.0 / 3.0);
  double rc = Div(muC * s.Tc, s.Pc * s.Zc);
  return CubicProperty(rc, psi, r, s, liquid ? 1e-3 : 1e-6, 1e-8);
}

double PrConductivity(const ParamVector& v, int, int liquid) {
  if (v[0] != 0) return 0;
  State s = Read(v);
  double Tr = Div(s.T, s.Tc);
  double Pr = Div(s.p, s.Pc);
  double q = Pow(Pr, 0.125) - 1;
  double sTr = Sqrt(Tr) - 1;
  double sp = Sqrt(Div(s.T * s.p, s.Tc * s.Pc)) - 1;
  double r = 0.1879 * sp * sp + std::exp(-90.2319 * q * q) + std::exp(9.8081 * q * q - 4.7582 * sTr) +
             23.2853 * std::exp((Pr * Pr * Pr - 1) * sTr * (1 / s.T - Div(1, s.Tc)));
  double d = 1 - 0.127 * (1 - Sqrt(Tr));
  double psi = Div(1, d * d);
  double lambdaC = Pow(s.Tc, -1.0 / 6.0) * Pow(s.M, -0.5) * Pow(s.Pc / 1e6, 2.0 / 3.0) / 21;
  double rc = Div(lambdaC * s.Tc, s.Pc * s.Zc);
  return CubicProperty(rc, psi, r, s, liquid ? 0.1 : 0.01, 1e-4);
}

double PrResidualCp(const ParamVector& v, int last, int) {
  if (v[0] != 0) return 0;
  State s = Read(v);
  PrConstants c = PrConst(s);
  // Residual entropy over R at temperature Tp, on the vapour-like root.
  bool failed = false;
  auto S = [&](double Tp) {
    ParamVector copy = v;
    copy[8] = Tp - 273.15;
    double rho = PrDensity(copy, last, 0);
    if (rho == 0) {
      failed = true;
      return 0.0;
    }
    double V = 0.001 * s.M / rho;
    double D = -c.kappa * c.ac * (1 + c.kappa * (1 - Sqrt(Tp / s.Tc))) / Sqrt(Tp * s.Tc);
    return Ln((V - c.b) * s.p / (R * Tp)) +
           D / (2 * kSqrt2 * c.b * R) * Ln((V + (1 + kSqrt2) * c.b) / (V - (kSqrt2 - 1) * c.b));
  };
  const double delta = 0.0001;  // K
  double T2 = s.T + delta;
  double s1 = S(s.T);
  double s2 = S(T2);
  if (failed) return 0;  // a density search that failed gives no heat capacity
  return Finite(Div(1000 * R, s.M) * T2 * (s2 - s1) / delta);
}

double VirialResidualCp(const ParamVector& v, int, int) {
  if (v[0] != 0) return 0;
  State s = Read(v);
  double Tr = Div(s.T, s.Tc);
  return Finite(Div(1000 * R, s.M) * Div(s.p, s.Pc) * (1.7552 / Pow(Tr, 2.6) + 0.3717252 / Pow(Tr, 5.2)));
}

double PrResidualEnthalpy(const ParamVector& v) {
  State s = Read(v);
  PrConstants c = PrConst(s);
  RootSearch rs = PrVolume(s, false);
  if (!rs.ok) return 0;
  double V = rs.x;
  double sq = Sqrt(s.T / s.Tc);
  double alpha = 1 + c.kappa * (1 - sq);
  double a = c.ac * alpha * alpha;
  double dadT = -c.kappa * c.ac * alpha / Sqrt(s.T * s.Tc);
  double Z = s.p * V / (R * s.T);
  double H = R * s.T * (Z - 1) +
             (s.T * dadT - a) / (2 * kSqrt2 * c.b) * Ln((V + (1 + kSqrt2) * c.b) / (V - (kSqrt2 - 1) * c.b));
  return H * 1000 / s.M;
}

}  // namespace tharvex::props
