#pragma once
// Tube layout of the casing cross-section: counts, casing size, and (while
// output is interactive) the drawing as a retained display list.
#include <string>
#include <vector>

namespace tharvex::layout {

// Transverse and longitudinal pitch factors by arrangement (0 triangular,
// 1 square): S1 = Pt * PitchFactors[arr][rot], S2 = Pt * PitchFactors[arr][rot + 2].
extern const double PitchFactors[2][4];

// Most tubes the layout places; more is an input error.
inline constexpr long long kMaxTubes = 100000;

struct LayoutInput {
  int passes = 1;                     // Np, at least 1
  long long tubes = 0;                // N requested (design mode)
  bool rotated = false;               // CBRoate
  int arrangement = 0;                // 0 triangular, 1 square
  double khw = 1.6;                   // height-to-width ratio wanted
  double sw = 0, sh1 = 0;             // side and top/bottom gaps, mm
  double pt = 0;                      // tube pitch, mm
  double df = 0;                      // fin tip diameter, mm
  bool design = true;                 // false: rating mode reads the three below
  double ratingNh = 0, ratingNw = 0;  // SI values of NhD, NwD
  double ratingHeightMm = 0;          // HbxD * 1000
  double lengthM = 0;                 // Ls, for the length text
  bool interactive = true;            // draw and write the message lines
  // Casing width of several passes as the drawing sets the passes apart
  // (whole-millimetre shifts after each complete pass) instead of the
  // traditional (columns per pass - 1) shifts.
  bool drawnWidth = false;
};

// One drawing primitive. World coordinates are millimetres of the cross
// section (y up); canvas coordinates are pixels of the 577 x 569 paint box.
struct DrawItem {
  enum class Kind { Ellipse, Rectangle, Line, Polyline, Text };
  Kind kind;
  std::vector<double> world;  // x0,y0,x1,y1,... (empty for items placed on the canvas only)
  std::vector<int> canvas;    // X0,Y0,X1,Y1,...
  std::string text;           // Text: the string, top-left at canvas[0], canvas[1]
  bool hollow = false;        // Rectangle drawn with a hollow brush
};

struct DisplayList {
  int width = 577, height = 569;  // paint box client size
  std::vector<DrawItem> items;
  void clear() { items.clear(); }
};

struct LayoutResult {
  int nh = 0, nw = 0;
  double heightMm = 0, widthMm = 0;
  long long tubesPlaced = 0;
  bool tooManyTubes = false;       // counts above kMaxTubes: nothing placed
  bool countsWithinBound = false;  // the counts were settled and passed that bound
  // The inputs lead to a division by zero, a root of a negative number or a
  // number beyond any count (for example Pt = 0, Np = 0 in rating mode, a
  // casing of zero height or width). The calculation attempt ends there, as on
  // any arithmetic error; nothing is placed and the results are not to be used.
  bool arithmeticError = false;
  std::vector<std::string> memoLines;  // "Hbx  =...", "Wbx  =..." when interactive
};

// Lays the tubes out; fills `drawing` when input.interactive and drawing is
// not null (the list is cleared first, as the paint box is refreshed).
LayoutResult DrawTubeLayout(const LayoutInput& input, DisplayList* drawing);

// A text of the display list ("3程(进口)", "H-高度=1200", "←流向") as shown:
// translated while a translator is installed. The list itself keeps the
// source texts, which the sheet looks for.
std::string DisplayText(std::string_view text);

// The display list as an SVG document.
std::string ToSvg(const DisplayList& drawing);

}  // namespace tharvex::layout
