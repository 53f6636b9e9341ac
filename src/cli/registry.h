#pragma once
// The CLI's actions. Each subsystem registers its own in its own file; the
// runner applies them left to right.
#include <functional>
#include <map>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/app/main_model.h"
#include "core/app/window_state.h"
#include "core/fields/message_sink.h"

namespace tharvex::cli {

// Ends the run with exit status 2 and a one-line message.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};
// Ends the run with exit status 1 and a one-line message.
struct ActionFailed : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct Context {
  MainModel& model;
  RecordingMessageSink& sink;
  std::ostream& out;
  std::ostream& err;
  // Options that pair up across actions (--study with --study-out), and
  // what runs after the last action.
  std::map<std::string, std::string> options;
  std::vector<std::function<void(Context&)>> atEnd;
  EditHistory* history = nullptr;  // the undo and redo of the actions so far
};

// An action that takes `args` arguments after its name (0 or 1).
struct Action {
  int args = 0;
  std::function<void(Context&, const std::string& arg)> run;
  std::string help;
};
using ActionTable = std::map<std::string, Action>;

// A subcommand takes the whole rest of the command line (tharvex-cli NAME ...)
// and returns the exit status.
using SubcommandRun = std::function<int(const std::vector<std::string>& rest, std::ostream& out, std::ostream& err)>;
struct Subcommand {
  SubcommandRun run;
  std::string help;  // its arguments and what it does, one line
};
using SubcommandTable = std::map<std::string, Subcommand>;

// Registration, one function per subsystem (each in its own file).
void RegisterFieldActions(ActionTable& t);
void RegisterEngineActions(ActionTable& t);
void RegisterFileActions(ActionTable& t);
void RegisterReportActions(ActionTable& t);
void RegisterExportActions(ActionTable& t);
void RegisterDrawingActions(ActionTable& t);
void RegisterHistoryActions(ActionTable& t);
void RegisterInfoActions(ActionTable& t);
void RegisterLanguageActions(ActionTable& t);
void RegisterPropertySubcommands(SubcommandTable& t);

// Every action of the driver, as the runner applies them.
ActionTable AllActions();

// Helpers shared by the action files.
std::pair<std::string, std::string> SplitAssignment(const std::string& opt, const std::string& value);
Control& NeedControl(Form& form, const std::string& name);

}  // namespace tharvex::cli
