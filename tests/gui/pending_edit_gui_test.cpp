// What the user typed last reaches the model before any command runs, also
// from a tool button, which takes no focus from the field or comment box.
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

#include "core/files/form_record.h"
#include "gui/qt_bridge.h"
#include "tests/gui/gui_fixture.h"

namespace tharvex::gui::testing {
namespace {

class PendingEditGui : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ASSERT_TRUE(dir.isValid());
    file = Ss(dir.filePath(QStringLiteral("pending.zrf")));
    // A project with a name and no unsaved changes: saving asks nothing.
    model->project().fileName = file;
    model->project().modified = false;
    C("MFSave").setEnabled(false);
    window->refresh();
  }

  QToolButton* toolButton(const char* name) {
    auto* bar = window->findChild<QToolBar*>(QStringLiteral("ToolBar1"));
    return bar ? qobject_cast<QToolButton*>(bar->widgetForAction(window->action(name))) : nullptr;
  }

  // The project file as a second window would load it.
  Control& saved(const std::string& name) {
    reread = std::make_unique<MainModel>(sink);
    EXPECT_TRUE(ReadFormRecord(reread->form(), file));
    return reread->form().At(name);
  }

  QTemporaryDir dir;
  std::string file;
  std::unique_ptr<MainModel> reread;
};

TEST_F(PendingEditGui, TheSaveButtonSavesTheCommentBeingTyped) {
  auto* comment = qobject_cast<QPlainTextEdit*>(window->fieldWidget("CmtsD"));
  ASSERT_NE(comment, nullptr);
  comment->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
  comment->insertPlainText(QStringLiteral("校核"));  // as an input method commits it
  QTest::keyClicks(comment, QStringLiteral(" A"));
  QToolButton* save = toolButton("tbSave");
  ASSERT_NE(save, nullptr);
  EXPECT_EQ(save->focusPolicy(), Qt::NoFocus);
  QTest::mouseClick(save, Qt::LeftButton);
  QApplication::processEvents();

  EXPECT_EQ(QApplication::focusWidget(), comment);  // the caret never left the box
  EXPECT_EQ(C("CmtsD").lines(), std::vector<std::string>{"校核 A"});
  EXPECT_EQ(saved("CmtsD").lines(), std::vector<std::string>{"校核 A"});
  EXPECT_FALSE(model->project().modified);
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(PendingEditGui, TheSaveButtonSavesTheNumberBeingTypedAndTheOtherComment) {
  TEditD* ws = edit("WsD");
  ws->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
  ws->selectAll();
  QTest::keyClicks(ws, QStringLiteral("7"));
  QTest::mouseClick(toolButton("tbSave"), Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_EQ(saved("WsD").text(), "7");

  auto* comment = qobject_cast<QPlainTextEdit*>(window->fieldWidget("CmttD"));
  ASSERT_NE(comment, nullptr);
  comment->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
  QTest::keyClicks(comment, QStringLiteral("water"));
  QTest::mouseClick(toolButton("tbSave"), Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_EQ(saved("CmttD").lines(), std::vector<std::string>{"water"});
  EXPECT_FALSE(model->project().modified);
}

}  // namespace
}  // namespace tharvex::gui::testing
