#pragma once
// An edit for one long library text (a property text of up to 300
// characters): one logical line, wrapped over a few rows so a whole table of
// points can be read, with the field's length limit. Enter is left to the
// window (its default button), as in a one-line edit.
#include <QPlainTextEdit>

namespace tharvex::gui {

class RecordTextEdit : public QPlainTextEdit {
  Q_OBJECT
 public:
  RecordTextEdit(int maxLength, int rows, QWidget* parent = nullptr);

  int maxLength() const { return maxLength_; }
  QString text() const { return toPlainText(); }
  // Shows `text` without emitting textEdited.
  void setText(const QString& text);

 signals:
  void textEdited(const QString& text);  // what the user typed, pasted or deleted

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  void changed();
  int room() const;  // characters that may still be added
  int maxLength_;
  bool setting_ = false;
};

}  // namespace tharvex::gui
