#pragma once
// Number text as the window writes and reads it: "." is always the decimal
// separator, whatever the locale.
#include <optional>
#include <string>
#include <string_view>

namespace tharvex {

// General format: fixed notation for decimal exponents -3..P, otherwise
// mantissa "E" exponent with at least `expDigits` exponent digits.
// P = 15, D = 0 for values written into fields and files; P = 7, D = 4 for
// what a field displays.
std::string FormatGeneral(double value, int precision = 15, int expDigits = 0);

// Lenient syntax: blanks (spaces only) around, optional sign, digits with an
// optional point, optional exponent. Returns nothing when the text is not a
// number or lies outside the range of a double.
std::optional<double> ParseLenient(std::string_view text);

// Strict syntax: like the lenient one but no trailing blanks; empty is not a
// number.
std::optional<double> ParseStrict(std::string_view text);

// Whole number, optional sign, blanks around allowed; nothing when not one.
std::optional<long long> ParseInteger(std::string_view text);

// Nearest integer, exact halves to the even neighbour.
double RoundHalfEven(double x);

// No quantity the program calculates comes near this magnitude: a computed
// value beyond it is a calculation that ran away, and is never shown.
inline constexpr double kLargestComputed = 1e100;

// Blanks (space characters) removed at both ends.
std::string_view TrimBlanks(std::string_view s);

}  // namespace tharvex
