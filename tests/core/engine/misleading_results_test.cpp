// Results that never mislead: the wet-air balance that does not settle, the
// optimiser's verdict, results an early-ending calculation left behind, the
// surplus short of the required one, and a text that is not a number.
#include <algorithm>
#include <cmath>
#include <set>

#include "core/fields/colors.h"
#include "core/output/report.h"
#include "core/output/rtf_writer.h"
#include "engine_fixture.h"

namespace tharvex::engine::testing {
namespace {

class Misleading : public EngineTest {
 protected:
  std::vector<std::string> EditTexts() {
    std::vector<std::string> t;
    for (const auto& c : form().controls())
      if (c->isEdit()) t.push_back(c->name() + "=" + c->text());
    return t;
  }
  std::set<std::string> StaleNames() {
    std::set<std::string> s;
    for (const auto& c : form().controls())
      if (c->stale()) s.insert(c->name());
    return s;
  }
  void ExpectNoAbsurdValue() {
    for (const auto& c : form().controls()) {
      if (!c->isEdit()) continue;
      if (auto v = ParseLenient(c->text())) {
        EXPECT_LE(std::fabs(*v), 1e100) << c->name() << " = " << c->text();
      }
    }
  }
};

// --- 1. Wet air with the shell flow unknown ---

TEST_F(Misleading, WetAirShellFlowIsSolvedWhereTheLatentHeatExceedsTheSensible) {
  Check("CBWater", true);
  Set("rh1D", "95");
  Set("Ts1D", "27");
  Set("Ts2D", "18");
  Set("Tt1D", "7");
  Set("Tt2D", "12");
  Set("WtD", "8");
  // By hand, with the saturation pressures of the steam tables (27 °C
  // 3.5679 kPa, 18 °C 2.0647 kPa): x1 = 0.622 x 0.95 x 3.5679 / (101.325 -
  // 0.95 x 3.5679) = 0.021527, x2 = 0.622 x 2.0647 / (100 - 2.0647) = 0.013113,
  // latent 0.008414 x 2491.3 = 20.96 kJ/kg dry air, 1/(1 + x1) = 0.97893 kg dry
  // air per kg; sensible 1.005 x 9 = 9.045 kJ/kg. Water: 8 x 4.2 x 5 = 168 kW.
  // Ws = 168 / (9.045 + 0.97893 x 20.96) = 5.682 kg/s.
  EXPECT_NEAR(SI("WsD"), 5.682, 0.06);
  EXPECT_EQ(C("WsD").color(), colors::BtnFace);
  EXPECT_NEAR(SI("QtD"), 168000, 1e-6);
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_EQ(Status(), "");
  EXPECT_FALSE(Text("CsD").empty());
  ExpectNoAbsurdValue();
  // The trace shows the condensation heat of the flow solved.
  EXPECT_EQ(C("MemoMessage").lines().front().rfind("QH=1165", 0), 0u) << C("MemoMessage").lines().front();
}

TEST_F(Misleading, SaturatedAirWithTheOutletUnknownSettles) {
  // Saturated air 40 °C, 5 kg/s, against 42 kW: almost all of it latent, so
  // the outlet stays within 2 K of the inlet (sensible alone would give 31.6 °C).
  Check("CBWater", true);
  Set("rh1D", "100");
  Set("WsD", "5");
  Set("Ts1D", "40");
  Set("Tt1D", "10");
  Set("Tt2D", "30");
  Set("WtD", "0.5");
  EXPECT_EQ(Status(), "");
  EXPECT_GT(SI("Ts2D"), 38);
  EXPECT_LT(SI("Ts2D"), 40);
  EXPECT_FALSE(Text("NtD").empty());
}

TEST_F(Misleading, ABalanceWithoutAnswerReleasesTheUnknownAndSaysSo) {
  // The operating pressure equal to the saturation pressure at the outlet:
  // the outlet humidity ratio has no value, for any flow.
  Check("CBWater", true);
  Set("rh1D", "95");
  Set("Ts1D", "27");
  Set("Ts2D", "18");
  char pw[40];
  std::snprintf(pw, sizeof pw, "%.17g", std::exp(23.1962 - 3816.44 / (18 + 273.15 - 46.13)));
  Set("PwD", pw);
  Set("Tt1D", "7");
  Set("Tt2D", "12");
  Set("WtD", "8");
  EXPECT_EQ(Status(), "热量平衡迭代不收敛，请检查输入数据！");
  EXPECT_EQ(Text("WsD"), "");
  EXPECT_EQ(C("WsD").color(), colors::Window);
  EXPECT_FALSE(C("WsD").readOnly());
  EXPECT_LE(sink.shown.size(), 3u);  // at most one box per attempt
  ExpectNoAbsurdValue();
  // A balance that settles clears the message.
  Check("CBWater", false);
  Calc();
  EXPECT_EQ(Status(), "");
  EXPECT_FALSE(Text("WsD").empty());
}

// --- 2. The optimiser ---

class OptimiserVerdict : public Misleading {
 protected:
  // The case: air heated from 15 to 75 °C by steam condensing at
  // 120 °C, small finned tubes, the air flow left to the balance.
  void SteamCase() {
    Set("dod", "0.025");
    Set("diD", "0.02");
    Set("hfD", "0.012");
    Set("PfD", "0.003");
    Set("TfD", "0.0004");
    Set("PtD", "0.055");
    Set("Ts1D", "15");
    Set("Ts2D", "75");
    Select("PhtD", kCondensing);
    Set("DentvD", "1.1");
    Set("MtvD", "1.3E-5");
    Set("CptD", "4220");
    Set("MtD", "0.00026");
    Set("LdtD", "0.68");
    Set("DentD", "945");
    Set("WtD", "0.3");
    Set("Tt1D", "120");
    Set("Tt2D", "120");
    Set("DHtD", "2200000");
    Select("OMD", 1);
    Set("Us2D", "4");
    Set("LsmD", "8");
  }
};

TEST_F(OptimiserVerdict, SuccessMeansTheDesignOnScreenMeetsTheLimits) {
  SteamCase();
  C("CsrD").setText("10");
  engine().BtOpt1Click(nullptr);
  ASSERT_EQ(Status(), "优化设计成功！");
  EXPECT_GE(Number("CsD"), 10);
  EXPECT_LE(SI("LsD"), 8);
  EXPECT_LE(SI("UempD") * SI("LsD"), 4 * (SI("LsD") + 0.0005));  // within the length's whole millimetres
  EXPECT_LE(SI("UtmD"), SI("Ut2D"));
  EXPECT_TRUE(StaleNames().empty());
  ExpectNoAbsurdValue();
  // One more calculation changes no field.
  const auto shown = EditTexts();
  Calc();
  EXPECT_EQ(EditTexts(), shown);
}

TEST_F(OptimiserVerdict, FastestAlsoHoldsOnTheNextCalculation) {
  SteamCase();
  Select("OMD", 0);
  C("CsrD").setText("10");
  engine().BtOpt1Click(nullptr);
  ASSERT_EQ(Status(), "优化设计成功！");
  EXPECT_GE(Number("CsD"), 10);
  const auto shown = EditTexts();
  Calc();
  EXPECT_EQ(EditTexts(), shown);
}

TEST_F(OptimiserVerdict, FailureAndErrorGiveTheWindowBack) {
  SteamCase();
  C("CsrD").setText("1e9");
  Calc();
  const auto before = EditTexts();
  const auto stale = StaleNames();
  const auto memo = C("MemoMessage").lines();
  engine().BtOpt1Click(nullptr);
  EXPECT_EQ(Status(), "优化设计失败！");
  EXPECT_EQ(EditTexts(), before);
  EXPECT_EQ(StaleNames(), stale);
  EXPECT_EQ(C("MemoMessage").lines(), memo);
  C("CsrD").setText("");
  engine().BtOpt1Click(nullptr);
  EXPECT_EQ(Status(), "优化设计出错！");
  EXPECT_EQ(EditTexts().size(), before.size());
  EXPECT_EQ(Text("LsD"), "2");
  EXPECT_TRUE(engine().state().InteractiveOutput);
  EXPECT_FALSE(engine().state().Optimising);
}

// --- 3. Stale results ---

TEST_F(Misleading, ResultsAnEarlyEndLeftBehindAreMarkedUntilTheNextCompleteCalculation) {
  AirWaterCase();
  EXPECT_TRUE(StaleNames().empty());
  EXPECT_FALSE(engine().AnyStale());
  struct Case {
    const char* field;
    const char* text;
    std::set<std::string> stale;  // results the attempt did not reach
  };
  const std::set<std::string> afterCheck = {"HTsD", "HTtD",  "CdtD",  "AdtD", "NtD", "NhD",  "NwD",  "HbxD", "WbxD",
                                            "afaD", "UempD", "UmaxD", "asD",  "afD", "btaD", "ytaD", "DpsD", "UtD",
                                            "atD",  "DptD",  "KaD",   "AcD",  "ArD", "AwrD", "CsD"};
  const Case cases[] = {
      {"Tt2D", "130", afterCheck},  // crossed temperatures
      {"diD", "0.04", afterCheck},  // tube wall
  };
  for (const Case& c : cases) {
    const std::string was = Text(c.field);
    Set(c.field, c.text);
    std::set<std::string> stale = StaleNames();
    for (const auto& name : c.stale)
      if (!Text(name).empty()) {
        EXPECT_TRUE(stale.count(name)) << c.field << ": " << name;
      }
    EXPECT_FALSE(stale.count("QtD")) << "written before the check";
    EXPECT_TRUE(engine().AnyStale());
    // The report says so under its title.
    const auto report = report::Texts(report::BuildReport(form(), ""));
    EXPECT_EQ(report[2], report::kStaleWarning);
    Set(c.field, was);
    EXPECT_TRUE(StaleNames().empty()) << c.field;
    EXPECT_NE(report::Texts(report::BuildReport(form(), ""))[2], report::kStaleWarning);
  }
  // Too many tubes: the layout and everything after it.
  Set("UtmD", "1e-9");
  EXPECT_TRUE(StaleNames().count("KaD"));
  EXPECT_TRUE(StaleNames().count("NtD"));
  Set("UtmD", "0.5");
  EXPECT_TRUE(StaleNames().empty());
}

// --- 4. Pass or fail at a glance ---

TEST_F(Misleading, SurplusShortOfTheRequiredIsRedOnScreenAndInTheReport) {
  AirWaterCase();
  ASSERT_LT(Number("CsD"), 10);  // 2 m of tubes are not enough
  EXPECT_EQ(C("CsD").fontColor(), colors::Red);
  auto row = [&] {
    for (const auto& line : report::Texts(report::BuildReport(form(), "")))
      if (line.find("实际富余度") != std::string::npos) return line;
    return std::string();
  };
  EXPECT_TRUE(row().ends_with("(不足)")) << row();
  // The row is red in the report view and in the saved RTF (colour 2 of its table).
  const auto styled = report::BuildReport(form(), "");
  const auto shortRow = std::find_if(styled.begin(), styled.end(),
                                     [](const report::StyledLine& l) { return l.text.ends_with("(不足)"); });
  ASSERT_NE(shortRow, styled.end());
  EXPECT_TRUE(shortRow->red);
  EXPECT_EQ(std::count_if(styled.begin(), styled.end(), [](const report::StyledLine& l) { return l.red; }), 1);
  const std::string rtf = report::WriteRtf(styled);
  EXPECT_NE(rtf.find("\\red255\\green0\\blue0;"), std::string::npos);
  EXPECT_NE(rtf.find("\\cf2"), std::string::npos);
  C("CsrD").setText(FormatGeneral(Number("CsD") - 1));
  Calc();
  EXPECT_EQ(C("CsD").fontColor(), colors::Blue);
  EXPECT_FALSE(row().ends_with("(不足)")) << row();
  EXPECT_EQ(report::WriteRtf(report::BuildReport(form(), "")).find("\\cf2"), std::string::npos);
}

TEST_F(Misleading, LaminarAndCorrectionWarningsShowTogetherUntilTheNextCalculation) {
  // Air 100 -> 50 °C against water 10 -> 90 °C in two passes: no real
  // correction factor; a viscous tube liquid runs laminar.
  Set("WsD", "5");
  Set("Ts1D", "100");
  Set("Ts2D", "50");
  Set("Tt1D", "10");
  Set("Tt2D", "90");
  Select("PnD", 1);
  Set("MtD", "0.5");
  EXPECT_EQ(Status(), "温差校正系数<0.8，如可能请调整工艺数据!  管内流速太低，处于层流区！");
  Set("MtD", "0.0008");
  EXPECT_EQ(Status(), "温差校正系数<0.8，如可能请调整工艺数据!");
  Set("MtD", "0.5");
  Set("Tt2D", "40");
  EXPECT_EQ(Status(), "管内流速太低，处于层流区！");
  // A calculation that ends before the tube side no longer shows the
  // previous calculation's warning.
  Set("Tt2D", "130");
  EXPECT_EQ(Status(), "输入数据错误:温度交叉！");
}

// --- 9. An unreadable input is named ---

TEST_F(Misleading, UnreadableInputIsNamedUntilCorrectedOrEmptied) {
  AirWaterCase();
  sink.Expect("发现错误，可能是输入数据错误！");
  Set("WsD", "3O");
  EXPECT_EQ(sink.shown.size(), 3u);  // the solver's boxes, one per attempt
  for (const auto& m : sink.shown) {
    EXPECT_EQ(m.text, "发现错误，可能是输入数据错误！");
    EXPECT_EQ(m.caption, "警告");
  }
  EXPECT_TRUE(C("WsD").unreadable());
  EXPECT_EQ(Status(), "无法识别的输入：质量流量 3O");
  EXPECT_TRUE(StaleNames().count("KaD"));
  Set("khwD", "1.6x");  // a plain numeric edit; the first field in window order is named
  EXPECT_TRUE(C("khwD").unreadable());
  EXPECT_EQ(Status(), "无法识别的输入：质量流量 3O");
  Set("WsD", "3");
  EXPECT_FALSE(C("WsD").unreadable());
  EXPECT_EQ(Status(), "无法识别的输入：高宽比(H/W) 1.6x");
  Set("khwD", "");
  EXPECT_FALSE(C("khwD").unreadable());
  EXPECT_EQ(Status(), "");
  EXPECT_FALSE(C("HTsD").unreadable());  // a text result is no number field
}

}  // namespace
}  // namespace tharvex::engine::testing
