#pragma once
// A group box whose fields stand in rows of label, value, unit and an
// optional button, in blocks side by side. The column widths are handed in
// by the page, so columns line up across the groups of a page.
#include <QGroupBox>
#include <vector>

namespace tharvex::gui {

struct BlockMetrics {
  int labelWidth = 0, valueWidth = 0, unitWidth = 0, extraWidth = 0;
  int pageWidth = 0;  // width of the page column holding the block
};

class FieldGroup : public QGroupBox {
  Q_OBJECT
 public:
  enum Column { Label = 0, Value = 1, Unit = 2, Extra = 3 };

  FieldGroup(const QString& title, QWidget* parent = nullptr);

  // Places `w` in block `block`, row `row`, from column `col` over `colSpan`
  // columns and `rowSpan` rows.
  void addCell(QWidget* w, int block, int row, int col, int colSpan = 1, int rowSpan = 1);
  // A small button at the right end of the label cell of `row`.
  void addCornerButton(QWidget* w, int block, int row);
  // A label drawn on the title line, at the right end of block `block`.
  void addTitleLabel(QWidget* w, int block);
  void setMetrics(std::vector<BlockMetrics> blocks, int gap);
  const std::vector<BlockMetrics>& metrics() const { return blocks_; }
  int rows() const { return rows_; }

  // Outer margins of the block area and the spacing between columns.
  static constexpr int kMarginX = 5, kMarginBottom = 4, kSpacing = 2, kRowPitch = 21;
  static int ContentWidth(const BlockMetrics& m);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  struct Cell {
    QWidget* widget;
    int block, row, col, colSpan, rowSpan;
  };
  int titleHeight() const;
  int columnX(int block, int col) const;
  std::vector<Cell> cells_;
  std::vector<std::pair<QWidget*, int>> titleLabels_;
  std::vector<Cell> cornerButtons_;
  std::vector<BlockMetrics> blocks_;
  int gap_ = 6;
  int rows_ = 0;
};

}  // namespace tharvex::gui
