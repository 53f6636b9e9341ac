#pragma once
// "目标窗口没找到！" for requests of the local service without a target: one
// box at a time; requests that come while it is open are counted and the box
// says how many, instead of opening a box each.
#include <QPointer>
#include <QString>

class QMessageBox;
class QWidget;

namespace tharvex::gui {

class TargetNotice {
 public:
  explicit TargetNotice(QWidget* owner) : owner_(owner) {}
  void show();
  bool open() const { return !box_.isNull(); }
  int repeats() const { return repeats_; }  // while the present box is open
  QMessageBox* box() const { return box_; }

 private:
  QWidget* owner_;
  QPointer<QMessageBox> box_;
  int repeats_ = 0;
  int shownRepeats_ = 0;  // the count the box says
};

}  // namespace tharvex::gui
