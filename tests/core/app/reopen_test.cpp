// A reopened project looks exactly as it was saved: every recorded property
// of every control comes back, whatever state the window was brought to.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sstream>

#include "core/app/project_session.h"
#include "core/fields/number_format.h"
#include "core/files/form_record.h"
#include "core/mainwin/main_window_table.h"
#include "test_paths.h"
#include "tests/strict_message_sink.h"

namespace tharvex {
namespace {

namespace fs = std::filesystem;

class NoDialogs : public SessionUi {
 public:
  bool AskYesNo(const std::string&, const std::string&) override { return false; }
  std::optional<std::string> ChooseFile(const FileDialogSpec&) override { return std::nullopt; }
};

const std::string kExample = std::string(THARVEX_SOURCE_DIR) + "/data/examples/AirCooler-Example.zrf";

// A window with its project commands.
struct Window {
  tharvex::testing::StrictMessageSink sink;
  MainModel model{sink};
  NoDialogs ui;
  ProjectSession session{model, ui, AppPaths{}, nullptr};
  Form& form() { return model.form(); }
  // Every recorded property, one record per line.
  std::string Recorded() { return FormRecordText(form(), mainwin::kExcludedFromFile, false); }
};

// The records that differ, for a readable failure.
std::string Differences(const std::string& saved, const std::string& reopened) {
  auto records = [](const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    std::string line, rec;
    int n = 0;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.empty()) {
        if (!rec.empty()) out.push_back(rec);
        rec.clear();
        n = 0;
        continue;
      }
      rec += (n++ ? " | " : "") + line;
    }
    return out;
  };
  auto a = records(saved), b = records(reopened);
  std::string diff;
  for (size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
    std::string x = i < a.size() ? a[i] : "(none)", y = i < b.size() ? b[i] : "(none)";
    if (x != y) diff += "\n  saved:    " + x + "\n  reopened: " + y;
  }
  return diff;
}

fs::path TestFile(const std::string& name) {
  return fs::temp_directory_path() / ("tharvex_reopen_" + std::to_string(::getpid()) + "_" + name);
}

TEST(Reopen, RotatedLayoutOfTheExampleComesBack) {
  // The rotation box's click runs the calculation; on reading it must not
  // run while the calculation type recorded after it still has its default.
  const fs::path file = TestFile("rotated.zrf");
  Window a;
  ASSERT_TRUE(a.session.OpenFile(kExample, false));
  a.form().SetChecked(a.form().At("CBRoate"), true);
  ASSERT_TRUE(a.session.SaveFile(file));
  const std::string saved = a.Recorded();

  Window b;
  ASSERT_TRUE(b.session.OpenFile(file, false));
  EXPECT_EQ(b.form().At("HbxD").text(), a.form().At("HbxD").text());
  EXPECT_EQ(ParseLenient(b.form().At("HbxD").text()).value_or(0), 1.2);
  EXPECT_EQ(b.form().At("NhD").text(), "12");
  EXPECT_EQ(b.form().At("QtD").text(), a.form().At("QtD").text());
  EXPECT_EQ(b.Recorded(), saved) << Differences(saved, b.Recorded());
  EXPECT_FALSE(b.session.Modified());
  fs::remove(file);
}

// One user action on a random control that accepts it.
void RandomAction(Form& form, std::mt19937& rng) {
  std::vector<Control*> candidates;
  for (const auto& c : form.controls()) {
    if (!c->enabled() || !c->visible()) continue;
    const bool edit = c->isEdit() && !c->readOnly();
    const bool list =
        (c->kind() == ControlKind::TComboBox || c->kind() == ControlKind::TComboBoxU) && !c->items().empty();
    if (edit || list || c->kind() == ControlKind::TCheckBox) candidates.push_back(c.get());
  }
  Control& c = *candidates[std::uniform_int_distribution<size_t>(0, candidates.size() - 1)(rng)];
  if (c.isEdit()) {
    // Mostly a plausible change of the value, sometimes the clear command.
    const double factors[] = {0.5, 0.8, 0.95, 1.1, 1.5, 2};
    auto x = ParseLenient(c.text());
    if (!x || std::uniform_int_distribution<int>(0, 5)(rng) == 0) {
      form.ClearEdit(c);
      form.Leave(c);
    } else {
      double f = factors[std::uniform_int_distribution<int>(0, 5)(rng)];
      form.EnterText(c, FormatGeneral(*x * f, 7, 0));
    }
  } else if (c.kind() == ControlKind::TCheckBox) {
    form.SetChecked(c, !c.checked());
  } else {
    int index = std::uniform_int_distribution<int>(0, static_cast<int>(c.items().size()) - 1)(rng);
    if (c.kind() == ControlKind::TComboBoxU) {
      form.PickUnit(c, index);
    } else {
      form.SelectItem(c, index);
      form.Leave(c);
    }
  }
}

TEST(Reopen, StatesReachedByRandomActionsComeBackExactly) {
  const fs::path file = TestFile("random.zrf");
  for (unsigned seed = 1; seed <= 30; ++seed) {
    std::mt19937 rng(seed);
    Window a;
    // Half the runs start from the example, half from the empty window.
    if (seed % 2) {
      ASSERT_TRUE(a.session.OpenFile(kExample, false));
    }
    std::uniform_int_distribution<int> count(1, 10);
    for (int n = count(rng); n > 0; --n) RandomAction(a.form(), rng);
    ASSERT_TRUE(a.session.SaveFile(file)) << (a.sink.shown.empty() ? "" : a.sink.shown.back().text);
    const std::string saved = a.Recorded();

    Window b;
    ASSERT_TRUE(b.session.OpenFile(file, false));
    EXPECT_EQ(b.Recorded(), saved) << "seed " << seed << Differences(saved, b.Recorded());
    // Saved again, the file is the same.
    EXPECT_EQ(EncodeFormRecord(b.form(), mainwin::kExcludedFromFile, false, false),
              EncodeFormRecord(a.form(), mainwin::kExcludedFromFile, false, false))
        << "seed " << seed;
  }
  fs::remove(file);
}

}  // namespace
}  // namespace tharvex
