// The driver with hostile input: text that is not UTF-8, a FIFO in place of a
// project, a target it must not replace, extreme field values, and the
// reopening of a saved state.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include <nlohmann/json.hpp>

#include "tests/cli_runner.h"

namespace tharvex {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using testing::RunCli;

fs::path Dir(const std::string& name) {
  fs::path d = fs::temp_directory_path() / ("tharvex_cli_hard_" + std::to_string(::getpid()) + "_" + name);
  fs::remove_all(d);
  fs::create_directories(d);
  return d;
}

const std::string kExample = std::string(THARVEX_SOURCE_DIR) + "/data/examples/AirCooler-Example.zrf";

TEST(CliHardening, TextThatIsNotUtf8IsRefusedWhereItComesIn) {
  const std::vector<std::vector<std::string>> cases = {
      {"--set", "WsD=\xff", "--dump"},
      {"--set", "CmtsD=\xc3\x28", "--dump"},      // a lead byte without its follower
      {"--set", "CmtsD=\xed\xa0\x80", "--dump"},  // a surrogate
      {"--set", "CmtsD=\xc0\xaf", "--dump"},      // an overlong '/'
      {"--open", "p\xfe.zrf"},
      {"formula", "1+\xff"},
  };
  for (const auto& args : cases) {
    auto r = RunCli(args);
    EXPECT_EQ(r.status, 2) << args[1];
    EXPECT_NE(r.err.find("UTF-8"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
  }
  // Chinese text is UTF-8 and welcome.
  auto r = RunCli({"--set", "CmtsD=空气侧 注释", "--dump"});
  EXPECT_EQ(r.status, 0) << r.err;
}

TEST(CliHardening, AFifoInPlaceOfAProjectIsDamaged) {
  fs::path dir = Dir("fifo");
  fs::path fifo = dir / "p.zrf";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  auto r = RunCli({"--open", fifo.string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("damaged"), std::string::npos) << r.err;
  // Nor is it replaced by a save.
  r = RunCli({"--set", "WsD=2", "--save", fifo.string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(fs::is_fifo(fifo));
  fs::remove_all(dir);
}

TEST(CliHardening, ExtremeRatioEndsTheAttemptWithoutNonsense) {
  // In rating mode the ratio only shapes the wavy far edge of the drawn
  // casing; an absurd one once put it at x = -2147483522.
  fs::path dir = Dir("ratio");
  const std::string svg = (dir / "layout.svg").string();
  auto r = RunCli({"--open", kExample, "--select", "CalTypeD=1", "--set", "khwD=-1e9", "--layout-svg", svg, "--dump"});
  ASSERT_EQ(r.status, 0) << r.err;
  json j = json::parse(r.out);
  for (const auto& [name, c] : j["controls"].items()) {
    const std::string text = c["text"];
    EXPECT_EQ(text.find("nan"), std::string::npos) << name;
    EXPECT_EQ(text.find("INF"), std::string::npos) << name;
  }
  std::ifstream in(svg);
  std::string drawing((std::istreambuf_iterator<char>(in)), {});
  for (size_t at = drawing.find_first_of("-0123456789"); at != std::string::npos;
       at = drawing.find_first_of("-0123456789", at + 1)) {
    size_t end = drawing.find_first_not_of("-0123456789.", at);
    const std::string number = drawing.substr(at, end - at);
    if (number == "-" || number.find_first_of("0123456789") == std::string::npos) continue;
    EXPECT_LT(std::abs(std::stod(number)), 1e6) << number;
    at = end == std::string::npos ? drawing.size() : end;
  }
  fs::remove_all(dir);
}

TEST(CliHardening, ASavedRotatedExampleReopensAsSaved) {
  fs::path dir = Dir("rotated");
  const std::string file = (dir / "p.zrf").string();
  auto first = RunCli({"--open", kExample, "--check", "CBRoate=1", "--save", file, "--dump"});
  ASSERT_EQ(first.status, 0) << first.err;
  auto second = RunCli({"--open", file, "--dump"});
  ASSERT_EQ(second.status, 0) << second.err;
  json a = json::parse(first.out)["controls"], b = json::parse(second.out)["controls"];
  EXPECT_EQ(b["HbxD"]["text"], "1.2");
  EXPECT_EQ(b["NhD"]["text"], "12");
  for (const char* name : {"HbxD", "NhD", "NwD", "NtD", "QtD", "KaD", "ArD", "CsD", "WbxD"}) {
    EXPECT_EQ(b[name]["text"], a[name]["text"]) << name;
    EXPECT_EQ(b[name]["color"], a[name]["color"]) << name;
    EXPECT_EQ(b[name]["readOnly"], a[name]["readOnly"]) << name;
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace tharvex
