// The report on the command line: plain text and the RTF file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/cli_runner.h"

namespace tharvex {
namespace {

using testing::RunCli;

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string l;
  while (std::getline(in, l)) lines.push_back(l);
  return lines;
}

TEST(CliReport, PrintsOneLinePerReportLine) {
  auto r = RunCli({"--set", "WsD=1.25", "--report"});
  ASSERT_EQ(r.status, 0) << r.err;
  auto lines = SplitLines(r.out);
  ASSERT_GT(lines.size(), 100u);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], std::string(14, ' ') + " 计算报告" + std::string(11, ' '));
  EXPECT_EQ(lines[3], "      1.设计规定          ");
  bool found = false;
  for (const auto& l : lines) found = found || l == "        质量流量            1.2500          kg/s                ";
  EXPECT_TRUE(found);
  // The report ends with the last nozzle row: no blank line after section 10.
  EXPECT_EQ(lines.back().rfind("        管口内径", 0), 0u);
}

// Small values keep their digits, counts are whole, in the text and the RTF
// alike: both are written from the same lines.
TEST(CliReport, SmallValuesKeepTheirDigitsAndCountsAreWhole) {
  std::string dir = ::testing::TempDir() + "cli_digits_" + std::to_string(::getpid());
  std::filesystem::create_directories(dir);
  std::string file = dir + "/digits.doc";
  auto r = RunCli({"--select", "CalTypeD=1", "--set", "NwD=6", "--report", "--report-rtf", file});
  ASSERT_EQ(r.status, 0) << r.err;
  // Units with their symbols; "·" and "²" take two columns, as in GBK.
  const std::string rows[] = {"        动力粘度            2.010E-5        N·s/m²            ",
                              "        壳程污垢            1.700E-4        m²·K/W            ",
                              "        管程污垢            1.700E-4        m²·K/W            ",
                              "        管列数              6               列                  "};
  auto lines = SplitLines(r.out);
  for (const auto& row : rows) EXPECT_NE(std::find(lines.begin(), lines.end(), row), lines.end()) << row;
  std::ifstream f(file, std::ios::binary);
  std::stringstream rtf;
  rtf << f.rdbuf();
  EXPECT_NE(rtf.str().find("2.010E-5"), std::string::npos);
  EXPECT_NE(rtf.str().find("1.700E-4"), std::string::npos);
  EXPECT_EQ(rtf.str().find("0.0000 "), std::string::npos);
  std::filesystem::remove_all(dir);
}

TEST(CliReport, ProjectNameInTheTitleAfterOpening) {
  std::string dir = ::testing::TempDir() + "cli_report_" + std::to_string(::getpid());
  std::filesystem::create_directories(dir);
  std::string project = dir + "/A1.zrf";
  ASSERT_EQ(RunCli({"--set", "WsD=2", "--save", project}).status, 0);
  auto r = RunCli({"--open", project, "--report"});
  ASSERT_EQ(r.status, 0) << r.err;
  auto lines = SplitLines(r.out);
  ASSERT_GT(lines.size(), 2u);
  EXPECT_EQ(lines[1], std::string(14, ' ') + "A1 计算报告" + std::string(9, ' '));
  std::filesystem::remove_all(dir);
}

TEST(CliReport, WritesTheRtfFileAndReportsFailure) {
  std::string dir = ::testing::TempDir() + "cli_rtf_" + std::to_string(::getpid());
  std::filesystem::create_directories(dir);
  std::string file = dir + "/case1.doc";
  auto r = RunCli({"--report-rtf", file});
  ASSERT_EQ(r.status, 0) << r.err;
  std::ifstream f(file, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  EXPECT_EQ(s.str().rfind("{\\rtf1", 0), 0u);
  EXPECT_NE(s.str().find("\\fcharset134"), std::string::npos);

  r = RunCli({"--report-rtf", dir + "/no/such/folder/x.doc"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("x.doc"), std::string::npos);
  r = RunCli({"--report-rtf"});
  EXPECT_EQ(r.status, 2);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace tharvex
