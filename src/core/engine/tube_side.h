#pragma once
// Tube-side correlations.

namespace tharvex::engine {

// Film coefficient of a single-phase fluid in tubes, W/(m2.K): laminar below
// Re 2300 (sets `laminar`), transition up to 10000, turbulent above. psi is
// the viscosity factor of a viscous liquid (0.95 cooled, 1.05 heated).
double SinglePhaseFilm(double ret, double prt, double ldt, double di, double mu, double ls, double psi, bool& laminar);

// Reduction of the condensing film coefficient by non-condensable gas (mass
// fraction la); 1 up to 0.001.
double NonCondensableFactor(double la);

// Darcy friction factor of turbulent flow in tubes of inner diameter di.
double ColebrookFriction(double re, double di);

// Pressure-drop structure factor of the tube ends.
double StructureFactor(double d_o);

}  // namespace tharvex::engine
