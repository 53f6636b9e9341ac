// The manual page names every action and subcommand the driver lists in its
// --help, so the installed documentation cannot fall behind the program.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "tests/cli_runner.h"

namespace tharvex::testing {
namespace {

std::string ManPageText() {
  std::ifstream in(std::string(THARVEX_SOURCE_DIR) + "/data/man/tharvex-cli.1");
  std::stringstream s;
  s << in.rdbuf();
  // roff writes a minus sign as \-.
  return std::regex_replace(s.str(), std::regex(R"(\\-)"), "-");
}

TEST(ManPage, NamesEveryActionOfTheHelp) {
  CliResult help = RunCli({"--help"});
  ASSERT_EQ(help.status, 0) << help.err;
  const std::string man = ManPageText();
  std::istringstream lines(help.out);
  std::string line;
  int names = 0;
  std::smatch m;
  for (const std::regex first(R"(^\s+(--?[a-z][a-z-]*|[a-z][a-z-]+)\b)"); std::getline(lines, line);) {
    if (!std::regex_search(line, m, first)) continue;
    ++names;
    const std::string name = m[1];
    EXPECT_TRUE(std::regex_search(man, std::regex("(^|[ \\n])" + name + "([ \\n]|$)"))) << name;
  }
  EXPECT_GT(names, 20);
  for (const char* section : {".SH EXIT STATUS", ".SH EXAMPLES", ".SH SYNOPSIS"})
    EXPECT_NE(man.find(section), std::string::npos) << section;
}

}  // namespace
}  // namespace tharvex::testing
