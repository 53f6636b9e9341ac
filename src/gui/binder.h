#pragma once
// Binding between the form model and the widgets that show it. Every widget
// is refreshed from its control only when the control's revision moved. The
// widgets hand the model only what the user does (a click, a pick from a
// list, leaving an edit), never a change made by code, so a refresh cannot
// re-fire a handler and needs no signal blockers.
#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/fields/form.h"

class QWidget;

namespace tharvex::gui {

// Anything that shows one control.
class Bound {
 public:
  explicit Bound(Control& control) : control_(control) {}
  virtual ~Bound() = default;
  Control& control() const { return control_; }
  virtual void pull() = 0;  // model -> widget
  virtual QWidget* widget() { return nullptr; }
  // What the user typed and the model does not have yet.
  virtual bool hasPendingEdit() const { return false; }
  // Hands it to the model as leaving the widget would.
  virtual void commitPendingEdit() {}

 private:
  Control& control_;
};

class Binder : public QObject {
  Q_OBJECT
 public:
  explicit Binder(Form& form, QObject* parent = nullptr);
  ~Binder() override;

  Form& form() const { return form_; }
  void add(Bound* b);  // not owned; a widget unregisters itself with remove()
  void remove(Bound* b);
  QWidget* widget(std::string_view controlName) const;
  Bound* bound(std::string_view controlName) const;

  // Widgets of controls whose revision changed since the last pass.
  void refresh();
  // Every widget's pending edit goes to the model, as if the user had left
  // it: commands (tool buttons take no focus) and closing then see what was
  // typed last.
  void commitPendingEdits();
  void refreshAll();

  // Runs a user action (normally one core handler), turns any exception into
  // a message box, then shows the model's new state. `undoName` names the
  // action in the edit menu ("优化设计"); an action run inside another one
  // is part of it.
  void run(const std::function<void()>& action, const QString& undoName = {});
  bool running() const { return depth_ > 0; }
  // True while the focus goes back to a control a handler asked for: the
  // control losing it then is not being left by the user.
  bool refocusing() const { return refocusing_; }

  // Called after every refresh pass (title, status bar, drawing).
  std::function<void()> afterRefresh;
  // Shows an error that escaped a handler.
  std::function<void(const QString&)> showError;
  // Called around every outermost action: before it runs, and after it ran
  // (before the widgets show its result) with its name.
  std::function<void()> beforeAction;
  std::function<void(const QString& undoName)> afterAction;

 private:
  void scheduleRefresh();

  Form& form_;
  struct Entry {
    Bound* bound;
    uint64_t seen;
  };
  std::vector<Entry> entries_;
  std::unordered_map<std::string, Bound*> byName_;
  uint64_t formSeen_ = ~uint64_t{0};
  int depth_ = 0;
  QString actionName_;
  bool scheduled_ = false;
  bool refocusing_ = false;
};

// For a window that owns its binder: the bound widgets unregister from the
// binder as they go, so they must go before it, while the window and its
// layout still stand. Deletes every child of `window` but its layout.
void DeleteChildrenBeforeBinder(QWidget* window);

}  // namespace tharvex::gui
