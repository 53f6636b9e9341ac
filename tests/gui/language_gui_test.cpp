// The window in English and in Chinese: every text a user can see in the
// English window (captions, menus, tips, list items, tabs, headers, the
// dialogs it opens) holds no Chinese character; the Chinese window shows the
// captions it always had; choosing a language or the unit symbols leaves
// the project as it was.
#include <QAbstractItemView>
#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <functional>
#include <memory>

#include "cli/dump.h"
#include "core/app/paths.h"
#include "core/fields/i18n.h"
#include "core/fields/units.h"
#include "gui/author_window.h"
#include "gui/bound_widgets.h"
#include "gui/language.h"
#include "gui/project_files.h"
#include "gui/props/prop_window.h"
#include "gui/qt_bridge.h"
#include "gui/report/report_edit.h"
#include "gui/report/report_service.h"
#include "gui/tcombobox_u.h"
#include "gui/window_services.h"
#include "tests/gui/gui_fixture.h"

namespace tharvex::gui::testing {
namespace {

bool IsCjk(QChar c) {
  const char16_t u = c.unicode();
  return (u >= 0x2E80 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFF00 && u <= 0xFFEF);
}
bool HasCjk(const QString& s) { return std::any_of(s.begin(), s.end(), IsCjk); }

// Collects the visible texts of widgets and actions with where they were seen.
class TextWalk {
 public:
  void action(QAction* a, const QString& where) {
    if (!a || a->isSeparator()) return;
    const QString at = where + QLatin1Char('/') + a->objectName();
    add(at, a->text());
    add(at + QStringLiteral(" tip"), a->toolTip());
    add(at + QStringLiteral(" status tip"), a->statusTip());
    if (QMenu* m = a->menu()) menu(m, at);
  }
  void menu(QMenu* m, const QString& where) {
    add(where + QStringLiteral(" title"), m->title());
    for (QAction* a : m->actions()) action(a, where);
  }
  // `root` and every child shown with it (tabs not current are skipped:
  // the caller makes each current in turn).
  void widget(QWidget* root) {
    add(root->objectName() + QStringLiteral(" window title"), root->windowTitle());
    visit(root, root);
    for (QWidget* w : root->findChildren<QWidget*>())
      if (w->isVisibleTo(root)) visit(w, root);
  }
  const QStringList& offenders() const { return offenders_; }
  int seen() const { return seen_; }

 private:
  void add(const QString& where, const QString& text) {
    if (text.isEmpty()) return;
    ++seen_;
    if (HasCjk(text) && !offenders_.contains(where + QStringLiteral(": ") + text))
      offenders_ << where + QStringLiteral(": ") + text;
  }
  void visit(QWidget* w, QWidget* root) {
    QString where = w->objectName();
    for (QWidget* p = w->parentWidget(); p && p != root && where.size() < 200; p = p->parentWidget())
      if (!p->objectName().isEmpty()) where = p->objectName() + QLatin1Char('/') + where;
    if (w->objectName().isEmpty()) where += QLatin1Char('<') + QLatin1String(w->metaObject()->className()) + '>';
    add(where + QStringLiteral(" tip"), w->toolTip());
    add(where + QStringLiteral(" status tip"), w->statusTip());
    if (auto* l = qobject_cast<QLabel*>(w)) add(where, l->text());
    if (auto* b = qobject_cast<QAbstractButton*>(w)) add(where, b->text());
    if (auto* g = qobject_cast<QGroupBox*>(w)) add(where, g->title());
    if (auto* t = qobject_cast<QTabBar*>(w))
      for (int i = 0; i < t->count(); ++i) add(where + QStringLiteral(" tab"), t->tabText(i));
    if (auto* c = qobject_cast<QComboBox*>(w))
      for (int i = 0; i < c->count(); ++i) add(where + QStringLiteral(" item"), c->itemText(i));
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
      add(where + QStringLiteral(" placeholder"), e->placeholderText());
      // Read-only fields show results; the property window's record fields
      // show the library's data (a substance's Chinese name among them).
      if (e->isReadOnly() && !dynamic_cast<TFormSimpPL*>(e->window())) add(where, e->text());
    }
    if (auto* v = qobject_cast<QAbstractItemView*>(w); v && v->model()) {
      QAbstractItemModel* m = v->model();
      for (int c = 0; c < m->columnCount(); ++c)
        add(where + QStringLiteral(" header"), m->headerData(c, Qt::Horizontal).toString());
      for (int r = 0; r < std::min(m->rowCount(), 300); ++r)
        for (int c = 0; c < m->columnCount(); ++c)
          add(where + QStringLiteral(" cell"), m->index(r, c).data().toString());
    }
    // The message pane speaks the interface's language; the user's own
    // comments and values are data.
    if (auto* t = dynamic_cast<BoundText*>(w); t && !t->isRichText()) add(where, t->toPlainText());
    if (auto* a = qobject_cast<QToolBar*>(w))
      for (QAction* act : a->actions()) action(act, where);
  }
  QStringList offenders_;
  int seen_ = 0;
};

class LanguageGui : public MainWindowTest {
 protected:
  void start(const char* code) {
    translations = std::make_unique<Translations>();
    translations->apply(code, CatalogueDir(FindDataDir(ProgramDir())));
    if (std::string(code) == kLanguageEnglish) {
      ASSERT_EQ(QCoreApplication::translate("MainWindowLanguage", "单位符号"), QStringLiteral("Unit Symbols"))
          << "the window's catalogue was not found";
      ASSERT_EQ(i18n::Tr("Controls", "&F 文件"), "&File") << "the core's catalogue was not found";
    }
    MainWindowTest::SetUp();
    data = FindDataDir(window->services().files().paths().programDir);
    ASSERT_FALSE(data.empty());
    ASSERT_TRUE(window->services().files().openFile(data + "/examples/AirCooler-Example.zrf"));
    sink.shown.clear();
  }
  void SetUp() override {}
  void TearDown() override {
    if (window) MainWindowTest::TearDown();
    translations.reset();
    i18n::SetUnitSymbols(true);
    BumpDisplayGeneration();
  }
  static std::string ProgramDir() { return Ss(QCoreApplication::applicationDirPath()); }

