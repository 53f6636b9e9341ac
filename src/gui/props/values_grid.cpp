#include "gui/props/values_grid.h"

#include <QHeaderView>

#include "gui/language.h"
#include "gui/qt_bridge.h"

namespace tharvex::gui {

ValuesGrid::ValuesGrid(props::TMyValues& values, QWidget* parent) : QTableWidget(parent), values_(values) {
  setObjectName(QStringLiteral("MyValues1"));
  setColumnCount(props::TMyValues::kColumns);
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(20);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setStretchLastSection(true);
  const int widths[] = {64, 87, 56, 110};
  for (int c = 0; c < props::TMyValues::kColumns; ++c) setColumnWidth(c, widths[c]);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::AllEditTriggers);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setWordWrap(false);
  connect(this, &QTableWidget::itemChanged, this, &ValuesGrid::cellEdited);
  refresh();
}

void ValuesGrid::refresh() {
  if (values_.revision() == seen_) return;
  seen_ = values_.revision();
  filling_ = true;
  QStringList titles;
  for (const auto& t : values_.Titles()) titles << ControlText(t);
  setHorizontalHeaderLabels(titles);
  const int rows = std::max(0, values_.RowCount() - 1);
  setRowCount(rows);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < props::TMyValues::kColumns; ++c) {
      QTableWidgetItem* it = item(r, c);
      if (!it) {
        it = new QTableWidgetItem;
        setItem(r, c, it);
      }
      const bool typed = props::TMyValues::AcceptsTyping(c, r + 1);
      // What the user types stays as typed; the grid's own unit and note
      // texts are shown in the interface's language.
      const std::string cell = values_.Cell(c, r + 1);
      it->setText(typed ? Qs(cell) : c == 2 ? ShownUnit(cell) : ControlText(cell));
      Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
      if (typed) flags |= Qt::ItemIsEditable;
      it->setFlags(flags);
      // The name column reads as the grid's fixed column; unit and note are
      // there to be read, not typed into.
      if (c == 0) it->setBackground(palette().color(QPalette::Button));
      if (c >= 2) it->setForeground(palette().color(QPalette::PlaceholderText));
    }
  }
  filling_ = false;
}

void ValuesGrid::commitEditor() {
  // Moving the current cell closes an open editor and commits it.
  if (state() == QAbstractItemView::EditingState) {
    const QModelIndex at = currentIndex();
    setCurrentIndex(QModelIndex());
    setCurrentIndex(at);
  }
}

void ValuesGrid::cellEdited(QTableWidgetItem* it) {
  if (filling_) return;
  const int col = it->column(), row = it->row() + 1;
  const std::string typed = Ss(it->text());
  if (!values_.TypeInto(col, row, typed)) {
    // Refused: show the model's text again.
    filling_ = true;
    it->setText(Qs(values_.Cell(col, row)));
    filling_ = false;
    return;
  }
  seen_ = values_.revision();
}

}  // namespace tharvex::gui
