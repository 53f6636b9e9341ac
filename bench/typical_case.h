#pragma once
// The case the benchmarks calculate: air cooled from 120 to 60 °C by water
// heated from 20 to 40 °C, the water flow left to the heat balance; two tube
// passes, tubes 6 m long.
#include "core/app/main_model.h"

namespace tharvex::bench {

inline void TypicalCase(MainModel& m) {
  Form& f = m.form();
  f.EnterText(f.At("WsD"), "5");
  f.EnterText(f.At("Ts1D"), "120");
  f.EnterText(f.At("Ts2D"), "60");
  f.EnterText(f.At("Tt1D"), "20");
  f.EnterText(f.At("Tt2D"), "40");
  f.SelectItem(f.At("PnD"), 1);
  f.Leave(f.At("PnD"));
  f.EnterText(f.At("LsD"), "6");
}

}  // namespace tharvex::bench
