#include "core/output/section_geometry.h"

#include <algorithm>
#include <cmath>

#include "core/fields/number_format.h"
#include "core/output/column_rule.h"
#include "core/output/tube_layout.h"

namespace tharvex::section {

namespace {

// Dimension values: whole millimetres when they are, else one decimal.
std::string Mm(double v) {
  double r = std::round(v * 10.0) / 10.0;
  std::string s = FormatGeneral(r);
  return s + " mm";
}

// Number of UTF-8 code points of three or more bytes (CJK) and the rest.
void CountChars(const std::string& s, int& wide, int& narrow) {
  wide = narrow = 0;
  for (size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    (len >= 3 ? wide : narrow)++;
    i += len;
  }
}

// Places labels so that none overlaps another: a label that would overlap
// is pushed away from the casing (its band's outward direction) until free.
class LabelPlacer {
 public:
  explicit LabelPlacer(std::vector<Label>& labels, double gap) : labels_(labels), gap_(gap) {}

  enum class Away { Up, Down, Left, Right };

  int place(Label l, Away away) {
    for (bool moved = true; moved;) {
      moved = false;
      for (const Label& o : labels_) {
        if (!Overlap(grown(l), o)) continue;
        switch (away) {
          case Away::Up:
            shift(l, 0, o.y1 + gap_ - l.y0);
            break;
          case Away::Down:
            shift(l, 0, o.y0 - gap_ - l.y1);
            break;
          case Away::Left:
            shift(l, o.x0 - gap_ - l.x1, 0);
            break;
          case Away::Right:
            shift(l, o.x1 + gap_ - l.x0, 0);
            break;
        }
        moved = true;
      }
    }
    labels_.push_back(std::move(l));
    return static_cast<int>(labels_.size()) - 1;
  }

