#include "core/output/section_raster.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>

namespace tharvex::section {

namespace {

constexpr double kPi = 3.14159265358979323846;

void SetColour(cairo_t* cr, unsigned rgb) {
  cairo_set_source_rgb(cr, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0);
}

void Arrow(cairo_t* cr, double ax, double ay, double bx, double by, double size) {
  // Filled head at b, in device-independent (already transformed) units.
  const double len = std::hypot(bx - ax, by - ay);
  if (len <= 0) return;
  const double ux = (bx - ax) / len, uy = (by - ay) / len;
  cairo_move_to(cr, bx, by);
  cairo_line_to(cr, bx - ux * size - uy * size * 0.4, by - uy * size + ux * size * 0.4);
  cairo_line_to(cr, bx - ux * size + uy * size * 0.4, by - uy * size - ux * size * 0.4);
  cairo_close_path(cr);
  cairo_fill(cr);
}

// Draws the scene with world millimetres mapped by `scale` (units per mm),
// the drawing's top-left at the origin of the context.
void Draw(cairo_t* cr, const SectionScene& sc, double scale) {
  const double m = sc.textHeight;
  const double ox = sc.x0 - m, top = sc.y1 + m;
  auto X = [&](double x) { return (x - ox) * scale; };
  auto Y = [&](double y) { return (top - y) * scale; };
  const double stroke = std::max(0.08 * m / 3, 0.2) * scale;
  auto line = [&](const Point& a, const Point& b) {
    cairo_move_to(cr, X(a.x), Y(a.y));
    cairo_line_to(cr, X(b.x), Y(b.y));
    cairo_stroke(cr);
  };

  cairo_set_line_width(cr, stroke * 3);
  SetColour(cr, 0x000000);
  cairo_rectangle(cr, X(sc.casingX0), Y(sc.casingY1), (sc.casingX1 - sc.casingX0) * scale,
                  (sc.casingY1 - sc.casingY0) * scale);
  cairo_stroke(cr);

  // One circle at a time: a path of thousands of circles is slow to fill.
  if (sc.finDiameter > 0) {
    cairo_set_line_width(cr, stroke * 0.6);
    SetColour(cr, 0x7a8aa0);
    for (const Point& p : sc.tubes) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, X(p.x), Y(p.y), sc.finDiameter / 2 * scale, 0, 2 * kPi);
      cairo_stroke(cr);
    }
  }
  cairo_set_line_width(cr, stroke);
  for (const Point& p : sc.tubes) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, X(p.x), Y(p.y), sc.tubeDiameter / 2 * scale, 0, 2 * kPi);
    SetColour(cr, 0xdbe4f0);
    cairo_fill_preserve(cr);
    SetColour(cr, 0x203050);
    cairo_stroke(cr);
  }

  SetColour(cr, 0xb03030);
  cairo_set_line_width(cr, stroke * 1.5);
  const double dash[] = {m * 0.6 * scale, m * 0.3 * scale};
  cairo_set_dash(cr, dash, 2, 0);
  for (const Segment& s : sc.passBoundaries) line(s.a, s.b);
  cairo_set_dash(cr, nullptr, 0, 0);
  SetColour(cr, 0x808080);
  cairo_set_line_width(cr, stroke * 0.6);
  for (const Segment& s : sc.leaders) line(s.a, s.b);

  SetColour(cr, 0x000000);
  cairo_set_line_width(cr, stroke);
  for (const Dimension& d : sc.dimensions) {
    for (const Segment& s : d.extensions) line(s.a, s.b);
    line(d.lineFrom, d.lineTo);
    const double head =
        std::min(0.35 * m, std::hypot(d.lineTo.x - d.lineFrom.x, d.lineTo.y - d.lineFrom.y) / 3) * scale;
    Arrow(cr, X(d.lineTo.x), Y(d.lineTo.y), X(d.lineFrom.x), Y(d.lineFrom.y), head);
    Arrow(cr, X(d.lineFrom.x), Y(d.lineFrom.y), X(d.lineTo.x), Y(d.lineTo.y), head);
  }
  SetColour(cr, 0x1060c0);
  cairo_set_line_width(cr, stroke * 3);
  line(sc.flowArrow.a, sc.flowArrow.b);
  Arrow(cr, X(sc.flowArrow.a.x), Y(sc.flowArrow.a.y), X(sc.flowArrow.b.x), Y(sc.flowArrow.b.y), 0.6 * m * scale);

  SetColour(cr, 0x000000);
  cairo_select_font_face(cr, "Noto Sans CJK SC", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  for (const Label& l : sc.labels) {
    // The text fills its box: the font size follows the box height, then
    // shrinks when the glyphs come out wider than the box.
    double size = l.height() * scale;
    cairo_set_font_size(cr, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, l.text.c_str(), &ext);
    const double boxW = (l.x1 - l.x0) * scale;
    if (ext.x_advance > boxW && ext.x_advance > 0) {
      size *= boxW / ext.x_advance;
      cairo_set_font_size(cr, size);
    }
    cairo_move_to(cr, X(l.x0), Y(l.y0 + 0.15 * l.height()));
    cairo_show_text(cr, l.text.c_str());
  }
}

WriteResult Status(cairo_status_t s, const std::string& file) {
  if (s == CAIRO_STATUS_SUCCESS) return {true, {}};
  return {false, "cannot write '" + file + "': " + cairo_status_to_string(s)};
}

}  // namespace

WriteResult WriteSectionPng(const SectionScene& sc, const std::string& file, int longSide) {
  if (!sc.valid) return {false, "no tube layout to draw"};
  const double m = sc.textHeight;
  const double w = sc.x1 - sc.x0 + 2 * m, h = sc.y1 - sc.y0 + 2 * m;
  const double scale = std::max(1, longSide) / std::max(w, h);
  const int pw = std::max(1, static_cast<int>(std::ceil(w * scale))),
            ph = std::max(1, static_cast<int>(std::ceil(h * scale)));
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, pw, ph);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  Draw(cr, sc, scale);
  cairo_destroy(cr);
  cairo_status_t s = cairo_surface_write_to_png(surface, file.c_str());
  cairo_surface_destroy(surface);
  return Status(s, file);
}

WriteResult WriteSectionPdf(const SectionScene& sc, const std::string& file) {
  if (!sc.valid) return {false, "no tube layout to draw"};
  const double m = sc.textHeight;
  const double w = sc.x1 - sc.x0 + 2 * m, h = sc.y1 - sc.y0 + 2 * m;
  // Points per millimetre of paper; the drawing fits an A4 landscape page.
  const double ptPerMm = 72.0 / 25.4;
  const double paperW = 297, paperH = 210;
  const double scale = std::min(paperW / w, paperH / h) * ptPerMm;
  cairo_surface_t* surface = cairo_pdf_surface_create(file.c_str(), w * scale, h * scale);
  cairo_t* cr = cairo_create(surface);
  Draw(cr, sc, scale);
  cairo_show_page(cr);
  cairo_status_t s = cairo_status(cr);
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  if (s == CAIRO_STATUS_SUCCESS) s = cairo_surface_status(surface);
  cairo_surface_destroy(surface);
  return Status(s, file);
}

}  // namespace tharvex::section