  // The main window on each of its tabs, its menus and its tool bar.
  void walkMainWindow(TextWalk& walk) {
    QTabWidget* pages = window->pages();
    for (int i = 0; i < pages->count(); ++i) {
      pages->setCurrentIndex(i);
      QApplication::processEvents();
      walk.widget(window.get());
    }
    for (QAction* a : window->menuBar()->actions()) walk.action(a, QStringLiteral("menu"));
  }

  std::unique_ptr<Translations> translations;
  std::string data;
};

TEST_F(LanguageGui, EnglishShowsNoChineseInAnyWindow) {
  start(kLanguageEnglish);
  typeAndTab("WsD", QStringLiteral("3"));  // the edit menu then names a step
  EXPECT_TRUE(window->action("MEUndo")->isEnabled());
  TextWalk walk;
  walkMainWindow(walk);

  // The about box and a core message box, as the real sink shows them.
  QtMessageSink real(window.get());
  EXPECT_TRUE(WithModal<QMessageBox>(
      [&] {
        real.Show(Message{"目标窗口没找到！", "导出数据", MessageIcon::Error, MessageButtons::YesNo});
      },
      [&](QMessageBox& box) {
        walk.widget(&box);
        box.done(QMessageBox::Ok);
      }));
  window->model().form().setMessageSink(real);
  EXPECT_TRUE(WithModal<QMessageBox>([&] { window->command("MHAbout"); },
                                     [&](QMessageBox& box) {
                                       walk.widget(&box);
                                       box.done(QMessageBox::Ok);
                                     }));
  window->model().form().setMessageSink(sink);

  // The author box.
  window->author()->show();
  QApplication::processEvents();
  walk.widget(window->author());
  window->author()->hide();

  // The property window, both of its pages.
  bool props = WithModal<TFormSimpPL>([&] { window->command("SBP1"); },
                                      [&](TFormSimpPL& d) {
                                        auto* tabs = d.findChild<QTabWidget*>(QStringLiteral("PageControlP"));
                                        ASSERT_NE(tabs, nullptr);
                                        for (int i = 0; i < tabs->count(); ++i) {
                                          tabs->setCurrentIndex(i);
                                          QApplication::processEvents();
                                          walk.widget(&d);
                                        }
                                        d.reject();
                                      });
  EXPECT_TRUE(props);

  // The report's print preview (Qt's own dialog, titled by the window).
  window->pages()->setCurrentWidget(window->pages()->findChild<QWidget*>(QStringLiteral("TabSheetReport")));
  window->command("MOReport");
  QApplication::processEvents();
  EXPECT_TRUE(WithModal<QPrintPreviewDialog>([&] { window->services().report().previewReport(); },
                                             [&](QPrintPreviewDialog& d) {
                                               walk.widget(&d);
                                               d.reject();
                                             }));

  EXPECT_GT(walk.seen(), 500);
  EXPECT_TRUE(walk.offenders().isEmpty()) << walk.offenders().size() << " texts with Chinese:\n"
                                          << Ss(walk.offenders().mid(0, 60).join(QLatin1Char('\n')));
}

TEST_F(LanguageGui, ChineseShowsTodaysCaptions) {
  start(kLanguageChinese);
  EXPECT_EQ(window->pages()->tabText(0), QStringLiteral("工艺及设备参数"));
  const QList<QAction*> menus = window->menuBar()->actions();
  ASSERT_FALSE(menus.isEmpty());
  EXPECT_EQ(menus[0]->text(), QStringLiteral("&F 文件"));
  EXPECT_EQ(window->action("MRCalc")->text(), QStringLiteral("&C 计算"));
  QStringList titles;
  for (auto* g : window->findChildren<QGroupBox*>()) titles << g->title();
  EXPECT_TRUE(titles.contains(QStringLiteral("壳程物性及热量平衡"))) << Ss(titles.join(QLatin1Char(',')));
  EXPECT_TRUE(titles.contains(QStringLiteral("工况分析")));
  auto* lang = window->menuBar()->findChild<QMenu*>(QStringLiteral("MHLanguage"));
  ASSERT_NE(lang, nullptr);
  EXPECT_EQ(lang->title(), QStringLiteral("语言（重新启动后生效）"));
  EXPECT_EQ(lang->actions()[0]->text(), QStringLiteral("中文"));
  EXPECT_TRUE(lang->actions()[0]->isChecked());
  // A plain list shows its Chinese items; the unit of a temperature, its symbol.
  TComboBoxU* unit = nullptr;
  for (auto* c : window->findChildren<TComboBoxU*>())
    if (c->isUnitSelector() && c->count() == 1 && GetUnit(c->control().items()[0]) == "C") unit = c;
  ASSERT_NE(unit, nullptr);
  EXPECT_EQ(unit->itemText(0), QStringLiteral("°C"));
}

TEST_F(LanguageGui, ChoosingLanguageAndUnitSymbolsKeepsTheProject) {
  start(kLanguageChinese);
  const nlohmann::json before = cli::DumpForm(form(), {});
  const bool modified = model->project().modified;
  const std::string settings = window->services().files().paths().settingsFile();

  auto* lang = window->menuBar()->findChild<QMenu*>(QStringLiteral("MHLanguage"));
  ASSERT_NE(lang, nullptr);
  QAction* english = lang->findChild<QAction*>(QStringLiteral("MHLangEn"));
  QAction* chinese = lang->findChild<QAction*>(QStringLiteral("MHLangZh"));
  ASSERT_TRUE(english && chinese);
  english->trigger();
  EXPECT_EQ(ReadLanguage(settings, QStringLiteral("zh_CN")), "en");
  ASSERT_EQ(sink.shown.size(), 1u);  // the restart is announced
  EXPECT_NE(sink.shown[0].text.find("English"), std::string::npos);
  EXPECT_TRUE(english->isChecked());
  chinese->trigger();
  EXPECT_EQ(ReadLanguage(settings, QStringLiteral("en_GB")), "zh");

  // Unit symbols off and on: the selectors re-fill under the same index.
  std::vector<std::pair<TComboBoxU*, int>> units;
  for (auto* c : window->findChildren<TComboBoxU*>())
    if (c->isUnitSelector()) units.push_back({c, c->currentIndex()});
  ASSERT_GT(units.size(), 20u);
  QAction* symbols = window->findChild<QAction*>(QStringLiteral("MHUnitSymbols"));
  ASSERT_NE(symbols, nullptr);
  EXPECT_TRUE(symbols->isChecked());
  symbols->trigger();
  EXPECT_FALSE(i18n::UnitSymbols());
  EXPECT_FALSE(ReadUnitSymbols(settings));
  QStringList plain;
  for (auto& [c, index] : units) {
    EXPECT_EQ(c->currentIndex(), index) << c->objectName().toStdString();
    plain << c->itemText(0);
  }
  EXPECT_TRUE(plain.contains(QStringLiteral("C")));
  EXPECT_FALSE(plain.contains(QStringLiteral("°C")));
  symbols->trigger();
  EXPECT_TRUE(ReadUnitSymbols(settings));
  for (auto& [c, index] : units) EXPECT_EQ(c->currentIndex(), index);

  EXPECT_EQ(cli::DumpForm(form(), {}), before);
  EXPECT_EQ(model->project().modified, modified);
  EXPECT_EQ(sink.shown.size(), 1u);
}

TEST(LanguageSettings, LocaleDecidesUntilAChoiceIsSaved) {
  EXPECT_EQ(ReadLanguage("", QStringLiteral("zh_CN")), "zh");
  EXPECT_EQ(ReadLanguage("", QStringLiteral("zh_TW")), "zh");
  EXPECT_EQ(ReadLanguage("", QStringLiteral("en_US")), "en");
  EXPECT_EQ(ReadLanguage("", QStringLiteral("C")), "en");
  EXPECT_EQ(ReadLanguage("", QStringLiteral("de_DE")), "en");
  EXPECT_TRUE(ReadUnitSymbols(""));
}

}  // namespace
}  // namespace tharvex::gui::testing
