// The English manual beside the Chinese one: the same bookmarks under the
// same keys, an entry for every field F1 can open, Chinese only where a
// caption is quoted, and the language choosing which manual is read.
#include <gtest/gtest.h>
#include "test_paths.h"

#include <filesystem>
#include <fstream>

#include "core/app/main_model.h"
#include "core/fields/i18n.h"
#include "core/help/glossary.h"
#include "core/help/help_keyword.h"
#include "core/help/manual_index.h"
#include "core/mainwin/main_window_table.h"

namespace tharvex::help {
namespace {

std::string DataDir() { return std::string(THARVEX_SOURCE_DIR) + "/data"; }

std::optional<std::string> ReadText(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  if (!f) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(f), {});
}

// Restores the default language however a test ends.
struct LanguageGuard {
  explicit LanguageGuard(std::string_view code) { i18n::SetLanguage(code); }
  ~LanguageGuard() { i18n::SetLanguage("zh"); }
};

// Code points of Chinese characters and CJK punctuation, full-width forms included.
bool IsCjk(char32_t c) {
  return (c >= 0x3000 && c <= 0x303F) || (c >= 0x3400 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFF00 && c <= 0xFFEF);
}

// The first Chinese character of a line that stands outside parentheses,
// as "(质量流量)" quotes a caption; npos when there is none.
size_t ChineseOutsideParentheses(std::string_view line) {
  int depth = 0;
  for (size_t i = 0; i < line.size();) {
    const unsigned char b = static_cast<unsigned char>(line[i]);
    const size_t n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    char32_t c = n == 1 ? b : b & (0x7F >> n);
    for (size_t k = 1; k < n && i + k < line.size(); ++k) c = (c << 6) | (line[i + k] & 0x3F);
    if (c == '(') ++depth;
    if (c == ')' && depth > 0) --depth;
    if (depth == 0 && IsCjk(c)) return i;
    i += n;
  }
  return std::string_view::npos;
}

class BothManuals : public ::testing::Test {
 protected:
  void SetUp() override {
    auto zh = ReadText(DataDir() + "/" + std::string(kManualFile));
    auto en = ReadText(DataDir() + "/" + std::string(kEnglishManualFile));
    ASSERT_TRUE(zh && en) << "a manual is missing from data/manual";
    chinese = ManualIndex::FromMarkdown(*zh);
    englishText = *en;
    english = ManualIndex::FromMarkdown(englishText);
  }

  // The text between a heading and the next heading.
  std::string Body(const Bookmark& b) const {
    size_t pos = 0;
    for (int i = 0; i < b.line; ++i) pos = englishText.find('\n', pos) + 1;
    const size_t end = englishText.find("\n#", pos);
    return englishText.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
  }

