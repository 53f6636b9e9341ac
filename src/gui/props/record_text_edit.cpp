#include "gui/props/record_text_edit.h"

#include <QKeyEvent>
#include <QMimeData>
#include <algorithm>

#include "gui/qt_bridge.h"

namespace tharvex::gui {

RecordTextEdit::RecordTextEdit(int maxLength, int rows, QWidget* parent)
    : QPlainTextEdit(parent), maxLength_(maxLength) {
  setFont(ValueFont());  // the serif of the value fields: digits and commas read apart
  setTabChangesFocus(true);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  const QMargins m = contentsMargins();
  setFixedHeight(fontMetrics().lineSpacing() * rows + static_cast<int>(2 * document()->documentMargin()) + m.top() +
                 m.bottom() + 2);
  connect(this, &QPlainTextEdit::textChanged, this, &RecordTextEdit::changed);
}

void RecordTextEdit::setText(const QString& text) {
  setting_ = true;
  setPlainText(text);
  setting_ = false;
}

int RecordTextEdit::room() const {
  return maxLength_ - static_cast<int>(toPlainText().size()) + static_cast<int>(textCursor().selectedText().size());
}

void RecordTextEdit::keyPressEvent(QKeyEvent* e) {
  // No line breaks in a library field.
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    e->ignore();
    return;
  }
  // At the limit a typed character is refused, as a one-line edit does.
  if (!e->text().isEmpty() && e->text().front().isPrint() && room() < static_cast<int>(e->text().size())) return;
  QPlainTextEdit::keyPressEvent(e);
}

void RecordTextEdit::insertFromMimeData(const QMimeData* source) {
  // Pasted lines join with a blank.
  QString t = source->text();
  t.replace(QLatin1String("\r\n"), QLatin1String(" "));
  t.replace(QLatin1Char('\n'), QLatin1Char(' '));
  t.replace(QLatin1Char('\r'), QLatin1Char(' '));
  insertPlainText(t.left(std::max(0, room())));
}

void RecordTextEdit::changed() {
  if (setting_) return;
  QString t = toPlainText();
  if (t.size() > maxLength_) {
    // An input method went past the limit: the end is cut.
    t.truncate(maxLength_);
    setText(t);
    moveCursor(QTextCursor::End);
  }
  emit textEdited(t);
}

}  // namespace tharvex::gui
