// A complete case typed in through the command-line driver, every result
// checked against values worked out by hand from the design formulas.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "core/fields/colors.h"
#include "core/fields/number_format.h"
#include "tests/cli_runner.h"

namespace {

using nlohmann::json;
using namespace tharvex;

json RunCli(const std::string& args) { return json::parse(tharvex::testing::RunCliLine(args + " --dump").out); }

// Air (3 kg/s, cp 1005) cooled from 150 to 70 °C by water heated from 20 to
// 50 °C in two tube passes; the water flow is left to the heat balance. The
// ambient temperature is cleared, so the casing heat loss is 0 and the
// balance can be closed by hand. Reference tube velocity 0.1 m/s; all other
// fields keep the defaults of a new window (tubes 38 x 35 mm at 92 mm
// pitch, fins 16 mm high, 1 mm thick at 6 mm, low-carbon steel, triangular
// bank, H/W 1.6, clearances 35 mm, length 2 m).
class WorkedCase : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dump = new json(
        RunCli("--set TaD= --select PnD=1 --set UtmD=0.1 --set WsD=3 --set Ts1D=150 --set Ts2D=70 --set Tt1D=20 "
               "--set Tt2D=50"));
  }
  static void TearDownTestSuite() { delete dump; }
  static const json& C(const std::string& name) { return (*dump)["controls"][name]; }
  static std::string Text(const std::string& name) { return C(name)["text"]; }
  static double Value(const std::string& name) { return ParseLenient(Text(name)).value(); }
  static json* dump;
};
json* WorkedCase::dump = nullptr;

void ExpectRel(double actual, double expected, double rel = 1e-9) {
  EXPECT_NEAR(actual, expected, std::fabs(expected) * rel) << "expected " << expected;
}

TEST_F(WorkedCase, HeatBalance) {
  // Shell heat 3 x 1005 x (150 - 70) = 241200 W; the water takes it all:
  // Wt = 241200 / (4200 x 30) = 1.914285714 kg/s, solved and marked.
  ExpectRel(Value("WtD"), 241200.0 / 126000.0);
  EXPECT_EQ(C("WtD")["color"], colors::BtnFace);
  EXPECT_TRUE(C("WtD")["readOnly"]);
  EXPECT_EQ(Text("QsD"), "-241200");
  EXPECT_EQ(Text("QeD"), "0");
  ExpectRel(Value("QtD"), 241200);
  ExpectRel(Value("QaD"), 241200);
  EXPECT_EQ(Text("HTsD"), "热流体");
  EXPECT_EQ(Text("HTtD"), "冷流体");
  EXPECT_EQ((*dump)["status"][1], "");
  EXPECT_TRUE((*dump)["messages"].empty());
}

TEST_F(WorkedCase, MeanTemperatureDifference) {
  // Hot shell, kind "C", one unit: R = 80 / 30 = 2.6667, P = 30 / 130 = 0.23077.
  // s = sqrt(R² + 1) = 2.84800; F = s/(R-1) ln((1-P)/(1-RP)) / ln((2/P-1-R+s)/(2/P-1-R-s))
  //   = 0.9154381; two passes, so no averaging with 1.
  // Terminal differences 70 - 20 = 50 and 150 - 50 = 100: LMTD = 50 / ln 2 = 72.134752.
  EXPECT_EQ(Text("CdtD"), "0.9154");
  ExpectRel(Value("AdtD"), 0.9154381123257778 * 50 / std::log(2.0));
}

TEST_F(WorkedCase, LayoutAndCasing) {
  // N = Round(4 x 1.9142857 x 2 / (π x 1000 x 0.035² x 0.1)) = Round(39.79) = 40.
  // Triangle: S1 = 92, S2 = 79.674 mm. Nh = Round(sqrt(1.6 x 79.674 x 40 / 92)) = Round(7.45) = 7;
  // Nw = Round(40 / 6.5) = 6, three columns per pass. Columns of 7, 6, 7, 6, 7, 6: 39 tubes.
  // H = 2 Round((6 x 92 + 70 + 70) / 2) = 692 mm; W = Round(5 x 79.674 + 140 + 2 x 34.5) = 607 mm.
  EXPECT_EQ(Text("NtD"), "39");
  EXPECT_EQ(Text("NhD"), "7");
  EXPECT_EQ(Text("NwD"), "6");
  EXPECT_EQ(Text("HbxD"), "0.692");
  EXPECT_EQ(Text("WbxD"), "0.607");
  EXPECT_EQ(Text("LsD"), "2");
}

