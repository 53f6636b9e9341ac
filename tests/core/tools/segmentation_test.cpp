// Shell temperature segmentation: the worked memos line for line, the number
// format, incomplete input, and the refusal of input that cannot settle.
#include <cmath>
#include <string>
#include <vector>

#include "core/tools/segmentation.h"
#include "tools_fixture.h"

namespace tharvex::tools {
namespace {

using Lines = std::vector<std::string>;

SegmentationInput Start(double n) { return {10, 15, 60, 20, n}; }

TEST(Segmentation, FourSegmentsFromTheStartValues) {
  SegmentationResult r = SegmentShellTemperatures(Start(4));
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.lines, (Lines{"Ts0=60.00", "Ts1=42.53", "Ts2=31.48", "Ts3=24.50", "Ts4=20.00"}));
  EXPECT_EQ(r.passes, 9);
}

TEST(Segmentation, TenSegments) {
  SegmentationResult r = SegmentShellTemperatures(Start(10));
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.lines, (Lines{"Ts0=60.00", "Ts1=52.04", "Ts2=45.42", "Ts3=39.91", "Ts4=35.32", "Ts5=31.50", "Ts6=28.31",
                            "Ts7=25.67", "Ts8=23.46", "Ts9=21.62", "Ts10=20.00"}));
}

TEST(Segmentation, OneSegmentSettlesAtOnce) {
  SegmentationResult r = SegmentShellTemperatures({10, 15, 75.125, 33.3333, 1});
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.passes, 1);
  EXPECT_EQ(r.lines, (Lines{"Ts0=75.12", "Ts1=33.33"}));
}

TEST(Segmentation, CountIsRoundedHalvesToEven) {
  EXPECT_EQ(SegmentShellTemperatures(Start(4.5)).lines.size(), 5u);
  EXPECT_EQ(SegmentShellTemperatures(Start(3.5)).lines.size(), 5u);
  EXPECT_EQ(SegmentShellTemperatures(Start(1.5)).lines.size(), 3u);
}

TEST(Segmentation, UnchangedShellTemperatureSettles) {
  SegmentationResult r = SegmentShellTemperatures({10, 15, 40, 40, 3});
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.lines, (Lines{"Ts0=40.00", "Ts1=40.00", "Ts2=40.00", "Ts3=40.00"}));
}

TEST(SegmentationFormat, TwoDecimalsOrFiveDigits) {
  struct {
    double t;
    const char* text;
  } cases[] = {{60, "60.00"},         {42.527, "42.53"},      {21.6246, "21.62"},    {0, "0.00"},
               {-5.004, "-5.00"},     {-0.001, "0.00"},       {0.005, "0.01"},       {123.456, "123.46"},
               {1234.567, "1234.60"}, {12345.67, "12346.00"}, {99999.4, "99999.00"}, {99999.6, "1E5"},
               {123456, "1.2346E5"},  {-123456, "-1.2346E5"}, {1e300, "1E300"},      {NAN, "0.00"}};
  for (auto c : cases) EXPECT_EQ(FormatSegmentTemperature(c.t), c.text) << c.t;
}

// Input the correction cannot settle is refused with one line; nothing loops
// without end and nothing divides by zero.
TEST(SegmentationRefusal, OneClearLine) {
  struct {
    const char* name;
    SegmentationInput in;
    const char* line;
  } cases[] = {
      {"no segments", {10, 15, 60, 20, 0}, "无法分段：段数应为1到10000之间的整数！"},
      {"half a segment", {10, 15, 60, 20, 0.5}, "无法分段：段数应为1到10000之间的整数！"},
      {"negative count", {10, 15, 60, 20, -3}, "无法分段：段数应为1到10000之间的整数！"},
      {"huge count", {10, 15, 60, 20, 1e12}, "无法分段：段数应为1到10000之间的整数！"},
      {"heated shell", {10, 15, 20, 60, 4}, "无法分段：壳程出口温度高于入口温度（壳程被加热）！"},
      {"outlet at the tube mean", {10, 15, 60, 12.5, 4}, "无法分段：壳程出口温度须高于管程进出口平均温度！"},
      {"outlet below the tube mean", {10, 15, 60, 11, 4}, "无法分段：壳程出口温度须高于管程进出口平均温度！"},
      {"zero denominator", {10, 15, 12.5, 12.5, 4}, "无法分段：壳程出口温度须高于管程进出口平均温度！"},
      {"sums beyond range", {1e308, 1e308, 60, 20, 4}, "无法分段：温度数值超出计算范围！"},
  };
  for (auto& c : cases) {
    SegmentationResult r = SegmentShellTemperatures(c.in);
    EXPECT_FALSE(r.ok) << c.name;
    EXPECT_EQ(r.lines, Lines{c.line}) << c.name;
  }
}

