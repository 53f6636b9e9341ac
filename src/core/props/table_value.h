#pragma once
// Tabulated property data: "x1,y1;x2,y2;..." over temperature, interpolated
// with a four-point Lagrange polynomial around x.
#include <array>
#include <string_view>

namespace tharvex::props {

// Two rows (0: x, 1: y) by 100 columns, one point per column.
struct mnMatrix {
  static constexpr int kColumns = 100;
  std::array<std::array<double, kColumns>, 2> v{};
};

// A plain number is a constant, "x,y" the constant y, a text with ";" a table.
double TableValue(std::string_view text, double x);
// Reads the points into the matrix; returns how many. A text with more than
// 100 points is refused with std::length_error.
int ParseTable(std::string_view text, mnMatrix& matrix);
// Lagrange interpolation over all points, or (windowed, more than four
// points) over the four points around x.
double Interpolate(int count, const mnMatrix& matrix, bool windowed, double x);

}  // namespace tharvex::props
