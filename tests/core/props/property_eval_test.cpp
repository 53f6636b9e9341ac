// Library property texts: cuts, tables, formulas with their keys, and
// equation-of-state calls, at the window's grid values.
#include <gtest/gtest.h>

#include <cmath>

#include "core/fields/form.h"
#include "core/props/formula_parser.h"
#include "core/props/prop_errors.h"
#include "core/props/property_eval.h"
#include "tests/strict_message_sink.h"

namespace tharvex::props {
namespace {

double Eval(const char* text, const char* prop = "CP", double t = 20, bool liquid = false) {
  TMyValues g = TMyValues::PropertyWindowGrid();
  std::string ts = std::to_string(t);
  g.SetValue("t", ts);
  PropOutcome o = EvaluatePropertyText(prop, std::string(text), liquid, g);
  EXPECT_EQ(o.kind, PropOutcome::Value) << text;
  return o.value;
}

struct TextCase {
  const char* text;
  double t;
  double value;
};
std::ostream& operator<<(std::ostream& os, const TextCase& c) { return os << '"' << c.text << '"'; }
class PropertyText : public ::testing::TestWithParam<TextCase> {};
TEST_P(PropertyText, Evaluates) {
  EXPECT_NEAR(Eval(GetParam().text, "CP", GetParam().t), GetParam().value, 1e-9 * std::max(1.0, GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, PropertyText,
    ::testing::Values(TextCase{"4187", 20, 4187}, TextCase{"20,998.2", 20, 998.2}, TextCase{"20,998.2", 75, 998.2},
                      TextCase{"0,999.8;20,998.2;40,992.2;60,983.2;80,971.8", 50, 988.0375},
                      TextCase{"Cp = 1800+2.5*t ?fitted", 20, 1850}, TextCase{"1800+2.5*t", 20, 1850},
                      TextCase{"R*Tr/M PARAMS: 5000,300,100,0.3,0.1,20", 20, 8.314 * (293.15 / 300) / 20},
                      TextCase{"100+2*t<note", 20, 140}, TextCase{"100+2*t{note}", 20, 140}, TextCase{"1E3", 20, 1000},
                      TextCase{"  label = 5 ? comment = 6", 20, 5}, TextCase{"exp(1)", 20, std::exp(1.0)},
                      TextCase{"EXP(1)", 20, 0}, TextCase{"a=b=4187", 20, 0}, TextCase{"T", 20, 293.15},
                      TextCase{"P", 20, 100000}, TextCase{"Pc PARAMS: 5000,300,100,0.3,0.1,20", 20, 5e6},
                      TextCase{"Pr PARAMS: 5000,300", 20, 0.02}, TextCase{"Tc PARAMS: 5000,300", 20, 300},
                      TextCase{"Vc PARAMS: 5000,300,100", 20, 1e-4}, TextCase{"Zc PARAMS: 5000,300,100,0.3", 20, 0.3},
                      TextCase{"w*1000 PARAMS: 5000,300,100,0.3,0.1", 20, 100},
                      TextCase{"B PARAMS: 1,2,3,4,5,6,7", 20, 7}));

TEST(EvaluateProperty, ParameterVectorLayout) {
  TMyValues g = TMyValues::PropertyWindowGrid();
  ParamVector v{};
  FillVector(v, "5000,300,100,0.3,0.1,20", g);
  EXPECT_EQ(v, (ParamVector{0, 5000, 300, 100, 0.3, 0.1, 20, 100, 20}));
  ParamVector seven{};
  FillVector(seven, "1,2,3,4,5,6,7", g);
  EXPECT_EQ(seven[8], 100);  // p and t move one place on
  EXPECT_EQ(seven[9], 20);
  EXPECT_THROW(FillVector(v, "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19", g), std::length_error);
}

TEST(EvaluateProperty, EquationOfStateTexts) {
  ParamVector v{0, 5000, 300, 100, 0.3, 0.1, 20, 100, 20};
  EXPECT_DOUBLE_EQ(Eval("MD=PRV:5000,300,100,0.3,0.1,20", "MD"), PrDensity(v, 20, 0));
  EXPECT_DOUBLE_EQ(Eval("PRU:5000,300,100,0.3,0.1,20", "VI"), PrViscosity(v, 20, 0));
  EXPECT_DOUBLE_EQ(Eval("PRD:5000,300,100,0.3,0.1,20", "tc"), PrConductivity(v, 20, 0));
  EXPECT_DOUBLE_EQ(Eval("XYZ:5000,300,100,0.3,0.1,20", "MD"), PrDensity(v, 20, 0));  // unknown prefix: PR
  EXPECT_DOUBLE_EQ(Eval("PRV:5000,300,100,0.3,0.1,20", "MD", 20, true), PrDensity(v, 20, 1));
  v[0] = 1;
  EXPECT_DOUBLE_EQ(Eval("MD=VRV:5000,300,100,0.3,0.1,20", "MD"), VirialDensity(v, 20, 0));
  EXPECT_GT(Eval("MD=VRV:5000,300,100,0.3,0.1,20", "MD"), 0);
}

// A property the equations of state have no routine for, or a state they
// cannot solve, is named as a failure and never passes as a value of 0.
TEST(EvaluateProperty, EquationOfStateWithoutAnswerIsAFailure) {
  TMyValues g = TMyValues::PropertyWindowGrid();
  g.SetValue("t", "20");
  for (auto [text, prop] :
       {std::pair{"HV=PRV:5000,300,100,0.3,0.1,20", "HV"}, std::pair{"CP=VRV:5000,300,100,0.3,0.1,20", "CP"},
        std::pair{"VRV:5000,300,100,0.3,0.1,20", "VI"}}) {
    PropOutcome o = EvaluatePropertyText(prop, std::string(text), false, g);
    EXPECT_TRUE(o.Failed()) << text;
    EXPECT_NE(OutcomeFailure(prop, o).find("没有状态方程算法"), std::string::npos) << OutcomeFailure(prop, o);
    EXPECT_NE(OutcomeFailure(prop, o).find(PropertyCaption(prop)), std::string::npos);
  }
  PropOutcome good = EvaluatePropertyText("MD", std::string("PRV:5000,300,100,0.3,0.1,20"), false, g);
  EXPECT_FALSE(good.Failed());
}

TEST(EvaluateProperty, ResidualHeatCapacityKeys) {
  ParamVector v{0, 3395.8, 126.19, 89.2, 0.289, 0.0372, 28.013, 100, 20};
  EXPECT_NEAR(Eval("1000+PRRCP PARAMS: 3395.8,126.19,89.2,0.289,0.0372,28.013"), 1000 + PrResidualCp(v, 20, 0), 1e-9);
  EXPECT_NEAR(Eval("1000+VRRCP PARAMS: 3395.8,126.19,89.2,0.289,0.0372,28.013"), 1000 + VirialResidualCp(v, 20, 0),
              1e-9);
}

TEST(EvaluateProperty, VrBringsAGridRowV) {
  TMyValues g = TMyValues::PropertyWindowGrid();
  PropOutcome o = EvaluatePropertyText("CP", std::string("Vr PARAMS: 5000,300,100"), false, g);
  EXPECT_EQ(o.value, 0);
  EXPECT_TRUE(g.HasName("V"));
  g.SetValue("V", "50");
  o = EvaluatePropertyText("CP", std::string("Vr PARAMS: 5000,300,100"), false, g);
  EXPECT_DOUBLE_EQ(o.value, 50 / 1e8);
}

TEST(EvaluateProperty, BadNumbersRaiseConversionErrors) {
  TMyValues g = TMyValues::PropertyWindowGrid();
  EXPECT_THROW(EvaluatePropertyText("CP", std::string("max(t,1)"), false, g), ConversionError);
  EXPECT_THROW(EvaluatePropertyText("MD", std::string("PRV:5000,abc"), false, g), ConversionError);
  EXPECT_THROW(EvaluatePropertyText("CP", std::string("t PARAMS: 1,x"), false, g), ConversionError);
  g.SetValue("t", "hot");
  EXPECT_THROW(EvaluatePropertyText("CP", std::string("0,1;10,2"), false, g), ConversionError);
  g.SetValue("t", "20");
  EXPECT_THROW(EvaluatePropertyText("CP", std::string(300, '1') + "+t", false, g), FormulaRangeError);
}

class WindowEval : public ::testing::Test {
 protected:
  WindowEval() : form(sink), field(form.Add("CPD", ControlKind::TEditD)) { field.setText("7"); }
  tharvex::testing::StrictMessageSink sink;
  Form form;
  Control& field;
  TMyValues grid = TMyValues::PropertyWindowGrid();
  PropRecord rec;
};

TEST_F(WindowEval, NoTemperatureShowsTheMessageAndKeepsTheField) {
  sink.Expect("请指定温度！");
  grid.SetValue("t", "");
  rec.Set(PropField::CP, "4187");
  EvaluateProperty("Cp", field, rec, grid, sink);
  EvaluateProperty("MD", field, rec, grid, sink);
  ASSERT_EQ(sink.shown.size(), 2u);
  EXPECT_EQ(sink.shown[0].text, "请指定温度！");
  EXPECT_EQ(field.text(), "7");
}

TEST_F(WindowEval, NullOrEmptyTextClearsTheField) {
  EvaluateProperty("ST", field, rec, grid, sink);
  EXPECT_EQ(field.text(), "");
  field.setText("7");
  rec.Set(PropField::ST, "  ? only a comment");
  EvaluateProperty("ST", field, rec, grid, sink);
  EXPECT_EQ(field.text(), "");
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(WindowEval, ValueGoesThroughTheFieldUnit) {
  field.setExchangeRaw(1000);  // kJ/(kg.K)
  rec.Set(PropField::CP, "cp = 4187");
  EvaluateProperty("cp", field, rec, grid, sink);
  EXPECT_EQ(field.text(), "4.187");
}

TEST_F(WindowEval, FormulaWithoutVariablesBlanksTheTemperatureForLaterProperties) {
  sink.Expect("请指定温度！");
  rec.Set(PropField::CP, "2*exp(2)");
  rec.Set(PropField::MD, "1000-t");
  EvaluateProperty("CP", field, rec, grid, sink);
  EXPECT_NEAR(std::stod(field.text()), 2 * std::exp(2.0), 1e-12);
  EvaluateProperty("MD", field, rec, grid, sink);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].text, "请指定温度！");
}

TEST_F(WindowEval, LiquidMarkComesFromTheChineseName) {
  rec.Set(PropField::CN, "水(液)");
  EXPECT_TRUE(rec.IsLiquid());
  rec.Set(PropField::CN, "水蒸气");
  EXPECT_FALSE(rec.IsLiquid());
}

TEST(PropertyTextPieces, NamesTheKeysBreak) {
  using Names = std::vector<std::string>;
  const struct {
    const char* text;
    Names names;
  } cases[] = {
      {"SQRT(t)", {"SQRT"}},
      {"EXP(-t/100)", {"EXP"}},
      {"2*PI*t", {"PI"}},
      {"ARCTAN(t)+TRUE", {"ARCTAN", "TRUE"}},
      {"Cp = SQRT(t) ? SQRT", {"SQRT"}},
      {"sqrt(t)+exp(2)+pi", {}},
      {"2*E^t", {}},
      {"R*Tr/M PARAMS: 5000,300,100,0.3,0.1,20", {}},
      {"ABS(t) PARAMS: 1,2,3,4,5,6,7", {"ABS"}},  // B with a seventh parameter
      {"ABS(t)", {}},
      {"0,1;10,SQRT", {}},
      {"PRV:5000,300", {}},
      {"4187", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(NamesBrokenByKeys(std::string(c.text)), c.names) << c.text;
  EXPECT_TRUE(NamesBrokenByKeys(std::nullopt).empty());
}

TEST_F(WindowEval, AFailedFormulaClearsTheFieldWithAMessage) {
  sink.Expect("的公式无法计算");
  rec.Set(PropField::CP, "SQRT(t)");
  EvaluateProperty("Cp", field, rec, grid, sink);
  EXPECT_EQ(field.text(), "");
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_NE(sink.shown[0].text.find("比热"), std::string::npos);
  EXPECT_NE(sink.shown[0].text.find("SQ8.314"), std::string::npos);  // the formula as it was evaluated
  rec.Set(PropField::CP, "sqrt(t)");
  EvaluateProperty("Cp", field, rec, grid, sink);
  EXPECT_NEAR(std::stod(field.text()), std::sqrt(20.0), 1e-12);
  EXPECT_EQ(sink.shown.size(), 1u);
}

TEST(PropertyTextPieces, CutsInOrder) {
  EXPECT_EQ(CutComments(" Cp = 1800+2.5*t ?fitted "), "1800+2.5*t");
  EXPECT_EQ(CutComments("a<b?c"), "a");
  EXPECT_EQ(CutComments("x{=y}"), "x");
  EXPECT_EQ(CutComments("a=b=4187"), "b=4187");
  std::string s = "TrTr";
  ReplaceAll(s, "Tr", "T");
  EXPECT_EQ(s, "TT");
}

}  // namespace
}  // namespace tharvex::props
