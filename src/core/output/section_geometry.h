#pragma once
// The casing cross-section drawn to scale: every tube at its true pitch, the
// casing outline from its height and width, pass boundaries and numbers,
// inlet and outlet, the air flow and the dimension lines. A plain scene in
// millimetres (x to the right, y up) that the SVG and raster writers and the
// desktop view draw as they are.
#include <string>
#include <vector>

#include "core/output/tube_layout.h"

namespace tharvex::section {

struct SectionInput {
  layout::LayoutInput layout;  // as the calculation last laid the tubes out
  double tubeOd = 0;           // bare tube outer diameter, mm
  bool finned = true;          // draw the fin tips as a thin outer circle
};

struct Point {
  double x = 0, y = 0;
};

struct Segment {
  Point a, b;
};

// A text with the box it occupies, mm. The box is what the writers fill with
// the text; no two boxes of a scene overlap.
struct Label {
  enum class Role { Pass, Inlet, Outlet, Flow, Dimension, Title };
  Role role = Role::Pass;
  std::string text;
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // box, x0 < x1 and y0 < y1
  double height() const { return y1 - y0; }
};

// A dimension: the measured points, the dimension line itself (offset from
// them), extension lines from the points to the line, and its text.
struct Dimension {
  Point from, to;          // measured points
  Point lineFrom, lineTo;  // the dimension line with arrow heads at both ends
  std::vector<Segment> extensions;
  int label = -1;  // index into SectionScene::labels
};

struct SectionScene {
  double casingX0 = 0, casingY0 = 0, casingX1 = 0, casingY1 = 0;  // outline, mm
  double tubeDiameter = 0, finDiameter = 0;                       // mm; fin 0 for bare tubes
  std::vector<Point> tubes;                                       // centres, in the order the layout places them
  std::vector<int> tubePass;                                      // pass number (1 = outlet pass) of each tube
  int passes = 1;                                                 // passes drawn
  std::vector<Segment> passBoundaries;
  std::vector<Segment> leaders;  // from a pass label moved off its pass back to it
  Segment flowArrow;             // the air flow, tail to head
  std::vector<Dimension> dimensions;
  std::vector<Label> labels;
  double textHeight = 0;                  // mm
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // extent of everything drawn, mm
  bool valid = false;                     // false: the layout gave no tubes or failed
};

// Builds the scene; the layout is run again (without drawing) for the counts
// and the casing size.
SectionScene BuildSection(const SectionInput& input);

// Text width estimate used for the label boxes: CJK characters one text
// height wide, others 0.6.
double TextWidth(const std::string& utf8, double textHeight);

// True when two label boxes overlap (touching edges do not count).
bool Overlap(const Label& a, const Label& b);

// The scene as an SVG document in millimetres; one <circle class="tube"> per
// tube (and one <circle class="fin"> per finned tube).
std::string SectionToSvg(const SectionScene& scene);

}  // namespace tharvex::section
