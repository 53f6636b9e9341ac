#include "gui/field_group.h"

#include <algorithm>

namespace tharvex::gui {

FieldGroup::FieldGroup(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void FieldGroup::addCell(QWidget* w, int block, int row, int col, int colSpan, int rowSpan) {
  w->setParent(this);
  cells_.push_back({w, block, row, col, colSpan, rowSpan});
  rows_ = std::max(rows_, row + rowSpan);
}

void FieldGroup::addCornerButton(QWidget* w, int block, int row) {
  w->setParent(this);
  cornerButtons_.push_back({w, block, row, Label, 1, 1});
}

void FieldGroup::addTitleLabel(QWidget* w, int block) {
  w->setParent(this);
  w->setAutoFillBackground(true);  // covers the frame line behind it
  titleLabels_.emplace_back(w, block);
}

void FieldGroup::setMetrics(std::vector<BlockMetrics> blocks, int gap) {
  blocks_ = std::move(blocks);
  gap_ = gap;
  updateGeometry();
}

int FieldGroup::ContentWidth(const BlockMetrics& m) {
  int w = m.labelWidth + kSpacing + m.valueWidth + kSpacing + m.unitWidth;
  if (m.extraWidth > 0) w += kSpacing + m.extraWidth;
  return w;
}

int FieldGroup::titleHeight() const { return fontMetrics().height() + 3; }

int FieldGroup::columnX(int block, int col) const {
  int x = kMarginX;
  for (int b = 0; b < block && b < static_cast<int>(blocks_.size()); ++b)
    x += blocks_[static_cast<size_t>(b)].pageWidth + gap_;
  if (block >= static_cast<int>(blocks_.size())) return x;
  const BlockMetrics& m = blocks_[static_cast<size_t>(block)];
  const int widths[] = {m.labelWidth, m.valueWidth, m.unitWidth, m.extraWidth};
  for (int c = 0; c < col && c < 4; ++c) x += widths[c] + kSpacing;
  return x;
}

QSize FieldGroup::sizeHint() const {
  int w = 0;
  for (const auto& m : blocks_) w += m.pageWidth;
  w += gap_ * std::max(0, static_cast<int>(blocks_.size()) - 1);
  return {w, titleHeight() + rows_ * kRowPitch + kMarginBottom};
}

void FieldGroup::resizeEvent(QResizeEvent* e) {
  QGroupBox::resizeEvent(e);
  const int top = titleHeight();
  for (const Cell& c : cells_) {
    const int x0 = columnX(c.block, c.col);
    int x1 = columnX(c.block, c.col + c.colSpan) - kSpacing;
    if (c.col + c.colSpan >= 4 && c.block < static_cast<int>(blocks_.size()) &&
        blocks_[static_cast<size_t>(c.block)].extraWidth == 0)
      x1 = columnX(c.block, 3) - kSpacing;
    const int h = c.rowSpan == 1 ? kRowPitch - 2 : c.rowSpan * kRowPitch - 2;
    c.widget->setGeometry(x0, top + c.row * kRowPitch, std::max(1, x1 - x0), h);
  }
  for (const Cell& c : cornerButtons_) {
    const int right = columnX(c.block, Value) - kSpacing;
    c.widget->move(right - c.widget->width(), top + c.row * kRowPitch);
  }
  for (const auto& [w, block] : titleLabels_) {
    const QSize s = w->sizeHint();
    const int right = columnX(block, 3) - kSpacing;
    w->setGeometry(right - s.width(), 0, s.width(), s.height());
  }
}

}  // namespace tharvex::gui
