#include "core/help/manual_index.h"

#include <fstream>
#include <sstream>

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

}  // namespace

ManualIndex ManualIndex::FromMarkdown(std::string_view markdown) {
  ManualIndex index;
  bool inFence = false;
  int lineNo = 0;
  int chapter = -1;
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
      if (level > 0 && !text.empty()) {
        Bookmark b;
        b.title = std::string(text);
        if (level == 1) b.title += ' ';
        b.level = level;
        b.ordinal = static_cast<int>(index.bookmarks_.size());
        b.line = lineNo;
        if (level == 1) chapter = b.ordinal;
        b.chapter = chapter;
        index.bookmarks_.push_back(std::move(b));
      }
    }
    if (nl == std::string_view::npos) break;
    pos = nl + 1;
  }
  return index;
}

const Bookmark* ManualIndex::Find(std::string_view title) const {
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

std::optional<std::string> ReadManual(const std::string& dataDir) {
  if (dataDir.empty()) return std::nullopt;
  std::ifstream f(dataDir + "/" + std::string(kManualFile), std::ios::binary);
  if (!f) return std::nullopt;
  std::stringstream s;
  s << f.rdbuf();
  if (f.bad()) return std::nullopt;
  return s.str();
}

}  // namespace tharvex::help
