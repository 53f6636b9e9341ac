// Fuzz target of the driver's argument handling: any argument list ends in
// an exit status and a message, never in a crash, a hang or an exception
// escaping. Arguments are the input cut at zero bytes.
//
// The driver runs in a scratch folder, and lists that could name a file
// outside it (a '/' anywhere) or start the long optimiser are skipped.
// Run: fuzz_cli_args -max_len=1024 fuzz/corpus/cli_args
#include <dirent.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/actions.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char dir[] = "/tmp/fuzz_cli_args.XXXXXX";
  if (!::mkdtemp(dir) || ::chdir(dir) != 0) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  if (input.find('/') != std::string_view::npos || input.find("optimi") != std::string_view::npos ||
      input.find("proplib") != std::string_view::npos)
    return 0;
  std::vector<std::string> args;
  size_t start = 0;
  for (size_t zero = input.find('\0'); zero != std::string_view::npos; zero = input.find('\0', start)) {
    args.emplace_back(input.substr(start, zero - start));
    start = zero + 1;
  }
  if (start < input.size()) args.emplace_back(input.substr(start));
  if (args.size() > 24) return 0;
  std::ostringstream out, err;
  int status = tharvex::cli::Run(args, out, err);
  if (status < 0 || status > 2) std::abort();
  // Files the run saved go, so the scratch folder stays small.
  if (DIR* d = ::opendir(".")) {
    while (const dirent* e = ::readdir(d))
      if (std::string_view(e->d_name) != "." && std::string_view(e->d_name) != "..") ::unlink(e->d_name);
    ::closedir(d);
  }
  return 0;
}
