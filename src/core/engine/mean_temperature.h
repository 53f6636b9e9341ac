#pragma once
#include <string>

namespace tharvex::engine {

// The correction factor as CdtD shows it: four decimals, at most seven
// significant digits.
std::string FormatCorrection(double f);

}  // namespace tharvex::engine
