#include "core/help/manual_index.h"

#include <fstream>
#include <sstream>

#include "core/fields/i18n.h"

namespace tharvex::help {

namespace {

std::string_view TrimSpaces(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
  return s.substr(b, e - b);
}

// Level of an ATX heading line ("## Title"), 0 when the line is none. Up to
// three leading blanks are allowed, as Markdown allows them.
int HeadingLevel(std::string_view line, std::string_view& text) {
  size_t i = 0;
  while (i < line.size() && i < 3 && line[i] == ' ') ++i;
  size_t hashes = 0;
  while (i + hashes < line.size() && line[i + hashes] == '#') ++hashes;
  if (hashes == 0 || hashes > 6) return 0;
  size_t rest = i + hashes;
  if (rest < line.size() && line[rest] != ' ' && line[rest] != '\t' && line[rest] != '\r') return 0;
  std::string_view t = TrimSpaces(line.substr(rest));
  // A closing run of hashes is not part of the title.
  size_t end = t.size();
  while (end > 0 && t[end - 1] == '#') --end;
  if (end < t.size() && (end == 0 || t[end - 1] == ' ')) t = TrimSpaces(t.substr(0, end));
  text = t;
  return static_cast<int>(hashes);
}

bool IsFence(std::string_view line) {
  std::string_view t = TrimSpaces(line);
  return t.starts_with("```") || t.starts_with("~~~");
}

// Calls `f(level, text, lineNo)` for every heading outside fenced code
// blocks; `text` points into `markdown`.
template <typename F>
void ForEachHeading(std::string_view markdown, F f) {
  bool inFence = false;
  int lineNo = 0;
  size_t pos = 0;
  while (pos <= markdown.size()) {
    size_t nl = markdown.find('\n', pos);
    std::string_view line = markdown.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos);
    ++lineNo;
    if (IsFence(line)) {
      inFence = !inFence;
    } else if (!inFence) {
      std::string_view text;
      int level = HeadingLevel(line, text);
      if (level > 0 && !text.empty()) f(level, text, lineNo);
    }
    if (nl == std::string_view::npos) break;
    pos = nl + 1;
  }
}

}  // namespace

ManualIndex ManualIndex::FromMarkdown(std::string_view markdown) {
  ManualIndex index;
  int chapter = -1;
  ForEachHeading(markdown, [&](int level, std::string_view text, int lineNo) {
    std::string_view key;
    Bookmark b;
    b.title = std::string(SplitAnchor(text, key));
    if (b.title.empty()) return;
    b.key = key.empty() ? b.title : std::string(key);
    if (level == 1) {
      b.title += ' ';
      b.key += ' ';
    }
    b.level = level;
    b.ordinal = static_cast<int>(index.bookmarks_.size());
    b.line = lineNo;
    if (level == 1) chapter = b.ordinal;
    b.chapter = chapter;
    index.bookmarks_.push_back(std::move(b));
  });
  return index;
}

const Bookmark* ManualIndex::Find(std::string_view title) const {
  for (const auto& b : bookmarks_)
    if (b.key == title) return &b;
  for (const auto& b : bookmarks_)
    if (b.title == title) return &b;
  return nullptr;
}

LookupResult ManualIndex::Lookup(std::string_view keyword) const {
  LookupResult r;
  r.title = std::string(keyword);
  if ((r.bookmark = Find(r.title))) {
    r.match = Match::Exact;
    return r;
  }
  r.title += ' ';
  if ((r.bookmark = Find(r.title))) {
    r.match = Match::WithBlank;
    return r;
  }
  r.title = std::string(kGlossaryChapter);
  if ((r.bookmark = Find(r.title))) r.match = Match::Glossary;
  return r;
}

std::vector<const Bookmark*> ManualIndex::SectionsOf(std::string_view chapterTitle) const {
  std::vector<const Bookmark*> out;
  const Bookmark* c = Find(chapterTitle);
  if (!c) return out;
  for (const auto& b : bookmarks_)
    if (b.level > 1 && b.chapter == c->ordinal) out.push_back(&b);
  return out;
}

std::string_view SplitAnchor(std::string_view text, std::string_view& key) {
  key = {};
  if (!text.ends_with('}')) return text;
  const size_t open = text.rfind("{#");
  if (open == std::string_view::npos || open == 0 || text[open - 1] != ' ') return text;
  key = TrimSpaces(text.substr(open + 2, text.size() - open - 3));
  return TrimSpaces(text.substr(0, open));
}

std::string WithoutAnchors(std::string_view markdown) {
  std::string out;
  out.reserve(markdown.size());
  size_t copied = 0;
  ForEachHeading(markdown, [&](int, std::string_view text, int) {
    std::string_view key;
    const std::string_view title = SplitAnchor(text, key);
    if (key.empty()) return;
    // `text` points into `markdown`: keep the line up to the title's end.
    const size_t cut = static_cast<size_t>(title.data() + title.size() - markdown.data());
    const size_t end = static_cast<size_t>(text.data() + text.size() - markdown.data());
    out.append(markdown.substr(copied, cut - copied));
    copied = end;
  });
  out.append(markdown.substr(copied));
  return out;
}

std::string_view ManualFile(std::string_view language) { return language == "en" ? kEnglishManualFile : kManualFile; }

namespace {

std::optional<std::string> ReadFile(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  if (!f) return std::nullopt;
  std::stringstream s;
  s << f.rdbuf();
  if (f.bad()) return std::nullopt;
  return s.str();
}

}  // namespace

std::optional<std::string> ReadManual(const std::string& dataDir) {
  if (dataDir.empty()) return std::nullopt;
  const std::string_view file = ManualFile(i18n::Language());
  if (auto text = ReadFile(dataDir + "/" + std::string(file))) return text;
  if (file == kManualFile) return std::nullopt;
  return ReadFile(dataDir + "/" + std::string(kManualFile));
}

}  // namespace tharvex::help
