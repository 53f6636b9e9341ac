#pragma once
// Where the main window was when it closed: its size, position and last tab,
// kept in section "Window" of the settings file beside the recent files.
#include <optional>
#include <string>

namespace tharvex {

struct WindowPlacement {
  int left = 0, top = 0, width = 1024, height = 740;
  bool maximized = false;
  int tab = 0;
};

// Nothing when the file has no placement or an unusable one.
std::optional<WindowPlacement> LoadPlacement(const std::string& settingsFile);
// Keeps the file's other sections; false when it cannot be written.
bool SavePlacement(const std::string& settingsFile, const WindowPlacement& p);

}  // namespace tharvex
