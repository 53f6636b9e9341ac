#pragma once
// "截面图": the casing cross-section to scale. Zoom with the wheel or + / -,
// pan by dragging or with the arrow keys, 0 or the context menu fits it to
// the window. The tubes are one item that paints only what is exposed and,
// when a tube is a few pixels across, paints columns instead of circles.
#include <QGraphicsView>

#include "core/output/section_geometry.h"

class QGraphicsScene;

namespace tharvex::gui {

class SectionView : public QGraphicsView {
  Q_OBJECT
 public:
  explicit SectionView(QWidget* parent = nullptr);

  // Shows `scene` (an invalid scene shows an empty view) and fits it.
  void setScene(const section::SectionScene& scene);
  const section::SectionScene& sectionScene() const { return scene_; }

  void zoomBy(double factor);
  void fit();
  double zoom() const;  // view pixels per millimetre

  bool exportFile(const QString& file, const QString& format) const;  // "svg", "png", "pdf"

 protected:
  void wheelEvent(QWheelEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  void exportWithDialog(const QString& format);
  section::SectionScene scene_;
  QGraphicsScene* graphics_;
  bool fitted_ = true;  // follows the window size until the user zooms
};

}  // namespace tharvex::gui
