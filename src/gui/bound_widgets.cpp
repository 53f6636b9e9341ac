#include "gui/bound_widgets.h"

#include <QFocusEvent>

#include "gui/language.h"
#include "gui/qt_bridge.h"
#include "gui/undo_history.h"

namespace tharvex::gui {

QString LinesToText(const std::vector<std::string>& lines) {
  QString s;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i) s += QLatin1Char('\n');
    s += Qs(lines[i]);
  }
  return s;
}

std::vector<std::string> TextToLines(const QString& text) {
  std::vector<std::string> lines;
  if (text.isEmpty()) return lines;
  for (const QString& l : text.split(QLatin1Char('\n'))) lines.push_back(Ss(l));
  return lines;
}

BoundLabel::BoundLabel(Binder& binder, Control& control, QWidget* parent)
    : QLabel(parent), Bound(control), binder_(binder) {
  setObjectName(Qs(control.name()));
  binder_.add(this);
  pull();
}
BoundLabel::~BoundLabel() { binder_.remove(this); }
void BoundLabel::pull() {
  const Control& c = control();
  setText(ControlText(c.caption()));
  setEnabled(c.enabled());
  setVisible(c.visible());
}

BoundCheck::BoundCheck(Binder& binder, Control& control, QWidget* parent)
    : QCheckBox(parent), Bound(control), binder_(binder) {
  setObjectName(Qs(control.name()));
  binder_.add(this);
  pull();
  connect(this, &QCheckBox::clicked, this, [this](bool checked) {
    Control& c = this->control();
    binder_.run([&] { binder_.form().SetChecked(c, checked); }, EditName(binder_.form(), c));
  });
}
BoundCheck::~BoundCheck() { binder_.remove(this); }
void BoundCheck::pull() {
  const Control& c = control();
  setText(ControlText(c.caption()));
  setChecked(c.checked());
  setEnabled(c.enabled());
  setVisible(c.visible());
  setToolTip(ControlText(c.hint()));
  setStatusTip(ControlText(c.hint()));
}

BoundText::BoundText(Binder& binder, Control& control, QWidget* parent)
    : QPlainTextEdit(parent), Bound(control), binder_(binder) {
  setObjectName(Qs(control.name()));
  if (!isRichText()) setLineWrapMode(QPlainTextEdit::NoWrap);
  binder_.add(this);
  pull();
}
BoundText::~BoundText() { binder_.remove(this); }
void BoundText::pull() {
  const Control& c = control();
  QString t;
  if (isRichText()) {
    t = LinesToText(c.lines());  // the user's own comment
  } else {
    // The message pane and the tools' output: lines the core wrote.
    for (size_t i = 0; i < c.lines().size(); ++i)
      t += (i ? QStringLiteral("\n") : QString()) + MessageText(c.lines()[i]);
  }
  if (t != toPlainText() && !(hasFocus() && document()->isModified())) {
    setPlainText(t);
    document()->setModified(false);
    if (!isRichText()) moveCursor(QTextCursor::End);  // the newest message in view
  }
  setReadOnly(c.readOnly());
  setEnabled(c.enabled());
  setVisible(c.visible());
}
void BoundText::focusOutEvent(QFocusEvent* e) {
  QPlainTextEdit::focusOutEvent(e);
  commitPendingEdit();
}
void BoundText::commitPendingEdit() {
  if (!document()->isModified()) return;
  document()->setModified(false);
  Control& c = control();
  auto lines = TextToLines(toPlainText());
  binder_.run(
      [&] {
        c.setLines(std::move(lines));
        binder_.form().Leave(c);
      },
      EditName(binder_.form(), c));
}

BoundAction::BoundAction(Binder& binder, Control& control, QAction* action)
    : QObject(action), Bound(control), binder_(binder), action_(action) {
  binder_.add(this);
  pull();
}
BoundAction::~BoundAction() { binder_.remove(this); }
void BoundAction::pull() {
  const Control& c = control();
  action_->setEnabled(c.enabled());
  action_->setVisible(c.visible());
}

}  // namespace tharvex::gui
