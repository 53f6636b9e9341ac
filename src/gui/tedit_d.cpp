#include "gui/tedit_d.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include "core/fields/colors.h"
#include "core/fields/i18n.h"
#include "gui/language.h"
#include "gui/qt_bridge.h"
#include "gui/undo_history.h"

namespace tharvex::gui {

TEditD::TEditD(Binder& binder, Control& control, QWidget* parent)
    : QLineEdit(parent), Bound(control), binder_(binder), overlay_(control.kind() == ControlKind::TEditD) {
  setObjectName(Qs(control.name()));
  setFont(ValueFont());
  binder_.add(this);
  pull();
}

TEditD::~TEditD() { binder_.remove(this); }

void TEditD::pull() {
  const Control& c = control();
  // While the user types, the field keeps what was typed.
  // A word a result field shows ("热流体") in the interface's language; what
  // the user types stays as typed.
  const QString t = c.readOnly() && i18n::HasCjk(c.text()) ? ItemText(c.text()) : Qs(c.text());
  if (t != text() && !(hasFocus() && isModified())) {
    setText(t);
    setCursorPosition(0);
  }
  setReadOnly(c.readOnly());
  setEnabled(c.enabled());
  setVisible(c.visible());
  setCursor(c.cursor() == CursorKind::No ? Qt::ForbiddenCursor : Qt::IBeamCursor);
  // The tooltip also says why a field looks marked.
  QString tip = ControlText(c.hint());
  auto addNote = [&tip](const QString& note) { tip += (tip.isEmpty() ? QString() : QStringLiteral("\n")) + note; };
  if (c.stale()) addNote(QCoreApplication::translate("TEditD", kStaleNote));
  if (c.unreadable()) addNote(QCoreApplication::translate("TEditD", kUnreadableNote));
  setToolTip(tip);
  setStatusTip(ControlText(c.hint()));
  applyLook();
  update();
}

void TEditD::applyLook() {
  const Control& c = control();
  QPalette p = palette();
  const QColor bg = WindowColour(c.color());
  const QColor fg = textColour();
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    p.setColor(group, QPalette::Base, bg);
    p.setColor(group, QPalette::Text, fg);
  }
  p.setColor(QPalette::Disabled, QPalette::Base, bg);
  p.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
  setPalette(p);
  // A result left by an earlier calculation is grey and italic.
  QFont f = font();
  if (f.italic() != c.stale()) {
    f.setItalic(c.stale());
    setFont(f);
  }
  // A field the user must supply has a flat border; paintEvent draws it.
  setFrame(c.ctl3d() || c.kind() != ControlKind::TEditD);
}

QColor TEditD::textColour() const {
  const Control& c = control();
  return c.stale() ? QColor(128, 128, 128) : WindowColour(c.fontColor());
}

void TEditD::commitAndLeave() {
  Control& c = control();
  std::string typed = Ss(text());
  setModified(false);
  const bool change = !c.readOnly() && c.enabled() && typed != c.text();
  // Only a change is a step of the history; leaving alone recalculates.
  binder_.run(
      [&] {
        if (change)
          binder_.form().EnterText(c, std::move(typed));
        else
          binder_.form().Leave(c);
      },
      change ? EditName(binder_.form(), c) : QString());
}

void TEditD::focusInEvent(QFocusEvent* e) {
  QLineEdit::focusInEvent(e);
  update();
}

void TEditD::focusOutEvent(QFocusEvent* e) {
  QLineEdit::focusOutEvent(e);
  // Losing the focus to another window or a menu is not leaving the field.
  if (e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason && !binder_.refocusing())
    commitAndLeave();
  update();
}

void TEditD::paintEvent(QPaintEvent* e) {
  QLineEdit::paintEvent(e);
  const Control& c = control();
  QPainter p(this);
  if (!hasFrame()) {
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }
  // A text that cannot be read as a number: a red frame until it is
  // corrected or emptied.
  auto markUnreadable = [&] {
    if (!c.unreadable()) return;
    p.setPen(QPen(QColor(255, 0, 0), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(1, 1, -1, -1));
  };
  if (!overlay_ || hasFocus()) {
    markUnreadable();
    return;
  }
  const QString d = Qs(c.OverlayText());
  if (d == text()) {
    markUnreadable();
    return;
  }
  QStyleOptionFrame opt;
  initStyleOption(&opt);
  QRect r = style()->subElementRect(QStyle::SE_LineEditContents, &opt, this);
  // Everything inside the one-pixel frame, so no glyph of the raw text
  // shows at the edges.
  const QRect inner = rect().adjusted(1, 1, -1, -1);
  p.fillRect(inner, WindowColour(c.color()));
  p.setFont(font());
  p.setPen(isEnabled() ? textColour() : QColor(128, 128, 128));
  r.adjust(2, 0, -2, 0);  // the edit's own horizontal text margin
  p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, d);
  markUnreadable();
}

void CommitFocusedEdit(QWidget* window) {
  auto* e = dynamic_cast<TEditD*>(QApplication::focusWidget());
  if (e && e->window() == window && e->isModified()) e->commitAndLeave();
}

}  // namespace tharvex::gui
