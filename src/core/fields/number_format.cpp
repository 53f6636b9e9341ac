#include "core/fields/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace tharvex {

std::string_view TrimBlanks(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && s[b] == ' ') ++b;
  while (e > b && s[e - 1] == ' ') --e;
  return s.substr(b, e - b);
}

double RoundHalfEven(double x) {
  // nearbyint uses the current rounding mode, which is to-nearest-even unless
  // somebody changed it; do it by hand to be independent of that.
  double f = std::floor(x);
  double diff = x - f;
  if (diff > 0.5) return f + 1.0;
  if (diff < 0.5) return f;
  return std::fmod(f, 2.0) == 0.0 ? f : f + 1.0;
}

std::string FormatGeneral(double value, int precision, int expDigits) {
  if (value == 0.0 || std::isnan(value)) return "0";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (precision < 1) precision = 1;
  if (precision > 17) precision = 17;

  std::string out;
  if (value < 0) out.push_back('-');
  double mag = std::fabs(value);

  // Correctly rounded digits: d.ddddde±x
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, mag, std::chars_format::scientific, precision - 1);
  std::string_view sci(buf, static_cast<size_t>(res.ptr - buf));
  size_t epos = sci.find('e');
  std::string digits;
  for (size_t i = 0; i < epos; ++i)
    if (sci[i] != '.') digits.push_back(sci[i]);
  int exp10 = 0;
  std::from_chars(sci.data() + epos + 1 + (sci[epos + 1] == '+' ? 1 : 0), sci.data() + sci.size(), exp10);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  int e = exp10 + 1;  // digits before the decimal point
  int n = static_cast<int>(digits.size());
  if (e >= -3 && e <= precision) {
    if (e > 0) {
      if (n <= e) {
        out += digits;
        out.append(static_cast<size_t>(e - n), '0');
      } else {
        out.append(digits, 0, static_cast<size_t>(e));
        out.push_back('.');
        out.append(digits, static_cast<size_t>(e));
      }
    } else {
      out += "0.";
      out.append(static_cast<size_t>(-e), '0');
      out += digits;
    }
  } else {
    out.push_back(digits[0]);
    if (n > 1) {
      out.push_back('.');
      out.append(digits, 1);
    }
    out.push_back('E');
    int x = e - 1;
    if (x < 0) out.push_back('-');
    std::string xs = std::to_string(std::abs(x));
    if (static_cast<int>(xs.size()) < expDigits) out.append(static_cast<size_t>(expDigits) - xs.size(), '0');
    out += xs;
  }
  return out;
}

namespace {

// Checks the number syntax of s (no blanks) and converts it.
std::optional<double> ParseCore(std::string_view s) {
  size_t i = 0;
  bool neg = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    neg = s[i] == '-';
    ++i;
  }
  size_t start = i;
  int intDigits = 0, fracDigits = 0;
  int leadingZeros = 0;
  bool seenNonZero = false;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
    if (s[i] != '0')
      seenNonZero = true;
    else if (!seenNonZero)
      ++leadingZeros;
    ++i;
    ++intDigits;
  }
  int fracLeadingZeros = 0;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
      if (s[i] != '0')
        seenNonZero = true;
      else if (!seenNonZero)
        ++fracLeadingZeros;
      ++i;
      ++fracDigits;
    }
  }
  if (intDigits + fracDigits == 0) return std::nullopt;
  size_t mantEnd = i;
  long long exp = 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    bool eneg = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
      eneg = s[i] == '-';
      ++i;
    }
    size_t ds = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
      if (exp < 100000) exp = exp * 10 + (s[i] - '0');
      ++i;
    }
    if (i == ds) return std::nullopt;
    if (eneg) exp = -exp;
  }
  if (i != s.size()) return std::nullopt;
  if (!seenNonZero) return neg ? -0.0 : 0.0;

  // The common field text ("12.5", "0.0254") goes to from_chars as it
  // stands: digits with an inner point at most, no exponent.
  const std::string_view mantissa = s.substr(start, mantEnd - start);
  if (mantEnd == s.size() && mantissa.front() != '.' && mantissa.back() != '.') {
    double v = 0;
    auto r = std::from_chars(mantissa.data(), mantissa.data() + mantissa.size(), v, std::chars_format::fixed);
    if (r.ec == std::errc() && r.ptr == mantissa.data() + mantissa.size() && !std::isinf(v)) return neg ? -v : v;
  }
  // from_chars takes neither a leading '+' nor a bare trailing '.'; hand it
  // the mantissa and the exponent it accepts.
  std::string text(mantissa);
  if (!text.empty() && text.back() == '.') text.pop_back();
  if (!text.empty() && text.front() == '.') text.insert(text.begin(), '0');
  text += 'e';
  text += std::to_string(exp);
  double v = 0;
  auto r = std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::general);
  if (r.ec == std::errc::result_out_of_range) {
    // Magnitude: position of the first significant digit.
    long long mag = intDigits > leadingZeros ? (intDigits - leadingZeros) + exp : -fracLeadingZeros + exp;
    if (mag < 0) return neg ? -0.0 : 0.0;  // underflow reads as zero
    return std::nullopt;                   // overflow is not a number we can hold
  }
  if (r.ec != std::errc() || r.ptr != text.data() + text.size()) return std::nullopt;
  if (std::isinf(v)) return std::nullopt;
  return neg ? -v : v;
}

}  // namespace

std::optional<double> ParseLenient(std::string_view text) { return ParseCore(TrimBlanks(text)); }

std::optional<double> ParseStrict(std::string_view text) {
  size_t b = 0;
  while (b < text.size() && text[b] == ' ') ++b;
  return ParseCore(text.substr(b));
}

std::optional<long long> ParseInteger(std::string_view text) {
  std::string_view s = TrimBlanks(text);
  // One sign at most: from_chars takes a '-' but no '+', so drop a '+' only
  // when a digit follows ("+-5" is not a number).
  if (s.size() > 1 && s[0] == '+' && s[1] >= '0' && s[1] <= '9') s.remove_prefix(1);
  if (s.empty()) return std::nullopt;
  long long v = 0;
  auto r = std::from_chars(s.data(), s.data() + s.size(), v);
  if (r.ec != std::errc() || r.ptr != s.data() + s.size()) return std::nullopt;
  return v;
}

}  // namespace tharvex
