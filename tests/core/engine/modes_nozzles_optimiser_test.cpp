// Nozzles, the mode handlers with the field states they set, and the
// optimiser's sweeps.
#include <cmath>

#include "core/fields/colors.h"
#include "engine_fixture.h"

namespace tharvex::engine::testing {
namespace {

using Nozzles = EngineTest;

TEST_F(Nozzles, DiametersAreRoundedToWholeMillimetresAndAtLeastSix) {
  struct Case {
    const char* flow;
    const char* shown;
  };
  // Liquid shell side, 1000 kg/m3 and 500 Pa: these flows give 4.2 mm and 23.46 mm.
  for (Case c : {Case{"0.011312089502027639", "0.006"}, Case{"0.35293950105295674", "0.023"}}) {
    C("PhsD").setItemIndex(kLiquid);
    C("WsD").setText(c.flow);
    C("DensD").setText("1000");
    form().ClearEdit(C("dipSD"));
    form().ClearEdit(C("UpSD"));
    C("DpsD").setText("");
    engine().NozzleStep();
    EXPECT_EQ(Text("dipSD"), c.shown);
    EXPECT_EQ(C("dipSD").color(), colors::SkyBlue);
    EXPECT_NEAR(SI("UpSD"), std::sqrt(500 / 750.0), 1e-9);
    EXPECT_EQ(C("UpSD").color(), colors::MoneyGreen);
    EXPECT_EQ(Text("DpsD"), "");
  }
}

TEST_F(Nozzles, NozzleDropIsAddedToTheBankDrop) {
  C("WsD").setText("3");
  C("DpsD").setText("46.5");
  engine().NozzleStep();
  EXPECT_EQ(Text("DpsD"), "546.5");
  // A vapour shell side without its vapour density skips the solves, but the
  // rounding and the sum still run.
  C("PhsD").setItemIndex(kCondensing);
  C("dipSD").setText("0.0123");
  C("DpsD").setText("10");
  engine().NozzleStep();
  EXPECT_EQ(Text("dipSD"), "0.012");
  EXPECT_EQ(Text("DpsD"), "510");
}

using Modes = EngineTest;

TEST_F(Modes, WindowStartsInDesignMode) {
  EXPECT_TRUE(C("rh1D").enabled());
  EXPECT_FALSE(C("PwD").enabled());
  for (const char* n : {"LatD", "Xt1D", "Xt2D", "DentvD", "MtvD", "DHtD", "CptvD", "DHsD", "DensvD"})
    EXPECT_FALSE(C(n).enabled()) << n;
  for (const char* n : {"SigsD", "SigtD"}) {
    EXPECT_TRUE(C(n).readOnly());
    EXPECT_EQ(C(n).color(), colors::BtnFace);
  }
  for (const char* n : {"UpSD", "dipSD", "UpTD", "DipTD"}) {
    EXPECT_EQ(Text(n), "");
    EXPECT_FALSE(C(n).readOnly());
    EXPECT_EQ(C(n).color(), colors::Window);
  }
  EXPECT_TRUE(C("HbxD").readOnly());
}

TEST_F(Modes, RatingModeTakesTheCasingFromTheUser) {
  AirWaterCase();
  Select("CalTypeD", 1);
  for (const char* n : {"HbxD", "LsD", "NhD", "NwD"}) {
    EXPECT_FALSE(C(n).readOnly()) << n;
    EXPECT_EQ(C(n).color(), colors::Window);
    EXPECT_EQ(C(n).fontColor(), colors::Black);
  }
  for (const char* n : {"Us2L", "Us2D", "Us2U", "Ut2D", "LsmD", "OMD", "OML", "tbOpt1", "MROpt1"})
    EXPECT_FALSE(C(n).enabled()) << n;
  // The given casing: 4 tubes per column, 3 columns, 0.5 m high, square bank.
  Set("NhD", "4");
  Set("NwD", "3");
  Set("HbxD", "0.5");
  form().SelectItem(C("CBTubArr"), 1);
  EXPECT_EQ(Text("NtD"), "12");
  EXPECT_EQ(Text("HbxD"), "0.5");
  EXPECT_EQ(Text("WbxD"), "0.324");
  Select("CalTypeD", 0);
  for (const char* n : {"HbxD", "LsD", "NhD", "NwD"}) {
    EXPECT_TRUE(C(n).readOnly()) << n;
    EXPECT_EQ(C(n).color(), colors::BtnFace);
    EXPECT_EQ(C(n).fontColor(), colors::Blue);
  }
  EXPECT_TRUE(C("tbOpt1").enabled());
}

TEST_F(Modes, OptimisationTypeRunsTheModeHandler) {
  C("CalTypeD").setItemIndex(1);
  Select("OMD", 1);
  EXPECT_FALSE(C("HbxD").readOnly());
  EXPECT_FALSE(C("tbOpt1").enabled());
}

TEST_F(Modes, GasAndVapourRaiseLowTubeVelocities) {
  Select("PhtD", kGas);
  EXPECT_EQ(Text("Ut2D"), "20");
  EXPECT_EQ(Text("UtmD"), "20");
  Select("PhtD", kLiquid);
  C("Ut2D").setText("12");
  C("UtmD").setText("0.5");
  Select("PhtD", kCondensing);
  EXPECT_EQ(Text("Ut2D"), "12");
  EXPECT_EQ(Text("UtmD"), "20");
  C("Ut2D").setText("");  // unreadable: a message, no crash
  sink.Expect("is not a valid floating point value");
  Select("PhtD", kGas);
  EXPECT_FALSE(sink.shown.empty());
}

TEST_F(Modes, CondensingTubeEnablesItsQuantities) {
  Select("PhtD", kCondensing);
  for (const char* n : {"LatD", "LatL", "LatU", "Xt1D", "Xt2D", "DentvD", "DentvU", "MtvD", "DHtD", "DhtU", "SBP4"})
    EXPECT_TRUE(C(n).enabled()) << n;
  EXPECT_EQ(C("DHtD").color(), colors::Window);
  EXPECT_TRUE(C("TLState").visible());
  EXPECT_FALSE(C("CptvD").enabled());
  Select("PhtD", kLiquid);
  for (const char* n : {"LatD", "Xt1D", "DentvD", "DHtD", "DhtU", "SBP4"}) EXPECT_FALSE(C(n).enabled()) << n;
  EXPECT_EQ(C("DHtD").color(), colors::BtnFace);
  EXPECT_FALSE(C("TLState").visible());
}

TEST_F(Modes, WetAirBareTubesAndArrangement) {
  Check("CBWater", true);
  EXPECT_TRUE(C("PwD").enabled());
  EXPECT_TRUE(C("PwU").enabled());
  Check("CBWater", false);
  EXPECT_FALSE(C("rh1D").enabled());

  AirWaterCase();
  Check("CBTType", true);
  for (const char* n : {"hfD", "hfL", "hfU", "PfD", "TfD", "FmD", "btaD", "ytaD"}) EXPECT_FALSE(C(n).enabled()) << n;
  EXPECT_EQ(Text("btaD"), "1");  // recalculated
  Check("CBTType", false);
  EXPECT_TRUE(C("hfD").enabled());
  EXPECT_EQ(C("btaD").color(), colors::BtnFace);
  EXPECT_EQ(C("hfD").color(), colors::Window);

  Check("CBRoate", true);
  form().SelectItem(C("CBTubArr"), 1);
  EXPECT_EQ(C("CBRoate").caption(), "转角45°");
  EXPECT_TRUE(C("CBRoate").checked());
  form().SelectItem(C("CBTubArr"), 0);
  EXPECT_EQ(C("CBRoate").caption(), "转角30°");
}

using Optimiser = EngineTest;

TEST_F(Optimiser, NoAcceptablePointFails) {
  AirWaterCase();
  C("CsrD").setText("1e9");
  engine().BtOpt1Click(nullptr);
  EXPECT_EQ(Status(), "优化设计失败！");
  EXPECT_EQ(Text("UtmD"), "0.5");  // the window as before the sweep
  EXPECT_TRUE(engine().state().InteractiveOutput);
  EXPECT_FALSE(engine().state().Optimising);
}

TEST_F(Optimiser, FastestTakesTheFirstAcceptablePoint) {
  AirWaterCase();
  C("CsrD").setText("-1e9");
  C("LsmD").setText("1e9");
  engine().BtOpt1Click(nullptr);
  EXPECT_EQ(Status(), "优化设计成功！");
  EXPECT_EQ(Text("UtmD"), "1.5");
  // Length from the highest face velocity, whole millimetres.
  const double length = 5 / (SI("HbxD") * 1.06 * 3.5);
  EXPECT_NEAR(SI("LsD"), std::round(length * 1000) / 1000, 1e-12);
  EXPECT_NEAR(SI("UempD"), 3.5, 0.01);
  // The sweep writes no trace: the message pane shows the ordinary
  // calculation that started it.
  const auto& memo = C("MemoMessage").lines();
  ASSERT_GT(memo.size(), 5u);
  EXPECT_EQ(memo[5].rfind("Uemp=", 0), 0u);
  EXPECT_NE(memo[5], "Uemp=" + Text("UempD"));
}

TEST_F(Optimiser, BestKeepsTheHighestCoefficient) {
  AirWaterCase();
  Select("OMD", 1);
  C("CsrD").setText("0");
  engine().BtOpt1Click(nullptr);
  EXPECT_EQ(Status(), "优化设计成功！");
  const double k = SI("KaD");
  EXPECT_GE(Number("CsD"), 0);
  EXPECT_LE(SI("LsD"), 15);
  // Every other grid point of the first face velocity that is acceptable has
  // a lower coefficient.
  const double lmtd = engine().state().CachedLmtd;
  engine().state().InteractiveOutput = false;
  engine().state().Optimising = true;
  engine().state().OptFaceVelocity = 3.5;
  for (int j = 0; j <= 40; ++j) {
    C("UtmD").SetSIValue(1.5 - j / 40.0 * (1.5 - 0.01));
    Calc();
    if (Number("CsD") >= 0 && SI("LsD") <= 15) {
      EXPECT_LE(SI("KaD"), k) << j;
    }
  }
  EXPECT_EQ(engine().state().CachedLmtd, lmtd);
}

TEST_F(Optimiser, UnreadableLimitIsAnError) {
  AirWaterCase();
  C("CsrD").setText("");
  engine().BtOpt1Click(nullptr);
  EXPECT_EQ(Status(), "优化设计出错！");
  EXPECT_TRUE(engine().state().InteractiveOutput);
  EXPECT_FALSE(engine().state().Optimising);
}

}  // namespace
}  // namespace tharvex::engine::testing
