// The report file: RTF structure, character escapes, the proposed name, the
// atomic write, and (when LibreOffice is installed) that an office suite
// reads it with its Chinese text and columns.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "core/app/main_model.h"
#include "core/app/report_commands.h"
#include "core/output/report.h"
#include "core/output/rtf_writer.h"
#include "tests/pdf_words.h"
#include "tests/strict_message_sink.h"

namespace tharvex::report {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

// Braces outside escapes balance, and never close below zero.
bool BracesBalance(const std::string& rtf) {
  int depth = 0;
  for (size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') {
      ++i;
      continue;
    }
    if (rtf[i] == '{') ++depth;
    if (rtf[i] == '}' && --depth < 0) return false;
  }
  return depth == 0;
}

TEST(ReportRtf, DocumentStructure) {
  std::string rtf = WriteRtf({{"", 14, true}, {"  计算报告", 14, true}, {"        密度    1.0600", 10, false}});
  EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi", 0), 0u);
  EXPECT_NE(rtf.find("\\fcharset134"), std::string::npos);
  EXPECT_NE(rtf.find(std::string(kReportFont)), std::string::npos);
  EXPECT_NE(rtf.find("\\fs28\\b "), std::string::npos);
  EXPECT_NE(rtf.find("\\fs20\\b0 "), std::string::npos);
  EXPECT_TRUE(BracesBalance(rtf));
  // Three lines: two paragraph breaks, none after the last line.
  size_t pars = 0;
  for (size_t p = rtf.find("\\par\n"); p != std::string::npos; p = rtf.find("\\par\n", p + 1)) ++pars;
  EXPECT_EQ(pars, 2u);
  // Bold lines keep with the next one; the row after them does not.
  EXPECT_NE(rtf.find("\\keepn{\\loch\\f0\\hich\\af0\\dbch\\af0\\cf1\\langfe2052\\fs28\\b }"), std::string::npos);
  EXPECT_NE(rtf.find("\\par\n\\pard\\aspalpha0\\aspnum0{"), std::string::npos);
  size_t keeps = 0;
  for (size_t p = rtf.find("\\keepn"); p != std::string::npos; p = rtf.find("\\keepn", p + 1)) ++keeps;
  EXPECT_EQ(keeps, 2u);
}

TEST(ReportRtf, CharactersAreEscaped) {
  struct Case {
    const char* text;
    const char* rtf;
  } cases[] = {
      {"计", "\\uc2\\u-29791\\'bc\\'c6"},  // U+8BA1 as signed 16 bits, GBK fallback after it
      {"质", "\\uc2\\u-29400\\'d6\\'ca"},  // above 32767: negative
      {"≥", "\\uc2\\u8805\\'a1\\'dd"},
      {"a{b}c\\d", "a\\{b\\}c\\\\d"},
      {"x y", "x y"},                                                            // a single blank stays a blank
      {"x  y", "x\\~\\~y"},                                                      // runs of blanks keep their width
      {"\xF0\x9F\x98\x80", "\\uc1\\u-10179?\\uc4\\u-8704\\'94\\'39\\'fc\\'36"},  // beyond the BMP
      {"a\xFF"
       "b",
       "a\\uc1\\u-3?b"},  // malformed byte: replacement character
      // A word joiner between an ideograph and a Latin letter or digit, so
      // that office suites add no space there; none next to punctuation.
      {"度H", "\\uc2\\u24230\\'b6\\'c8\\uc0\\u8288 H"},
      {"3角", "3\\uc0\\u8288 \\uc2\\u-30254\\'bd\\'c7"},
      {"比(H", "\\uc2\\u27604\\'b1\\'c8(H"},
      // The font's narrow degree sign, widened to two columns of 10 pt.
      {"0°", "0{\\expndtw126 \\uc2\\u176\\'a1\\'e3}"},
  };
  for (const auto& c : cases) {
    std::string rtf = WriteRtf({{c.text, 10, false}});
    EXPECT_NE(rtf.find(std::string("\\b0 ") + c.rtf + "}"), std::string::npos) << c.text << "\n" << rtf;
  }
}

TEST(ReportRtf, NarrowSignsWidenWithTheLineSizeAndWeight) {
  // (1000 - 404) / 1000 em of 14 pt, in twips: 166.9.
  EXPECT_NE(WriteRtf({{"30°", 14, true}}).find("{\\expndtw167 \\uc2\\u176"), std::string::npos);
  EXPECT_NE(WriteRtf({{"π", 10, false}}).find("{\\expndtw69 "), std::string::npos);
  EXPECT_EQ(WriteRtf({{"≥中", 10, false}}).find("expndtw"), std::string::npos);
}

TEST(ReportRtf, ProposedName) {
  EXPECT_EQ(ProposedReportName("/w/case1.zrf"), "/w/case1.doc");
  EXPECT_EQ(ProposedReportName("C:\\w\\case1.zrf"), "C:\\w\\case1.doc");
  EXPECT_EQ(ProposedReportName(""), ".doc");
  EXPECT_EQ(ProposedReportName("/w.v2/case1"), "/w.v2/case1.doc");
  EXPECT_EQ(ProposedReportName("/w/方案.a.zrf"), "/w/方案.a.doc");
}

