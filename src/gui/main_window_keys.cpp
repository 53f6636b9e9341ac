// Keyboard conventions of the main window: it sees every key before the
// focused control.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextEdit>

#include "core/help/help_keyword.h"
#include "gui/author_window.h"
#include "gui/bound_widgets.h"
#include "gui/help/help_service.h"
#include "gui/main_window.h"
#include "gui/qt_bridge.h"
#include "gui/tedit_d.h"
#include "gui/window_services.h"

namespace tharvex::gui {

namespace {

Qt::KeyboardModifier ModifierOfKey(int key) {
  switch (key) {
    case Qt::Key_Shift:
      return Qt::ShiftModifier;
    case Qt::Key_Control:
      return Qt::ControlModifier;
    case Qt::Key_Alt:
      return Qt::AltModifier;
    default:
      return Qt::NoModifier;
  }
}

// Comment boxes and the report keep Enter and the arrow keys for themselves.
bool IsRichText(QWidget* w) {
  for (; w; w = w->parentWidget()) {
    if (auto* t = dynamic_cast<BoundText*>(w)) return t->isRichText();
    if (qobject_cast<QTextEdit*>(w)) return true;
  }
  return false;
}

Bound* BoundOf(QWidget* w) { return dynamic_cast<Bound*>(w); }

}  // namespace

bool TFormTharvex::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::ShortcutOverride) {
    // Left unclaimed, Ctrl+Z reaches the edit menu instead of the edit.
    auto* w = qobject_cast<QWidget*>(o);
    if (w && w->window() == this && undoKeyForWindow(w, static_cast<QKeyEvent*>(e))) {
      e->ignore();
      return true;
    }
  }
  if (e->type() == QEvent::ToolTip) {
    auto* w = qobject_cast<QWidget*>(o);
    if (w && w->window() == this && showFieldTooltip(w, static_cast<QHelpEvent*>(e))) return true;
  }
  if (e->type() == QEvent::KeyPress) {
    auto* w = qobject_cast<QWidget*>(o);
    // Only keys meant for this window's own controls (not dialogs, not popups).
    if (w && w->window() == this && w == QApplication::focusWidget())
      if (previewKey(w, static_cast<QKeyEvent*>(e))) return true;
  }
  return QMainWindow::eventFilter(o, e);
}

bool TFormTharvex::previewKey(QWidget* focus, QKeyEvent* e) {
  // Shift + Alt + Ctrl together, no mouse button: the author window. The
  // last modifier pressed arrives with the other two held.
  Qt::KeyboardModifiers mods = e->modifiers() | ModifierOfKey(e->key());
  mods &= Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  if (mods == (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier) &&
      ModifierOfKey(e->key()) != Qt::NoModifier && QApplication::mouseButtons() == Qt::NoButton) {
    author_->exec();
    return true;
  }
  if (e->key() == Qt::Key_F1 && e->modifiers() == Qt::NoModifier) {
    fieldHelp(focus);
    return true;
  }
  if (IsRichText(focus)) return false;
  switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
      // The key is taken here: passed on, a drop-down list would also step
      // to its next item while the focus moves away from it.
      focusNextPrevChild(e->key() == Qt::Key_Down);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      focusNextPrevChild(true);
      return true;
    default:
      return false;
  }
}

void TFormTharvex::fieldHelp(QWidget* w) {
  Bound* b = BoundOf(w);
  helpKeyword_.clear();
  if (b) helpKeyword_ = Qs(help::HelpKeywordFor(model_.form(), b->control().name()));
  if (!helpKeyword_.isEmpty())
    services_->help().helpDocument(helpKeyword_);
  else
    hint_.show(w, b ? Qs(b->control().hint()) : w->toolTip());
}

}  // namespace tharvex::gui
