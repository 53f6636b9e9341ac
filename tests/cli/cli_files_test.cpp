// Project files through the headless driver: a case typed, calculated and
// saved by one run comes back identical in another.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include <nlohmann/json.hpp>

#include "tests/cli_runner.h"

namespace tharvex {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using testing::RunCli;

fs::path Dir() {
  fs::path d = fs::temp_directory_path() / ("tharvex_cli_files_" + std::to_string(::getpid()));
  fs::create_directories(d);
  return d;
}

// An air cooler: air 90 -> 45 °C across finned tubes, cooling water from
// 20 to 35 °C, square tube arrangement, nozzle pressure drop in kPa.
std::vector<std::string> TypedCase() {
  std::vector<std::string> a{"--set",    "WsD=12",     "--set",  "Ts1D=90", "--set", "Ts2D=45",
                             "--set",    "Tt1D=20",    "--unit", "DppSU=3", "--set", "CmtsD=空气侧 注释 m²",
                             "--select", "CBTubArr=1", "--set",  "Tt2D=35"};
  // The casing heat loss of one calculation enters the balance of the next:
  // recalculate until the case has settled, as a user leaving fields does.
  for (int i = 0; i < 3; ++i) a.insert(a.end(), {"--set", "Tt2D=35"});
  return a;
}

TEST(CliFiles, SavedCaseOpensIdenticallyInASecondRun) {
  std::string file = (Dir() / "case.zrf").string();
  auto args = TypedCase();
  args.insert(args.end(), {"--save", file, "--dump"});
  auto first = RunCli(args);
  ASSERT_EQ(first.status, 0) << first.err;
  auto second = RunCli({"--open", file, "--dump"});
  ASSERT_EQ(second.status, 0) << second.err;

  json a = json::parse(first.out), b = json::parse(second.out);
  ASSERT_FALSE(a["controls"]["KaD"]["text"].get<std::string>().empty()) << "the case did not calculate";
  EXPECT_EQ(b["controls"]["DppSU"]["unit"], "kPa");
  EXPECT_EQ(b["controls"]["CBRoate"]["caption"], "转角45°");  // follows the loaded arrangement
  for (auto& [name, ca] : a["controls"].items()) {
    json x = ca, y = b["controls"][name];
    // The mouse cursor over a field is not part of the file.
    x.erase("cursor");
    y.erase("cursor");
    EXPECT_EQ(x, y) << name;
  }
  EXPECT_EQ(a["title"], b["title"]);
  EXPECT_EQ(a["title"], "箱式换热器热力计算-Tharvex-[" + file + "]");
  EXPECT_EQ(a["status"], b["status"]);
  EXPECT_TRUE(b["messages"].empty());

  // The stored form: the plain text's length, little-endian, then a zlib
  // stream at level 9.
  std::ifstream in(file, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), {});
  ASSERT_GT(bytes.size(), 6u);
  uint32_t n = 0;
  for (int i = 3; i >= 0; --i) n = (n << 8) | static_cast<unsigned char>(bytes[static_cast<size_t>(i)]);
  EXPECT_GT(n, 10000u);
  EXPECT_LT(n, 40000u);
  EXPECT_EQ(static_cast<unsigned char>(bytes[4]), 0x78);
  EXPECT_EQ(static_cast<unsigned char>(bytes[5]), 0xDA);
}

TEST(CliFiles, RefusesWhatIsNotAProject) {
  fs::path d = Dir();
  auto missing = RunCli({"--open", (d / "none.zrf").string()});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("no such file"), std::string::npos);

  std::ofstream(d / "text.zrf") << "CFR File Format(Compatible Form Record File),by Edmar Quillon!\r\n";
  auto foreign = RunCli({"--open", (d / "text.zrf").string(), "--dump"});
  EXPECT_EQ(foreign.status, 1);
  EXPECT_NE(foreign.err.find("damaged"), std::string::npos) << foreign.err;
  EXPECT_TRUE(foreign.out.empty());

  std::ofstream(d / "plain.zrf") << "CFR File Format(Compatible Form Record File),by Edmar Quillon.\r\nv\r\n\r\n"
                                    "WsD\r\nString\r\nText\r\n7\r\n\r\nWsU\r\nOrd\r\nItemIndex\r\n99\r\n\r\n";
  auto bad = RunCli({"--open", (d / "plain.zrf").string()});
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.err.find("List index out of bounds (99)"), std::string::npos) << bad.err;

  auto unwritable = RunCli({"--save", (d / "no" / "dir" / "x.zrf").string()});
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_NE(unwritable.err.find("Cannot create file"), std::string::npos) << unwritable.err;
  fs::remove_all(d);
}

}  // namespace
}  // namespace tharvex
