#pragma once
// Properties of a pure substance from its critical constants: Peng-Robinson
// cubic forms and the truncated virial equation.
//
// Parameter vector (21 doubles): [0] model (0 Peng-Robinson, 1 virial),
// [1] Pc kPa, [2] Tc K, [3] Vc cm3/mol, [4] Zc, [5] acentric factor w,
// [6] M g/mol, [7] p kPa, [8] t degC. Every routine returns SI units and 0
// when the model does not fit or the root search fails; arithmetic that is
// undefined for the inputs (negative pressure, zero constants, t below
// absolute zero) raises ArithmeticError.
#include <array>
#include <functional>

namespace tharvex::props {

using ParamVector = std::array<double, 21>;

// Newton search with a finite-difference slope:
// x -= h f(x) / (f(x+h) - f(x)) until `converged(step, x)`. A root counts only
// when found within 199 steps; otherwise (or when the step is not a number)
// the result is nothing.
struct RootSearch {
  static constexpr int kMaxSteps = 200;
  bool ok = false;
  double x = 0;
  int steps = 0;
};
RootSearch FindRoot(const std::function<double(double)>& f, double x0, double h,
                    const std::function<bool(double step, double x)>& converged);

double PrDensity(const ParamVector& v, int last, int liquid);         // kg/m3
double VirialDensity(const ParamVector& v, int last, int liquid);     // kg/m3
double PrViscosity(const ParamVector& v, int last, int liquid);       // Pa.s
double PrConductivity(const ParamVector& v, int last, int liquid);    // W/(m.K)
double PrResidualCp(const ParamVector& v, int last, int liquid);      // J/(kg.K)
double VirialResidualCp(const ParamVector& v, int last, int liquid);  // J/(kg.K)

// Residual enthalpy of the Peng-Robinson equation, J/kg, at the vector's
// state (vapour-like root). Used to check the residual heat capacity.
double PrResidualEnthalpy(const ParamVector& v);

}  // namespace tharvex::props
