#pragma once
// ShowFieldHint: a yellow box with a control's hint below and right of it,
// for five seconds, while the window keeps working.
#include <QLabel>
#include <QPointer>
#include <QTimer>

namespace tharvex::gui {

class FieldHint : public QObject {
  Q_OBJECT
 public:
  explicit FieldHint(QObject* parent = nullptr);
  ~FieldHint() override;
  // Shows `text` (may be empty: an empty box) at 2 px right of and below the
  // bottom-right corner of `control`.
  void show(QWidget* control, const QString& text);
  QLabel* box() const { return box_; }
  static constexpr int kShowMs = 5000;
  static constexpr int kMaxWidth = 200;

 private:
  QLabel* box_;
  QTimer timer_;
};

}  // namespace tharvex::gui
