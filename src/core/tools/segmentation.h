#pragma once
// Shell temperature segmentation: divides the shell-side temperature range
// into segments that each get the same ratio of shell temperature change to
// the difference between their mean shell temperature and the tube-side mean.
#include <string>
#include <vector>

#include "core/fields/form.h"

namespace tharvex::tools {

// Most segments the tool divides into.
inline constexpr long long kMaxSegments = 10000;
// Most segment steps (passes times segments) spent looking for the factor,
// by the plain correction and again by its damped form.
inline constexpr long long kMaxSegmentSteps = 50000000;

struct SegmentationInput {
  double tubeIn = 0, tubeOut = 0;    // Tt0, Ttn, degC
  double shellIn = 0, shellOut = 0;  // Ts0, Tsn, degC
  double segments = 0;               // n before rounding
};

struct SegmentationResult {
  bool ok = false;
  std::vector<std::string> lines;  // "Ts0=60.00" ... "Ts4=20.00", or the one refusal line
  int passes = 0;                  // passes over the segments until settled
};

// The memo lines for the input, or a single line saying why the input cannot
// be divided (a factor exists only for a shell side cooled towards a tube
// side that stays below its outlet). Where the plain correction does not
// settle, a damped one takes over from the start.
SegmentationResult SegmentShellTemperatures(const SegmentationInput& in);

// A temperature rounded once to the coarser of 2 decimals and 5 significant
// digits, always with 2 decimals ("60.00", "42.53", "1234.60"); from 6 digits
// before the point on, general format with 5 significant digits ("1.2346E5").
std::string FormatSegmentTemperature(double t);

// Exit handler of Tt0D, TtnD, Ts0D, TsnD and MnD: writes MemoTi when all five
// fields have text.
void MnDExit(Form& form);

}  // namespace tharvex::tools
