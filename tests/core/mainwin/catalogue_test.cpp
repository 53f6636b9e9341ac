// The shipped English catalogue: finished, and holding every text of the
// control table, the lists, the units, the correlations and the fixed
// messages the core shows.
#include <gtest/gtest.h>
#include "test_paths.h"

#include <regex>
#include <set>

#include "core/engine/design_case.h"
#include "core/engine/method/method.h"
#include "core/fields/form.h"
#include "core/fields/i18n.h"
#include "core/fields/number_format.h"
#include "core/fields/solver.h"
#include "core/files/ts_catalogue.h"
#include "core/mainwin/main_window_table.h"
#include "core/output/report.h"

namespace tharvex {
namespace {

class Catalogue : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string error;
    cat_ = new auto(ReadTsCatalogue(CoreCataloguePath(std::string(THARVEX_SOURCE_DIR) + "/data", "en"), &error));
    ASSERT_TRUE(*cat_) << error;
  }
  static void TearDownTestSuite() { delete cat_; }
  static bool Has(std::string_view ctx, std::string_view source) {
    return (**cat_).entries.count(std::make_pair(std::string(ctx), std::string(source))) > 0;
  }
  static std::optional<TsCatalogue>* cat_;
};
std::optional<TsCatalogue>* Catalogue::cat_ = nullptr;

std::set<std::string> Placeholders(const std::string& s) {
  std::set<std::string> out;
  static const std::regex mark("%[1-9]");
  for (auto it = std::sregex_iterator(s.begin(), s.end(), mark); it != std::sregex_iterator(); ++it)
    out.insert(it->str());
  return out;
}

TEST_F(Catalogue, IsFinishedAndEnglish) {
  const TsCatalogue& c = **cat_;
  EXPECT_EQ(c.unfinished, 0);
  EXPECT_GT(c.messages, 400);
  EXPECT_EQ(static_cast<int>(c.entries.size()), c.messages);
  for (const auto& [key, en] : c.entries) {
    const auto& [ctx, source] = key;
    EXPECT_FALSE(i18n::HasCjk(en)) << ctx << " " << source << " -> " << en;
    EXPECT_FALSE(en.empty()) << ctx << " " << source;
    EXPECT_EQ(Placeholders(source), Placeholders(en)) << ctx << " " << source << " -> " << en;
    // A menu entry keeps an accelerator.
    if (ctx == "Controls" && source.starts_with("&")) {
      EXPECT_NE(en.find('&'), std::string::npos) << source;
    }
  }
}

TEST_F(Catalogue, HoldsEveryTextOfTheWindowTable) {
  int checked = 0;
  for (const auto& d : mainwin::Table()) {
    for (std::string_view text : {d.caption, d.hint, d.unitLabel}) {
      if (!i18n::HasCjk(text)) continue;
      ++checked;
      EXPECT_TRUE(Has("Controls", text)) << d.name << ": " << text;
    }
    if (d.entry == mainwin::Entry::Quantity)
      for (const auto& u : UnitDefs(d.units))
        if (i18n::HasCjk(u.name)) {
          EXPECT_TRUE(Has("Units", u.name)) << d.name << ": " << u.name;
        }
  }
  EXPECT_GT(checked, 150);
  EXPECT_TRUE(Has("Controls", mainwin::kTitle));
  // The caption the arrangement gives the rotation check box.
  EXPECT_TRUE(Has("Controls", "转角45°"));
  using L = mainwin::ItemList;
  for (L list : {L::Phase, L::Arrangement, L::Material, L::Insulation, L::CalcType, L::OptType, L::Method})
    for (const std::string& item : mainwin::Items(list)) {
      const std::string name(TrimBlanks(std::string_view(item).substr(0, item.find('|'))));
      EXPECT_TRUE(Has("Items", name)) << item;
    }
}

TEST_F(Catalogue, HoldsTheCorrelationsAndFixedMessages) {
  using engine::method::Corr;
  for (int c = static_cast<int>(Corr::None) + 1; c < static_cast<int>(Corr::Count); ++c) {
    const std::string_view name = engine::method::Name(static_cast<Corr>(c));
    if (i18n::HasCjk(name)) {
      EXPECT_TRUE(Has("Report", name)) << name;
    }
  }
  namespace msg = engine::msg;
  for (std::string_view m :
       {msg::kTempCross, msg::kTubeWall, msg::kCollision, msg::kTooManyTubes, msg::kEvaporation, msg::kBalanceDiverges,
        msg::kLaminar, msg::kCorrection, msg::kBelowLowestVelocity, msg::kOptStart, msg::kOptSuccess, msg::kOptFailure,
        msg::kOptError, kUnreadableInput, std::string_view(kSolverWarning), std::string_view(kSolverWarningTitle)})
    EXPECT_TRUE(Has("Messages", m)) << m;
  EXPECT_TRUE(Has("Items", msg::kHot));
  EXPECT_TRUE(Has("Items", msg::kCold));
  EXPECT_TRUE(Has("Report", report::kStaleWarning));
  EXPECT_TRUE(Has("Report", report::kShortfall));
}

}  // namespace
}  // namespace tharvex
