#pragma once
// PaintBox1: paints the display list of the last tube layout. The list is
// kept by the calculation, so the picture survives being covered, resized or
// switched away from. Its context menu exports the picture as SVG, PNG or PDF.
#include <QWidget>
#include <functional>

#include "core/output/tube_layout.h"

class QPainter;

namespace tharvex::gui {

class TubeDrawing : public QWidget {
  Q_OBJECT
 public:
  using Source = std::function<const layout::DisplayList*()>;
  explicit TubeDrawing(QWidget* parent = nullptr);

  // Where the last drawing comes from; null or empty shows a blank canvas.
  void setSource(Source source);

  // Paints the list scaled into `target` (keeping its proportions).
  static void Paint(QPainter& p, const layout::DisplayList& list, const QRectF& target);

  bool exportSvg(const QString& file) const;
  bool exportPng(const QString& file) const;
  bool exportPdf(const QString& file) const;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;

 private:
  void exportWithDialog(const QString& format);
  Source source_;
};

}  // namespace tharvex::gui
