// The variable grid and formulas evaluated over it.
#include <gtest/gtest.h>

#include <cmath>

#include "core/props/formula_parser.h"
#include "core/props/my_values.h"

namespace tharvex::props {
namespace {

TEST(TMyValues, StartsWithTitlesAndTheWindowRows) {
  TMyValues g;
  EXPECT_EQ(g.Titles(), (std::vector<std::string>{"名称", "数量", "单位", "备注"}));
  EXPECT_TRUE(g.Unique());
  TMyValues w = TMyValues::PropertyWindowGrid();
  EXPECT_EQ(w.Names(), (std::vector<std::string>{"名称", "t", "p"}));
  EXPECT_EQ(w.Values(), (std::vector<std::string>{"数量", "20", "100"}));
  EXPECT_EQ(w.Units(), (std::vector<std::string>{"单位", "C", "kPa"}));
  EXPECT_EQ(w.Notes(), (std::vector<std::string>{"备注", "温度", "压力"}));
}

TEST(TMyValues, NamesIgnoreCase) {
  TMyValues g = TMyValues::PropertyWindowGrid();
  EXPECT_EQ(g.GetValue("T"), "20");
  EXPECT_EQ(g.GetValue("名称"), "数量");  // row 0 is searched too
  EXPECT_EQ(g.GetValue("x"), "");
  g.SetValue("P", "250");
  EXPECT_EQ(g.GetValue("p"), "250");
  g.SetValue("q", "1");  // absent: nothing happens
  EXPECT_EQ(g.RowCount(), 3);
}

TEST(TMyValues, ClearFromKeepsRowsAndRefillsFromTheTop) {
  TMyValues g = TMyValues::PropertyWindowGrid();
  g.ClearFrom(1);
  EXPECT_EQ(g.RowCount(), 3);
  EXPECT_EQ(g.GetValue("t"), "");
  EXPECT_EQ(g.Cell(0, 0), "名称");
  g.AddVariable("x", "5", "", "");
  EXPECT_EQ(g.Cell(0, 1), "x");
  EXPECT_EQ(g.Cell(1, 1), "5");
}

TEST(TMyValues, AddVariableRespectsUnique) {
  TMyValues g = TMyValues::PropertyWindowGrid();
  g.AddVariable("T", "99", "", "");
  EXPECT_EQ(g.RowCount(), 3);
  EXPECT_EQ(g.GetValue("t"), "20");
  g.SetUnique(false);
  g.AddVariable("t", "99", "K", "");
  ASSERT_EQ(g.RowCount(), 4);
  EXPECT_EQ(g.Cell(1, 3), "99");
  EXPECT_EQ(g.Cell(2, 3), "K");
  EXPECT_EQ(g.GetValue("t"), "20");  // the first row with the name wins
}

TEST(TMyValues, EmptyArgumentsLeaveCellsAsTheyWere) {
  TMyValues g;
  g.Load({{"名称", "数量", "单位", "备注"}, {"", "old", "u", "n"}});
  g.AddVariable("v", "", "", "");
  EXPECT_EQ(g.Cell(0, 1), "v");
  EXPECT_EQ(g.Cell(1, 1), "old");
  EXPECT_EQ(g.Cell(2, 1), "u");
}

TEST(TMyValues, TypingOnlyIntoNameAndValue) {
  TMyValues g = TMyValues::PropertyWindowGrid();
  EXPECT_TRUE(g.TypeInto(1, 1, "30"));
  EXPECT_TRUE(g.TypeInto(0, 2, "P"));
  EXPECT_FALSE(g.TypeInto(2, 1, "K"));
  EXPECT_FALSE(g.TypeInto(3, 1, "x"));
  EXPECT_FALSE(g.TypeInto(1, 0, "x"));
  EXPECT_EQ(g.GetValue("t"), "30");
  EXPECT_EQ(g.Cell(2, 1), "C");
  EXPECT_EQ(g.Cell(3, 1), "温度");
}

TEST(TMyValues, LoadingTrimsVariableCells) {
  TMyValues g;
  g.Load({{" 名称 ", "数量", "单位", "备注"}, {" t ", " 20 ", " C", "温度 "}});
  EXPECT_EQ(g.GetValue("t"), "20");
  EXPECT_EQ(g.Cell(2, 1), "C");
  EXPECT_EQ(g.Cell(0, 0), " 名称 ");  // the title row stays as loaded
}

TEST(TMyValues, ListPropertiesCopyFromTheTop) {
  TMyValues g;
  g.SetNames({"名称", "a", "b"});
  g.SetValues({"数量", "1", "2"});
  EXPECT_EQ(g.RowCount(), 3);
  EXPECT_EQ(g.GetValue("B"), "2");
  g.SetTitles({"N", "V"});
  EXPECT_EQ(g.Titles(), (std::vector<std::string>{"N", "V", "单位", "备注"}));
}

struct GridCase {
  const char* text;
  double value;
  int error;
};
std::ostream& operator<<(std::ostream& os, const GridCase& c) { return os << '"' << c.text << '"'; }

class GridFormula : public testing::TestWithParam<GridCase> {};

TEST_P(GridFormula, ReplacesLettersByGridValues) {
  TMyValues g = TMyValues::PropertyWindowGrid();
  g.AddVariable("n", "-5", "", "");
  TFormulaParser parser(1);
  double v = static_cast<double>(parser.EvaluateWithGrid(GetParam().text, g));
  EXPECT_EQ(parser.ErrorCode(), GetParam().error);
  EXPECT_NEAR(v, GetParam().value, 1e-12 * std::max(1.0, std::fabs(GetParam().value)));
}

INSTANTIATE_TEST_SUITE_P(Letters, GridFormula,
                         testing::Values(GridCase{"((t+273.15)/300)*(p/5000)", (20 + 273.15) / 300 * (100.0 / 5000), 0},
                                         GridCase{"T*2", 40, 0},        // letters are looked up ignoring case
                                         GridCase{"n^2", 25, 0},        // "-5^2" is 25
                                         GridCase{"1.5e3+t", 1520, 0},  // the exponent mark is no variable
                                         GridCase{"2E1*t", 400, 0},
                                         GridCase{"sqrt(t+5)", 5, 0},  // names are not variables
                                         GridCase{"t_1", 0, 2}));      // "20_1": t stands free beside "_"

TEST(EvaluateWithGrid, MissingVariableGetsAnEmptyRow) {
  TMyValues g = TMyValues::PropertyWindowGrid();
  TFormulaParser p;
  EXPECT_EQ(p.EvaluateWithGrid("2*x", g), 0);
  EXPECT_EQ(p.ErrorCode(), 2);
  ASSERT_EQ(g.RowCount(), 4);
  EXPECT_EQ(g.Cell(0, 3), "x");
  EXPECT_EQ(g.Cell(1, 3), "");
  EXPECT_EQ(g.GetValue("t"), "20");
}

TEST(EvaluateWithGrid, NoVariableBlanksTheGrid) {
  TMyValues g = TMyValues::PropertyWindowGrid();
  TFormulaParser p;
  EXPECT_NEAR(static_cast<double>(p.EvaluateWithGrid("exp(1)", g)), std::exp(1.0), 1e-15);
  EXPECT_EQ(g.GetValue("t"), "");
  EXPECT_EQ(g.GetValue("p"), "");
  EXPECT_EQ(g.Cell(0, 0), "名称");
  EXPECT_EQ(g.RowCount(), 3);
}

TEST(EvaluateWithGrid, EmptyTextBlanksAndYieldsZero) {
  TMyValues g = TMyValues::PropertyWindowGrid();
  TFormulaParser p;
  EXPECT_EQ(p.EvaluateWithGrid("", g), 0);
  EXPECT_EQ(g.GetValue("t"), "");
}

TEST(EvaluateWithGrid, RefusesTooLongOrTooManyLettersBeforeTouchingTheGrid) {
  TMyValues g = TMyValues::PropertyWindowGrid();
  TFormulaParser p;
  std::string ok(255, '1');
  EXPECT_NO_THROW(p.EvaluateWithGrid(ok, g));
  EXPECT_THROW(p.EvaluateWithGrid(std::string(256, '1'), g), FormulaRangeError);
  std::string letters;
  for (int i = 0; i < 101; ++i) letters += i ? "+x" : "x";
  EXPECT_THROW(p.EvaluateWithGrid(letters, g), FormulaRangeError);
  EXPECT_FALSE(g.HasName("x"));
  letters.resize(letters.size() - 2);  // exactly 100 letters
  EXPECT_NO_THROW(p.EvaluateWithGrid(letters, g));
  EXPECT_TRUE(g.HasName("x"));
}

}  // namespace
}  // namespace tharvex::props
