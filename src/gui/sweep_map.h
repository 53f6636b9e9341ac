#pragma once
// The optimiser's map: the swept grid of face velocity against reference
// tube velocity, coloured by the surplus ("最快") or the overall coefficient
// ("最优"), the feasible region outlined, the limits drawn and the kept
// point marked. Its context menu exports it as PNG or SVG.
#include <QWidget>

#include "core/engine/sweep_grid.h"

class QChart;
class QChartView;
class QLabel;

namespace tharvex::gui {

class SweepMap : public QWidget {
  Q_OBJECT
 public:
  explicit SweepMap(QWidget* parent = nullptr);

  // Plots `grid` (a copy is kept); an empty grid shows a hint instead.
  void setGrid(const engine::SweepGrid& grid);
  bool exportFile(const QString& file, const QString& format) const;  // "png" or "svg"
  QChart* chart() const;

 protected:
  void contextMenuEvent(QContextMenuEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  void sizeMarkers();
  engine::SweepGrid grid_;
  QChartView* view_;
  QLabel* empty_;
};

}  // namespace tharvex::gui
