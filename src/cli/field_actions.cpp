// Actions on single controls: typing, picking units and items, ticking,
// clearing, and the state dump.
#include "cli/dump.h"
#include "cli/registry.h"
#include "core/fields/number_format.h"

namespace tharvex::cli {

namespace {

int NeedIndex(const std::string& opt, const std::string& text) {
  auto v = ParseInteger(text);
  if (!v || *v < -1 || *v > 1000000) throw UsageError(opt + ": '" + text + "' is not an item index");
  return static_cast<int>(*v);
}

void NeedIndexInRange(const Control& c, int index) {
  if (index < 0 || index >= static_cast<int>(c.items().size()))
    throw UsageError("item index " + std::to_string(index) + " is out of range for '" + c.name() + "' (" +
                     std::to_string(c.items().size()) + " items)");
}

void NeedEnabled(const Control& c) {
  if (!c.enabled()) throw UsageError("control '" + c.name() + "' is disabled");
}

}  // namespace

void RegisterFieldActions(ActionTable& t) {
  t["--set"] = {1,
                [](Context& ctx, const std::string& arg) {
                  Form& form = ctx.model.form();
                  auto [name, text] = SplitAssignment("--set", arg);
                  Control& c = NeedControl(form, name);
                  if (!c.isEdit() && c.kind() != ControlKind::TMemo && c.kind() != ControlKind::TRichEdit)
                    throw UsageError("control '" + name + "' is not a text field");
                  NeedEnabled(c);
                  if (c.readOnly()) throw UsageError("control '" + name + "' is read-only");
                  if (c.isEdit()) {
                    form.EnterText(c, text);
                  } else {
                    c.setLines({text});
                    form.Leave(c);
                  }
                },
                "NAME=TEXT  type TEXT into a field and leave it"};

  t["--unit"] = {1,
                 [](Context& ctx, const std::string& arg) {
                   Form& form = ctx.model.form();
                   auto [name, idx] = SplitAssignment("--unit", arg);
                   Control& c = NeedControl(form, name);
                   if (c.kind() != ControlKind::TComboBoxU)
                     throw UsageError("control '" + name + "' is not a unit selector");
                   NeedEnabled(c);
                   int index = NeedIndex("--unit", idx);
                   NeedIndexInRange(c, index);
                   form.PickUnit(c, index);
                 },
                 "NAME=INDEX  pick a unit"};

  t["--select"] = {1,
                   [](Context& ctx, const std::string& arg) {
                     Form& form = ctx.model.form();
                     auto [name, idx] = SplitAssignment("--select", arg);
                     Control& c = NeedControl(form, name);
                     if (c.kind() != ControlKind::TComboBox)
                       throw UsageError("control '" + name + "' is not a drop-down list");
                     NeedEnabled(c);
                     int index = NeedIndex("--select", idx);
                     NeedIndexInRange(c, index);
                     form.SelectItem(c, index);
                     form.Leave(c);
                   },
                   "NAME=INDEX  pick an item of a drop-down list and leave it"};

  t["--check"] = {1,
                  [](Context& ctx, const std::string& arg) {
                    Form& form = ctx.model.form();
                    auto [name, v] = SplitAssignment("--check", arg);
                    Control& c = NeedControl(form, name);
                    if (c.kind() != ControlKind::TCheckBox)
                      throw UsageError("control '" + name + "' is not a check box");
                    NeedEnabled(c);
                    if (v != "0" && v != "1") throw UsageError("--check expects 0 or 1, got '" + v + "'");
                    form.SetChecked(c, v == "1");
                  },
                  "NAME=0|1  tick or untick a check box"};

  t["--clear"] = {1,
                  [](Context& ctx, const std::string& arg) {
                    Control& c = NeedControl(ctx.model.form(), arg);
                    if (!c.isEdit()) throw UsageError("control '" + c.name() + "' is not an edit");
                    ctx.model.form().ClearEdit(c);
                  },
                  "NAME  the clear command on an edit"};

  t["--dump"] = {
      0,
      [](Context& ctx, const std::string&) { ctx.out << DumpForm(ctx.model.form(), ctx.sink.shown).dump(2) << "\n"; },
      "print the state as JSON"};
}

}  // namespace tharvex::cli
