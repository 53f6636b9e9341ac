// What a user of any desktop program expects of the main window: undo and
// redo, the window's place remembered, the colour legend, tooltips from the
// manual's glossary, files handed over from outside.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolTip>

#include "core/app/field_state.h"
#include "core/app/paths.h"
#include "core/app/window_placement.h"
#include "core/fields/i18n.h"
#include "core/help/help_keyword.h"
#include "core/help/manual_index.h"
#include "core/mainwin/main_window_table.h"
#include "gui/language.h"
#include "gui/main_window.h"
#include "gui/project_files.h"
#include "gui/qt_bridge.h"
#include "gui/report/report_service.h"
#include "gui/tedit_d.h"
#include "gui/undo_history.h"
#include "gui/window_services.h"

namespace tharvex::gui {

void TFormTharvex::historyChanged() {
  Form& form = model_.form();
  QUndoStack& stack = undo_->stack();
  form.At("MEUndo").setEnabled(stack.canUndo());
  form.At("MERedo").setEnabled(stack.canRedo());
  // "&U 撤销 优化设计": the menu names the step it undoes.
  // (In English the caption's first letter is the accelerator: "&Undo Change ...".)
  if (QAction* a = action("MEUndo"))
    a->setText(QCoreApplication::translate("MainWindowDesktop", "&U %1").arg(undo_->undoCaption()));
  if (QAction* a = action("MERedo"))
    a->setText(QCoreApplication::translate("MainWindowDesktop", "&R %1").arg(undo_->redoCaption()));
  if (!binder_->running()) binder_->refresh();
}

bool TFormTharvex::undoKeyForWindow(QWidget* focus, QKeyEvent* e) const {
  // An edit takes Ctrl+Z for its own typing; once nothing is typed there the
  // keys undo and redo the window's steps.
  if (!e->matches(QKeySequence::Undo) && !e->matches(QKeySequence::Redo) &&
      !(e->key() == Qt::Key_Y && e->modifiers() == Qt::ControlModifier))
    return false;
  auto* edit = qobject_cast<QLineEdit*>(focus);
  return edit && !edit->isModified();
}

void TFormTharvex::restorePlacement() {
  const auto p = LoadPlacement(services_->files().paths().settingsFile());
  if (!p) return;
  const QRect r(p->left, p->top, p->width, p->height);
  // A place on a screen that is gone is not restored.
  bool onScreen = false;
  for (QScreen* s : QGuiApplication::screens()) onScreen = onScreen || s->availableGeometry().intersects(r);
  if (onScreen) {
    move(r.topLeft());
    resize(r.size());
  }
  if (p->maximized) setWindowState(windowState() | Qt::WindowMaximized);
  if (p->tab > 0 && p->tab < pages_->count()) {
    // Back on the last tab without its command: opening the program is not
    // a calculation, and the project stays unmodified.
    QSignalBlocker block(pages_);
    pages_->setCurrentIndex(p->tab);
    model_.form().At("PageControl1").setItemIndex(p->tab);
    if (pages_->widget(p->tab)->objectName() == QStringLiteral("TabSheetReport")) services_->report().buildReport();
  }
}

void TFormTharvex::savePlacement() const {
  WindowPlacement p;
  const QRect g = isMaximized() ? normalGeometry() : geometry();
  p.left = g.x();
  p.top = g.y();
  p.width = g.width();
  p.height = g.height();
  p.maximized = isMaximized();
  p.tab = pages_->currentIndex();
  SavePlacement(services_->files().paths().settingsFile(), p);
}

void TFormTharvex::buildLegend(QStatusBar* bar) {
  // What the field colours mean, at the right end of the status bar.
  auto* legend = new QWidget(bar);
  legend->setObjectName(QStringLiteral("ColourLegend"));
  auto* row = new QHBoxLayout(legend);
  row->setContentsMargins(4, 0, 4, 0);
  row->setSpacing(4);
  for (const LegendEntry& e : Legend()) {
    auto* swatch = new QLabel(QStringLiteral("1.23"), legend);
    swatch->setFont(ValueFont());
    swatch->setAutoFillBackground(true);
    swatch->setFrameShape(QFrame::Box);
    swatch->setAlignment(Qt::AlignCenter);
    swatch->setFixedWidth(swatch->sizeHint().width() + 6);
    QPalette pal = swatch->palette();
    pal.setColor(QPalette::Window, WindowColour(e.background));
    pal.setColor(QPalette::WindowText, WindowColour(e.text));
    swatch->setPalette(pal);
    row->addWidget(swatch);
    row->addWidget(new QLabel(Tq("Controls", e.caption), legend));
    row->addSpacing(6);
  }
  legend->setToolTip(QCoreApplication::translate("MainWindowDesktop",
                                                 "输入框的颜色：白底为输入；灰底为热量平衡求出的值或计算结果（蓝字）；"
                                                 "浅蓝、浅绿为管口计算求出；灰字为当前方式下不适用。"));
  bar->addPermanentWidget(legend);
}

QString TFormTharvex::fieldTooltip(const Control& shown) const {
  // The value field of a unit selector or caption label.
  const Form& form = model_.form();
  const Control* field = &shown;
  const std::string& name = shown.name();
  const mainwin::ControlDef* d = mainwin::FindDef(name);
  if (!d && name.size() > 1) d = mainwin::FindDef(std::string_view(name).substr(0, name.size() - 1));
  if (d)
    if (const Control* v = form.Find(d->value())) field = v;
  const std::string caption = help::HelpKeywordFor(form, field->name());
  QString tip;
  if (!caption.empty()) {
    tip = QStringLiteral("<b>") + ControlText(caption).toHtmlEscaped() + QStringLiteral("</b>");
    // The glossary of the manual in the window's language, keyed by the
    // Chinese caption.
    if (glossaryLanguage_ != i18n::Language()) loadGlossary();
    const std::string entry = glossary_.Entry(caption);
    if (!entry.empty()) tip += QStringLiteral("<br>") + Qs(entry).toHtmlEscaped().replace(QLatin1Char('\n'), "<br>");
  } else if (!field->hint().empty()) {
    tip = ControlText(field->hint()).toHtmlEscaped();
  }
  if (field->kind() == ControlKind::TEditD || field->kind() == ControlKind::TEdit) {
    if (!tip.isEmpty()) tip += QStringLiteral("<br>");
    tip += QStringLiteral("<i>") + QCoreApplication::translate("MainWindowDesktop", "当前：") +
           Tq("Controls", RoleText(RoleOf(*field))) + QStringLiteral("</i>");
  }
  return tip;
}

bool TFormTharvex::showFieldTooltip(QWidget* w, QHelpEvent* e) {
  Bound* b = dynamic_cast<Bound*>(w);
  if (!b) return false;
  const QString tip = fieldTooltip(b->control());
  if (tip.isEmpty()) return false;
  QToolTip::showText(e->globalPos(), tip, w);
  return true;
}

void TFormTharvex::loadGlossary() const {
  const std::string dataDir = FindDataDir(services_->files().paths().programDir);
  std::optional<std::string> text = help::ReadManual(dataDir);
  if (!text) text = help::ReadManual(services_->files().paths().supportsDir);
  glossary_ = text ? help::Glossary::FromManual(*text) : help::Glossary();
  glossaryLanguage_ = i18n::Language();
}

void TFormTharvex::openFromOutside(const QString& file) {
  bringToFront();
  if (file.isEmpty()) return;
  const QFileInfo info(file);
  if (!info.isFile()) {
    Message m{
        Ss(QCoreApplication::translate("MainWindowDesktop", "找不到文件 %1。").arg(QDir::toNativeSeparators(file))),
        "Tharvex", MessageIcon::Error, MessageButtons::Ok};
    model_.form().messages().Show(m);
    return;
  }
  commitFocusedField();
  services_->files().openFile(Ss(info.absoluteFilePath()));
}

void TFormTharvex::bringToFront() {
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
}

}  // namespace tharvex::gui
