// The formula parser: values, error codes, the first-error rule and the
// message and function tables.
#include <gtest/gtest.h>

#include <cmath>

#include "core/props/formula_parser.h"

namespace tharvex::props {
namespace {

struct Case {
  const char* text;
  double value;
  int error;
};
std::ostream& operator<<(std::ostream& os, const Case& c) { return os << '"' << c.text << '"'; }

class FormulaCase : public testing::TestWithParam<Case> {};

TEST_P(FormulaCase, EvaluatesToValueAndCode) {
  const Case& c = GetParam();
  TFormulaParser p(1);
  p.SetExpression(c.text);
  double v = static_cast<double>(p.Evaluate());
  EXPECT_EQ(p.ErrorCode(), c.error);
  EXPECT_NEAR(v, c.value, 1e-12 * std::max(1.0, std::fabs(c.value)));
  EXPECT_TRUE(std::isfinite(v));
}

// Operators, precedence and grouping.
INSTANTIATE_TEST_SUITE_P(
    Operators, FormulaCase,
    testing::Values(Case{"1+2*3^2", 19, 0}, Case{"2^3^2", 64, 0}, Case{"-2^2", 4, 0}, Case{"2^-1", 0.5, 0},
                    Case{"(-8)^(1/3)", 0, 4}, Case{"(-2)^3", -8, 0}, Case{"(-2)^2", 4, 0}, Case{"0^0", 0, 0},
                    Case{"0^-1", 0, 0}, Case{"7-2-1", 4, 0}, Case{"8/4/2", 1, 0}, Case{"+3", 3, 0}, Case{"--3", 3, 0},
                    Case{"2*(3+4)", 14, 0}, Case{"1<2<3", 1, 0}, Case{"1=1 & 0", 1, 0}, Case{"(1=1) & 0", 0, 0},
                    Case{"2 & 1", 0, 13}, Case{"1 | 0", 1, 0}, Case{"0 | 0", 0, 0}, Case{"1 & 1 & 0", 0, 0},
                    Case{"3<=3", 1, 0}, Case{"3<>3", 0, 0}, Case{"3>=4", 0, 0}, Case{"4>3", 1, 0}, Case{"1,2", 1, 0},
                    Case{"1E20*1E20", 0, 11}, Case{"1E-20*1E-20", 0, 11}, Case{"5/0", 0, 9}, Case{"0/5", 0, 0},
                    Case{"1E37+1E38", 0, 11}, Case{"-1E37-1E38", 0, 11}, Case{"1E37-1E38", -9e37, 0},
                    Case{"1E30/1E-30", 0, 11}, Case{"10^38", 0, 11}, Case{"10^37", 1e37, 0}, Case{"(-10)^39", 0, 11}));

// Syntax errors: the code of the first fault.
INSTANTIATE_TEST_SUITE_P(Syntax, FormulaCase,
                         testing::Values(Case{"- 5", 0, 2}, Case{"2 3", 0, 2}, Case{"2(3)", 0, 2}, Case{"2PI", 0, 2},
                                         Case{"(2+3", 0, 3}, Case{"2+3)", 0, 3}, Case{")(", 0, 2}, Case{"", 0, 6},
                                         Case{"    ", 0, 6}, Case{"2+", 0, 2}, Case{"#", 0, 2}, Case{"2\xB0", 0, 2},
                                         Case{"(1 2)", 0, 2}, Case{"5/0 + LN(0)", 0, 9}));

// Numbers as the scanner collects them.
INSTANTIATE_TEST_SUITE_P(Numbers, FormulaCase,
                         testing::Values(Case{".5", 0.5, 0}, Case{"5.", 5, 0}, Case{"1.E3", 1000, 0}, Case{"2E", 0, 1},
                                         Case{"1.2.3", 0, 1}, Case{".", 0, 0}, Case{"1.5e3", 1500, 0},
                                         Case{"1.5E+3", 1500, 0}, Case{"2.5E-1", 0.25, 0}, Case{"1E3E4", 0, 1},
                                         Case{"1E+", 0, 1}, Case{"  42  ", 42, 0}, Case{"1E400", 0, 11},
                                         Case{"1E5000", 0, 1}));

// Function calls and their argument syntax.
INSTANTIATE_TEST_SUITE_P(
    Calls, FormulaCase,
    testing::Values(Case{"sin(0)", 0, 0}, Case{"Sin(0)", 0, 0}, Case{"S I N(0)", 0, 0}, Case{"SIN+1", 0, 14},
                    Case{"SIN 0", 0, 38}, Case{"FOO(1)", 0, 38}, Case{"MAX(5)", 0, 14}, Case{"MAX(1,7,3)", 7, 0},
                    Case{"MAX()", 0, 2}, Case{"MIN(4,-2,9)", -2, 0}, Case{"PI", 3.14159265358979323846, 0},
                    Case{"PI()", 3.14159265358979323846, 0}, Case{"PI(1)", 0, 14}, Case{"E", 2.718281828459045, 0},
                    Case{"XOR(1,0)", 1, 0}, Case{"XOR(1 0)", 0, 2}, Case{"XOR(1;0)", 0, 2}, Case{"XOR(1,1)", 0, 0},
                    Case{"XOR(2,1)", 0, 13}, Case{"SIN(1", 0, 3}, Case{"LENGTH(\"a b\")", 2, 0},
                    Case{"LENGTH('xyz')", 3, 0}, Case{"LENGTH", 0, 0}, Case{"STRCOMP(\"ab\",\"AB\")", 1, 0},
                    Case{"STRCOMP(\"ab\",\"ac\")", 0, 0}, Case{"STRCOMP(\"ab\" \"ac\")", 0, 14},
                    Case{"LENGTH(\"ab)", 0, 34}, Case{"LENGTH(ab)", 0, 33}, Case{"LENGTH(\"ab\")+1", 3, 0},
                    Case{"IF(1,2,3)", 2, 0}, Case{"IF(0,2,3)", 3, 0}, Case{"IF(2,2,3)", 0, 36}, Case{"IF(1,2)", 0, 35},
                    Case{"IF(1,2,3,4)", 0, 35}, Case{"IF(1,2,LN(0))", 0, 7}));

// Every built-in with its domain errors.
INSTANTIATE_TEST_SUITE_P(
    Builtins, FormulaCase,
    testing::Values(
        Case{"ARCTAN(1)", M_PI / 4, 0}, Case{"COS(0)", 1, 0}, Case{"COS(1E19)", 0, 0}, Case{"SIN(1E19)", 0, 0},
        Case{"DEG(PI)", 180, 0}, Case{"RAD(180)", M_PI, 0}, Case{"TAN(0)", 0, 0}, Case{"TAN(PI/2)", 0, 5},
        Case{"TAN(PI/4)", 1, 0}, Case{"AND(1,1,1)", 1, 0}, Case{"AND(1,0)", 0, 0}, Case{"AND(1,2)", 0, 13},
        Case{"OR(0,0,1)", 1, 0}, Case{"OR(0,0)", 0, 0}, Case{"OR(0,3)", 0, 13}, Case{"TRUE", 1, 0}, Case{"FALSE", 0, 0},
        Case{"NOT(0)", 1, 0}, Case{"NOT(1)", 0, 0}, Case{"NOT(2)", 0, 13}, Case{"EXP(0)", 1, 0},
        Case{"EXP(87.5)", 0, 11}, Case{"EXP(-87.5)", 0, 11}, Case{"LN(E)", 1, 0}, Case{"LN(0)", 0, 7},
        Case{"LOG(1000)", 3, 0}, Case{"LOG(-1)", 0, 7}, Case{"SQR(-3)", 9, 0}, Case{"SQR(0)", 0, 0},
        Case{"SQR(1E19)", 0, 11}, Case{"SQR(1E-19)", 0, 11}, Case{"SQRT(16)", 4, 0}, Case{"SQRT(-1)", 0, 8},
        Case{"ABS(-2)", 2, 0}, Case{"FRAC(-2.25)", -0.25, 0}, Case{"INT(-2.7)", -2, 0}, Case{"INT(2.7)", 2, 0},
        Case{"ROUND(-2.5)", -3, 0}, Case{"ROUND(2.5)", 3, 0}, Case{"ROUND(3E9+0.5)", 3e9 + 0.5, 0},
        Case{"SGN(0)", 1, 0}, Case{"SGN(-4)", -1, 0}, Case{"CSC(0)", 0, 17}, Case{"CSC(PI/2)", 1, 0},
        Case{"SEC(0)", 1, 0}, Case{"SEC(PI/2)", 0, 18}, Case{"COT(0)", 0, 19}, Case{"COT(PI/4)", 1, 0},
        Case{"SINH(0)", 0, 0}, Case{"SINH(88)", 0, 20}, Case{"COSH(0)", 1, 0}, Case{"COSH(-88)", 0, 20},
        Case{"TANH(0)", 0, 0}, Case{"TANH(88)", 0, 20}, Case{"CSCH(0)", 0, 21}, Case{"CSCH(88)", 0, 20},
        Case{"CSCH(1E-20)", 0, 11}, Case{"SECH(0)", 1, 0}, Case{"SECH(88)", 0, 20}, Case{"COTH(0)", 0, 22},
        Case{"COTH(1E-20)", 0, 11}, Case{"COTH(88)", 0, 20}, Case{"ARCSINH(0)", 0, 0}, Case{"ARCSINH(1E19)", 0, 20},
        Case{"ARCSINH(-1E10)", 0, 11}, Case{"ARCCOSH(1)", 0, 0}, Case{"ARCCOSH(0.5)", 0, 23},
        Case{"ARCCOSH(1E19)", 0, 20}, Case{"ARCTANH(0)", 0, 0}, Case{"ARCTANH(1)", 0, 24}, Case{"ARCCSCH(0)", 0, 25},
        Case{"ARCCSCH(1E19)", 0, 20}, Case{"ARCCSCH(-1E-10)", 0, 11}, Case{"ARCSECH(1)", 0, 0},
        Case{"ARCSECH(0)", 0, 26}, Case{"ARCSECH(1.5)", 0, 26}, Case{"ARCSECH(1E19)", 0, 20}, Case{"ARCCOTH(1)", 0, 27},
        Case{"ARCCOTH(-0.5)", 0, 27}, Case{"AVG(1,2,3)", 2, 0}, Case{"AVGERAGE(2,4)", 3, 0},
        Case{"STD(2,4,4,4,5,5,7,9)", 2.138089935299395, 0}, Case{"STDEV(1,1)", 0, 0}, Case{"STD(0.1,0.1,0.1)", 0, 0},
        Case{"STD(1E19,1)", 0, 11}, Case{"MEAN(1,2)", 0, 32}, Case{"SUM(1,2,3)", 6, 0}, Case{"SUM(5E37,5E37)", 0, 11},
        Case{"RND(2.5)", 0, 37}, Case{"RND(3E9)", 0, 37}, Case{"RND(0)", 0, 0}, Case{"RND(1)", 0, 0}));

TEST(FormulaParser, NewParserEvaluatesZeroWithoutError) {
  TFormulaParser p;
  EXPECT_EQ(p.Expression(), "0");
  EXPECT_EQ(p.Evaluate(), 0);
  EXPECT_EQ(p.ErrorCode(), 0);
}

TEST(FormulaParser, ExtendedPrecisionThroughout) {
  TFormulaParser p;
  p.SetExpression("(1+1E-18)-1");
  EXPECT_NEAR(static_cast<double>(p.Evaluate()), 1e-18, 1.5e-19);  // a double would give 0
}

TEST(FormulaParser, FirstErrorWinsAndSetExpressionResets) {
  TFormulaParser p;
  p.SetError(7);
  p.SetError(9);
  EXPECT_EQ(p.ErrorCode(), 7);
  p.SetExpression("1");
  EXPECT_EQ(p.ErrorCode(), 0);
  p.SetExpression("SQRT(-1)+5/0");
  p.Evaluate();
  EXPECT_EQ(p.ErrorCode(), 8);
  p.SetExpression("1+1");
  EXPECT_EQ(p.Evaluate(), 2);
  EXPECT_EQ(p.ErrorCode(), 0);
}

TEST(FormulaParser, RandomNumbersStayInRange) {
  TFormulaParser p(42);
  for (int i = 0; i < 200; ++i) {
    p.SetExpression("RAND");
    Real r = p.Evaluate();
    EXPECT_GE(r, 0);
    EXPECT_LT(r, 1);
    p.SetExpression("RND(6)");
    Real n = p.Evaluate();
    EXPECT_EQ(n, std::trunc(n));
    EXPECT_GE(n, 0);
    EXPECT_LT(n, 6);
  }
}

TEST(FormulaParser, DeepNestingIsRefusedNotCrashed) {
  TFormulaParser p;
  p.SetExpression(std::string(5000, '(') + "1" + std::string(5000, ')'));
  EXPECT_EQ(p.Evaluate(), 0);
  EXPECT_EQ(p.ErrorCode(), 10);
  p.SetExpression(std::string(5000, '-') + "1");
  EXPECT_EQ(p.Evaluate(), 0);
  EXPECT_EQ(p.ErrorCode(), 10);
  p.SetExpression(std::string(100, '(') + "1" + std::string(100, ')'));
  EXPECT_EQ(p.Evaluate(), 1);
}

TEST(FormulaParser, RangeThresholds) {
  EXPECT_NEAR(static_cast<double>(LnRangeBound()), 87.4982335, 1e-6);
  EXPECT_NEAR(static_cast<double>(SqrtRangeBound()), 9.999999995e18, 1e9);
}

TEST(FormulaParser, MessageTableTexts) {
  TFormulaParser p;
  EXPECT_EQ(p.ErrorMessage(0), "结果正确");
  EXPECT_EQ(p.ErrorMessage(3), "( ) 不匹配");
  EXPECT_EQ(p.ErrorMessage(11), "Intermediate result out of range");
  EXPECT_EQ(p.ErrorMessage(20), "Parameter to large");
  EXPECT_EQ(p.ErrorMessage(24), "ArcTanh(x) not defined for Abs(x)=>1");
  EXPECT_EQ(p.ErrorMessage(36), "条件表达式值应为\"是\"或\"否\"");
  EXPECT_EQ(p.ErrorMessage(39), "未发现对象!");
  EXPECT_EQ(p.ErrorMessage(15), "");
  EXPECT_EQ(p.MessageLines().front(), "0=结果正确");
  EXPECT_EQ(p.MessageLines().size(), 37u);
  p.SetErrorMessage(9, "division by zero");
  EXPECT_EQ(p.ErrorMessage(9), "division by zero");
  p.SetErrorMessage(99, "new");
  EXPECT_EQ(p.MessageLines().back(), "99=new");
}

TEST(FormulaParser, RegistryOrderAndNameRules) {
  TFormulaParser p;
  auto lines = p.RegistryLines();
  ASSERT_EQ(lines.size(), 52u);
  EXPECT_EQ(lines.front(), "ARCTAN=1");
  EXPECT_EQ(lines[7], "AND=3");
  EXPECT_EQ(lines[49], "LENGTH=8");
  EXPECT_EQ(lines.back(), "IF=3");
  p.AddFunction("sin", 1, &p.funcs());
  EXPECT_EQ(p.ErrorCode(), 30);
  EXPECT_EQ(p.RegistryLines().size(), 52u);
  p.SetExpression("0");
  p.AddFunction("1abc", 1, nullptr);
  EXPECT_EQ(p.ErrorCode(), 12);
  p.SetExpression("0");
  p.AddFunction("my-func", 1, nullptr);
  EXPECT_EQ(p.ErrorCode(), 12);
  EXPECT_EQ(p.RegistryLines().back(), "MY-FUNC=1");
  // An entry without a handler object.
  p.AddFunction("nohandler", 0, nullptr);
  p.SetExpression("NOHANDLER");
  p.Evaluate();
  EXPECT_EQ(p.ErrorCode(), 39);

  // What one parser enters or renames stays its own.
  p.SetErrorMessage(0, "ok");
  TFormulaParser q;
  EXPECT_EQ(q.RegistryLines().size(), 52u);
  EXPECT_EQ(q.ErrorMessage(0), "结果正确");
  q.SetExpression("NOHANDLER");
  q.Evaluate();
  EXPECT_EQ(q.ErrorCode(), 38);
  // A built-in of a parser calls that parser's own functions.
  q.SetExpression("SIN(0)+1");
  EXPECT_EQ(q.Evaluate(), 1);
  EXPECT_EQ(q.ErrorCode(), 0);
}

}  // namespace
}  // namespace tharvex::props