TEST_F(WorkedCase, ShellSide) {
  // So = (0.092 - 0.038 - 2 x 0.016 x 0.001 / 0.006) / 0.092 = 0.5289855.
  // Face 0.692 x 2 = 1.384 m2, shown 1.38. Uemp = 3 / 1.06 / 1.384 = 2.044934 m/s;
  // Umax = Uemp / So = 3.865766 m/s.
  const double so = (0.092 - 0.038 - 2 * 0.016 * 0.001 / 0.006) / 0.092;
  const double uemp = 3 / 1.06 / 1.384, umax = uemp / so;
  EXPECT_EQ(Text("afaD"), "1.38");
  ExpectRel(Value("UempD"), uemp);
  ExpectRel(Value("UmaxD"), umax);
  // Res = 0.038 x Umax x 1.06 / 2.01e-5 = 7746.92; Prs = 1005 x 2.01e-5 / 0.029 = 0.696569.
  // Fin tip 0.070 / 0.038 = 1.84 >= 1.7: high fins,
  // kf = 0.1378 (0.029/0.038) Res^0.718 Prs^(1/3) (0.006/0.016)^0.296 = 43.23407.
  const double res = 0.038 * umax * 1.06 / 2.01e-5, prs = 1005 * 2.01e-5 / 0.029;
  const double kf = 0.1378 * (0.029 / 0.038) * std::pow(res, 0.718) * std::cbrt(prs) * std::pow(0.375, 0.296);
  ExpectRel(Value("afD"), kf);
  // Per metre: bare root (π/0.006) x 0.038 x 0.005 = 0.099484 m2, fins
  // (π/0.006)(2 x 0.016 x 0.054 + 0.001 x 0.070) = 0.941405 m2; bta = 8.719298.
  // yta = (0.4 x 52.34^0.15)^(0.032/0.038) x 0.375 / 0.392 = 0.7290439.
  EXPECT_EQ(Text("btaD"), "8.719298");
  EXPECT_EQ(Text("ytaD"), "0.7290439");
  const double pi = 3.14159265358979323846;
  const double ab = pi / 0.006 * 0.038 * 0.005, af = pi / 0.006 * (2 * 0.016 * 0.054 + 0.001 * 0.070);
  const double yta = std::pow(0.4 * std::pow(52.34, 0.15), 0.032 / 0.038) * 0.375 / (0.375 + 0.017);
  ExpectRel(Value("asD"), kf * (ab + yta * af) / (pi * 0.038));  // 284.5903
  // Bank: f = 37.86 Res^-0.316 (0.092/0.038)^-0.927 = 0.98456;
  // Dps = (Umax x 1.06)² f x 6 / (2 x 1.06) = 46.789 Pa, plus the 500 Pa nozzle.
  const double f = 37.86 * std::pow(res, -0.316) * std::pow(0.092 / 0.038, -0.927);
  ExpectRel(Value("DpsD"), (umax * 1.06) * (umax * 1.06) * f * 6 / (2 * 1.06) + 500);
}

