// Whole cases through the command-line driver with the method list set to
// "工程方法": the correction factor of multi-pass air coolers, an in-line
// bare bank against Žukauskas, the trace, the report, and the method kept in
// project files.
#include <gtest/gtest.h>
#include "test_paths.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "core/fields/number_format.h"

namespace {

using nlohmann::json;
using tharvex::ParseLenient;

std::string RunCli(const std::string& args) {
  std::string cmd = std::string(THARVEX_CLI) + " " + args;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(cmd.c_str(), "r"), pclose);
  std::string out;
  char buf[4096];
  while (size_t n = fread(buf, 1, sizeof buf, pipe.get())) out.append(buf, n);
  return out;
}

json Dump(const std::string& args) { return json::parse(RunCli(args + " --dump")); }

double Value(const json& d, const std::string& name) {
  return ParseLenient(d["controls"][name]["text"].get<std::string>()).value();
}

// Water cooled from 90 to 60 °C in the tubes by air (10 kg/s) warmed from 30
// to 55 °C; the water flow is left to the heat balance, the casing loss off.
std::string AirCooler(int passIndex) {
  return "--select MethodD=1 --set TaD= --set UtmD=0.2 --select PnD=" + std::to_string(passIndex) +
         " --set WsD=10 --set Ts1D=30 --set Ts2D=55 --set Tt1D=90 --set Tt2D=60";
}

TEST(EngineeringMethodCase, FourPassAirCoolerIsNearlyCounterflow) {
  const json d = Dump(AirCooler(3));
  EXPECT_EQ(d["controls"]["MethodD"]["itemIndex"], 1);
  EXPECT_GE(Value(d, "CdtD"), 0.97);
  EXPECT_LE(Value(d, "CdtD"), 1.0);
  EXPECT_EQ(d["status"][1], "");
}

TEST(EngineeringMethodCase, AddingPassesNeverLowersTheCorrection) {
  double last = 0;
  for (int pass = 0; pass < 6; ++pass) {
    const double f = Value(Dump(AirCooler(pass)), "CdtD");
    EXPECT_GE(f, last) << pass + 1 << " passes";
    last = f;
  }
}

// Žukauskas for in-line banks, 10^3 < Re < 2·10^5 (Incropera & DeWitt table
// 7.5): Nu = C2 0.27 Re^0.63 Pr^0.36, C2 from table 7.6 for the rows, Re on
// the velocity in the gap between tubes, v_max = v St / (St - D).
TEST(EngineeringMethodCase, InLineBareBankFollowsZukauskas) {
  const json d = Dump(
      "--select MethodD=1 --check CBTType=1 --select CBTubArr=1 --set TaD= --set UtmD=0.2 "
      "--set WsD=6 --set Ts1D=120 --set Ts2D=80 --set Tt1D=20 --set Tt2D=40");
  const double uemp = Value(d, "UempD"), umax = Value(d, "UmaxD");
  EXPECT_NEAR(umax, uemp * 0.092 / (0.092 - 0.038), 1e-9 * umax);
  const double re = 0.038 * umax * 1.06 / 2.01e-5, pr = 1005 * 2.01e-5 / 0.029;
  ASSERT_GT(re, 1000);
  const int rows = static_cast<int>(Value(d, "NwD"));
  // In-line row corrections of table 7.6.
  const double c2[] = {0, 0.70, 0.80, 0.86, 0.90, 0.92};
  ASSERT_GE(rows, 1);
  ASSERT_LE(rows, 5);
  const double h = c2[rows] * 0.27 * std::pow(re, 0.63) * std::pow(pr, 0.36) * 0.029 / 0.038;
  EXPECT_NEAR(Value(d, "asD"), h, 0.05 * h);
}

TEST(EngineeringMethodCase, TraceAndReportNameTheCorrelations) {
  const std::string args = AirCooler(1);
  const json d = Dump(args);
  std::string memo;
  for (const auto& line : d["memo"]) memo += line.get<std::string>() + "\n";
  EXPECT_NE(memo.find("kf: Briggs & Young (1963)"), std::string::npos) << memo;
  EXPECT_NE(memo.find("yta: 环形翅片"), std::string::npos);
  EXPECT_NE(memo.find("Dps: Robinson & Briggs (1966)"), std::string::npos);
  EXPECT_NE(memo.find("at: "), std::string::npos);
  EXPECT_NE(memo.find("F: 逐排交叉逆流模型"), std::string::npos);
  const std::string report = RunCli(args + " --report");
  EXPECT_NE(report.find("计算方法            工程方法"), std::string::npos) << report;
  EXPECT_NE(report.find("膜系数关联式        Briggs & Young (1963)"), std::string::npos);
  // The default fin pitch of 7 mm is beyond the pitches Briggs & Young tested.
  EXPECT_NE(report.find("[超出适用范围]"), std::string::npos);
}

TEST(EngineeringMethodCase, TheMethodIsKeptInTheProjectFile) {
  const std::string file = ::testing::TempDir() + "engineering_method.zrf";
  std::filesystem::remove(file);
  RunCli(AirCooler(1) + " --save " + file);
  const json reopened = Dump("--open " + file);
  EXPECT_EQ(reopened["controls"]["MethodD"]["itemIndex"], 1);
  EXPECT_EQ(reopened["controls"]["MethodD"]["text"], "工程方法");
  std::filesystem::remove(file);
}

TEST(EngineeringMethodCase, AFileWithoutTheMethodOpensWithTheStandardMethod) {
  const std::string example = std::string(THARVEX_SOURCE_DIR) + "/data/examples/AirCooler-Example.zrf";
  const json d = Dump("--select MethodD=1 --set Ut1D=1 --open " + example);
  EXPECT_EQ(d["controls"]["MethodD"]["itemIndex"], 0);
  EXPECT_EQ(d["controls"]["Ut1D"]["text"], "");
}

TEST(EngineeringMethodCase, LowestTubeVelocityWarns) {
  const json slow = Dump(AirCooler(1) + " --set Ut1D=5");
  EXPECT_EQ(slow["status"][1], "管内流速低于设计规定的最低速度！");
  const json fine = Dump(AirCooler(1) + " --set Ut1D=5 --set Ut1D=0.001");
  EXPECT_EQ(fine["status"][1], "");
}

// Air 3 kg/s cooled from 150 to 70 °C by water 20 -> 50 °C in two passes, any
// surplus accepted: "最优" alone settles on laminar water at 0.01 m/s; with
// 管程速度≥ 0.05 m/s every point below it is passed over, in either method.
TEST(LowestTubeVelocity, TheOptimiserPassesOverSlowerPoints) {
  const std::string base =
      "--set TaD= --select PnD=1 --set WsD=3 --set Ts1D=150 --set Ts2D=70 --set Tt1D=20 --set Tt2D=50 "
      "--set CsrD=0 --select OMD=1";
  const json free = Dump(base + " --optimise");
  EXPECT_EQ(free["status"][1], "优化设计成功！");
  EXPECT_LT(Value(free, "UtD"), 0.05);
  for (const char* method : {"0", "1"}) {
    const json bounded = Dump(base + " --select MethodD=" + method + " --set Ut1D=0.05 --optimise");
    EXPECT_EQ(bounded["status"][1], "优化设计成功！") << method;
    EXPECT_GE(Value(bounded, "UtD"), 0.05) << method;
  }
}

}  // namespace
