#include "core/help/glossary.h"

#include "core/help/manual_index.h"

namespace tharvex::help {

namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\r' || s.back() == '\t')) s.remove_suffix(1);
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  return s;
}

}  // namespace

Glossary Glossary::FromManual(std::string_view markdown) {
  Glossary g;
  bool inGlossary = false;
  std::string* current = nullptr;
  size_t pos = 0;
  while (pos <= markdown.size()) {
    size_t end = markdown.find('\n', pos);
    if (end == std::string_view::npos) end = markdown.size();
    std::string_view line = Trim(markdown.substr(pos, end - pos));
    pos = end + 1;
    // Chapters and sections are known by their anchor where they have one
    // (the English manual), so both manuals answer the same captions.
    std::string_view key;
    if (line.starts_with("# ")) {
      // The chapter bookmark carries a trailing blank; the heading does not.
      const std::string_view title = SplitAnchor(Trim(line.substr(2)), key);
      inGlossary = std::string(key.empty() ? title : key) + " " == kGlossaryChapter;
      current = nullptr;
    } else if (inGlossary && line.starts_with("## ")) {
      const std::string_view title = SplitAnchor(Trim(line.substr(3)), key);
      current = &g.entries_[std::string(key.empty() ? title : key)];
    } else if (current && line.starts_with("- ")) {
      if (!current->empty()) *current += "\n";
      *current += Trim(line.substr(2));
    }
    if (end == markdown.size()) break;
  }
  return g;
}

std::string Glossary::Entry(std::string_view caption) const {
  auto it = entries_.find(caption);
  if (it == entries_.end()) it = entries_.find(Trim(caption));
  return it == entries_.end() ? std::string() : it->second;
}

}  // namespace tharvex::help
