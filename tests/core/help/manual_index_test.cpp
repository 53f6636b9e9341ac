// The manual's outline and the bookmark lookup with its fallbacks.
#include <gtest/gtest.h>

#include "core/help/manual_index.h"

namespace tharvex::help {
namespace {

const char* kSmallManual =
    "# 手册\n"
    "前言\n"
    "# 第一章 系统安装\n"
    "## 运行环境\n"
    "```\n"
    "# 这是代码，不是标题\n"
    "```\n"
    "#不是标题\n"
    "   ## 质量流量 ##\n"
    "# 第六章 名词术语\n"
    "## 密度\n"
    "### 说明\n";

TEST(ManualIndex, HeadingsBecomeBookmarks) {
  auto index = ManualIndex::FromMarkdown(kSmallManual);
  const auto& b = index.bookmarks();
  ASSERT_EQ(b.size(), 7u);
  EXPECT_EQ(b[0].title, "手册 ");
  EXPECT_EQ(b[1].title, "第一章 系统安装 ");  // chapters carry one trailing blank
  EXPECT_EQ(b[1].line, 3);
  EXPECT_EQ(b[2].title, "运行环境");
  EXPECT_EQ(b[3].title, "质量流量");  // indented, closing hashes dropped
  EXPECT_EQ(b[3].level, 2);
  EXPECT_EQ(b[3].chapter, 1);
  EXPECT_EQ(b[5].title, "密度");
  EXPECT_EQ(b[6].level, 3);
  EXPECT_EQ(b[6].chapter, 4);
  for (size_t i = 0; i < b.size(); ++i) EXPECT_EQ(b[i].ordinal, static_cast<int>(i));
  EXPECT_EQ(index.SectionsOf("第六章 名词术语 ").size(), 2u);
  EXPECT_TRUE(index.SectionsOf("第九章 ").empty());
}

TEST(ManualIndex, CrLfLinesAndEmptyText) {
  auto index = ManualIndex::FromMarkdown("# 第一章 系统安装\r\n## 密度\r\n");
  ASSERT_EQ(index.bookmarks().size(), 2u);
  EXPECT_EQ(index.bookmarks()[0].title, "第一章 系统安装 ");
  EXPECT_EQ(index.bookmarks()[1].title, "密度");
  EXPECT_TRUE(ManualIndex::FromMarkdown("").empty());
  EXPECT_TRUE(ManualIndex::FromMarkdown("#\n##   \n").empty());
}

struct LookupCase {
  const char* keyword;
  Match match;
  const char* title;  // bookmark found
};

class ManualLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(ManualLookup, FallsBackAsTheHelpCommandDoes) {
  auto index = ManualIndex::FromMarkdown(kSmallManual);
  const auto& c = GetParam();
  auto r = index.Lookup(c.keyword);
  EXPECT_EQ(r.match, c.match) << c.keyword;
  ASSERT_NE(r.bookmark, nullptr);
  EXPECT_EQ(r.bookmark->title, c.title);
  EXPECT_EQ(r.title, c.title);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ManualLookup,
    ::testing::Values(LookupCase{"第一章 系统安装 ", Match::Exact, "第一章 系统安装 "},
                      LookupCase{"第一章 系统安装", Match::WithBlank, "第一章 系统安装 "},
                      LookupCase{"质量流量", Match::Exact, "质量流量"},
                      LookupCase{"质量流量 ", Match::Glossary, "第六章 名词术语 "},  // two blanks never match
                      LookupCase{"管外径", Match::Glossary, "第六章 名词术语 "},
                      LookupCase{"", Match::Glossary, "第六章 名词术语 "},
                      LookupCase{"第六章 名词术语", Match::WithBlank, "第六章 名词术语 "}));

TEST(ManualIndex, NoGlossaryNoBookmark) {
  auto index = ManualIndex::FromMarkdown("# 第一章 系统安装\n## 密度\n");
  auto r = index.Lookup("管外径");
  EXPECT_EQ(r.match, Match::None);
  EXPECT_EQ(r.bookmark, nullptr);
  EXPECT_EQ(r.title, "第六章 名词术语 ");
}

TEST(ManualIndex, MissingManualReadsNothing) {
  EXPECT_FALSE(ReadManual("").has_value());
  EXPECT_FALSE(ReadManual("/nonexistent/folder").has_value());
}

}  // namespace
}  // namespace tharvex::help
