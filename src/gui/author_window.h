#pragma once
// TFormAuthor ("作者简介"): a fixed-size box centred on the desktop with a
// picture and the button "确定"; a click on the picture closes it too.
#include <QDialog>

namespace tharvex::gui {

class TFormAuthor : public QDialog {
  Q_OBJECT
 public:
  explicit TFormAuthor(QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  QWidget* picture_;
};

}  // namespace tharvex::gui
