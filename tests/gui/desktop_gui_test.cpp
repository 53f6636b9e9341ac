// The desktop conventions on the real widgets: shortcuts, undo and redo of
// every kind of action, the unsaved-changes mark in the title, tooltips.
#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWindow>

#include "core/app/paths.h"
#include "core/app/window_placement.h"
#include "core/app/window_state.h"
#include "gui/project_files.h"
#include "gui/undo_history.h"
#include "gui/window_services.h"
#include "test_paths.h"
#include "tests/gui/gui_fixture.h"

namespace tharvex::gui::testing {
namespace {

// What the window shows, to compare whole states: every control's model
// state and what each value field's widget shows.
struct Shown {
  std::vector<Control::State> model;
  std::vector<std::pair<QString, bool>> fields;  // text, read-only
  bool operator==(const Shown&) const = default;
};

class DesktopTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    Form& f = form();
    f.EnterText(C("WsD"), "5");
    f.EnterText(C("Ts1D"), "120");
    f.EnterText(C("Ts2D"), "60");
    f.EnterText(C("Tt1D"), "20");
    f.EnterText(C("Tt2D"), "40");
    f.EnterText(C("LsD"), "6");
    window->refresh();
  }
  Shown shown() {
    QApplication::processEvents();
    Shown s;
    for (const auto& c : form().controls()) {
      if (IsOutsideUndo(c->name())) continue;
      s.model.push_back(c->state());
      if (TEditD* e = edit(c->name())) s.fields.emplace_back(e->text(), e->isReadOnly());
    }
    return s;
  }
  // The keys as the user presses them, on whatever has the focus.
  void keys(QKeySequence k) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
    QTest::keySequence(target, k);
    QApplication::processEvents();
  }
  QString shownTitle() { return window->windowHandle()->title(); }
  QString menuText(const char* name) { return window->action(name)->text(); }
};

TEST_F(DesktopTest, MenusShowTheirKeys) {
  struct Case {
    const char* item;
    QKeySequence key;
  } cases[] = {
      {"MFNew", QKeySequence("Ctrl+N")},      {"MFOpen", QKeySequence("Ctrl+O")},  {"MFSave", QKeySequence("Ctrl+S")},
      {"MFAs", QKeySequence("Ctrl+Shift+S")}, {"MOPrint", QKeySequence("Ctrl+P")}, {"MFExit", QKeySequence("Ctrl+Q")},
      {"MRCalc", QKeySequence("F9")},         {"MEUndo", QKeySequence("Ctrl+Z")},  {"MERedo", QKeySequence("Ctrl+Y")}};
  for (const Case& c : cases) EXPECT_EQ(window->action(c.item)->shortcut(), c.key) << c.item;
  EXPECT_TRUE(window->action("MRCalc")->shortcuts().contains(QKeySequence("Ctrl+R")));
  EXPECT_TRUE(menuText("MHDoc").endsWith("\tF1"));
  // 计算 is in the run menu and on the tool bar.
  auto* run = window->menuBar()->findChild<QMenu*>("MRun");
  ASSERT_NE(run, nullptr);
  EXPECT_TRUE(run->actions().contains(window->action("MRCalc")));
  EXPECT_NE(window->action("tbCalc"), nullptr);
}

TEST_F(DesktopTest, F9CalculatesAsLeavingAFieldDoesAndIsUndone) {
  C("KaD").setText("");
  window->refresh();
  edit("WsD")->setFocus();
  const Shown before = shown();
  keys(QKeySequence(Qt::Key_F9));
  EXPECT_FALSE(C("KaD").text().empty());
  EXPECT_TRUE(menuText("MEUndo").endsWith("撤销 计算"));
  keys(QKeySequence("Ctrl+Z"));
  EXPECT_EQ(shown(), before);
}

TEST_F(DesktopTest, UndoAndRedoGiveBackTheExactStatesOfAFieldTheOptimiserAndClear) {
  EXPECT_FALSE(window->action("MEUndo")->isEnabled());

  // A field left after a change.
  const Shown start = shown();
  typeAndTab("Ts1D", "130");
  const Shown typed = shown();
  ASSERT_NE(typed, start);
  EXPECT_TRUE(window->action("MEUndo")->isEnabled());
  EXPECT_EQ(menuText("MEUndo"), "&U 撤销 修改 入口温度");

  // The optimiser.
  window->command("MROpt1");
  const Shown optimised = shown();
  ASSERT_NE(optimised, typed);
  EXPECT_EQ(menuText("MEUndo"), "&U 撤销 优化设计");

  // Moving on without a change is no step.
  edit("KaD")->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(menuText("MEUndo"), "&U 撤销 优化设计");
  const Shown beforeClear = shown();
  // 清除 on a result.
  window->command("ToolButton6");
  const Shown cleared = shown();
  ASSERT_NE(cleared, optimised);
  EXPECT_EQ(C("KaD").text(), "");
  EXPECT_EQ(menuText("MEUndo"), "&U 撤销 清除");

  // Back step by step with Ctrl+Z, on from the field the focus is in.
  const size_t messages = sink.shown.size();
  keys(QKeySequence("Ctrl+Z"));
  EXPECT_EQ(shown(), beforeClear);
  EXPECT_EQ(menuText("MERedo"), "&R 重做 清除");
  keys(QKeySequence("Ctrl+Z"));
  EXPECT_EQ(shown(), typed);
  keys(QKeySequence("Ctrl+Z"));
  EXPECT_EQ(shown(), start);
  EXPECT_FALSE(window->action("MEUndo")->isEnabled());
  // Forward again with Ctrl+Y and Ctrl+Shift+Z.
  keys(QKeySequence("Ctrl+Y"));
  EXPECT_EQ(shown(), typed);
  keys(QKeySequence("Ctrl+Shift+Z"));
  EXPECT_EQ(shown(), optimised);
  keys(QKeySequence("Ctrl+Y"));
  EXPECT_EQ(shown(), cleared);
  keys(QKeySequence("Ctrl+Z"));
  EXPECT_EQ(shown(), beforeClear);
  window->command("MERedo");
  EXPECT_EQ(shown(), cleared);
  EXPECT_FALSE(window->action("MERedo")->isEnabled());
  // The steps said nothing: no calculation ran (its trace lines in the
  // message pane are part of each state compared above).
  EXPECT_EQ(sink.shown.size(), messages);
}

