#include "core/props/buildin_funcs.h"

#include <cmath>
#include <string_view>

#include "core/fields/number_format.h"
#include "core/props/formula_parser.h"

namespace tharvex::props {

namespace {

using Self = TBuildinFuncs;
using P = TFormulaParser;
using A = FuncArgs;

constexpr Real kPi = 3.1415926535897932385L;
constexpr Real kTwo63 = 9223372036854775808.0L;  // the hardware sine and cosine stop here

bool IsWhole(Real x) { return x == std::trunc(x); }
bool IsOddWhole(Real x) { return IsWhole(x) && std::fmod(x, 2.0L) != 0; }
bool IsBool(Real x) { return x == 0 || x == 1; }
Real Fail(P& p, int code) {
  p.SetError(code);
  return 0;
}

// --- trigonometry (radians) ---
Real mArctan(Self&, P&, const A& a) { return std::atan(a.x); }
Real mCos(Self&, P&, const A& a) { return std::fabs(a.x) >= kTwo63 ? 0 : std::cos(a.x); }
Real mSin(Self&, P&, const A& a) { return std::fabs(a.x) >= kTwo63 ? 0 : std::sin(a.x); }
Real mDeg(Self&, P&, const A& a) { return a.x / kPi * 180; }
Real mRad(Self&, P&, const A& a) { return a.x / 180 * kPi; }
Real Mpi(Self&, P&, const A&) { return kPi; }
Real mTan(Self&, P& p, const A& a) {
  if (IsOddWhole(2 * a.x / kPi)) return Fail(p, 5);
  return std::sin(a.x) / std::cos(a.x);
}
Real mCsc(Self&, P& p, const A& a) {
  if (IsWhole(a.x / kPi)) return Fail(p, 17);
  return 1 / std::sin(a.x);
}
Real mSec(Self&, P& p, const A& a) {
  if (IsOddWhole(2 * a.x / kPi)) return Fail(p, 18);
  return 1 / std::cos(a.x);
}
Real mCot(Self&, P& p, const A& a) {
  if (IsWhole(a.x / kPi)) return Fail(p, 19);
  return std::cos(a.x) / std::sin(a.x);
}

// --- logic: truth values are 1 and 0 ---
Real mAnd(Self&, P& p, const A& a) {
  Real r = 1;
  for (Real v : a.items) {
    if (!IsBool(v)) return Fail(p, 13);
    if (v != 1) r = 0;
  }
  return r;
}
Real mIor(Self&, P& p, const A& a) {
  Real r = 0;
  for (Real v : a.items) {
    if (!IsBool(v)) return Fail(p, 13);
    if (v == 1) r = 1;
  }
  return r;
}
Real mFalse(Self&, P&, const A&) { return 0; }
Real mTrue(Self&, P&, const A&) { return 1; }
Real mXor(Self&, P& p, const A& a) {
  if (!IsBool(a.x) || !IsBool(a.y)) return Fail(p, 13);
  return (a.x == 1) != (a.y == 1) ? 1 : 0;
}
Real mNot(Self&, P& p, const A& a) {
  if (!IsBool(a.x)) return Fail(p, 13);
  return 1 - a.x;
}

// --- exponentials and logarithms ---
Real mExp(Self&, P& p, const A& a) {
  if (std::fabs(a.x) >= LnRangeBound()) return Fail(p, 11);
  return std::exp(a.x);
}
Real mE(Self&, P&, const A&) { return std::exp(1.0L); }
Real mLn(Self&, P& p, const A& a) {
  if (a.x <= 0) return Fail(p, 7);
  return std::log(a.x);
}
Real mLog(Self&, P& p, const A& a) {
  if (a.x <= 0) return Fail(p, 7);
  return std::log(a.x) / std::log(10.0L);
}
// x squared as exp(2 ln|x|), so that the range check comes first.
bool SquareOf(Real x, Real& out) {
  if (x == 0) {
    out = 0;
    return true;
  }
  Real l = 2 * std::log(std::fabs(x));
  if (std::fabs(l) >= LnRangeBound()) return false;
  out = std::exp(l);
  return true;
}
Real mSqr(Self&, P& p, const A& a) {
  Real r;
  if (!SquareOf(a.x, r)) return Fail(p, 11);
  return r;
}
Real mSqrt(Self&, P& p, const A& a) {
  if (a.x < 0) return Fail(p, 8);
  return std::sqrt(a.x);
}

// --- numbers ---
Real mAbs(Self&, P&, const A& a) { return std::fabs(a.x); }
Real mInt(Self&, P&, const A& a) { return std::trunc(a.x); }
Real mFrac(Self&, P&, const A& a) { return a.x - std::trunc(a.x); }
Real mMax(Self&, P&, const A& a) {
  Real m = a.items.at(0);
  for (Real v : a.items) m = v > m ? v : m;
  return m;
}
Real mMin(Self&, P&, const A& a) {
  Real m = a.items.at(0);
  for (Real v : a.items) m = v < m ? v : m;
  return m;
}
Real mRound(Self&, P&, const A& a) {
  if (std::fabs(a.x) < 2147483646.0L) return std::round(a.x);  // halves away from zero
  return a.x;
}
Real mSgn(Self&, P&, const A& a) { return a.x >= 0 ? 1 : -1; }

// --- hyperbolic functions and their inverses ---
Real mSinh(Self&, P& p, const A& a) {
  if (std::fabs(a.x) > LnRangeBound()) return Fail(p, 20);
  return (std::exp(a.x) - std::exp(-a.x)) / 2;
}
Real mCosh(Self&, P& p, const A& a) {
  if (std::fabs(a.x) > LnRangeBound()) return Fail(p, 20);
  return (std::exp(a.x) + std::exp(-a.x)) / 2;
}
Real mTanh(Self&, P& p, const A& a) {
  if (std::fabs(a.x) > LnRangeBound()) return Fail(p, 20);
  return (std::exp(a.x) - std::exp(-a.x)) / (std::exp(a.x) + std::exp(-a.x));
}
Real mCsch(Self&, P& p, const A& a) {
  if (std::fabs(a.x) > LnRangeBound()) return Fail(p, 20);
  if (a.x == 0) return Fail(p, 21);
  return 2 / (std::exp(a.x) - std::exp(-a.x));
}
Real mSech(Self&, P& p, const A& a) {
  if (std::fabs(a.x) > LnRangeBound()) return Fail(p, 20);
  return 2 / (std::exp(a.x) + std::exp(-a.x));
}
Real mCoth(Self&, P& p, const A& a) {
  if (std::fabs(a.x) > LnRangeBound()) return Fail(p, 20);
  if (a.x == 0) return Fail(p, 22);
  return (std::exp(a.x) + std::exp(-a.x)) / (std::exp(a.x) - std::exp(-a.x));
}
Real mArcsinh(Self&, P& p, const A& a) {
  if (std::fabs(a.x) >= SqrtRangeBound()) return Fail(p, 20);
  return std::log(std::sqrt(a.x * a.x + 1) + a.x);
}
Real mArccosh(Self&, P& p, const A& a) {
  if (std::fabs(a.x) >= SqrtRangeBound()) return Fail(p, 20);
  if (a.x < 1) return Fail(p, 23);
  return std::log(std::sqrt(a.x * a.x - 1) + a.x);
}
Real mArctanh(Self&, P& p, const A& a) {
  if (std::fabs(a.x) >= 1) return Fail(p, 24);
  return std::log((1 + a.x) / (1 - a.x)) / 2;
}
Real mArccsch(Self&, P& p, const A& a) {
  if (a.x >= SqrtRangeBound()) return Fail(p, 20);
  if (a.x == 0) return Fail(p, 25);
  return std::log(std::sqrt(1 / (a.x * a.x) + 1) + 1 / a.x);
}
Real mArcsech(Self&, P& p, const A& a) {
  if (a.x >= SqrtRangeBound()) return Fail(p, 20);
  if (a.x <= 0 || a.x > 1) return Fail(p, 26);
  return std::log(std::sqrt(1 / (a.x * a.x) - 1) + 1 / a.x);
}
Real mArccoth(Self&, P& p, const A& a) {
  if (std::fabs(a.x) <= 1) return Fail(p, 27);
  return std::log((a.x + 1) / (a.x - 1)) / 2;
}

// --- statistics over lists ---
Real mAvg(Self&, P& p, const A& a) {
  int n = a.last + 1;
  if (n <= 0) return Fail(p, 28);
  Real s = 0;
  for (int i = 0; i < n; ++i) s += a.items[static_cast<size_t>(i)];
  return s / n;
}
Real mStd(Self&, P& p, const A& a) {
  int n = a.last + 1;
  if (n < 2) return Fail(p, 29);
  Real sum = 0, squares = 0;
  for (int i = 0; i < n; ++i) {
    Real x = a.items[static_cast<size_t>(i)], sq;
    if (!SquareOf(x, sq)) return Fail(p, 11);
    sum += x;
    squares += sq;
  }
  Real m = sum / n;
  Real variance = (squares - n * m * m) / (n - 1);
  // Equal items can leave a variance just below zero through rounding.
  if (!(variance > 0)) return 0;
  return std::sqrt(variance);
}
Real mMean(Self&, P& p, const A&) { return Fail(p, 32); }
Real mSum(Self&, P& p, const A& a) {
  Real s = 0;
  for (int i = 0; i <= a.last; ++i) {
    Real x = a.items[static_cast<size_t>(i)];
    if (!(std::fabs(s / 10 + x / 10) < kRangeBound / 10)) return Fail(p, 11);
    s += x;
  }
  return s;
}

// --- random numbers ---
Real mRand(Self& self, P&, const A&) { return self.NextRandom(); }
Real mRnd(Self& self, P& p, const A& a) {
  // The argument must read as a whole 32-bit number in 15 significant digits.
  auto n = ParseInteger(FormatGeneral(static_cast<double>(a.x), 15, 0));
  if (!n || *n < -2147483648LL || *n > 2147483647LL) return Fail(p, 37);
  if (*n <= 0) return 0;
  Real r = std::floor(self.NextRandom() * static_cast<Real>(*n));
  return r >= *n ? *n - 1 : r;
}

// --- strings ---
Real mLength(Self&, P&, const A& a) {
  Real n = 0;
  for (unsigned char c : a.s1)
    if ((c & 0xC0) != 0x80) ++n;  // characters, not UTF-8 continuation bytes
  return n;
}
Real mStrComp(Self&, P&, const A& a) { return a.s1 == a.s2 ? 1 : 0; }

Real mIf(Self&, P& p, const A& a) {
  if (a.last != 2) return Fail(p, 35);
  Real c = a.items[0];
  if (!IsBool(c)) return Fail(p, 36);
  return c == 1 ? a.items[1] : a.items[2];
}

const std::vector<TBuildinFuncs::Entry> kEntries{
    {"ARCTAN", 1, mArctan},   {"COS", 1, mCos},         {"DEG", 1, mDeg},
    {"PI", 0, Mpi},           {"RAD", 1, mRad},         {"SIN", 1, mSin},
    {"TAN", 1, mTan},         {"AND", 3, mAnd},         {"FALSE", 0, mFalse},
    {"OR", 3, mIor},          {"TRUE", 0, mTrue},       {"XOR", 2, mXor},
    {"NOT", 1, mNot},         {"EXP", 1, mExp},         {"E", 0, mE},
    {"LN", 1, mLn},           {"LOG", 1, mLog},         {"SQR", 1, mSqr},
    {"SQRT", 1, mSqrt},       {"ABS", 1, mAbs},         {"FRAC", 1, mFrac},
    {"INT", 1, mInt},         {"MAX", 3, mMax},         {"MIN", 3, mMin},
    {"ROUND", 1, mRound},     {"SGN", 1, mSgn},         {"CSC", 1, mCsc},
    {"SEC", 1, mSec},         {"COT", 1, mCot},         {"SINH", 1, mSinh},
    {"COSH", 1, mCosh},       {"TANH", 1, mTanh},       {"CSCH", 1, mCsch},
    {"SECH", 1, mSech},       {"COTH", 1, mCoth},       {"ARCSINH", 1, mArcsinh},
    {"ARCCOSH", 1, mArccosh}, {"ARCTANH", 1, mArctanh}, {"ARCCSCH", 1, mArccsch},
    {"ARCSECH", 1, mArcsech}, {"ARCCOTH", 1, mArccoth}, {"AVG", 3, mAvg},
    {"AVGERAGE", 3, mAvg},    {"STD", 3, mStd},         {"STDEV", 3, mStd},
    {"MEAN", 3, mMean},       {"SUM", 3, mSum},         {"RAND", 0, mRand},
    {"RND", 1, mRnd},         {"LENGTH", 8, mLength},   {"STRCOMP", 9, mStrComp},
    {"IF", 3, mIf},
};

}  // namespace

TBuildinFuncs::TBuildinFuncs(uint64_t seed) : rng_(seed) {}

const std::vector<TBuildinFuncs::Entry>& TBuildinFuncs::Entries() { return kEntries; }

bool TBuildinFuncs::Call(std::string_view upperName, TFormulaParser& parser, const FuncArgs& args, Real& result) {
  for (const auto& e : kEntries) {
    if (upperName == e.name) {
      result = e.handler(*this, parser, args);
      return true;
    }
  }
  return false;
}

Real TBuildinFuncs::NextRandom() {
  // 64 random bits scaled into [0, 1).
  return static_cast<Real>(rng_() >> 11) * (1.0L / 9007199254740992.0L);
}

}  // namespace tharvex::props
