// The layout drawing written as SVG: well-formed XML carrying every text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/output/tube_layout.h"

namespace tharvex::layout {
namespace {

// Minimal well-formedness check: tags nest, attributes are quoted, character
// data holds no bare '<' or '&' outside entities.
bool WellFormed(const std::string& s, std::string* why) {
  std::vector<std::string> open;
  size_t i = s.find("?>");
  if (s.rfind("<?xml", 0) != 0 || i == std::string::npos) return *why = "no XML declaration", false;
  i += 2;
  bool rootSeen = false;
  while (i < s.size()) {
    if (s[i] == '<') {
      size_t end = s.find('>', i);
      if (end == std::string::npos) return *why = "unclosed tag", false;
      std::string tag = s.substr(i + 1, end - i - 1);
      int quotes = 0;
      for (char ch : tag) quotes += ch == '"';
      if (quotes % 2) return *why = "unbalanced quotes in " + tag, false;
      if (tag[0] == '/') {
        if (open.empty() || open.back() != tag.substr(1)) return *why = "mismatched " + tag, false;
        open.pop_back();
      } else if (tag.back() != '/') {
        if (open.empty() && rootSeen) return *why = "second root", false;
        rootSeen = true;
        open.push_back(tag.substr(0, tag.find_first_of(" \n")));
      }
      i = end + 1;
    } else if (s[i] == '&') {
      size_t semi = s.find(';', i);
      std::string ent = s.substr(i, semi - i + 1);
      if (ent != "&amp;" && ent != "&lt;" && ent != "&gt;" && ent != "&quot;" && ent != "&apos;")
        return *why = "bad entity " + ent, false;
      i = semi + 1;
    } else {
      if (open.empty() && s[i] != '\n' && s[i] != ' ') return *why = "text outside the root", false;
      ++i;
    }
  }
  if (!open.empty()) return *why = "unclosed " + open.back(), false;
  return rootSeen;
}

TEST(LayoutSvg, DrawingOfThreePassesIsWellFormedAndHoldsTheTexts) {
  LayoutInput in;
  in.passes = 3;
  in.tubes = 60;
  in.khw = 1.6;
  in.sw = in.sh1 = 35;
  in.pt = 92;
  in.df = 70;
  in.lengthM = 2;
  DisplayList d;
  DrawTubeLayout(in, &d);
  std::string svg = ToSvg(d);
  std::string why;
  EXPECT_TRUE(WellFormed(svg, &why)) << why;
  for (const char* text : {"1程(出口)", "2程", "3程(进口)", "L-长度=2000", "H-高度=876", "←流向", "W-宽度=573"})
    EXPECT_NE(svg.find(text), std::string::npos) << text;
  size_t ellipses = 0;
  for (size_t p = svg.find("<ellipse"); p != std::string::npos; p = svg.find("<ellipse", p + 1)) ++ellipses;
  EXPECT_EQ(ellipses, 51u);
  EXPECT_NE(svg.find("width=\"577\" height=\"569\""), std::string::npos);
  EXPECT_NE(svg.find("fill=\"none\""), std::string::npos);  // the hollow outline
}

TEST(LayoutSvg, TextIsEscapedAndKeptValidUtf8) {
  DisplayList d;
  d.items.push_back(DrawItem{DrawItem::Kind::Text, {}, {1, 2}, "a<b&c\"d'\x01 程 \xff", false});
  d.items.push_back(DrawItem{DrawItem::Kind::Ellipse, {}, {1}, {}, false});  // malformed: skipped
  std::string svg = ToSvg(d);
  std::string why;
  EXPECT_TRUE(WellFormed(svg, &why)) << why;
  EXPECT_NE(svg.find("a&lt;b&amp;c&quot;d&apos; 程 \xEF\xBF\xBD</text>"), std::string::npos) << svg;
  EXPECT_TRUE(WellFormed(ToSvg(DisplayList{}), &why)) << why;
}

}  // namespace
}  // namespace tharvex::layout
