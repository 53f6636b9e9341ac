#include "gui/window_services.h"

#include <QMenu>
#include <QPlainTextEdit>

#include "gui/field_hint.h"
#include "gui/main_window.h"
#include "gui/qt_bridge.h"

namespace tharvex::gui {

struct WindowServices::Impl {};

WindowServices::WindowServices(TFormTharvex& window) : window_(window), d_(new Impl) {}
WindowServices::~WindowServices() { delete d_; }

const layout::DisplayList* WindowServices::drawing() const { return &window_.model().engine().drawing(); }

bool WindowServices::newProject() { return false; }
bool WindowServices::openProject() { return false; }
bool WindowServices::saveProject() { return false; }
bool WindowServices::saveProjectAs() { return false; }
bool WindowServices::saveTemplate() { return false; }
bool WindowServices::openFile(const std::string&) { return false; }
bool WindowServices::closeQuery() { return true; }
void WindowServices::rebuildRecentMenu(QMenu*) {}

QWidget* WindowServices::reportPage(QWidget* parent) {
  auto* t = new QPlainTextEdit(parent);
  t->setReadOnly(true);
  return t;
}
void WindowServices::buildReport() {}
void WindowServices::saveReport() {}
void WindowServices::printReport() {}

void WindowServices::helpDocument(const QString& keyword) {
  QWidget* w = window_.focusWidget();
  if (w) window_.fieldHint().show(w, w->toolTip().isEmpty() ? keyword : w->toolTip());
}
void WindowServices::about() {}
void WindowServices::propertyWindow(const std::string&) {}

void WindowServices::calculate() { window_.model().engine().WsDExit(nullptr); }
bool WindowServices::optimiserAvailable() const { return true; }
void WindowServices::optimise() { window_.model().engine().BtOpt1Click(nullptr); }

}  // namespace tharvex::gui
