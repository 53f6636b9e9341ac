// Undo and redo below the window: every action gives back exactly the state
// before it, redo exactly the state after it, without a calculation.
#include <gtest/gtest.h>

#include <functional>

#include "core/app/main_model.h"
#include "core/app/window_state.h"
#include "tests/strict_message_sink.h"

namespace tharvex {
namespace {

// Every property of every control, handlers excepted.
std::vector<Control::State> Everything(const MainModel& m) {
  std::vector<Control::State> s;
  for (const auto& c : m.form().controls())
    if (!IsOutsideUndo(c->name())) s.push_back(c->state());
  return s;
}

void TypicalCase(MainModel& m) {
  Form& f = m.form();
  f.EnterText(f.At("WsD"), "5");
  f.EnterText(f.At("Ts1D"), "120");
  f.EnterText(f.At("Ts2D"), "60");
  f.EnterText(f.At("Tt1D"), "20");
  f.EnterText(f.At("Tt2D"), "40");
  f.EnterText(f.At("LsD"), "6");
}

struct Step {
  const char* name;
  std::function<void(MainModel&)> act;
};

class EveryAction : public ::testing::TestWithParam<Step> {};

TEST_P(EveryAction, UndoGivesBackTheStateBeforeAndRedoTheStateAfter) {
  tharvex::testing::StrictMessageSink sink;
  MainModel m(sink);
  TypicalCase(m);
  EditHistory history(m);
  const auto before = Everything(m);
  const auto calcBefore = m.engine().state().tubes;
  history.Record(GetParam().name, [&] { GetParam().act(m); });
  const auto after = Everything(m);
  ASSERT_NE(before, after) << "the action changed nothing";
  ASSERT_EQ(history.undoName(), GetParam().name);

  const size_t messages = sink.shown.size();
  ASSERT_TRUE(history.Undo());
  EXPECT_EQ(Everything(m), before);
  EXPECT_EQ(m.engine().state().tubes, calcBefore);
  EXPECT_TRUE(m.project().modified);
  EXPECT_EQ(history.redoName(), GetParam().name);
  ASSERT_TRUE(history.Redo());
  EXPECT_EQ(Everything(m), after);
  EXPECT_EQ(sink.shown.size(), messages);  // nothing recalculated, nothing said
  EXPECT_FALSE(history.canRedo());
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, EveryAction,
    ::testing::Values(Step{"修改 入口温度", [](MainModel& m) { m.form().EnterText(m.form().At("Ts1D"), "130"); }},
                      Step{"单位 质量流量", [](MainModel& m) { m.form().PickUnit(m.form().At("WsU"), 1); }},
                      Step{"选择 计算类型", [](MainModel& m) { m.form().SelectItem(m.form().At("CalTypeD"), 1); }},
                      Step{"湿工况", [](MainModel& m) { m.form().SetChecked(m.form().At("CBWater"), true); }},
                      Step{"清除", [](MainModel& m) { m.form().ClearEdit(m.form().At("KaD")); }},
                      Step{"优化设计", [](MainModel& m) { m.engine().BtOpt1Click(&m.form().At("tbOpt1")); }}),
    [](const ::testing::TestParamInfo<Step>& i) { return "Step" + std::to_string(i.index); });

TEST(EditHistory, ANewActionDropsTheUndoneStepsAndNoChangeRecordsNothing) {
  tharvex::testing::StrictMessageSink sink;
  MainModel m(sink);
  TypicalCase(m);
  EditHistory h(m);
  Form& f = m.form();
  h.Record("a", [&] { f.EnterText(f.At("Ts1D"), "130"); });
  h.Record("b", [&] { f.EnterText(f.At("Ts1D"), "140"); });
  h.Record("same", [&] { f.EnterText(f.At("Ts1D"), "140"); });  // nothing moved
  EXPECT_EQ(h.size(), 2u);
  ASSERT_TRUE(h.Undo());
  EXPECT_EQ(f.At("Ts1D").text(), "130");
  h.Record("c", [&] { f.EnterText(f.At("Ts2D"), "70"); });
  EXPECT_FALSE(h.canRedo());
  EXPECT_EQ(h.undoName(), "c");
  ASSERT_TRUE(h.Undo());
  ASSERT_TRUE(h.Undo());
  EXPECT_EQ(f.At("Ts1D").text(), "120");
  EXPECT_FALSE(h.Undo());
}

TEST(EditHistory, TabsTheReportAndTheSaveCommandAreNotEdits) {
  tharvex::testing::StrictMessageSink sink;
  MainModel m(sink);
  EditHistory h(m);
  Form& f = m.form();
  h.Record("tab", [&] { f.At("PageControl1").setItemIndex(2); });
  h.Record("report", [&] { f.At("ReReport").setLines({"x"}); });
  EXPECT_EQ(h.size(), 0u);
}

TEST(EditHistory, OpeningAProjectStartsAfreshATemplateIsAnEdit) {
  EXPECT_TRUE(OpeningClearsHistory("/p/a.zrf"));
  EXPECT_TRUE(OpeningClearsHistory("/p/a.ZRF"));
  EXPECT_TRUE(OpeningClearsHistory(""));
  EXPECT_FALSE(OpeningClearsHistory("/p/Default.zrt"));
  EXPECT_FALSE(OpeningClearsHistory("/p/Default.ZRT"));
}

}  // namespace
}  // namespace tharvex
