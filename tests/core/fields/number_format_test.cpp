#include "core/fields/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace tharvex {
namespace {

struct FormatCase {
  double value;
  int precision;
  int expDigits;
  const char* expected;
};

class GeneralFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(GeneralFormat, WritesTheDocumentedText) {
  const auto& c = GetParam();
  EXPECT_EQ(FormatGeneral(c.value, c.precision, c.expDigits), c.expected) << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, GeneralFormat,
    ::testing::Values(
        FormatCase{2.7778E-4, 15, 0, "0.00027778"}, FormatCase{1E-6, 15, 0, "1E-6"},
        FormatCase{3599.9712002304, 7, 0, "3599.971"}, FormatCase{123456789, 7, 4, "1.234568E0008"},
        FormatCase{0.00001234, 7, 4, "1.234E-0005"}, FormatCase{12345678, 7, 4, "1.234568E0007"},
        FormatCase{0, 15, 0, "0"}, FormatCase{-0.0, 15, 0, "0"}, FormatCase{-1.5, 15, 0, "-1.5"},
        FormatCase{1.5, 7, 4, "1.5"}, FormatCase{0.0001, 7, 4, "0.0001"}, FormatCase{0.001, 15, 0, "0.001"},
        FormatCase{0.5, 15, 0, "0.5"}, FormatCase{1e-5, 15, 0, "1E-5"}, FormatCase{100, 15, 0, "100"},
        FormatCase{1000, 15, 0, "1000"},
        // e = P is still fixed, e = P + 1 goes scientific
        FormatCase{1234567, 7, 4, "1234567"}, FormatCase{1e15, 15, 0, "1E15"},
        FormatCase{123456789012345, 15, 0, "123456789012345"}, FormatCase{3599.9712002304, 15, 0, "3599.9712002304"},
        FormatCase{1.0 / 0.00027778, 15, 0, "3599.9712002304"},
        // rounding carries into a new digit
        FormatCase{9.9999999, 7, 4, "10"}, FormatCase{-123456789, 7, 4, "-1.234568E0008"},
        FormatCase{1e-300, 15, 0, "1E-300"}, FormatCase{1.7976931348623157e308, 15, 0, "1.79769313486232E308"},
        // exact binary halves go to the even digit
        FormatCase{0.125, 2, 0, "0.12"}, FormatCase{0.375, 2, 0, "0.38"}, FormatCase{2.5, 1, 0, "2"},
        FormatCase{3.5, 1, 0, "4"}, FormatCase{12345.125, 7, 4, "12345.12"}, FormatCase{12345.375, 7, 4, "12345.38"},
        FormatCase{1234565, 6, 0, "1.23456E6"}, FormatCase{1234575, 6, 4, "1.23458E0006"}));

struct ParseCase {
  const char* text;
  bool lenientOk;
  bool strictOk;
  double value;
};

class NumberReading : public ::testing::TestWithParam<ParseCase> {};

TEST_P(NumberReading, AcceptsExactlyTheSyntax) {
  const auto& c = GetParam();
  auto l = ParseLenient(c.text);
  auto s = ParseStrict(c.text);
  EXPECT_EQ(l.has_value(), c.lenientOk) << '"' << c.text << '"';
  EXPECT_EQ(s.has_value(), c.strictOk) << '"' << c.text << '"';
  if (l) {
    EXPECT_DOUBLE_EQ(*l, c.value) << c.text;
  }
  if (s) {
    EXPECT_DOUBLE_EQ(*s, c.value) << c.text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberReading,
    ::testing::Values(
        ParseCase{"1", true, true, 1}, ParseCase{"2.5", true, true, 2.5}, ParseCase{" 12", true, true, 12},
        ParseCase{"12 ", true, false, 12},  // trailing blank: not strict
        ParseCase{"  -3.5e2  ", true, false, -350}, ParseCase{"+1.5E-3", true, true, 0.0015},
        ParseCase{".5", true, true, 0.5}, ParseCase{"5.", true, true, 5}, ParseCase{"1e+3", true, true, 1000},
        ParseCase{"9.807 ", true, false, 9.807}, ParseCase{"", false, false, 0}, ParseCase{"   ", false, false, 0},
        ParseCase{".", false, false, 0}, ParseCase{"e5", false, false, 0}, ParseCase{"1e", false, false, 0},
        ParseCase{"1e+", false, false, 0}, ParseCase{"abc", false, false, 0}, ParseCase{"1,5", false, false, 0},
        ParseCase{"1.2.3", false, false, 0}, ParseCase{"--1", false, false, 0}, ParseCase{"\t1", false, false, 0},
        ParseCase{"0x10", false, false, 0}, ParseCase{"inf", false, false, 0}, ParseCase{"nan", false, false, 0},
        ParseCase{"1e400", false, false, 0},                                       // beyond a double
        ParseCase{"-1e400", false, false, 0}, ParseCase{"1e-400", true, true, 0},  // underflow reads as zero
        ParseCase{"-0", true, true, 0}, ParseCase{"000123.4500", true, true, 123.45}));

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(-3.5), -4);
  EXPECT_EQ(RoundHalfEven(2.4999), 2);
  EXPECT_EQ(RoundHalfEven(2.5001), 3);
  EXPECT_EQ(RoundHalfEven(543.0 / 2) * 2, 544);
  EXPECT_EQ(RoundHalfEven(545.0 / 2) * 2, 544);
}

TEST(ParseInteger, WholeNumbersWithOneSignOnly) {
  struct {
    const char* text;
    std::optional<long long> value;
  } cases[] = {
      {"12", 12},  {" -3 ", -3}, {"+7", 7},   {"0", 0},
      {"1.5", {}}, {"", {}},     {"  ", {}},  {"99999999999999999999", {}},
      {"+-5", {}}, {"-+5", {}},  {"++5", {}}, {"--5", {}},
      {"+", {}},   {"-", {}},    {"+ 5", {}}, {"5a", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(GeneralFormat, RoundTripsEveryFifteenDigitValue) {
  // Values written with 15 digits read back to the same 15 digits.
  for (double x : {1.0 / 3, 2.0 / 3e-7, 6.02214076e23, 1.602176634e-19, 299792458.0, 0.1 + 0.2}) {
    std::string s = FormatGeneral(x, 15, 0);
    auto back = ParseLenient(s);
    ASSERT_TRUE(back) << s;
    EXPECT_EQ(FormatGeneral(*back, 15, 0), s);
    EXPECT_NEAR(*back / x, 1.0, 1e-14);
  }
}

}  // namespace
}  // namespace tharvex
