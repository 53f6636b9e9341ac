// The calculation sheet on A4 pages: pango lays the text out, cairo's PDF
// surface writes it with the fonts embedded as subsets and each glyph run
// mapped back to the characters it came from, so copied text is what the
// window shows. Pages are laid out twice: once to count them, once to draw
// with "page i of n" in every title block.
#include <cairo-pdf.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

#include "core/fields/i18n.h"
#include "core/output/export_file.h"
#include "core/output/sheet.h"
#include "core/output/tube_layout.h"

namespace tharvex::sheet {

namespace {

constexpr double kPageW = 595.276, kPageH = 841.89;  // A4, points
constexpr double kMargin = 42;
constexpr double kContentW = kPageW - 2 * kMargin;
constexpr double kTitleH = 56;  // title block
constexpr double kBodyTop = kMargin + kTitleH + 12;
constexpr double kBodyBottom = kPageH - kMargin;
constexpr double kCellPad = 3;
constexpr const char* kFont = "Noto Sans CJK SC";
constexpr double kBodySize = 8.5, kHeadingSize = 12, kSubHeadingSize = 10;

struct Rgb {
  double r, g, b;
};
constexpr Rgb kBlack{0, 0, 0}, kRed{0.75, 0, 0}, kGrey{0.35, 0.35, 0.35};

struct LayoutDeleter {
  void operator()(PangoLayout* p) const { g_object_unref(p); }
};
using LayoutPtr = std::unique_ptr<PangoLayout, LayoutDeleter>;

std::string ScaleText(double n) {
  if (n == std::floor(n)) return std::to_string(static_cast<long long>(n));
  char buf[32];
  std::snprintf(buf, sizeof buf, "%g", n);
  return buf;
}

class Renderer {
 public:
  Renderer(PangoContext* context, const Document& doc) : ctx_(context), doc_(doc) {}

  // Lays the document out on `cr`; draws only when `draw`. Returns the pages used.
  int Run(cairo_t* cr, bool draw, int totalPages) {
    cr_ = cr;
    draw_ = draw;
    total_ = totalPages;
    page_ = 0;
    pango_cairo_update_context(cr_, ctx_);
    NewPage();
    const auto& blocks = doc_.blocks;
    for (size_t i = 0; i < blocks.size(); ++i) {
      // A heading stays with the start of what follows it.
      next_ = i + 1 < blocks.size() ? MinHeight(blocks[i + 1]) : 0;
      Emit(blocks[i]);
    }
    if (draw_) cairo_show_page(cr_);
    return page_;
  }

