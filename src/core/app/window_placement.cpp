#include "core/app/window_placement.h"

#include <charconv>

#include "core/app/ini_file.h"
#include "core/files/file_error.h"

namespace tharvex {

namespace {

constexpr const char* kSection = "Window";

std::optional<int> ReadInt(const IniFile& ini, const char* key, int lo, int hi) {
  const std::string text = ini.Read(kSection, key);
  int v = 0;
  auto r = std::from_chars(text.data(), text.data() + text.size(), v);
  if (text.empty() || r.ec != std::errc() || r.ptr != text.data() + text.size() || v < lo || v > hi)
    return std::nullopt;
  return v;
}

}  // namespace

std::optional<WindowPlacement> LoadPlacement(const std::string& settingsFile) {
  const IniFile ini = IniFile::Load(settingsFile);
  // Sizes from a tiny window up to a wall of screens; positions may be
  // negative on a screen left of the primary one.
  auto left = ReadInt(ini, "Left", -100000, 100000), top = ReadInt(ini, "Top", -100000, 100000);
  auto width = ReadInt(ini, "Width", 200, 100000), height = ReadInt(ini, "Height", 150, 100000);
  if (!left || !top || !width || !height) return std::nullopt;
  WindowPlacement p{*left, *top, *width, *height};
  p.maximized = ReadInt(ini, "Maximized", 0, 1).value_or(0) == 1;
  p.tab = ReadInt(ini, "Tab", 0, 99).value_or(0);
  return p;
}

bool SavePlacement(const std::string& settingsFile, const WindowPlacement& p) {
  IniFile ini = IniFile::Load(settingsFile);
  ini.Write(kSection, "Left", std::to_string(p.left));
  ini.Write(kSection, "Top", std::to_string(p.top));
  ini.Write(kSection, "Width", std::to_string(p.width));
  ini.Write(kSection, "Height", std::to_string(p.height));
  ini.Write(kSection, "Maximized", p.maximized ? "1" : "0");
  ini.Write(kSection, "Tab", std::to_string(p.tab));
  try {
    ini.Save(settingsFile);
    return true;
  } catch (const FileError&) {
    return false;  // a missing support folder: the next start opens as designed
  }
}

}  // namespace tharvex
