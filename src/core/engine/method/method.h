#pragma once
// The calculation method of a project: the correlations the calculation
// steps call, as functions of numbers only. The steps read the fields, call
// these, and write the results back; a method never sees a field.
#include <array>
#include <cstdint>
#include <string_view>

namespace tharvex::engine::method {

// Item indices of the method list "计算方法".
enum class Kind : int { Standard = 0, Engineering = 1 };

// Every correlation either method may use, named in the trace and the report.
enum class Corr : std::uint8_t {
  None,
  // Standard method.
  StdLowFin,
  StdHighFin,
  StdBareInLine,
  StdBareStaggered,
  StdFinEfficiency,
  StdFinnedDp,
  StdBareDp,
  StdTubeSinglePhase,
  StdCondensation,
  StdCorrection,
  // Engineering method.
  BriggsYoungHigh,
  BriggsYoungLow,
  AnnularFinBessel,
  RobinsonBriggs,
  ZukauskasHeat,
  ZukauskasDp,
  Gnielinski,
  GnielinskiTransition,
  Hausen,
  Shah,
  RowByRow,
  Count
};

// Name of a correlation as the trace and the report show it.
std::string_view Name(Corr c);

// How many values that went in a use of a correlation records.
inline constexpr size_t kUseInputs = 6;

// What the calculation sheet prints for a correlation: its equation, the
// range of its published data, and the symbol and unit of each value the
// engine records with a use (Use::in, in this order; an empty symbol ends
// the list).
struct InputSymbol {
  std::string_view symbol, unit;
};
struct CorrText {
  std::string_view equation;
  std::string_view range;
  std::array<InputSymbol, kUseInputs> inputs{};
};

// The equation, range and input symbols of a correlation; empty texts for
// the standard method's, which the sheet describes from the fields.
const CorrText& Formula(Corr c);

// One correlation used by a calculation, whether it ran outside the range of
// its published data (Reynolds number or geometry), and the values that went
// in, as Formula(corr).inputs names them.
struct Use {
  Corr corr = Corr::None;
  bool outside = false;
  std::array<double, kUseInputs> in{};
};

// The coefficients of one calculation, by the role the correlation played.
enum class Role : std::uint8_t { ShellFilm, FinEfficiency, ShellDp, TubeFilm, Correction, Count };

struct UseLog {
  Kind method = Kind::Standard;
  std::array<Use, static_cast<size_t>(Role::Count)> uses{};
  void Set(Role r, Use u) { uses[static_cast<size_t>(r)] = u; }
  const Use& At(Role r) const { return uses[static_cast<size_t>(r)]; }
};

// A value and the correlation that gave it.
struct Result {
  double value = 0;
  Use use;
};

// The tube bank as the gas crossing it sees it; lengths in m.
struct Bank {
  double d_o = 0;         // tube (fin root) outer diameter
  double hf = 0, tf = 0;  // fin height and thickness (0 for bare tubes)
  double pf = 0;          // the number in the fin-gap field 翅片间隙
  double pt = 0;          // tube pitch
  double st = 0, sl = 0;  // transverse pitch (across the face) and longitudinal pitch (flow direction)
  int arrangement = 0;    // 0 triangular, 1 square
  bool rotated = false;
  bool bare = false;
  double rows = 0;  // tube columns crossed by the gas
};

// Gas properties, SI.
struct Gas {
  double rho = 0, mu = 0, cp = 0, lambda = 0;
};

// Fin surface per metre of tube, m2/m.
struct FinAreas {
  double root = 0;  // bare tube between the fins
  double fins = 0;  // both faces and the rim of the fins
};

// Single-phase flow in the tubes.
struct TubeFlow {
  double re = 0, pr = 0, lambda = 0, di = 0, mu = 0, length = 0;
  bool cooled = false;  // the tube fluid gives heat (label "热流体")
};

// Condensing vapour in the tubes.
struct Condensing {
  double ut = 0;                      // m/s, velocity of the vapour
  double re = 0;                      // vapour Reynolds number
  double pr = 0;                      // liquid Prandtl number
  double lambda = 0, mu = 0, di = 0;  // liquid conductivity and viscosity, tube inner diameter
  double rhoL = 0, rhoV = 0;
  double x1 = 1, x2 = 0;  // vapour quality at inlet and outlet
};

// Terminal temperatures of the mean-difference correction, as the standard
// correction takes them (hot side a, b; cold side c, d), with the units in
// series, the passes and the tube columns of the bundle.
struct Terminals {
  int units = 1, passes = 1, rows = 1;
  double ta = 0, tb = 0, tc = 0, td = 0;
  char kind = 'C';  // 'C' when the shell is the hot side
};

class Correlations {
 public:
  virtual ~Correlations() = default;
  virtual Kind kind() const = 0;

  // Open fraction of the face: the velocity in the narrowest gap is the face
  // velocity divided by it.
  virtual double FreeAreaRatio(const Bank& b) const = 0;
  // Film coefficient of the gas on the tube bank (finned surface or bare
  // tubes), W/(m2.K), before any wet-air enhancement.
  virtual Result ShellFilm(const Bank& b, const Gas& g, double res, double prs) const = 0;
  virtual FinAreas Fins(const Bank& b) const = 0;
  // Efficiency of the fins for the film coefficient h.
  virtual Result FinEfficiency(const Bank& b, double kFin, double h) const = 0;
  // Pressure drop of the bank, Pa; phi is the phase factor of the shell fluid.
  virtual Result ShellPressureDrop(const Bank& b, const Gas& g, double umax, double res, double phi) const = 0;
  // Single-phase film coefficient in the tubes; sets `laminar` below Re 2300.
  virtual Result TubeFilm(const TubeFlow& t, bool& laminar) const = 0;
  // Condensing film coefficient before the non-condensable gas factor.
  virtual Result CondensingFilm(const Condensing& c) const = 0;
  // Outer surface of the casing that loses heat, m2.
  virtual double CasingLossArea(double h, double l, double w) const = 0;
};

const Correlations& For(Kind k);

}  // namespace tharvex::engine::method
