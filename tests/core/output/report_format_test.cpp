// Column formatting of the calculation report: display widths, the value
// column with its 4 decimals, the unit cut and the title.
#include <gtest/gtest.h>

#include "core/output/report_format.h"

namespace tharvex::report {
namespace {

std::string Blanks(int n) { return std::string(static_cast<size_t>(n), ' '); }

TEST(ReportFormat, DisplayWidthCountsWideCharactersTwice) {
  EXPECT_EQ(DisplayWidth(""), 0);
  EXPECT_EQ(DisplayWidth("kg/s"), 4);
  EXPECT_EQ(DisplayWidth("质量流量"), 8);
  EXPECT_EQ(DisplayWidth("富余度≥"), 8);
  EXPECT_EQ(DisplayWidth("转角30°"), 8);
  EXPECT_EQ(DisplayWidth("高宽比(H/W)"), 11);
}

struct ValueCase {
  const char* text;
  const char* column;  // before padding to 16
};

class ValueColumnTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ValueColumnTest, FormatsAndPadsTo16) {
  const auto& c = GetParam();
  std::string v = ValueColumn(c.text, 4);
  EXPECT_EQ(v, PadRight(c.column, 16)) << "text '" << c.text << "'";
  EXPECT_GE(DisplayWidth(v), 16);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValueColumnTest,
    ::testing::Values(ValueCase{"", ""}, ValueCase{"    ", ""}, ValueCase{"abc", "abc"},
                      ValueCase{" abc ", " abc "},  // not a number: untrimmed, untouched
                      ValueCase{"0", "0.0000"}, ValueCase{"0.0123", "0.0123"}, ValueCase{"1005", "1005.0000"},
                      ValueCase{" 1.25 ", "1.2500"}, ValueCase{"-3", "-3.0000"}, ValueCase{"+.5", "0.5000"},
                      ValueCase{"1.5e3", "1500.0000"}, ValueCase{"1.2.3", "1.2.3"}, ValueCase{"12 kg", "12 kg"},
                      ValueCase{"1e400", "1e400"}, ValueCase{"INF", "INF"}, ValueCase{"1,5", "1,5"},
                      ValueCase{"热流体", "热流体"}, ValueCase{"123456789012.5", "123456789012.5000"}));

// Values that four decimals round so that fewer than three significant digits
// survive keep four significant digits with an exponent; the rest stay as
// they were.
struct DigitsCase {
  const char* text;
  const char* column;
};

class SmallValueTest : public ::testing::TestWithParam<DigitsCase> {};

TEST_P(SmallValueTest, KeepsFourSignificantDigits) {
  const auto& c = GetParam();
  EXPECT_EQ(ValueColumn(c.text, 4), PadRight(c.column, 16)) << "text '" << c.text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SmallValueTest,
    ::testing::Values(DigitsCase{"2.01E-5", "2.010E-5"},       // air viscosity, Pa.s
                      DigitsCase{"0.00017", "1.700E-4"},       // fouling, m2.K/W
                      DigitsCase{"-0.00017", "-1.700E-4"},     // the sign stays
                      DigitsCase{"0.00079", "7.900E-4"},       // water viscosity: "0.0008" kept one digit
                      DigitsCase{"0.001234", "1.234E-3"},      // two digits would survive
                      DigitsCase{"0.00099996", "1.000E-3"},    // four digits round up across the decade
                      DigitsCase{"1.23456E-12", "1.235E-12"},  // two-digit exponent
                      DigitsCase{"0.0100", "0.0100"},          // three survive: unchanged
                      DigitsCase{"0.01234", "0.0123"}, DigitsCase{"0.00004", "4.000E-5"},
                      DigitsCase{"0.0060", "0.0060"},  // held exactly: nothing is lost
                      DigitsCase{"0.001", "0.0010"}, DigitsCase{"-0.0008", "-0.0008"},
                      DigitsCase{"0.0000", "0.0000"},  // zero loses nothing
                      DigitsCase{"-0", "-0.0000"}));

TEST(ReportFormat, CountsAreWholeNumbers) {
  EXPECT_EQ(ValueColumn("6", 0), PadRight("6", 16));
  EXPECT_EQ(ValueColumn("42", 0), PadRight("42", 16));
  EXPECT_EQ(ValueColumn(" 12 ", 0), PadRight("12", 16));
}

TEST(ReportFormat, CutPadGivesExactlyTwentyColumns) {
  // A unit list item: name padded to the bar at 33 columns or more.
  std::string item = "kg/s" + Blanks(30) + "|1";
  EXPECT_EQ(CutPad(item, 20), "kg/s" + Blanks(16));
  EXPECT_EQ(CutPad("根" + Blanks(34) + "|1", 20), "根" + Blanks(18));
  EXPECT_EQ(CutPad("", 20), Blanks(20));
  // A wide character straddling the cut is replaced by a blank.
  std::string straddle = Blanks(19) + "根";
  EXPECT_EQ(CutPad(straddle, 20), Blanks(20));
  EXPECT_EQ(DisplayWidth(CutPad("计算报告计算报告计算报告", 20)), 20);
}

TEST(ReportFormat, PadRightNeverCuts) {
  EXPECT_EQ(PadRight("abc", 5), "abc  ");
  EXPECT_EQ(PadRight("壳程物性及热量平衡了了", 20), "壳程物性及热量平衡了了");
  EXPECT_EQ(PadRight("壳程", 5), "壳程 ");
}

TEST(ReportFormat, RowAndHeadingLayout) {
  // The shell-side mass flow showing 1.25 kg/s.
  std::string row = ReportRow("质量流量", "1.2500", "kg/s");
  EXPECT_EQ(row, Blanks(8) + "质量流量" + Blanks(12) + "1.2500" + Blanks(10) + "kg/s" + Blanks(16));
  EXPECT_EQ(DisplayWidth(row), 64);
  EXPECT_EQ(Heading("1.设计规定"), Blanks(6) + "1.设计规定" + Blanks(10));
  EXPECT_EQ(kSeparator, Blanks(9) + std::string(17, '-'));
}

TEST(ReportFormat, TitleWithAndWithoutProject) {
  EXPECT_EQ(Title(""), Blanks(14) + " 计算报告" + Blanks(11));
  EXPECT_EQ(Title("/home/u/A1.zrf"), Blanks(14) + "A1 计算报告" + Blanks(9));
  EXPECT_EQ(Title("C:\\w\\A1.zrf"), Blanks(14) + "A1 计算报告" + Blanks(9));
  EXPECT_EQ(Title("A1.zrf"), Blanks(14) + "A1 计算报告" + Blanks(9));
  // A long name is kept whole.
  EXPECT_EQ(Title("/p/换热器设计方案第一版.zrf"), Blanks(14) + "换热器设计方案第一版 计算报告");
}

TEST(ReportFormat, ProjectBaseNameDropsFolderAndFourCharacters) {
  EXPECT_EQ(ProjectBaseName("/w/case1.zrf"), "case1");
  EXPECT_EQ(ProjectBaseName("/w/方案.zrf"), "方案");
  // Characters, not bytes: a name without extension loses whole characters.
  EXPECT_EQ(ProjectBaseName("/w/换热器方案"), "换");
  EXPECT_EQ(ProjectBaseName("/w/abc"), "");
  EXPECT_EQ(ProjectBaseName("/w/"), "");
}

}  // namespace
}  // namespace tharvex::report
