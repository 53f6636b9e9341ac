// Tooltips from the manual's glossary, the field states they name, and the
// version the about box shows.
#include <gtest/gtest.h>
#include "test_paths.h"

#include "core/app/field_state.h"
#include "core/app/main_model.h"
#include "core/help/about.h"
#include "core/help/build_info.h"
#include "core/help/glossary.h"
#include "core/help/manual_index.h"
#include "core/mainwin/main_window_table.h"
#include "tests/strict_message_sink.h"

namespace tharvex::help {
namespace {

TEST(Glossary, EveryFieldCaptionHasItsFourLines) {
  auto text = ReadManual(std::string(THARVEX_SOURCE_DIR) + "/data");
  ASSERT_TRUE(text);
  const Glossary g = Glossary::FromManual(*text);
  int checked = 0;
  for (const auto& d : mainwin::Table()) {
    if (d.entry != mainwin::Entry::Quantity || d.caption.empty()) continue;
    const std::string e = g.Entry(d.caption);
    ASSERT_FALSE(e.empty()) << d.caption;
    // Meaning, unit, typical values, input or result: in this order, one a line.
    size_t at = 0;
    for (const char* part : {"含义：", "单位：", "典型值：", "输入或结果："}) {
      const size_t p = e.find(part, at);
      ASSERT_NE(p, std::string::npos) << d.caption << " lacks " << part;
      EXPECT_TRUE(p == 0 || e[p - 1] == '\n') << d.caption;
      at = p;
    }
    ++checked;
  }
  EXPECT_GT(checked, 80);
}

TEST(Glossary, OnlyTheGlossaryChapterCountsAndListMarksGo) {
  const Glossary g = Glossary::FromManual(
      "# 第二章 主窗口与计算\n## 质量流量\n- 不是这一段\n# 第六章 名词术语\n\n"
      "本章说明。\n\n## 质量流量\n\n- 含义：流量。\n- 单位：kg/s。\r\n\n## 空\n");
  EXPECT_EQ(g.Entry("质量流量"), "含义：流量。\n单位：kg/s。");
  EXPECT_EQ(g.Entry("空"), "");
  EXPECT_EQ(g.Entry("没有"), "");
}

TEST(FieldRoles, FollowTheFieldsStateAfterACalculation) {
  tharvex::testing::StrictMessageSink sink;
  MainModel m(sink);
  Form& f = m.form();
  f.EnterText(f.At("WsD"), "5");
  f.EnterText(f.At("Ts1D"), "120");
  f.EnterText(f.At("Ts2D"), "60");
  f.EnterText(f.At("Tt1D"), "20");
  f.EnterText(f.At("Tt2D"), "40");
  struct Case {
    const char* field;
    FieldRole role;
  } cases[] = {{"WsD", FieldRole::Input},
               {"WtD", FieldRole::Balanced},
               {"KaD", FieldRole::Result},
               {"dipSD", FieldRole::NozzleSolved},
               {"CpsvD", FieldRole::NotApplicable}};
  for (const Case& c : cases)
    EXPECT_EQ(RoleOf(f.At(c.field)), c.role) << c.field << " " << RoleText(RoleOf(f.At(c.field)));
  f.ClearEdit(f.At("KaD"));
  EXPECT_EQ(RoleOf(f.At("KaD")), FieldRole::Input);
}

TEST(AboutBox, ShowsTheVersionOfTheBuild) {
  const std::string text = AboutText();
  EXPECT_NE(text.find(std::string("版本 ") + BuildVersion()), std::string::npos);
  EXPECT_NE(text.find(BuildCommit()), std::string::npos);
  EXPECT_NE(text.find(BuildDate()), std::string::npos);
  EXPECT_EQ(std::string(BuildDate()).size(), 10u);  // yyyy-mm-dd
  EXPECT_EQ(VersionText().rfind("Tharvex ", 0), 0u);
}

}  // namespace
}  // namespace tharvex::help
