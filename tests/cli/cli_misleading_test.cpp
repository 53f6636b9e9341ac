// The reproductions through the driver: every result the dump shows
// is either right or visibly marked.
#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>

#include "tests/cli_runner.h"

namespace tharvex {
namespace {

using nlohmann::json;
using testing::RunCli;

json Dump(std::vector<std::string> args) {
  args.push_back("--dump");
  auto r = RunCli(args);
  EXPECT_EQ(r.status, 0) << r.err;
  return json::parse(r.out);
}

double Value(const json& d, const char* name) { return std::stod(d["controls"][name]["text"].get<std::string>()); }

TEST(CliMisleading, WetAirWithTheShellFlowUnknown) {
  json d = Dump({"--check", "CBWater=1", "--set", "rh1D=95", "--set", "Ts1D=27", "--set", "Ts2D=18", "--set", "Tt1D=7",
                 "--set", "Tt2D=12", "--set", "WtD=8"});
  // 168 kW of water against 9.045 kJ/kg sensible and 20.5 kJ/kg latent heat
  // per kg of air (steam-table saturation pressures): 5.68 kg/s.
  EXPECT_NEAR(Value(d, "WsD"), 5.68, 0.06);
  EXPECT_NEAR(Value(d, "QsD"), -168000, 1);
  EXPECT_TRUE(d["messages"].empty());
  EXPECT_EQ(d["status"][1], "");
  EXPECT_FALSE(d["resultsStale"].get<bool>());
}

const std::vector<std::string> kSteamCase = {
    "--set",    "dod=0.025",   "--set", "diD=0.02",   "--set", "hfD=0.012",    "--set",    "PfD=0.003",
    "--set",    "TfD=0.0004",  "--set", "PtD=0.055",  "--set", "Ts1D=15",      "--set",    "Ts2D=75",
    "--select", "PhtD=2",      "--set", "DentvD=1.1", "--set", "MtvD=1.3E-5",  "--set",    "CptD=4220",
    "--set",    "MtD=0.00026", "--set", "LdtD=0.68",  "--set", "DentD=945",    "--set",    "WtD=0.3",
    "--set",    "Tt1D=120",    "--set", "Tt2D=120",   "--set", "DHtD=2200000", "--select", "OMD=1",
    "--set",    "Us2D=4",      "--set", "LsmD=8"};

std::vector<std::string> With(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(CliMisleading, OptimiserSuccessHoldsOnTheNextCalculation) {
  json d = Dump(With(kSteamCase, {"--set", "CsrD=10", "--optimise"}));
  ASSERT_EQ(d["status"][1], "优化设计成功！");
  EXPECT_GE(Value(d, "CsD"), 10);
  EXPECT_LE(Value(d, "LsD"), 8);
  EXPECT_LE(Value(d, "UempD"), 4.001);
  json again = Dump(With(kSteamCase, {"--set", "CsrD=10", "--optimise", "--calc"}));
  for (auto& [name, c] : d["controls"].items())
    if (c.contains("text") && c["kind"] != "TMemo") {
      EXPECT_EQ(again["controls"][name]["text"], c["text"]) << name;
    }
}

TEST(CliMisleading, OptimiserFailureGivesTheWindowBack) {
  json before = Dump(With(kSteamCase, {"--set", "CsrD=1e9"}));
  json after = Dump(With(kSteamCase, {"--set", "CsrD=1e9", "--optimise"}));
  EXPECT_EQ(after["status"][1], "优化设计失败！");
  for (auto& [name, c] : before["controls"].items())
    if (name != "StatusBarMain") {
      EXPECT_EQ(after["controls"][name], c) << name;
    }
}

TEST(CliMisleading, StaleResultsAndAnUnreadableInputAreMarked) {
  const std::vector<std::string> airWater = {"--set",   "WsD=5", "--set",   "Ts1D=120", "--set",
                                             "Ts2D=60", "--set", "Tt1D=20", "--set",    "Tt2D=40"};
  json d = Dump(airWater);
  EXPECT_FALSE(d["resultsStale"].get<bool>());
  EXPECT_FALSE(d["controls"]["KaD"].contains("stale"));

  d = Dump(With(airWater, {"--set", "WsD=3O"}));
  EXPECT_TRUE(d["resultsStale"].get<bool>());
  EXPECT_EQ(d["controls"]["KaD"]["stale"], true);
  EXPECT_EQ(d["controls"]["CsD"]["stale"], true);
  EXPECT_EQ(d["controls"]["WsD"]["unreadable"], true);
  EXPECT_EQ(d["status"][1], "无法识别的输入：质量流量 3O");
  EXPECT_EQ(d["messages"].size(), 3u);

  d = Dump(With(airWater, {"--set", "WsD=3O", "--set", "WsD=5"}));
  EXPECT_FALSE(d["resultsStale"].get<bool>());
  EXPECT_FALSE(d["controls"]["WsD"].contains("unreadable"));
  EXPECT_EQ(d["status"][1], "");
}

TEST(CliMisleading, ShortSurplusIsRed) {
  json d = Dump({"--set", "WsD=5", "--set", "Ts1D=120", "--set", "Ts2D=60", "--set", "Tt1D=20", "--set", "Tt2D=40"});
  ASSERT_LT(Value(d, "CsD"), 10);
  EXPECT_EQ(d["controls"]["CsD"]["fontColor"], 255);  // RGB(255,0,0)
}

// A property text that cannot be evaluated prints no value, names the cause
// and fails, instead of printing 0.
TEST(CliMisleading, PropertyTextThatFailsPrintsNoValue) {
  auto formula = RunCli({"property", "--text", "SQRT(t)", "--t", "20"});
  EXPECT_EQ(formula.status, 1);
  EXPECT_NE(formula.out.find("value=\n"), std::string::npos) << formula.out;
  EXPECT_NE(formula.err.find("公式无法计算"), std::string::npos) << formula.err;
  auto eos = RunCli({"property", "--text", "PRV:5000,300,100,0.3,0.1,20", "--prop", "CP", "--t", "20"});
  EXPECT_EQ(eos.status, 1);
  EXPECT_NE(eos.err.find("没有状态方程算法"), std::string::npos) << eos.err;
  auto good = RunCli({"property", "--text", "1800+2.5*t", "--t", "20"});
  EXPECT_EQ(good.status, 0) << good.err;
  EXPECT_NE(good.out.find("value=1850"), std::string::npos) << good.out;
}

}  // namespace
}  // namespace tharvex
