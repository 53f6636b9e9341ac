#include "gui/binder.h"

#include <QCoreApplication>
#include <QLayout>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <exception>

#include "gui/qt_bridge.h"

namespace tharvex::gui {

Binder::Binder(Form& form, QObject* parent) : QObject(parent), form_(form) {
  // Changes made outside a user action (another window writing into the
  // fields) are shown at the next turn of the event loop.
  form_.setObserver([this](const Control&) {
    if (depth_ == 0) scheduleRefresh();
  });
}

Binder::~Binder() { form_.setObserver(nullptr); }

void Binder::add(Bound* b) {
  entries_.push_back({b, ~uint64_t{0}});
  byName_[b->control().name()] = b;
}

void Binder::remove(Bound* b) {
  std::erase_if(entries_, [b](const Entry& e) { return e.bound == b; });
  auto it = byName_.find(b->control().name());
  if (it != byName_.end() && it->second == b) byName_.erase(it);
}

Bound* Binder::bound(std::string_view name) const {
  auto it = byName_.find(std::string(name));
  return it == byName_.end() ? nullptr : it->second;
}

QWidget* Binder::widget(std::string_view name) const {
  Bound* b = bound(name);
  return b ? b->widget() : nullptr;
}

void Binder::refresh() {
  scheduled_ = false;
  if (form_.revision() != formSeen_) {
    formSeen_ = form_.revision();
    for (Entry& e : entries_) {
      uint64_t r = e.bound->control().revision();
      if (r == e.seen) continue;
      e.seen = r;
      e.bound->pull();
    }
  }
  if (afterRefresh) afterRefresh();
}

void Binder::commitPendingEdits() {
  // Collected first: a commit runs handlers that refresh the widgets.
  std::vector<Bound*> bounds;
  for (const Entry& e : entries_)
    if (e.bound->hasPendingEdit()) bounds.push_back(e.bound);
  for (Bound* b : bounds)
    if (std::find_if(entries_.begin(), entries_.end(), [b](const Entry& e) { return e.bound == b; }) != entries_.end())
      b->commitPendingEdit();
}

void Binder::refreshAll() {
  for (Entry& e : entries_) e.seen = ~uint64_t{0};
  formSeen_ = ~uint64_t{0};
  refresh();
}

void Binder::run(const std::function<void()>& action, const QString& undoName) {
  if (depth_ == 0) {
    actionName_.clear();
    if (beforeAction) beforeAction();
  }
  if (actionName_.isEmpty()) actionName_ = undoName;
  ++depth_;
  QString error;
  try {
    action();
  } catch (const std::exception& e) {
    error = Qs(e.what());
  } catch (...) {
    error = QCoreApplication::translate("Binder", "未知错误");
  }
  --depth_;
  if (depth_ == 0) {
    if (afterAction) afterAction(actionName_);
    refresh();
    // After the focus change that ran the handler has finished.
    if (const Control* c = form_.TakeFocusRequest())
      if (QPointer<QWidget> w = widget(c->name()))
        QTimer::singleShot(0, w, [this, w] {
          if (!w || !w->isEnabled()) return;
          // The control the focus had moved on to gives it back without
          // counting as left: leaving it would run its own handler, which
          // could send the focus straight back again.
          refocusing_ = true;
          w->setFocus(Qt::OtherFocusReason);
          refocusing_ = false;
        });
  }
  if (!error.isEmpty() && showError) showError(error);
}

void Binder::scheduleRefresh() {
  if (scheduled_) return;
  scheduled_ = true;
  QTimer::singleShot(0, this, [this] {
    if (scheduled_) refresh();
  });
}

void DeleteChildrenBeforeBinder(QWidget* window) {
  QList<QPointer<QObject>> kids;
  for (QObject* o : window->children())
    if (!qobject_cast<QLayout*>(o)) kids.append(o);
  for (const QPointer<QObject>& o : kids) delete o.data();  // one may have taken another with it
}

}  // namespace tharvex::gui
