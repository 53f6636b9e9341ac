#pragma once
// The numeric edit of a quantity (and the plain edit, which has no overlay):
// keeps the raw text while the user types, draws the display form of its
// control over itself whenever it is painted without focus, and commits the
// text through the form when it loses focus.
#include <QLineEdit>

#include "gui/binder.h"

namespace tharvex::gui {

class TEditD : public QLineEdit, public Bound {
  Q_OBJECT
 public:
  TEditD(Binder& binder, Control& control, QWidget* parent = nullptr);
  ~TEditD() override;
  void pull() override;
  QWidget* widget() override { return this; }
  bool hasPendingEdit() const override { return isModified(); }
  void commitPendingEdit() override { commitAndLeave(); }

  // Commits the typed text to the model and runs the exit handler (what
  // leaving the field does).
  void commitAndLeave();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  void applyLook();
  QColor textColour() const;
  Binder& binder_;
  bool overlay_;  // TEditD draws the display form; a plain edit does not
};

// Tooltip notes of a stale result and of a text that is not a number.
inline constexpr const char* kStaleNote =
    QT_TRANSLATE_NOOP("TEditD", "灰色斜体：此结果来自先前的计算，最近一次计算未能更新它。");
inline constexpr const char* kUnreadableNote = QT_TRANSLATE_NOOP("TEditD", "红框：无法识别的输入，此文本不是数字。");

// What leaving the field does, for the edit of `window` that has the focus and
// was typed into: commands that act on the case see what was typed last.
void CommitFocusedEdit(QWidget* window);

}  // namespace tharvex::gui
