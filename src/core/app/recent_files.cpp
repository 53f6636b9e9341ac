#include "core/app/recent_files.h"

#include <charconv>
#include <filesystem>

#include "core/app/ini_file.h"
#include "core/fields/form.h"
#include "core/files/file_error.h"

namespace tharvex {

namespace {

constexpr const char* kSection = "MRU List";

std::string FileNameOf(const std::string& path) {
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ExtensionOf(const std::string& path) {
  std::string name = FileNameOf(path);
  size_t dot = name.find_last_of('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string TrimmedBlanks(const std::string& s) {
  size_t a = s.find_first_not_of(' ');
  if (a == std::string::npos) return {};
  size_t b = s.find_last_not_of(' ');
  return s.substr(a, b - a + 1);
}

}  // namespace

MostRecentFiles::MostRecentFiles(MessageSink& sink, std::string appTitle)
    : sink_(&sink), appTitle_(std::move(appTitle)) {}

void MostRecentFiles::setMaxFiles(unsigned n) {
  n = n < 1 ? 1 : (n > kMaxMaxFiles ? kMaxMaxFiles : n);
  if (n == maxFiles_) return;
  maxFiles_ = n;
  if (onChanged) onChanged();
}

void MostRecentFiles::setShowFullPath(bool v) {
  if (v == showFullPath_) return;
  showFullPath_ = v;
  if (onChanged) onChanged();
}

void MostRecentFiles::setHasOwnerMenu(bool v) {
  hasOwnerMenu_ = v;
  if (onChanged) onChanged();
}

void MostRecentFiles::setIniFile(std::string file) {
  iniFile_ = std::move(file);
  Load();
  if (onChanged) onChanged();
}

std::vector<std::string> MostRecentFiles::Captions() const {
  std::vector<std::string> out;
  for (size_t k = 0; k < files_.size(); ++k) {
    // One hexadecimal digit: entries 10 to 15 are "&a" to "&f".
    char hex[16];
    auto r = std::to_chars(hex, hex + sizeof hex, k + 1, 16);
    std::string caption = "&" + std::string(hex, r.ptr) + "  ";
    caption += showFullPath_ ? files_[k] : FileNameOf(files_[k]);
    out.push_back(std::move(caption));
  }
  return out;
}

bool MostRecentFiles::Accepts(const std::string& path) const {
  if (path.empty() || path.find_first_of("\r\n") != std::string::npos) return false;
  std::string ext = TrimmedBlanks(fileExt_);
  if (ext.empty() || ext == "*.*") return true;
  if (ext.front() != '.') ext.insert(ext.begin(), '.');
  return AsciiLower(ExtensionOf(path)) == AsciiLower(ext);
}

void MostRecentFiles::AddFile(const std::string& path) {
  if (!Accepts(path) || !hasOwnerMenu_) return;
  std::string key = AsciiLower(path);
  size_t at = std::string::npos;
  for (size_t i = 0; i < files_.size(); ++i)
    if (AsciiLower(files_[i]) == key) {
      at = i;
      break;
    }
  if (at == 0) return;
  if (at != std::string::npos) files_.erase(files_.begin() + static_cast<std::ptrdiff_t>(at));
  files_.insert(files_.begin(), path);
  while (files_.size() > maxFiles_) files_.pop_back();
  Changed();
}

MostRecentFiles::PickResult MostRecentFiles::Pick(int k) {
  if (!onMenuClick || k < 0 || k >= static_cast<int>(files_.size())) return PickResult::Ignored;
  std::string file = files_[static_cast<size_t>(k)];
  // A folder of that name is not the file any more.
  std::error_code ec;
  if (std::filesystem::exists(file, ec) && !std::filesystem::is_directory(file, ec)) {
    if (k > 0) {
      files_.erase(files_.begin() + k);
      files_.insert(files_.begin(), file);
      Changed();
    }
    onMenuClick(file);
    return PickResult::Opened;
  }
  if (onFileNotExist) {
    onFileNotExist(file);
  } else {
    Message m;
    m.text = "The file ...\n\"" + file + "\"\nno longer exists.";
    m.caption = appTitle_;
    m.icon = MessageIcon::Information;
    sink_->Show(m);
  }
  files_.erase(files_.begin() + k);
  Changed();
  return PickResult::Missing;
}

void MostRecentFiles::Changed() {
  Save();
  if (onChanged) onChanged();
}

void MostRecentFiles::Load() {
  files_.clear();
  if (iniFile_.empty()) return;
  IniFile ini = IniFile::Load(iniFile_);
  for (unsigned n = 1; n <= maxFiles_; ++n) {
    std::string v = ini.Read(kSection, std::to_string(n));
    if (v.empty()) break;
    files_.push_back(std::move(v));
  }
}

bool MostRecentFiles::Save() {
  lastSaveError_.clear();
  if (iniFile_.empty()) return false;
  // Other sections of the file stay as they are.
  IniFile ini = IniFile::Load(iniFile_);
  for (unsigned n = 1; n <= maxFiles_; ++n)
    ini.Write(kSection, std::to_string(n), n <= files_.size() ? files_[n - 1] : std::string());
  try {
    ini.Save(iniFile_);
  } catch (const FileError& e) {
    lastSaveError_ = e.what();
    return false;
  }
  return true;
}

std::vector<MenuItemModel> MostRecentFiles::RebuildMenu(std::vector<MenuItemModel> menu) const {
  std::erase_if(menu, [](const MenuItemModel& m) { return m.tagged; });
  if (files_.empty() || !hasOwnerMenu_) return menu;
  size_t i = std::min(static_cast<size_t>(menuPosition_), menu.size());
  auto insert = [&](MenuItemModel m) {
    m.tagged = true;
    menu.insert(menu.begin() + static_cast<std::ptrdiff_t>(i), std::move(m));
    ++i;
  };
  if (i > 0 && !menu[i - 1].separator) insert({"-", true, true, -1});
  auto captions = Captions();
  for (size_t k = 0; k < captions.size(); ++k) insert({captions[k], false, true, static_cast<int>(k)});
  if (i < menu.size() && !menu[i].separator) {
    menu.insert(menu.begin() + static_cast<std::ptrdiff_t>(i), MenuItemModel{"-", true, true, -1});
  }
  return menu;
}

int MostRecentFiles::EntryOfMenuItem(const std::vector<MenuItemModel>& menu, int index) {
  if (index < 0 || index >= static_cast<int>(menu.size())) return -1;
  int first = -1;
  for (size_t i = 0; i < menu.size(); ++i)
    if (menu[i].tagged) {
      first = static_cast<int>(i);
      break;
    }
  if (first < 0) return -1;
  int k = index - first - (menu[static_cast<size_t>(first)].separator ? 1 : 0);
  return k;
}

}  // namespace tharvex