TEST_F(DesktopTest, TypingInAFieldKeepsCtrlZForTheTyping) {
  typeAndTab("Ts1D", "130");
  TEditD* e = edit("Ts2D");
  e->setFocus();
  QApplication::processEvents();
  QTest::keyClicks(e, "9");
  keys(QKeySequence("Ctrl+Z"));
  // The edit took back its own typing; the window's step is still there.
  EXPECT_EQ(e->text(), QString::fromStdString(C("Ts2D").text()));
  EXPECT_EQ(C("Ts1D").text(), "130");
  EXPECT_TRUE(window->action("MEUndo")->isEnabled());
}

TEST_F(DesktopTest, OpeningAProjectClearsTheHistoryAndCtrlSWritesTheFile) {
  QTemporaryDir dir;
  const QString file = dir.filePath("p.zrf");
  ASSERT_TRUE(QFile::copy(THARVEX_SOURCE_DIR "/data/examples/AirCooler-Example.zrf", file));
  typeAndTab("Ts1D", "130");
  ASSERT_TRUE(window->action("MEUndo")->isEnabled());
  model->project().modified = false;  // no question before the open
  ASSERT_TRUE(window->services().files().openFile(file.toStdString()));
  QApplication::processEvents();
  EXPECT_FALSE(window->action("MEUndo")->isEnabled());
  EXPECT_FALSE(window->isWindowModified());
  EXPECT_FALSE(shownTitle().contains('*'));
  EXPECT_TRUE(shownTitle().endsWith("-[" + file + "]"));

  // An edit marks the title; Ctrl+S writes the file and the mark goes.
  const QByteArray onDisk = [&] {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }();
  typeAndTab("Ts1D", "131");
  EXPECT_TRUE(window->isWindowModified());
  EXPECT_TRUE(shownTitle().endsWith("]*"));
  keys(QKeySequence("Ctrl+S"));
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_NE(f.readAll(), onDisk);
  EXPECT_FALSE(model->project().modified);
  EXPECT_FALSE(window->isWindowModified());
  EXPECT_FALSE(shownTitle().contains('*'));

  // Undo is an edit too: the window no longer shows what was saved.
  keys(QKeySequence("Ctrl+Z"));
  EXPECT_TRUE(model->project().modified);
  EXPECT_TRUE(shownTitle().endsWith('*'));
  // A "[*]" in the path stays text.
  EXPECT_EQ(shownTitle().count('*'), 1);
}

TEST_F(DesktopTest, TooltipsGiveTheGlossaryEntryAndTheFieldsState) {
  typeAndTab("Tt1D", "20");
  const QString ws = window->fieldTooltip(C("WsD"));
  EXPECT_TRUE(ws.contains("质量流量"));
  EXPECT_TRUE(ws.contains("含义："));
  EXPECT_TRUE(ws.contains("单位：kg/s"));
  EXPECT_TRUE(ws.contains("典型值："));
  EXPECT_TRUE(ws.contains("当前：输入"));
  // The unit selector shows its field's entry.
  EXPECT_TRUE(window->fieldTooltip(C("WsU")).contains("当前：输入"));
  EXPECT_TRUE(window->fieldTooltip(C("KaD")).contains("当前：计算结果"));
  // The water flow left empty is solved by the balance.
  C("WtD").setText("");
  form().EnterText(C("WsD"), "5");
  EXPECT_TRUE(window->fieldTooltip(C("WtD")).contains("当前：由热量平衡求出"))
      << window->fieldTooltip(C("WtD")).toStdString();
  EXPECT_NE(window->findChild<QWidget*>("ColourLegend"), nullptr);
}

TEST_F(DesktopTest, TheWindowComesBackWhereItWasOnTheTabItWasOn) {
  const std::string settings = window->services().files().paths().settingsFile();
  window->move(40, 30);
  window->resize(900, 650);
  window->pages()->setCurrentIndex(3);  // 工具
  QApplication::processEvents();
  model->project().modified = false;
  ASSERT_TRUE(window->close());
  const auto p = LoadPlacement(settings);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->width, 900);
  EXPECT_EQ(p->height, 650);
  EXPECT_EQ(p->tab, 3);

  TFormTharvex again(*model, sink);
  again.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
  EXPECT_EQ(again.size(), QSize(900, 650));
  EXPECT_EQ(again.pages()->currentIndex(), 3);
  EXPECT_FALSE(model->project().modified);     // coming back is not a calculation
  SavePlacement(settings, WindowPlacement{});  // the next tests start as designed
}

}  // namespace
}  // namespace tharvex::gui::testing
