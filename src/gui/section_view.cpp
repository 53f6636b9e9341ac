#include "gui/section_view.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QWheelEvent>
#include <cmath>

#include "core/output/section_raster.h"
#include "gui/language.h"
#include "gui/qt_bridge.h"

namespace tharvex::gui {

namespace {

using section::Point;
using section::SectionScene;

// World millimetres (y up) to scene coordinates (y down).
QPointF S(const Point& p) { return {p.x, -p.y}; }

// Every tube of the bank as one item: only the exposed columns and rows are
// painted, and the level of detail follows the size of a tube on screen.
class TubeBankItem : public QGraphicsItem {
 public:
  explicit TubeBankItem(const SectionScene& sc) : sc_(sc) {
    setFlag(QGraphicsItem::ItemUsesExtendedStyleOption);  // paint() is told what is exposed
    const double r = std::max(sc.finDiameter, sc.tubeDiameter) / 2;
    double x0 = 1e300, x1 = -1e300, y0 = 1e300, y1 = -1e300;
    for (size_t k = 0; k < sc.tubes.size(); ++k) {
      const Point& p = sc.tubes[k];
      if (columns_.empty() || columns_.back().x != p.x) columns_.push_back({p.x, k, 0, p.y, p.y});
      Column& c = columns_.back();
      ++c.count;
      c.yLow = std::min(c.yLow, p.y);
      c.yHigh = std::max(c.yHigh, p.y);
      x0 = std::min(x0, p.x);
      x1 = std::max(x1, p.x);
      y0 = std::min(y0, p.y);
      y1 = std::max(y1, p.y);
    }
    radius_ = r;
    bounds_ = QRectF(QPointF(x0 - r, -y1 - r), QPointF(x1 + r, -y0 + r));
  }

  QRectF boundingRect() const override { return bounds_; }

  void paint(QPainter* p, const QStyleOptionGraphicsItem* option, QWidget*) override {
    // What is exposed and on the device at all (a render into an image is
    // told the whole item is exposed).
    const QRectF device = p->worldTransform().inverted().mapRect(QRectF(p->viewport()));
    const QRectF exposed = option->exposedRect.intersected(device).adjusted(-radius_, -radius_, radius_, radius_);
    const double lod = QStyleOptionGraphicsItem::levelOfDetailFromTransform(p->worldTransform());
    const double pixels = lod * 2 * radius_;  // one tube across, on screen
    const QColor fill(219, 228, 240), edge(32, 48, 80), fin(122, 138, 160);
    if (pixels < 3) {
      // A tube is a dot: each column becomes one bar.
      p->setPen(Qt::NoPen);
      p->setBrush(QColor(120, 140, 170));
      for (const Column& c : columns_) {
        QRectF bar(QPointF(c.x - radius_, -c.yHigh - radius_), QPointF(c.x + radius_, -c.yLow + radius_));
        if (bar.intersects(exposed)) p->drawRect(bar);
      }
      return;
    }
    const bool detailed = pixels >= 8;
    p->setRenderHint(QPainter::Antialiasing, detailed);
    QPen tubePen(edge);
    tubePen.setCosmetic(true);
    QPen finPen(fin);
    finPen.setCosmetic(true);
    const double rt = sc_.tubeDiameter / 2, rf = sc_.finDiameter / 2;
    for (const Column& c : columns_) {
      if (c.x + radius_ < exposed.left() || c.x - radius_ > exposed.right()) continue;
      for (size_t k = c.first; k < c.first + c.count; ++k) {
        const QPointF q = S(sc_.tubes[k]);
        if (!exposed.contains(q)) continue;
        if (detailed && rf > 0) {
          p->setPen(finPen);
          p->setBrush(Qt::NoBrush);
          p->drawEllipse(q, rf, rf);
        }
        p->setPen(detailed ? tubePen : QPen(Qt::NoPen));
        p->setBrush(detailed ? fill : QColor(120, 140, 170));
        p->drawEllipse(q, rt, rt);
      }
    }
  }

