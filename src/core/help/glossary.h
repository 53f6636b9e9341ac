#pragma once
// The manual's glossary chapter as tooltips: for each caption of the main
// window, its meaning, unit, typical values and whether it is entered or
// computed, as the manual writes them.
#include <map>
#include <string>
#include <string_view>

namespace tharvex::help {

class Glossary {
 public:
  Glossary() = default;
  // The sections of the glossary chapter ("第六章 名词术语 ") of the manual.
  static Glossary FromManual(std::string_view markdown);

  // The entry of a caption (the Chinese caption also in the English manual,
  // whose sections carry it as their anchor): its lines without the list
  // marks ("含义：…", "Meaning: …"), one per line; empty when there is none.
  std::string Entry(std::string_view caption) const;
  size_t size() const { return entries_.size(); }

 private:
  std::map<std::string, std::string, std::less<>> entries_;
};

}  // namespace tharvex::help
