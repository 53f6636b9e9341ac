// Tabulated data: constants, pairs and windowed Lagrange interpolation.
#include <gtest/gtest.h>

#include "core/props/prop_errors.h"
#include "core/props/table_value.h"

namespace tharvex::props {
namespace {

const char* kWater = "0,999.8;20,998.2;40,992.2;60,983.2;80,971.8";

// Lagrange polynomial through the given points, for the expected values.
double Lagrange(std::initializer_list<std::pair<double, double>> pts, double x) {
  double r = 0;
  for (auto [xi, yi] : pts) {
    double term = yi;
    for (auto [xj, yj] : pts)
      if (xj != xi) term *= (x - xj) / (xi - xj);
    r += term;
  }
  return r;
}

TEST(TableValue, ConstantsAndPairs) {
  EXPECT_EQ(TableValue("4187", -50), 4187);
  EXPECT_EQ(TableValue("4187", 500), 4187);
  EXPECT_EQ(TableValue("20,998.2", 80), 998.2);
  EXPECT_EQ(TableValue(" 20 , 998.2 ", 0), 998.2);
  EXPECT_EQ(TableValue("junk,5", 0), 5);  // the part before the comma is not read
}

TEST(TableValue, TrailingSemicolonEndsTheTable) {
  mnMatrix m;
  EXPECT_EQ(ParseTable("0,1;10,2;", m), 2);
  EXPECT_DOUBLE_EQ(TableValue("0,1;10,2;", 5), 1.5);
  EXPECT_DOUBLE_EQ(TableValue("0,1;10,2", 20), 3);  // two points extrapolate linearly
  EXPECT_DOUBLE_EQ(TableValue("5,7;", 100), 7);     // one point is its y
}

TEST(TableValue, WindowOfFourPointsAroundX) {
  EXPECT_NEAR(TableValue(kWater, 50), 988.0375, 1e-9);
  EXPECT_NEAR(TableValue(kWater, 10), Lagrange({{0, 999.8}, {20, 998.2}, {40, 992.2}, {60, 983.2}}, 10), 1e-9);
  auto last4 = [](double x) { return Lagrange({{20, 998.2}, {40, 992.2}, {60, 983.2}, {80, 971.8}}, x); };
  EXPECT_NEAR(TableValue(kWater, 80), last4(80), 1e-9);
  EXPECT_NEAR(TableValue(kWater, 100), last4(100), 1e-9);
  EXPECT_NEAR(TableValue(kWater, -10), Lagrange({{0, 999.8}, {20, 998.2}, {40, 992.2}, {60, 983.2}}, -10), 1e-9);
}

TEST(TableValue, TablePointsAreReproduced) {
  for (auto [x, y] : {std::pair{0.0, 999.8}, {20.0, 998.2}, {40.0, 992.2}, {60.0, 983.2}, {80.0, 971.8}})
    EXPECT_NEAR(TableValue(kWater, x), y, 1e-9);
}

TEST(TableValue, UnwindowedUsesEveryPoint) {
  mnMatrix m;
  int n = ParseTable(kWater, m);
  EXPECT_EQ(n, 5);
  EXPECT_NEAR(Interpolate(n, m, false, 50),
              Lagrange({{0, 999.8}, {20, 998.2}, {40, 992.2}, {60, 983.2}, {80, 971.8}}, 50), 1e-9);
}

TEST(TableValue, BadTextsRaiseErrors) {
  EXPECT_THROW(TableValue("0,1;;10,2", 5), ConversionError);    // empty point
  EXPECT_THROW(TableValue("0,1;10;20,3", 5), ConversionError);  // point without a comma
  EXPECT_THROW(TableValue("abc", 5), ConversionError);
  EXPECT_THROW(TableValue("0,1;10,x", 5), ConversionError);
  EXPECT_THROW(TableValue("0,1;0,2", 5), ArithmeticError);  // equal x values
  std::string many;
  for (int i = 0; i <= 100; ++i) many += std::to_string(i) + ",1;";
  EXPECT_THROW(TableValue(many, 5), std::length_error);
}

}  // namespace
}  // namespace tharvex::props
