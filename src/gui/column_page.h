#pragma once
// A tab page whose group boxes stand in columns: each group occupies one page
// column per block of fields, starting at its own column, and sits below
// whatever already fills those columns. A pane may fill the rest of its
// columns down to the bottom.
#include <QWidget>
#include <vector>

namespace tharvex::gui {

class ColumnPage : public QWidget {
  Q_OBJECT
 public:
  explicit ColumnPage(QWidget* parent = nullptr);

  void addGroup(QWidget* group, int column, int span);
  void addFiller(QWidget* pane, int column, int span, int minHeight);
  // Fixes the width of page column `column` (groups are built to it).
  void setColumnWidth(int column, int width);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  struct Item {
    QWidget* widget;
    int column, span;
    bool filler;
    int minHeight;
  };
  void place(int width, int height, bool apply, int* neededHeight) const;
  std::vector<Item> items_;
  std::vector<int> widths_;
  static constexpr int kGap = 6;
};

}  // namespace tharvex::gui
