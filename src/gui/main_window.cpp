#include "gui/main_window.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/app/paths.h"
#include "core/app/project_session.h"
#include "core/mainwin/main_window_table.h"
#include "gui/author_window.h"
#include "gui/bound_widgets.h"
#include "gui/column_page.h"
#include "gui/drawing_page.h"
#include "gui/icons.h"
#include "gui/language.h"
#include "gui/project_files.h"
#include "gui/qt_bridge.h"
#include "gui/report/report_service.h"
#include "gui/shortcuts.h"
#include "gui/study_panel.h"
#include "gui/tube_drawing.h"
#include "gui/undo_history.h"
#include "gui/window_builder.h"
#include "gui/window_services.h"

namespace tharvex::gui {

using mainwin::ControlDef;
using mainwin::Entry;

namespace {

// The page control: the active tab follows the model's PageControl1, and a
// tab the user picks is written back to it.
class BoundPages : public QObject, public Bound {
 public:
  BoundPages(Binder& b, Control& c, QTabWidget* tabs) : QObject(tabs), Bound(c), binder_(b), tabs_(tabs) {
    binder_.add(this);
  }
  ~BoundPages() override { binder_.remove(this); }
  void pull() override {
    const int i = control().itemIndex();
    if (i >= 0 && i < tabs_->count() && i != tabs_->currentIndex()) {
      QSignalBlocker block(tabs_);  // the model switched pages itself
      tabs_->setCurrentIndex(i);
    }
  }

 private:
  Binder& binder_;
  QTabWidget* tabs_;
};

QScrollArea* Scrolled(QWidget* page) {
  auto* area = new QScrollArea;
  area->setWidget(page);
  area->setWidgetResizable(true);
  area->setFrameShape(QFrame::NoFrame);
  return area;
}

}  // namespace

TFormTharvex::TFormTharvex(MainModel& model, QtMessageSink& sink, QWidget* parent)
    : QMainWindow(parent), model_(model), sink_(sink), binder_(std::make_unique<Binder>(model.form())) {
  setObjectName(QStringLiteral("FormTharvex"));
  setFont(UiFont());
  setWindowIcon(AppIcon());
  sink_.setOwner(this);
  binder_->afterRefresh = [this] { afterRefresh(); };
  binder_->showError = [this](const QString& t) { showError(t); };
  services_ = std::make_unique<WindowServices>(*this, sink_);
  undo_ = std::make_unique<UndoHistory>(model_, *binder_);
  services_->files().session().onLoaded = [this](const std::string& file, bool newProject) {
    undo_->projectLoaded(file, newProject);
  };
  connect(undo_.get(), &UndoHistory::changed, this, &TFormTharvex::historyChanged);
  loadGlossary();

  buildMenus();
  buildOptionsMenu();
  buildToolBar();
  buildPages();
  services_->report().addReportCommands();  // print preview and PDF export after "打印报表"

  auto* bar = new QStatusBar(this);
  bar->setObjectName(QStringLiteral("StatusBarMain"));
  status0_ = new QLabel(bar);
  status0_->setFixedWidth(200);
  status1_ = new QLabel(bar);
  status1_->setMinimumWidth(50);
  bar->addWidget(status0_);
  bar->addWidget(status1_, 1);
  setStatusBar(bar);
  buildLegend(bar);

  author_ = new TFormAuthor(this);
  qApp->installEventFilter(this);

  move(0, 0);
  resize(1024, 740);
  historyChanged();
  binder_->refreshAll();
}

TFormTharvex::~TFormTharvex() {
  qApp->removeEventFilter(this);
  services_->files().session().onLoaded = nullptr;
  DeleteChildrenBeforeBinder(this);
  undo_.reset();
  services_.reset();
  binder_.reset();
}

QAction* TFormTharvex::action(const std::string& name) const {
  auto it = actions_.find(name);
  return it == actions_.end() ? nullptr : it->second;
}

void TFormTharvex::buildMenus() {
  std::map<std::string_view, QMenu*> menus;
  Form& form = model_.form();
  for (const ControlDef& d : mainwin::Table()) {
    if (d.entry != Entry::Menu) continue;
    Control& c = form.At(d.name);
    const std::string name(d.name);
    if (d.parent.empty() && !(d.flags & mainwin::TopLevelAction)) {
      QMenu* m = menuBar()->addMenu(ControlText(d.caption));
      m->setObjectName(Qs(d.name));
      menus[d.name] = m;
      if (d.name == "MFile") fileMenu_ = m;
      continue;
    }
    QAction* a = nullptr;
    if (d.flags & mainwin::Separator) {
      auto it = menus.find(d.parent);
      if (it != menus.end()) it->second->addSeparator()->setObjectName(Qs(d.name));
      continue;
    }
    if (d.parent.empty()) {
      a = menuBar()->addAction(ControlText(d.caption));
    } else {
      auto it = menus.find(d.parent);
      if (it == menus.end()) continue;
      a = it->second->addAction(ControlText(d.caption));
    }
    a->setObjectName(Qs(d.name));
    a->setShortcuts(ShortcutsOf(d.name));
    if (const QString key = ShownKeyOf(d.name); !key.isEmpty()) a->setText(a->text() + QLatin1Char('\t') + key);
    new BoundAction(*binder_, c, a);
    connect(a, &QAction::triggered, this, [this, name] { command(name); });
    actions_[name] = a;
  }
  if (fileMenu_) services_->files().rebuildRecentMenu(fileMenu_);
}

void TFormTharvex::buildToolBar() {
  toolBar_ = addToolBar(QStringLiteral("ToolBar1"));
  toolBar_->setObjectName(QStringLiteral("ToolBar1"));
  toolBar_->setMovable(false);
  toolBar_->setIconSize(QSize(22, 22));
  toolBar_->setFixedHeight(30);
  Form& form = model_.form();
  for (const ControlDef& d : mainwin::Table()) {
    if (d.entry != Entry::ToolButton) continue;
    if (d.flags & mainwin::Separator) {
      toolBar_->addSeparator();
      continue;
    }
    const std::string name(d.name);
    const QString hint = ControlText(d.hint);
    QAction* a = toolBar_->addAction(ToolIcon(d.name, hint), hint);
    a->setObjectName(Qs(d.name));
    a->setToolTip(hint);
    a->setStatusTip(hint);
    new BoundAction(*binder_, form.At(d.name), a);
    connect(a, &QAction::triggered, this, [this, name] { command(name); });
    actions_[name] = a;
  }
}

void TFormTharvex::buildPages() {
  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("PageControl1"));
  PageBuildHooks hooks;
  hooks.speedButton = [this](QAbstractButton* b, Control& c) {
    const std::string name = c.name();
    connect(b, &QAbstractButton::clicked, this, [this, name] { command(name); });
  };
  Form& form = model_.form();
  for (const ControlDef& d : mainwin::Table()) {
    if (d.entry != Entry::Tab) continue;
    QWidget* page = nullptr;
    if (d.name == "TabSheet2") {
      drawing_ = new TubeDrawing;
      drawing_->setSource([this] { return services_->drawing(); });
      drawingPage_ = new DrawingPage(drawing_, services_->files().paths().settingsFile());
      page = drawingPage_;
    } else if (d.name == "TabSheetReport") {
      page = services_->report().reportPage(pages_);
    } else if (d.name == "TabTools") {
      // The tools of the table, then the parametric study below them.
      auto* tools = new QWidget;
      auto* lay = new QVBoxLayout(tools);
      lay->setContentsMargins(0, 0, 0, 0);
      lay->addWidget(BuildPage(*binder_, d.name, hooks));
      study_ = new StudyPanel(model_);
      lay->addWidget(study_, 1);
      page = Scrolled(tools);
    } else {
      page = Scrolled(BuildPage(*binder_, d.name, hooks));
    }
    page->setObjectName(Qs(d.name));
    pages_->addTab(page, ControlText(d.caption));
  }
  new BoundPages(*binder_, form.At("PageControl1"), pages_);
  connect(pages_, &QTabWidget::currentChanged, this, &TFormTharvex::pageChanged);
  setCentralWidget(pages_);
}

