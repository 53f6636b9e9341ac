#pragma once
// The recent-files list: the files used last, most recent first, kept in the
// settings file (section "MRU List", keys "1".."n") and shown as numbered
// entries of the file menu. The list and its menu logic live here; the
// desktop program turns the entries into menu items.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/fields/message_sink.h"

namespace tharvex {

// One item of a menu as the recent-files logic sees it.
struct MenuItemModel {
  std::string caption;
  bool separator = false;
  bool tagged = false;  // inserted by the recent-files list
  int entry = -1;       // list entry shown by a tagged item, -1 for separators
};

class MostRecentFiles {
 public:
  // Mark of the menu items the list inserts (0BAD1DEA).
  static constexpr uint32_t kTag = 195894762;
  static constexpr unsigned kMaxMaxFiles = 15;

  MostRecentFiles(MessageSink& sink, std::string appTitle);

  unsigned maxFiles() const { return maxFiles_; }
  void setMaxFiles(unsigned n);  // clamped to 1..15
  bool showFullPath() const { return showFullPath_; }
  void setShowFullPath(bool v);
  // Extension of the files taken, with or without the point; "" or "*.*"
  // takes every file.
  const std::string& fileExt() const { return fileExt_; }
  void setFileExt(std::string ext) { fileExt_ = std::move(ext); }
  // Whether the list has a menu to show itself in; without one AddFile does
  // nothing.
  bool hasOwnerMenu() const { return hasOwnerMenu_; }
  void setHasOwnerMenu(bool v);
  // Index in the owner menu where the entries go.
  int menuPosition() const { return menuPosition_; }
  void setMenuPosition(int i) { menuPosition_ = i < 0 ? 0 : i; }

  // The settings file. Setting it reloads the list from it.
  const std::string& iniFile() const { return iniFile_; }
  void setIniFile(std::string file);

  const std::vector<std::string>& files() const { return files_; }
  // "&1  name", "&2  name", ... with the entry number as a hexadecimal digit.
  std::vector<std::string> Captions() const;

  // Puts a file at the head of the list (see the class comment).
  void AddFile(const std::string& path);

  // A click on entry k (0-based). An existing file moves to the head and is
  // handed to onMenuClick; a missing one is reported (onFileNotExist, or a
  // message) and removed. Out-of-range clicks are ignored.
  enum class PickResult { Ignored, Opened, Missing };
  PickResult Pick(int k);
  std::function<void(const std::string& file)> onMenuClick;
  std::function<void(const std::string& file)> onFileNotExist;
  // Called whenever the list or its captions change (the menu is rebuilt).
  std::function<void()> onChanged;

  void Load();
  // Writes the settings file; true when it worked. The list is saved after
  // every change; a failure is kept in lastSaveError and otherwise ignored.
  bool Save();
  const std::string& lastSaveError() const { return lastSaveError_; }

  // The owner menu with the list's items: old tagged items removed, then,
  // when the list is not empty, a separator unless the item before the
  // insertion point is one, the entries, and a separator unless the next
  // item is one. All inserted items are tagged.
  std::vector<MenuItemModel> RebuildMenu(std::vector<MenuItemModel> menu) const;
  // The list entry a click on menu item `index` stands for, or -1.
  static int EntryOfMenuItem(const std::vector<MenuItemModel>& menu, int index);

 private:
  void Changed();
  bool Accepts(const std::string& path) const;

  MessageSink* sink_;
  std::string appTitle_;
  unsigned maxFiles_ = 9;
  bool showFullPath_ = false;
  std::string fileExt_;
  bool hasOwnerMenu_ = true;
  int menuPosition_ = 0;
  std::string iniFile_;
  std::vector<std::string> files_;
  std::string lastSaveError_;
};

}  // namespace tharvex
