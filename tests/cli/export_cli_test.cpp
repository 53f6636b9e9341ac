// The data export from the command line: JSON, CSV and xlsx hold the same
// rows with the same SI values; the xlsx opens in LibreOffice.
#include <gtest/gtest.h>
#include <unistd.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "tests/cli_runner.h"

namespace tharvex {
namespace {

using testing::RunCli;
using testing::ShellQuote;

std::string ReadAll(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string Example() { return std::string(THARVEX_SOURCE_DIR) + "/data/examples/AirCooler-Example.zrf"; }

// RFC 4180 records (quoted fields may hold separators and line breaks).
std::vector<std::vector<std::string>> ParseCsv(std::string text) {
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
  std::vector<std::vector<std::string>> rows(1);
  std::string field;
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
        field += text[++i];
      else if (c == '"')
        quoted = false;
      else
        field += c;
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      rows.back().push_back(std::move(field));
      field.clear();
    } else if (c == '\n' || c == '\r') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      rows.back().push_back(std::move(field));
      field.clear();
      rows.emplace_back();
    } else {
      field += c;
    }
  }
  if (!field.empty() || !rows.back().empty()) rows.back().push_back(std::move(field));
  if (rows.back().empty()) rows.pop_back();
  return rows;
}

double Number(const std::string& s) {
  double v = NAN;
  std::from_chars(s.data(), s.data() + s.size(), v);
  return v;
}

class ExportCli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = ::testing::TempDir() + "export_cli_" + std::to_string(::getpid());
    std::filesystem::create_directories(dir_);
    auto r = RunCli({"--open", Example(), "--calc", "--export-json", path("d.json"), "--export-csv", path("d.csv"),
                     "--export-xlsx", path("d.xlsx")});
    ASSERT_EQ(r.status, 0) << r.err;
    json_ = nlohmann::json::parse(ReadAll(path("d.json")));
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string path(const std::string& name) const { return dir_ + "/" + name; }

  std::string dir_;
  nlohmann::json json_;
};

TEST_F(ExportCli, JsonHoldsEveryQuantityWithItsState) {
  const auto& q = json_["quantities"];
  ASSERT_GT(q.size(), 90u);
  auto row = [&](const std::string& name) -> nlohmann::json {
    for (const auto& r : q)
      if (r["name"] == name) return r;
    return nullptr;
  };
  // The example gives the air side and the water temperatures; the balance
  // solves the water flow.
  EXPECT_EQ(row("WtD")["state"], "solved");
  EXPECT_EQ(row("Ts1D")["state"], "input");
  EXPECT_EQ(row("KaD")["state"], "result");
  EXPECT_EQ(row("DHsD")["state"], "disabled");
  EXPECT_EQ(row("WsD")["caption"], "质量流量");
  EXPECT_EQ(row("WsD")["group"], "壳程物性及热量平衡");
  // Percent texts are fractions in SI.
  EXPECT_DOUBLE_EQ(row("CsrD")["si"].get<double>(), std::stod(row("CsrD")["text"].get<std::string>()) / 100);
  EXPECT_TRUE(row("CBTubArr")["si"].is_null());
  EXPECT_EQ(row("CBTubArr")["text"], "正三角形");
  // The design check: surplus, length, face and tube velocity.
  ASSERT_GE(json_["designCheck"].size(), 4u);
  EXPECT_EQ(json_["designCheck"][0]["name"], "CsrD");
}

TEST_F(ExportCli, CsvHoldsTheJsonRows) {
  const auto rows = ParseCsv(ReadAll(path("d.csv")));
  const auto& q = json_["quantities"];
  ASSERT_EQ(rows.size(), q.size() + 1);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"name", "group", "caption", "si", "text", "unit", "state"}));
  for (size_t i = 0; i < q.size(); ++i) {
    const auto& r = rows[i + 1];
    ASSERT_EQ(r.size(), 7u) << i;
    EXPECT_EQ(r[0], q[i]["name"]);
    EXPECT_EQ(r[2], q[i]["caption"]);
    EXPECT_EQ(r[4], q[i]["text"]);
    EXPECT_EQ(r[5], q[i]["unit"]);
    EXPECT_EQ(r[6], q[i]["state"]);
    if (q[i]["si"].is_null()) {
      EXPECT_EQ(r[3], "") << r[0];
    } else {
      EXPECT_EQ(Number(r[3]), q[i]["si"].get<double>()) << r[0];
    }
  }
}

TEST_F(ExportCli, XlsxOpensInLibreOfficeWithTheJsonNumbers) {
  if (std::system("command -v soffice >/dev/null 2>&1") != 0) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
  // Values exported unformatted, so that the full precision comes out.
  const std::string cmd =
      "cd " + ShellQuote(dir_) + " && HOME=" + ShellQuote(dir_) +
      " soffice --headless --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false' "
      "--outdir out d.xlsx >/dev/null 2>&1";
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  const auto rows = ParseCsv(ReadAll(path("out/d.csv")));
  const auto& q = json_["quantities"];
  ASSERT_EQ(rows.size(), q.size() + 1);
  int numbers = 0;
  for (size_t i = 0; i < q.size(); ++i) {
    const auto& r = rows[i + 1];
    ASSERT_GE(r.size(), 4u) << i;
    EXPECT_EQ(r[0], q[i]["name"]);
    EXPECT_EQ(r[2], q[i]["caption"]);
    if (q[i]["si"].is_null()) {
      EXPECT_EQ(r[3], "") << r[0];
      continue;
    }
    const double si = q[i]["si"].get<double>();
    EXPECT_NEAR(Number(r[3]), si, std::fabs(si) * 1e-14) << r[0] << " " << r[3];
    ++numbers;
  }
  EXPECT_GT(numbers, 60);
}

TEST(ExportCliErrors, UnwritableTargetFails) {
  auto r = RunCli({"--export-xlsx", "/nonexistent-folder/x.xlsx"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("x.xlsx"), std::string::npos) << r.err;
  r = RunCli({"--export-json", "/nonexistent-folder/x.json"});
  EXPECT_EQ(r.status, 1);
}

}  // namespace
}  // namespace tharvex
