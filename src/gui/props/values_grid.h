#pragma once
// MyValues1: the editable grid of named variables shown over the core's
// TMyValues. The model's title row is the header; its rows 1 and below are
// the table's rows. Only the name and value columns take typing; what the
// user types goes straight into the model.
#include <QTableWidget>

#include "core/props/my_values.h"

namespace tharvex::gui {

class ValuesGrid : public QTableWidget {
  Q_OBJECT
 public:
  explicit ValuesGrid(props::TMyValues& values, QWidget* parent = nullptr);

  // Model -> table, when the model changed since the last call (a formula
  // may add a row per new letter or blank all rows).
  void refresh();
  // Commits a cell still being edited.
  void commitEditor();
  // The grid asks for its minimum height and takes what the page can spare.
  QSize sizeHint() const override { return {QTableWidget::sizeHint().width(), minimumHeight()}; }

 private:
  void cellEdited(QTableWidgetItem* item);
  props::TMyValues& values_;
  unsigned long seen_ = ~0UL;
  bool filling_ = false;
};

}  // namespace tharvex::gui
