// The cross-section to scale: tubes where the layout puts them, labels that
// never overlap, and an SVG that parses with one tube circle per tube.
#include <expat.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/output/section_geometry.h"
#include "core/output/tube_layout.h"

namespace tharvex::section {
namespace {

using layout::DisplayList;
using layout::DrawItem;
using layout::LayoutInput;

struct Arrangement {
  int arrangement;
  bool rotated;
  const char* name;
};
const Arrangement kArrangements[] = {
    {0, false, "triangle"}, {0, true, "triangle rotated"}, {1, false, "square"}, {1, true, "square rotated"}};

SectionInput Case(const Arrangement& a, int passes, long long tubes) {
  SectionInput s;
  LayoutInput& in = s.layout;
  in.passes = passes;
  in.tubes = tubes;
  in.arrangement = a.arrangement;
  in.rotated = a.rotated;
  in.khw = 1.6;
  in.sw = in.sh1 = 35;
  in.pt = 92;
  in.df = 70;
  in.lengthM = 6;
  s.tubeOd = 38;
  return s;
}

// Tube centres of the layout's own drawing, world millimetres.
std::vector<Point> LayoutCentres(const LayoutInput& in) {
  DisplayList d;
  layout::DrawTubeLayout(in, &d);
  std::vector<Point> out;
  for (const DrawItem& it : d.items)
    if (it.kind == DrawItem::Kind::Ellipse)
      out.push_back({(it.world[0] + it.world[2]) / 2, (it.world[1] + it.world[3]) / 2});
  return out;
}

TEST(Section, EveryTubeAtTheLayoutsCoordinates) {
  for (const Arrangement& a : kArrangements)
    for (int passes = 1; passes <= 6; ++passes)
      for (bool design : {true, false}) {
        SectionInput s = Case(a, passes, 240);
        if (!design) {
          s.layout.design = false;
          s.layout.ratingNh = 7;
          s.layout.ratingNw = 2 * passes + 1;  // not a whole number of columns per pass
          s.layout.ratingHeightMm = 800;
        }
        SCOPED_TRACE(std::string(a.name) + ", passes " + std::to_string(passes) + (design ? "" : ", rating"));
        const std::vector<Point> expected = LayoutCentres(s.layout);
        const SectionScene sc = BuildSection(s);
        ASSERT_TRUE(sc.valid);
        ASSERT_EQ(sc.tubes.size(), expected.size());
        for (size_t k = 0; k < expected.size(); ++k) {
          EXPECT_NEAR(sc.tubes[k].x, expected[k].x, 0.01) << "tube " << k;
          EXPECT_NEAR(sc.tubes[k].y, expected[k].y, 0.01) << "tube " << k;
        }
        // The casing as the calculation sized it.
        layout::LayoutInput quiet = s.layout;
        quiet.interactive = false;
        const layout::LayoutResult r = layout::DrawTubeLayout(quiet, nullptr);
        EXPECT_NEAR(sc.casingX1 - sc.casingX0, r.widthMm, 1e-9);
        EXPECT_NEAR(sc.casingY1 - sc.casingY0, r.heightMm, 1e-9);
      }
}

TEST(Section, PassesNumberedOnceEachAndBoundariesBetweenThem) {
  for (int passes = 1; passes <= 6; ++passes) {
    const SectionScene sc = BuildSection(Case(kArrangements[0], passes, 300));
    ASSERT_TRUE(sc.valid);
    EXPECT_EQ(sc.passes, passes);
    EXPECT_EQ(sc.passBoundaries.size(), static_cast<size_t>(passes - 1));
    int passLabels = 0;
    for (const Label& l : sc.labels)
      if (l.role == Label::Role::Pass || l.role == Label::Role::Inlet || l.role == Label::Role::Outlet) ++passLabels;
    EXPECT_EQ(passLabels, passes);
    // Pass 1, the tube-side outlet, is on the right where the air enters.
    EXPECT_EQ(sc.tubePass.front(), 1);
    EXPECT_EQ(sc.tubePass.back(), passes);
  }
}

TEST(Section, NoTwoTextBoxesOverlapAtAnyPassCount) {
  for (const Arrangement& a : kArrangements)
    for (int passes = 1; passes <= 10; ++passes)
      for (long long tubes : {12LL, 60LL, 400LL, 3000LL}) {
        SCOPED_TRACE(std::string(a.name) + ", passes " + std::to_string(passes) + ", tubes " + std::to_string(tubes));
        const SectionScene sc = BuildSection(Case(a, passes, tubes));
        ASSERT_TRUE(sc.valid);
        for (size_t i = 0; i < sc.labels.size(); ++i) {
          const Label& l = sc.labels[i];
          EXPECT_GT(l.x1 - l.x0, 0);
          // No text inside the casing.
          EXPECT_FALSE(l.x0 < sc.casingX1 && sc.casingX0 < l.x1 && l.y0 < sc.casingY1 && sc.casingY0 < l.y1) << l.text;
          for (size_t j = i + 1; j < sc.labels.size(); ++j)
            EXPECT_FALSE(Overlap(l, sc.labels[j])) << l.text << " / " << sc.labels[j].text;
        }
      }
}

TEST(Section, DimensionsSayWhatTheyMeasure) {
  const SectionScene sc = BuildSection(Case(kArrangements[2], 2, 60));
  ASSERT_TRUE(sc.valid);
  std::vector<std::string> texts;
  for (const Dimension& d : sc.dimensions) {
    ASSERT_GE(d.label, 0);
    const std::string& t = sc.labels[static_cast<size_t>(d.label)].text;
    texts.push_back(t);
    const double measured = std::hypot(d.to.x - d.from.x, d.to.y - d.from.y);
    // The number in the text is the measured distance, in mm.
    const size_t eq = t.find('=');
    const size_t num = eq != std::string::npos ? eq + 1 : t.find_first_of("0123456789");
    EXPECT_NEAR(std::stod(t.substr(num)), measured, 0.05) << t;
    EXPECT_NE(t.find(" mm"), std::string::npos) << t;
  }
  // Square, not rotated: both pitches are the tube pitch; the gaps as entered
  // on the air side and at the top.
  EXPECT_NE(std::find(texts.begin(), texts.end(), "S1=92 mm"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "S2=92 mm"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "上下间隙 35 mm"), texts.end());
}

TEST(Section, NothingToDrawWithoutTubes) {
  SectionInput s = Case(kArrangements[0], 1, 0);
  s.layout.pt = 0;
  EXPECT_FALSE(BuildSection(s).valid);
  const std::string svg = SectionToSvg(BuildSection(s));
  EXPECT_EQ(svg.find("<circle"), std::string::npos);
}

// Counts the elements of an SVG document with expat.
struct SvgCount {
  int tubes = 0, fins = 0, texts = 0;
  bool svgRoot = false;
};

void XMLCALL Start(void* data, const XML_Char* name, const XML_Char** attrs) {
  auto* c = static_cast<SvgCount*>(data);
  const std::string n = name;
  if (n == "svg") c->svgRoot = true;
  if (n == "text") ++c->texts;
  if (n != "circle") return;
  for (int i = 0; attrs[i]; i += 2)
    if (std::string(attrs[i]) == "class") {
      if (std::string(attrs[i + 1]) == "tube") ++c->tubes;
      if (std::string(attrs[i + 1]) == "fin") ++c->fins;
    }
}
void XMLCALL End(void*, const XML_Char*) {}

TEST(Section, SvgParsesWithOneCirclePerTube) {
  for (const Arrangement& a : kArrangements)
    for (bool finned : {true, false}) {
      SectionInput s = Case(a, 4, 500);
      s.finned = finned;
      const SectionScene sc = BuildSection(s);
      const std::string svg = SectionToSvg(sc);
      SvgCount count;
      XML_Parser p = XML_ParserCreate("UTF-8");
      XML_SetUserData(p, &count);
      XML_SetElementHandler(p, Start, End);
      const bool ok = XML_Parse(p, svg.data(), static_cast<int>(svg.size()), 1) == XML_STATUS_OK;
      EXPECT_TRUE(ok) << XML_ErrorString(XML_GetErrorCode(p)) << " at line " << XML_GetCurrentLineNumber(p);
      XML_ParserFree(p);
      EXPECT_TRUE(count.svgRoot);
      EXPECT_EQ(count.tubes, static_cast<int>(sc.tubes.size())) << a.name;
      EXPECT_EQ(count.fins, finned ? static_cast<int>(sc.tubes.size()) : 0);
      EXPECT_EQ(count.texts, static_cast<int>(sc.labels.size()));
    }
}

}  // namespace
}  // namespace tharvex::section
