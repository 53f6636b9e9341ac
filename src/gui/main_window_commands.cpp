// Commands of the menu and the tool bar, the tab rules and closing.
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QStatusBar>
#include <QTabWidget>

#include "core/mainwin/main_window_table.h"
#include "gui/help/help_service.h"
#include "gui/main_window.h"
#include "gui/project_files.h"
#include "gui/props/property_service.h"
#include "gui/qt_bridge.h"
#include "gui/report/report_service.h"
#include "gui/tedit_d.h"
#include "gui/tube_drawing.h"
#include "gui/undo_history.h"
#include "gui/window_services.h"

namespace tharvex::gui {

namespace {

// Tool buttons that do what a menu item does.
const std::map<std::string, std::string, std::less<>> kToolToMenu{
    {"tbNew", "MFNew"},      {"tbOpen", "MFOpen"},   {"tbSave", "MFSave"},  {"tbAs", "MFAs"},
    {"tbTemp", "MFTemp"},    {"tbExit", "MFExit"},   {"tbOpt1", "MROpt1"},  {"btReport", "MOReport"},
    {"tbSaveRep", "MOSave"}, {"tbPrint", "MOPrint"}, {"tbTools", "MTools"}, {"tbCalc", "MRCalc"},
};

int TabIndex(std::string_view name) {
  int i = 0;
  for (const auto& d : mainwin::Table()) {
    if (d.entry != mainwin::Entry::Tab) continue;
    if (d.name == name) return i;
    ++i;
  }
  return -1;
}

}  // namespace

void TFormTharvex::commitFocusedField() { binder_->commitPendingEdits(); }

void TFormTharvex::command(const std::string& name) {
  Form& form = model_.form();
  Control* c = form.Find(name);
  if (c && !c->enabled()) return;
  if (name == "ToolButton6") {
    clearFocusedField();
    return;
  }
  // Every command sees what was typed last: a tool button takes no focus, so
  // the field or comment box being typed in has not been left.
  commitFocusedField();
  std::string menu = name;
  if (auto it = kToolToMenu.find(name); it != kToolToMenu.end()) menu = it->second;
  if (menu == "MEUndo" || menu == "MERedo") {
    // What was typed last is an action of its own, undone first.
    commitFocusedField();
    if (menu == "MEUndo")
      undo_->undo();
    else
      undo_->redo();
    return;
  }
  if (menu == "MTools") {
    pages_->setCurrentIndex(TabIndex("TabTools"));
    return;
  }

  if (menu == "MRCalc") {
    // What leaving a field does, on demand.
    binder_->run([&] { services_->calculate(); }, QCoreApplication::translate("MainWindowCommands", "计算"));
    return;
  }
  if (menu == "MROpt1") {
    optimise(c ? *c : form.At(menu));
    return;
  }
  // A handler a subsystem installed on the control wins.
  Control* target = c && c->onClick ? c : form.Find(menu);
  if (target && target->onClick) {
    binder_->run([&] { target->onClick(target); });
    return;
  }
  if (menu == "MFNew")
    services_->files().newProject();
  else if (menu == "MFOpen")
    services_->files().openProject();
  else if (menu == "MFSave")
    services_->files().saveProject();
  else if (menu == "MFAs")
    services_->files().saveProjectAs();
  else if (menu == "MFTemp")
    services_->files().saveTemplate();
  else if (menu == "MFExit")
    close();
  else if (menu == "MOReport")
    services_->report().buildReport();
  else if (menu == "MOSave")
    services_->report().saveReport();
  else if (menu == "MOPrint")
    services_->report().printReport();
  else if (menu == "MOSheet")
    services_->report().exportSheet();
  else if (menu == "MFExport")
    services_->report().exportData();
  else if (menu == "MHDoc")
    services_->help().helpDocument(QString());
  else if (menu == "MHAbout")
    services_->help().about();
  else if (name.rfind("SBP", 0) == 0)
    // The values the property window sends are one step of the history.
    binder_->run([&] { services_->properties().propertyWindow(name); },
                 QCoreApplication::translate("MainWindowCommands", "物性数据"));
  binder_->refresh();
}

void TFormTharvex::clearFocusedField() {
  // "清除": the focused edit becomes empty, window-coloured and editable;
  // nothing is calculated.
  auto* e = dynamic_cast<TEditD*>(QApplication::focusWidget());
  if (!e || e->window() != this) return;
  e->setModified(false);
  Control& c = e->control();
  binder_->run([&] { model_.form().ClearEdit(c); }, QCoreApplication::translate("MainWindowCommands", "清除"));
}

void TFormTharvex::optimise(Control& c) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  // One action, undone as a whole, from the status line on; one refresh at
  // the end: the sweep's intermediate states are not shown.
  binder_->run(
      [&] {
        model_.form().setStatus(1, Ss(QCoreApplication::translate("MainWindowCommands", "优化设计开始...")));
        binder_->refresh();
        statusBar()->repaint();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (c.onClick)
          c.onClick(&c);
        else
          services_->optimise();
      },
      QCoreApplication::translate("MainWindowCommands", "优化设计"));
  QApplication::restoreOverrideCursor();
}

void TFormTharvex::pageChanged(int index) {
  model_.form().At("PageControl1").setItemIndex(index);
  if (index == TabIndex("TabSheet2")) {
    commitFocusedField();
    // The drawing tab runs the calculation, which redraws the layout.
    binder_->run([&] { services_->calculate(); }, QCoreApplication::translate("MainWindowCommands", "计算"));
    drawing_->update();
  } else if (index == TabIndex("TabSheetReport")) {
    commitFocusedField();
    services_->report().buildReport();
  }
  binder_->refresh();
}

void TFormTharvex::closeEvent(QCloseEvent* e) {
  commitFocusedField();
  if (services_->files().closeQuery()) {
    savePlacement();
    e->accept();
  } else
    e->ignore();
}

}  // namespace tharvex::gui