TEST_F(WorkedCase, TubeSide) {
  // Ut = 4 x 1.9142857 x 2 / (π x 1000 x 39 x 0.035²) = 0.1020343 m/s;
  // Ret = 0.035 x Ut x 1000 / 0.0008 = 4464.0 (transition); Prt = 4200 x 0.0008 / 0.55 = 6.10909.
  // Turbulent 0.023 (0.55/0.035) Ret^0.8 Prt^0.3 = 517.124, times 1 - 600000/Ret^1.8 = 0.83831:
  // at = 433.517 W/(m2.K).
  const double pi = 3.14159265358979323846, wt = 241200.0 / 126000.0;
  const double ut = 4 * wt * 2 / (pi * 1000 * 39 * 0.035 * 0.035);
  const double ret = 0.035 * ut * 1000 / 0.0008, prt = 4200 * 0.0008 / 0.55;
  const double turb = 0.023 * (0.55 / 0.035) * std::pow(ret, 0.8) * std::pow(prt, 0.3);
  const double at = turb * (1 - 600000 / std::pow(ret, 1.8));
  ExpectRel(Value("UtD"), ut, 1e-8);
  ExpectRel(Value("atD"), at, 1e-8);
  // Colebrook with roughness 4.57e-5 m gives f = 0.0400074; Ft = 1.4 (do >= 25 mm):
  // Dpt = 2 x 1.4 x (f x 2 / 0.035 + 3) x 0.5 x 1000 x Ut² = 77.0475 Pa, plus 500 Pa.
  ExpectRel(Value("DptD"), 2 * 1.4 * (0.040007370895464106 * 2 / 0.035 + 3) * 0.5 * 1000 * ut * ut + 500, 1e-8);
  EXPECT_EQ((*dump)["status"][1], "");  // turbulent enough: no laminar warning
}

TEST_F(WorkedCase, OverallCoefficientAreasAndSurplus) {
  // 1/K = 1/284.5903 + 0.00017 + (1/433.5172 + 0.00017) x 38/35
  //       + (0.038/52.34)(0.003/0.073) = 0.0064027; K = 156.185 W/(m2.K).
  const double kso = 284.59034950508396, at = 433.51721173431287;
  const double k = 1 / (1 / kso + 0.00017 + (1 / at + 0.00017) * 0.038 / 0.035 + (0.038 / 52.34) * 0.003 / 0.073);
  ExpectRel(Value("KaD"), k, 1e-8);
  // Ac = 241200 / (K x 66.0349) = 23.3865 m2; Ar = 39 π 0.038 x 2 = 9.31168 m2;
  // Awr = 8.719298 x Ar = 81.1913 m2; surplus (9.31168 - 23.3865) / 23.3865 = -60.18 %.
  const double ac = 241200 / (k * 66.03490124465768), ar = 39 * 3.14159265358979323846 * 0.038 * 2;
  ExpectRel(Value("AcD"), ac, 1e-8);
  ExpectRel(Value("ArD"), ar);
  ExpectRel(Value("AwrD"), 8.719298 * ar);
  EXPECT_EQ(Text("CsD"), "-60.18");
}

TEST_F(WorkedCase, Nozzles) {
  // Shell: d = (8 x 1.5 x 3² / (π² x 1.06 x 500))^0.25 = 0.37906 m, shown as 379 mm;
  // u = sqrt(500 / (0.75 x 1.06)) = 25.0785 m/s.
  EXPECT_EQ(Text("dipSD"), "0.379");
  EXPECT_EQ(C("dipSD")["color"], colors::SkyBlue);
  ExpectRel(Value("UpSD"), std::sqrt(500 / (0.75 * 1.06)), 1e-8);
  EXPECT_EQ(C("UpSD")["color"], colors::MoneyGreen);
  // Tube: d = (8 x 1.5 x 1.9142857² / (π² x 1000 x 500))^0.25 = 0.05464 m, shown 55 mm;
  // u = sqrt(500 / 750) = 0.8165 m/s.
  EXPECT_EQ(Text("DipTD"), "0.055");
  ExpectRel(Value("UpTD"), std::sqrt(500.0 / 750), 1e-8);
}

TEST_F(WorkedCase, TraceLines) {
  const auto& memo = (*dump)["memo"];
  ASSERT_EQ(memo.size(), 19u);
  EXPECT_EQ(memo[0], "QH=0 W");
  EXPECT_EQ(memo[1], "Hbx  =0.692");
  EXPECT_EQ(memo[2], "Wbx  =0.607");
  EXPECT_EQ(std::string(memo[3]).rfind("So=", 0), 0u);
  EXPECT_EQ(memo[13], "***************管程计算开始***************");
  EXPECT_EQ(std::string(memo[18]).rfind("Dpt=", 0), 0u);
}

}  // namespace