class ReportFile : public ::testing::Test {
 protected:
  fs::path dir = fs::path(::testing::TempDir()) / ("report_rtf_" + std::to_string(::getpid()));
  void SetUp() override { fs::create_directories(dir); }
  void TearDown() override { fs::remove_all(dir); }
};

TEST_F(ReportFile, WritesAndReplaces) {
  fs::path p = dir / "case1.doc";
  ASSERT_TRUE(SaveReportRtf(p.string(), {{"第一版", 10, false}}).ok);
  ASSERT_TRUE(SaveReportRtf(p.string(), {{"第二版", 10, false}}).ok);
  std::string rtf = ReadFile(p);
  EXPECT_NE(rtf.find("\\u31532"), std::string::npos);  // 第
  EXPECT_NE(rtf.find("\\u20108"), std::string::npos);  // 二
  EXPECT_EQ(rtf.find("\\u19968"), std::string::npos);  // no 一 left of the first version
  // Nothing but the file itself is left in the folder.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(ReportFile, FailureNamesTheFileAndKeepsTheOldOne) {
  auto r = SaveReportRtf((dir / "missing" / "r.doc").string(), {{"x", 10, false}});
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find("r.doc"), std::string::npos);
  EXPECT_FALSE(SaveReportRtf("", {}).ok);

  if (::geteuid() != 0) {
    fs::path p = dir / "keep.doc";
    ASSERT_TRUE(SaveReportRtf(p.string(), {{"old", 10, false}}).ok);
    std::string before = ReadFile(p);
    ::chmod(dir.c_str(), 0500);
    EXPECT_FALSE(SaveReportRtf(p.string(), {{"new", 10, false}}).ok);
    ::chmod(dir.c_str(), 0700);
    EXPECT_EQ(ReadFile(p), before);
  }
}

bool HaveProgram(const char* name) {
  std::string cmd = std::string("command -v ") + name + " >/dev/null 2>&1";
  return std::system(cmd.c_str()) == 0;
}

// The office suite opens the report: converted to PDF, its text holds the
// Chinese captions, and the value and unit columns start at the same place in
// every row (pdftotext -layout keeps the horizontal positions).
TEST_F(ReportFile, OpensInLibreOffice) {
  if (!HaveProgram("libreoffice")) GTEST_SKIP() << "libreoffice is not installed";
  tharvex::testing::StrictMessageSink sink;
  MainModel model(sink);
  model.form().At("WsD").setText("1.25");
  model.form().At("Ts1D").setText("120");
  model.form().At("HbxD").setText("1.2");
  model.form().At("CBRoate").setChecked(true);  // "转角30°": a narrow sign in the caption
  model.project().fileName = "/w/A1.zrf";
  fs::path rtf = dir / "A1.doc";
  ASSERT_TRUE(SaveReportRtf(rtf.string(), MOReportClick(model)).ok);
  // LibreOffice picks its converter by content; give it an .rtf name.
  fs::path named = dir / "A1.rtf";
  fs::copy_file(rtf, named);
  std::string cmd = "cd '" + dir.string() + "' && nice -n 10 timeout 240 libreoffice --headless --norestore " +
                    "-env:UserInstallation=file://" + (dir / "profile").string() +
                    " --convert-to pdf A1.rtf >/dev/null 2>&1";
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  fs::path pdf = dir / "A1.pdf";
  ASSERT_TRUE(fs::exists(pdf));
  EXPECT_EQ(ReadFile(pdf).rfind("%PDF", 0), 0u);
  if (!HaveProgram("pdftotext")) GTEST_SKIP() << "pdftotext is not installed";
  std::string txt = (dir / "A1.txt").string();
  ASSERT_EQ(std::system(("pdftotext -layout '" + pdf.string() + "' '" + txt + "'").c_str()), 0);
  std::string text = ReadFile(txt);
  EXPECT_NE(text.find("A1 计算报告"), std::string::npos);
  EXPECT_NE(text.find("壳程物性及热量平衡"), std::string::npos);
  // The value "1.2500" of the mass flow and "120.0000" of the inlet
  // temperature start in the same text column.
  auto column = [&](const std::string& caption, const std::string& value) {
    size_t at = text.find(caption);
    if (at == std::string::npos) return -1;
    size_t lineStart = text.rfind('\n', at) + 1;
    size_t v = text.find(value, at);
    size_t lineEnd = text.find('\n', at);
    if (v == std::string::npos || v > lineEnd) return -1;
    // Columns of the text before the value: a wide character is one glyph.
    int cols = 0;
    for (size_t i = lineStart; i < v; ++i)
      if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ++cols;
    return cols;
  };
  int a = column("质量流量", "1.2500");
  int b = column("入口温度", "120.0000");
  EXPECT_GT(a, 0);
  EXPECT_EQ(a, b);

  // To the point: where the value column starts on the page, from the words'
  // boxes, in rows whose caption ends in Chinese, in a Latin letter ("高度H")
  // and in the degree sign. A shift of a quarter column is 1.25 pt.
  const auto words = tharvex::testing::PdfWords(pdf.string(), (dir / "A1.html").string());
  auto valueX = [&](const std::string& caption) { return tharvex::testing::ValueColumnX(words, caption); };
  const double flow = valueX("质量流量");
  EXPECT_GT(flow, 0);
  EXPECT_NEAR(valueX("高度"), flow, 0.3);
  EXPECT_NEAR(valueX("转角"), flow, 0.3);
}

}  // namespace
}  // namespace tharvex::report
