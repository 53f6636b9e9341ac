// Mean temperature difference, shell-side and tube-side correlations at the
// edges where their branches meet.
#include <algorithm>
#include <cmath>

#include "core/engine/checked_math.h"
#include "core/engine/mean_temperature.h"
#include "core/engine/shell_side.h"
#include "core/engine/tube_side.h"
#include "engine_fixture.h"

namespace tharvex::engine::testing {
namespace {

using MeanTemperatureStep = EngineTest;

TEST(MeanTemperature, LogarithmicMean) {
  EXPECT_DOUBLE_EQ(Lmtd(120, 60, 20, 80), 40);  // equal terminal differences
  EXPECT_DOUBLE_EQ(Lmtd(150, 70, 20, 50), 50 / std::log(2.0));
  EXPECT_THROW(Lmtd(100, 60, 20, 100), ArithmeticError);  // one difference zero
}

TEST(MeanTemperature, CorrectionFactor) {
  // R = 1: (1.414214 P/(1-P)) / ln((2/P - 0.58578)/(2/P - 3.41421)) with P = 0.5.
  const double special = 1.414214 / std::log((4 - 0.58578) / (4 - 3.41421));
  EXPECT_NEAR(LmtdCorrection(1, 2, 100, 60, 20, 60, 'C').factor, special, 1e-12);
  // One tube pass lies halfway to 1.
  EXPECT_NEAR(LmtdCorrection(1, 1, 100, 60, 20, 60, 'C').factor, (special + 1) / 2, 1e-12);
  // Constant temperature on one side: 1.
  EXPECT_EQ(LmtdCorrection(1, 2, 100, 100, 20, 60, 'C'), (LmtdCorrectionResult{1, true}));
  // No real value for this R and P: 0.5, not computed.
  EXPECT_EQ(LmtdCorrection(1, 2, 100, 50, 10, 90, 'C'), (LmtdCorrectionResult{0.5, false}));
  // A factor below 0.8 is still computed.
  const LmtdCorrectionResult low = LmtdCorrection(1, 2, 100, 60, 20, 60, 'C');
  EXPECT_LT(low.factor, 0.81);
  EXPECT_TRUE(low.computed);
  // Zero units in series divide by zero: also the failure value.
  EXPECT_EQ(LmtdCorrection(0, 2, 150, 70, 20, 50, 'C'), (LmtdCorrectionResult{0.5, false}));
}

// The step reads the terminal temperatures as the labels say (shell hot
// here), shows the correction warning and keeps the sweep's difference.
TEST_F(MeanTemperatureStep, WarningAndTheSweepsCachedDifference) {
  auto step = [&](const char* ts1, const char* ts2, const char* tt1, const char* tt2) {
    C("Ts1D").setText(ts1);
    C("Ts2D").setText(ts2);
    C("Tt1D").setText(tt1);
    C("Tt2D").setText(tt2);
    EXPECT_EQ(engine().LabelHotCold(), HotSide::Shell);
    engine().MeanTempDifference();
  };
  form().SelectItem(C("PnD"), 1);  // two passes
  step("100", "50", "10", "90");   // no real correction factor
  EXPECT_EQ(Text("CdtD"), "0.5000");
  EXPECT_EQ(Status(), "温差校正系数<0.8，如可能请调整工艺数据!");
  step("150", "70", "20", "50");  // a computed factor clears it again
  EXPECT_EQ(Status(), "");
  const double lmtd = 50 / std::log(2.0);
  EXPECT_DOUBLE_EQ(engine().state().CachedLmtd, lmtd);
  const double f = LmtdCorrection(1, 2, 150, 70, 20, 50, 'C').factor;
  EXPECT_NEAR(SI("AdtD"), f * lmtd, 1e-9);
  engine().state().Optimising = true;  // the sweep reuses the cached value
  step("160", "60", "20", "50");
  EXPECT_DOUBLE_EQ(engine().state().CachedLmtd, lmtd);
  EXPECT_NEAR(SI("AdtD"), LmtdCorrection(1, 2, 160, 60, 20, 50, 'C').factor * lmtd, 1e-9);
}

TEST(MeanTemperature, CorrectionFactorText) {
  EXPECT_EQ(FormatCorrection(0.95123456), "0.9512");
  EXPECT_EQ(FormatCorrection(1), "1.0000");
  EXPECT_EQ(FormatCorrection(0.5), "0.5000");
  EXPECT_EQ(FormatCorrection(0.99999996), "1.0000");
  EXPECT_EQ(FormatCorrection(1234.56789), "1234.5680");  // seven significant digits
  EXPECT_EQ(FormatCorrection(-3.25), "-3.2500");
  EXPECT_EQ(FormatCorrection(-0.00001), "0.0000");
}

TEST_F(MeanTemperatureStep, CondensingTubeAtConstantTemperatureHasNoCorrection) {
  SteamHeaterCase();
  EXPECT_EQ(Text("CdtD"), "1.0000");
  // Cold shell, "H" row: (Tt1, Tt2, Ts1, Ts2): differences 40 and 80.
  EXPECT_NEAR(SI("AdtD"), 40 / std::log(2.0), 1e-9);
}

TEST(TubeSide, TransitionAndTurbulentBranches) {
  bool laminar = true;
  const double turb2300 = 0.023 * (0.55 / 0.035) * std::pow(2300, 0.8) * std::pow(6.0, 0.3);
  const double at2300 = SinglePhaseFilm(2300, 6, 0.55, 0.035, 0.0008, 2, 1.05, laminar);
  EXPECT_FALSE(laminar);
  EXPECT_NEAR(at2300 / turb2300, 0.467, 5e-4);
  const double below = SinglePhaseFilm(9999.999, 6, 0.55, 0.035, 0.0008, 2, 1.05, laminar);
  const double at10000 = SinglePhaseFilm(10000, 6, 0.55, 0.035, 0.0008, 2, 1.05, laminar);
  EXPECT_NEAR(below / at10000, 0.962, 1e-3);
  // Viscous liquid from 0.003 Pa.s on: 0.027 and the wall factor.
  const double thin = SinglePhaseFilm(20000, 6, 0.55, 0.035, 0.0029999, 2, 0.95, laminar);
  const double thick = SinglePhaseFilm(20000, 6, 0.55, 0.035, 0.003, 2, 0.95, laminar);
  EXPECT_NEAR(thick / thin, 0.027 * 0.95 / 0.023, 1e-12);
  // Laminar: 1.86 (λ/di) (Re Pr di / L)^(1/3) ψ.
  const double lam = SinglePhaseFilm(1000, 6, 0.55, 0.035, 0.0008, 2, 1.05, laminar);
  EXPECT_TRUE(laminar);
  EXPECT_NEAR(lam, 1.86 * (0.55 / 0.035) * std::cbrt(1000 * 6 * 0.035 / 2) * 1.05, 1e-9);
  EXPECT_THROW(SinglePhaseFilm(-5, 6, 0.55, 0.035, 0.0008, 2, 1.05, laminar), ArithmeticError);
}

TEST(TubeSide, NonCondensableGasStructureFactorAndFriction) {
  EXPECT_EQ(NonCondensableFactor(0.001), 1);
  EXPECT_NEAR(NonCondensableFactor(0.01), 0.447, 1e-3);
  EXPECT_EQ(StructureFactor(0.025), 1.4);
  EXPECT_EQ(StructureFactor(0.0249), 1.5);
  EXPECT_NEAR(ColebrookFriction(17409.601938215495, 0.035), 0.029272137036878018, 1e-12);
  EXPECT_THROW(ColebrookFriction(0, 0.035), ArithmeticError);
}

TEST(ShellSide, BranchesOfTheCorrelations) {
  EXPECT_TRUE(HighFins(1.7, 1.0));  // exactly 1.7 is a high fin
  EXPECT_FALSE(HighFins(1.69, 1.0));
  double n, c;
  BareBankConstants(1, false, n, c);
  EXPECT_EQ(n, 0.6);
  EXPECT_EQ(c, 0.171);
  BareBankConstants(2, false, n, c);
  EXPECT_EQ(c, 0.1995);
  BareBankConstants(4, false, n, c);
  EXPECT_DOUBLE_EQ(c, (0.29 * 2 + 0.399) / 4);
  BareBankConstants(1, true, n, c);
  EXPECT_DOUBLE_EQ(n, 0.6);
  EXPECT_DOUBLE_EQ(c, 0.171);
  BareBankConstants(3, true, n, c);
  EXPECT_DOUBLE_EQ(n, (0.65 * 2 + 0.6) / 3);
  EXPECT_DOUBLE_EQ(c, (0.151 * 2 + 0.171) / 3);
  EXPECT_THROW(BareBankConstants(0, true, n, c), ArithmeticError);
  EXPECT_DOUBLE_EQ(PitchCorrection(2), 1.2);
  EXPECT_DOUBLE_EQ(PitchCorrection(3), 1.3);  // both branches agree at 3
  EXPECT_DOUBLE_EQ(PitchCorrection(4), 1.3);
}

using ShellSideCase = EngineTest;

TEST_F(ShellSideCase, LiquidShellRaisesThePressureDropBy15PerCent) {
  Set("TaD", "");
  AirWaterCase();
  const double gas = SI("DpsD") - 500;
  form().SelectItem(C("PhsD"), kLiquid);
  Calc();
  EXPECT_NEAR((SI("DpsD") - 500) / gas, 1.15, 1e-12);
}

TEST_F(ShellSideCase, ZeroFilmCoefficientEmptiesTheFinCoefficient) {
  AirWaterCase();
  const std::string as = Text("asD");
  Set("WtD", "3");  // both flows given: nothing is solved
  Set("WsD", "0");  // no air flow: Re = 0, kf = 0
  EXPECT_EQ(Text("afD"), "");
  EXPECT_EQ(Text("asD"), as);
}

TEST_F(ShellSideCase, BareTubes) {
  AirWaterCase();
  const std::string yta = Text("ytaD"), af = Text("afD");
  Check("CBTType", true);
  EXPECT_EQ(Text("btaD"), "1");
  EXPECT_EQ(Text("ytaD"), yta);
  EXPECT_EQ(Text("afD"), af);
  for (const auto& line : C("MemoMessage").lines()) {
    EXPECT_NE(line.rfind("bta=", 0), 0u);
    EXPECT_NE(line.rfind("yta=", 0), 0u);
  }
  EXPECT_NEAR(SI("AwrD"), SI("ArD"), 1e-9);
  EXPECT_GT(SI("asD"), 0);
}

TEST_F(ShellSideCase, LaminarWarningComesAndGoes) {
  AirWaterCase();
  EXPECT_EQ(Status(), "");
  Set("MtD", "0.5");  // a very viscous liquid
  EXPECT_EQ(Status(), "管内流速太低，处于层流区！");
  form().SelectItem(C("PhtD"), kGas);
  Set("MtD", "1.8e-5");
  Set("DentD", "1.2");
  Set("CptD", "1005");
  Set("LdtD", "0.028");
  EXPECT_EQ(Status(), "");
}

using TubeSideCase = EngineTest;

TEST_F(TubeSideCase, CondensingTubeReadsTheLiquidViscosityAtThePrandtlNumber) {
  SteamHeaterCase();
  Set("DentvD", "0.6");
  Set("MtvD", "1.2e-5");
  ASSERT_FALSE(Text("atD").empty());
  C("atD").setText("");
  // The vapour Reynolds number is found without it; the attempt ends at Prt.
  Set("MtD", "");
  EXPECT_FALSE(Text("UtD").empty());
  EXPECT_EQ(Text("atD"), "");
  const auto& lines = C("MemoMessage").lines();
  auto starts = [&](const char* prefix) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
  };
  EXPECT_TRUE(starts("Ret="));
  EXPECT_FALSE(starts("Prt="));
}

}  // namespace
}  // namespace tharvex::engine::testing