// Spans large against the segment count, where the plain correction swings
// ever wider (or never ends), settle with the damped step. Every segment keeps
// the same ratio, so with q = (1 - r) / (1 + r) the boundaries are
// T(k) = S/2 + (Ts0 - S/2) q^k, and the outlet gives q^n = (Tsn - S/2) / (Ts0 - S/2).
// The tool stops within 0.1 K of the outlet, which moves T(k) by at most
// about 0.1 (k/n) q^(k-n); the expected values below are this profile.
TEST(SegmentationDamped, LargeSpansSettleOnTheEqualRatioProfile) {
  struct {
    const char* name;
    SegmentationInput in;
  } cases[] = {
      {"cooled gas, 2 segments", {10, 30, 150, 40, 2}},  // T1 = 20 + 130 sqrt(20/130) = 70.99
      {"hot gas, 3 segments", {20, 30, 400, 60, 3}},
      {"flue gas, 6 segments", {15, 45, 900, 120, 6}},
      {"outlet near the tube mean", {10, 15, 1000, 13, 2}},
      {"wide range", {10, 15, 1e6, 100, 5}},
      {"largest count, outlet 0.01 K above the tube mean", {10, 15, 60, 12.51, 10000}},
  };
  for (const auto& c : cases) {
    SegmentationResult r = SegmentShellTemperatures(c.in);
    ASSERT_TRUE(r.ok) << c.name << ": " << r.lines.at(0);
    const int n = static_cast<int>(c.in.segments);
    ASSERT_EQ(r.lines.size(), static_cast<size_t>(n + 1)) << c.name;
    EXPECT_EQ(r.lines.front(), "Ts0=" + FormatSegmentTemperature(c.in.shellIn)) << c.name;
    EXPECT_EQ(r.lines.back(), "Ts" + std::to_string(n) + "=" + FormatSegmentTemperature(c.in.shellOut)) << c.name;
    EXPECT_LE(r.passes, 2 * kMaxSegmentSteps / n) << c.name;
    const double half = (c.in.tubeIn + c.in.tubeOut) / 2, a = c.in.shellIn - half;
    const double q = std::pow((c.in.shellOut - half) / a, 1.0 / n);
    for (int k = 1; k < n && k < 50; ++k) {
      const std::string& line = r.lines[static_cast<size_t>(k)];
      const double shown = std::stod(line.substr(line.find('=') + 1));
      const double exact = half + a * std::pow(q, k);
      EXPECT_NEAR(shown, exact, 0.2 * k / n * std::pow(q, k - n) + 0.01 * std::max(1.0, exact / 1e4))
          << c.name << " " << line;
    }
  }
  // The reproduction, as the memo shows it.
  SegmentationResult r = SegmentShellTemperatures({10, 30, 150, 40, 2});
  EXPECT_EQ(r.lines.front(), "Ts0=150.00");
  EXPECT_NEAR(std::stod(r.lines[1].substr(4)), 20 + std::sqrt(2600.0), 0.1);
  EXPECT_EQ(r.lines.back(), "Ts2=40.00");
}

TEST_F(ToolsTest, MemoFollowsTheFieldsAndKeepsItsLinesOnIncompleteInput) {
  Enter("MnD", "4");
  EXPECT_EQ(Memo(), (Lines{"Ts0=60.00", "Ts1=42.53", "Ts2=31.48", "Ts3=24.50", "Ts4=20.00"}));
  Enter("MnD", "10");
  ASSERT_EQ(Memo().size(), 11u);
  EXPECT_EQ(Memo()[9], "Ts9=21.62");
  const Lines ten = Memo();
  for (const char* name : {"Tt0D", "TtnD", "Ts0D", "TsnD", "MnD"}) {
    std::string kept = field(name).text();
    Enter(name, "");
    EXPECT_EQ(Memo(), ten) << name;
    Enter(name, kept);
  }
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(ToolsTest, RefusalKeepsTheFieldsAsTyped) {
  Enter("TsnD", "70");
  EXPECT_EQ(Memo(), (Lines{"无法分段：壳程出口温度高于入口温度（壳程被加热）！"}));
  EXPECT_EQ(field("TsnD").text(), "70");
  EXPECT_EQ(field("Ts0D").text(), "60");
  Enter("TsnD", "20");
  EXPECT_EQ(Memo().size(), 5u);
}

TEST_F(ToolsTest, UnreadableTextShowsTheConversionErrorAndKeepsTheMemo) {
  sink.Expect("is not a valid floating point value");
  Enter("MnD", "4");
  const Lines four = Memo();
  for (const char* text : {"abc", " ", "1e400", "4 segments"}) {
    sink.shown.clear();
    Enter("MnD", text);
    EXPECT_EQ(Memo(), four) << text;
    ASSERT_EQ(sink.shown.size(), 1u) << text;
    EXPECT_NE(sink.shown[0].text.find("is not a valid floating point value"), std::string::npos);
  }
}

}  // namespace
}  // namespace tharvex::tools