 private:
  LayoutPtr Text(const std::string& s, double size, bool bold, double width) const {
    LayoutPtr l(pango_layout_new(ctx_));
    PangoFontDescription* fd = pango_font_description_new();
    pango_font_description_set_family(fd, kFont);
    pango_font_description_set_absolute_size(fd, size * PANGO_SCALE);
    pango_font_description_set_weight(fd, bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_layout_set_font_description(l.get(), fd);
    pango_font_description_free(fd);
    if (width > 0) {
      pango_layout_set_width(l.get(), static_cast<int>(width * PANGO_SCALE));
      pango_layout_set_wrap(l.get(), PANGO_WRAP_WORD_CHAR);
    }
    pango_layout_set_text(l.get(), s.c_str(), -1);
    return l;
  }

  static double Height(PangoLayout* l) {
    int w = 0, h = 0;
    pango_layout_get_size(l, &w, &h);
    return static_cast<double>(h) / PANGO_SCALE;
  }
  static double Width(PangoLayout* l) {
    int w = 0, h = 0;
    pango_layout_get_size(l, &w, &h);
    return static_cast<double>(w) / PANGO_SCALE;
  }

  void Show(PangoLayout* l, double x, double y, Rgb c = kBlack) {
    if (!draw_) return;
    cairo_set_source_rgb(cr_, c.r, c.g, c.b);
    cairo_move_to(cr_, x, y);
    pango_cairo_show_layout(cr_, l);
  }

  void Line(double x0, double y0, double x1, double y1, double w = 0.5) {
    if (!draw_) return;
    cairo_set_source_rgb(cr_, 0, 0, 0);
    cairo_set_line_width(cr_, w);
    cairo_move_to(cr_, x0, y0);
    cairo_line_to(cr_, x1, y1);
    cairo_stroke(cr_);
  }

  void Fill(double x, double y, double w, double h, Rgb c) {
    if (!draw_) return;
    cairo_set_source_rgb(cr_, c.r, c.g, c.b);
    cairo_rectangle(cr_, x, y, w, h);
    cairo_fill(cr_);
  }

  void NewPage() {
    if (page_ > 0 && draw_) cairo_show_page(cr_);
    ++page_;
    y_ = kBodyTop;
    TitleBlockOnPage();
  }

  void TitleBlockOnPage() {
    const TitleBlock& t = doc_.title;
    const double x = kMargin, y = kMargin, w = kContentW;
    if (draw_) {
      cairo_set_source_rgb(cr_, 0, 0, 0);
      cairo_set_line_width(cr_, 0.8);
      cairo_rectangle(cr_, x, y, w, kTitleH);
      cairo_stroke(cr_);
    }
    Line(x, y + 22, x + w, y + 22);
    Line(x, y + 39, x + w, y + 39);
    auto title = Text(i18n::Tr("Sheet", "箱式换热器热力计算书"), 12, true, 0);
    Show(title.get(), x + 6, y + 4);
    std::string pages = i18n::Tr("Sheet", "第 %1 页 共 %2 页");
    pages.replace(pages.find("%1"), 2, std::to_string(page_));
    pages.replace(pages.find("%2"), 2, std::to_string(std::max(total_, page_)));
    auto p = Text(pages, 9, false, 0);
    Show(p.get(), x + w - 6 - Width(p.get()), y + 6);
    auto l1 = Text(i18n::Tr("Sheet", "项目：") + t.project + "    " + i18n::Tr("Sheet", "文件：") +
                       (t.file.empty() ? i18n::Tr("Sheet", "（未保存）") : t.file),
                   8, false, w - 12);
    pango_layout_set_ellipsize(l1.get(), PANGO_ELLIPSIZE_MIDDLE);
    Show(l1.get(), x + 6, y + 25);
    auto l2 = Text(i18n::Tr("Sheet", "日期：") + t.dateTime + "    " + i18n::Tr("Sheet", "程序：") + t.program +
                       "    " + i18n::Tr("Sheet", "计算方法：") + t.method,
                   8, false, w - 12);
    pango_layout_set_ellipsize(l2.get(), PANGO_ELLIPSIZE_END);
    Show(l2.get(), x + 6, y + 42);
  }

  // Makes room for `h` points, starting a new page when the rest of this one
  // is too short (a block taller than a page starts at the top and runs on).
  void Room(double h) {
    if (y_ + h > kBodyBottom && y_ > kBodyTop) NewPage();
  }

  // Height of the first piece of a block that must not be parted from its heading.
  double MinHeight(const Block& b) {
    switch (b.kind) {
      case Block::Kind::Drawing:
        return DrawingHeight();
      case Block::Kind::Table: {
        const auto cols = Columns(b.table);
        double h = b.table.header.empty() ? 0 : Row(b.table.header, cols, true, false, true);
        return h + (b.table.rows.empty() ? 0 : Row(b.table.rows[0], cols, false, false, true));
      }
      case Block::Kind::Heading:
      case Block::Kind::SubHeading:
        return 44;
      default:
        return 24;
    }
  }

  void Emit(const Block& b) {
    switch (b.kind) {
      case Block::Kind::Heading: {
        auto l = Text(b.text, kHeadingSize, true, kContentW);
        // A heading keeps at least a few lines of what follows on its page.
        Room(Height(l.get()) + 12 + next_);
        y_ += 6;
        Show(l.get(), kMargin, y_);
        y_ += Height(l.get()) + 4;
        Line(kMargin, y_ - 2, kMargin + kContentW, y_ - 2, 0.8);
        break;
      }
      case Block::Kind::SubHeading: {
        auto l = Text(b.text, kSubHeadingSize, true, kContentW);
        Room(Height(l.get()) + 8 + next_);
        y_ += 4;
        Show(l.get(), kMargin, y_);
        y_ += Height(l.get()) + 3;
        break;
      }
      case Block::Kind::Paragraph: {
        size_t start = 0;
        while (start <= b.text.size()) {
          size_t end = b.text.find('\n', start);
          if (end == std::string::npos) end = b.text.size();
          auto l = Text(b.text.substr(start, end - start), kBodySize, false, kContentW - 8);
          Room(Height(l.get()));
          Show(l.get(), kMargin + 4, y_, b.flagged ? kRed : kBlack);
          y_ += Height(l.get()) + 2;
          start = end + 1;
        }
        y_ += 2;
        break;
      }
      case Block::Kind::Table:
        EmitTable(b.table);
        break;
      case Block::Kind::Drawing:
        EmitDrawing();
        break;
    }
  }

  std::vector<double> Columns(const Table& t) const {
    double sum = 0;
    for (double w : t.widths) sum += w;
    std::vector<double> cols;
    for (double w : t.widths) cols.push_back(kContentW * w / sum);
    return cols;
  }

  double Row(const std::vector<std::string>& cells, const std::vector<double>& cols, bool header, bool flagged,
             bool measureOnly) {
    std::vector<LayoutPtr> ls;
    double h = 0;
    for (size_t i = 0; i < cols.size(); ++i) {
      ls.push_back(Text(i < cells.size() ? cells[i] : std::string(), kBodySize, header, cols[i] - 2 * kCellPad));
      h = std::max(h, Height(ls.back().get()));
    }
    h += 2 * kCellPad;
    if (measureOnly) return h;
    if (header)
      Fill(kMargin, y_, kContentW, h, Rgb{0.9, 0.9, 0.9});
    else if (flagged)
      Fill(kMargin, y_, kContentW, h, Rgb{1, 0.92, 0.92});
    double x = kMargin;
    for (size_t i = 0; i < cols.size(); ++i) {
      Show(ls[i].get(), x + kCellPad, y_ + kCellPad, flagged ? kRed : kBlack);
      Line(x, y_, x, y_ + h);
      x += cols[i];
    }
    Line(x, y_, x, y_ + h);
    Line(kMargin, y_, kMargin + kContentW, y_);
    Line(kMargin, y_ + h, kMargin + kContentW, y_ + h);
    return h;
  }

  void EmitTable(const Table& t) {
    const auto cols = Columns(t);
    const bool hasHeader = !t.header.empty();
    auto header = [&] {
      if (hasHeader) y_ += Row(t.header, cols, true, false, false);
    };
    double hh = hasHeader ? Row(t.header, cols, true, false, true) : 0;
    Room(hh + (t.rows.empty() ? 0 : Row(t.rows[0], cols, false, false, true)));
    header();
    for (size_t r = 0; r < t.rows.size(); ++r) {
      const bool flagged = r < t.flagged.size() && t.flagged[r];
      double h = Row(t.rows[r], cols, false, flagged, true);
      if (y_ + h > kBodyBottom) {
        NewPage();
        header();
      }
      y_ += Row(t.rows[r], cols, false, flagged, false);
    }
    y_ += 6;
  }

  // --- the tube layout to scale ---

  void EmitDrawing();
  double DrawingHeight() const;

  PangoContext* ctx_;
  const Document& doc_;
  cairo_t* cr_ = nullptr;
  bool draw_ = false;
  int page_ = 0, total_ = 0;
  double y_ = 0;
  double next_ = 0;  // what the block after the current one needs on its page
};

// Drawing scales 1:N offered, from large to small pictures.
constexpr double kScales[] = {1, 2, 2.5, 5, 10, 15, 20, 25, 30, 40, 50, 75, 100, 150, 200, 250, 500, 1000};
constexpr double kPtPerMm = 72 / 25.4;

// The casing as the sheet draws it: the layout's size ("H-高度=", "W-宽度="
// texts) centred on the outline the window draws around the bundle, and the
// largest standard scale at which it fits the width and at most 60 % of a
// page's body height, leaving room for the dimensions.
struct Frame {
  const layout::DrawItem* outline = nullptr;
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // casing, world mm
  double n = 1;                           // scale 1:n
  double k = 1;                           // points per world millimetre
};

std::optional<Frame> FrameOf(const layout::DisplayList& d);

double Renderer::DrawingHeight() const {
  auto f = FrameOf(doc_.drawing);
  return f ? (f->y1 - f->y0) * f->k + 80 : 24;
}

void Renderer::EmitDrawing() {
  using layout::DrawItem;
  auto frame = FrameOf(doc_.drawing);
  if (!frame) return;
  const DrawItem* outline = frame->outline;
  const double ox0 = outline->world[0], ox1 = outline->world[2];
  const double wx0 = frame->x0, wx1 = frame->x1, wy0 = frame->y0, wy1 = frame->y1;
  const double ww = wx1 - wx0, wh = wy1 - wy0, n = frame->n, k = frame->k;
  const double pw = ww * k, ph = wh * k;
  Room(ph + 80);
  const double left = kMargin + 50, top = y_ + 10;
  auto px = [&](double x) { return left + (x - wx0) * k; };
  auto py = [&](double y) { return top + (wy1 - y) * k; };

  if (draw_) {
    cairo_set_source_rgb(cr_, 0, 0, 0);
    cairo_set_line_width(cr_, 0.5);
    for (const DrawItem& i : doc_.drawing.items) {
      if (i.kind != DrawItem::Kind::Ellipse || i.world.size() < 4) continue;
      const double cx = (i.world[0] + i.world[2]) / 2, cy = (i.world[1] + i.world[3]) / 2;
      const double r = std::fabs(i.world[2] - i.world[0]) / 2 * k;
      cairo_new_sub_path(cr_);
      cairo_arc(cr_, px(cx), py(cy), r, 0, 2 * G_PI);
    }
    cairo_stroke(cr_);
    cairo_set_line_width(cr_, 1.0);
    cairo_rectangle(cr_, px(wx0), py(wy1), pw, ph);
    cairo_stroke(cr_);
  }

  // Canvas pixels back to world millimetres, through the outline's corners.
  const double sx = (outline->canvas[2] - outline->canvas[0]) / (ox1 - ox0);
  std::string lengthText;
  for (const DrawItem& i : doc_.drawing.items) {
    if (i.kind != DrawItem::Kind::Text || i.canvas.size() < 2) continue;
    if (i.text.rfind("L-", 0) == 0) {
      lengthText = layout::DisplayText(i.text);
    } else if (i.text.find("流向") != std::string::npos) {
      auto l = Text(layout::DisplayText(i.text), 9, false, 0);
      Show(l.get(), px(wx1) + 6, py((wy0 + wy1) / 2) - Height(l.get()) / 2);
    } else if (i.text.find("程") != std::string::npos && sx > 0) {
      // A pass label: under the casing, where the canvas put it along the width.
      const double x = ox0 + (i.canvas[0] - outline->canvas[0]) / sx;
      auto l = Text(layout::DisplayText(i.text), 8, false, 0);
      Show(l.get(), std::clamp(px(x), px(wx0), px(wx1) - Width(l.get())), py(wy0) + 3);
    }
  }

  // Dimension lines: the width under the pass labels, the height on the left.
  auto tick = [&](double x, double y) { Line(x - 3, y + 3, x + 3, y - 3, 0.6); };
  const double dimY = py(wy0) + 26;
  Line(px(wx0), py(wy0) + 2, px(wx0), dimY + 4);
  Line(px(wx1), py(wy0) + 2, px(wx1), dimY + 4);
  Line(px(wx0), dimY, px(wx1), dimY);
  tick(px(wx0), dimY);
  tick(px(wx1), dimY);
  auto wl = Text("W = " + std::to_string(static_cast<long long>(std::lround(ww))) + " mm", 8, false, 0);
  Show(wl.get(), (px(wx0) + px(wx1) - Width(wl.get())) / 2, dimY + 2);
  const double dimX = px(wx0) - 14;
  Line(px(wx0) - 2, py(wy1), dimX - 4, py(wy1));
  Line(px(wx0) - 2, py(wy0), dimX - 4, py(wy0));
  Line(dimX, py(wy1), dimX, py(wy0));
  tick(dimX, py(wy1));
  tick(dimX, py(wy0));
  auto hl = Text("H = " + std::to_string(static_cast<long long>(std::lround(wh))) + " mm", 8, false, 0);
  if (draw_) {
    cairo_save(cr_);
    cairo_move_to(cr_, dimX - Height(hl.get()) - 1, (py(wy1) + py(wy0) + Width(hl.get())) / 2);
    cairo_rotate(cr_, -G_PI / 2);
    cairo_set_source_rgb(cr_, 0, 0, 0);
    pango_cairo_update_layout(cr_, hl.get());
    pango_cairo_show_layout(cr_, hl.get());
    cairo_restore(cr_);
    pango_cairo_update_context(cr_, ctx_);
  }
  y_ = dimY + 16;
  std::string caption = i18n::Tr("Sheet", "比例 1:") + ScaleText(n) + i18n::Tr("Sheet", "（A4 打印）") + "    " +
                        i18n::Tr("Sheet", "壳体截面，管子按翅片外径绘出");
  if (!lengthText.empty()) caption += "    " + lengthText + " mm";
  if (!doc_.drawingCaption.empty()) caption += "\n" + doc_.drawingCaption;
  auto cl = Text(caption, 8, false, kContentW);
  Show(cl.get(), kMargin, y_, kGrey);
  y_ += Height(cl.get()) + 8;
}

std::optional<Frame> FrameOf(const layout::DisplayList& d) {
  using layout::DrawItem;
  Frame f;
  for (const DrawItem& i : d.items)
    if (i.kind == DrawItem::Kind::Rectangle && i.world.size() >= 4 && i.canvas.size() >= 4) f.outline = &i;
  if (!f.outline) return std::nullopt;
  const auto& o = f.outline->world;
  double ww = o[2] - o[0], wh = o[3] - o[1];
  for (const DrawItem& i : d.items) {
    if (i.kind != DrawItem::Kind::Text) continue;
    auto number = [&](const std::string& prefix) -> double {
      return i.text.rfind(prefix, 0) == 0 ? std::atof(i.text.c_str() + prefix.size()) : 0;
    };
    if (double h = number("H-高度="); h > 0) wh = h;
    if (double w = number("W-宽度="); w > 0) ww = w;
  }
  if (!(ww > 0) || !(wh > 0)) return std::nullopt;
  f.x0 = (o[0] + o[2] - ww) / 2;
  f.x1 = f.x0 + ww;
  f.y0 = (o[1] + o[3] - wh) / 2;
  f.y1 = f.y0 + wh;
  const double availW = kContentW - 110, availH = (kBodyBottom - kBodyTop) * 0.6;
  f.n = kScales[std::size(kScales) - 1];
  for (double s : kScales)
    if (ww / s * kPtPerMm <= availW && wh / s * kPtPerMm <= availH) {
      f.n = s;
      break;
    }
  f.k = kPtPerMm / f.n;
  return f;
}

cairo_status_t Append(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

PangoContext* MakeContext() {
  PangoFontMap* map = pango_cairo_font_map_get_default();
  PangoContext* ctx = pango_font_map_create_context(map);
  pango_cairo_context_set_resolution(ctx, 72);
  // Unhinted metrics: the same layout on the counting and the PDF pass.
  cairo_font_options_t* o = cairo_font_options_create();
  cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_NONE);
  pango_cairo_context_set_font_options(ctx, o);
  cairo_font_options_destroy(o);
  return ctx;
}

}  // namespace

std::string RenderSheetPdf(const Document& doc, std::string* error) {
  PangoContext* ctx = MakeContext();
  Renderer r(ctx, doc);

  // Counting pass on a scratch surface.
  cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
  cairo_t* cr = cairo_create(scratch);
  const int pages = r.Run(cr, false, 0);
  cairo_destroy(cr);
  cairo_surface_destroy(scratch);

  std::string bytes;
  cairo_surface_t* pdf = cairo_pdf_surface_create_for_stream(Append, &bytes, kPageW, kPageH);
  cairo_pdf_surface_set_metadata(pdf, CAIRO_PDF_METADATA_TITLE,
                                 (i18n::Tr(i18n::kSheet, kSheetTitle) + " - " + doc.title.project).c_str());
  cairo_pdf_surface_set_metadata(pdf, CAIRO_PDF_METADATA_CREATOR, doc.title.program.c_str());
  cr = cairo_create(pdf);
  r.Run(cr, true, pages);
  cairo_destroy(cr);
  cairo_surface_finish(pdf);
  const cairo_status_t st = cairo_surface_status(pdf);
  cairo_surface_destroy(pdf);
  g_object_unref(ctx);
  if (st != CAIRO_STATUS_SUCCESS) {
    if (error) *error = std::string("PDF: ") + cairo_status_to_string(st);
    return {};
  }
  return bytes;
}

bool WriteSheetPdf(const Document& doc, const std::string& path, std::string* error) {
  std::string bytes = RenderSheetPdf(doc, error);
  if (bytes.empty()) return false;
  return exportdata::WriteBytesSafely(path, bytes, error);
}

}  // namespace tharvex::sheet
