#include "gui/sweep_map.h"

#include <QChart>
#include <QChartView>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <QValueAxis>
#include <cmath>

#include "gui/qt_bridge.h"

namespace tharvex::gui {

namespace {

constexpr int kBins = 8;

// Blue (low) to red (high).
QColor BinColour(int bin) {
  const double f = kBins > 1 ? static_cast<double>(bin) / (kBins - 1) : 0;
  return QColor::fromHsvF(0.66 * (1 - f), 0.75, 0.95);
}

QString Number(double v) { return QString::number(v, 'g', 4); }

}  // namespace

SweepMap::SweepMap(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("SweepMap"));
  auto* lay = new QVBoxLayout(this);
  lay->setContentsMargins(0, 0, 0, 0);
  empty_ = new QLabel(
      QCoreApplication::translate("SweepMap", "尚未进行优化设计。运行“优化设计”后，这里显示扫描的全部网格点。"), this);
  empty_->setAlignment(Qt::AlignCenter);
  view_ = new QChartView(new QChart, this);
  view_->setRenderHint(QPainter::Antialiasing);
  lay->addWidget(empty_);
  lay->addWidget(view_);
  view_->hide();
  connect(view_->chart(), &QChart::plotAreaChanged, this, [this] { sizeMarkers(); });
}

QChart* SweepMap::chart() const { return view_->chart(); }

void SweepMap::setGrid(const engine::SweepGrid& grid) {
  grid_ = grid;
  QChart* c = view_->chart();
  c->removeAllSeries();
  for (QAbstractAxis* a : c->axes()) {
    c->removeAxis(a);
    delete a;
  }
  const bool any = !grid_.points.empty() && grid_.size >= 2;
  empty_->setVisible(!any);
  view_->setVisible(any);
  if (!any) return;

  const bool best = grid_.best;
  c->setTitle(best ? QCoreApplication::translate("SweepMap", "优化图（最优）：总传热系数 K，W/(m²·K)")
                   : QCoreApplication::translate("SweepMap", "优化图（最快）：实际富余度，%"));
  auto value = [&](const engine::SweepPoint& p) { return best ? p.k : p.surplus; };
  double lo = INFINITY, hi = -INFINITY;
  for (const auto& p : grid_.points)
    if (p.swept && std::isfinite(value(p))) {
      lo = std::min(lo, value(p));
      hi = std::max(hi, value(p));
    }

  // The colour map: one scatter series of square markers per band of values.
  std::vector<QScatterSeries*> bins;
  const double span = hi > lo ? hi - lo : 1;
  for (int b = 0; b < kBins; ++b) {
    auto* s = new QScatterSeries;
    s->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    s->setColor(BinColour(b));
    s->setBorderColor(BinColour(b));
    s->setName(Number(lo + span * b / kBins) + " – " + Number(lo + span * (b + 1) / kBins));
    bins.push_back(s);
  }
  auto* unswept = new QScatterSeries;
  unswept->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
  unswept->setColor(QColor(235, 235, 235));
  unswept->setBorderColor(QColor(235, 235, 235));
  unswept->setName(QCoreApplication::translate("SweepMap", "未计算"));
  for (const auto& p : grid_.points) {
    const double v = value(p);
    if (!p.swept || !std::isfinite(v)) {
      unswept->append(p.faceVelocity, p.tubeVelocity);
      continue;
    }
    const int b = std::clamp(static_cast<int>((v - lo) / span * kBins), 0, kBins - 1);
    bins[static_cast<size_t>(b)]->append(p.faceVelocity, p.tubeVelocity);
  }
  for (auto* s : bins) c->addSeries(s);
  if (unswept->count() > 0)
    c->addSeries(unswept);
  else
    delete unswept;

  // Region outlines: where both limits hold, and each limit on its own.
  auto outline = [&](const std::vector<engine::Polyline>& lines, const QString& name, const QPen& pen) {
    bool first = true;
    for (const auto& line : lines) {
      auto* s = new QLineSeries;
      for (const auto& [x, y] : line) s->append(x, y);
      s->setPen(pen);
      s->setName(name);
      c->addSeries(s);
      if (!first) c->legend()->markers(s).front()->setVisible(false);
      first = false;
    }
  };
  const double csr = grid_.csr, lsm = grid_.lsm;
  outline(engine::RegionOutline(grid_, [&](const engine::SweepPoint& p) { return p.swept && p.surplus >= csr; }),
          QCoreApplication::translate("SweepMap", "富余度≥%1%").arg(Number(csr)),
          QPen(QColor(0, 140, 0), 1.5, Qt::DashLine));
  outline(engine::RegionOutline(grid_, [&](const engine::SweepPoint& p) { return p.swept && p.length <= lsm; }),
          QCoreApplication::translate("SweepMap", "单程管长≤%1 m").arg(Number(lsm)),
          QPen(QColor(200, 120, 0), 1.5, Qt::DotLine));
  outline(engine::RegionOutline(grid_, [](const engine::SweepPoint& p) { return p.feasible; }),
          QCoreApplication::translate("SweepMap", "可行区域"), QPen(Qt::black, 2.5));

  // The velocity limits the sweep starts from.
  const double f0 = grid_.at(0, 0).faceVelocity, f1 = grid_.at(grid_.size - 1, 0).faceVelocity;
  const double t0 = grid_.at(0, 0).tubeVelocity, t1 = grid_.at(0, grid_.size - 1).tubeVelocity;
  const double hf = std::fabs(f0 - f1) / (grid_.size - 1) / 2, ht = std::fabs(t0 - t1) / (grid_.size - 1) / 2;
  auto* limits = new QLineSeries;
  limits->setName(QCoreApplication::translate("SweepMap", "迎风速度≤%1，管程速度≤%2 m/s")
                      .arg(Number(grid_.us2), Number(grid_.ut2)));
  limits->append(grid_.us2, 0);
  limits->append(grid_.us2, grid_.ut2);
  limits->append(0, grid_.ut2);
  limits->setPen(QPen(QColor(160, 0, 160), 1.5, Qt::DashDotLine));
  c->addSeries(limits);

  if (const engine::SweepPoint* a = grid_.accepted()) {
    auto* s = new QScatterSeries;
    s->setMarkerShape(QScatterSeries::MarkerShapeStar);
    s->setMarkerSize(22);
    s->setColor(Qt::white);
    s->setBorderColor(Qt::black);
    s->append(a->faceVelocity, a->tubeVelocity);
    s->setName(QCoreApplication::translate("SweepMap", "采用点 %1 / %2 m/s")
                   .arg(Number(a->faceVelocity), Number(a->tubeVelocity)));
    c->addSeries(s);
  }

  auto* x = new QValueAxis;
  x->setTitleText(QCoreApplication::translate("SweepMap", "迎风速度 Uemp，m/s"));
  x->setRange(std::min(f0, f1) - hf, std::max(f0, f1) + hf);
  auto* y = new QValueAxis;
  y->setTitleText(QCoreApplication::translate("SweepMap", "参考线速度 Utm，m/s"));
  y->setRange(std::min(t0, t1) - ht, std::max(t0, t1) + ht);
  c->addAxis(x, Qt::AlignBottom);
  c->addAxis(y, Qt::AlignLeft);
  for (QAbstractSeries* s : c->series()) {
    s->attachAxis(x);
    s->attachAxis(y);
  }
  c->legend()->setAlignment(Qt::AlignRight);
  sizeMarkers();
}

