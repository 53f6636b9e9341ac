#include "gui/column_page.h"

#include <algorithm>
#include <numeric>

namespace tharvex::gui {

ColumnPage::ColumnPage(QWidget* parent) : QWidget(parent) {}

void ColumnPage::addGroup(QWidget* group, int column, int span) {
  group->setParent(this);
  items_.push_back({group, column, std::max(1, span), false, 0});
  if (static_cast<int>(widths_.size()) < column + span) widths_.resize(static_cast<size_t>(column + span), 0);
}

void ColumnPage::addFiller(QWidget* pane, int column, int span, int minHeight) {
  pane->setParent(this);
  items_.push_back({pane, column, std::max(1, span), true, minHeight});
  if (static_cast<int>(widths_.size()) < column + span) widths_.resize(static_cast<size_t>(column + span), 0);
}

void ColumnPage::setColumnWidth(int column, int width) {
  if (static_cast<int>(widths_.size()) <= column) widths_.resize(static_cast<size_t>(column) + 1, 0);
  widths_[static_cast<size_t>(column)] = width;
}

void ColumnPage::place(int width, int height, bool apply, int* neededHeight) const {
  const int n = static_cast<int>(widths_.size());
  const int used = std::accumulate(widths_.begin(), widths_.end(), 0) + kGap * (n - 1);
  // The columns keep their built widths and gaps (groups spanning columns
  // line up with the single ones); spare width goes to both sides.
  const int spare = std::max(0, width - used - 2 * kGap);
  const int gap = kGap;
  std::vector<int> x(static_cast<size_t>(n) + 1, 0);
  x[0] = gap + spare / 2;
  for (int i = 0; i < n; ++i)
    x[static_cast<size_t>(i) + 1] = x[static_cast<size_t>(i)] + widths_[static_cast<size_t>(i)] + gap;
  std::vector<int> bottom(static_cast<size_t>(n), kGap / 2);
  int needed = 0;
  for (const Item& it : items_) {
    const int c0 = it.column, c1 = std::min(n, it.column + it.span);
    int top = 0;
    for (int c = c0; c < c1; ++c) top = std::max(top, bottom[static_cast<size_t>(c)]);
    const int left = x[static_cast<size_t>(c0)];
    const int w = x[static_cast<size_t>(c1)] - gap - left;
    int h = it.filler ? std::max(it.minHeight, height - top - kGap / 2) : it.widget->sizeHint().height();
    if (apply) it.widget->setGeometry(left, top, w, h);
    for (int c = c0; c < c1; ++c) bottom[static_cast<size_t>(c)] = top + h + kGap;
    needed = std::max(needed, top + (it.filler ? it.minHeight : h) + kGap / 2);
  }
  if (neededHeight) *neededHeight = needed;
}

QSize ColumnPage::sizeHint() const {
  const int n = static_cast<int>(widths_.size());
  const int w = std::accumulate(widths_.begin(), widths_.end(), 0) + kGap * (n + 1);
  int h = 0;
  place(w, 0, false, &h);
  return {w, h};
}

void ColumnPage::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  place(width(), height(), true, nullptr);
}

}  // namespace tharvex::gui
