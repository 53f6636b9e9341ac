#pragma once
// A small settings file of sections and key=value lines, as Windows profile
// files are written. Sections and keys are found ignoring ASCII case; other
// sections and keys are kept as they are when the file is written back.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tharvex {

class IniFile {
 public:
  // Loads the file; a missing or unreadable file gives an empty one.
  static IniFile Load(const std::string& file);
  // Lines beyond kMaxSections sections or kMaxEntries keys in one section are
  // ignored: a settings file holds a few dozen.
  static IniFile Parse(std::string_view text);
  static constexpr size_t kMaxSections = 64;
  static constexpr size_t kMaxEntries = 512;

  std::string Read(std::string_view section, std::string_view key, std::string_view fallback = {}) const;
  void Write(std::string_view section, std::string_view key, std::string_view value);

  std::string Text() const;  // LF line ends
  // Writes atomically; throws FileError on failure.
  void Save(const std::string& file) const;

 private:
  struct Entry {
    std::string key, value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };
  Section* FindSection(std::string_view name);
  const Section* FindSection(std::string_view name) const;
  std::vector<Section> sections_;
};

}  // namespace tharvex
