// Tube layout: counts, casing size and pass labels of the worked layouts.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/output/tube_layout.h"

namespace tharvex::layout {
namespace {

struct Case {
  const char* name;
  LayoutInput in;
  int nh, nw;
  long long tubes;
  double h, w;
  std::vector<std::string> labels;  // pass labels in drawing order
};

LayoutInput Design(int np, long long n, int arr, double khw, double gap) {
  LayoutInput in;
  in.passes = np;
  in.tubes = n;
  in.arrangement = arr;
  in.khw = khw;
  in.sw = in.sh1 = gap;
  in.pt = 92;
  in.df = 70;
  in.lengthM = 1.5;
  return in;
}

LayoutInput Rating(double nh, double nw, double hbx, int arr, int np) {
  LayoutInput in = Design(np, 0, arr, 1.6, 35);
  in.design = false;
  in.ratingNh = nh;
  in.ratingNw = nw;
  in.ratingHeightMm = hbx * 1000;
  return in;
}

std::vector<std::string> PassLabels(const DisplayList& d) {
  std::vector<std::string> out;
  for (const DrawItem& it : d.items)
    if (it.kind == DrawItem::Kind::Text && it.text.find("程") != std::string::npos) out.push_back(it.text);
  return out;
}

class LayoutCases : public ::testing::TestWithParam<Case> {};

TEST_P(LayoutCases, CountsSizeAndLabels) {
  const Case& c = GetParam();
  DisplayList d;
  LayoutResult r = DrawTubeLayout(c.in, &d);
  EXPECT_FALSE(r.tooManyTubes);
  EXPECT_FALSE(r.arithmeticError);
  EXPECT_EQ(r.nh, c.nh);
  EXPECT_EQ(r.nw, c.nw);
  EXPECT_EQ(r.tubesPlaced, c.tubes);
  EXPECT_DOUBLE_EQ(r.heightMm, c.h);
  EXPECT_DOUBLE_EQ(r.widthMm, c.w);
  EXPECT_EQ(PassLabels(d), c.labels);

  // Without interactive output the results are the same and nothing is drawn.
  LayoutInput quiet = c.in;
  quiet.interactive = false;
  DisplayList stale;
  stale.items.push_back(DrawItem{DrawItem::Kind::Line, {}, {0, 0, 1, 1}, {}, false});
  LayoutResult q = DrawTubeLayout(quiet, &stale);
  EXPECT_EQ(q.nh, r.nh);
  EXPECT_EQ(q.nw, r.nw);
  EXPECT_EQ(q.tubesPlaced, r.tubesPlaced);
  EXPECT_EQ(q.heightMm, r.heightMm);
  EXPECT_EQ(q.widthMm, r.widthMm);
  EXPECT_TRUE(stale.items.empty());
  EXPECT_TRUE(q.memoLines.empty());
}

INSTANTIATE_TEST_SUITE_P(
    WorkedLayouts, LayoutCases,
    ::testing::Values(
        Case{"TriangularOnePass", Design(1, 19, 0, 2, 6), 6, 3, 17, 542, 242, {}},
        Case{"SquareOnePass", Design(1, 19, 1, 2, 6), 6, 3, 18, 542, 266, {}},
        Case{"TriangularThreePasses", Design(3, 60, 0, 1.6, 35), 9, 6, 51, 876, 573, {"1程(出口)", "2程", "3程(进口)"}},
        Case{"RatingSquare", Rating(4, 3, 0.5, 1, 1), 4, 3, 12, 500, 324, {"1程(出口)"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LayoutPasses, EachPassMovesLeftByRoundedThreeEighthsPitch) {
  DisplayList d;
  LayoutResult r = DrawTubeLayout(Design(3, 60, 0, 1.6, 35), &d);
  ASSERT_EQ(r.tubesPlaced, 51);
  // Columns hold 9, 8, 9, 8, 9, 8 tubes; the first tube of columns 0, 2, 4
  // opens the passes. Round(0.375 * 92) = Round(34.5) = 34 mm per pass.
  std::vector<double> centreX;
  size_t index = 0;
  for (int col = 0; col < 6; ++col) {
    while (d.items[index].kind != DrawItem::Kind::Ellipse) ++index;
    const DrawItem& e = d.items[index];
    centreX.push_back((e.world[0] + e.world[2]) / 2);
    index += col % 2 == 0 ? 9 : 8;
  }
  const double s2 = 92 * std::sqrt(3.0) / 2;
  EXPECT_NEAR(centreX[0] - centreX[2], 2 * s2 + 34, 1e-9);
  EXPECT_NEAR(centreX[2] - centreX[4], 2 * s2 + 34, 1e-9);
  EXPECT_NEAR(centreX[0] - centreX[1], s2, 1e-9);  // no shift within a pass
}

TEST(LayoutRounding, DesignHeightHalvesGoToEven) {
  // Square, khw = 1, one tube: Nh = 1, so the height before rounding is
  // Df + 2 * Sh1.
  struct {
    double df, sh1, height;
  } cases[] = {{543, 0, 544}, {545, 0, 544}, {541, 1, 544}, {70, 236.5, 544}, {70, 238.5, 548}};
  for (auto c : cases) {
    LayoutInput in = Design(1, 1, 1, 1, 0);
    in.df = c.df;
    in.sh1 = c.sh1;
    LayoutResult r = DrawTubeLayout(in, nullptr);
    ASSERT_EQ(r.nh, 1);
    EXPECT_EQ(r.heightMm, c.height) << "Df " << c.df << " Sh1 " << c.sh1;
  }
}

TEST(LayoutRounding, RatingHeightIsTakenUnrounded) {
  LayoutResult r = DrawTubeLayout(Rating(4, 3, 0.5005, 1, 1), nullptr);
  EXPECT_DOUBLE_EQ(r.heightMm, 500.5);
}

TEST(LayoutRounding, PitchBeyondTheRangeOfADoubleIsAnArithmeticError) {
  // 1.5e308 mm is a number, but the transverse pitch of the rotated square
  // (times the root of two) is not; a single column never uses it otherwise.
  LayoutInput in = Rating(4, 1, 0.5, 1, 1);
  in.pt = 1.5e308;
  EXPECT_FALSE(DrawTubeLayout(in, nullptr).arithmeticError);
  in.rotated = true;
  EXPECT_TRUE(DrawTubeLayout(in, nullptr).arithmeticError);
}

TEST(LayoutCounting, CountedTubesEqualDrawnTubesInEveryArrangement) {
  for (int arr = 0; arr < 2; ++arr)
    for (bool rot : {false, true})
      for (int nh = -1; nh <= 5; ++nh)
        for (int nw = -1; nw <= 5; ++nw) {
          LayoutInput in = Rating(nh, nw, 0.5, arr, 1);
          in.rotated = rot;
          DisplayList d;
          LayoutResult drawn = DrawTubeLayout(in, &d);
          in.interactive = false;
          LayoutResult counted = DrawTubeLayout(in, nullptr);
          ASSERT_FALSE(drawn.arithmeticError);
          EXPECT_EQ(drawn.tubesPlaced, counted.tubesPlaced) << arr << rot << nh << nw;
          long long ellipses = 0;
          for (const DrawItem& it : d.items) ellipses += it.kind == DrawItem::Kind::Ellipse;
          EXPECT_EQ(ellipses, drawn.tubesPlaced);
        }
}

}  // namespace
}  // namespace tharvex::layout