void SweepMap::sizeMarkers() {
  QChart* c = view_->chart();
  if (grid_.size < 2) return;
  // Cells touch: a marker spans one grid step of the plot area.
  const QRectF area = c->plotArea();
  const double cell = std::max(2.0, std::min(area.width(), area.height()) / grid_.size);
  for (QAbstractSeries* s : c->series()) {
    auto* sc = qobject_cast<QScatterSeries*>(s);
    if (sc && sc->markerShape() == QScatterSeries::MarkerShapeRectangle) sc->setMarkerSize(cell);
  }
}

void SweepMap::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  sizeMarkers();
}

bool SweepMap::exportFile(const QString& file, const QString& format) const {
  if (grid_.points.empty()) return false;
  const QSize size = view_->size().isEmpty() ? QSize(1000, 700) : view_->size();
  if (format == QLatin1String("svg")) {
    QSvgGenerator gen;
    gen.setFileName(file);
    gen.setSize(size);
    gen.setViewBox(QRect(QPoint(0, 0), size));
    gen.setTitle(QCoreApplication::translate("SweepMap", "优化图"));
    QPainter p;
    if (!p.begin(&gen)) return false;
    view_->render(&p);
    return p.end();
  }
  QImage img(size * 2, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  view_->render(&p, QRectF(0, 0, img.width(), img.height()));
  p.end();
  return img.save(file, "PNG");
}

void SweepMap::contextMenuEvent(QContextMenuEvent* e) {
  QMenu menu(this);
  QAction* png = menu.addAction(QCoreApplication::translate("SweepMap", "导出为 PNG..."));
  QAction* svg = menu.addAction(QCoreApplication::translate("SweepMap", "导出为 SVG..."));
  png->setEnabled(!grid_.points.empty());
  svg->setEnabled(!grid_.points.empty());
  QAction* chosen = menu.exec(e->globalPos());
  if (!chosen) return;
  const QString format = chosen == svg ? QStringLiteral("svg") : QStringLiteral("png");
  QFileDialog dlg(this, QCoreApplication::translate("SweepMap", "导出优化图"), QString(),
                  format == QLatin1String("svg") ? QCoreApplication::translate("SweepMap", "SVG 图形(*.svg)")
                                                 : QCoreApplication::translate("SweepMap", "PNG 图像(*.png)"));
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.setDefaultSuffix(format);
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return;
  const QString file = dlg.selectedFiles().first();
  if (!exportFile(file, format))
    QMessageBox::warning(this, QCoreApplication::translate("SweepMap", "导出优化图"),
                         QCoreApplication::translate("SweepMap", "无法写入文件：\n%1").arg(file));
}

}  // namespace tharvex::gui
