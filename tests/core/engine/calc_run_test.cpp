// The calculation run on the window model: when it runs, what a new case
// does, attempts that fail, the balance loop and its bound, trace output.
#include <algorithm>

#include "core/fields/colors.h"
#include "engine_fixture.h"

namespace tharvex::engine::testing {
namespace {

using Calculation = EngineTest;

TEST_F(Calculation, NewCaseWithDefaultsStopsAtTheEmptyTubeFlow) {
  Calc();
  EXPECT_EQ(Text("QtD"), "0");
  EXPECT_EQ(Text("QaD"), "0");
  EXPECT_EQ(Text("CdtD"), "");
  EXPECT_EQ(Text("NtD"), "");  // every attempt ended at step 6
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_TRUE(model.project().modified);
  EXPECT_TRUE(C("MFSave").enabled());
}

TEST_F(Calculation, ExitHandlersAreWiredToTheListedControlsOnly) {
  auto recalculates = [&](const std::string& name) {
    C("QtD").setText("x");
    form().Leave(C(name));
    return Text("QtD") != "x";
  };
  for (const char* name :
       {"WsD",  "CpsD", "Ts1D", "MsD", "TaD", "hfD",  "dod", "PtD",  "HbxD",  "LsD",  "NtD",  "khwD", "BayD",
        "LatD", "PnD",  "FmD",  "TmD", "SmD", "UtmD", "RtD", "LsmD", "DppSD", "UpTD", "DpsD", "QsD",  "afaD"})
    EXPECT_TRUE(recalculates(name)) << name;
  for (const char* name : {"asD",  "afD",  "UempD", "UmaxD",    "atD",      "UtD",   "QaD",  "AdtD", "AcD",  "ArD",
                           "KaD",  "AwrD", "Us2D",  "Ut2D",     "dipSD",    "DipTD", "rh1D", "Xt1D", "Xt2D", "CsrD",
                           "PhsD", "PhtD", "PmD",   "CalTypeD", "CBTubArr", "PD",    "tD",   "MnD"})
    EXPECT_FALSE(recalculates(name)) << name;
  // Change and click handlers.
  C("QtD").setText("x");
  form().SelectItem(C("PmD"), 3);
  EXPECT_EQ(Text("QtD"), "0");
  C("QtD").setText("x");
  Check("CBRoate", true);
  EXPECT_EQ(Text("QtD"), "0");
  C("QtD").setText("x");
  Check("CBWater", true);
  EXPECT_EQ(Text("QtD"), "x");
}

TEST_F(Calculation, OneEmptyBalanceFieldIsSolvedAndMarked) {
  AirWaterCase();
  EXPECT_NEAR(SI("WtD"), 5 * 1005 * 60 / (4200.0 * 20), 0.01);  // the heat loss takes a little
  EXPECT_EQ(C("WtD").color(), colors::BtnFace);
  EXPECT_TRUE(C("WtD").readOnly());
  EXPECT_EQ(C("WtD").cursor(), CursorKind::No);
  EXPECT_FALSE(Text("CsD").empty());
  // Emptying another member releases the solved one for input.
  Set("Tt2D", "");
  EXPECT_EQ(Text("WtD"), "");
  EXPECT_EQ(C("WtD").color(), colors::Window);
  EXPECT_FALSE(C("WtD").readOnly());
}

TEST_F(Calculation, TraceLinesOnlyWhileOutputIsInteractive) {
  AirWaterCase();
  auto lines = C("MemoMessage").lines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "QH=0 W");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "***************管程计算开始***************"), lines.end());
  EXPECT_FALSE(engine().drawing().items.empty());
  const size_t drawn = engine().drawing().items.size();

  engine().state().InteractiveOutput = false;
  Set("Ts1D", "130");
  EXPECT_EQ(C("MemoMessage").lines(), lines);
  EXPECT_EQ(engine().drawing().items.size(), drawn);
}

TEST_F(Calculation, AnEmptyTextFieldEndsEveryAttemptAtTheLayout) {
  AirWaterCase();
  C("NtD").setText("");
  Set("BayD", "");
  EXPECT_EQ(Text("NtD"), "");
  EXPECT_FALSE(Text("QtD").empty());
}

TEST_F(Calculation, EvaporatingTubeSideIsRejectedAtTheTubeCount) {
  AirWaterCase();
  const std::string nt = Text("NtD");
  form().SelectItem(C("PhtD"), kEvaporating);
  Calc();
  EXPECT_EQ(Status(), "管程液体蒸发工况暂不支持！");
  EXPECT_EQ(Text("QtD"), "0");
  EXPECT_EQ(Text("QaD"), "0");
  EXPECT_EQ(Text("NtD"), nt);  // no layout
  form().SelectItem(C("PhtD"), kLiquid);
  Calc();
  EXPECT_EQ(Status(), "");
}

TEST_F(Calculation, TooManyTubesStopsTheAttempt) {
  AirWaterCase();
  Set("UtmD", "1e-6");
  EXPECT_EQ(Status(), "输入数据错误:管数过多！");
  Set("UtmD", "0.5");
  EXPECT_EQ(Status(), "");
  EXPECT_FALSE(Text("NtD").empty());
  // Counts within the bound clear the warning even when the casing size that
  // follows them fails (a rating casing of zero height).
  Select("CalTypeD", 1);
  Set("NhD", "1000");
  Set("NwD", "1000");
  EXPECT_EQ(Status(), "输入数据错误:管数过多！");
  Set("HbxD", "0");
  Set("NwD", "4");
  EXPECT_EQ(Status(), "");
  EXPECT_EQ(Text("NwD"), "4");  // the attempt ended before the counts were written
  EXPECT_EQ(Text("NhD"), "1000");
}

TEST_F(Calculation, ResultsDoNotDependOnTheDisplayUnits) {
  Set("TaD", "");  // no casing heat loss: one calculation settles the case
  AirWaterCase();
  const double ka = SI("KaD"), ac = SI("AcD"), dps = SI("DpsD");
  for (const char* unit : {"WsU", "KaU", "AcU", "DpsU", "hfU", "LsU"}) form().PickUnit(C(unit), 1);
  Calc();
  EXPECT_NEAR(SI("KaD"), ka, ka * 1e-12);
  EXPECT_NEAR(SI("AcD"), ac, ac * 1e-12);
  EXPECT_NEAR(SI("DpsD"), dps, dps * 1e-12);
}

}  // namespace
}  // namespace tharvex::engine::testing
