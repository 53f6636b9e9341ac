#include "cli/actions.h"

#include <charconv>
#include <functional>
#include <map>
#include <stdexcept>

#include "cli/dump.h"
#include "core/app/main_model.h"
#include "core/fields/number_format.h"

namespace tharvex::cli {

namespace {

// A failure that ends the run with a one-line message.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::pair<std::string, std::string> SplitAssignment(const std::string& opt, const std::string& value) {
  size_t eq = value.find('=');
  if (eq == std::string::npos) throw UsageError(opt + " expects NAME=VALUE, got '" + value + "'");
  return {value.substr(0, eq), value.substr(eq + 1)};
}

Control& Need(Form& form, const std::string& name) {
  Control* c = form.Find(name);
  if (!c) throw UsageError("unknown control '" + name + "'");
  return *c;
}

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

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  RecordingMessageSink sink;
  MainModel model(sink);
  Form& form = model.form();

  try {
    for (size_t i = 0; i < args.size(); ++i) {
      const std::string& a = args[i];
      auto next = [&]() -> const std::string& {
        if (i + 1 >= args.size()) throw UsageError(a + " needs an argument");
        return args[++i];
      };
      if (a == "--set") {
        auto [name, text] = SplitAssignment(a, next());
        Control& c = Need(form, name);
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
      } else if (a == "--unit") {
        auto [name, idx] = SplitAssignment(a, next());
        Control& c = Need(form, name);
        if (c.kind() != ControlKind::TComboBoxU) throw UsageError("control '" + name + "' is not a unit selector");
        NeedEnabled(c);
        int index = NeedIndex(a, idx);
        NeedIndexInRange(c, index);
        form.PickUnit(c, index);
      } else if (a == "--select") {
        auto [name, idx] = SplitAssignment(a, next());
        Control& c = Need(form, name);
        if (c.kind() != ControlKind::TComboBox) throw UsageError("control '" + name + "' is not a drop-down list");
        NeedEnabled(c);
        int index = NeedIndex(a, idx);
        NeedIndexInRange(c, index);
        form.SelectItem(c, index);
        form.Leave(c);
      } else if (a == "--check") {
        auto [name, v] = SplitAssignment(a, next());
        Control& c = Need(form, name);
        if (c.kind() != ControlKind::TCheckBox) throw UsageError("control '" + name + "' is not a check box");
        NeedEnabled(c);
        if (v != "0" && v != "1") throw UsageError("--check expects 0 or 1, got '" + v + "'");
        form.SetChecked(c, v == "1");
      } else if (a == "--clear") {
        Control& c = Need(form, next());
        if (!c.isEdit()) throw UsageError("control '" + c.name() + "' is not an edit");
        form.ClearEdit(c);
      } else if (a == "--dump") {
        out << DumpForm(form, sink.shown).dump(2) << "\n";
      } else {
        throw UsageError("unknown action '" + a + "'");
      }
    }
  } catch (const UsageError& e) {
    err << "tharvex-cli: " << e.what() << "\n";
    return 2;
  } catch (const std::exception& e) {
    err << "tharvex-cli: " << e.what() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace tharvex::cli
