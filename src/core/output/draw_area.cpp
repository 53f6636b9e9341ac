#include "core/output/draw_area.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "core/fields/number_format.h"

namespace tharvex::layout {

int RoundToInt(double x) {
  if (std::isnan(x)) return 0;
  double r = RoundHalfEven(x);
  if (r >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (r <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(r);
}

bool SetDrawArea(DrawArea& area, DisplayList* canvas, int top, int bottom, int left, int right, double worldWidth,
                 double worldHeight, bool centred, bool keepAspect) {
  area.top = top;
  area.bottom = bottom;
  area.left = left;
  area.right = right;
  area.centred = centred;
  if (canvas) {
    canvas->clear();  // the refresh repaints the background over the old picture
    area.clientWidth = canvas->width;
    area.clientHeight = canvas->height;
    area.ex = canvas->width + 1 - (left + right);
    area.ey = canvas->height + 1 - (top + bottom);
  } else {
    area.ex = 1000;
    area.ey = 613;
  }
  if (worldWidth == 0 || worldHeight == 0 || !std::isfinite(worldWidth) || !std::isfinite(worldHeight)) {
    area.sx = area.sy = 0;
    return false;
  }
  area.sx = area.ex / worldWidth;
  area.sy = area.ey / worldHeight;
  if (centred) {
    area.sx /= 2;
    area.sy /= 2;
  }
  if (keepAspect) area.sx = area.sy = std::min(area.sx, area.sy);
  return true;
}

CanvasPoint WorldToCanvas(const DrawArea& area, double x, double y) {
  // Sums in double, then clamped, so that absurd world points cannot overflow.
  double cx = RoundToInt(x * area.sx) + static_cast<double>(area.left);
  double cy = static_cast<double>(area.clientHeight) - area.bottom - RoundToInt(y * area.sy);
  if (area.centred) {
    cx += area.ex / 2;  // integer division, truncating toward zero
    cy -= area.ey / 2;
  }
  return {RoundToInt(cx), RoundToInt(cy)};
}

namespace {

// Cut to at most `limit` bytes without splitting a UTF-8 sequence.
std::string CutUtf8(const std::string& s, size_t limit) {
  if (s.size() <= limit) return s;
  size_t n = limit;
  while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;
  return s.substr(0, n);
}

}  // namespace

void TextAtWorld(const DrawArea& area, DisplayList* canvas, bool interactive, int dx, int dy, const std::string& text,
                 double x, double y) {
  if (!interactive || !canvas) return;
  CanvasPoint p = WorldToCanvas(area, x, y);
  DrawItem item{DrawItem::Kind::Text,
                {x, y},
                {RoundToInt(static_cast<double>(p.x) + dx), RoundToInt(static_cast<double>(p.y) - dy)},
                CutUtf8(text, 255)};
  canvas->items.push_back(std::move(item));
}

}  // namespace tharvex::layout