  ManualIndex chinese, english;
  std::string englishText;
};

// Every bookmark of the Chinese manual is the key of the English heading at
// the same place of the outline: same order, same level, same chapter.
TEST_F(BothManuals, EnglishHeadingsCarryEveryChineseBookmark) {
  const auto& zh = chinese.bookmarks();
  const auto& en = english.bookmarks();
  ASSERT_EQ(en.size(), zh.size());
  for (size_t i = 0; i < zh.size(); ++i) {
    EXPECT_EQ(en[i].key, zh[i].title) << "heading " << i << ": " << en[i].title;
    EXPECT_EQ(en[i].level, zh[i].level) << zh[i].title;
    EXPECT_EQ(en[i].chapter, zh[i].chapter) << zh[i].title;
    EXPECT_NE(en[i].title, en[i].key) << "untranslated heading " << en[i].title;
    EXPECT_EQ(english.Lookup(zh[i].title).bookmark, &en[i]) << zh[i].title;
  }
  // The menu's and the fallback's chapters are found as they are.
  EXPECT_EQ(english.Lookup(kInstallChapter).match, Match::Exact);
  ASSERT_NE(english.Find(kGlossaryChapter), nullptr);
  EXPECT_EQ(english.Find(kGlossaryChapter)->title, "Chapter 6 Glossary ");
  EXPECT_EQ(english.Lookup("没有这一节").bookmark, english.Find(kGlossaryChapter));
}

// F1 in every field, found exactly as in the Chinese manual, lands on a
// glossary section that gives meaning, unit, typical values and role; the
// tooltips read the same section.
TEST_F(BothManuals, F1OnEveryFieldOpensItsEnglishEntry) {
  RecordingMessageSink sink;
  MainModel model(sink);
  const Bookmark* glossaryChapter = english.Find(kGlossaryChapter);
  ASSERT_NE(glossaryChapter, nullptr);
  const Glossary glossary = Glossary::FromManual(englishText);
  int found = 0;
  for (const auto& c : model.form().controls()) {
    if (c->kind() != ControlKind::TEditD && c->kind() != ControlKind::TEdit && c->kind() != ControlKind::TComboBox &&
        c->kind() != ControlKind::TComboBoxU)
      continue;
    const std::string keyword = HelpKeywordFor(model.form(), c->name());
    if (keyword.empty()) continue;
    const auto r = english.Lookup(keyword);
    ASSERT_EQ(r.match, Match::Exact) << c->name() << " -> " << keyword;
    EXPECT_EQ(r.bookmark->chapter, glossaryChapter->ordinal) << keyword;
    ++found;
  }
  EXPECT_GT(found, 150);

  int captions = 0;
  for (const auto& d : mainwin::Table()) {
    using E = mainwin::Entry;
    if (d.caption.empty() || (d.entry != E::Quantity && d.entry != E::Text && d.entry != E::Combo &&
                              d.entry != E::Check && d.entry != E::Rich))
      continue;
    const std::string caption(d.caption);
    const auto r = english.Lookup(caption);
    ASSERT_EQ(r.match, Match::Exact) << caption << " (" << d.name << ")";
    const std::string body = Body(*r.bookmark);
    const std::string entry = glossary.Entry(caption);
    size_t at = 0;
    for (const char* part : {"Meaning: ", "Unit: ", "Typical values: ", "Input or result: "}) {
      EXPECT_NE(body.find(std::string("- ") + part), std::string::npos) << caption << " lacks " << part;
      const size_t p = entry.find(part, at);
      ASSERT_NE(p, std::string::npos) << caption << " tooltip lacks " << part;
      at = p;
    }
    ++captions;
  }
  EXPECT_GT(captions, 90);
}

// Shown without its anchors, the English manual holds Chinese only inside
// parentheses, where it quotes a caption or message of the Chinese interface.
TEST_F(BothManuals, EnglishTextQuotesChineseOnlyInParentheses) {
  const std::string shown = WithoutAnchors(englishText);
  EXPECT_EQ(shown.find("{#"), std::string::npos);
  EXPECT_EQ(ManualIndex::FromMarkdown(shown).bookmarks().size(), english.bookmarks().size());
  size_t pos = 0;
  int lineNo = 0;
  while (pos < shown.size()) {
    size_t end = shown.find('\n', pos);
    if (end == std::string::npos) end = shown.size();
    const std::string_view line(shown.data() + pos, end - pos);
    ++lineNo;
    const size_t at = ChineseOutsideParentheses(line);
    EXPECT_EQ(at, std::string_view::npos) << "line " << lineNo << ": " << line.substr(0, 80);
    pos = end + 1;
  }
  EXPECT_GT(lineNo, 500);
  for (const auto& b : english.bookmarks()) EXPECT_EQ(ChineseOutsideParentheses(b.title), std::string::npos) << b.title;
}

// The humid-air accuracy table, when its notes exist, is in both manuals row
// for row under the same bookmark.
TEST_F(BothManuals, HumidAirTableRowsAreTheSameInEnglish) {
  auto notes = ReadText(DataDir() + "/manual_notes/humid_air_deviation.md");
  if (!notes) GTEST_SKIP() << "no humid-air notes";
  const Bookmark* section = english.Find("湿空气计算的精度");
  ASSERT_NE(section, nullptr);
  EXPECT_EQ(english.bookmarks()[static_cast<size_t>(section->chapter)].key, "第五章 工具 ");
  const std::string body = Body(*section);
  size_t pos = 0;
  int rows = 0;
  while (pos < notes->size()) {
    size_t end = notes->find('\n', pos);
    if (end == std::string::npos) end = notes->size();
    const std::string line = notes->substr(pos, end - pos);
    pos = end + 1;
    if (!line.starts_with("| ") || line.starts_with("| t ")) continue;
    EXPECT_NE(body.find(line), std::string::npos) << "missing row: " << line;
    ++rows;
  }
  EXPECT_GE(rows, 10);
}

// The language the front end shows picks the manual; a language without a
// manual of its own reads the Chinese one.
TEST(ManualLanguage, SwitchingTheLanguageSwitchesTheManual) {
  {
    LanguageGuard en("en");
    auto text = ReadManual(DataDir());
    ASSERT_TRUE(text);
    EXPECT_TRUE(text->starts_with("# Tharvex User Manual {#Tharvex 用户手册}")) << text->substr(0, 60);
    EXPECT_EQ(ManualFile(i18n::Language()), kEnglishManualFile);
    EXPECT_EQ(Glossary::FromManual(*text).Entry("质量流量").rfind("Meaning: ", 0), 0u);
  }
  auto text = ReadManual(DataDir());
  ASSERT_TRUE(text);
  EXPECT_TRUE(text->starts_with("# Tharvex 用户手册\n"));
  EXPECT_EQ(Glossary::FromManual(*text).Entry("质量流量").rfind("含义：", 0), 0u);

  // A folder with only the Chinese manual, as a user's copy may be.
  const auto dir = std::filesystem::temp_directory_path() / "tharvex_manual_language_test";
  std::filesystem::create_directories(dir / "manual");
  std::ofstream(dir / "manual" / "manual.md") << "# 第一章 系统安装\n";
  {
    LanguageGuard en("en");
    auto fallback = ReadManual(dir.string());
    ASSERT_TRUE(fallback);
    EXPECT_EQ(*fallback, "# 第一章 系统安装\n");
  }
  std::filesystem::remove_all(dir);
  EXPECT_FALSE(ReadManual(dir.string()).has_value());
}

}  // namespace
}  // namespace tharvex::help