 private:
  struct Column {
    double x;
    size_t first, count;
    double yLow, yHigh;
  };
  const SectionScene& sc_;
  std::vector<Column> columns_;
  double radius_ = 0;
  QRectF bounds_;
};

QPen Cosmetic(const QColor& c, double width, Qt::PenStyle style = Qt::SolidLine) {
  QPen pen(c, width, style);
  pen.setCosmetic(true);
  return pen;
}

QPolygonF Head(const Point& from, const Point& at, double size) {
  const double len = std::hypot(at.x - from.x, at.y - from.y);
  if (len <= 0) return {};
  const double ux = (at.x - from.x) / len, uy = (at.y - from.y) / len;
  return QPolygonF({S(at), S({at.x - ux * size - uy * size * 0.4, at.y - uy * size + ux * size * 0.4}),
                    S({at.x - ux * size + uy * size * 0.4, at.y - uy * size - ux * size * 0.4})});
}

}  // namespace

SectionView::SectionView(QWidget* parent) : QGraphicsView(parent), graphics_(new QGraphicsScene(this)) {
  setObjectName(QStringLiteral("SectionView"));
  QGraphicsView::setScene(graphics_);
  setDragMode(QGraphicsView::ScrollHandDrag);
  setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
  setResizeAnchor(QGraphicsView::AnchorViewCenter);
  setRenderHint(QPainter::Antialiasing);
  setViewportUpdateMode(QGraphicsView::SmartViewportUpdate);
  setBackgroundBrush(Qt::white);
  setFocusPolicy(Qt::StrongFocus);
}

void SectionView::setScene(const SectionScene& sc) {
  graphics_->clear();
  scene_ = sc;
  if (!scene_.valid) {
    graphics_->setSceneRect(QRectF());
    return;
  }
  const SectionScene& s = scene_;
  const double t = s.textHeight;
  graphics_->addRect(QRectF(S({s.casingX0, s.casingY1}), S({s.casingX1, s.casingY0})), Cosmetic(Qt::black, 2));
  graphics_->addItem(new TubeBankItem(scene_));
  for (const auto& b : s.passBoundaries)
    graphics_->addLine(QLineF(S(b.a), S(b.b)), Cosmetic(QColor(176, 48, 48), 1.5, Qt::DashLine));
  for (const auto& l : s.leaders) graphics_->addLine(QLineF(S(l.a), S(l.b)), Cosmetic(Qt::gray, 1));
  const QPen dimPen = Cosmetic(Qt::black, 1);
  for (const auto& d : s.dimensions) {
    for (const auto& e : d.extensions) graphics_->addLine(QLineF(S(e.a), S(e.b)), dimPen);
    graphics_->addLine(QLineF(S(d.lineFrom), S(d.lineTo)), dimPen);
    const double head = std::min(0.35 * t, std::hypot(d.lineTo.x - d.lineFrom.x, d.lineTo.y - d.lineFrom.y) / 3);
    graphics_->addPolygon(Head(d.lineFrom, d.lineTo, head), Qt::NoPen, Qt::black);
    graphics_->addPolygon(Head(d.lineTo, d.lineFrom, head), Qt::NoPen, Qt::black);
  }
  const QColor blue(16, 96, 192);
  graphics_->addLine(QLineF(S(s.flowArrow.a), S(s.flowArrow.b)), Cosmetic(blue, 3));
  graphics_->addPolygon(Head(s.flowArrow.a, s.flowArrow.b, 0.6 * t), Qt::NoPen, blue);

  QFont font = UiFont();
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(t))));
  for (const auto& l : s.labels) {
    auto* item = graphics_->addSimpleText(DrawingText(l.text), font);
    const QRectF br = item->boundingRect();
    // The text fills the box the layout reserved for it.
    item->setTransform(QTransform::fromScale((l.x1 - l.x0) / br.width(), (l.y1 - l.y0) / br.height()));
    item->setPos(l.x0, -l.y1);
  }
  const double m = t;
  graphics_->setSceneRect(QRectF(QPointF(s.x0 - m, -s.y1 - m), QPointF(s.x1 + m, -s.y0 + m)));
  fitted_ = true;
  fit();
}

