// Heat balance pieces: wet-air condensation heat, tube duty, casing heat
// loss, the shown shell heat, the input check and the hot/cold labels.
#include "core/engine/checked_math.h"
#include "core/fields/colors.h"
#include "engine_fixture.h"

namespace tharvex::engine::testing {
namespace {

using HeatBalance = EngineTest;

TEST_F(HeatBalance, WetAirGivesCondensationHeatOnlyBelowTheDewPoint) {
  Check("CBWater", true);
  C("WsD").setText("2");
  C("Ts1D").setText("35");
  C("rh1D").setText("80");
  C("Ts2D").setText("20");  // the 35 °C / 80 % inlet has its dew point near 31 °C
  // ps(35) = 5601.26 Pa, ps(20) = 2312.95 Pa; x1 = 0.622 x 0.8 x 5601.26 / (101325 - 0.8 x 5601.26)
  // = 0.028780, x2 = 0.622 x 2312.95 / (100000 - 2312.95) = 0.014727; dry-air fraction 0.964953;
  // heat (x1 - x2) x 2 x 0.964953 x 2491.3 kJ/kg = 67566.6 W.
  EXPECT_NEAR(engine().WetCondensationHeat(), 67566.63168822342, 1e-6);
  C("Ts2D").setText("33");
  EXPECT_EQ(engine().WetCondensationHeat(), 0);
  Check("CBWater", false);
  C("Ts2D").setText("20");
  EXPECT_EQ(engine().WetCondensationHeat(), 0);
  Check("CBWater", true);
  C("PwD").setText("");  // one of the five texts empty
  EXPECT_EQ(engine().WetCondensationHeat(), 0);
}

TEST_F(HeatBalance, TubeDutyByPhase) {
  ValueArray v{};
  v[0] = 2, v[1] = 4200, v[2] = 20, v[3] = 50, v[4] = 2.2e6;
  EXPECT_DOUBLE_EQ(engine().TubeDuty(v, 4), 2 * 4200 * 30.0);
  // Condensing vapour at constant temperature: the latent part only, negative
  // (the tube fluid gives heat) for X1 > X2.
  form().SelectItem(C("PhtD"), kCondensing);
  C("LatD").setText("2");
  C("Xt1D").setText("1.0");
  C("Xt2D").setText("0.0");
  v[3] = 20;
  EXPECT_DOUBLE_EQ(engine().TubeDuty(v, 4), -2 * (1 - 0.02) * 1.0 * 2.2e6);
  C("LatD").setText("abc");
  EXPECT_THROW(engine().TubeDuty(v, 4), ConversionError);
}

TEST_F(HeatBalance, CasingHeatLossIteratesTheWallTemperature) {
  ValueArray v{};
  // as 50, Rs 0.00017, steel wall 10 mm, rock wool 10 mm, casing 1 x 2 x 0.5 m,
  // shell 120 -> 60 °C, ambient 20 °C: R0 = 0.32339, area 7 m2, wall at 35.49 °C,
  // loss 70 x 7 / 0.41527 = 1179.96 W.
  const double in[] = {50, 0.00017, 0.01, 0.01, 1, 2, 0.5, 120, 60, 20};
  for (int i = 0; i < 10; ++i) v[static_cast<size_t>(i)] = in[i];
  EXPECT_NEAR(engine().ShellHeatLoss(v, 19), 1179.9623959939722, 1e-9);
  v[0] = 0;
  EXPECT_THROW(engine().ShellHeatLoss(v, 19), ArithmeticError);
}

TEST_F(HeatBalance, HeatLossIsZeroUntilTheShellCoefficientIsKnown) {
  AirWaterCase();  // the first calculation had no asD: the balance used no loss
  EXPECT_FALSE(Text("asD").empty());
  Calc();
  EXPECT_GT(SI("QeD"), 0);
  C("asD").setText("");
  C("QeD").setText("");
  engine().BalanceStep();
  EXPECT_EQ(Text("QeD"), "0");
}

TEST_F(HeatBalance, ShownShellHeatChangesOnlyByTenPerCent) {
  Set("TaD", "");
  AirWaterCase();
  EXPECT_EQ(Text("QsD"), "-301500");
  Set("Ts1D", "125");  // 5 % more heat: QsD keeps its text
  EXPECT_EQ(Text("QsD"), "-301500");
  Set("Ts1D", "140");  // 33 % more
  EXPECT_EQ(Text("QsD"), "-402000");
  EXPECT_EQ(C("QsD").color(), colors::BtnFace);
}

struct CrossCase {
  const char *ts1, *ts2, *tt1, *tt2;
  int shellPhase, tubePhase;
  bool fails;
};

class TemperatureCross : public EngineTest, public ::testing::WithParamInterface<CrossCase> {};

TEST_P(TemperatureCross, Check) {
  const CrossCase& c = GetParam();
  C("Ts1D").setText(c.ts1);
  C("Ts2D").setText(c.ts2);
  C("Tt1D").setText(c.tt1);
  C("Tt2D").setText(c.tt2);
  C("PhsD").setItemIndex(c.shellPhase);
  C("PhtD").setItemIndex(c.tubePhase);
  form().setStatus(1, "输入数据错误:温度交叉！");
  if (c.fails) {
    EXPECT_THROW(engine().CheckInput(nullptr), AttemptStopped);
    EXPECT_EQ(Status(), "输入数据错误:温度交叉！");
  } else {
    EXPECT_NO_THROW(engine().CheckInput(nullptr));
    EXPECT_EQ(Status(), "");
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, TemperatureCross,
                         ::testing::Values(CrossCase{"120", "60", "20", "40", 1, 0, false},   // counter-current
                                           CrossCase{"120", "60", "40", "20", 1, 0, true},    // both cooled
                                           CrossCase{"60", "120", "20", "40", 1, 0, true},    // both heated
                                           CrossCase{"120", "120", "20", "40", 1, 0, false},  // d = 0, e > 0
                                           CrossCase{"30", "30", "20", "40", 1, 0, true},     // d = 0, e < 0
                                           CrossCase{"120", "60", "60", "80", 1, 0, true},    // e = 0
                                           CrossCase{"120", "60", "40", "20", 1, 2, false},   // two-phase: d ignored
                                           CrossCase{"50", "40", "100", "100", 1, 2, false}));

TEST_F(HeatBalance, ACrossedTemperatureAsksForTheFocusBackOnAValueField) {
  C("Ts1D").setText("120");
  C("Ts2D").setText("60");
  C("Tt1D").setText("40");
  C("Tt2D").setText("20");
  EXPECT_THROW(engine().CheckInput(&C("Tt2D")), AttemptStopped);
  EXPECT_EQ(form().TakeFocusRequest(), &C("Tt2D"));
  EXPECT_EQ(form().TakeFocusRequest(), nullptr);  // taken once
  // Not from a list or from a calculation without a sender.
  EXPECT_THROW(engine().CheckInput(&C("PnD")), AttemptStopped);
  EXPECT_THROW(engine().CheckInput(nullptr), AttemptStopped);
  EXPECT_EQ(form().TakeFocusRequest(), nullptr);
  // The other checks leave the focus alone.
  C("Tt1D").setText("20");
  C("Tt2D").setText("40");
  C("diD").setText("0.038");
  EXPECT_THROW(engine().CheckInput(&C("diD")), AttemptStopped);
  EXPECT_EQ(form().TakeFocusRequest(), nullptr);
}

TEST_F(HeatBalance, TubeWallAndCollisionChecks) {
  C("diD").setText("0.038");
  EXPECT_THROW(engine().CheckInput(nullptr), AttemptStopped);
  EXPECT_EQ(Status(), "输入数据错误:管子内经大于等于外径！");
  C("diD").setText("0.035");
  C("PtD").setText("0.069");  // 38 mm tube with 16 mm fins needs 70 mm
  EXPECT_THROW(engine().CheckInput(nullptr), AttemptStopped);
  EXPECT_EQ(Status(), "输入数据错误:换热管碰撞！");
  Check("CBTType", true);  // bare tubes do not touch
  EXPECT_NO_THROW(engine().CheckInput(nullptr));
  EXPECT_EQ(Status(), "");
  // A test skipped for empty fields leaves the panel alone.
  form().setStatus(1, "输入数据错误:管子内经大于等于外径！");
  C("diD").setText("");
  EXPECT_NO_THROW(engine().CheckInput(nullptr));
  EXPECT_EQ(Status(), "输入数据错误:管子内经大于等于外径！");
}

TEST_F(HeatBalance, HotAndColdLabels) {
  C("Ts1D").setText("120");
  C("Tt2D").setText("40");
  EXPECT_EQ(engine().LabelHotCold(), HotSide::Shell);
  EXPECT_EQ(Text("HTsD"), "热流体");
  EXPECT_EQ(Text("HTtD"), "冷流体");
  C("Tt2D").setText("");
  C("Ts2D").setText("30");
  C("Tt1D").setText("80");
  EXPECT_EQ(engine().LabelHotCold(), HotSide::Tube);
  EXPECT_EQ(Text("HTsD"), "冷流体");
  EXPECT_EQ(Text("HTtD"), "热流体");
  C("Tt1D").setText("");
  EXPECT_EQ(engine().LabelHotCold(), HotSide::Unknown);
  EXPECT_EQ(Text("HTsD"), "");
  EXPECT_EQ(Text("HTtD"), "");
}

}  // namespace
}  // namespace tharvex::engine::testing
