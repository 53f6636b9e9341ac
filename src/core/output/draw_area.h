#pragma once
// Mapping of world coordinates (millimetres, y up) onto the pixels of the
// drawing canvas (y down), with margins and a common or separate scale.
#include <string>

#include "core/output/tube_layout.h"

namespace tharvex::layout {

struct CanvasPoint {
  int x = 0, y = 0;
};

struct DrawArea {
  int top = 0, bottom = 0, left = 0, right = 0;  // margins, pixels
  int clientWidth = 577, clientHeight = 569;     // canvas size, pixels
  int ex = 1000, ey = 613;                       // drawable extents, pixels
  double sx = 1, sy = 1;                         // pixels per millimetre
  bool centred = false;
};

// Sets the mapping for a world extent of worldWidth x worldHeight mm. The
// canvas is cleared (the paint box is refreshed); with no canvas the
// drawable extent is 1000 x 613 pixels. Returns false when a world extent is
// zero (the scale would divide by zero); the mapping is then left unusable.
bool SetDrawArea(DrawArea& area, DisplayList* canvas, int top, int bottom, int left, int right, double worldWidth,
                 double worldHeight, bool centred, bool keepAspect);

// Canvas pixel of a world point; coordinates beyond the int range are clamped.
CanvasPoint WorldToCanvas(const DrawArea& area, double x, double y);

// Writes text (at most 255 bytes) with its top-left corner dx pixels right of
// and dy pixels above the canvas point of (x, y); nothing when the output is
// not interactive or there is no canvas.
void TextAtWorld(const DrawArea& area, DisplayList* canvas, bool interactive, int dx, int dy, const std::string& text,
                 double x, double y);

// Nearest integer (halves to even) clamped into the int range; NaN gives 0.
int RoundToInt(double x);

// Canvas pixels a drawing may use: far beyond any paint box, and far enough
// inside the int range that offsets of a few hundred pixels cannot overflow.
inline constexpr double kMaxCanvasCoordinate = 1.0e6;
inline bool InCanvasRange(double pixel) { return pixel >= -kMaxCanvasCoordinate && pixel <= kMaxCanvasCoordinate; }

}  // namespace tharvex::layout
