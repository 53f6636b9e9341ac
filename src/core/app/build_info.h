#pragma once
// Facts fixed when the program was built.

namespace tharvex {

// The data folder of the source tree the program was built from: the last
// place the shipped data is looked for.
const char* BuildDataDir();

}  // namespace tharvex
