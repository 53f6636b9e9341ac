// The one-unknown solver: which field it solves, releases or leaves alone,
// how it marks results, and how it fails.
#include "core/fields/solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "core/fields/form.h"
#include "tests/strict_message_sink.h"

namespace tharvex {
namespace {

constexpr int32_t kMark = colors::SkyBlue;
constexpr int32_t kOtherMark = colors::MoneyGreen;

class Solver : public ::testing::Test {
 protected:
  Solver() {
    for (const char* n : {"A", "B", "C"}) fields.push_back(&form.Add(n, ControlKind::TEditD));
  }
  // a + b = c
  static double Sum(const ValueArray& v, int) { return v[0] + v[1] - v[2]; }
  Control* Solve() { return SolveOneUnknown(fields, kMark, 1.2345, Sum); }
  Control& A() { return *fields[0]; }
  Control& B() { return *fields[1]; }
  Control& C() { return *fields[2]; }

  tharvex::testing::StrictMessageSink sink;
  Form form{sink};
  std::vector<Control*> fields;
};

TEST_F(Solver, TwoEmptyFieldsDoNothing) {
  A().setText("1");
  EXPECT_EQ(Solve(), nullptr);
  EXPECT_EQ(B().text(), "");
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(Solver, OneEmptyFieldIsSolvedAndMarked) {
  A().setText("1");
  B().setText("2.5");
  EXPECT_EQ(Solve(), &C());
  EXPECT_NEAR(C().GetSIValue(), 3.5, 1e-9);
  EXPECT_EQ(C().color(), kMark);
  EXPECT_TRUE(C().readOnly());
  EXPECT_EQ(C().cursor(), CursorKind::No);
  // Solving again changes nothing: below the tolerance.
  EXPECT_EQ(Solve(), nullptr);
}

TEST_F(Solver, ResultIsWrittenInTheFieldsUnit) {
  C().setExchangeRaw(1000);
  A().setText("1500");
  B().setText("500");
  Solve();
  EXPECT_EQ(C().text(), "2");
}

TEST_F(Solver, FixedFieldIsNeverSolved) {
  C().setMyResolved(false);
  A().setText("1");
  B().setText("2");
  EXPECT_EQ(Solve(), nullptr);
  EXPECT_EQ(C().text(), "");
}

TEST_F(Solver, EmptyingAnotherFieldReleasesTheOldResult) {
  A().setText("1");
  B().setText("2");
  Solve();
  B().setText("");  // the user makes B the unknown
  EXPECT_EQ(Solve(), &C());
  EXPECT_EQ(C().text(), "");
  EXPECT_EQ(C().color(), colors::Window);
  EXPECT_FALSE(C().readOnly());
  EXPECT_EQ(C().cursor(), CursorKind::Default);
  EXPECT_EQ(Solve(), nullptr);  // two empty now
}

TEST_F(Solver, PreviousResultIsKeptUpToDate) {
  A().setText("1");
  B().setText("2");
  Solve();
  A().setText("10");
  EXPECT_EQ(Solve(), &C());
  EXPECT_NEAR(C().GetSIValue(), 12, 1e-9);
  EXPECT_EQ(Solve(), nullptr);
}

TEST_F(Solver, OverDeterminedListIsNotChecked) {
  A().setText("1");
  B().setText("2");
  C().setText("100");
  EXPECT_EQ(Solve(), nullptr);
  EXPECT_EQ(C().text(), "100");
}

TEST_F(Solver, AnotherListsColourCountsAsPlainInput) {
  A().setText("1");
  B().setText("2");
  C().setText("7");
  C().setColor(kOtherMark);
  EXPECT_EQ(Solve(), nullptr);
  EXPECT_EQ(C().text(), "7");
}

TEST_F(Solver, BlankOnlyTextIsEmptyForSolvingButGivenForAllGiven) {
  A().setText("1");
  B().setText("2");
  C().setText("   ");
  EXPECT_TRUE(AllGiven(fields));
  EXPECT_EQ(EvaluateIfGiven(fields, Sum), kMissingValue);
  EXPECT_EQ(Solve(), &C());
  EXPECT_NEAR(C().GetSIValue(), 3, 1e-9);
}

TEST_F(Solver, EvaluateIfGivenReadsSIValues) {
  A().setText("1");
  B().setText("2");
  C().setText("0.5");
  C().setExchangeRaw(1000);
  EXPECT_DOUBLE_EQ(EvaluateIfGiven(fields, Sum), 1 + 2 - 500);
  C().setText("");
  EXPECT_EQ(EvaluateIfGiven(fields, Sum), -32767);
}

TEST_F(Solver, EvaluateIfGivenTestsEveryFieldBeforeReadingAny) {
  // An unreadable text ahead of an empty field: the value is missing, no error.
  for (auto [a, b, c] : {std::tuple{"x1", "2", ""}, std::tuple{"1", "abc", " "}, std::tuple{"", "x", "y"}}) {
    A().setText(a);
    B().setText(b);
    C().setText(c);
    EXPECT_EQ(EvaluateIfGiven(fields, Sum), kMissingValue) << a << '|' << b << '|' << c;
  }
  A().setText("1");
  C().setText("3");
  EXPECT_THROW(EvaluateIfGiven(fields, Sum), ConversionError);  // all given, "x" unreadable
}

TEST_F(Solver, BadTextShowsTheWarningAndPassesTheErrorOn) {
  sink.Expect("发现错误，可能是输入数据错误！");
  A().setText("x1");
  B().setText("2");
  EXPECT_THROW(Solve(), ConversionError);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].text, "发现错误，可能是输入数据错误！");
  EXPECT_EQ(sink.shown[0].icon, MessageIcon::Warning);
}

TEST_F(Solver, NonFiniteResidualIsAnErrorNotAHang) {
  sink.Expect("发现错误，可能是输入数据错误！");
  A().setText("1");
  B().setText("2");
  auto logOfNegative = [](const ValueArray& v, int) { return std::log(-std::fabs(v[2]) - 1); };
  EXPECT_THROW(SolveOneUnknown(fields, kMark, 1.2345, logOfNegative), SolveError);
  EXPECT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(C().text(), "");
}

TEST_F(Solver, ResultBeyondTheRangeOfItsUnitIsAnError) {
  sink.Expect("发现错误，可能是输入数据错误！");
  C().setExchangeRaw(1.0E-6);  // shown in mm2
  A().setText("1e150");
  B().setText("1e153");
  // ln c = ln a + ln b: the root 1e303 m2 is 1e309 mm2, more than a double holds.
  auto logs = [](const ValueArray& v, int) { return std::log(v[0]) + std::log(v[1]) - std::log(v[2]); };
  EXPECT_THROW(SolveOneUnknown(fields, kMark, 1.2345, logs), SolveError);
  EXPECT_EQ(C().text(), "");
  EXPECT_EQ(C().color(), colors::Window);
  EXPECT_EQ(sink.shown.size(), 1u);
  // Used directly, the writer refuses in the same way and leaves the field alone.
  C().setText("5");
  EXPECT_THROW(StoreSolved(C(), kMark, 0.1, 1e303), SolveError);
  EXPECT_THROW(StoreSolved(C(), kMark, 0.1, std::numeric_limits<double>::quiet_NaN()), SolveError);
  EXPECT_EQ(C().text(), "5");
  EXPECT_EQ(StoreSolved(C(), kMark, 0.1, 1e-5), &C());
  EXPECT_EQ(C().text(), "10");
}

TEST_F(Solver, ErrorsRaisedInsideTheResidualPropagate) {
  sink.Expect("发现错误，可能是输入数据错误！");
  A().setText("1");
  B().setText("2");
  auto raising = [](const ValueArray&, int) -> double { throw std::domain_error("division by zero"); };
  EXPECT_THROW(SolveOneUnknown(fields, kMark, 1.2345, raising), std::domain_error);
  EXPECT_EQ(sink.shown.size(), 1u);
}

TEST(NewtonSolve, FindsTheRootOfANonlinearRelation) {
  ValueArray v{};
  v[1] = 2;
  auto sq = [](const ValueArray& a, int) { return a[0] * a[0] - a[1]; };
  EXPECT_NEAR(NewtonSolve(v, 200, 0, sq, 0.0001, 1.2345), std::sqrt(2.0), 1e-8);
}

TEST(NewtonSolve, NonFiniteTrialValueIsAnError) {
  ValueArray v{};
  // The perturbed trial of a start near the top of the range overflows, even
  // though this residual stays finite there.
  auto bounded = [](const ValueArray& a, int) { return std::atan(a[0]) - 1; };
  EXPECT_THROW(NewtonSolve(v, 200, 0, bounded, 0.0001, 1.7976e308), SolveError);
  EXPECT_NEAR(NewtonSolve(v, 200, 0, bounded, 0.0001, 1.2345), std::tan(1.0), 1e-8);
}

TEST(NewtonSolve, RestlessResidualEndsAtTheIterationBound) {
  // A residual that ignores its trial value and alternates the sign of its
  // secant: every step is 2 * step * x, back and forth, never below 1e-8 for
  // x near 1e300. Only the iteration bound ends it, as an error.
  int calls = 0;
  auto restless = [&calls](const ValueArray&, int) {
    int iteration = calls / 2;
    bool perturbed = calls++ % 2 == 1;
    double sign = iteration % 2 == 0 ? 1.0 : -1.0;
    return perturbed ? 1.0 + 0.5 * sign : 1.0;
  };
  ValueArray v{};
  EXPECT_THROW(NewtonSolve(v, 200, 0, restless, 0.0001, 1e300), SolveError);
  EXPECT_EQ(calls, 2 * kNewtonMaxIterations);
}

TEST(NewtonSolve, ZeroStartStopsAtOnce) {
  ValueArray v{};
  auto lin = [](const ValueArray& a, int) { return a[0] - 5; };
  EXPECT_EQ(NewtonSolve(v, 200, 0, lin, 0.0001, 0.0), 0.0);
}

TEST(NewtonSolve, ResidualWithoutRootStillEnds) {
  ValueArray v{};
  // Never zero, never changes sign: the step shrinks until dx vanishes.
  auto flat = [](const ValueArray& a, int) { return 1.0 + 1e-30 * a[0]; };
  double x = NewtonSolve(v, 200, 0, flat, 0.0001, 1.2345);
  EXPECT_TRUE(std::isfinite(x));
}

TEST(NewtonSolve, DivergingIterationEndsWithAFiniteValueOrAnError) {
  ValueArray v{};
  // The secant step of x^(1/3) overshoots: x doubles and flips sign each time.
  auto cubeRoot = [](const ValueArray& a, int) { return std::cbrt(a[0]); };
  try {
    EXPECT_TRUE(std::isfinite(NewtonSolve(v, 200, 0, cubeRoot, 0.0001, 1.2345)));
  } catch (const SolveError&) {
  }
  // A residual that overflows on the way is an error, never an infinity.
  auto exploding = [](const ValueArray& a, int) { return std::exp(a[0] * a[0]) - 1e300; };
  try {
    double x = NewtonSolve(v, 200, 0, exploding, 0.0001, 30);
    EXPECT_TRUE(std::isfinite(x));
  } catch (const SolveError&) {
  }
}

}  // namespace
}  // namespace tharvex
