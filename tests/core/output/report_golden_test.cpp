// A whole report for one complete case, compared line by line with the
// stored report. Set THARVEX_UPDATE_GOLDEN=1 to rewrite the stored file after
// a deliberate change (and read the diff before committing it).
#include <gtest/gtest.h>
#include "test_paths.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "core/app/main_model.h"
#include "core/app/report_commands.h"
#include "core/output/report.h"
#include "tests/strict_message_sink.h"

namespace tharvex::report {
namespace {

const std::string kData = std::string(THARVEX_SOURCE_DIR) + "/tests/core/output/data/";

// An air cooler in rating shape: hot air across finned tubes, cooling water in
// the tubes, every field showing what a finished calculation shows.
void FillCompleteCase(Form& form) {
  struct {
    const char* name;
    const char* text;
  } fields[] = {
      {"WsD", "2.5"},      {"Ts1D", "120"},   {"Ts2D", "60"},       {"HTsD", "热流体"},  {"QsD", "-150750"},
      {"WtD", "3.5893"},   {"Tt1D", "20"},    {"Tt2D", "30"},       {"HTtD", "冷流体"},  {"QtD", "150750"},
      {"HbxD", "1.104"},   {"WbxD", "0.69"},  {"LsD", "2.4"},       {"NhD", "7"},        {"NwD", "6"},
      {"afaD", "2.65"},    {"NtD", "42"},     {"btaD", "8.536842"}, {"ytaD", "0.8124"},  {"asD", "312.44"},
      {"afD", "45.118"},   {"DpsD", "186.2"}, {"UempD", "0.89"},    {"UmaxD", "2.0134"}, {"atD", "2876.5"},
      {"DptD", "1523.75"}, {"UtD", "0.0903"}, {"AdtD", "62.4"},     {"CdtD", "0.9712"},  {"AcD", "10.0261"},
      {"ArD", "12.0337"},  {"CsD", "20.02"},  {"KaD", "240.93"},    {"AwrD", "102.73"},  {"UpSD", "12.4"},
      {"dipSD", "0.4"},    {"UpTD", "1"},     {"DipTD", "0.068"},   {"BayD", "1"},
  };
  for (const auto& f : fields) form.At(f.name).setText(f.text);
  // Set directly, not through the user actions, so that no handler
  // recalculates over the texts above.
  form.At("CBRoate").setChecked(true);
  form.At("FmD").setItemIndex(6);  // aluminium fins
  form.At("PnD").setItemIndex(1);  // two passes
  form.At("QaU").setItemIndex(2);  // kW, with the value in kW
  form.At("QaD").setExchangeRaw(1000);
  form.At("QaD").setText("150.75");
  form.At("rh1D").setEnabled(false);  // dry air
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += l + "\n";
  return s;
}

// Compares the report with the stored one line by line, or rewrites it.
void CompareWithGolden(const std::string& report, const std::string& file) {
  std::string path = kData + file;
  if (std::getenv("THARVEX_UPDATE_GOLDEN")) {
    std::ofstream(path, std::ios::binary) << report;
    GTEST_SKIP() << "rewrote " << path;
  }
  std::ifstream f(path, std::ios::binary);
  ASSERT_TRUE(f) << "missing " << path;
  std::stringstream expected;
  expected << f.rdbuf();
  std::istringstream want(expected.str()), got(report);
  std::string w, g;
  int line = 0;
  while (true) {
    bool hw = static_cast<bool>(std::getline(want, w));
    bool hg = static_cast<bool>(std::getline(got, g));
    ++line;
    if (!hw && !hg) break;
    ASSERT_EQ(hw, hg) << "reports differ in length at line " << line;
    EXPECT_EQ(g, w) << "line " << line;
  }
}

TEST(ReportGolden, CompleteCase) {
  tharvex::testing::StrictMessageSink sink;
  MainModel model(sink);
  FillCompleteCase(model.form());
  model.project().fileName = "/home/engineer/projects/AC-101.zrf";
  std::string report = Joined(Texts(MOReportClick(model)));
  EXPECT_TRUE(sink.shown.empty());
  CompareWithGolden(report, "report_complete_case.txt");
}

// The same air cooler typed in as a user would, in rating mode, and
// calculated by the program: the report of a finished calculation. A change
// of the calculation shows here too; regenerate after checking the numbers.
TEST(ReportGolden, CalculatedRatingCase) {
  tharvex::testing::StrictMessageSink sink;
  MainModel model(sink);
  Form& form = model.form();
  form.SelectItem(form.At("CalTypeD"), 1);  // rating
  form.SelectItem(form.At("FmD"), 6);       // aluminium fins
  form.SelectItem(form.At("PnD"), 1);       // two passes
  struct {
    const char* name;
    const char* text;
  } typed[] = {{"WsD", "2.5"},  {"Ts1D", "120"}, {"Ts2D", "60"}, {"Tt1D", "20"}, {"Tt2D", "30"},
               {"HbxD", "1.2"}, {"LsD", "3"},    {"NhD", "12"},  {"NwD", "6"},   {"UtmD", "0.3"}};
  for (const auto& t : typed) form.EnterText(form.At(t.name), t.text);
  model.project().fileName = "/home/engineer/projects/AC-102.zrf";
  auto lines = Texts(MOReportClick(model));
  EXPECT_TRUE(sink.shown.empty());
  // The calculation filled the results the report shows.
  for (const char* result : {"KaD", "ArD", "CsD", "WtD", "NtD"}) EXPECT_FALSE(form.At(result).isEmpty()) << result;
  CompareWithGolden(Joined(lines), "report_calculated_case.txt");
}

}  // namespace
}  // namespace tharvex::report
