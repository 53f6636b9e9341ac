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

INSTANTIATE_TEST_SUITE_P(Cases, ManualLookup,
                         ::testing::Values(LookupCase{"第一章 系统安装 ", Match::Exact, "第一章 系统安装 "},
                                           LookupCase{"第一章 系统安装", Match::WithBlank, "第一章 系统安装 "},
                                           LookupCase{"质量流量", Match::Exact, "质量流量"},
                                           LookupCase{"质量流量 ", Match::Glossary,
                                                      "第六章 名词术语 "},  // two blanks never match
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

// A manual in another language anchors its headings to the Chinese titles.
const char* kAnchoredManual =
    "# Chapter 1 Installation {#第一章 系统安装}\n"
    "## Mass flow {#质量流量}\n"
    "Text with {#not an anchor} in it.\n"
    "```\n"
    "## Code {#代码}\n"
    "```\n"
    "## Density{#密度}\n"
    "## Aspect ratio (H/W) {#高宽比(H/W)} ##\n"
    "# Chapter 6 Glossary {#第六章 名词术语}\n"
    "## Plain\n";

TEST(ManualIndex, AnchorsAreKeysAndTheViewerDropsThem) {
  auto index = ManualIndex::FromMarkdown(kAnchoredManual);
  const auto& b = index.bookmarks();
  ASSERT_EQ(b.size(), 6u);
  EXPECT_EQ(b[0].title, "Chapter 1 Installation ");
  EXPECT_EQ(b[0].key, "第一章 系统安装 ");
  EXPECT_EQ(b[1].title, "Mass flow");
  EXPECT_EQ(b[1].key, "质量流量");
  EXPECT_EQ(b[2].title, "Density{#密度}");  // an anchor stands after a blank
  EXPECT_EQ(b[2].key, b[2].title);
  EXPECT_EQ(b[3].title, "Aspect ratio (H/W)");
  EXPECT_EQ(b[3].key, "高宽比(H/W)");
  EXPECT_EQ(b[5].key, "Plain");

  EXPECT_EQ(index.Lookup(kInstallChapter).bookmark, &b[0]);
  EXPECT_EQ(index.Lookup("质量流量").match, Match::Exact);
  EXPECT_EQ(index.Lookup("Mass flow").bookmark, &b[1]);  // the shown title is found too
  EXPECT_EQ(index.Lookup("管外径").bookmark, &b[4]);     // the glossary by its key
  EXPECT_EQ(index.SectionsOf(kGlossaryChapter).size(), 1u);

  EXPECT_EQ(WithoutAnchors(kAnchoredManual),
            "# Chapter 1 Installation\n"
            "## Mass flow\n"
            "Text with {#not an anchor} in it.\n"
            "```\n"
            "## Code {#代码}\n"
            "```\n"
            "## Density{#密度}\n"
            "## Aspect ratio (H/W) ##\n"  // a closing sequence stays Markdown's
            "# Chapter 6 Glossary\n"
            "## Plain\n");
  EXPECT_EQ(WithoutAnchors("# 第一章 系统安装\r\n## 密度"), "# 第一章 系统安装\r\n## 密度");
}

TEST(ManualIndex, MissingManualReadsNothing) {
  EXPECT_FALSE(ReadManual("").has_value());
  EXPECT_FALSE(ReadManual("/nonexistent/folder").has_value());
}

}  // namespace
}  // namespace tharvex::help
