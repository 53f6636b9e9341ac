// The driver's own help and version, and undo and redo of its actions.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "tests/cli_runner.h"

namespace tharvex {
namespace {

using nlohmann::json;
using testing::RunCli;

TEST(CliHelp, ListsEveryActionOnOneLineAndTheVersion) {
  auto r = RunCli({"--help"});
  ASSERT_EQ(r.status, 0) << r.err;
  for (const char* a :
       {"--set",      "--unit",       "--select",  "--check", "--clear",  "--dump",        "--calc",
        "--optimise", "--layout-svg", "--open",    "--save",  "--report", "--report-rtf",  "--undo",
        "--redo",     "--help",       "--version", "formula", "property", "proplib-build", "proplib-list"}) {
    // One line each: the name, then what it does.
    const std::string line = std::string("\n  ") + a + " ";
    const size_t at = r.out.find(line);
    ASSERT_NE(at, std::string::npos) << a;
    const size_t end = r.out.find('\n', at + 1);
    EXPECT_GT(end - at, line.size() + 5) << a << " has no description";
  }
  auto v = RunCli({"--version"});
  EXPECT_EQ(v.status, 0);
  EXPECT_EQ(v.out.rfind("Tharvex ", 0), 0u) << v.out;
  EXPECT_NE(v.out.find("commit "), std::string::npos);
}

json Dump(std::vector<std::string> args) {
  args.push_back("--dump");
  auto r = RunCli(args);
  EXPECT_EQ(r.status, 0) << r.err;
  json d = json::parse(r.out);
  // The save command follows the project's modified state, not the history.
  d["controls"].erase("MFSave");
  d["controls"].erase("MEUndo");
  d["controls"].erase("MERedo");
  d.erase("messages");
  return d;
}

TEST(CliUndo, GivesBackTheDumpBeforeAndRedoTheDumpAfter) {
  const std::vector<std::string> typed{"--set",   "WsD=5", "--set",   "Ts1D=120", "--set",
                                       "Ts2D=60", "--set", "Tt1D=20", "--set",    "Tt2D=40"};
  struct Case {
    std::vector<std::string> action;
  } cases[] = {{{"--optimise"}}, {{"--clear", "KaD"}}, {{"--set", "Ts1D=130"}}, {{"--check", "CBWater=1"}}};
  const json before = Dump(typed);
  for (const Case& c : cases) {
    auto act = typed;
    act.insert(act.end(), c.action.begin(), c.action.end());
    const json after = Dump(act);
    ASSERT_NE(after, before) << c.action[0];
    auto undone = act;
    undone.push_back("--undo");
    EXPECT_EQ(Dump(undone), before) << c.action[0];
    undone.push_back("--redo");
    EXPECT_EQ(Dump(undone), after) << c.action[0];
  }
  auto r = RunCli({"--undo"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("nothing to undo"), std::string::npos);
}

}  // namespace
}  // namespace tharvex
