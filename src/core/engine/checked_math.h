#pragma once
// Arithmetic that refuses to produce an infinity or a NaN from finite
// operands: a division by zero, the logarithm of a non-positive number, the
// root of a negative number, a negative base to a fractional power or an
// overflow raises ArithmeticError at that point, which ends the calculation
// attempt. Every formula of the engine goes through these helpers, and every
// value is passed through Fin before it is compared or written.
#include <cmath>
#include <stdexcept>

#include "core/fields/number_format.h"

namespace tharvex::engine {

class ArithmeticError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The value, or an error when it is not finite (an overflow upstream).
inline double Fin(double x) {
  if (!std::isfinite(x)) throw ArithmeticError("floating point overflow");
  return x;
}

// A value fit to be shown in a field: finite and of a sane magnitude.
inline double Showable(double x) {
  if (!(std::fabs(Fin(x)) <= kLargestComputed)) throw ArithmeticError("value out of range");
  return x;
}

inline double Div(double a, double b) {
  Fin(a);
  if (Fin(b) == 0.0) throw ArithmeticError("division by zero");
  return Fin(a / b);
}

inline double Ln(double x) {
  if (!(Fin(x) > 0.0)) throw ArithmeticError("logarithm of a non-positive number");
  return Fin(std::log(x));
}

inline double Log10(double x) {
  if (!(Fin(x) > 0.0)) throw ArithmeticError("logarithm of a non-positive number");
  return Fin(std::log10(x));
}

inline double Sqrt(double x) {
  if (Fin(x) < 0.0) throw ArithmeticError("square root of a negative number");
  return std::sqrt(x);
}

inline double Exp(double x) { return Fin(std::exp(Fin(x))); }

// Real power: 0 to a positive power is 0, a zero base to a negative power is a
// division by zero, a negative base needs a whole exponent.
inline double Pow(double base, double exponent) {
  Fin(base);
  Fin(exponent);
  if (exponent == 0.0) return 1.0;
  if (base == 0.0) {
    if (exponent > 0.0) return 0.0;
    throw ArithmeticError("division by zero");
  }
  if (base < 0.0 && std::trunc(exponent) != exponent) throw ArithmeticError("invalid floating point operation");
  return Fin(std::pow(base, exponent));
}

// Nearest integer, exact halves to the even neighbour; beyond the range of a
// 64-bit integer is an overflow.
inline double Round(double x) {
  if (std::fabs(Fin(x)) >= 9.2e18) throw ArithmeticError("integer overflow");
  return RoundHalfEven(x);
}

}  // namespace tharvex::engine
