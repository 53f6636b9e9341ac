// The main window driven through its real widgets: field exits, modes on
// screen, the clear button, keyboard conventions and the tab rules.
#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "core/fields/colors.h"
#include "gui/bound_widgets.h"
#include "gui/drawing_page.h"
#include "gui/qt_bridge.h"
#include "gui/tube_drawing.h"
#include "tests/gui/gui_fixture.h"

namespace tharvex::gui::testing {
namespace {

// Air cooled from 150 to 70 °C by water from 20 to 50 °C; the water flow is
// the one balance quantity left empty. No ambient: no casing heat loss.
void TypeAirWaterCase(Form& f) {
  f.EnterText(f.At("TaD"), "");
  f.EnterText(f.At("WsD"), "3");
  f.EnterText(f.At("Ts1D"), "150");
  f.EnterText(f.At("Ts2D"), "70");
  f.EnterText(f.At("Tt2D"), "50");
}

QColor Base(QWidget* w) { return w->palette().color(QPalette::Active, QPalette::Base); }
QColor TextColour(QWidget* w) { return w->palette().color(QPalette::Active, QPalette::Text); }

TEST_F(MainWindowTest, LeavingAFieldSolvesTheEmptyBalanceField) {
  TypeAirWaterCase(form());
  window->refresh();
  ASSERT_EQ(C("WtD").text(), "");
  typeAndTab("Tt1D", "20");

  EXPECT_EQ(C("Tt1D").text(), "20");
  // 3 x 1005 x 80 = 241200 W taken by water warmed by 30 K: 1.9142857 kg/s.
  EXPECT_NEAR(C("WtD").GetSIValue(), 241200.0 / (4200.0 * 30.0), 1e-9);
  TEditD* wt = edit("WtD");
  EXPECT_TRUE(wt->isReadOnly());
  EXPECT_NE(C("WtD").color(), colors::Window);
  EXPECT_EQ(Base(wt), WindowColour(C("WtD").color()));
  EXPECT_EQ(wt->cursor().shape(), Qt::ForbiddenCursor);
  EXPECT_EQ(wt->text(), QString::fromStdString(C("WtD").text()));
  // The focus went on to the next field in tab order.
  EXPECT_NE(QApplication::focusWidget(), edit("Tt1D"));
  EXPECT_TRUE(model->project().modified);
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(MainWindowTest, ACrossedTemperatureTakesTheFocusBack) {
  TypeAirWaterCase(form());
  window->refresh();
  typeAndTab("Tt1D", "90");  // water leaving at 50 °C cannot enter at 90 °C against air leaving at 70 °C
  QApplication::processEvents();
  EXPECT_EQ(form().status(1), "输入数据错误:温度交叉！");
  QTest::qWait(50);
  QWidget* focus = QApplication::focusWidget();
  EXPECT_EQ(focus, edit("Tt1D")) << (focus ? focus->objectName().toStdString() : "none");
  // The field the Tab had reached gives the focus back without being left,
  // so nothing is calculated again and the focus stays put.
  const size_t traced = C("MemoMessage").lines().size();
  QTest::qWait(50);
  EXPECT_EQ(QApplication::focusWidget(), edit("Tt1D"));
  EXPECT_EQ(C("MemoMessage").lines().size(), traced);
  EXPECT_EQ(window->statusPanel(1)->text(), QString::fromUtf8("输入数据错误:温度交叉！"));
}

TEST_F(MainWindowTest, RatingModeOpensTheCasingFieldsAndDisablesTheOptimiser) {
  QComboBox* type = list("CalTypeD");
  ASSERT_NE(type, nullptr);
  for (const char* name : {"HbxD", "LsD", "NhD", "NwD"}) EXPECT_TRUE(edit(name)->isReadOnly()) << name;
  EXPECT_TRUE(window->action("tbOpt1")->isEnabled());

  emit type->activated(1);  // the user picks "校核型"
  QApplication::processEvents();

  for (const char* name : {"HbxD", "LsD", "NhD", "NwD"}) {
    TEditD* e = edit(name);
    EXPECT_FALSE(e->isReadOnly()) << name;
    EXPECT_TRUE(e->isEnabled()) << name;
    EXPECT_EQ(Base(e), QColor(Qt::white)) << name;
    EXPECT_EQ(TextColour(e), QColor(Qt::black)) << name;
  }
  EXPECT_FALSE(window->action("tbOpt1")->isEnabled());
  EXPECT_FALSE(window->action("MROpt1")->isEnabled());

  emit type->activated(0);  // back to design
  QApplication::processEvents();
  EXPECT_TRUE(edit("HbxD")->isReadOnly());
  EXPECT_TRUE(window->action("MROpt1")->isEnabled());
}

TEST_F(MainWindowTest, LeavingAPassesListRecalculates) {
  TypeAirWaterCase(form());
  form().EnterText(C("Tt1D"), "20");
  window->refresh();
  const std::string area = C("ArD").text();
  QComboBox* passes = list("PnD");
  passes->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
  emit passes->activated(1);  // two passes: nothing is calculated yet
  QApplication::processEvents();
  EXPECT_EQ(C("PnD").itemIndex(), 1);
  EXPECT_EQ(C("ArD").text(), area);

  edit("WsD")->setFocus(Qt::TabFocusReason);  // leaving the list recalculates
  QApplication::processEvents();
  EXPECT_NE(C("ArD").text(), area);
}

TEST_F(MainWindowTest, ClearMakesAComputedFieldEmptyWhiteAndEditable) {
  TypeAirWaterCase(form());
  form().EnterText(C("Tt1D"), "20");
  window->refresh();
  TEditD* wt = edit("WtD");
  ASSERT_TRUE(wt->isReadOnly());
  const int calculations = static_cast<int>(C("MemoMessage").lines().size());
  wt->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();

  window->command("ToolButton6");

  EXPECT_EQ(C("WtD").text(), "");
  EXPECT_EQ(wt->text(), "");
  EXPECT_FALSE(wt->isReadOnly());
  EXPECT_EQ(C("WtD").color(), colors::Window);
  EXPECT_EQ(Base(wt), QColor(Qt::white));
  // Clearing calculates nothing.
  EXPECT_EQ(static_cast<int>(C("MemoMessage").lines().size()), calculations);
}

TEST_F(MainWindowTest, EnterAndArrowsMoveTheFocusExceptInRichTextBoxes) {
  TEditD* ws = edit("WsD");
  ws->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
  ASSERT_EQ(QApplication::focusWidget(), ws);

  QTest::keyClick(ws, Qt::Key_Return);
  QWidget* next = QApplication::focusWidget();
  EXPECT_NE(next, ws);

  QTest::keyClick(next, Qt::Key_Up);
  EXPECT_EQ(QApplication::focusWidget(), ws);
  QTest::keyClick(ws, Qt::Key_Down);
  EXPECT_EQ(QApplication::focusWidget(), next);

  auto* comment = qobject_cast<QPlainTextEdit*>(window->fieldWidget("CmtsD"));
  ASSERT_NE(comment, nullptr);
  comment->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
  QTest::keyClicks(comment, "a");
  QTest::keyClick(comment, Qt::Key_Return);
  QTest::keyClick(comment, Qt::Key_Down);
  QTest::keyClick(comment, Qt::Key_Up);
  EXPECT_EQ(QApplication::focusWidget(), comment);
  EXPECT_EQ(comment->toPlainText(), "a\n");  // Enter made a new line
}

TEST_F(MainWindowTest, TabsRunTheirCommands) {
  TypeAirWaterCase(form());
  form().EnterText(C("Tt1D"), "20");
  model->project().modified = false;
  window->refresh();

  const int drawingTab = window->pages()->indexOf(window->drawingPage());
  window->pages()->setCurrentIndex(drawingTab);
  QApplication::processEvents();
  // The drawing tab recalculates (so the project counts as changed) and
  // keeps a drawing to repaint whenever it is shown again.
  EXPECT_TRUE(model->project().modified);
  EXPECT_FALSE(model->engine().drawing().items.empty());
  EXPECT_EQ(C("PageControl1").itemIndex(), drawingTab);

  window->command("MTools");
  EXPECT_EQ(window->pages()->currentWidget()->objectName(), "TabTools");
}

TEST_F(MainWindowTest, ToolsTabFieldsRunTheirTools) {
  window->command("MTools");
  QApplication::processEvents();
  typeAndTab("tD", "20");
  // Saturated air at 20 °C and 100 kPa: the humidity ratio and the dew point
  // follow; the design case is not touched.
  EXPECT_FALSE(C("HD").text().empty());
  EXPECT_FALSE(C("ywD").text().empty());
  EXPECT_EQ(edit("HD")->text(), QString::fromStdString(C("HD").text()));
  EXPECT_EQ(C("WsD").text(), "");

  typeAndTab("MnD", "2");
  auto* memo = qobject_cast<QPlainTextEdit*>(window->fieldWidget("MemoTi"));
  ASSERT_NE(memo, nullptr);
  EXPECT_FALSE(C("MemoTi").lines().empty());
  EXPECT_EQ(memo->toPlainText().split('\n').size(), static_cast<qsizetype>(C("MemoTi").lines().size()));
}

TEST_F(MainWindowTest, F1OnAFieldWithoutCaptionShowsTheHintBoxWithoutFreezing) {
  QWidget* memo = window->fieldWidget("MemoMessage");
  ASSERT_NE(memo, nullptr);
  window->fieldHelp(memo);
  QLabel* box = window->fieldHint().box();
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->isVisible());
  EXPECT_EQ(box->palette().color(QPalette::Window), QColor(255, 255, 0));
  // The window keeps working while the box is up.
  QTest::keyClick(edit("WsD"), Qt::Key_1);
  EXPECT_TRUE(box->isVisible());
}

}  // namespace
}  // namespace tharvex::gui::testing
