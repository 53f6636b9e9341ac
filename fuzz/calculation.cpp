// Fuzz target of the calculation with arbitrary field texts, the tube
// layout drawing included: starting from the shipped example project, a
// sequence of user actions (texts typed into fields, items picked, boxes
// ticked) never crashes or hangs, and no field shows a NaN or an infinity.
//
// Input: actions separated by '\n'; the first byte of an action picks the
// control (among the window's edits, lists and check boxes), the rest is the
// text typed (edits), the item index (lists, its first byte) or ignored
// (check boxes: the mark is toggled).
// Run: fuzz_calculation -max_len=512 fuzz/corpus/calculation
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/main_model.h"
#include "core/engine/engine.h"
#include "core/files/form_record.h"
#include "core/output/tube_layout.h"

#ifndef THARVEX_SOURCE_DIR
#error "THARVEX_SOURCE_DIR must name the source folder"
#endif

namespace {

const std::string& ExampleBytes() {
  static const std::string bytes = [] {
    std::ifstream in(std::string(THARVEX_SOURCE_DIR) + "/data/examples/AirCooler-Example.zrf", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }();
  return bytes;
}

bool LooksNonFinite(std::string s) {
  for (char& ch : s) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return s.find("inf") != std::string::npos || s.find("nan") != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tharvex;
  RecordingMessageSink sink;
  MainModel model(sink);
  Form& form = model.form();
  if (ReadFormRecordBytes(form, ExampleBytes(), "example.zrf") != ReadStatus::Applied) std::abort();

  std::vector<Control*> targets;
  for (const auto& c : form.controls())
    if (c->isEdit() || c->kind() == ControlKind::TComboBox || c->kind() == ControlKind::TCheckBox)
      targets.push_back(c.get());

  // What the user typed into each edit: a text the user typed ("nan") may
  // stay as typed, marked unreadable; only a computed one must be finite.
  std::map<const Control*, std::string> typed;
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  int actions = 0;
  while (!rest.empty() && actions++ < 16) {
    size_t eol = rest.find('\n');
    std::string_view action = rest.substr(0, eol);
    rest = eol == std::string_view::npos ? std::string_view{} : rest.substr(eol + 1);
    if (action.empty()) continue;
    Control& c = *targets[static_cast<unsigned char>(action[0]) % targets.size()];
    std::string_view text = action.substr(1);
    // The window lets the user act only on enabled, editable controls.
    if (!c.enabled()) continue;
    if (c.isEdit()) {
      if (c.readOnly()) continue;
      form.EnterText(c, std::string(text));
      typed[&c] = c.text();
    } else if (c.kind() == ControlKind::TComboBox) {
      if (c.items().empty()) continue;
      int index = text.empty() ? 0 : static_cast<unsigned char>(text[0]) % static_cast<int>(c.items().size());
      form.SelectItem(c, index);
      form.Leave(c);
    } else {
      form.SetChecked(c, !c.checked());
    }
    for (const auto& f : form.controls()) {
      if (!f->isEdit() || f.get() == &c) continue;
      if (auto t = typed.find(f.get()); t != typed.end() && t->second == f->text()) continue;
      if (LooksNonFinite(f->text())) {
        std::fprintf(stderr, "%s shows '%s'\n", f->name().c_str(), f->text().c_str());
        std::abort();
      }
    }
  }
  // The drawing tab re-runs the calculation and draws the layout.
  model.engine().WsDExit(nullptr);
  (void)layout::ToSvg(model.engine().drawing());
  return 0;
}
