#include "cli/actions.h"

#include <memory>

#include "cli/registry.h"
#include "core/files/gbk_text.h"
#include "core/help/build_info.h"

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
  RegisterHistoryActions(actions);
  RegisterLanguageActions(actions);
  return actions;
}

namespace {

void PrintHelp(const ActionTable& actions, const SubcommandTable& subcommands, std::ostream& out) {
  out << "Usage: tharvex-cli ACTION... (applied left to right, as a user would)\n"
         "       tharvex-cli SUBCOMMAND ARGS...\n\nActions:\n";
  auto line = [&out](const std::string& name, const std::string& help) {
    out << "  " << name << std::string(name.size() < 14 ? 14 - name.size() : 1, ' ') << help << "\n";
  };
  for (const auto& [name, a] : actions) line(name, a.help);
  line("--help", "print this list");
  line("--version", "print the version");
  out << "\nSubcommands:\n";
  for (const auto& [name, s] : subcommands) line(name, s.help);
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  // Every text the driver takes is UTF-8; bytes that are not are refused
  // here, before any of them reaches a field, a file or the JSON output.
  for (size_t i = 0; i < args.size(); ++i) {
    size_t at = 0;
    if (!IsValidUtf8(args[i], &at)) {
      err << "tharvex-cli: argument " << i + 1 << " is not valid UTF-8 text (byte " << at + 1 << " of '"
          << std::string_view(args[i]).substr(0, at) << "...')\n";
      return 2;
    }
  }
  SubcommandTable subcommands;
  RegisterPropertySubcommands(subcommands);
  if (!args.empty()) {
    auto it = subcommands.find(args[0]);
    if (it != subcommands.end()) {
      try {
        return it->second.run(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
      } catch (const std::exception& e) {
        err << "tharvex-cli: " << e.what() << "\n";
        return 2;
      }
    }
  }

  const ActionTable actions = AllActions();
  for (const std::string& a : args) {
    if (a == "--help" || a == "-h") {
      PrintHelp(actions, subcommands, out);
      return 0;
    }
    if (a == "--version") {
      out << VersionText() << "\n";
      return 0;
    }
  }

  RecordingMessageSink sink;
  MainModel model(sink);
  EditHistory history(model);
  Context ctx{model, sink, out, err, {}, {}, &history};
  try {
    for (size_t i = 0; i < args.size(); ++i) {
      auto it = actions.find(args[i]);
      if (it == actions.end()) throw UsageError("unknown action '" + args[i] + "'");
      std::string arg;
      if (it->second.args > 0) {
        if (i + 1 >= args.size()) throw UsageError(args[i] + " needs an argument");
        arg = args[++i];
      }
      const bool historyAction = it->first == "--undo" || it->first == "--redo";
      auto before = historyAction ? nullptr : std::make_shared<const WindowState>(CaptureWindow(model));
      it->second.run(ctx, arg);
      if (historyAction) continue;
      // Opening a project starts a new history; a template opened is an edit.
      if (it->first == "--open" && OpeningClearsHistory(arg))
        history.Clear();
      else
        history.Push(arg.empty() ? it->first : it->first + " " + arg, std::move(before));
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
