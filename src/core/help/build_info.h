#pragma once
// Facts fixed when the program was built.
#include <string>

namespace tharvex {

// The data folder of the source tree the program was built from: the last
// place the shipped data is looked for.
const char* BuildDataDir();

// The project's version ("0.1"), the commit the build came from (short hash,
// "unknown" outside a repository) and the day of the build ("2026-12-09").
const char* BuildVersion();
const char* BuildCommit();
const char* BuildDate();

// "Tharvex 0.1 (commit 5921c00a1b, 2026-12-09)": what --version prints and
// the about box shows.
inline std::string VersionText() {
  return std::string("Tharvex ") + BuildVersion() + " (commit " + BuildCommit() + ", " + BuildDate() + ")";
}

}  // namespace tharvex
