#include "gui/tcombobox_u.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include "core/fields/units.h"
#include "gui/language.h"
#include "gui/qt_bridge.h"
#include "gui/undo_history.h"

namespace tharvex::gui {

TComboBoxU::TComboBoxU(Binder& binder, Control& control, QWidget* parent)
    : QComboBox(parent), Bound(control), binder_(binder) {
  setObjectName(Qs(control.name()));
  if (isUnitSelector()) {
    setFont(ValueFont());
    setFocusPolicy(Qt::ClickFocus);  // Tab skips unit selectors
  }
  setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  setMinimumContentsLength(1);
  binder_.add(this);
  pull();
  connect(this, &QComboBox::activated, this, &TComboBoxU::picked);
}

TComboBoxU::~TComboBoxU() { binder_.remove(this); }

void TComboBoxU::pull() {
  const Control& c = control();
  if (c.items() != shownItems_ || shownGeneration_ != DisplayGeneration()) {
    shownItems_ = c.items();
    shownGeneration_ = DisplayGeneration();
    clear();
    // The padding of an item pushes its factor (or a material's conductivity)
    // out of sight; only the name before the bar is shown, as the language
    // and the unit-symbol option show it. The index is what the model keeps.
    for (const auto& item : shownItems_) addItem(isUnitSelector() ? ShownUnit(GetUnit(item)) : ItemText(GetUnit(item)));
  }
  if (currentIndex() != c.itemIndex()) setCurrentIndex(c.itemIndex());
  setEnabled(c.enabled());
  setVisible(c.visible());
  // A unit name too long for the column is elided; the tip shows it whole.
  setToolTip(c.hint().empty() ? currentText() : ControlText(c.hint()));
  setStatusTip(ControlText(c.hint()));
}

void TComboBoxU::paintEvent(QPaintEvent*) {
  // The frame without the wide arrow button, a small arrow, and the text
  // elided when a long unit does not fit the column.
  QStylePainter p(this);
  QStyleOptionComboBox opt;
  initStyleOption(&opt);
  opt.subControls = QStyle::SC_ComboBoxFrame;
  opt.currentText.clear();
  p.drawComplexControl(QStyle::CC_ComboBox, opt);
  const QRect r = rect();
  const int ax = r.right() - 9, ay = r.center().y() - 1;
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  p.drawPolygon(QPolygonF({QPointF(ax - 3.5, ay - 2), QPointF(ax + 3.5, ay - 2), QPointF(ax, ay + 2.5)}));
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  const QRect textRect = r.adjusted(4, 0, -(kChrome - 4), 0);
  p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
             fontMetrics().elidedText(currentText(), Qt::ElideRight, textRect.width()));
}

void TComboBoxU::showPopup() {
  // The open list shows every name in full, however narrow the column.
  int w = width();
  for (int i = 0; i < count(); ++i) w = std::max(w, fontMetrics().horizontalAdvance(itemText(i)) + 24);
  view()->setMinimumWidth(w);
  QComboBox::showPopup();
}

void TComboBoxU::focusOutEvent(QFocusEvent* e) {
  QComboBox::focusOutEvent(e);
  // Its own drop-down list or another window taking the focus is not
  // leaving the list.
  if (isUnitSelector() || e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason ||
      binder_.refocusing())
    return;
  Control& c = control();
  if (!c.onExit) return;
  binder_.run([&] { binder_.form().Leave(c); });  // the pick was the step
}

void TComboBoxU::picked(int index) {
  Control& c = control();
  binder_.run(
      [&] {
        if (isUnitSelector())
          binder_.form().PickUnit(c, index);
        else
          binder_.form().SelectItem(c, index);
      },
      EditName(binder_.form(), c));
}

}  // namespace tharvex::gui
