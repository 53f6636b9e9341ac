// Fuzz target of the property library reader: any bytes, taken as the
// library file, give records or a message, never a crash or a hang; every
// record loaded evaluates its properties to a number or an error.
// Run: fuzz_prop_library -max_len=65536 fuzz/corpus/prop_library
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "core/props/my_values.h"
#include "core/props/prop_library.h"
#include "core/props/property_eval.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tharvex::props;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  PropLibLoad load = LoadPropLibBytes(bytes, "fuzz.cds");
  if (load.records.empty()) return 0;
  TMyValues grid = TMyValues::PropertyWindowGrid();
  grid.SetValue("t", "20");
  grid.SetValue("p", "101325");
  // The first few records are enough to reach the evaluation.
  size_t n = 0;
  for (const PropRecord& r : load.records) {
    if (++n > 4) break;
    for (const char* name : {"CP", "MD", "VI", "TC", "ST", "HV"}) {
      try {
        (void)EvaluatePropertyText(name, r.Get(*FindPropField(name)), r.IsLiquid(), grid);
      } catch (const std::exception&) {
        // A bad property text is reported to the user, as in the window.
      }
    }
  }
  return 0;
}
