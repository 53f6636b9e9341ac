#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace tharvex::cli {

// Runs the command line; returns the exit status (0 ok, 2 bad usage or a
// control the user could not act on, 1 an operation that failed).
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tharvex::cli