 private:
  Label grown(const Label& l) const {
    Label g = l;
    g.x0 -= gap_ / 2;
    g.x1 += gap_ / 2;
    g.y0 -= gap_ / 2;
    g.y1 += gap_ / 2;
    return g;
  }
  static void shift(Label& l, double dx, double dy) {
    l.x0 += dx;
    l.x1 += dx;
    l.y0 += dy;
    l.y1 += dy;
  }
  std::vector<Label>& labels_;
  double gap_;
};

Label MakeLabel(Label::Role role, std::string text, double cx, double cy, double h) {
  Label l;
  l.role = role;
  const double w = TextWidth(text, h);
  l.text = std::move(text);
  l.x0 = cx - w / 2;
  l.x1 = cx + w / 2;
  l.y0 = cy - h / 2;
  l.y1 = cy + h / 2;
  return l;
}

}  // namespace

double TextWidth(const std::string& utf8, double textHeight) {
  int wide = 0, narrow = 0;
  CountChars(utf8, wide, narrow);
  return (wide + 0.6 * narrow) * textHeight;
}

bool Overlap(const Label& a, const Label& b) { return a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1; }

SectionScene BuildSection(const SectionInput& input) {
  SectionScene sc;
  layout::LayoutInput in = input.layout;
  in.interactive = false;
  const layout::LayoutResult res = layout::DrawTubeLayout(in, nullptr);
  if (res.arithmeticError || res.tooManyTubes || res.tubesPlaced <= 0) return sc;

  const int arr = in.arrangement == 1 ? 1 : 0;
  const long long nh = res.nh, nw = res.nw;
  const int np = std::max(1, in.passes);
  // Columns per pass, as the layout settled them.
  long long c = 0;
  if (in.design)
    c = np > 1 && nw % np == 0 ? nw / np : 0;
  else
    c = static_cast<long long>(RoundHalfEven(static_cast<double>(nw) / np));

  // Tubes at the layout's coordinates: column 0 on the right, where the air
  // enters; each completed pass moves the next ones left by 0.375 pitches.
  const layout::ColumnRule rule{arr, in.rotated, in.pt, in.sw, in.sh1, in.df};
  const double w = res.widthMm, h = res.heightMm;
  sc.tubes.reserve(static_cast<size_t>(res.tubesPlaced));
  sc.tubePass.reserve(static_cast<size_t>(res.tubesPlaced));
  double g = 0;
  double minX = 1e300, maxX = -1e300;
  std::vector<double> columnX(static_cast<size_t>(std::max(0LL, nw)));
  for (long long i = 0; i < nw; ++i) {
    const double x = w - (rule.offset(i) + g);
    columnX[static_cast<size_t>(i)] = x;
    const int pass = c >= 1 ? static_cast<int>(i / c) + 1 : 1;
    const long long count = rule.tubes(i, nh);
    for (long long j = 0; j < count; ++j) {
      sc.tubes.push_back({x, h - rule.rowOffset(i, j)});
      sc.tubePass.push_back(pass);
    }
    if (count > 0) {
      minX = std::min(minX, x);
      maxX = std::max(maxX, x);
    }
    sc.passes = std::max(sc.passes, pass);
    if (c > 1 && (i + 1) % c == 0) g += RoundHalfEven(0.375 * in.pt);
  }
  if (sc.tubes.empty()) return sc;
  sc.tubeDiameter = input.tubeOd;
  sc.finDiameter = input.finned ? in.df : 0;
  const double half = in.df / 2;

  // The casing from its height and width, centred across the bank; its top
  // is the top reference of the rows.
  const double mid = (minX + maxX) / 2;
  sc.casingX0 = mid - w / 2;
  sc.casingX1 = mid + w / 2;
  sc.casingY0 = 0;
  sc.casingY1 = h;
  const double size = std::max(w, h);
  const double t = std::max(0.03 * size, 4.0);
  sc.textHeight = t;

  // Pass boundaries halfway between the last column of a pass and the first
  // of the next.
  std::vector<double> passLeft(static_cast<size_t>(sc.passes) + 1, 1e300),
      passRight(static_cast<size_t>(sc.passes) + 1, -1e300);
  for (long long i = 0; i < nw; ++i) {
    const int pass = c >= 1 ? static_cast<int>(i / c) + 1 : 1;
    const double x = columnX[static_cast<size_t>(i)];
    passLeft[static_cast<size_t>(pass)] = std::min(passLeft[static_cast<size_t>(pass)], x);
    passRight[static_cast<size_t>(pass)] = std::max(passRight[static_cast<size_t>(pass)], x);
    if (i + 1 < nw && c >= 1 && (i + 1) % c == 0) {
      const double xb = (x + columnX[static_cast<size_t>(i + 1)]) / 2;
      sc.passBoundaries.push_back({{xb, sc.casingY0}, {xb, sc.casingY1}});
    }
  }

  LabelPlacer placer(sc.labels, 0.3 * t);
  using Away = LabelPlacer::Away;

  // Pass numbers above the casing, each over its pass; crowded ones step up
  // and keep a leader line to their pass.
  for (int k = 1; k <= sc.passes; ++k) {
    std::string text = std::to_string(k) + "程";
    if (k == 1)
      text += "(出口)";
    else if (k == sc.passes)
      text += "(进口)";
    const double cx = (passLeft[static_cast<size_t>(k)] + passRight[static_cast<size_t>(k)]) / 2;
    const double cy = sc.casingY1 + 0.6 * t + t / 2;
    Label l = MakeLabel(k == 1           ? Label::Role::Outlet
                        : k == sc.passes ? Label::Role::Inlet
                                         : Label::Role::Pass,
                        layout::DisplayText(text), cx, cy, t);
    const int idx = placer.place(std::move(l), Away::Up);
    const Label& placed = sc.labels[static_cast<size_t>(idx)];
    if (placed.y0 > cy - t / 2 + 1e-9) sc.leaders.push_back({{cx, placed.y0}, {cx, sc.casingY1}});
  }

  auto addDimension = [&](Point from, Point to, Point lineFrom, Point lineTo, std::string text, Point textAt,
                          Away away) {
    Dimension d;
    d.from = from;
    d.to = to;
    d.lineFrom = lineFrom;
    d.lineTo = lineTo;
    d.extensions.push_back({from, lineFrom});
    d.extensions.push_back({to, lineTo});
    Label l = MakeLabel(Label::Role::Dimension, std::move(text), textAt.x, textAt.y, t);
    // Text beside a vertical line starts at textAt (not centred on it).
    if (away == Away::Right) {
      const double wdt = l.x1 - l.x0;
      l.x0 = textAt.x;
      l.x1 = textAt.x + wdt;
    } else if (away == Away::Left) {
      const double wdt = l.x1 - l.x0;
      l.x1 = textAt.x;
      l.x0 = textAt.x - wdt;
    }
    d.label = placer.place(std::move(l), away == Away::Left ? Away::Down : away);
    sc.dimensions.push_back(std::move(d));
  };

  // Right of the casing: the top gap and the transverse pitch of column 0.
  const double xr = sc.casingX1 + t;
  const Point top0 = sc.tubes.front();
  addDimension({top0.x, sc.casingY1}, {top0.x, top0.y + half}, {xr, sc.casingY1}, {xr, top0.y + half},
               layout::DisplayText("上下间隙 " + Mm(sc.casingY1 - (top0.y + half))),
               {xr + 0.4 * t, (sc.casingY1 + top0.y + half) / 2}, Away::Right);
  if (rule.tubes(0, nh) >= 2) {
    const Point p1 = sc.tubes[1];
    addDimension(top0, p1, {xr, top0.y}, {xr, p1.y}, "S1=" + Mm(top0.y - p1.y), {xr + 0.4 * t, (top0.y + p1.y) / 2},
                 Away::Right);
  }

  // The air enters from the right.
  const double midY = (sc.casingY0 + sc.casingY1) / 2;
  sc.flowArrow = {{sc.casingX1 + 6 * t, midY}, {sc.casingX1 + 0.3 * t, midY}};
  placer.place(
      MakeLabel(Label::Role::Flow, layout::DisplayText("空气流向"), sc.casingX1 + 3.2 * t, midY + 0.3 * t + t / 2, t),
      Away::Down);

  // Below the casing: the side gap at the air inlet and the longitudinal pitch.
  const double yb = sc.casingY0 - t;
  double lowest = yb;
  {
    const double edge = maxX + half;
    addDimension({sc.casingX1, sc.casingY0}, {edge, sc.casingY0}, {sc.casingX1, yb}, {edge, yb},
                 layout::DisplayText("左右间隙 " + Mm(sc.casingX1 - edge)),
                 {(sc.casingX1 + edge) / 2, yb - 0.4 * t - t / 2}, Away::Down);
    lowest = std::min(lowest, sc.labels.back().y0);
  }
  if (nw >= 2) {
    const double xa = columnX[0], xb2 = columnX[1];
    addDimension({xa, sc.casingY0}, {xb2, sc.casingY0}, {xa, yb}, {xb2, yb}, "S2=" + Mm(xa - xb2),
                 {(xa + xb2) / 2, yb - 0.4 * t - t / 2}, Away::Down);
    lowest = std::min(lowest, sc.labels.back().y0);
  }
  // The overall width below everything else, the height on the left.
  const double yw = lowest - t;
  addDimension({sc.casingX0, sc.casingY0}, {sc.casingX1, sc.casingY0}, {sc.casingX0, yw}, {sc.casingX1, yw},
               "W=" + Mm(w), {(sc.casingX0 + sc.casingX1) / 2, yw - 0.4 * t - t / 2}, Away::Down);
  const double xl = sc.casingX0 - t;
  addDimension({sc.casingX0, sc.casingY0}, {sc.casingX0, sc.casingY1}, {xl, sc.casingY0}, {xl, sc.casingY1},
               "H=" + Mm(h), {xl - 0.4 * t, midY}, Away::Left);

  // Extent of everything drawn.
  double x0 = std::min(sc.casingX0, minX - half), x1 = std::max(sc.casingX1, maxX + half);
  double y0 = sc.casingY0, y1 = sc.casingY1;
  for (const Point& p : sc.tubes) {
    y0 = std::min(y0, p.y - half);
    y1 = std::max(y1, p.y + half);
  }
  for (const Label& l : sc.labels) {
    x0 = std::min(x0, l.x0);
    x1 = std::max(x1, l.x1);
    y0 = std::min(y0, l.y0);
    y1 = std::max(y1, l.y1);
  }
  for (const Dimension& d : sc.dimensions) {
    for (const Point& p : {d.lineFrom, d.lineTo}) {
      x0 = std::min(x0, p.x);
      x1 = std::max(x1, p.x);
      y0 = std::min(y0, p.y);
      y1 = std::max(y1, p.y);
    }
  }
  x1 = std::max(x1, sc.flowArrow.a.x);
  sc.x0 = x0;
  sc.y0 = y0;
  sc.x1 = x1;
  sc.y1 = y1;
  sc.valid = true;
  return sc;
}

}  // namespace tharvex::section
