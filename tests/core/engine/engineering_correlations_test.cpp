// The engineering method's correlations against published values, grouped
// by correlation. Every expected number below is printed in the source named
// beside it (or is the source's own closed-form equation evaluated at the
// case), never a number this program produced.
#include <gtest/gtest.h>

#include <cmath>

#include "core/engine/method/engineering.h"

namespace tharvex::engine::method {
namespace {

// --- Mean temperature difference of a cross-counterflow bundle ---

// Roetzel & Nicole, "Mean temperature difference for heat exchanger design —
// a general approximate explicit equation", J. Heat Transfer 97 (1975) 5-8:
// air cooler with the hot fluid in the tubes, 93 -> 52 °C, air 35 -> 54.59 °C,
// four tube rows in two passes: F = 0.957.
TEST(CrossCounterflowCorrection, RoetzelNicoleAirCoolerFourRowsTwoPasses) {
  const double p = (93.0 - 52.0) / (93.0 - 35.0);   // tube-side effectiveness
  const double r = (54.59 - 35.0) / (93.0 - 52.0);  // C_tube / C_air
  double f = 0;
  ASSERT_TRUE(CrossCounterflowF(p, r, 4, 2, f));
  EXPECT_NEAR(f, 0.957, 0.0005);
}

// One tube row in one pass is the single-pass cross-flow exchanger with the
// tube fluid mixed and the air unmixed; Incropera & DeWitt, Fundamentals of
// Heat and Mass Transfer, table 11.3:
//   Cmin mixed:  ε = 1 - exp(-(1/Cr)(1 - exp(-Cr NTU)))
//   Cmax mixed:  ε = (1/Cr)(1 - exp(-Cr (1 - exp(-NTU))))
struct SingleRowCase {
  double ntuTube;  // UA / C_tube
  double ratio;    // C_tube / C_air
};

class SingleRowCrossFlow : public ::testing::TestWithParam<SingleRowCase> {};

TEST_P(SingleRowCrossFlow, MatchesTheMixedUnmixedFormula) {
  const auto [ntu, ratio] = GetParam();
  double expected;
  if (ratio <= 1) {  // the tube fluid is Cmin and mixed
    expected = 1 - std::exp(-(1 / ratio) * (1 - std::exp(-ratio * ntu)));
  } else {  // the tube fluid is Cmax and mixed; ε refers to the air
    const double cr = 1 / ratio, ntuAir = ntu * ratio;
    const double eps = (1 / cr) * (1 - std::exp(-cr * (1 - std::exp(-ntuAir))));
    expected = eps * cr;  // back to the tube side
  }
  EXPECT_NEAR(CrossCounterflowEffectiveness(ntu, ratio, 1, 1), expected, 2e-4);
}

INSTANTIATE_TEST_SUITE_P(IncroperaTable11_3, SingleRowCrossFlow,
                         ::testing::Values(SingleRowCase{0.5, 0.25}, SingleRowCase{1.5, 0.5}, SingleRowCase{3.0, 1.0},
                                           SingleRowCase{1.0, 2.0}, SingleRowCase{2.5, 4.0}));

// Roetzel & Nicole's premise: with more passes the bundle approaches
// counterflow, so F never falls as passes are added for the same duty.
TEST(CrossCounterflowCorrection, MorePassesNeverLowerF) {
  const double p = (93.0 - 52.0) / (93.0 - 35.0), r = (54.59 - 35.0) / (93.0 - 52.0);
  double last = 0;
  for (int passes = 1; passes <= 6; ++passes) {
    double f = 0;
    ASSERT_TRUE(CrossCounterflowF(p, r, 6 * passes, passes, f));
    EXPECT_GE(f, last - 1e-6) << passes << " passes";
    last = f;
  }
  EXPECT_GT(last, 0.99);
}

TEST(CrossCounterflowCorrection, ADutyBeyondTheBundleIsRefused) {
  double f = 0;
  // Tube fluid cooled past the air inlet of a single cross-flow row.
  EXPECT_FALSE(CrossCounterflowF(0.99, 1.0, 1, 1, f));
  EXPECT_FALSE(CrossCounterflowF(1.2, 0.5, 4, 2, f));
}

// --- Annular fin efficiency ---

// Exact efficiency of an annular fin of constant thickness with an insulated
// tip (modified Bessel functions, Kern & Kraus 1972), tabulated for
// r2/r1 = 1.5 against mL, L = r2 - r1: 0.9839 at mL = 0.2 and 0.9391 at 0.4.
struct FinCase {
  double mL, eta;
};

class AnnularFin : public ::testing::TestWithParam<FinCase> {};

TEST_P(AnnularFin, ReproducesTheTable) {
  const double r1 = 0.01, r2 = 0.015;
  const double m = GetParam().mL / (r2 - r1);
  EXPECT_NEAR(AnnularFinEfficiency(r1, r2, m), GetParam().eta, 0.00005);
}

INSTANTIATE_TEST_SUITE_P(KernKrausRadiusRatio1_5, AnnularFin,
                         ::testing::Values(FinCase{0.2, 0.9839}, FinCase{0.4, 0.9391}));

TEST(AnnularFin, NoFilmCoefficientMeansFullEfficiency) { EXPECT_EQ(AnnularFinEfficiency(0.01, 0.02, 0), 1); }

// --- Finned tubes: Briggs & Young, Robinson & Briggs ---
//
// No worked example printing the intermediate Nu or Δp of these two was at
// hand, so each is held to its published equation evaluated by hand at an
// air-cooler case (1 in tubes, 5/8 in fins 0.4 mm thick at 11 per inch,
// 60.3 mm equilateral pitch). The equations: Briggs & Young, Chem. Eng. Prog.
// Symp. Ser. 59 (41) (1963) 1-10, and the low-fin form as Kern & Kraus,
// Extended Surface Heat Transfer (McGraw-Hill 1972) and Thulukkanam, Heat
// Exchanger Design Handbook, 2nd ed. (CRC 2013) § 4.5.1 give it; Robinson &
// Briggs, Chem. Eng. Prog. Symp. Ser. 62 (64) (1966) 177-184, as a tube-bank
// friction factor f_tb = 9.465 Re^-0.316 (St/D)^-0.927 (St/Sd)^0.515
// (Thulukkanam § 4.5.1), which by its definition gives Δp = 4 f_tb N G²/(2ρ)
// = 2 f_tb N G²/ρ: the same as 18.93 Re^-0.316 ... N G²/ρ, where the 2 is
// taken into the constant.

TEST(BriggsYoung, HighFinsAtAnAirCoolerCase) {
  // Re 5000, Pr 0.71, gap 1.9 mm, fin 15.9 mm high, 0.4 mm thick:
  // 0.134 × 5000^0.681 × 0.71^(1/3) × (1.9/15.9)^0.2 × (1.9/0.4)^0.1134 = 30.813.
  EXPECT_NEAR(BriggsYoungNu(5000, 0.71, 0.0019, 0.0159, 0.0004), 30.813, 0.001);
}

TEST(BriggsYoung, LowFinsAtACase) {
  // Re 5000, Pr 0.71, gap 1.2 mm, fin 1.5 mm high, 0.4 mm thick:
  // 0.1507 × 5000^0.667 × 0.71^(1/3) × (1.2/1.5)^0.164 × (1.2/0.4)^0.075 = 41.270.
  EXPECT_NEAR(BriggsYoungLowFinNu(5000, 0.71, 0.0012, 0.0015, 0.0004), 41.270, 0.001);
}

TEST(RobinsonBriggs, FourRowsAtAnAirCoolerCase) {
  // Re 5000, St = Sd = 60.3 mm, D = 25.4 mm, 4 rows, G_max 5 kg/(m² s),
  // ρ 1.16 kg/m³: 18.93 × 5000^-0.316 × (60.3/25.4)^-0.927 = 0.57571, and
  // Δp = 0.57571 × 4 × 5²/1.16 = 49.630 Pa.
  EXPECT_NEAR(RobinsonBriggsDp(5000, 0.0603, 0.0603, 0.0254, 4, 5.0, 1.16), 49.630, 0.001);
}

// --- Flow in tubes: Gnielinski, Hausen and the transition between them ---
//
// Gnielinski, Int. Chem. Eng. 16 (1976) 359-368, in the VDI Heat Atlas G1
// form with ξ = (1.8 lg Re - 1.5)^-2, and Hausen as Incropera & DeWitt print
// it (eq. 8.57), evaluated by hand: no worked example with these exact forms
// was at hand.
TEST(Gnielinski, TurbulentWithTheEntranceFactor) {
  // Re 10^4, Pr 5, d/L 0.01: ξ = (1.8 lg 10^4 − 1.5)^-2 = 0.030779,
  // Nu = 68.822 × (1 + 0.01^(2/3)) = 72.016.
  EXPECT_NEAR(GnielinskiNu(1e4, 5, 0.01), 72.016, 0.001);
  // Re 10^5, Pr 0.7, fully developed: 176.34.
  EXPECT_NEAR(GnielinskiNu(1e5, 0.7, 0), 176.34, 0.01);
}

TEST(Hausen, ThermallyDevelopingLaminar) {
  // Gz = 1000 × 5 × 0.01 = 50: 3.66 + 0.0668 × 50/(1 + 0.04 × 50^(2/3)) = 5.8248.
  EXPECT_NEAR(HausenNu(1000, 5, 0.01), 5.8248, 0.0001);
  // A long tube reaches the fully developed 3.66 (Incropera eq. 8.55).
  EXPECT_NEAR(HausenNu(1000, 5, 1e-9), 3.66, 1e-4);
}

// Gnielinski, VDI Heat Atlas (2010) G1: the transition blend meets the
// laminar value at Re 2300 and the turbulent one at 10^4, so the tube-side
// coefficient has no step where the correlation changes.
TEST(TubeNu, NoStepWhereTheCorrelationChanges) {
  const double pr = 5, dOverL = 0.01;
  Use below, above;
  EXPECT_NEAR(TubeNu(2299.999, pr, dOverL, below), TubeNu(2300, pr, dOverL, above), 1e-3);
  EXPECT_EQ(below.corr, Corr::Hausen);
  EXPECT_EQ(above.corr, Corr::GnielinskiTransition);
  EXPECT_NEAR(TubeNu(9999.999, pr, dOverL, below), TubeNu(1e4, pr, dOverL, above), 1e-3);
  EXPECT_EQ(below.corr, Corr::GnielinskiTransition);
  EXPECT_EQ(above.corr, Corr::Gnielinski);
}

// --- Condensation in tubes: Shah ---

// Shah, "A general correlation for heat transfer during film condensation
// inside pipes", Int. J. Heat Mass Transfer 22 (1979) 547-556, integrates
// his local equation over complete condensation (x from 1 to 0) and prints
// h_m/h_lo = 0.55 + 2.09/p_r^0.38. The exact integral of the local equation
// is 1/1.8 + 3.8 B(1.76, 1.04)/p_r^0.38 = 0.55556 + 2.04339/p_r^0.38 (Beta
// function), which our quadrature must meet closely; Shah's rounded
// constants stand 1.9-2.2 % above it over p_r 0.01-0.2, so the printed form
// is held to 2.5 %.
struct ShahCase {
  double reducedPressure;
};

class ShahCompleteCondensation : public ::testing::TestWithParam<ShahCase> {};

TEST_P(ShahCompleteCondensation, MatchesShahsIntegratedForm) {
  const double pr = GetParam().reducedPressure;
  const double mean = ShahMeanFactor(1, 0, pr);
  const double exact = 1 / 1.8 + 2.04339 / std::pow(pr, 0.38);
  EXPECT_NEAR(mean, exact, 2e-4 * exact);
  const double printed = 0.55 + 2.09 / std::pow(pr, 0.38);
  EXPECT_NEAR(mean, printed, 0.025 * printed);
  // The order of inlet and outlet quality does not matter.
  EXPECT_DOUBLE_EQ(ShahMeanFactor(0, 1, pr), mean);
}

INSTANTIATE_TEST_SUITE_P(Shah1979, ShahCompleteCondensation,
                         ::testing::Values(ShahCase{0.01}, ShahCase{0.05}, ShahCase{0.2}));

TEST(Shah, AllLiquidIsTheLiquidOnlyCoefficient) {
  // x = 0: the bracket is 1, h = h_lo (Shah 1979, eq. 1 at zero quality).
  EXPECT_DOUBLE_EQ(ShahFactor(0, 0.1), 1.0);
}

// --- Bare tube banks (Žukauskas) ---

// Incropera, DeWitt, Bergman & Lavine, Fundamentals of Heat and Mass
// Transfer, 6th ed. (Wiley 2007), Example 7.7: air at 15 °C and 6 m/s across
// a staggered bank of 7 rows, D = 16.4 mm, St = 31.3 mm, Sl = 34.3 mm,
// tubes at 70 °C. The example's own intermediate values: v_max = 12.6 m/s,
// Re_max = 13 943, Pr = 0.71, Pr_s = 0.70, λ = 0.0253 W/(m K), ρ = 1.217 kg/m³.
struct IncroperaExample7_7 {
  static constexpr double d = 0.0164, st = 0.0313, sl = 0.0343, rows = 7;
  static constexpr double re = 13943, pr = 0.71, prWall = 0.70, lambda = 0.0253;
  static constexpr double rho = 1.217, vmax = 12.6;
};

// The example takes the row correction C2 = 0.95 for 7 rows from its
// table 7.6 and prints Nu = 0.95 × 0.34 × Re^0.6 × Pr^0.36 (Pr/Pr_s)^0.25 = 87.9
// and h = 135.6 W/(m² K). It rounds C1 = 0.35 (St/Sl)^0.2 = 0.3437 to the
// printed 0.34, so the expected values carry that rounding back; the
// correlation leaves the wall-Prandtl factor to the caller, as the example
// applies it. Tolerance: half a unit of the last printed digit.
TEST(ZukauskasHeat, IncroperaExample7_7StaggeredBank) {
  using E = IncroperaExample7_7;
  bool outside = true;
  const double nu = ZukauskasNu(E::re, E::pr, E::st, E::sl, true, E::rows, outside) * std::pow(E::pr / E::prWall, 0.25);
  EXPECT_FALSE(outside);
  const double unrounded = 0.35 * std::pow(E::st / E::sl, 0.2) / 0.34;
  EXPECT_NEAR(nu, 87.9 * unrounded, 0.05 * unrounded);
  EXPECT_NEAR(nu * E::lambda / E::d, 135.6 * unrounded, 0.05 * unrounded + 0.1);
}

// Same example, pressure drop from Žukauskas's chart (Incropera figure 7.15,
// staggered, P_T = St/D = 1.91): friction factor f = 0.35 read at Re 13 943,
// the chart's correction χ = 1.04 for P_T/P_L = 0.91, and
// Δp = N χ f ρ v_max²/2 = 246 N/m². Our Eu is Žukauskas's power series
// (Žukauskas & Ulinskas, Heat Exchanger Design Handbook, Hemisphere 1983), the fit
// behind that chart; it gives about 0.33 here, and even its P_T = 1.5 curve
// stays below 0.35, so the 7 % is the example's reading of a logarithmic
// chart, not a rounding: the tolerance is that reading's 8 %.
TEST(ZukauskasPressureDrop, IncroperaExample7_7StaggeredBank) {
  using E = IncroperaExample7_7;
  bool outside = true;
  const double eu = ZukauskasEu(E::re, E::st / E::d, true, outside);
  EXPECT_FALSE(outside);
  EXPECT_NEAR(eu, 0.35, 0.35 * 0.08);
  const double dp = E::rows * 1.04 * eu * E::rho * E::vmax * E::vmax / 2;
  EXPECT_NEAR(dp, 246, 246 * 0.08);
}

}  // namespace
}  // namespace tharvex::engine::method
