// The design check of the sheet and the exports, the validity bounds of the
// method section, and the warnings the last calculation raised.
#include <gtest/gtest.h>

#include "core/app/main_model.h"
#include "core/engine/design_case.h"
#include "core/output/export_data.h"
#include "core/output/sheet.h"
#include "core/output/sheet_method.h"
#include "tests/strict_message_sink.h"

namespace tharvex {
namespace {

struct CheckCase {
  const char* limit;
  const char* limitText;
  const char* actual;
  const char* actualText;
  int expected;  // 1 pass, 0 fail, -1 no verdict
};

class DesignCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(DesignCheck, Verdict) {
  tharvex::testing::StrictMessageSink sink;
  MainModel model(sink);
  Form& form = model.form();
  const CheckCase& c = GetParam();
  form.At(c.limit).setText(c.limitText);
  form.At(c.actual).setText(c.actualText);
  const auto rows = exportdata::DesignCheck(form);
  auto it = std::find_if(rows.begin(), rows.end(), [&](const auto& r) { return r.name == c.limit; });
  ASSERT_NE(it, rows.end());
  if (c.expected < 0) {
    EXPECT_FALSE(it->pass.has_value());
  } else {
    EXPECT_EQ(it->pass, c.expected == 1);
  }
}

INSTANTIATE_TEST_SUITE_P(Limits, DesignCheck,
                         ::testing::Values(CheckCase{"CsrD", "10", "CsD", "12.5", 1},  // surplus reached
                                           CheckCase{"CsrD", "10", "CsD", "10", 1},    // exactly the limit
                                           CheckCase{"CsrD", "10", "CsD", "-3.2", 0},  // short of area
                                           CheckCase{"CsrD", "10", "CsD", "", -1},     // not calculated
                                           CheckCase{"LsmD", "15", "LsD", "16", 0},    // tubes too long
                                           CheckCase{"LsmD", "15", "LsD", "6", 1},     //
                                           CheckCase{"Us2D", "3.5", "UempD", "3.6",
                                                     0},                               // face velocity above the limit
                                           CheckCase{"Ut2D", "1.5", "UtD", "1.5", 1},  // tube velocity at the limit
                                           CheckCase{"Ut2D", "abc", "UtD", "1.2", -1}));

TEST(DesignCheckModes, RatingModeChecksNoOptimiserLimit) {
  tharvex::testing::StrictMessageSink sink;
  MainModel model(sink);
  Form& form = model.form();
  form.SelectItem(form.At("CalTypeD"), 1);
  form.At("UempD").setText("9");
  for (const auto& r : exportdata::DesignCheck(form))
    if (r.name == "Us2D") {
      EXPECT_FALSE(r.pass.has_value());
      EXPECT_TRUE(r.limitDisabled);
    }
}

struct BoundCase {
  std::optional<double> lo, hi, value;
  bool outside;
  const char* text;
};

class Bounds : public ::testing::TestWithParam<BoundCase> {};

TEST_P(Bounds, OutsideAndText) {
  const BoundCase& c = GetParam();
  method::Bound b{"Pr", c.lo, c.hi, c.value};
  EXPECT_EQ(b.outside(), c.outside);
  EXPECT_EQ(b.text(), c.text);
}

INSTANTIATE_TEST_SUITE_P(Ranges, Bounds,
                         ::testing::Values(BoundCase{0.6, 160.0, 5.4, false, "0.6 ≤ Pr ≤ 160"},
                                           BoundCase{0.6, 160.0, 0.5, true, "0.6 ≤ Pr ≤ 160"},
                                           BoundCase{0.6, 160.0, 161.0, true, "0.6 ≤ Pr ≤ 160"},
                                           BoundCase{10000.0, std::nullopt, 9999.0, true, "Pr ≥ 10000"},
                                           BoundCase{std::nullopt, 2300.0, 2300.0, false, "Pr ≤ 2300"},
                                           BoundCase{0.6, 160.0, std::nullopt, false, "0.6 ≤ Pr ≤ 160"}));

// A warning that a later step of the same run replaces in the status bar
// still reaches the sheet; the next run starts a new list.
TEST(SheetWarnings, EveryStatusTextOfTheLastRun) {
  tharvex::testing::StrictMessageSink sink;
  MainModel model(sink);
  Form& form = model.form();
  form.setStatus(1, std::string(engine::msg::kLaminar));
  form.setStatus(1, std::string(engine::msg::kCorrection));
  EXPECT_EQ(form.statusLog(),
            (std::vector<std::string>{std::string(engine::msg::kLaminar), std::string(engine::msg::kCorrection)}));
  sheet::Document doc = sheet::BuildSheet(model, std::tm{});
  int warnings = 0;
  for (const auto& b : doc.blocks)
    if (b.flagged && (b.text.find(engine::msg::kLaminar) != std::string::npos ||
                      b.text.find(engine::msg::kCorrection) != std::string::npos))
      ++warnings;
  EXPECT_EQ(warnings, 2);
  model.engine().WsDExit(nullptr);
  EXPECT_TRUE(form.statusLog().empty());
}

}  // namespace
}  // namespace tharvex
