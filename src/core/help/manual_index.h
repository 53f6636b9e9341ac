#pragma once
// The user manual's outline: its chapters and sections as named bookmarks,
// and the lookup that opens the manual at a keyword.
//
// The manual is a Markdown document (data/manual/manual.md). Every ATX
// heading ("# ", "## ", "### ") is a bookmark titled by its text. Chapter
// bookmarks (level 1) carry one trailing blank, "第一章 系统安装 ", as the
// manual's chapter bookmarks always have; section bookmarks are the heading
// text as written. Headings inside fenced code blocks are not headings.
//
// The Chinese manual's titles are the keys the program looks up (the field
// captions, the chapter names). A manual in another language gives each
// heading its Chinese title as an anchor, "## Mass flow {#质量流量}", so the
// same keys open it at the same places; the viewer drops the anchors.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tharvex::help {

inline constexpr std::string_view kInstallChapter = "第一章 系统安装 ";
inline constexpr std::string_view kGlossaryChapter = "第六章 名词术语 ";
inline constexpr std::string_view kManualFile = "manual/manual.md";
inline constexpr std::string_view kEnglishManualFile = "manual/manual_en.md";

struct Bookmark {
  std::string title;  // bookmark title (chapters with their trailing blank)
  std::string key;    // the heading's anchor, else its title (chapters likewise with the blank)
  int level = 1;      // 1 chapter, 2 section, 3 subsection
  int ordinal = 0;    // position among all headings of the document, from 0
  int line = 0;       // source line of the heading, from 1
  int chapter = -1;   // ordinal of the chapter that holds it (itself for a chapter)
};

// How a lookup found its bookmark.
enum class Match { Exact, WithBlank, Glossary, None };

struct LookupResult {
  const Bookmark* bookmark = nullptr;
  Match match = Match::None;
  std::string title;  // the title finally looked up
};

class ManualIndex {
 public:
  ManualIndex() = default;
  static ManualIndex FromMarkdown(std::string_view markdown);

  const std::vector<Bookmark>& bookmarks() const { return bookmarks_; }
  bool empty() const { return bookmarks_.empty(); }

  // The first bookmark with exactly this key or, failing that, this title.
  const Bookmark* Find(std::string_view title) const;

  // The help command's lookup: the keyword as it is, then with one blank
  // appended, then the glossary chapter "第六章 名词术语 ". The result has no
  // bookmark only when the manual lacks even the glossary chapter.
  LookupResult Lookup(std::string_view keyword) const;

  // Sections (level 2 and below) inside the chapter with this title.
  std::vector<const Bookmark*> SectionsOf(std::string_view chapterTitle) const;

 private:
  std::vector<Bookmark> bookmarks_;
};

// Splits a heading's text "Mass flow {#质量流量}" into its title and anchor
// key; the key is empty when the heading has no anchor.
std::string_view SplitAnchor(std::string_view text, std::string_view& key);

// The manual as the viewer shows it: the headings without their anchors.
std::string WithoutAnchors(std::string_view markdown);

// The manual's file within the data folder for a language ("zh", "en").
std::string_view ManualFile(std::string_view language);

// Reads the manual of the language the front end shows (i18n::Language())
// from the shipped data folder, the Chinese one when that language has none;
// nothing when it is missing or unreadable.
std::optional<std::string> ReadManual(const std::string& dataDir);

}  // namespace tharvex::help
