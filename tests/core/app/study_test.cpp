// Parametric study: each step equals a single calculation of the same
// inputs, the case it is made from stays as it was, failed steps are marked
// and no message box opens.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/app/main_model.h"
#include "core/app/study.h"
#include "core/engine/design_case.h"
#include "tests/strict_message_sink.h"

namespace tharvex::study {
namespace {

// Air 5 kg/s cooled from 120 to 60 °C by water heated from 20 to 40 °C, the
// water flow left to the heat balance; two passes.
void AirWaterCase(MainModel& m) {
  Form& f = m.form();
  f.EnterText(f.At("WsD"), "5");
  f.EnterText(f.At("Ts1D"), "120");
  f.EnterText(f.At("Ts2D"), "60");
  f.EnterText(f.At("Tt1D"), "20");
  f.EnterText(f.At("Tt2D"), "40");
  f.SelectItem(f.At("PnD"), 1);
  f.Leave(f.At("PnD"));
}

const std::vector<std::string> kOutputs = {"WtD", "NtD", "HbxD", "UempD", "UtD", "DpsD", "DptD", "KaD", "CsD"};

std::vector<std::string> AllTexts(const MainModel& m) {
  std::vector<std::string> t;
  for (const auto& c : m.form().controls()) t.push_back(c->name() + "=" + c->text() + "|" + std::to_string(c->color()));
  for (const auto& c : m.form().controls())
    for (const auto& l : c->lines()) t.push_back(l);
  return t;
}

TEST(Study, ElevenStepsOfTheShellFlowEqualSingleCalculations) {
  tharvex::testing::StrictMessageSink sink;
  MainModel source(sink);
  AirWaterCase(source);
  const std::vector<std::string> before = AllTexts(source);

  StudySpec spec{"WsD", 4, 6, 11, kOutputs, {}};
  ASSERT_EQ(CheckSpec(source, spec), "");
  const StudyResult r = RunStudy(source, spec);
  ASSERT_EQ(r.rows.size(), 11u);
  EXPECT_EQ(AllTexts(source), before);  // the case itself is untouched

  for (size_t k = 0; k < r.rows.size(); ++k) {
    const StudyRow& row = r.rows[k];
    SCOPED_TRACE("step " + std::to_string(k) + ", WsD=" + row.inputText);
    EXPECT_NEAR(row.input, 4 + 0.2 * static_cast<double>(k), 1e-12);
    ASSERT_TRUE(row.ok);
    // The same case, the same value typed into the field by hand.
    tharvex::testing::StrictMessageSink s2;
    MainModel single(s2);
    AirWaterCase(single);
    single.form().EnterText(single.form().At("WsD"), row.inputText);
    for (size_t o = 0; o < kOutputs.size(); ++o) {
      EXPECT_EQ(row.texts[o], single.form().At(kOutputs[o]).text()) << kOutputs[o];
      EXPECT_FALSE(std::isnan(row.values[o])) << kOutputs[o];
    }
  }
  // The surplus falls as the air flow to cool grows in a fixed design.
  EXPECT_GT(r.rows.front().values.back(), r.rows.back().values.back());
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_EQ(
      StudyCsv(r).substr(0, StudyCsv(r).find('\n')),
      "WsD [kg/s],WtD [kg/s],NtD [根],HbxD [m],UempD [m/s],UtD [m/s],DpsD [N/m2],DptD [N/m2],KaD [W/(m2.K)],CsD,ok,"
      "warning");
}

TEST(Study, FailedStepsAreMarkedAndNoMessageBoxOpens) {
  tharvex::testing::StrictMessageSink sink;
  MainModel source(sink);
  AirWaterCase(source);
  // Outlet air from 50 to 130 °C: above the inlet the temperatures cross.
  const StudyResult r = RunStudy(source, {"Ts2D", 50, 130, 9, {"CsD", "KaD"}, {}});
  ASSERT_EQ(r.rows.size(), 9u);
  int failed = 0;
  for (const StudyRow& row : r.rows) {
    if (row.input >= 120) {
      EXPECT_FALSE(row.ok) << row.inputText;
      EXPECT_TRUE(std::isnan(row.values[0]));
      EXPECT_EQ(row.texts[0], "");
      ++failed;
    } else {
      EXPECT_TRUE(row.ok) << row.inputText;
    }
  }
  EXPECT_EQ(failed, 2);  // 120 and 130
  EXPECT_TRUE(sink.shown.empty());
  const std::string csv = StudyCsv(r);
  EXPECT_NE(csv.find("130,,,0,"), std::string::npos) << csv;
}

TEST(Study, SpecificationsThatCannotRun) {
  tharvex::testing::StrictMessageSink sink;
  MainModel m(sink);
  AirWaterCase(m);
  struct Case {
    StudySpec spec;
    const char* why;
  };
  const Case cases[] = {
      {{"NoSuch", 1, 2, 3, {"CsD"}, {}}, "unknown field 'NoSuch'"},
      {{"PnD", 1, 2, 3, {"CsD"}, {}}, "'PnD' is not a value field"},
      {{"KaD", 1, 2, 3, {"CsD"}, {}}, "'KaD' is not an input in this case"},
      {{"WsD", 1, 2, 0, {"CsD"}, {}}, "the number of steps must be 1 to 10000"},
      {{"WsD", 1, std::nan(""), 3, {"CsD"}, {}}, "the range must be finite numbers"},
      {{"WsD", 1, 2, 3, {}, {}}, "no result field to follow"},
      {{"WsD", 1, 2, 3, {"CsD", "Nope"}, {}}, "unknown field 'Nope'"},
      {{"WsD", 0, 0, 0, {"CsD"}, {4.0, INFINITY}}, "the values must be finite numbers"},
  };
  for (const Case& c : cases) EXPECT_EQ(CheckSpec(m, c.spec), c.why);

  struct Arg {
    const char* text;
    bool ok;
  };
  for (const Arg& a : {Arg{"WsD=4:6:11", true}, Arg{"WsD=6:4:3", true}, Arg{"WsD=4:6", false}, Arg{"=4:6:11", false},
                       Arg{"WsD=a:6:11", false}, Arg{"WsD=4:6:11:2", false}, Arg{"WsD=4:6:1.5", false}})
    EXPECT_EQ(ParseStudyArg(a.text).has_value(), a.ok) << a.text;
  EXPECT_EQ(ParseNameList(" CsD, KaD,,DpsD "), (std::vector<std::string>{"CsD", "KaD", "DpsD"}));
}

}  // namespace
}  // namespace tharvex::study
