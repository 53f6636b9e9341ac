// Equation-of-state routines: model selection, limits, the liquid mark and
// the residual heat capacity against the residual enthalpy.
#include <gtest/gtest.h>

#include <cmath>

#include "core/props/eos.h"
#include "core/props/prop_errors.h"

namespace tharvex::props {
namespace {

// Pc kPa, Tc K, Vc cm3/mol, Zc, w, M g/mol, then p kPa and t degC.
ParamVector Vec(double model, double Pc, double Tc, double Vc, double Zc, double w, double M, double p, double t) {
  ParamVector v{};
  v[0] = model;
  v[1] = Pc, v[2] = Tc, v[3] = Vc, v[4] = Zc, v[5] = w, v[6] = M, v[7] = p, v[8] = t;
  return v;
}
ParamVector Nitrogen(double p, double t, double model = 0) {
  return Vec(model, 3395.8, 126.19, 89.2, 0.289, 0.0372, 28.013, p, t);
}
ParamVector Water(double p, double t) { return Vec(0, 22064, 647.1, 55.9, 0.229, 0.344, 18.015, p, t); }

using Routine = double (*)(const ParamVector&, int, int);

TEST(Eos, SelectorMustMatchTheRoutine) {
  for (Routine r : {&PrDensity, &PrViscosity, &PrConductivity, &PrResidualCp, &VirialResidualCp})
    EXPECT_EQ(r(Nitrogen(100, 20, 1), 20, 0), 0);
  EXPECT_EQ(VirialDensity(Nitrogen(100, 20, 0), 20, 0), 0);
  EXPECT_GT(VirialDensity(Nitrogen(100, 20, 1), 20, 0), 0);
}

TEST(Eos, LowPressureApproachesTheIdealGas) {
  const double p = 0.01, T = 293.15;
  double ideal = 0.001 * 28.013 * p * 1000 / (8.314 * T);
  EXPECT_NEAR(PrDensity(Nitrogen(p, 20), 20, 0) / ideal, 1, 1e-5);
  EXPECT_NEAR(VirialDensity(Nitrogen(p, 20, 1), 20, 0) / ideal, 1, 1e-4);
  EXPECT_NEAR(VirialResidualCp(Nitrogen(p, 20), 20, 0), 0, 1e-3);
}

TEST(Eos, NitrogenAtRoomConditionsIsClose) {
  // Reference: 1.1651 kg/m3 at 20 degC and 101.325 kPa.
  EXPECT_NEAR(PrDensity(Nitrogen(101.325, 20), 20, 0), 1.1651, 0.002);
  EXPECT_NEAR(VirialDensity(Nitrogen(101.325, 20, 1), 20, 0), 1.1651, 0.002);
  double mu = PrViscosity(Nitrogen(100, 20), 20, 0);
  EXPECT_GT(mu, 1.0e-5);
  EXPECT_LT(mu, 2.5e-5);
}

TEST(Eos, LiquidMarkPicksTheLiquidRoot) {
  double gas = PrDensity(Water(100, 20), 20, 0);
  double liquid = PrDensity(Water(100, 20), 20, 1);
  EXPECT_LT(gas, 2);       // vapour-like root
  EXPECT_GT(liquid, 800);  // liquid-like root
}

TEST(Eos, ResidualCpIgnoresTheLiquidMark) {
  EXPECT_EQ(PrResidualCp(Water(100, 20), 20, 0), PrResidualCp(Water(100, 20), 20, 1));
}

// Cp_res = (dH_res/dT) at constant p, from the same equation of state.
TEST(Eos, ResidualCpIsTheSlopeOfTheResidualEnthalpy) {
  for (const ParamVector& v : {Nitrogen(1000, 20), Nitrogen(5000, 0), Nitrogen(200, -100),
                               Vec(0, 4599, 190.56, 98.6, 0.286, 0.011, 16.043, 3000, 25),    // methane
                               Vec(0, 7377, 304.13, 94.1, 0.274, 0.225, 44.01, 2000, 50)}) {  // CO2
    const double dT = 0.05;
    ParamVector lo = v, hi = v;
    lo[8] -= dT;
    hi[8] += dT;
    double slope = (PrResidualEnthalpy(hi) - PrResidualEnthalpy(lo)) / (2 * dT);
    double cp = PrResidualCp(v, 20, 0);
    EXPECT_GT(cp, 0);
    EXPECT_NEAR(cp / slope, 1, 0.01) << "p=" << v[7] << " t=" << v[8];
  }
  EXPECT_NEAR(PrResidualCp(Nitrogen(1000, 20), 20, 0), 19.8, 0.3);
}

TEST(Eos, VirialResidualCpClosedForm) {
  double Tr = 293.15 / 126.19, Pr = 1000 / 3395.8;
  double expected = 1000 * 8.314 / 28.013 * Pr * (1.7552 / std::pow(Tr, 2.6) + 0.3717252 / std::pow(Tr, 5.2));
  EXPECT_NEAR(VirialResidualCp(Nitrogen(1000, 20), 20, 0), expected, 1e-9 * expected);
}

TEST(Eos, AcentricFactorPointThreeUsesTheLeftColumn) {
  auto mu = [](double w) { return PrViscosity(Vec(0, 4000, 400, 200, 0.27, w, 50, 100, 20), 20, 0); };
  EXPECT_NEAR(mu(0.3) / mu(0.3 - 1e-9), 1, 1e-6);
  EXPECT_GT(std::fabs(mu(0.3) / mu(0.3 + 1e-9) - 1), 1e-3);
}

TEST(Eos, RootSearchReportsFailure) {
  // No real root: the search runs out of steps.
  RootSearch none = FindRoot([](double x) { return x * x + 1; }, 1, 1e-6,
                             [](double step, double) { return std::fabs(step) < 1e-12; });
  EXPECT_FALSE(none.ok);
  EXPECT_LE(none.steps, RootSearch::kMaxSteps + 1);
  // A flat function gives no step at all.
  RootSearch flat = FindRoot([](double) { return 1.0; }, 1, 1e-6, [](double, double) { return false; });
  EXPECT_FALSE(flat.ok);
  RootSearch found = FindRoot([](double x) { return x * x - 2; }, 1, 1e-8,
                              [](double step, double) { return std::fabs(step) < 1e-12; });
  ASSERT_TRUE(found.ok);
  EXPECT_NEAR(found.x, std::sqrt(2.0), 1e-9);
}

TEST(Eos, UndefinedArithmeticIsAnError) {
  EXPECT_THROW(PrViscosity(Nitrogen(-100, 20), 20, 0), ArithmeticError);
  EXPECT_THROW(PrDensity(Nitrogen(100, -300), 20, 0), ArithmeticError);
  EXPECT_THROW(PrDensity(Vec(0, 0, 126, 89, 0.29, 0.04, 28, 100, 20), 20, 0), ArithmeticError);
  EXPECT_THROW(PrConductivity(Nitrogen(-5, 20), 20, 0), ArithmeticError);
  for (Routine r : {&PrDensity, &PrViscosity, &PrConductivity, &PrResidualCp, &VirialResidualCp}) {
    double v = 0;
    try {
      v = r(Nitrogen(100, 20), 20, 0);
    } catch (const ArithmeticError&) {
    }
    EXPECT_TRUE(std::isfinite(v));
  }
}

}  // namespace
}  // namespace tharvex::props
