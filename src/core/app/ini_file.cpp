#include "core/app/ini_file.h"

#include "core/fields/form.h"
#include "core/files/file_error.h"
#include "core/files/file_io.h"
#include "core/files/safe_write.h"

namespace tharvex {

namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool Same(std::string_view a, std::string_view b) { return AsciiLower(a) == AsciiLower(b); }

}  // namespace

IniFile IniFile::Load(const std::string& file) {
  try {
    // A settings file is small; a huge one is not ours.
    if (auto bytes = ReadWholeFile(file, 1024 * 1024)) return Parse(*bytes);
  } catch (const FileError&) {
  }
  return {};
}

IniFile IniFile::Parse(std::string_view text) {
  IniFile ini;
  Section* current = nullptr;
  while (!text.empty()) {
    size_t eol = text.find('\n');
    std::string_view line = Trim(text.substr(0, eol));
    text = eol == std::string_view::npos ? std::string_view{} : text.substr(eol + 1);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      size_t close = line.find(']');
      std::string name(Trim(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1)));
      current = ini.FindSection(name);
      if (!current) {
        if (ini.sections_.size() >= kMaxSections) break;  // not a settings file of ours
        ini.sections_.push_back({name, {}});
        current = &ini.sections_.back();
      }
      continue;
    }
    size_t eq = line.find('=');
    if (eq == std::string_view::npos || !current) continue;
    std::string key(Trim(line.substr(0, eq)));
    std::string value(Trim(line.substr(eq + 1)));
    bool found = false;
    for (auto& e : current->entries)
      if (Same(e.key, key)) {
        found = true;  // the first occurrence wins, as profile readers do
        break;
      }
    if (!found && current->entries.size() < kMaxEntries) current->entries.push_back({key, value});
  }
  return ini;
}

IniFile::Section* IniFile::FindSection(std::string_view name) {
  for (auto& s : sections_)
    if (Same(s.name, name)) return &s;
  return nullptr;
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
  for (const auto& s : sections_)
    if (Same(s.name, name)) return &s;
  return nullptr;
}

std::string IniFile::Read(std::string_view section, std::string_view key, std::string_view fallback) const {
  if (const Section* s = FindSection(section))
    for (const auto& e : s->entries)
      if (Same(e.key, key)) return e.value;
  return std::string(fallback);
}

void IniFile::Write(std::string_view section, std::string_view key, std::string_view value) {
  Section* s = FindSection(section);
  if (!s) {
    sections_.push_back({std::string(section), {}});
    s = &sections_.back();
  }
  for (auto& e : s->entries)
    if (Same(e.key, key)) {
      e.value = std::string(value);
      return;
    }
  s->entries.push_back({std::string(key), std::string(value)});
}

std::string IniFile::Text() const {
  std::string out;
  for (size_t i = 0; i < sections_.size(); ++i) {
    if (i) out += "\n";
    out += "[" + sections_[i].name + "]\n";
    for (const auto& e : sections_[i].entries) out += e.key + "=" + e.value + "\n";
  }
  return out;
}

void IniFile::Save(const std::string& file) const { SafeWriteFile(file, Text()); }

}  // namespace tharvex
