// The headless driver on single controls: actions, the dump, and refusals.
#include <gtest/gtest.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include "tests/cli_runner.h"

namespace tharvex {
namespace {

using nlohmann::json;
using testing::RunCli;

json Dump(const std::vector<std::string>& actions) {
  auto args = actions;
  args.push_back("--dump");
  auto r = RunCli(args);
  EXPECT_EQ(r.status, 0) << r.err;
  return json::parse(r.out);
}

TEST(CliFields, UnitChangeReexpressesAndComesBack) {
  json d = Dump({"--set", "WsD=1", "--unit", "WsU=1"});
  const json& ws = d["controls"]["WsD"];
  EXPECT_EQ(ws["text"], "3599.9712002304");
  EXPECT_DOUBLE_EQ(ws["exchange"].get<double>(), 0.00027778);
  EXPECT_EQ(ws["display"], "3599.971");
  EXPECT_EQ(ws["kind"], "TEditD");
  EXPECT_EQ(d["controls"]["WsU"]["itemIndex"], 1);

  d = Dump({"--set", "WsD=1", "--unit", "WsU=1", "--unit", "WsU=0"});
  EXPECT_EQ(d["controls"]["WsD"]["text"], "1");
}

TEST(CliFields, DumpHasEveryPartOfTheWindow) {
  json d = Dump({});
  EXPECT_EQ(d["title"], "箱式换热器热力计算-Tharvex");
  EXPECT_TRUE(d["status"].is_array());
  EXPECT_EQ(d["status"].size(), 2u);
  EXPECT_TRUE(d["messages"].is_array());
  EXPECT_TRUE(d["memo"].is_array());
  const json& cps = d["controls"]["CpsD"];
  EXPECT_EQ(cps["color"], -16777211);
  EXPECT_EQ(d["controls"]["QsD"]["color"], -16777201);
  EXPECT_EQ(d["controls"]["MemoTi"]["kind"], "TMemo");
  EXPECT_EQ(d["controls"]["CBWater"]["checked"], false);
}

TEST(CliFields, RequiredEmptyFieldShowsTheMarker) {
  json d = Dump({"--set", "CpsD="});
  EXPECT_EQ(d["controls"]["CpsD"]["display"], "[Must input]");
  EXPECT_EQ(d["controls"]["WsD"]["display"], "");
}

TEST(CliFields, ClearCheckAndSelect) {
  json d = Dump({"--clear", "QsD", "--check", "CBTType=1", "--select", "OMD=1"});
  EXPECT_EQ(d["controls"]["QsD"]["readOnly"], false);
  EXPECT_EQ(d["controls"]["QsD"]["color"], -16777211);
  EXPECT_EQ(d["controls"]["CBTType"]["checked"], true);
  EXPECT_EQ(d["controls"]["OMD"]["itemIndex"], 1);
}

struct Refusal {
  std::vector<std::string> args;
  const char* says;
};

class CliRefuses : public ::testing::TestWithParam<Refusal> {};

TEST_P(CliRefuses, WithStatusTwoAndOneLine) {
  auto r = RunCli(GetParam().args);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find(GetParam().says), std::string::npos) << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  EXPECT_TRUE(r.out.empty());
}

INSTANTIATE_TEST_SUITE_P(
    BadActions, CliRefuses,
    ::testing::Values(Refusal{{"--frobnicate"}, "unknown action"}, Refusal{{"--set", "NoSuchD=1"}, "unknown control"},
                      Refusal{{"--set", "QsD=1"}, "read-only"}, Refusal{{"--set", "PwD=1"}, "disabled"},
                      Refusal{{"--set", "WsD"}, "NAME=VALUE"}, Refusal{{"--set"}, "needs an argument"},
                      Refusal{{"--unit", "WsU=9"}, "out of range"}, Refusal{{"--unit", "WsD=0"}, "not a unit"},
                      Refusal{{"--select", "PhsD=x"}, "not an item index"}, Refusal{{"--check", "CBWater=2"}, "0 or 1"},
                      Refusal{{"--clear", "PhsD"}, "not an edit"}));

}  // namespace
}  // namespace tharvex
