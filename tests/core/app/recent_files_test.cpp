// The recent-files list: order, filter, captions, menu logic and its
// settings file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/app/ini_file.h"
#include "core/app/recent_files.h"
#include "tests/strict_message_sink.h"

namespace tharvex {
namespace {

namespace fs = std::filesystem;

struct Mru {
  tharvex::testing::StrictMessageSink sink;
  MostRecentFiles list{sink, "Tharvex"};
  std::vector<std::string> opened;
  Mru() {
    list.setFileExt("zrf");
    list.onMenuClick = [this](const std::string& f) { opened.push_back(f); };
  }
};

TEST(RecentFilesTest, AddMovesToTheHeadAndDropsTheOldest) {
  Mru m;
  for (int i = 1; i <= 3; ++i) m.list.AddFile("/p/" + std::to_string(i) + ".zrf");
  EXPECT_EQ(m.list.files(), (std::vector<std::string>{"/p/3.zrf", "/p/2.zrf", "/p/1.zrf"}));
  m.list.AddFile("/p/3.zrf");  // already first: nothing changes
  EXPECT_EQ(m.list.files().front(), "/p/3.zrf");
  m.list.AddFile("/P/1.ZRF");  // third, found ignoring case: moved to the head
  EXPECT_EQ(m.list.files(), (std::vector<std::string>{"/P/1.ZRF", "/p/3.zrf", "/p/2.zrf"}));
  for (int i = 4; i <= 10; ++i) m.list.AddFile("/p/" + std::to_string(i) + ".zrf");
  ASSERT_EQ(m.list.files().size(), 9u);  // the tenth distinct path drops the oldest
  EXPECT_EQ(m.list.files().front(), "/p/10.zrf");
  EXPECT_EQ(m.list.files().back(), "/p/3.zrf");
}

struct FilterCase {
  const char* ext;
  const char* path;
  bool taken;
};

class RecentFilesFilterTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(RecentFilesFilterTest, TakesOnlyTheExtension) {
  Mru m;
  m.list.setFileExt(GetParam().ext);
  m.list.AddFile(GetParam().path);
  EXPECT_EQ(m.list.files().size(), GetParam().taken ? 1u : 0u) << GetParam().ext << " " << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(Cases, RecentFilesFilterTest,
                         ::testing::Values(FilterCase{"zrf", "/x/a.ZRF", true}, FilterCase{"zrf", "/x/a.zrt", false},
                                           FilterCase{".zrf", "/x/a.zrf", true}, FilterCase{" zrf ", "/x/a.zrf", true},
                                           FilterCase{"zrf", "/x.zrf/a", false}, FilterCase{"", "/x/a.doc", true},
                                           FilterCase{"*.*", "/x/a", true}, FilterCase{"zrf", "", false}));

TEST(RecentFilesTest, CaptionsUseOneHexadecimalDigit) {
  Mru m;
  m.list.setMaxFiles(15);
  for (int i = 15; i >= 1; --i) m.list.AddFile("/d/f" + std::to_string(i) + ".zrf");
  auto c = m.list.Captions();
  ASSERT_EQ(c.size(), 15u);
  EXPECT_EQ(c[0], "&1  f1.zrf");
  EXPECT_EQ(c[8], "&9  f9.zrf");
  EXPECT_EQ(c[9], "&a  f10.zrf");
  EXPECT_EQ(c[14], "&f  f15.zrf");
  m.list.setShowFullPath(true);
  EXPECT_EQ(m.list.Captions()[0], "&1  /d/f1.zrf");
}

TEST(RecentFilesTest, MaxFilesIsClamped) {
  Mru m;
  EXPECT_EQ(m.list.maxFiles(), 9u);
  m.list.setMaxFiles(0);
  EXPECT_EQ(m.list.maxFiles(), 1u);
  m.list.setMaxFiles(16);
  EXPECT_EQ(m.list.maxFiles(), 15u);
}

TEST(RecentFilesTest, NoOwnerMenuNoEntries) {
  Mru m;
  m.list.setHasOwnerMenu(false);
  m.list.AddFile("/a.zrf");
  EXPECT_TRUE(m.list.files().empty());
}

std::vector<MenuItemModel> FileMenu() {
  std::vector<MenuItemModel> menu;
  for (const char* c : {"&N 新建", "&O 打开", "-", "&S 保存", "&A 另存为", "&T 存为模版", "-", "&E 退出"})
    menu.push_back({c, std::string(c) == "-"});
  return menu;
}

std::vector<std::string> CaptionsOf(const std::vector<MenuItemModel>& menu) {
  std::vector<std::string> out;
  for (const auto& m : menu) out.push_back(m.caption);
  return out;
}

TEST(RecentFilesMenuTest, EntriesGoBetweenSeparatorsAtTheMenuPosition) {
  Mru m;
  m.list.setMenuPosition(6);
  EXPECT_EQ(CaptionsOf(m.list.RebuildMenu(FileMenu())), CaptionsOf(FileMenu()));  // empty list: as designed
  m.list.AddFile("/p/b.zrf");
  m.list.AddFile("/p/a.zrf");
  auto menu = m.list.RebuildMenu(FileMenu());
  EXPECT_EQ(CaptionsOf(menu), (std::vector<std::string>{"&N 新建", "&O 打开", "-", "&S 保存", "&A 另存为",
                                                        "&T 存为模版", "-", "&1  a.zrf", "&2  b.zrf", "-", "&E 退出"}));
  EXPECT_TRUE(menu[6].tagged);   // the inserted separator
  EXPECT_FALSE(menu[9].tagged);  // the menu's own one
  EXPECT_EQ(MostRecentFiles::EntryOfMenuItem(menu, 7), 0);
  EXPECT_EQ(MostRecentFiles::EntryOfMenuItem(menu, 8), 1);
  // Rebuilding removes the old entries first.
  m.list.AddFile("/p/b.zrf");
  auto again = m.list.RebuildMenu(menu);
  EXPECT_EQ(again.size(), menu.size());
  EXPECT_EQ(again[7].caption, "&1  b.zrf");
  // Position beyond the menu: entries at the end, after a separator.
  m.list.setMenuPosition(99);
  auto end = m.list.RebuildMenu(FileMenu());
  EXPECT_EQ(end[8].caption, "-");
  EXPECT_EQ(end.back().caption, "&2  a.zrf");
}

TEST(RecentFilesTest, PickingAMissingFileReportsAndRemovesIt) {
  Mru m;
  m.sink.Expect("no longer exists");
  fs::path dir = fs::temp_directory_path() / ("tharvex_mru_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::string there = (dir / "there.zrf").string();
  std::ofstream(there) << "x";
  m.list.AddFile(there);
  m.list.AddFile("/no/such/gone.zrf");
  EXPECT_EQ(m.list.Pick(0), MostRecentFiles::PickResult::Missing);
  EXPECT_TRUE(m.opened.empty());
  ASSERT_EQ(m.sink.shown.size(), 1u);
  EXPECT_EQ(m.sink.shown[0].text, "The file ...\n\"/no/such/gone.zrf\"\nno longer exists.");
  EXPECT_EQ(m.sink.shown[0].caption, "Tharvex");
  EXPECT_EQ(m.list.files(), std::vector<std::string>{there});

  m.list.AddFile("/no/such/other.zrf");
  EXPECT_EQ(m.list.Pick(1), MostRecentFiles::PickResult::Opened);  // moved to the head, then opened
  EXPECT_EQ(m.opened, std::vector<std::string>{there});
  EXPECT_EQ(m.list.files().front(), there);
  EXPECT_EQ(m.list.Pick(5), MostRecentFiles::PickResult::Ignored);
  EXPECT_EQ(m.list.Pick(-1), MostRecentFiles::PickResult::Ignored);

  // A folder now standing where the project was counts as gone.
  std::string folder = (dir / "now-a-folder.zrf").string();
  fs::create_directories(folder);
  m.list.AddFile(folder);
  EXPECT_EQ(m.list.Pick(0), MostRecentFiles::PickResult::Missing);
  EXPECT_EQ(m.opened.size(), 1u);
  EXPECT_EQ(m.list.files(), (std::vector<std::string>{there, "/no/such/other.zrf"}));
  fs::remove_all(dir);
}

TEST(RecentFilesTest, SettingsFileKeepsTheListAndOtherSections) {
  fs::path dir = fs::temp_directory_path() / ("tharvex_mru_ini_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::string ini = (dir / "Tharvex.ini").string();
  std::ofstream(ini) << "[Window]\nLeft=10\n\n[MRU List]\n1=/old/a.zrf\n2=/old/b.zrf\n3=\n4=/after/empty.zrf\n";
  {
    Mru m;
    m.list.setIniFile(ini);
    EXPECT_EQ(m.list.files(), (std::vector<std::string>{"/old/a.zrf", "/old/b.zrf"}));  // an empty value ends it
    m.list.AddFile("/new/c.zrf");                                                       // saved at once
  }
  IniFile f = IniFile::Load(ini);
  EXPECT_EQ(f.Read("Window", "Left"), "10");
  EXPECT_EQ(f.Read("mru list", "1"), "/new/c.zrf");
  EXPECT_EQ(f.Read("MRU List", "3"), "/old/b.zrf");
  EXPECT_EQ(f.Read("MRU List", "4"), "");
  EXPECT_EQ(f.Read("MRU List", "9"), "");
  Mru again;
  again.list.setIniFile(ini);
  EXPECT_EQ(again.list.files().size(), 3u);

  // A settings file that does not exist gives an empty list; an unwritable
  // one is reported in lastSaveError and otherwise ignored.
  Mru none;
  none.list.setIniFile((dir / "missing" / "x.ini").string());
  EXPECT_TRUE(none.list.files().empty());
  none.list.AddFile("/a.zrf");
  EXPECT_FALSE(none.list.lastSaveError().empty());
  EXPECT_EQ(none.list.files().size(), 1u);
  fs::remove_all(dir);
}

TEST(IniFileTest, ParsesAndWritesBack) {
  IniFile f = IniFile::Parse("; comment\r\n[A]\r\n k = v 1 \r\nk=second\r\nnoequals\r\n[b]\r\nx=\r\n");
  EXPECT_EQ(f.Read("a", "K"), "v 1");  // the first occurrence wins
  EXPECT_EQ(f.Read("B", "x", "fallback"), "");
  EXPECT_EQ(f.Read("C", "x", "fallback"), "fallback");
  f.Write("c", "y", "z");
  f.Write("A", "k", "w");
  EXPECT_EQ(f.Text(), "[A]\nk=w\n\n[b]\nx=\n\n[c]\ny=z\n");
}

}  // namespace
}  // namespace tharvex