double SectionView::zoom() const { return transform().m11(); }

void SectionView::fit() {
  if (graphics_->sceneRect().isEmpty()) return;
  fitInView(graphics_->sceneRect(), Qt::KeepAspectRatio);
  fitted_ = true;
}

void SectionView::zoomBy(double factor) {
  const double z = zoom() * factor;
  if (z > 200 || z < 1e-4) return;  // 200 pixels per millimetre at most
  scale(factor, factor);
  fitted_ = false;
}

void SectionView::wheelEvent(QWheelEvent* e) {
  const double steps = e->angleDelta().y() / 120.0;
  if (steps != 0) zoomBy(std::pow(1.25, steps));
  e->accept();
}

void SectionView::keyPressEvent(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      zoomBy(1.25);
      return;
    case Qt::Key_Minus:
      zoomBy(0.8);
      return;
    case Qt::Key_0:
    case Qt::Key_Home:
      fit();
      return;
    default:
      QGraphicsView::keyPressEvent(e);  // arrows scroll
  }
}

void SectionView::resizeEvent(QResizeEvent* e) {
  QGraphicsView::resizeEvent(e);
  if (fitted_) fit();
}

bool SectionView::exportFile(const QString& file, const QString& format) const {
  if (!scene_.valid) return false;
  const std::string path = Ss(file);
  if (format == QLatin1String("svg")) {
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const std::string svg = section::SectionToSvg(scene_);
    return f.write(svg.data(), static_cast<qint64>(svg.size())) == static_cast<qint64>(svg.size()) && f.flush();
  }
  if (format == QLatin1String("pdf")) return section::WriteSectionPdf(scene_, path).ok;
  return section::WriteSectionPng(scene_, path).ok;
}

void SectionView::exportWithDialog(const QString& format) {
  const QString filter = format == QLatin1String("svg") ? QCoreApplication::translate("SectionView", "SVG 图形(*.svg)")
                         : format == QLatin1String("pdf")
                             ? QCoreApplication::translate("SectionView", "PDF 文件(*.pdf)")
                             : QCoreApplication::translate("SectionView", "PNG 图像(*.png)");
  QFileDialog dlg(this, QCoreApplication::translate("SectionView", "导出截面图"), QString(), filter);
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.setDefaultSuffix(format);
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return;
  const QString file = dlg.selectedFiles().first();
  if (!exportFile(file, format))
    QMessageBox::warning(this, QCoreApplication::translate("SectionView", "导出截面图"),
                         QCoreApplication::translate("SectionView", "无法写入文件：\n%1").arg(file));
}

void SectionView::contextMenuEvent(QContextMenuEvent* e) {
  QMenu menu(this);
  QAction* fitAction = menu.addAction(QCoreApplication::translate("SectionView", "适应窗口"));
  menu.addSeparator();
  QAction* svg = menu.addAction(QCoreApplication::translate("SectionView", "导出为 SVG..."));
  QAction* png = menu.addAction(QCoreApplication::translate("SectionView", "导出为 PNG..."));
  QAction* pdf = menu.addAction(QCoreApplication::translate("SectionView", "导出为 PDF..."));
  for (QAction* a : {svg, png, pdf}) a->setEnabled(scene_.valid);
  QAction* chosen = menu.exec(e->globalPos());
  if (chosen == fitAction) fit();
  if (chosen == svg) exportWithDialog(QStringLiteral("svg"));
  if (chosen == png) exportWithDialog(QStringLiteral("png"));
  if (chosen == pdf) exportWithDialog(QStringLiteral("pdf"));
}

}  // namespace tharvex::gui
