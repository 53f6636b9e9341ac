// The calculation sheet from the command line, read back with pdftotext:
// every value the window shows appears with its caption, the method names
// its correlations (with their equations and values under "工程方法"),
// warnings show, every page carries the title block.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>

#include "core/fields/number_format.h"
#include "core/mainwin/main_window_table.h"
#include "tests/cli_runner.h"

namespace tharvex {
namespace {

using testing::RunCli;
using testing::ShellQuote;

bool HavePdfToText() { return std::system("command -v pdftotext >/dev/null 2>&1") == 0; }

std::string ReadAll(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string Example() { return std::string(THARVEX_SOURCE_DIR) + "/data/examples/AirCooler-Example.zrf"; }

class SheetCli : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HavePdfToText()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    dir_ = ::testing::TempDir() + "sheet_cli_" + std::to_string(::getpid());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    if (!dir_.empty()) std::filesystem::remove_all(dir_);
  }

  // Runs the driver with `args`, then writes the sheet and dumps the state.
  // Returns the sheet's text (pdftotext -layout) and fills `dump`.
  std::string Sheet(std::vector<std::string> args, nlohmann::json& dump) {
    const std::string pdf = dir_ + "/sheet.pdf", txt = dir_ + "/sheet.txt";
    args.insert(args.end(), {"--sheet-pdf", pdf, "--dump"});
    auto r = RunCli(args);
    EXPECT_EQ(r.status, 0) << r.err;
    dump = nlohmann::json::parse(r.out, nullptr, false);
    EXPECT_EQ(ReadAll(pdf).substr(0, 5), "%PDF-");
    EXPECT_EQ(std::system(("pdftotext -layout " + ShellQuote(pdf) + " " + ShellQuote(txt)).c_str()), 0);
    return ReadAll(txt);
  }

