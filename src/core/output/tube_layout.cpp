#include "core/output/tube_layout.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "core/fields/i18n.h"
#include "core/fields/number_format.h"
#include "core/output/column_rule.h"
#include "core/output/draw_area.h"

namespace tharvex::layout {

namespace {

const double kSqrt3 = std::sqrt(3.0);
const double kSqrt2 = std::sqrt(2.0);

}  // namespace

// Rows: arrangement; columns: transverse pitch (not rotated, rotated), then
// longitudinal pitch (not rotated, rotated), as multiples of the tube pitch.
const double PitchFactors[2][4] = {
    {1.0, kSqrt3, kSqrt3 / 2.0, 0.5},
    {1.0, kSqrt2, 1.0, kSqrt2 / 2.0},
};

namespace {

// Arithmetic that notes where plain floating point would give an infinity or
// a NaN from finite operands (the layout then reports an arithmetic error).
struct Checked {
  bool error = false;

  double div(double a, double b) {
    if (b == 0) {
      error = true;
      return 0;
    }
    return finite(a / b);
  }
  double sqrt(double x) {
    if (!(x >= 0)) {
      error = true;
      return 0;
    }
    return std::sqrt(x);
  }
  // Nearest integer, halves to even; beyond the 64-bit integer range is an error.
  double round(double x) {
    if (!std::isfinite(x) || std::fabs(x) >= 9.2e18) {
      error = true;
      return 0;
    }
    return RoundHalfEven(x);
  }
  double finite(double x) {
    if (!std::isfinite(x)) {
      error = true;
      return 0;
    }
    return x;
  }
};

std::string PassLabel(long long k, int passes) {
  std::string label = std::to_string(k) + "程";
  if (k == 1)
    label += "(出口)";
  else if (k == passes)
    label += "(进口)";
  return label;
}

// Leading texts of the drawings' labels, longest first among those that
// share a start.
constexpr const char* kLabelStarts[] = {
    THX_TR_NOOP("Drawing", "L-长度="),  THX_TR_NOOP("Drawing", "H-高度="),  THX_TR_NOOP("Drawing", "W-宽度="),
    THX_TR_NOOP("Drawing", "←流向"),    THX_TR_NOOP("Drawing", "空气流向"), THX_TR_NOOP("Drawing", "上下间隙"),
    THX_TR_NOOP("Drawing", "左右间隙"),
};

std::string IntText(double rounded) { return std::to_string(static_cast<long long>(rounded)); }

void AddItem(DisplayList* d, DrawItem::Kind kind, std::vector<double> world, std::vector<int> canvas,
             bool hollow = false) {
  DrawItem item{kind, std::move(world), std::move(canvas), {}, hollow};
  d->items.push_back(std::move(item));
}

}  // namespace

LayoutResult DrawTubeLayout(const LayoutInput& in, DisplayList* drawing) {
  LayoutResult res;
  Checked ck;
  if (drawing) drawing->clear();
  const bool draw = in.interactive && drawing != nullptr;

  // 1. Transverse pitch S1 (within a column) and longitudinal pitch S2.
  const int arr = in.arrangement == 1 ? 1 : 0;
  const int r = in.rotated ? 1 : 0;
  const double s1 = ck.finite(in.pt * PitchFactors[arr][r]);
  const double s2 = ck.finite(in.pt * PitchFactors[arr][r + 2]);
  const int np = in.passes;

  // 2. Tubes per column and columns; c is the number of columns per pass.
  double nh = 0, nw = 0, c = 0;
  if (in.design) {
    // A bank of N tubes whose height/width is khw: Nh * S1 = khw * Nw * S2.
    nh = ck.round(ck.sqrt(ck.div(in.khw * s2 * static_cast<double>(in.tubes), s1)));
    nw = ck.round(ck.div(static_cast<double>(in.tubes), nh - 0.5));
    if (np > 1) {
      c = ck.round(ck.div(nw, np));
      nw = c > 0 ? np * c : 1;
    }
  } else {
    nh = ck.round(in.ratingNh);
    nw = ck.round(in.ratingNw);
    c = ck.round(ck.div(nw, np));
  }
  if (ck.error) {
    res.arithmeticError = true;
    return res;
  }
  auto clampInt = [](double v) { return static_cast<int>(std::clamp<double>(v, INT_MIN, INT_MAX)); };
  res.nh = clampInt(nh);
  res.nw = clampInt(nw);
  // Bound on the tubes to place (negative counts place none); a count beyond
  // the int range is too many as well.
  if (std::fabs(nh) > INT_MAX || std::fabs(nw) > INT_MAX ||
      std::max(0.0, nh) * std::max(0.0, nw) > static_cast<double>(kMaxTubes)) {
    res.tooManyTubes = true;
    return res;
  }
  res.countsWithinBound = true;
  const long long inh = static_cast<long long>(nh), inw = static_cast<long long>(nw);
  const long long ic = static_cast<long long>(c);

  // 3. Casing height, mm: design mode to an even number of millimetres.
  double h = in.design ? 2.0 * ck.round(((nh - 1.0) * s1 + in.df + 2.0 * in.sh1) / 2.0) : ck.finite(in.ratingHeightMm);
  // 4. Casing width, mm; passes are set apart by 0.375 tube pitches.
  double w;
  if (np > 1 && in.drawnWidth) {
    // The drawing shifts each column by the passes completed before it.
    const double shifts = ic > 1 && inw > 1 ? static_cast<double>((inw - 1) / ic) : 0.0;
    w = ck.round((nw - 1.0) * s2 + in.df + 2.0 * in.sw + shifts * RoundHalfEven(0.375 * in.pt));
  } else {
    w = np > 1 ? ck.round((nw - 1.0) * s2 + in.df + 2.0 * in.sw + (c - 1.0) * 0.375 * in.pt)
               : 2.0 * ck.round(((nw - 1.0) * s2 + in.df + 2.0 * in.sw) / 2.0);
  }
  // 5. Map the casing onto the paint box.
  DrawArea area;
  if (!ck.error && !SetDrawArea(area, drawing, 200, 60, 60, 200, w, h, false, true)) ck.error = true;
  if (ck.error) {
    res.arithmeticError = true;
    return res;
  }
  res.heightMm = h;
  res.widthMm = w;

  // 6.-7. Place the tubes, column 0 on the right where the air enters.
  const ColumnRule rule{arr, in.rotated, in.pt, in.sw, in.sh1, in.df};
  if (!draw) {
    res.tubesPlaced = rule.total(inh, inw);
  } else {
    double minX = 1e10, minY = 1e10, maxX = -1, maxY = -1;
    double g = 0;  // pass offset, mm
    const double half = in.df / 2.0;
    long long placed = 0;
    for (long long i = 0; i < inw; ++i) {
      double xc = rule.offset(i) + g;
      long long count = rule.tubes(i, inh);
      for (long long j = 0; j < count; ++j) {
        double yc = rule.rowOffset(i, j);
        double x0 = w - xc - half, y0 = h - yc - half, x1 = w - xc + half, y1 = h - yc + half;
        minX = std::min(minX, x0);
        minY = std::min(minY, y0);
        maxX = std::max(maxX, x1);
        maxY = std::max(maxY, y1);
        CanvasPoint a = WorldToCanvas(area, x0, y0), b = WorldToCanvas(area, x1, y1);
        AddItem(drawing, DrawItem::Kind::Ellipse, {x0, y0, x1, y1}, {a.x, a.y, b.x, b.y});
        ++placed;
      }
      if (ic > 1 && (i + 1) % ic == 0) {
        long long k = (i + 1) / ic;
        TextAtWorld(area, drawing, true, RoundToInt(static_cast<double>(ic) / 2.0 * s2 * area.sx), -10,
                    PassLabel(k, np), w - xc - static_cast<double>(ic) * in.df / 2.0, minY);
        g += RoundHalfEven(0.375 * in.pt);
      }
    }
    res.tubesPlaced = placed;

    // 8.-9. Casing outline with a perspective hint of its length, and the
    // dimension texts. With no tube placed there is no bank to outline.
    if (placed > 0) {
      CanvasPoint A = WorldToCanvas(area, minX - in.sw, minY - in.sh1);
      CanvasPoint B = WorldToCanvas(area, maxX + in.sw, maxY + in.sh1);
      // The wavy far edge lies at fractions of the width set off by the
      // height ratio. Pixels are whole numbers within the drawable range: a
      // corner or wave point beyond it (an absurd ratio or size) ends the
      // attempt like any arithmetic error.
      const double span = static_cast<double>(B.x) - A.x;
      int waveX[3] = {};
      const double fractions[3] = {0.2, 0.45, 0.65};
      bool drawable = InCanvasRange(A.x) && InCanvasRange(A.y) && InCanvasRange(B.x) && InCanvasRange(B.y);
      for (int k = 0; k < 3 && drawable; ++k) {
        const double x = A.x + 40.0 + RoundHalfEven((fractions[k] - 0.025 * in.khw) * span);
        drawable = InCanvasRange(x);
        if (drawable) waveX[k] = static_cast<int>(x);
      }
      if (!drawable) {
        drawing->clear();  // no half picture of a failed attempt
        res.arithmeticError = true;
        return res;
      }
      AddItem(drawing, DrawItem::Kind::Rectangle, {minX - in.sw, minY - in.sh1, maxX + in.sw, maxY + in.sh1},
              {A.x, A.y, B.x, B.y}, true);
      AddItem(drawing, DrawItem::Kind::Line, {}, {A.x, B.y, A.x + 40, B.y - 40});
      AddItem(drawing, DrawItem::Kind::Line, {}, {B.x, B.y, B.x + 40, B.y - 40});
      AddItem(drawing, DrawItem::Kind::Polyline, {},
              {A.x + 40, B.y - 40, waveX[0], B.y - 25, waveX[1], B.y - 35, waveX[2], B.y - 25, B.x + 40, B.y - 40});
      AddItem(drawing, DrawItem::Kind::Line, {}, {B.x, A.y, B.x + 40, A.y - 40});

      double lengthMm = ck.round(in.lengthM * 1000.0);
      double hText = ck.round(h), wText = ck.round(w);
      if (ck.error) {
        res.arithmeticError = true;
        return res;
      }
      DrawItem len{DrawItem::Kind::Text, {}, {B.x + 20, B.y - 60}, "L-长度=" + IntText(lengthMm)};
      drawing->items.push_back(std::move(len));
      const double midY = (minY + maxY) / 2.0;
      TextAtWorld(area, drawing, true, 30, 30, "H-高度=" + IntText(hText), maxX, midY);
      TextAtWorld(area, drawing, true, 30, 0, "←流向", maxX, midY);
      TextAtWorld(area, drawing, true, -20, -30, "W-宽度=" + IntText(wText), (minX + maxX) / 2.0, minY);
    }
  }

  // 10. Casing size in metres for the message pane.
  if (in.interactive) {
    res.memoLines.push_back("Hbx  =" + FormatGeneral(h / 1000.0));
    res.memoLines.push_back("Wbx  =" + FormatGeneral(w / 1000.0));
  }
  return res;
}

std::string DisplayText(std::string_view text) {
  if (!i18n::Translating()) return std::string(text);
  // A pass label: the number, "程", then "(出口)" or "(进口)" for the first and last pass.
  size_t digits = 0;
  while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
  constexpr std::string_view kPass = "程";
  if (digits > 0 && text.substr(digits).starts_with(kPass)) {
    std::string_view rest = text.substr(digits + kPass.size());
    std::string s = i18n::Tr("Drawing", "程") + " " + std::string(text.substr(0, digits));
    if (rest == "(出口)")
      s += " (" + i18n::Tr("Drawing", "出口") + ")";
    else if (rest == "(进口)")
      s += " (" + i18n::Tr("Drawing", "进口") + ")";
    else
      s += rest;
    return s;
  }
  for (std::string_view start : kLabelStarts)
    if (text.starts_with(start)) return i18n::Tr("Drawing", start) + std::string(text.substr(start.size()));
  return i18n::Tr("Drawing", text);
}

}  // namespace tharvex::layout
