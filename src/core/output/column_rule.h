#pragma once
// Where the tubes of each column sit in the casing cross-section, by
// arrangement and rotation; shared by the layout and the drawing to scale.
#include <algorithm>
#include <cmath>

namespace tharvex::layout {

// Where the tubes of one column sit, by arrangement and rotation.
struct ColumnRule {
  int arrangement;
  bool rotated;
  double pt, sw, sh1, df;

  // Square rows without rotation line up; every other layout staggers the odd
  // columns by half a row and gives them one tube less.
  bool staggered() const { return !(arrangement == 1 && !rotated); }

  // Distance of the column centre line from the right-hand reference, mm.
  double offset(long long i) const {
    double di = static_cast<double>(i);
    if (arrangement == 0) return rotated ? di * pt / 2.0 : di * (std::sqrt(3.0) / 2.0) * pt;
    return rotated ? sw + df / 2.0 + (di + 1.0) * (std::sqrt(2.0) / 2.0) * pt : sw + df / 2.0 + di * pt;
  }

  long long tubes(long long i, long long nh) const { return (staggered() && i % 2 == 1) ? nh - 1 : nh; }

  // Distance of tube j's centre below the top reference, mm.
  double rowOffset(long long i, long long j) const {
    double rowPitch = pt;
    if (rotated) rowPitch = arrangement == 0 ? std::sqrt(3.0) * pt : std::sqrt(2.0) * pt;
    double shift = (staggered() && i % 2 == 1) ? 0.5 : 0.0;
    return sh1 + df / 2.0 + (static_cast<double>(j) + shift) * rowPitch;
  }

  // Tubes in nw columns, counted without visiting them.
  long long total(long long nh, long long nw) const {
    if (nw <= 0) return 0;
    long long full = std::max(0LL, nh);
    if (!staggered()) return nw * full;
    return (nw + 1) / 2 * full + nw / 2 * std::max(0LL, nh - 1);
  }
};

}  // namespace tharvex::layout
