// The record side of the property window: the list with its search box,
// the navigator, the maintenance edits and saving the library.
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

#include "core/fields/i18n.h"
#include "gui/props/prop_window.h"
#include "gui/props/record_text_edit.h"
#include "gui/qt_bridge.h"

namespace tharvex::gui {

using props::PropField;

namespace {

// Shows a record text in a page-1 field or a maintenance edit, leaving the
// widget alone when it already shows it (so the cursor stays put).
void ShowText(QWidget* w, const QString& text) {
  if (auto* line = qobject_cast<QLineEdit*>(w)) {
    if (line->text() == text) return;
    line->setText(text);
    line->setCursorPosition(0);
  } else if (auto* edit = qobject_cast<RecordTextEdit*>(w)) {
    if (edit->text() != text) edit->setText(text);
  } else if (auto* note = qobject_cast<QPlainTextEdit*>(w)) {
    if (note->toPlainText() != text) note->setPlainText(text);
  }
}

}  // namespace

void TFormSimpPL::saveLibrary() {
  binder_->run([&] { model_.SaveLibrary(); });
  fillList();
}

bool TFormSimpPL::postPending() {
  if (!model_.editing()) return true;
  bool posted = false;
  binder_->run([&] { posted = model_.Post(); });
  fillList();
  return posted;
}

int TFormSimpPL::currentRow() const {
  const auto at = std::find(listed_.begin(), listed_.end(), model_.current());
  return at == listed_.end() ? -1 : static_cast<int>(at - listed_.begin());
}

void TFormSimpPL::navigate(RecordNavigator::Button b) {
  using B = RecordNavigator::Button;
  const int pos = currentRow();
  const int last = static_cast<int>(listed_.size()) - 1;
  auto go = [&](int row) {
    if (!postPending()) return;
    if (row >= 0 && row <= last) model_.SetCurrent(listed_[static_cast<size_t>(row)]);
    showRecord();
  };
  switch (b) {
    case B::First:
      go(0);
      break;
    case B::Prior:
      go(pos < 0 ? 0 : std::max(0, pos - 1));
      break;
    case B::Next:
      go(pos < 0 ? 0 : std::min(last, pos + 1));
      break;
    case B::Last:
      go(last);
      break;
    case B::Insert:
      if (!postPending()) return;
      model_.Insert();
      inserting_ = true;
      showRecord();
      if (edits_[0]) edits_[0]->setFocus();
      break;
    case B::Delete: {
      // Deleting a record not posted yet only drops it.
      if (inserting_) {
        model_.Cancel();
        showRecord();
        return;
      }
      if (!model_.CurrentRecord()) return;
      const Message ask{Ss(QCoreApplication::translate("PropWindow", "删除当前记录吗？")), "", MessageIcon::Question,
                        MessageButtons::YesNo};
      if (model_.messages().Show(ask) != MessageAnswer::Yes) return;
      model_.Delete();
      fillList();
      break;
    }
    case B::Edit:
      model_.Edit();
      showRecord();
      break;
    case B::Post:
      postPending();
      break;
    case B::Cancel:
      model_.Cancel();
      showRecord();
      break;
    case B::Refresh:
      if (!postPending()) return;
      applyFilter();
      break;
  }
}

void TFormSimpPL::listRowPicked(int row) {
  if (filling_ || row < 0 || row >= static_cast<int>(listed_.size())) return;
  const int index = listed_[static_cast<size_t>(row)];
  if (index == model_.current() && !model_.editing()) return;
  if (!postPending()) return;
  model_.SetCurrent(index);
  showRecord();
}

void TFormSimpPL::maintenanceEdited(PropField f, const QString& text) {
  // An empty edit leaves the field null, as an empty data-aware edit does.
  model_.SetEditText(f, text.isEmpty() ? std::nullopt : std::optional<std::string>(Ss(text)));
  showRecord();
}

// --- model -> widgets ------------------------------------------------------

std::vector<int> TFormSimpPL::matching() const {
  const QString text = search_->text().trimmed();
  if (!text.isEmpty()) return model_.Search(Ss(text));
  std::vector<int> all(model_.records().size());
  for (size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
  return all;
}

void TFormSimpPL::applyFilter() {
  listed_ = matching();
  // The first match becomes the current record, unless the current one matches.
  if (!listed_.empty() && currentRow() < 0 && postPending()) model_.SetCurrent(listed_.front());
  fillRows();
}

void TFormSimpPL::fillList() {
  // Posting or deleting changes the records; the filter stays.
  listed_ = matching();
  fillRows();
}

void TFormSimpPL::fillRows() {
  filling_ = true;
  list_->setRowCount(static_cast<int>(listed_.size()));
  for (int r = 0; r < static_cast<int>(listed_.size()); ++r) {
    const props::PropRecord& rec = model_.records()[static_cast<size_t>(listed_[static_cast<size_t>(r)])];
    for (int c = 0; c < 2; ++c) {
      // In English the list names substances by their English names (the
      // Chinese one when a record has none); in Chinese the tip gives the
      // English name.
      const bool english = i18n::Language() == "en" && !rec.Text(PropField::EN).empty();
      const PropField f = c == 0 ? PropField::NO : english ? PropField::EN : PropField::CN;
      QTableWidgetItem* it = list_->item(r, c);
      if (!it) {
        it = new QTableWidgetItem;
        list_->setItem(r, c, it);
      }
      it->setText(Qs(rec.Text(f)));
      it->setToolTip(english ? QString() : Qs(rec.Text(PropField::EN)));
    }
  }
  filling_ = false;
  showRecord();
}

void TFormSimpPL::showRecord() {
  static const props::PropRecord kNone;
  const props::PropRecord& rec =
      model_.editing() ? model_.editBuffer() : (model_.CurrentRecord() ? *model_.CurrentRecord() : kNone);
  for (const auto& def : props::PropFieldDefs()) {
    const auto i = static_cast<size_t>(def.field);
    const QString text = Qs(rec.Text(def.field));
    if (shown_[i]) ShowText(shown_[i], text);
    if (edits_[i]) ShowText(edits_[i], text);
  }
  // The list follows the current record; a record being inserted is not
  // in it yet.
  if (!model_.editing()) inserting_ = false;
  const int row = inserting_ ? -1 : currentRow();
  if (list_->currentRow() != row) {
    filling_ = true;
    if (row < 0) {
      list_->clearSelection();
      list_->setCurrentCell(-1, -1);
    } else {
      list_->setCurrentCell(row, 0);
      list_->scrollToItem(list_->item(row, 0));
    }
    filling_ = false;
  }
  syncNavigator();
}

void TFormSimpPL::syncNavigator() {
  using B = RecordNavigator::Button;
  const int pos = currentRow();
  const int last = static_cast<int>(listed_.size()) - 1;
  const bool editing = model_.editing();
  const bool any = model_.CurrentRecord() != nullptr;
  navigator_->button(B::First)->setEnabled(last >= 0 && pos != 0);
  navigator_->button(B::Prior)->setEnabled(last >= 0 && pos != 0);
  navigator_->button(B::Next)->setEnabled(last >= 0 && pos != last);
  navigator_->button(B::Last)->setEnabled(last >= 0 && pos != last);
  navigator_->button(B::Insert)->setEnabled(true);
  navigator_->button(B::Delete)->setEnabled(any || inserting_);
  navigator_->button(B::Edit)->setEnabled(any && !editing);
  navigator_->button(B::Post)->setEnabled(editing);
  navigator_->button(B::Cancel)->setEnabled(editing);
}

}  // namespace tharvex::gui
