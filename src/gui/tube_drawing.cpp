#include "gui/tube_drawing.h"

#include <QBuffer>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPolygon>
#include <QSvgGenerator>

#include "core/files/file_error.h"
#include "core/files/safe_write.h"
#include "gui/language.h"
#include "gui/qt_bridge.h"

namespace tharvex::gui {

using layout::DrawItem;

namespace {

// Every export goes through the program's one file writer.
bool WriteBytes(const QString& file, const QByteArray& bytes) {
  try {
    SafeWriteFile(QFile::encodeName(file).toStdString(),
                  std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    return true;
  } catch (const FileError&) {
    return false;
  }
}

}  // namespace

TubeDrawing::TubeDrawing(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("PaintBox1"));
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
}

void TubeDrawing::setSource(Source source) {
  source_ = std::move(source);
  update();
}

void TubeDrawing::Paint(QPainter& p, const layout::DisplayList& list, const QRectF& target) {
  if (list.width <= 0 || list.height <= 0) return;
  // Canvas pixels of the paint box, scaled evenly into the target.
  const double s = std::min(target.width() / list.width, target.height() / list.height);
  const double ox = target.left() + (target.width() - s * list.width) / 2;
  const double oy = target.top() + (target.height() - s * list.height) / 2;
  p.save();
  p.translate(ox, oy);
  p.scale(s, s);
  p.setRenderHint(QPainter::Antialiasing);
  QPen pen(Qt::black);
  pen.setWidthF(1.0);
  pen.setCosmetic(true);
  p.setPen(pen);
  QFont f = UiFont();
  f.setPixelSize(12);  // 9 pt at 96 dpi, in canvas pixels
  p.setFont(f);
  auto points = [](const DrawItem& it) {
    QPolygon poly;
    for (size_t i = 0; i + 1 < it.canvas.size(); i += 2) poly << QPoint(it.canvas[i], it.canvas[i + 1]);
    return poly;
  };
  for (const DrawItem& it : list.items) {
    switch (it.kind) {
      case DrawItem::Kind::Ellipse:
        if (it.canvas.size() >= 4) {
          p.setBrush(QColor(235, 240, 248));
          p.drawEllipse(QRectF(QPointF(it.canvas[0], it.canvas[1]), QPointF(it.canvas[2], it.canvas[3])).normalized());
        }
        break;
      case DrawItem::Kind::Rectangle:
        if (it.canvas.size() >= 4) {
          p.setBrush(it.hollow ? QBrush(Qt::NoBrush) : QBrush(Qt::white));
          p.drawRect(QRectF(QPointF(it.canvas[0], it.canvas[1]), QPointF(it.canvas[2], it.canvas[3])).normalized());
        }
        break;
      case DrawItem::Kind::Line:
      case DrawItem::Kind::Polyline:
        p.drawPolyline(points(it));
        break;
      case DrawItem::Kind::Text:
        if (it.canvas.size() >= 2) {
          const QRectF box(it.canvas[0], it.canvas[1], 1000, 100);
          p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, DrawingText(it.text));
        }
        break;
    }
  }
  p.restore();
}

void TubeDrawing::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const layout::DisplayList* list = source_ ? source_() : nullptr;
  if (list && !list->items.empty()) Paint(p, *list, QRectF(rect()).adjusted(8, 8, -8, -8));
}

bool TubeDrawing::exportSvg(const QString& file) const {
  const layout::DisplayList* list = source_ ? source_() : nullptr;
  if (!list) return false;
  QBuffer bytes;
  bytes.open(QIODevice::WriteOnly);
  QSvgGenerator gen;
  gen.setOutputDevice(&bytes);
  gen.setSize(QSize(list->width, list->height));
  gen.setViewBox(QRect(0, 0, list->width, list->height));
  gen.setTitle(QCoreApplication::translate("TubeDrawing", "布管图"));
  QPainter p;
  if (!p.begin(&gen)) return false;
  p.fillRect(QRect(0, 0, list->width, list->height), Qt::white);
  Paint(p, *list, QRectF(0, 0, list->width, list->height));
  return p.end() && WriteBytes(file, bytes.data());
}

bool TubeDrawing::exportPng(const QString& file) const {
  const layout::DisplayList* list = source_ ? source_() : nullptr;
  if (!list) return false;
  // Twice the paint box size, for a sharp print.
  QImage img(list->width * 2, list->height * 2, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  Paint(p, *list, QRectF(0, 0, img.width(), img.height()));
  p.end();
  QBuffer bytes;
  bytes.open(QIODevice::WriteOnly);
  return img.save(&bytes, "PNG") && WriteBytes(file, bytes.data());
}

bool TubeDrawing::exportPdf(const QString& file) const {
  const layout::DisplayList* list = source_ ? source_() : nullptr;
  if (!list) return false;
  QPdfWriter pdf(file);
  pdf.setTitle(QCoreApplication::translate("TubeDrawing", "布管图"));
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setResolution(300);
  QPainter p;
  if (!p.begin(&pdf)) return false;
  const QRect page = p.viewport();
  Paint(p, *list, QRectF(page));
  return p.end();
}

void TubeDrawing::exportWithDialog(const QString& format) {
  const QString filter = format == QLatin1String("svg") ? QCoreApplication::translate("TubeDrawing", "SVG 图形(*.svg)")
                         : format == QLatin1String("pdf")
                             ? QCoreApplication::translate("TubeDrawing", "PDF 文件(*.pdf)")
                             : QCoreApplication::translate("TubeDrawing", "PNG 图像(*.png)");
  QFileDialog dlg(this, QCoreApplication::translate("TubeDrawing", "导出布管图"), QString(), filter);
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.setDefaultSuffix(format);
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return;
  const QString file = dlg.selectedFiles().first();
  const bool ok = format == QLatin1String("svg")   ? exportSvg(file)
                  : format == QLatin1String("pdf") ? exportPdf(file)
                                                   : exportPng(file);
  if (!ok)
    QMessageBox::warning(this, QCoreApplication::translate("TubeDrawing", "导出布管图"),
                         QCoreApplication::translate("TubeDrawing", "无法写入文件：\n%1").arg(file));
}

void TubeDrawing::contextMenuEvent(QContextMenuEvent* e) {
  const layout::DisplayList* list = source_ ? source_() : nullptr;
  QMenu menu(this);
  QAction* svg = menu.addAction(QCoreApplication::translate("TubeDrawing", "导出为 SVG..."));
  QAction* png = menu.addAction(QCoreApplication::translate("TubeDrawing", "导出为 PNG..."));
  QAction* pdf = menu.addAction(QCoreApplication::translate("TubeDrawing", "导出为 PDF..."));
  const bool any = list && !list->items.empty();
  for (QAction* a : {svg, png, pdf}) a->setEnabled(any);
  QAction* chosen = menu.exec(e->globalPos());
  if (chosen == svg) exportWithDialog(QStringLiteral("svg"));
  if (chosen == png) exportWithDialog(QStringLiteral("png"));
  if (chosen == pdf) exportWithDialog(QStringLiteral("pdf"));
}

}  // namespace tharvex::gui
