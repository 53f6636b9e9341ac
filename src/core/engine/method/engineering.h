#pragma once
// The engineering method: published correlations, each a plain function of
// numbers, and the method's choice among them.
#include "core/engine/method/method.h"

namespace tharvex::engine::method {

// --- Finned tubes, gas side ---

// Briggs & Young (1963), high annular fins on staggered banks:
// Nu = 0.134 Re^0.681 Pr^(1/3) (s/l)^0.2 (s/t)^0.1134 on the root diameter,
// s the clear gap between fins, l the fin height, t the fin thickness.
double BriggsYoungNu(double re, double pr, double gap, double height, double thickness);
// Briggs & Young (1963), low fins, as given by Kern & Kraus (1972):
// Nu = 0.1507 Re^0.667 Pr^(1/3) (s/l)^0.164 (s/t)^0.075.
double BriggsYoungLowFinNu(double re, double pr, double gap, double height, double thickness);
// Robinson & Briggs (1966): pressure drop over `rows` rows of a staggered
// finned bank, Δp = 2 f N G²/ρ with f = 9.465 Re^-0.316 (St/D)^-0.927 (St/Sd)^0.515.
double RobinsonBriggsDp(double re, double st, double sd, double d, double rows, double gmax, double rho);
// Annular fin of constant thickness, exact solution in modified Bessel
// functions (Kern & Kraus 1972) with the tip counted by r2c = r2 + t/2:
// efficiency for root radius r1, corrected tip radius r2c and m = √(2h/(k t)).
double AnnularFinEfficiency(double r1, double r2c, double m);

// --- Bare tube banks (Žukauskas 1972; Incropera & DeWitt tables 7.5, 7.6) ---

// Nu = C2 C Re^m Pr^0.36 on the maximum velocity; `outside` when Re or Pr
// leave the range of the data.
double ZukauskasNu(double re, double pr, double st, double sl, bool staggered, double rows, bool& outside);
// Row correction C2 for fewer than 20 rows (1 for 20 and more).
double ZukauskasRowFactor(double rows, bool staggered);
// Euler number per row, Δp = N Eu ρ v_max² / 2 (Žukauskas 1987 power
// series, interpolated in St/D between 1.25 and 2.5).
double ZukauskasEu(double re, double stOverD, bool staggered, bool& outside);

// --- Flow in tubes ---

// Gnielinski (1976) for turbulent flow, with the entrance factor 1 + (d/L)^(2/3).
double GnielinskiNu(double re, double pr, double dOverL);
// Hausen, thermally developing laminar flow at constant wall temperature.
double HausenNu(double re, double pr, double dOverL);
// The tube-side Nusselt number: Hausen below Re 2300, Gnielinski from
// 10^4, linear in between (Gnielinski in VDI Heat Atlas, 2nd ed. 2010, G1;
// his 2013 paper ends the blend at Re 4000 instead).
double TubeNu(double re, double pr, double dOverL, Use& use);

// Shah (1979) condensation in tubes: local coefficient over the liquid-only
// coefficient at quality x and reduced pressure pr.
double ShahFactor(double x, double reducedPressure);
// Mean of ShahFactor over the quality range x2..x1.
double ShahMeanFactor(double x1, double x2, double reducedPressure);
// Reduced pressure estimated from the vapour-to-liquid density ratio
// (corresponding states, ρv/ρl ≈ p_r / 8), kept within 0.001..0.9.
double ReducedPressureEstimate(double rhoL, double rhoV);

// --- Mean temperature difference ---

// Effectiveness of the tube fluid (temperature change over the inlet
// difference) in a cross-counterflow bundle: `rows` rows crossed by the air
// one after the other, unmixed; the tube fluid flows through the rows of a
// pass in parallel, mixes in the header between passes, and the passes run
// counter to the air. ntu = UA / C_tube, ratio = C_tube / C_air.
double CrossCounterflowEffectiveness(double ntu, double ratio, int rows, int passes);
// Correction factor of the counterflow mean difference for the tube-side
// effectiveness p and ratio r = C_tube / C_air; false when p cannot be reached.
bool CrossCounterflowF(double p, double r, int rows, int passes, double& f);

class Engineering final : public Correlations {
 public:
  Kind kind() const override { return Kind::Engineering; }
  double FreeAreaRatio(const Bank& b) const override;
  Result ShellFilm(const Bank& b, const Gas& g, double res, double prs) const override;
  FinAreas Fins(const Bank& b) const override;
  Result FinEfficiency(const Bank& b, double kFin, double h) const override;
  Result ShellPressureDrop(const Bank& b, const Gas& g, double umax, double res, double phi) const override;
  Result TubeFilm(const TubeFlow& t, bool& laminar) const override;
  Result CondensingFilm(const Condensing& c) const override;
  double CasingLossArea(double h, double l, double w) const override;
};

// Staggered or in-line as the layout draws it: only the unrotated square
// has its tubes one behind the other.
bool Staggered(const Bank& b);
// Diagonal pitch of a staggered bank.
double DiagonalPitch(const Bank& b);

}  // namespace tharvex::engine::method