  std::string dir_;
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string l;
  while (std::getline(in, l)) lines.push_back(l);
  return lines;
}

bool LineWith(const std::vector<std::string>& lines, const std::string& a, const std::string& b) {
  for (const auto& l : lines)
    if (l.find(a) != std::string::npos && l.find(b) != std::string::npos) return true;
  return false;
}

// Every enabled value field of the process tab that shows a number or text
// stands in the sheet on one line with its caption.
void ExpectEveryValueWithItsCaption(const std::string& text, const nlohmann::json& dump) {
  const auto lines = Lines(text);
  int checked = 0;
  for (const auto& d : mainwin::Table()) {
    if (d.entry != mainwin::Entry::Quantity && d.entry != mainwin::Entry::Text) continue;
    const auto* group = mainwin::FindDef(d.parent);
    if (!group || group->parent != "TabSheet1") continue;
    const auto& c = dump["controls"][d.value()];
    if (!c["enabled"].get<bool>()) continue;
    std::string shown = c.contains("display") ? c["display"].get<std::string>() : c["text"].get<std::string>();
    if (shown.empty() || shown == "[Must input]") continue;
    const std::string caption = dump["controls"][d.label()]["caption"];
    EXPECT_TRUE(LineWith(lines, caption, shown)) << d.value() << ": " << caption << " " << shown;
    ++checked;
  }
  EXPECT_GT(checked, 50);
}

// The text copies out as the characters shown: no Kangxi radical look-alikes
// (U+2F00..U+2FDF, UTF-8 E2 BC 80 .. E2 BF 9F) in place of 高, 角, 一, 人 ...
void ExpectNoKangxiRadicals(const std::string& text) {
  for (size_t i = 0; i + 2 < text.size(); ++i) {
    const auto b0 = static_cast<unsigned char>(text[i]), b1 = static_cast<unsigned char>(text[i + 1]);
    ASSERT_FALSE(b0 == 0xE2 && b1 >= 0xBC && b1 <= 0xBF) << "Kangxi radical at byte " << i;
  }
}

// Every page starts with the title block: project name and "第 i 页 共 n 页".
void ExpectTitleBlockOnEveryPage(const std::string& text, const std::string& project) {
  std::vector<std::string> pages;
  size_t start = 0;
  for (size_t ff = text.find('\f'); ff != std::string::npos; ff = text.find('\f', start)) {
    pages.push_back(text.substr(start, ff - start));
    start = ff + 1;
  }
  if (start < text.size() && text.find_first_not_of(" \n", start) != std::string::npos)
    pages.push_back(text.substr(start));
  ASSERT_GE(pages.size(), 2u);
  const std::string n = std::to_string(pages.size());
  for (size_t i = 0; i < pages.size(); ++i) {
    EXPECT_NE(pages[i].find("项目：" + project), std::string::npos) << "page " << i + 1;
    // pdftotext drops the blanks between Chinese characters and digits.
    std::string packed = pages[i];
    packed.erase(std::remove(packed.begin(), packed.end(), ' '), packed.end());
    EXPECT_NE(packed.find("第" + std::to_string(i + 1) + "页共" + n + "页"), std::string::npos) << "page " << i + 1;
    EXPECT_NE(pages[i].find("Tharvex V"), std::string::npos) << "page " << i + 1;
    EXPECT_NE(pages[i].find("计算方法：标准方法"), std::string::npos) << "page " << i + 1;
  }
}

TEST_F(SheetCli, ShippedExample) {
  nlohmann::json dump;
  const std::string text = Sheet({"--open", Example(), "--calc"}, dump);
  ASSERT_TRUE(dump.is_object());
  ExpectEveryValueWithItsCaption(text, dump);
  ExpectNoKangxiRadicals(text);
  ExpectTitleBlockOnEveryPage(text, "AirCooler-Example");
  for (const char* s : {"高度H", "转角30°", "翅片高度", "输入数据", "计算结果", "计算方法：标准方法", "设计校核",
                        "警告与提示", "布管图", "注释", "壳程注释", "管程注释"})
    EXPECT_NE(text.find(s), std::string::npos) << s;
  // Fins 16 mm high on 38 mm tubes: tip diameter 70 mm, D/do = 1.84 ≥ 1.7.
  EXPECT_NE(text.find("高翅片管束换热关联式"), std::string::npos);
  EXPECT_NE(text.find("翅片效率经验式"), std::string::npos);
  EXPECT_NE(text.find("对数平均温差及温差校正系数"), std::string::npos);
  EXPECT_NE(text.find("以基管外表面为基准的串联热阻"), std::string::npos);
  // Trace values of the calculation: the Reynolds numbers of both sides.
  EXPECT_NE(text.find("壳程雷诺数"), std::string::npos);
  EXPECT_NE(text.find("管程雷诺数"), std::string::npos);
  // The layout drawing with its dimensions and scale.
  EXPECT_NE(text.find("比例 1:"), std::string::npos);
  EXPECT_NE(text.find("W = "), std::string::npos);
  EXPECT_NE(text.find("←流向"), std::string::npos);
}

// Steam condensing in the tubes heats air from 20 to 60 °C; the balance
// finds the steam flow.
const std::vector<std::string> kCondensing{
    "--select",    "PhtD=2",      "--set",     "WsD=5",         "--set",     "Ts1D=20",   "--set",
    "Ts2D=60",     "--set",       "Tt1D=120",  "--set",         "Tt2D=120",  "--set",     "DHtD=2200000",
    "--set",       "DentvD=1.12", "--set",     "MtvD=0.000013", "--set",     "DentD=943", "--set",
    "MtD=0.00023", "--set",       "LdtD=0.68", "--set",         "CptD=4250", "--set",     "CmttD=饱和蒸汽 0.2 MPa",
    "--calc"};

TEST_F(SheetCli, CondensingCase) {
  nlohmann::json dump;
  const std::string text = Sheet(kCondensing, dump);
  ASSERT_TRUE(dump.is_object());
  ASSERT_FALSE(dump["controls"]["KaD"]["text"].get<std::string>().empty()) << "the case did not calculate";
  ExpectEveryValueWithItsCaption(text, dump);
  ExpectNoKangxiRadicals(text);
  ExpectTitleBlockOnEveryPage(text, "未命名");
  EXPECT_NE(text.find("Akers–Deans–Crosser"), std::string::npos);
  EXPECT_NE(text.find("饱和蒸汽 0.2 MPa"), std::string::npos);
  // The balance solved the steam flow: marked as solved among the inputs.
  const auto lines = Lines(text);
  EXPECT_TRUE(LineWith(lines, "Wt ", "求解"));
}

TEST_F(SheetCli, FailingCaseShowsItsWarnings) {
  // A viscous oil flows laminar in the tubes, and the surplus asked for is
  // out of reach.
  nlohmann::json dump;
  const std::string text = Sheet({"--open", Example(), "--set", "MtD=0.5", "--set", "CsrD=900", "--calc"}, dump);
  const auto lines = Lines(text);
  EXPECT_NE(text.find("管内流速太低，处于层流区！"), std::string::npos);
  EXPECT_NE(text.find("设计校核不合格：富余度≥"), std::string::npos);
  EXPECT_TRUE(LineWith(lines, "富余度≥", "不合格"));
  EXPECT_NE(text.find("Sieder–Tate 层流关联式"), std::string::npos);
}

TEST_F(SheetCli, StaleResultsAreMarked) {
  // More tubes than any layout takes stops the rating at the layout: the
  // results after it are left from the example's calculation.
  nlohmann::json dump;
  const std::string text = Sheet({"--open", Example(), "--set", "NhD=100000"}, dump);
  ASSERT_TRUE(dump["resultsStale"].get<bool>());
  const auto lines = Lines(text);
  EXPECT_NE(text.find("部分结果来自先前的计算"), std::string::npos);
  EXPECT_TRUE(LineWith(lines, "总传热系数", "过期"));
  // A calculation that goes through clears the mark.
  const std::string fresh = Sheet({"--open", Example(), "--set", "NhD=100000", "--set", "NhD=12"}, dump);
  EXPECT_FALSE(dump["resultsStale"].get<bool>());
  EXPECT_EQ(fresh.find("部分结果来自先前的计算"), std::string::npos);
}

// The number after the symbol on the results row that starts with the caption
// ("壳程雷诺数  Res  2094.537").
std::optional<double> RowValue(const std::vector<std::string>& lines, const std::string& caption,
                               const std::string& symbol) {
  for (const auto& l : lines)
    if (l.rfind(caption, 0) == 0 && l.find(symbol) != std::string::npos) {
      std::istringstream in(l.substr(l.find(symbol) + symbol.size()));
      std::string word;
      in >> word;
      return ParseLenient(word);
    }
  return std::nullopt;
}

// "工程方法": for each coefficient the correlation's equation, the values
// that went in (the calculation's own Reynolds numbers among them) and the
// range of its data, flagged where the example's 7 mm fin pitch lies beyond
// Briggs & Young's 4.1 mm.
TEST_F(SheetCli, EngineeringMethodPrintsEachEquationAndItsValues) {
  nlohmann::json dump;
  const std::string text = Sheet({"--open", Example(), "--select", "MethodD=1", "--calc"}, dump);
  ASSERT_TRUE(dump.is_object());
  ASSERT_FALSE(dump["controls"]["KaD"]["text"].get<std::string>().empty()) << "the case did not calculate";
  EXPECT_EQ(text.find("见所列文献"), std::string::npos);
  EXPECT_NE(text.find("计算方法：工程方法"), std::string::npos);
  // Equations, in pieces short enough not to be wrapped in their cell.
  for (const char* s : {"0.134 Re^0.681 Pr^(1/3) (s/l)^0.2 (s/t)^0.1134", "K1(m r1) I1(m r2c)", "m = √(2h/(λf·t))",
                        "f = 9.465 Re^−0.316 (St/d)^−0.927 (St/Sd)^0.515", "Δp = 2 f N G²/ρ", "γ = (Re − 2300)/7700",
                        "F = NTU_逆流 / NTU"})
    EXPECT_NE(text.find(s), std::string::npos) << s;
  const auto lines = Lines(text);
  // Values from the geometry: gap 6 mm over fins 16 mm high and 1 mm thick,
  // 35 mm bore in 3.5 m tubes, 6 columns in 2 passes; fin root 19 mm.
  EXPECT_TRUE(LineWith(lines, "s/l = 0.375", "s/t = 6"));
  EXPECT_TRUE(LineWith(lines, "d/L = 0.01", "Pr = "));
  EXPECT_TRUE(LineWith(lines, "列数 = 6", "管程数 = 2"));
  EXPECT_TRUE(LineWith(lines, "r1 = 19 mm", "W/(m²·K)"));
  // The Reynolds numbers that went in are the calculation's own.
  const auto res = RowValue(lines, "壳程雷诺数", "Res"), ret = RowValue(lines, "管程雷诺数", "Ret");
  ASSERT_TRUE(res && ret);
  EXPECT_TRUE(LineWith(lines, "输入值", "Re = " + FormatGeneral(*res, 7, 4) + "，Pr = "));
  EXPECT_TRUE(LineWith(lines, "输入值", "Re = " + FormatGeneral(*ret, 7, 4) + "，Pr = "));
  // Ranges, and the flag where the case leaves them.
  EXPECT_NE(text.find("Re 2000～50000"), std::string::npos);
  EXPECT_NE(text.find("2300 ≤ Re < 10^4"), std::string::npos);
  EXPECT_TRUE(LineWith(lines, "叉排", "▲ 超出适用范围"));
  EXPECT_NE(text.find("▲ 壳程膜系数：Briggs & Young (1963) 高翅片 超出适用范围"), std::string::npos);
}

TEST_F(SheetCli, UnwritableTargetFailsAndLeavesNothing) {
  auto r = RunCli({"--sheet-pdf", dir_ + "/no/such/folder/s.pdf"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("s.pdf"), std::string::npos) << r.err;
  EXPECT_FALSE(std::filesystem::exists(dir_ + "/no"));
}

}  // namespace
}  // namespace tharvex
