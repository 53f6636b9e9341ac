// The layout drawing as a standalone SVG document in canvas pixels.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/output/tube_layout.h"

namespace tharvex::layout {

namespace {

// XML text: markup characters escaped, control characters XML cannot hold
// dropped, bytes that are not well-formed UTF-8 replaced by U+FFFD.
std::string Escape(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    unsigned char ch = static_cast<unsigned char>(s[i]);
    if (ch < 0x80) {
      switch (ch) {
        case '&':
          out += "&amp;";
          break;
        case '<':
          out += "&lt;";
          break;
        case '>':
          out += "&gt;";
          break;
        case '"':
          out += "&quot;";
          break;
        case '\'':
          out += "&apos;";
          break;
        default:
          if (ch >= 0x20 || ch == '\t' || ch == '\n' || ch == '\r') out.push_back(static_cast<char>(ch));
      }
      ++i;
      continue;
    }
    size_t len = ch >= 0xF0 && ch <= 0xF4 ? 4 : ch >= 0xE0 ? 3 : ch >= 0xC2 && ch < 0xE0 ? 2 : 0;
    bool ok = len > 0 && i + len <= s.size();
    for (size_t k = 1; ok && k < len; ++k) ok = (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80;
    if (ok && len == 3) {
      unsigned char c1 = static_cast<unsigned char>(s[i + 1]);
      ok = !(ch == 0xE0 && c1 < 0xA0) && !(ch == 0xED && c1 >= 0xA0);  // overlong, surrogates
    }
    if (ok && len == 4) {
      unsigned char c1 = static_cast<unsigned char>(s[i + 1]);
      ok = !(ch == 0xF0 && c1 < 0x90) && !(ch == 0xF4 && c1 >= 0x90);
    }
    if (ok) {
      out.append(s, i, len);
      i += len;
    } else {
      out += "\xEF\xBF\xBD";
      ++i;
    }
  }
  return out;
}

std::string Num(int v) { return std::to_string(v); }

std::string Points(const std::vector<int>& c) {
  std::string p;
  for (size_t i = 0; i + 1 < c.size(); i += 2) {
    if (!p.empty()) p.push_back(' ');
    p += Num(c[i]) + "," + Num(c[i + 1]);
  }
  return p;
}

}  // namespace

std::string ToSvg(const DisplayList& d) {
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Num(d.width) + "\" height=\"" + Num(d.height) +
         "\" viewBox=\"0 0 " + Num(d.width) + " " + Num(d.height) + "\">\n";
  out += "<rect x=\"0\" y=\"0\" width=\"" + Num(d.width) + "\" height=\"" + Num(d.height) + "\" fill=\"white\"/>\n";
  // Pen black, brush white (the outline only is hollow), font 宋体 9 pt = 12 px.
  out +=
      "<g stroke=\"black\" stroke-width=\"1\" fill=\"white\" font-family=\"SimSun, 宋体, serif\" "
      "font-size=\"12\">\n";
  for (const DrawItem& it : d.items) {
    const std::vector<int>& c = it.canvas;
    switch (it.kind) {
      case DrawItem::Kind::Ellipse:
        if (c.size() < 4) break;
        // The canvas box runs from the first corner up to, not including, the second.
        out += "<ellipse cx=\"" + std::to_string((c[0] + c[2]) / 2.0) + "\" cy=\"" +
               std::to_string((c[1] + c[3]) / 2.0) + "\" rx=\"" + std::to_string(std::abs(c[2] - c[0]) / 2.0) +
               "\" ry=\"" + std::to_string(std::abs(c[3] - c[1]) / 2.0) + "\"/>\n";
        break;
      case DrawItem::Kind::Rectangle:
        if (c.size() < 4) break;
        out += "<rect x=\"" + Num(std::min(c[0], c[2])) + "\" y=\"" + Num(std::min(c[1], c[3])) + "\" width=\"" +
               Num(std::abs(c[2] - c[0])) + "\" height=\"" + Num(std::abs(c[3] - c[1])) + "\"" +
               (it.hollow ? " fill=\"none\"" : "") + "/>\n";
        break;
      case DrawItem::Kind::Line:
        if (c.size() < 4) break;
        out += "<line x1=\"" + Num(c[0]) + "\" y1=\"" + Num(c[1]) + "\" x2=\"" + Num(c[2]) + "\" y2=\"" + Num(c[3]) +
               "\"/>\n";
        break;
      case DrawItem::Kind::Polyline:
        out += "<polyline fill=\"none\" points=\"" + Points(c) + "\"/>\n";
        break;
      case DrawItem::Kind::Text:
        if (c.size() < 2) break;
        out += "<text x=\"" + Num(c[0]) + "\" y=\"" + Num(c[1]) +
               "\" stroke=\"none\" fill=\"black\" dominant-baseline=\"text-before-edge\">" +
               Escape(DisplayText(it.text)) + "</text>\n";
        break;
    }
  }
  out += "</g>\n</svg>\n";
  return out;
}

}  // namespace tharvex::layout
