#pragma once
// Residuals of the nozzle relations (value arrays of the one-unknown solver).
#include "core/fields/control.h"
#include "core/fields/solver.h"

namespace tharvex::engine {

// Positions: 0 mass flow, 1 density, 2 nozzle pressure drop, 3 inner diameter.
double NozzleDiameterResidual(const ValueArray& v, int last);
// Positions: 0 density, 1 velocity, 2 nozzle pressure drop.
double NozzleVelocityResidual(const ValueArray& v, int last);

// Surplus shown red while it falls short of the required one, blue otherwise.
void MarkSurplus(Control& surplus, const Control& required);

}  // namespace tharvex::engine
