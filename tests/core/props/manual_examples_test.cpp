// Every property text the manuals print as an example ("- 例：`TEXT` = VALUE",
// "- Example: `TEXT` = VALUE") evaluates to the value printed beside it, at
// t = 20 and p = 100.
#include <gtest/gtest.h>
#include <cmath>
#include "test_paths.h"

#include <fstream>
#include <regex>
#include <sstream>

#include "core/props/property_eval.h"

namespace tharvex::props {
namespace {

struct ManualCase {
  const char* file;
  const char* pattern;
};

class ManualExamples : public ::testing::TestWithParam<ManualCase> {};

TEST_P(ManualExamples, EveryPrintedPropertyTextGivesItsValue) {
  std::ifstream in(std::string(THARVEX_SOURCE_DIR) + "/data/manual/" + GetParam().file);
  ASSERT_TRUE(in) << GetParam().file;
  const std::regex example(GetParam().pattern);
  std::string line;
  int found = 0;
  while (std::getline(in, line)) {
    std::smatch m;
    if (!std::regex_match(line, m, example)) continue;
    ++found;
    TMyValues grid = TMyValues::PropertyWindowGrid();
    grid.SetValue("t", "20");
    grid.SetValue("p", "100");
    PropOutcome o = EvaluatePropertyText("CP", m[1].str(), false, grid);
    const double expected = std::stod(m[2].str());
    EXPECT_EQ(o.kind, PropOutcome::Value) << m[1];
    EXPECT_EQ(o.formulaError, 0) << m[1];
    EXPECT_NEAR(o.value, expected, 1e-12 * std::max(1.0, std::fabs(expected))) << m[1];
  }
  EXPECT_GE(found, 8);
}

INSTANTIATE_TEST_SUITE_P(Manuals, ManualExamples,
                         ::testing::Values(ManualCase{"manual.md", "^- 例：`([^`]+)` = ([-+0-9.eE]+)\\s*$"},
                                           ManualCase{"manual_en.md", "^- Example: `([^`]+)` = ([-+0-9.eE]+)\\s*$"}));

}  // namespace
}  // namespace tharvex::props
