// The tools driven through the command-line program, as a script would.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "tests/cli_runner.h"

namespace {

nlohmann::json RunCli(const std::string& args) {
  const tharvex::testing::CliResult r = tharvex::testing::RunCliLine(args);
  EXPECT_EQ(r.status, 0) << args;
  return tharvex::testing::Dumped(r);
}

TEST(ToolsCli, SetFiresTheToolHandlers) {
  nlohmann::json d = RunCli("--set PD=100000 --set tD=20 --set TsnD=20 --set MnD=10 --dump");
  ASSERT_TRUE(d.is_object());
  const auto& c = d["controls"];
  EXPECT_EQ(c["HD"]["text"], "0.0147271492563534");
  EXPECT_NEAR(std::stod(c["ywD"]["text"].get<std::string>()), 0.014513, 5e-7);
  ASSERT_EQ(c["MemoTi"]["lines"].size(), 11u);
  EXPECT_EQ(c["MemoTi"]["lines"][1], "Ts1=52.04");
  EXPECT_TRUE(d["messages"].empty());

  d = RunCli("--set PD=100000 --set tD=120 --dump");
  ASSERT_TRUE(d.is_object());
  EXPECT_EQ(d["controls"]["HD"]["text"], "");
  EXPECT_EQ(d["messages"], nlohmann::json::array({"发现错误，可能是输入数据错误！"}));
}

}  // namespace
