#pragma once
// Drop-down lists bound to their controls. A unit selector (TComboBoxU) shows
// only the unit names, is skipped by Tab and re-expresses its field when the
// user picks a unit; a plain list (TComboBox) shows the part of each item
// before its bar and runs the list's handlers.
#include <QComboBox>
#include <string>
#include <vector>

#include "gui/binder.h"

namespace tharvex::gui {

class TComboBoxU : public QComboBox, public Bound {
  Q_OBJECT
 public:
  TComboBoxU(Binder& binder, Control& control, QWidget* parent = nullptr);
  ~TComboBoxU() override;
  void pull() override;
  QWidget* widget() override { return this; }
  bool isUnitSelector() const { return control().kind() == ControlKind::TComboBoxU; }
  // Room the closed list takes besides its text (frame, padding, arrow).
  static constexpr int kChrome = 16;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void showPopup() override;
  // Leaving a plain list runs its exit handler (some lists recalculate).
  void focusOutEvent(QFocusEvent* e) override;

 private:
  void picked(int index);
  Binder& binder_;
  std::vector<std::string> shownItems_;
  int shownGeneration_ = -1;
};

}  // namespace tharvex::gui
