// --list-controls names what a script may act on: every row it calls typeable
// takes typing through --set, every unit and item it lists can be picked.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/cli_runner.h"

namespace tharvex::testing {
namespace {

nlohmann::json ListedControls() {
  CliResult r = RunCli({"--list-controls-json"});
  EXPECT_EQ(r.status, 0) << r.err;
  return nlohmann::json::parse(r.out);
}

TEST(ListControls, EveryListedActionIsAcceptedByTheDriver) {
  nlohmann::json list = ListedControls();
  ASSERT_GT(list.size(), 100u);
  std::vector<std::string> args;
  for (const auto& c : list) {
    std::string name = c["name"];
    // Each action on its own window, so one field's effect on another's state
    // cannot hide a wrong row.
    if (c["typeable"].get<bool>()) {
      CliResult r = RunCli({"--set", name + "=1"});
      EXPECT_NE(r.status, 2) << name << ": " << r.err;
    }
    std::string selector = c["unitSelector"];
    if (!selector.empty() && c["enabled"].get<bool>()) {
      size_t last = c["units"].size() - 1;
      CliResult r = RunCli({"--unit", selector + "=" + std::to_string(last), "--dump"});
      EXPECT_EQ(r.status, 0) << selector << ": " << r.err;
    }
  }
}

TEST(ListControls, TableAndJsonListTheSameControlsWithCaptions) {
  nlohmann::json list = ListedControls();
  CliResult table = RunCli({"--list-controls"});
  ASSERT_EQ(table.status, 0);
  size_t lines = std::count(table.out.begin(), table.out.end(), '\n');
  EXPECT_EQ(lines, list.size() + 1);  // the header line
  for (const auto& c : list) {
    EXPECT_NE(table.out.find(c["name"].get<std::string>() + "\t"), std::string::npos);
    EXPECT_FALSE(c["caption"].get<std::string>().empty()) << c["name"];
  }
  auto ws = std::find_if(list.begin(), list.end(), [](const auto& c) { return c["name"] == "WsD"; });
  ASSERT_NE(ws, list.end());
  EXPECT_EQ((*ws)["caption"], "质量流量");
  EXPECT_EQ((*ws)["unitSelector"], "WsU");
  EXPECT_EQ((*ws)["units"][1], "kg/h");
}

}  // namespace
}  // namespace tharvex::testing
