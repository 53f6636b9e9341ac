// Tube layout: the drawing, its mapping onto the paint box, the memo lines,
// the SVG output, and the bounds and guards of hostile input.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/output/draw_area.h"
#include "core/output/tube_layout.h"

namespace tharvex::layout {
namespace {

LayoutInput FirstCase() {
  LayoutInput in;
  in.passes = 1;
  in.tubes = 19;
  in.khw = 2;
  in.sw = in.sh1 = 6;
  in.pt = 92;
  in.df = 70;
  in.lengthM = 1.2345;
  return in;
}

std::vector<const DrawItem*> OfKind(const DisplayList& d, DrawItem::Kind k) {
  std::vector<const DrawItem*> out;
  for (const DrawItem& it : d.items)
    if (it.kind == k) out.push_back(&it);
  return out;
}

const DrawItem* TextStarting(const DisplayList& d, const std::string& prefix) {
  for (const DrawItem& it : d.items)
    if (it.kind == DrawItem::Kind::Text && it.text.rfind(prefix, 0) == 0) return &it;
  return nullptr;
}

TEST(LayoutMapping, PaintBoxMarginsAndKeptAspect) {
  DisplayList box;
  DrawArea a;
  ASSERT_TRUE(SetDrawArea(a, &box, 200, 60, 60, 200, 242, 542, false, true));
  EXPECT_EQ(a.ex, 318);
  EXPECT_EQ(a.ey, 310);
  EXPECT_DOUBLE_EQ(a.sx, 310.0 / 542);  // the smaller scale wins
  EXPECT_DOUBLE_EQ(a.sy, 310.0 / 542);
  CanvasPoint origin = WorldToCanvas(a, 0, 0);
  EXPECT_EQ(origin.x, 60);
  EXPECT_EQ(origin.y, 569 - 60);
  CanvasPoint top = WorldToCanvas(a, 242, 542);  // y grows upwards
  EXPECT_EQ(top.x, 60 + 138);                    // Round(138.41)
  EXPECT_EQ(top.y, 569 - 60 - 310);

  ASSERT_TRUE(SetDrawArea(a, nullptr, 0, 0, 0, 0, 100, 100, true, false));
  EXPECT_EQ(a.ex, 1000);
  EXPECT_EQ(a.ey, 613);
  EXPECT_DOUBLE_EQ(a.sx, 5);
  EXPECT_DOUBLE_EQ(a.sy, 3.065);
  CanvasPoint c = WorldToCanvas(a, 1, 1);
  EXPECT_EQ(c.x, 5 + 500);
  EXPECT_EQ(c.y, 569 - 306 - 3);

  EXPECT_FALSE(SetDrawArea(a, &box, 200, 60, 60, 200, 0, 542, false, true));
  EXPECT_FALSE(SetDrawArea(a, &box, 200, 60, 60, 200, 242, 0, false, true));
}

TEST(LayoutMapping, TextAtWorldOffsetsAndSilence) {
  DisplayList box;
  DrawArea a;
  ASSERT_TRUE(SetDrawArea(a, &box, 200, 60, 60, 200, 318, 310, false, true));
  TextAtWorld(a, &box, true, 30, 30, "x", 10, 10);
  ASSERT_EQ(box.items.size(), 1u);
  EXPECT_EQ(box.items[0].canvas, (std::vector<int>{60 + 10 + 30, 509 - 10 - 30}));
  TextAtWorld(a, &box, false, 30, 30, "y", 10, 10);
  EXPECT_EQ(box.items.size(), 1u);
  std::string longText(300, 'a');
  TextAtWorld(a, &box, true, 0, 0, longText, 0, 0);
  EXPECT_EQ(box.items.back().text.size(), 255u);
}

TEST(LayoutDrawing, PrimitivesTextsAndMemo) {
  DisplayList d;
  LayoutResult r = DrawTubeLayout(FirstCase(), &d);
  ASSERT_EQ(r.tubesPlaced, 17);
  EXPECT_EQ(OfKind(d, DrawItem::Kind::Ellipse).size(), 17u);
  auto rects = OfKind(d, DrawItem::Kind::Rectangle);
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_TRUE(rects[0]->hollow);
  EXPECT_EQ(OfKind(d, DrawItem::Kind::Line).size(), 3u);
  auto poly = OfKind(d, DrawItem::Kind::Polyline);
  ASSERT_EQ(poly.size(), 1u);
  ASSERT_EQ(poly[0]->canvas.size(), 10u);

  // The outline encloses the bank plus the gaps: 6 + 242 - ... in world mm.
  const DrawItem& rect = *rects[0];
  EXPECT_NEAR(rect.world[3] - rect.world[1], 542, 1e-9);  // 5 * 92 + 70 + 2 * 6
  const int XA = rect.canvas[0], YA = rect.canvas[1], XB = rect.canvas[2], YB = rect.canvas[3];
  EXPECT_LT(YB, YA);
  EXPECT_EQ(poly[0]->canvas[0], XA + 40);
  EXPECT_EQ(poly[0]->canvas[1], YB - 40);
  EXPECT_EQ(poly[0]->canvas[8], XB + 40);
  // Wave points: (0.2 - 0.025 * 2) of the outline width past XA + 40.
  EXPECT_EQ(poly[0]->canvas[2], XA + 40 + static_cast<int>(std::lround(0.15 * (XB - XA))));
  EXPECT_EQ(poly[0]->canvas[3], YB - 25);

  const DrawItem* len = TextStarting(d, "L-长度=");
  ASSERT_NE(len, nullptr);
  EXPECT_EQ(len->text, "L-长度=1234");  // Round(1234.5) = 1234
  EXPECT_EQ(len->canvas, (std::vector<int>{XB + 20, YB - 60}));
  const DrawItem* h = TextStarting(d, "H-高度=");
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(h->text, "H-高度=542");
  ASSERT_NE(TextStarting(d, "←流向"), nullptr);
  const DrawItem* w = TextStarting(d, "W-宽度=");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->text, "W-宽度=242");
  EXPECT_EQ(r.memoLines, (std::vector<std::string>{"Hbx  =0.542", "Wbx  =0.242"}));
}

TEST(LayoutBounds, TooManyTubesPlacesAndDrawsNothing) {
  struct {
    bool design;
    long long n;
    double nh, nw;
    bool tooMany;
  } cases[] = {
      {true, 1000000000000LL, 0, 0, true},  // the optimiser's low velocities
      {true, 4000000000000000000LL, 0, 0, true},
      {false, 0, 1000, 101, true},
      {false, 0, 1000, 100, false},  // exactly the bound
      {false, 0, -5, 1e6, false},    // negative counts are 0
      {false, 0, 3e9, 0, true},      // beyond any int count
  };
  for (auto c : cases) {
    LayoutInput in = FirstCase();
    in.arrangement = 1;
    in.design = c.design;
    in.tubes = c.n;
    in.ratingNh = c.nh;
    in.ratingNw = c.nw;
    in.ratingHeightMm = 500;
    DisplayList d;
    d.items.push_back(DrawItem{DrawItem::Kind::Line, {}, {0, 0, 1, 1}, {}, false});
    LayoutResult r = DrawTubeLayout(in, &d);
    EXPECT_EQ(r.tooManyTubes, c.tooMany) << c.n << " " << c.nh << " " << c.nw;
    EXPECT_FALSE(r.arithmeticError);
    if (c.tooMany) {
      EXPECT_EQ(r.tubesPlaced, 0);
      EXPECT_TRUE(d.items.empty());
      EXPECT_TRUE(r.memoLines.empty());
    } else {
      EXPECT_LE(r.tubesPlaced, kMaxTubes);
    }
  }
}

TEST(LayoutBounds, DivisionsByZeroAndRootsOfNegativesAreReported) {
  struct {
    const char* what;
    void (*edit)(LayoutInput&);
  } cases[] = {
      {"zero pitch", [](LayoutInput& in) { in.pt = 0; }},
      {"negative ratio", [](LayoutInput& in) { in.khw = -1; }},
      {"negative tube count", [](LayoutInput& in) { in.tubes = -4; }},
      {"NaN ratio", [](LayoutInput& in) { in.khw = NAN; }},
      {"rating, no passes",
       [](LayoutInput& in) {
         in.design = false;
         in.passes = 0;
         in.ratingNw = 3;
       }},
      {"rating, zero height",
       [](LayoutInput& in) {
         in.design = false;
         in.ratingNh = 4;
         in.ratingNw = 3;
       }},
      {"rating, count beyond 64 bits",
       [](LayoutInput& in) {
         in.design = false;
         in.ratingNh = 1e30;
       }},
      {"zero width",
       [](LayoutInput& in) {
         in.df = -2 * 79.67433714816836;
         in.sw = 0;
       }},
      {"infinite length", [](LayoutInput& in) { in.lengthM = INFINITY; }},
  };
  for (auto c : cases) {
    LayoutInput in = FirstCase();
    c.edit(in);
    DisplayList d;
    LayoutResult r = DrawTubeLayout(in, &d);
    EXPECT_TRUE(r.arithmeticError) << c.what;
    EXPECT_TRUE(std::isfinite(r.heightMm) && std::isfinite(r.widthMm)) << c.what;
  }
}

TEST(LayoutBounds, HostileButFiniteInputGivesFiniteResults) {
  const double values[] = {0, -1, 1e-300, 1e300, -1e300, 0.5, 1e9};
  for (double v : values)
    for (int field = 0; field < 6; ++field) {
      LayoutInput in = FirstCase();
      double* target[] = {&in.khw, &in.sw, &in.sh1, &in.pt, &in.df, &in.lengthM};
      *target[field] = v;
      for (bool interactive : {true, false}) {
        in.interactive = interactive;
        DisplayList d;
        LayoutResult r = DrawTubeLayout(in, &d);
        EXPECT_TRUE(std::isfinite(r.heightMm) && std::isfinite(r.widthMm)) << field << " " << v;
        EXPECT_LE(r.tubesPlaced, kMaxTubes);
        for (const std::string& line : r.memoLines) {
          EXPECT_EQ(line.find("INF"), std::string::npos) << line;
          EXPECT_EQ(line.find("NAN"), std::string::npos) << line;
        }
      }
    }
}

TEST(LayoutBounds, PixelsBeyondTheDrawableRangeEndTheAttempt) {
  // Rating mode takes the ratio only for the wavy far edge of the casing
  // top: an absurd one put it billions of pixels away, past the int range.
  struct {
    const char* what;
    double khw;
    bool error;
  } cases[] = {
      {"khw -1e9", -1e9, true},  {"khw 1e9", 1e9, true},      {"khw -1e300", -1e300, true},
      {"khw 1000", 1000, false}, {"khw -1000", -1000, false},
  };
  for (const auto& c : cases) {
    LayoutInput in = FirstCase();
    in.design = false;
    in.ratingNh = 4;
    in.ratingNw = 3;
    in.ratingHeightMm = 500;
    in.khw = c.khw;
    DisplayList d;
    LayoutResult r = DrawTubeLayout(in, &d);
    EXPECT_EQ(r.arithmeticError, c.error) << c.what;
    for (const DrawItem& it : d.items)
      for (int px : it.canvas) EXPECT_LE(std::abs(px), kMaxCanvasCoordinate + 100) << c.what;
  }
}

}  // namespace
}  // namespace tharvex::layout
