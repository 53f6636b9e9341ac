// The driver's drawing to scale, the optimiser's sweep as CSV and the
// parametric study.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli_runner.h"

namespace tharvex {
namespace {

using nlohmann::json;
using testing::RunCli;

const std::vector<std::string> kCase = {"--set", "WsD=5",   "--set", "Ts1D=120", "--set",    "Ts2D=60",
                                        "--set", "Tt1D=20", "--set", "Tt2D=40",  "--select", "PnD=1"};

std::vector<std::string> With(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

std::string Temp(const std::string& name) { return ::testing::TempDir() + std::to_string(::getpid()) + "_" + name; }

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::vector<std::string>> Csv(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    std::vector<std::string> cells;
    std::string cell;
    std::istringstream ls(line);
    while (std::getline(ls, cell, ',')) cells.push_back(cell);
    if (!line.empty() && line.back() == ',') cells.push_back("");
    rows.push_back(cells);
  }
  return rows;
}

double SI(const json& d, const std::string& name) {
  return std::stod(d["controls"][name]["text"].get<std::string>()) * d["controls"][name]["exchange"].get<double>();
}

TEST(CliSweep, CsvHasEveryGridPointAndTheAcceptedOneIsWhatTheWindowShows) {
  for (int type : {0, 1}) {  // "最快", "最优"
    SCOPED_TRACE(type ? "best" : "fastest");
    const std::string file = Temp("sweep.csv");
    auto r =
        RunCli(With(kCase, {"--select", "OMD=" + std::to_string(type), "--optimise", "--sweep-csv", file, "--dump"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const json d = json::parse(r.out);
    const auto rows = Csv(ReadAll(file));
    std::remove(file.c_str());
    ASSERT_EQ(rows.size(), 1682u);  // header and 41 x 41 points
    EXPECT_EQ(rows[0][2], "face_velocity_m_s");
    int accepted = 0;
    for (size_t k = 1; k < rows.size(); ++k) {
      ASSERT_EQ(rows[k].size(), 9u) << k;
      if (rows[k][8] != "1") continue;
      ++accepted;
      const auto& a = rows[k];
      EXPECT_EQ(a[7], "1");  // feasible
      EXPECT_NEAR(std::stod(a[3]), SI(d, "UtmD"), 1e-12);
      EXPECT_NEAR(std::stod(a[4]), SI(d, "LsD"), 1e-12);
      EXPECT_EQ(a[5], d["controls"]["CsD"]["text"].get<std::string>());
      EXPECT_NEAR(std::stod(a[6]), SI(d, "KaD"), 1e-9 * SI(d, "KaD"));
      // The face velocity the window shows is that of the grid point, up to
      // the length rounded to whole millimetres.
      EXPECT_NEAR(std::stod(a[2]), SI(d, "UempD"), 0.01 * std::stod(a[2]));
    }
    EXPECT_EQ(accepted, 1);
    EXPECT_EQ(d["status"][1], "优化设计成功！");
    // The first row is the highest velocity of both.
    EXPECT_EQ(rows[1][2], "3.5");
    EXPECT_EQ(rows[1][3], "1.5");
  }
}

TEST(CliSweep, NothingToWriteBeforeTheOptimiserRan) {
  auto r = RunCli({"--sweep-csv", Temp("none.csv")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("no optimiser sweep"), std::string::npos) << r.err;
}

TEST(CliStudy, PrintsOneRowPerStep) {
  auto r = RunCli(With(kCase, {"--study", "WsD=4:6:11", "--study-out", "CsD,KaD,DpsD"}));
  ASSERT_EQ(r.status, 0) << r.err;
  const auto rows = Csv(r.out);
  ASSERT_EQ(rows.size(), 12u) << r.out;
  EXPECT_EQ(rows[0][0], "WsD [kg/s]");
  EXPECT_EQ(rows[0][1], "CsD");
  EXPECT_EQ(rows[1][0], "4");
  EXPECT_EQ(rows[11][0], "6");
  // Step 3 equals the single calculation at 4.6 kg/s.
  auto single = RunCli(With(kCase, {"--set", "WsD=4.6", "--dump"}));
  const json d = json::parse(single.out);
  EXPECT_EQ(rows[4][0], "4.6");
  EXPECT_EQ(rows[4][1], d["controls"]["CsD"]["text"].get<std::string>());
  EXPECT_EQ(rows[4][2], d["controls"]["KaD"]["text"].get<std::string>());
  EXPECT_EQ(rows[4][4], "1");

  // The order of the two options does not matter; without --study-out the
  // surplus and the overall coefficient are followed.
  auto swapped = RunCli(With(kCase, {"--study-out", "CsD,KaD,DpsD", "--study", "WsD=4:6:11"}));
  EXPECT_EQ(swapped.out, r.out);
  auto plain = RunCli(With(kCase, {"--study", "WsD=4:6:3"}));
  EXPECT_EQ(Csv(plain.out)[0][1], "CsD");
  EXPECT_EQ(Csv(plain.out).size(), 4u);
}

TEST(CliStudy, RefusesWhatCannotRun) {
  for (const auto& args : std::vector<std::vector<std::string>>{{"--study", "WsD=4:6", "--study-out", "CsD"},
                                                                {"--study", "KaD=1:2:3", "--study-out", "CsD"},
                                                                {"--study", "WsD=1:2:3", "--study-out", "Nope"}}) {
    auto r = RunCli(With(kCase, args));
    EXPECT_EQ(r.status, 2) << args[1];
    EXPECT_NE(r.err.find("--study"), std::string::npos) << r.err;
  }
}

TEST(CliSection, WritesSvgPngAndPdf) {
  const std::string svg = Temp("s.svg"), png = Temp("s.png"), pdf = Temp("s.pdf");
  auto r = RunCli(With(kCase, {"--calc", "--section-svg", svg, "--section-png", png, "--section-pdf", pdf, "--dump"}));
  ASSERT_EQ(r.status, 0) << r.err;
  const int tubes = std::stoi(json::parse(r.out)["controls"]["NtD"]["text"].get<std::string>());
  const std::string s = ReadAll(svg);
  int circles = 0;
  for (size_t p = s.find("<circle class=\"tube\""); p != std::string::npos; p = s.find("<circle class=\"tube\"", p + 1))
    ++circles;
  EXPECT_EQ(circles, tubes);
  EXPECT_EQ(ReadAll(png).substr(1, 3), "PNG");
  EXPECT_EQ(ReadAll(pdf).substr(0, 5), "%PDF-");
  for (const auto& f : {svg, png, pdf}) std::remove(f.c_str());

  auto none = RunCli({"--section-svg", svg});
  EXPECT_EQ(none.status, 1);
  EXPECT_NE(none.err.find("no tube layout"), std::string::npos) << none.err;
  auto bad = RunCli(With(kCase, {"--calc", "--section-png", "/nonexistent/dir/x.png"}));
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.err.find("cannot write"), std::string::npos) << bad.err;
}

}  // namespace
}  // namespace tharvex
