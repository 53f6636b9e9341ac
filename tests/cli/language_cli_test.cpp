// The driver in English: every output of the shipped examples free of
// Chinese, the same values as in Chinese, project files that do not depend
// on the language, and Chinese output as it always was.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "tests/cli_runner.h"

namespace tharvex {
namespace {

using testing::RunCli;
using testing::ShellQuote;

// CJK punctuation, ideographs and full-width forms: what an English text
// must not hold. Returns the first offending character's context, or "".
std::string FirstCjk(const std::string& utf8) {
  for (size_t i = 0; i + 2 < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if ((c & 0xF0) != 0xE0) continue;
    const unsigned cp = ((c & 0x0Fu) << 12) | ((static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu) << 6) |
                        (static_cast<unsigned char>(utf8[i + 2]) & 0x3Fu);
    if ((cp >= 0x3000 && cp <= 0x303F) || (cp >= 0x3400 && cp <= 0x9FFF) || (cp >= 0xFF00 && cp <= 0xFFEF)) {
      const size_t from = utf8.rfind('\n', i) == std::string::npos ? 0 : utf8.rfind('\n', i) + 1;
      return utf8.substr(from, utf8.find('\n', i) - from);
    }
  }
  return {};
}

// The characters an RTF document writes as \uN (N a signed 16-bit number).
std::string RtfUnicode(const std::string& rtf) {
  std::string out;
  static const std::regex u(R"(\\u(-?[0-9]+))");
  for (auto it = std::sregex_iterator(rtf.begin(), rtf.end(), u); it != std::sregex_iterator(); ++it) {
    unsigned cp = static_cast<unsigned>(std::stoi((*it)[1]) & 0xFFFF);
    if (cp < 0x800) continue;  // not a three-byte character: not CJK
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
    out += '\n';
  }
  return out;
}

std::string ReadAll(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::string> Examples() {
  std::vector<std::string> files;
  for (const auto& e : std::filesystem::directory_iterator(std::string(THARVEX_SOURCE_DIR) + "/data/examples"))
    if (e.path().extension() == ".zrf") files.push_back(e.path().string());
  std::sort(files.begin(), files.end());
  return files;
}

// The texts a dump shows: the *Shown form where there is one.
std::string ShownTexts(const nlohmann::json& dump) {
  std::string all;
  auto shown = [&all](const nlohmann::json& j, const std::string& key) {
    if (!j.contains(key)) return;
    all += (j.contains(key + "Shown") ? j[key + "Shown"] : j[key]).dump(-1, ' ', false) + "\n";
  };
  for (const auto& [name, c] : dump["controls"].items()) {
    if (c["kind"] == "TRichEdit" && name != "ReReport") continue;  // comments hold what the user typed
    shown(c, "caption");
    shown(c, c["kind"] == "TComboBoxU" ? "unit" : "text");
    shown(c, "lines");
  }
  for (const char* key : {"status", "messages", "memo", "title"}) shown(dump, key);
  return all;
}

class LanguageCli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = ::testing::TempDir() + "language_cli_" + std::to_string(::getpid());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string dir_;
};

TEST_F(LanguageCli, EnglishOutputsOfTheExamplesHoldNoChinese) {
  ASSERT_FALSE(Examples().empty());
  const bool pdf = std::system("command -v pdftotext >/dev/null 2>&1") == 0;
  for (const std::string& ex : Examples()) {
    SCOPED_TRACE(ex);
    const std::string rtf = dir_ + "/r.rtf", sheet = dir_ + "/s.pdf", json = dir_ + "/d.json", csv = dir_ + "/d.csv";
    auto report = RunCli({"--lang", "en", "--open", ex, "--calc", "--report"});
    ASSERT_EQ(report.status, 0) << report.err;
    EXPECT_EQ(FirstCjk(report.out), "");
    EXPECT_NE(report.out.find("Calculation Report"), std::string::npos);
    EXPECT_NE(report.out.find("Overall heat transfer coefficient"), std::string::npos);

    auto r = RunCli({"--lang", "en", "--open", ex, "--calc", "--report-rtf", rtf, "--sheet-pdf", sheet, "--export-json",
                     json, "--export-csv", csv, "--dump"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(ReadAll(rtf).find("Calculation Report"), std::string::npos);
    EXPECT_EQ(FirstCjk(RtfUnicode(ReadAll(rtf))), "");
    EXPECT_EQ(FirstCjk(ReadAll(json)), "");
    EXPECT_EQ(FirstCjk(ReadAll(csv)), "");
    const auto dump = testing::Dumped(r);
    ASSERT_FALSE(dump.is_discarded());
    EXPECT_EQ(FirstCjk(ShownTexts(dump)), "");
    // The stored texts stay Chinese for scripts.
    EXPECT_EQ(dump["controls"]["WsL"]["caption"], "质量流量");
    EXPECT_EQ(dump["controls"]["WsL"]["captionShown"], "Mass flow");
    if (pdf) {
      const std::string txt = dir_ + "/s.txt";
      ASSERT_EQ(std::system(("pdftotext -layout " + ShellQuote(sheet) + " " + ShellQuote(txt)).c_str()), 0);
      const std::string text = ReadAll(txt);
      // The comments at the end are the user's own text, shown as typed.
      EXPECT_EQ(FirstCjk(text.substr(0, text.find("Comments\n"))), "");
      EXPECT_NE(text.find("Calculation Sheet"), std::string::npos);
      EXPECT_NE(text.find("W/(m²·K)"), std::string::npos);
    }
  }
}

TEST_F(LanguageCli, TheLanguageChangesNoValueAndNoProjectFile) {
  const std::string ex = Examples().front();
  const std::string zhFile = dir_ + "/zh.zrf", enFile = dir_ + "/en.zrf";
  auto zh = RunCli({"--open", ex, "--calc", "--save", zhFile, "--dump"});
  auto en = RunCli({"--lang", "en", "--open", ex, "--calc", "--save", enFile, "--dump"});
  ASSERT_EQ(zh.status, 0) << zh.err;
  ASSERT_EQ(en.status, 0) << en.err;
  // Every stored field of every control is the same; English adds only the shown texts.
  auto a = testing::Dumped(zh), b = testing::Dumped(en);
  int shownKeys = 0;
  for (auto& [name, c] : b["controls"].items())
    for (auto it = c.begin(); it != c.end();)
      if (it.key().ends_with("Shown")) {
        ++shownKeys;
        it = c.erase(it);
      } else {
        ++it;
      }
  for (const char* key : {"statusShown", "messagesShown", "memoShown", "titleShown"}) {
    a.erase(key);
    b.erase(key);
  }
  for (auto& [name, c] : a["controls"].items())
    for (const char* key : {"unitShown"}) c.erase(key);
  EXPECT_GT(shownKeys, 150);
  ASSERT_EQ(a["controls"].size(), b["controls"].size());
  for (const auto& [name, c] : a["controls"].items()) EXPECT_EQ(c, b["controls"][name]) << name;
  // The title names the file each was saved to.
  for (const char* key : {"resultsStale", "status", "messages", "memo"}) EXPECT_EQ(a[key], b[key]) << key;
  EXPECT_EQ(a["controls"]["KaD"]["text"], b["controls"]["KaD"]["text"]);
  // A project saved in English is the very file saved in Chinese.
  EXPECT_EQ(ReadAll(zhFile), ReadAll(enFile));
  EXPECT_FALSE(ReadAll(zhFile).empty());
}

TEST_F(LanguageCli, ChineseStaysAsItWas) {
  const std::string ex = Examples().front();
  auto plain = RunCli({"--open", ex, "--calc", "--report"});
  auto back = RunCli({"--lang", "en", "--lang", "zh", "--open", ex, "--calc", "--report"});
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_EQ(back.out, plain.out);
  EXPECT_NE(plain.out.find("计算报告"), std::string::npos);
  EXPECT_NE(plain.out.find("W/(m²·K)"), std::string::npos);
  // With the symbols off the units are the stored ones and the dump has no shown texts at all.
  auto stored = RunCli({"--unit-symbols", "off", "--open", ex, "--calc", "--report"});
  EXPECT_NE(stored.out.find("W/(m2.K)"), std::string::npos);
  EXPECT_EQ(stored.out.find("²"), std::string::npos);
  auto dump = RunCli({"--unit-symbols", "off", "--open", ex, "--calc", "--dump"});
  EXPECT_EQ(dump.out.find("Shown\""), std::string::npos);
}

TEST_F(LanguageCli, BadSettingsAreRefused) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"--lang", "fr"}, "--lang expects zh or en, got 'fr'"},
      {{"--lang"}, "--lang needs an argument"},
      {{"--unit-symbols", "yes"}, "--unit-symbols expects on or off, got 'yes'"},
  };
  for (const auto& c : cases) {
    auto r = RunCli(c.args);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty());
  }
}

}  // namespace
}  // namespace tharvex
