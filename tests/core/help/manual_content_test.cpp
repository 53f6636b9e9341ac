// The shipped manual: its chapters, a glossary section for every field
// caption of the main window, and F1 on every field landing on its section.
#include <gtest/gtest.h>
#include "test_paths.h"

#include <fstream>
#include <set>
#include <sstream>

#include "core/app/main_model.h"
#include "core/help/about.h"
#include "core/help/help_keyword.h"
#include "core/help/manual_index.h"
#include "core/mainwin/main_window_table.h"
#include "tests/strict_message_sink.h"

namespace tharvex::help {
namespace {

class ShippedManual : public ::testing::Test {
 protected:
  void SetUp() override {
    auto text = ReadManual(std::string(THARVEX_SOURCE_DIR) + "/data");
    ASSERT_TRUE(text.has_value()) << "data/manual/manual.md is missing";
    markdown = *text;
    index = ManualIndex::FromMarkdown(markdown);
  }

  // The text between a heading and the next heading.
  std::string Body(const Bookmark& b) {
    size_t pos = 0;
    for (int i = 1; i < b.line; ++i) pos = markdown.find('\n', pos) + 1;
    pos = markdown.find('\n', pos) + 1;
    size_t end = markdown.find("\n#", pos);
    return markdown.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
  }

  std::string markdown;
  ManualIndex index;
};

TEST_F(ShippedManual, HasItsChaptersInOrder) {
  const char* chapters[] = {"第一章 系统安装 ",   "第二章 主窗口与计算 ", "第三章 项目文件与报表 ",
                            "第四章 物性数据库 ", "第五章 工具 ",         "第六章 名词术语 "};
  int last = -1;
  for (const char* c : chapters) {
    const Bookmark* b = index.Find(c);
    ASSERT_NE(b, nullptr) << c;
    EXPECT_EQ(b->level, 1);
    EXPECT_GT(b->ordinal, last) << c;
    last = b->ordinal;
    EXPECT_FALSE(index.SectionsOf(c).empty()) << c;
  }
  // The menu opens the manual at the installation chapter, found as it is.
  EXPECT_EQ(index.Lookup(kInstallChapter).match, Match::Exact);
}

TEST_F(ShippedManual, SectionTitlesAreUnique) {
  std::set<std::string> seen;
  for (const auto& b : index.bookmarks()) EXPECT_TRUE(seen.insert(b.title).second) << "twice: " << b.title;
}

// Every caption of a field of the main window (quantities, text fields,
// drop-down lists, check boxes, comment boxes) has its glossary section,
// which says what it means, its unit, typical values and its role.
TEST_F(ShippedManual, GlossaryCoversEveryFieldCaption) {
  const Bookmark* glossary = index.Find(kGlossaryChapter);
  ASSERT_NE(glossary, nullptr);
  int checked = 0;
  for (const auto& d : mainwin::Table()) {
    using E = mainwin::Entry;
    if (d.entry != E::Quantity && d.entry != E::Text && d.entry != E::Combo && d.entry != E::Check &&
        d.entry != E::Rich)
      continue;
    if (d.caption.empty()) continue;
    std::string caption(d.caption);
    auto r = index.Lookup(caption);
    ASSERT_EQ(r.match, Match::Exact) << "no glossary section for " << caption << " (" << d.name << ")";
    EXPECT_EQ(r.bookmark->chapter, glossary->ordinal) << caption << " is found outside the glossary";
    std::string body = Body(*r.bookmark);
    for (const char* part : {"含义：", "单位：", "典型值：", "输入或结果："})
      EXPECT_NE(body.find(part), std::string::npos) << caption << " lacks " << part;
    ++checked;
  }
  EXPECT_GT(checked, 90);
}

// F1 in any field of the window opens the manual at that field's section.
TEST_F(ShippedManual, F1OnEveryLabelledFieldFindsItsSection) {
  tharvex::testing::StrictMessageSink sink;
  MainModel model(sink);
  int found = 0;
  for (const auto& c : model.form().controls()) {
    if (c->kind() != ControlKind::TEditD && c->kind() != ControlKind::TEdit && c->kind() != ControlKind::TComboBox &&
        c->kind() != ControlKind::TComboBoxU)
      continue;
    std::string keyword = HelpKeywordFor(model.form(), c->name());
    if (keyword.empty()) continue;
    auto r = index.Lookup(keyword);
    EXPECT_EQ(r.match, Match::Exact) << c->name() << " -> " << keyword;
    ++found;
  }
  EXPECT_GT(found, 150);
}

// The accuracy table of the humid-air tools, when its notes exist, is in the
// tools chapter row for row.
TEST_F(ShippedManual, ToolsChapterHoldsTheHumidAirAccuracyTable) {
  std::ifstream f(std::string(THARVEX_SOURCE_DIR) + "/data/manual_notes/humid_air_deviation.md");
  if (!f) GTEST_SKIP() << "no humid-air notes";
  const Bookmark* section = index.Find("湿空气计算的精度");
  ASSERT_NE(section, nullptr);
  EXPECT_EQ(index.bookmarks()[static_cast<size_t>(section->chapter)].title, "第五章 工具 ");
  std::string body = Body(*section);
  std::string line;
  int rows = 0;
  while (std::getline(f, line)) {
    if (!line.starts_with("| ") || line.starts_with("| t ")) continue;
    EXPECT_NE(body.find(line), std::string::npos) << "missing row: " << line;
    ++rows;
  }
  EXPECT_GE(rows, 10);
}

struct KeywordCase {
  const char* control;
  const char* keyword;
};

class HelpKeyword : public ::testing::TestWithParam<KeywordCase> {};

TEST_P(HelpKeyword, FollowsTheLabelOfTheField) {
  tharvex::testing::StrictMessageSink sink;
  MainModel model(sink);
  EXPECT_EQ(HelpKeywordFor(model.form(), GetParam().control), GetParam().keyword) << GetParam().control;
}

INSTANTIATE_TEST_SUITE_P(Cases, HelpKeyword,
                         ::testing::Values(KeywordCase{"WsD", "质量流量"},      // the field's own label
                                           KeywordCase{"WsU", "质量流量"},      // unit selector: WsU -> WsL
                                           KeywordCase{"QeD", "热量"},          // labelled by the shell heat's label
                                           KeywordCase{"dod", "管外径"},        // doL
                                           KeywordCase{"DppTD", "管口压力降"},  // DpptL
                                           KeywordCase{"DhtU", "相变热"},       // DHtL, found ignoring case
                                           KeywordCase{"Tau", "环境温度"},      // TaL
                                           KeywordCase{"PnD", "管程数"},        // a drop-down list
                                           KeywordCase{"khwD", "高宽比(H/W)"},  // a plain edit
                                           KeywordCase{"CBTubArr", ""},         // no label of that name: hint
                                           KeywordCase{"ComboBoxU3", ""}, KeywordCase{"Nothing", ""}));

TEST(HelpKeywordEdge, EmptyLabelCaptionFallsBackToTheNamedLabel) {
  tharvex::testing::StrictMessageSink sink;
  MainModel model(sink);
  Form& form = model.form();
  form.At("WsL").setCaption("");
  EXPECT_EQ(HelpKeywordFor(form, "WsD"), "");
  form.At("WsD").setMyLabelName("CpsL");
  EXPECT_EQ(HelpKeywordFor(form, "WsD"), "平均比热");
}

TEST(AboutBox, CaptionAndFirstLines) {
  Message m = AboutMessage();
  EXPECT_EQ(m.caption, "欢迎使用Tharvex");
  EXPECT_EQ(m.icon, MessageIcon::Information);
  EXPECT_EQ(m.buttons, MessageButtons::Ok);
  EXPECT_EQ(m.text.rfind("箱式换热器热力计算-2015.07.16.15版\nTharvex V 2015.07.16.15\n\n", 0), 0u);
}

}  // namespace
}  // namespace tharvex::help