void TFormTharvex::afterRefresh() {
  // "[*]" is where the title shows the unsaved-changes mark; a "[*]" that is
  // part of the path is doubled so it stays text.
  QString title = Qs(mainwin::ShownTitle(model_.form().title()));
  title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
  title += QStringLiteral("[*]");
  if (windowTitle() != title) setWindowTitle(title);
  setWindowModified(model_.project().modified);
  const QString warning = MessageText(model_.form().status(1));
  if (status1_ && status1_->text() != warning) status1_->setText(warning);
  if (drawingPage_) drawingPage_->refresh(model_.engine());
}

bool TFormTharvex::event(QEvent* e) {
  if (e->type() == QEvent::StatusTip) {
    // Panel 0 shows the hint of the control under the mouse.
    if (status0_) status0_->setText(static_cast<QStatusTipEvent*>(e)->tip());
    return true;
  }
  return QMainWindow::event(e);
}

void TFormTharvex::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  if (!shownOnce_) {
    shownOnce_ = true;
    move(0, 0);
    resize(FittingWidth(), 740);
    restorePlacement();
  }
}

int TFormTharvex::FittingWidth() const {
  // 1024 pixels hold the Chinese pages; longer captions (English) widen the
  // first window as far as the screen allows, so no page needs scrolling.
  int page = 0;
  for (auto* c : pages_->findChildren<ColumnPage*>()) page = std::max(page, c->sizeHint().width());
  const int chrome =
      4 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8;
  const QScreen* s = screen();
  const int room = s ? s->availableGeometry().width() : 1024;
  return std::clamp(page + chrome, 1024, std::max(1024, room));
}

void TFormTharvex::showError(const QString& text) {
  Message m;
  m.text = Ss(text);
  m.caption = "Tharvex";
  m.icon = MessageIcon::Error;
  sink_.Show(m);
}

}  // namespace tharvex::gui
