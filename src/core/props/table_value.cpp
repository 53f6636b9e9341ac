#include "core/props/table_value.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "core/fields/i18n.h"
#include "core/fields/number_format.h"
#include "core/props/prop_errors.h"

namespace tharvex::props {

double ToNumber(std::string_view text) {
  auto v = ParseLenient(text);
  if (!v) throw ConversionError(std::string(text));
  return *v;
}

namespace {

// One point "x,y": x before the first comma, at most 1024 characters of y
// after it. A point without a comma has an empty x, which is no number.
void ReadPoint(std::string_view point, mnMatrix& m, int k) {
  if (k >= mnMatrix::kColumns)
    throw std::length_error(
        i18n::Format(i18n::Tr("Messages", "物性表格的数据点超过 %1 个"), {std::to_string(mnMatrix::kColumns)}));
  size_t comma = point.find(',');
  std::string_view x = comma == std::string_view::npos ? std::string_view() : point.substr(0, comma);
  std::string_view y = comma == std::string_view::npos ? point : point.substr(comma + 1, 1024);
  m.v[0][static_cast<size_t>(k)] = ToNumber(x);
  m.v[1][static_cast<size_t>(k)] = ToNumber(y);
}

}  // namespace

int ParseTable(std::string_view text, mnMatrix& matrix) {
  int k = 0;
  std::string_view rest = text;
  size_t semi;
  while ((semi = rest.find(';')) != std::string_view::npos) {
    ReadPoint(rest.substr(0, semi), matrix, k);
    rest = rest.substr(semi + 1, 10000);
    ++k;
  }
  if (rest.empty()) return k;  // the text ended in ";"
  ReadPoint(rest, matrix, k);
  return k + 1;
}

double Interpolate(int count, const mnMatrix& matrix, bool windowed, double x) {
  const auto& xs = matrix.v[0];
  const auto& ys = matrix.v[1];
  int last = count - 1;
  if (last < 0) return 0;
  int lo = 0, hi = last;
  if (windowed && count > 4) {
    int i = 0;
    while (i <= last && !(x <= xs[static_cast<size_t>(i)])) ++i;
    if (i <= last) {
      // x between the second and third point of its window where possible.
      lo = i - 2;
      hi = i + 1;
      if (lo < 0) {
        lo = 0;
        hi = std::min(3, last);
      } else if (hi > last) {
        lo = std::max(last - 3, 0);
        hi = last;
      }
    } else {
      lo = std::max(last - 3, 0);
      hi = last;
    }
  }
  double result = 0;
  for (int i = lo; i <= hi; ++i) {
    double num = 1, den = 1;
    for (int j = lo; j <= hi; ++j) {
      if (j == i) continue;
      num *= x - xs[static_cast<size_t>(j)];
      den *= xs[static_cast<size_t>(i)] - xs[static_cast<size_t>(j)];
    }
    if (den == 0) throw ArithmeticError(THX_TR_NOOP("Messages", "物性表格中有相同的温度点，无法插值（被零除）"));
    result += ys[static_cast<size_t>(i)] * num / den;
  }
  if (!std::isfinite(result)) throw ArithmeticError(THX_TR_NOOP("Messages", "物性表格插值结果超出范围"));
  return result;
}

double TableValue(std::string_view text, double x) {
  if (text.find(';') != std::string_view::npos) {
    mnMatrix m;
    int n = ParseTable(text, m);
    return Interpolate(n, m, true, x);
  }
  size_t comma = text.find(',');
  if (comma != std::string_view::npos) return ToNumber(text.substr(comma + 1, 1024));
  return ToNumber(text);
}

}  // namespace tharvex::props
