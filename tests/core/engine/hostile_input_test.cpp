// Hostile and random texts typed into every input field, followed by the
// calculation and the optimiser: nothing crashes, nothing hangs, and no
// field ever shows a NaN, an infinity or an absurd magnitude.
#include <cmath>
#include <random>

#include "core/mainwin/main_window_table.h"
#include "engine_fixture.h"

namespace tharvex::engine::testing {
namespace {

std::vector<std::string> HostileTexts() {
  std::vector<std::string> t = {"",
                                "   ",
                                "abc",
                                "1e400",
                                "-1e400",
                                "-0",
                                "0",
                                "1e308",
                                "-1e308",
                                "1e-308",
                                "4.9e-324",
                                "inf",
                                "nan",
                                "1.5.5",
                                "+",
                                "e5",
                                "99999999999999999999",
                                "-3",
                                " 12 "};
  std::mt19937 rng(20261209);
  std::uniform_real_distribution<double> mant(-10, 10);
  std::uniform_int_distribution<int> exp(-40, 40);
  for (int i = 0; i < 6; ++i) t.push_back(FormatGeneral(mant(rng) * std::pow(10.0, exp(rng))));
  return t;
}

// Editable edits of the process tab.
std::vector<std::string> InputFields(Form& form) {
  std::vector<std::string> names;
  for (const auto& d : mainwin::Table()) {
    if (d.entry != mainwin::Entry::Quantity && d.entry != mainwin::Entry::Text) continue;
    const Control* c = form.Find(d.value());
    if (!c || c->readOnly() || !c->enabled()) continue;
    if (d.parent == "GBHW" || d.parent == "GroupBox1" || d.parent == "GroupBox2") continue;
    names.push_back(d.value());
  }
  return names;
}

bool LooksNonFinite(std::string s) {
  for (char& ch : s) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return s.find("inf") != std::string::npos || s.find("nan") != std::string::npos;
}

// Beyond this no quantity of the case is physical: such a text is a
// calculation that ran away (or was typed, in the field under test).
constexpr double kAbsurd = 1e100;

void ExpectFiniteTexts(const Form& form, const std::string& typed, const std::string& text) {
  for (const auto& c : form.controls()) {
    if (!c->isEdit() || c->name() == typed) continue;
    EXPECT_FALSE(LooksNonFinite(c->text()))
        << c->name() << " = '" << c->text() << "' after " << typed << " = '" << text << "'";
    if (auto v = ParseLenient(c->text())) {
      EXPECT_LE(std::fabs(*v), kAbsurd) << c->name() << " = '" << c->text() << "' after " << typed << " = '" << text
                                        << "'";
    }
  }
}

struct CaseSetup {
  const char* name;
  void (*apply)(EngineTest&);
  bool optimise;
};

class HostileInput : public EngineTest {
 public:
  void TestBody() override {}
  void Apply(const CaseSetup& s) {
    Set("TaD", "20");
    AirWaterCase();
    s.apply(*this);
  }
  using EngineTest::Check;
  using EngineTest::model;
  using EngineTest::Select;
  using EngineTest::Set;
  using EngineTest::sink;
};

TEST(HostileInputTest, EveryFieldEveryText) {
  const CaseSetup setups[] = {
      {"design", [](EngineTest&) {}, true},
      {"wet air, rotated square, bare",
       [](EngineTest& t) {
         auto& h = static_cast<HostileInput&>(t);
         h.Check("CBWater", true);
         h.Select("CBTubArr", 1);
         h.Check("CBRoate", true);
         h.Check("CBTType", true);
       },
       false},
      {"condensing tube, six passes",
       [](EngineTest& t) {
         auto& h = static_cast<HostileInput&>(t);
         h.Select("PhtD", kCondensing);
         h.Set("DentvD", "0.6");
         h.Set("MtvD", "1.2e-5");
         h.Set("DHtD", "2.2e6");
         h.Select("PnD", 5);
       },
       false},
      {"rating",
       [](EngineTest& t) {
         auto& h = static_cast<HostileInput&>(t);
         h.Select("CalTypeD", 1);
         h.Set("NhD", "5");
         h.Set("NwD", "4");
         h.Set("HbxD", "0.6");
       },
       false},
      {"engineering method, condensing, four passes",
       [](EngineTest& t) {
         auto& h = static_cast<HostileInput&>(t);
         h.Select("MethodD", 1);
         h.Select("PhtD", kCondensing);
         h.Set("DentvD", "0.6");
         h.Set("MtvD", "1.2e-5");
         h.Set("DHtD", "2.2e6");
         h.Select("PnD", 3);
       },
       false},
      {"engineering method, in-line bare bank",
       [](EngineTest& t) {
         auto& h = static_cast<HostileInput&>(t);
         h.Select("MethodD", 1);
         h.Select("CBTubArr", 1);
         h.Check("CBTType", true);
       },
       false},
  };
  const auto texts = HostileTexts();
  for (const CaseSetup& setup : setups) {
    std::vector<std::string> fields;
    {
      HostileInput probe;
      probe.Apply(setup);
      fields = InputFields(probe.model.form());
    }
    ASSERT_GT(fields.size(), 20u);
    for (const std::string& field : fields) {
      for (const std::string& text : texts) {
        HostileInput h;
        h.Apply(setup);
        h.sink.AllowAny();  // the setup is quiet; what follows may show anything
        Form& form = h.model.form();
        form.EnterText(form.At(field), text);
        h.model.engine().WsDExit(nullptr);
        // The optimiser (up to 1683 calculations) for a handful of texts.
        if (setup.optimise && (&text - texts.data()) % 4 == 0) h.model.engine().BtOpt1Click(nullptr);
        ExpectFiniteTexts(form, field, text);
        EXPECT_TRUE(h.model.engine().state().InteractiveOutput);
        EXPECT_FALSE(h.model.engine().state().Optimising);
        if (::testing::Test::HasFailure()) return;
      }
    }
  }
}

}  // namespace
}  // namespace tharvex::engine::testing
