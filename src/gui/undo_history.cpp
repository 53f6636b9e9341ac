#include "gui/undo_history.h"

#include <QCoreApplication>

#include "core/help/help_keyword.h"
#include "gui/binder.h"
#include "gui/language.h"
#include "gui/qt_bridge.h"

namespace tharvex::gui {

namespace {

// One recorded action: its states are shared with the neighbouring steps.
class WindowCommand : public QUndoCommand {
 public:
  WindowCommand(const QString& name, std::shared_ptr<const WindowState> before,
                std::shared_ptr<const WindowState> after, std::function<void(const WindowState&)> restore)
      : QUndoCommand(name), before_(std::move(before)), after_(std::move(after)), restore_(std::move(restore)) {}
  void undo() override { restore_(*before_); }
  void redo() override {
    // Pushing the step must not repeat what the action has just done.
    if (std::exchange(pushed_, true)) restore_(*after_);
  }

 private:
  std::shared_ptr<const WindowState> before_, after_;
  std::function<void(const WindowState&)> restore_;
  bool pushed_ = false;
};

}  // namespace

UndoHistory::UndoHistory(MainModel& model, Binder& binder, QObject* parent)
    : QObject(parent), model_(model), binder_(binder) {
  stack_.setUndoLimit(100);
  binder_.beforeAction = [this] { before(); };
  binder_.afterAction = [this](const QString& name) { after(name); };
  connect(&stack_, &QUndoStack::indexChanged, this, &UndoHistory::changed);
  connect(&stack_, &QUndoStack::cleanChanged, this, &UndoHistory::changed);
}

UndoHistory::~UndoHistory() {
  // The stack empties itself on the way out; nobody is to hear of it.
  stack_.disconnect();
  binder_.beforeAction = nullptr;
  binder_.afterAction = nullptr;
}

void UndoHistory::before() {
  restart_ = false;
  loadedName_.clear();
  // The state after the newest step is still the window's unless something
  // outside an action changed it since.
  auto now = std::make_shared<const WindowState>(CaptureWindow(model_));
  before_ = last_ && last_->controls == now->controls ? last_ : std::move(now);
}

void UndoHistory::after(const QString& name) {
  auto before = std::move(before_);
  if (restart_) {
    stack_.clear();
    last_.reset();
    return;
  }
  // Unnamed actions are no edits: leaving a field without a change (its
  // calculation), saving, building the report.
  if (!before || (name.isEmpty() && loadedName_.isEmpty())) return;
  auto after = std::make_shared<const WindowState>(CaptureWindow(model_));
  if (SameWindow(model_, *before, *after)) return;
  last_ = after;
  const QString text = !loadedName_.isEmpty() ? loadedName_ : name;
  stack_.push(
      new WindowCommand(text, std::move(before), std::move(after), [this](const WindowState& s) { restore(s); }));
}

void UndoHistory::restore(const WindowState& s) {
  RestoreWindow(model_, s);
  binder_.refresh();
}

void UndoHistory::undo() {
  if (!stack_.canUndo()) return;
  stack_.undo();
  last_.reset();
}

void UndoHistory::redo() {
  if (!stack_.canRedo()) return;
  stack_.redo();
  last_.reset();
}

QString UndoHistory::undoCaption() const {
  const QString t = stack_.undoText();
  return t.isEmpty() ? QCoreApplication::translate("UndoHistory", "撤销")
                     : QCoreApplication::translate("UndoHistory", "撤销 %1").arg(t);
}

QString UndoHistory::redoCaption() const {
  const QString t = stack_.redoText();
  return t.isEmpty() ? QCoreApplication::translate("UndoHistory", "重做")
                     : QCoreApplication::translate("UndoHistory", "重做 %1").arg(t);
}

void UndoHistory::projectLoaded(const std::string& file, bool newProject) {
  if (newProject || OpeningClearsHistory(file))
    restart_ = true;
  else
    loadedName_ = QCoreApplication::translate("UndoHistory", "打开模板");
  // A project taken outside an action (none today) starts afresh at once.
  if (restart_ && !binder_.running()) {
    stack_.clear();
    last_.reset();
  }
}

QString EditName(const Form& form, const Control& c) {
  std::string caption = help::HelpKeywordFor(form, c.name());
  if (caption.empty()) caption = c.caption().empty() ? c.name() : c.caption();
  // Captions carry accelerator marks ("&B 报表") in places; they are
  // translated with them, then dropped.
  const QString shown = ControlText(caption).remove(QLatin1Char('&'));
  switch (c.kind()) {
    case ControlKind::TCheckBox:
      return c.caption().empty() ? shown : ControlText(c.caption()).remove(QLatin1Char('&'));
    case ControlKind::TComboBoxU:
      return QCoreApplication::translate("UndoHistory", "单位 %1").arg(shown);
    case ControlKind::TComboBox:
      return QCoreApplication::translate("UndoHistory", "选择 %1").arg(shown);
    default:
      return QCoreApplication::translate("UndoHistory", "修改 %1").arg(shown);
  }
}

}  // namespace tharvex::gui
