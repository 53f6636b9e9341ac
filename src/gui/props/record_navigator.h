#pragma once
// The navigator of the property library: a row of ten small tool buttons
// (first, prior, next, last, insert, delete, edit, post, cancel, refresh).
// It only emits which button was pressed; the window acts on the library.
#include <QToolButton>
#include <QWidget>
#include <array>

namespace tharvex::gui {

class RecordNavigator : public QWidget {
  Q_OBJECT
 public:
  enum Button { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh };
  static constexpr int kButtons = 10;

  explicit RecordNavigator(QWidget* parent = nullptr);

  // Browsing shows first, prior, next, last and refresh only; maintenance
  // shows all ten.
  void setMaintenance(bool all);
  QToolButton* button(Button b) const { return buttons_[static_cast<size_t>(b)]; }

 signals:
  void clicked(Button b);

 private:
  std::array<QToolButton*, kButtons> buttons_{};
};

}  // namespace tharvex::gui
