// The library file: save and reload, length limits, order by NO, and what a
// missing or damaged file does.
#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>

#include "core/props/prop_library.h"

namespace tharvex::props {
namespace {

namespace fs = std::filesystem;

class LibraryFile : public testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("tharvex_props_" + std::to_string(::getpid()) + "_" +
                                       testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
    path = (dir / kPropLibFileName).string();
  }
  void TearDown() override { fs::remove_all(dir); }
  static PropRecord Rec(const char* no, const char* cn, const char* cp) {
    PropRecord r;
    r.Set(PropField::NO, no);
    r.Set(PropField::CN, cn);
    if (cp) r.Set(PropField::CP, cp);
    return r;
  }
  fs::path dir;
  std::string path;
};

TEST_F(LibraryFile, SaveAndReloadKeepsTextsNullsAndOrder) {
  std::vector<PropRecord> recs{Rec("0003", "乙", "1,2;3,4"), Rec("0001", "水(液)", "4187"),
                               Rec("0002", "空气", nullptr)};
  recs[1].Set(PropField::NT, "注释 with \"quotes\" and 'apostrophes'");
  recs[1].Set(PropField::ST, "");
  ASSERT_EQ(SavePropLib(path, recs), "");
  PropLibLoad load = LoadPropLib(path);
  EXPECT_EQ(load.error, "");
  ASSERT_EQ(load.records.size(), 3u);
  EXPECT_EQ(load.records[0].Text(PropField::NO), "0001");
  EXPECT_EQ(load.records[0], recs[1]);
  EXPECT_EQ(load.records[0].Get(PropField::ST), std::optional<std::string>(""));  // empty is not null
  EXPECT_FALSE(load.records[1].Get(PropField::CP).has_value());
  EXPECT_EQ(load.records[2].Text(PropField::CP), "1,2;3,4");
  EXPECT_FALSE(fs::exists(path + ".tmp"));
}

TEST_F(LibraryFile, LengthLimitsCountCharacters) {
  PropRecord r = Rec("000001", std::string(20 * 1, 'x').c_str(), nullptr);
  r.Set(PropField::CN, "一二三四五六七八九十一二三四五六七八九十");  // 20 characters, 60 bytes
  r.Set(PropField::CP, std::string(300, '1'));
  EXPECT_FALSE(CheckLengths(r).has_value());
  ASSERT_EQ(SavePropLib(path, {r}), "");
  EXPECT_EQ(LoadPropLib(path).records.size(), 1u);

  PropRecord longNo = Rec("0000001", "x", nullptr);
  std::string msg = SavePropLib(path, {longNo});
  EXPECT_NE(msg.find("NO"), std::string::npos);
  EXPECT_EQ(LoadPropLib(path).records.size(), 1u);  // the failed save left the old file
  PropRecord longCp = Rec("1", "x", std::string(301, '1').c_str());
  EXPECT_NE(SavePropLib(path, {longCp}), "");
}

TEST_F(LibraryFile, MissingFileGivesAMessageAndNoRecords) {
  PropLibLoad load = LoadPropLib((dir / "none.cds").string());
  EXPECT_TRUE(load.records.empty());
  EXPECT_NE(load.error.find("none.cds"), std::string::npos);
}

TEST_F(LibraryFile, DamagedOrForeignFileGivesAMessageAndNoRecords) {
  {
    std::ofstream f(path, std::ios::binary);
    f << "this is not a database at all, just some text that is long enough";
  }
  PropLibLoad load = LoadPropLib(path);
  EXPECT_TRUE(load.records.empty());
  EXPECT_FALSE(load.error.empty());

  // A valid file cut short.
  ASSERT_EQ(SavePropLib(path, {Rec("1", "a", "1")}), "");
  fs::resize_file(path, 100);
  load = LoadPropLib(path);
  EXPECT_TRUE(load.records.empty());
  EXPECT_FALSE(load.error.empty());
}

TEST_F(LibraryFile, SavingIntoAMissingFolderFailsCleanly) {
  std::string bad = (dir / "no" / "such" / "dir" / kPropLibFileName).string();
  EXPECT_NE(SavePropLib(bad, {Rec("1", "a", "1")}), "");
}

}  // namespace
}  // namespace tharvex::props
