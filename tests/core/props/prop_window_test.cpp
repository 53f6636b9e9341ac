// The property window below its widgets: calculate, transfer by opener,
// password, reopening, navigator edits, search and saving.
#include <gtest/gtest.h>
#include "test_paths.h"

#include <unistd.h>
#include <filesystem>

#include "core/mainwin/main_window_table.h"
#include "core/props/prop_library.h"
#include "core/props/prop_window_model.h"
#include "tests/strict_message_sink.h"

namespace tharvex::props {
namespace {

namespace fs = std::filesystem;

PropRecord Water() {
  PropRecord r;
  r.Set(PropField::NO, "0001");
  r.Set(PropField::CN, "水(液)");
  r.Set(PropField::EN, "Water");
  r.Set(PropField::CP, "4187");
  r.Set(PropField::MD, "0,999.8;20,998.2;40,992.2;60,983.2;80,971.8");
  r.Set(PropField::VI, "0.001");
  r.Set(PropField::TC, "0.6");
  r.Set(PropField::ST, "0.0728");
  r.Set(PropField::HV, "2454000");
  return r;
}

class PropWindow : public ::testing::Test {
 protected:
  PropWindow() : main(sink), model(sink) {
    mainwin::Build(main);
    dir = fs::temp_directory_path() / ("tharvex_propwin_" + std::to_string(::getpid()) + "_" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
    PropRecord air;
    air.Set(PropField::NO, "0002");
    air.Set(PropField::CN, "空气");
    air.Set(PropField::EN, "Air");
    air.Set(PropField::CP, "1005");
    EXPECT_EQ(SavePropLib((dir / kPropLibFileName).string(), {Water(), air}), "");
    model.LoadLibrary((dir / kPropLibFileName).string());
  }
  ~PropWindow() override { fs::remove_all(dir); }
  tharvex::testing::StrictMessageSink sink;
  Form main;
  PropWindowModel model;
  fs::path dir;
};

TEST_F(PropWindow, StartsWithGridUnitsAndFirstRecord) {
  EXPECT_EQ(model.form().title(), "简易物性数据库");
  EXPECT_EQ(model.grid().GetValue("t"), "20");
  EXPECT_EQ(model.grid().GetValue("p"), "100");
  EXPECT_EQ(model.form().At("CPU").items().size(), 4u);
  EXPECT_EQ(model.form().At("TCU").items().size(), 5u);
  EXPECT_EQ(model.form().At("STU").items()[3].substr(model.form().At("STU").items()[3].find('|')), "|9.807");
  ASSERT_EQ(model.records().size(), 2u);
  EXPECT_EQ(model.current(), 0);
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(PropWindow, CalculateFillsTheSixFields) {
  model.Calculate();
  EXPECT_EQ(model.form().At("CPD").text(), "4187");
  EXPECT_EQ(model.form().At("MDD").text(), "998.2");
  EXPECT_EQ(model.form().At("STD").text(), "0.0728");
  EXPECT_EQ(model.form().At("HVD").text(), "2454000");
  model.Next();
  model.Calculate();
  EXPECT_EQ(model.form().At("CPD").text(), "1005");
  EXPECT_EQ(model.form().At("MDD").text(), "");  // null text clears
}

TEST_F(PropWindow, CalculateWithoutTemperatureShowsTheMessageSixTimes) {
  sink.Expect("请指定温度！");
  model.grid().SetValue("t", "");
  model.Calculate();
  EXPECT_EQ(sink.shown.size(), 6u);
  EXPECT_EQ(sink.shown[0].text, "请指定温度！");
}

TEST_F(PropWindow, ConversionErrorStopsTheLaterProperties) {
  sink.Expect("is not a valid floating point value");
  PropRecord bad = Water();
  bad.Set(PropField::VI, "0,abc;1,2");
  model.Edit();
  model.SetEditText(PropField::VI, bad.Text(PropField::VI));
  ASSERT_TRUE(model.Post());
  model.form().At("TCD").setText("keep");
  model.Calculate();
  EXPECT_EQ(model.form().At("MDD").text(), "998.2");
  EXPECT_EQ(model.form().At("TCD").text(), "keep");
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_NE(sink.shown[0].text.find("abc"), std::string::npos);
}

struct TransferCase {
  const char* opener;
  std::vector<std::string> written;
};
class Transfer : public PropWindow, public ::testing::WithParamInterface<TransferCase> {};

TEST_P(Transfer, ByOpener) {
  std::string cps = main.At("CpsD").text(), cpt = main.At("CptD").text();
  main.At("DentvD").setEnabled(true);
  main.At("MtvD").setEnabled(true);
  main.At("DHtD").setEnabled(true);
  model.Open(GetParam().opener);
  model.Calculate();
  std::vector<std::string> written = TransferResults(model.form(), main, model.opener());
  EXPECT_EQ(written, GetParam().written);
  if (std::string(GetParam().opener) != "SBP1") {
    EXPECT_EQ(main.At("CpsD").text(), cps);
  }
  if (std::string(GetParam().opener) != "SBP3") {
    EXPECT_EQ(main.At("CptD").text(), cpt);
  }
  for (const auto& name : written) EXPECT_FALSE(main.At(name).text().empty());
  EXPECT_TRUE(main.At("SigsD").text().empty());  // surface tension never goes over
}

INSTANTIATE_TEST_SUITE_P(Openers, Transfer,
                         ::testing::Values(TransferCase{"SBP1", {"CpsD", "DensD", "MsD", "LdsD"}},
                                           TransferCase{"SBP3", {"CptD", "DentD", "MtD", "LdtD"}},
                                           TransferCase{"SBP4", {"DentvD", "MtvD", "DHtD"}}, TransferCase{"SBP2", {}}));

TEST_F(PropWindow, TransferSkipsEmptyResultsAndDisabledFields) {
  model.Open("SBP3");
  model.Calculate();
  model.form().At("VID").setText("");
  main.At("LdtD").setEnabled(false);
  std::string mt = main.At("MtD").text(), ldt = main.At("LdtD").text();
  EXPECT_TRUE(model.Confirm(main));
  EXPECT_EQ(main.At("CptD").text(), "4187");
  EXPECT_EQ(main.At("MtD").text(), mt);
  EXPECT_EQ(main.At("LdtD").text(), ldt);
}

TEST_F(PropWindow, TransferGoesThroughSiValues) {
  model.Open("SBP1");
  model.Calculate();
  model.form().PickUnit(model.form().At("CPU"), 1);  // kJ/(kg.K)
  EXPECT_EQ(model.form().At("CPD").text(), "4.187");
  main.PickUnit(main.At("CpsU"), 2);  // kcal/kg.K in the main window
  ASSERT_TRUE(model.Confirm(main));
  EXPECT_NEAR(main.At("CpsD").GetSIValue(), 4187, 1e-9);
  EXPECT_EQ(main.At("CpsD").text(), "1");
}

TEST_F(PropWindow, TransferStopsAtAResultThatIsNoNumber) {
  sink.Expect("is not a valid floating point value");
  model.Open("SBP1");
  model.Calculate();
  model.form().At("MDD").setText("abc");
  std::string dens = main.At("DensD").text();
  EXPECT_FALSE(model.Confirm(main));
  EXPECT_EQ(main.At("CpsD").text(), "4187");  // set before the fault
  EXPECT_EQ(main.At("DensD").text(), dens);
  EXPECT_EQ(sink.shown.size(), 1u);
}

TEST_F(PropWindow, PasswordIsExactAndReopeningHidesTheMaintenancePage) {
  model.Open("SBP1");
  model.password = "QORLENX";
  EXPECT_FALSE(model.Unlock());
  EXPECT_FALSE(model.maintenanceVisible());
  model.password = "qorlenx";
  EXPECT_TRUE(model.Unlock());
  EXPECT_TRUE(model.maintenanceVisible());
  EXPECT_EQ(model.activePage(), 1);
  model.Open("SBP3");
  EXPECT_FALSE(model.maintenanceVisible());
  EXPECT_EQ(model.activePage(), 0);
  EXPECT_EQ(model.password, "");
  EXPECT_EQ(model.current(), 0);  // the record stays
}

// Posting warns about every upper-case function or constant name that the
// replacement of T, P, R, M, B and w will break, naming each, and posts.
TEST_F(PropWindow, PostingWarnsAboutNamesTheKeysBreak) {
  sink.Expect("会被替换成温度、压力或参数");
  model.Edit();
  model.SetEditText(PropField::CP, "SQRT(t)+EXP(-t/100)");
  model.SetEditText(PropField::MD, "2*PI*t ?note");
  model.SetEditText(PropField::VI, "exp(-t/100)*1e-3");
  ASSERT_TRUE(model.Post());
  ASSERT_EQ(sink.shown.size(), 1u);
  const std::string& text = sink.shown[0].text;
  for (const char* part : {"“比热”：SQRT、EXP", "“密度”：PI"}) EXPECT_NE(text.find(part), std::string::npos) << text;
  EXPECT_EQ(text.find("黏度"), std::string::npos);
  EXPECT_EQ(model.CurrentRecord()->Text(PropField::CP), "SQRT(t)+EXP(-t/100)");
  // Lower-case names post without a word.
  model.Edit();
  model.SetEditText(PropField::CP, "sqrt(t)+exp(-t/100)");
  model.SetEditText(PropField::MD, "2*pi*t");
  ASSERT_TRUE(model.Post());
  EXPECT_EQ(sink.shown.size(), 1u);
}

TEST_F(PropWindow, EditInsertDeleteAndSaveToTheSameFile) {
  sink.Expect("超过 100 个字符");
  model.Insert();
  model.SetEditText(PropField::NO, "0000");
  model.SetEditText(PropField::CN, "氮气");
  model.SetEditText(PropField::CP, "1040");
  ASSERT_TRUE(model.Post());
  ASSERT_EQ(model.records().size(), 3u);
  EXPECT_EQ(model.current(), 0);  // ordered by NO, the new record stays current
  EXPECT_EQ(model.CurrentRecord()->Text(PropField::CN), "氮气");

  model.Edit();
  model.SetEditText(PropField::NT, std::string(101, 'x'));
  EXPECT_FALSE(model.Post());  // too long: refused with a message
  EXPECT_EQ(sink.shown.size(), 1u);
  model.Cancel();
  EXPECT_EQ(model.CurrentRecord()->Text(PropField::NT), "");

  model.Last();
  model.Delete();
  EXPECT_EQ(model.records().size(), 2u);
  ASSERT_TRUE(model.SaveLibrary());
  PropLibLoad reread = LoadPropLib((dir / kPropLibFileName).string());
  ASSERT_EQ(reread.records.size(), 2u);
  EXPECT_EQ(reread.records[0].Text(PropField::CN), "氮气");
}

TEST_F(PropWindow, SearchByNameOrNumber) {
  EXPECT_EQ(model.Search("水"), std::vector<int>{0});
  EXPECT_EQ(model.Search("air"), std::vector<int>{1});
  EXPECT_EQ(model.Search("000"), (std::vector<int>{0, 1}));
  EXPECT_TRUE(model.Search("steam").empty());
}

TEST(PropWindowLibrary, MissingFileShowsAMessageAndLeavesTheLibraryEmpty) {
  tharvex::testing::StrictMessageSink sink;
  PropWindowModel model(sink);
  sink.Expect("找不到物性库文件");
  model.LoadLibrary("/nonexistent/dir/PropLib.cds");
  EXPECT_TRUE(model.records().empty());
  EXPECT_EQ(model.current(), -1);
  ASSERT_EQ(sink.shown.size(), 1u);
  model.Calculate();  // no record: every field cleared, nothing thrown
  EXPECT_EQ(model.form().At("CPD").text(), "");
}

TEST(PropWindowLibrary, FallsBackToTheShippedLibraryButSavesToTheSupportFolder) {
  tharvex::testing::StrictMessageSink sink;
  PropWindowModel model(sink);
  fs::path dir = fs::temp_directory_path() / ("tharvex_fallback_" + std::to_string(::getpid()));
  std::string target = (dir / "Supports" / kPropLibFileName).string();
  model.LoadLibrary(target, std::string(THARVEX_SOURCE_DIR) + "/data/" + kPropLibFileName);
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_GE(model.records().size(), 25u);
  ASSERT_TRUE(model.SaveLibrary());
  EXPECT_TRUE(fs::exists(target));
  fs::remove_all(dir);
}

}  // namespace
}  // namespace tharvex::props
