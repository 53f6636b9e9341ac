// The cross-section as an SVG document in millimetres.
#include <charconv>
#include <cmath>
#include <string>

#include "core/output/section_geometry.h"

namespace tharvex::section {

namespace {

// Millimetres to 0.01 mm, no exponent.
void Num(std::string& out, double v) {
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, std::round(v * 100.0) / 100.0, std::chars_format::fixed, 2);
  std::string_view s(buf, static_cast<size_t>(res.ptr - buf));
  while (s.size() > 1 && s.back() == '0') s.remove_suffix(1);
  if (!s.empty() && s.back() == '.') s.remove_suffix(1);
  if (s == "-0") s = "0";
  out += s;
}

std::string EscapeXml(const std::string& s) {
  std::string o;
  for (char ch : s) {
    switch (ch) {
      case '&':
        o += "&amp;";
        break;
      case '<':
        o += "&lt;";
        break;
      case '>':
        o += "&gt;";
        break;
      case '"':
        o += "&quot;";
        break;
      default:
        o.push_back(ch);
    }
  }
  return o;
}

}  // namespace

std::string SectionToSvg(const SectionScene& sc) {
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  if (!sc.valid) {
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10mm\" height=\"10mm\" viewBox=\"0 0 10 10\"/>\n";
    return out;
  }
  const double m = sc.textHeight;  // margin round the drawing
  const double ox = sc.x0 - m, top = sc.y1 + m;
  const double w = sc.x1 - sc.x0 + 2 * m, h = sc.y1 - sc.y0 + 2 * m;
  // World y grows upwards; SVG y downwards.
  auto X = [&](std::string& o, double x) { Num(o, x - ox); };
  auto Y = [&](std::string& o, double y) { Num(o, top - y); };
  auto attr = [&](std::string& o, const char* name, auto writer, double v) {
    o += ' ';
    o += name;
    o += "=\"";
    writer(o, v);
    o += '"';
  };
  auto line = [&](std::string& o, const Point& a, const Point& b, const char* cls) {
    o += "<line class=\"";
    o += cls;
    o += '"';
    attr(o, "x1", X, a.x);
    attr(o, "y1", Y, a.y);
    attr(o, "x2", X, b.x);
    attr(o, "y2", Y, b.y);
    o += "/>\n";
  };
  const double stroke = std::max(0.08 * m / 3, 0.2);

  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"";
  Num(out, w);
  out += "mm\" height=\"";
  Num(out, h);
  out += "mm\" viewBox=\"0 0 ";
  Num(out, w);
  out += ' ';
  Num(out, h);
  out +=
      "\">\n<title>截面图</title>\n<defs>\n<marker id=\"arrow\" viewBox=\"0 0 10 10\" refX=\"10\" refY=\"5\" "
      "markerWidth=\"8\" markerHeight=\"8\" orient=\"auto-start-reverse\"><path d=\"M0,1 L10,5 L0,9 z\"/>"
      "</marker>\n</defs>\n<style>\n";
  out += ".casing{fill:none;stroke:#000;stroke-width:";
  Num(out, stroke * 3);
  out += "}\n.fin{fill:none;stroke:#7a8aa0;stroke-width:";
  Num(out, stroke * 0.6);
  out += "}\n.tube{fill:#dbe4f0;stroke:#203050;stroke-width:";
  Num(out, stroke);
  out += "}\n.pass{stroke:#b03030;stroke-width:";
  Num(out, stroke * 1.5);
  out += ";stroke-dasharray:";
  Num(out, m * 0.6);
  out += ' ';
  Num(out, m * 0.3);
  out += "}\n.dim{stroke:#000;stroke-width:";
  Num(out, stroke);
  out += "}\n.dimline{stroke:#000;stroke-width:";
  Num(out, stroke);
  out += ";marker-start:url(#arrow);marker-end:url(#arrow)}\n.leader{stroke:#808080;stroke-width:";
  Num(out, stroke * 0.6);
  out += "}\n.flow{stroke:#1060c0;stroke-width:";
  Num(out, stroke * 3);
  out +=
      ";marker-end:url(#arrow)}\ntext{font-family:'Noto Sans CJK SC','SimSun',sans-serif;fill:#000}\n"
      "</style>\n<rect x=\"0\" y=\"0\" width=\"";
  Num(out, w);
  out += "\" height=\"";
  Num(out, h);
  out += "\" fill=\"white\"/>\n";

  out += "<rect class=\"casing\"";
  attr(out, "x", X, sc.casingX0);
  attr(out, "y", Y, sc.casingY1);
  attr(out, "width", Num, sc.casingX1 - sc.casingX0);
  attr(out, "height", Num, sc.casingY1 - sc.casingY0);
  out += "/>\n";

  if (sc.finDiameter > 0) {
    out += "<g>\n";
    for (const Point& p : sc.tubes) {
      out += "<circle class=\"fin\"";
      attr(out, "cx", X, p.x);
      attr(out, "cy", Y, p.y);
      attr(out, "r", Num, sc.finDiameter / 2);
      out += "/>\n";
    }
    out += "</g>\n";
  }
  out += "<g>\n";
  for (const Point& p : sc.tubes) {
    out += "<circle class=\"tube\"";
    attr(out, "cx", X, p.x);
    attr(out, "cy", Y, p.y);
    attr(out, "r", Num, sc.tubeDiameter / 2);
    out += "/>\n";
  }
  out += "</g>\n";

  for (const Segment& s : sc.passBoundaries) line(out, s.a, s.b, "pass");
  for (const Segment& s : sc.leaders) line(out, s.a, s.b, "leader");
  for (const Dimension& d : sc.dimensions) {
    for (const Segment& s : d.extensions) line(out, s.a, s.b, "dim");
    line(out, d.lineFrom, d.lineTo, "dimline");
  }
  line(out, sc.flowArrow.a, sc.flowArrow.b, "flow");

  for (const Label& l : sc.labels) {
    out += "<text";
    attr(out, "x", X, l.x0);
    attr(out, "y", Y, l.y0 + 0.15 * l.height());  // baseline above the box bottom, room for descenders
    attr(out, "font-size", Num, l.height());
    attr(out, "textLength", Num, l.x1 - l.x0);
    out += " lengthAdjust=\"spacingAndGlyphs\">" + EscapeXml(l.text) + "</text>\n";
  }
  out += "</svg>\n";
  return out;
}

}  // namespace tharvex::section
