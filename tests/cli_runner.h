#pragma once
// Runs tharvex-cli as a user would and captures what it prints: the one
// runner of the driver for every test program.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include "test_paths.h"

#include <array>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace tharvex::testing {

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string ShellQuote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

inline CliResult RunCli(const std::vector<std::string>& args) {
  std::string errFile = ::testing::TempDir() + "cli_err_" + std::to_string(::getpid()) + ".txt";
  std::string cmd = ShellQuote(THARVEX_CLI);
  for (const auto& a : args) cmd += " " + ShellQuote(a);
  cmd += " 2>" + ShellQuote(errFile);
  CliResult r;
  FILE* p = ::popen(cmd.c_str(), "r");
  if (!p) return r;
  std::array<char, 65536> buf;
  size_t n;
  while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) r.out.append(buf.data(), n);
  int st = ::pclose(p);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  if (FILE* e = fopen(errFile.c_str(), "rb")) {
    while ((n = fread(buf.data(), 1, buf.size(), e)) > 0) r.err.append(buf.data(), n);
    fclose(e);
  }
  std::remove(errFile.c_str());
  return r;
}

// The arguments of a command line without quotes, split at blanks.
inline CliResult RunCliLine(const std::string& args) {
  std::vector<std::string> split;
  std::istringstream in(args);
  for (std::string a; in >> a;) split.push_back(a);
  return RunCli(split);
}

// What --dump printed, as JSON (a discarded value when it is not JSON).
inline nlohmann::json Dumped(const CliResult& r) { return nlohmann::json::parse(r.out, nullptr, false); }

}  // namespace tharvex::testing
