#pragma once
// Undo and redo of the user's actions on the main window. Every outermost
// action the binder runs under a name is recorded when it changed the window: one step
// gives back the whole window state before it (texts, units, items, checks,
// field states, colours, status texts) without a calculation, redo the state
// after it. A new project or an opened project starts a new history.
#include <QObject>
#include <QString>
#include <QUndoStack>
#include <memory>

#include "core/app/window_state.h"

namespace tharvex::gui {

class Binder;

class UndoHistory : public QObject {
  Q_OBJECT
 public:
  UndoHistory(MainModel& model, Binder& binder, QObject* parent = nullptr);
  ~UndoHistory() override;

  QUndoStack& stack() { return stack_; }
  void undo();
  void redo();
  // "撤销 优化设计" / "重做 优化设计"; without a step "撤销" / "重做".
  QString undoCaption() const;
  QString redoCaption() const;

  // The project commands tell here that a project was taken.
  void projectLoaded(const std::string& file, bool newProject);

 signals:
  void changed();  // the history moved: captions and enabled states follow

 private:
  void before();
  void after(const QString& name);
  void restore(const WindowState& s);

  MainModel& model_;
  Binder& binder_;
  QUndoStack stack_;
  std::shared_ptr<const WindowState> before_;
  std::shared_ptr<const WindowState> last_;  // the state after the newest step
  QString loadedName_;                       // a template read into the window during this action
  bool restart_ = false;                     // a project was taken during this action
};

// The edit menu's name of an action on `c`: "修改 质量流量", "单位 质量流量",
// "选择 计算类型", or a check box's caption.
QString EditName(const Form& form, const Control& c);

}  // namespace tharvex::gui
