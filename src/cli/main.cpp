// tharvex-cli: drives the main window's model without a window. Actions are
// applied left to right, as a user would perform them, then the state is
// printed.
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/actions.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return tharvex::cli::Run(args, std::cout, std::cerr);
}
