#pragma once
// Shell-side correlations.

namespace tharvex::engine {

// True when the fin tip diameter is at least 1.7 tube diameters.
bool HighFins(double tip, double d_o);

// Exponent n and constant C of the bare-tube bank correlation, averaged over
// nw columns, for in-line or staggered banks.
void BareBankConstants(double nw, bool inLine, double& n, double& c);

// Pitch correction of the bare-tube bank coefficient for St / do.
double PitchCorrection(double ratio);

}  // namespace tharvex::engine
