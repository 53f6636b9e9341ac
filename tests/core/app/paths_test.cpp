// Application paths, first-start folders and the date and time formats.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/app/date_time_format.h"
#include "core/app/paths.h"

namespace tharvex {
namespace {

namespace fs = std::filesystem;

struct TempTree {
  fs::path root = fs::temp_directory_path() / ("tharvex_paths_" + std::to_string(::getpid()) + "_" +
                                               ::testing::UnitTest::GetInstance()->current_test_info()->name());
  TempTree() {
    fs::remove_all(root);
    fs::create_directories(root / "bin");
  }
  ~TempTree() { fs::remove_all(root); }
  void Touch(const fs::path& p, const std::string& text = {}) {
    fs::create_directories(p.parent_path());
    std::ofstream(p) << text;
  }
  PathEnvironment Env() const {
    return {(root / "bin" / "tharvex").string(), (root / "xdg").string(), (root / "home").string()};
  }
};

TEST(SetupPathsTest, NoMarkerUsesThePerUserDataFolder) {
  TempTree t;
  AppPaths p = SetupPaths("Tharvex", "Tharvex", false, t.Env());
  EXPECT_FALSE(p.portable);
  EXPECT_EQ(p.supportsDir, (t.root / "xdg/Tharvex/Tharvex/Supports").string());
  EXPECT_EQ(p.projectsDir, (t.root / "xdg/Tharvex/Tharvex/Projects").string());
  EXPECT_EQ(p.configFile, (t.root / "bin/tharvex.CFG").string());
  EXPECT_EQ(p.settingsFile(), p.supportsDir + "/Tharvex.ini");
  EXPECT_EQ(p.programDir, (t.root / "bin").string() + "/");

  // Without $XDG_DATA_HOME (or with a relative one): ~/.local/share.
  for (std::string xdg : {"", "relative/dir"}) {
    PathEnvironment env = t.Env();
    env.xdgDataHome = xdg;
    EXPECT_EQ(SetupPaths("Tharvex", "Tharvex", false, env).supportsDir,
              (t.root / "home/.local/share/Tharvex/Tharvex/Supports").string());
  }
}

TEST(SetupPathsTest, AnEmptyMarkerBesideTheProgramSelectsThePortableLayout) {
  TempTree t;
  t.Touch(t.root / "bin/tharvex.opt");
  AppPaths p = SetupPaths("Tharvex", "Tharvex", false, t.Env());
  EXPECT_TRUE(p.portable);
  EXPECT_EQ(p.supportsDir, (t.root / "bin").string());  // no trailing slash
  EXPECT_EQ(p.projectsDir, p.supportsDir);
  EXPECT_EQ(p.configFile, (t.root / "bin/tharvex.opt").string());
  // Forcing the shared layout ignores the marker.
  EXPECT_FALSE(SetupPaths("Tharvex", "Tharvex", true, t.Env()).portable);
}

TEST(SetupPathsTest, IniMarkerComesBeforeCfg) {
  TempTree t;
  t.Touch(t.root / "bin/tharvex.CFG");
  t.Touch(t.root / "bin/tharvex.ini");
  AppPaths p = SetupPaths("Tharvex", "Tharvex", false, t.Env());
  EXPECT_TRUE(p.portable);
  EXPECT_EQ(p.configFile, (t.root / "bin/tharvex.ini").string());

  // Only files count: a folder named like the marker is passed over.
  fs::remove(t.root / "bin/tharvex.ini");
  fs::remove(t.root / "bin/tharvex.CFG");
  fs::create_directories(t.root / "bin/tharvex.ini");
  t.Touch(t.root / "bin/tharvex.opt");
  p = SetupPaths("Tharvex", "Tharvex", false, t.Env());
  EXPECT_TRUE(p.portable);
  EXPECT_EQ(p.configFile, (t.root / "bin/tharvex.opt").string());
  fs::remove(t.root / "bin/tharvex.opt");
  p = SetupPaths("Tharvex", "Tharvex", false, t.Env());
  EXPECT_FALSE(p.portable);
  EXPECT_EQ(p.configFile, (t.root / "bin/tharvex.CFG").string());
}

TEST(PrepareFoldersTest, CreatesFoldersAndSeedsMissingFilesOnly) {
  TempTree t;
  fs::path data = t.root / "data";
  t.Touch(data / "templates/Default.zrt", "template");
  t.Touch(data / "examples/Example.zrf", "example");
  t.Touch(data / "PropLib.cds", "library");
  t.Touch(data / "README.txt", "not shipped to users");
  AppPaths p = SetupPaths("Tharvex", "Tharvex", false, t.Env());
  t.Touch(fs::path(p.supportsDir) / "PropLib.cds", "user's own library");

  EXPECT_TRUE(PrepareFolders(p, data.string()).empty());
  auto read = [](const fs::path& f) {
    std::ifstream in(f);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  EXPECT_EQ(read(fs::path(p.supportsDir) / "Default.zrt"), "template");
  EXPECT_EQ(read(fs::path(p.projectsDir) / "Example.zrf"), "example");
  EXPECT_EQ(read(fs::path(p.supportsDir) / "PropLib.cds"), "user's own library");  // never replaced
  EXPECT_FALSE(fs::exists(fs::path(p.supportsDir) / "README.txt"));
  // A second start finds everything in place.
  EXPECT_TRUE(PrepareFolders(p, data.string()).empty());
}

TEST(PrepareFoldersTest, ReportsAFolderThatCannotBeMade) {
  TempTree t;
  t.Touch(t.root / "blocker", "a file where a folder should go");
  AppPaths p;
  p.supportsDir = (t.root / "blocker/Supports").string();
  p.projectsDir = (t.root / "ok/Projects").string();
  auto problems = PrepareFolders(p, "");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find("blocker"), std::string::npos);
  EXPECT_TRUE(fs::is_directory(p.projectsDir));
}

TEST(FindDataDirTest, FindsTheSourceTreeDataFolder) {
  // Built from the source tree, the data folder is known at compile time.
  std::string d = FindDataDir("/nonexistent/");
  EXPECT_FALSE(d.empty());
  EXPECT_TRUE(fs::is_directory(d));
}

struct DateCase {
  const char* pattern;
  const char* expected;
};

class DateTimeFormatTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateTimeFormatTest, Formats) {
  std::tm t{};
  t.tm_year = 2026 - 1900;
  t.tm_mon = 2;  // March
  t.tm_mday = 7;
  t.tm_hour = 8;
  t.tm_min = 5;
  t.tm_sec = 9;
  EXPECT_EQ(FormatDateTime(GetParam().pattern, t), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, DateTimeFormatTest,
                         ::testing::Values(DateCase{"yyyy-MM-dd", "2026-03-07"}, DateCase{"hh:mm", "08:05"},
                                           DateCase{"hh:mm:ss", "08:05:09"}, DateCase{"yyyy/M/d", "2026-3-7"},
                                           DateCase{"yy\"年\"MM", "26年03"}, DateCase{"h:nn", "8:05"}));

TEST(DateTimeFormatTest, ProcessFormats) {
  std::tm t{};
  t.tm_year = 2012 - 1900;
  t.tm_mon = 3;
  t.tm_mday = 10;
  t.tm_hour = 23;
  t.tm_min = 59;
  t.tm_sec = 1;
  EXPECT_EQ(ShortDate(t), "2012-04-10");
  EXPECT_EQ(ShortTime(t), "23:59");
  EXPECT_EQ(LongTime(t), "23:59:01");
  EXPECT_EQ(DateAndTime(t), "2012-04-10 23:59:01");
}

}  // namespace
}  // namespace tharvex
