#include "cli/actions.h"

#include "cli/registry.h"

namespace tharvex::cli {

std::pair<std::string, std::string> SplitAssignment(const std::string& opt, const std::string& value) {
  size_t eq = value.find('=');
  if (eq == std::string::npos) throw UsageError(opt + " expects NAME=VALUE, got '" + value + "'");
  return {value.substr(0, eq), value.substr(eq + 1)};
}

Control& NeedControl(Form& form, const std::string& name) {
  Control* c = form.Find(name);
  if (!c) throw UsageError("unknown control '" + name + "'");
  return *c;
}

ActionTable AllActions() {
  ActionTable actions;
  RegisterFieldActions(actions);
  RegisterEngineActions(actions);
  RegisterFileActions(actions);
  RegisterReportActions(actions);
  RegisterInfoActions(actions);
  RegisterExportActions(actions);
  RegisterDrawingActions(actions);
  return actions;
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  SubcommandTable subcommands;
  RegisterPropertySubcommands(subcommands);
  if (!args.empty()) {
    auto it = subcommands.find(args[0]);
    if (it != subcommands.end()) {
      try {
        return it->second(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
      } catch (const std::exception& e) {
        err << "tharvex-cli: " << e.what() << "\n";
        return 2;
      }
    }
  }

  const ActionTable actions = AllActions();

  RecordingMessageSink sink;
  MainModel model(sink);
  Context ctx{model, sink, out, err, {}, {}};
  try {
    for (size_t i = 0; i < args.size(); ++i) {
      auto it = actions.find(args[i]);
      if (it == actions.end()) throw UsageError("unknown action '" + args[i] + "'");
      std::string arg;
      if (it->second.args > 0) {
        if (i + 1 >= args.size()) throw UsageError(args[i] + " needs an argument");
        arg = args[++i];
      }
      it->second.run(ctx, arg);
    }
    for (size_t k = 0; k < ctx.atEnd.size(); ++k) ctx.atEnd[k](ctx);
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
