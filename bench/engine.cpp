// One full calculation of a typical case, and the optimiser's full sweep.
#include <benchmark/benchmark.h>

#include "core/app/main_model.h"

namespace {

using namespace tharvex;

// Air cooled from 120 to 60 °C by water heated from 20 to 40 °C, the water
// flow left to the heat balance; two tube passes.
void TypicalCase(MainModel& m) {
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

void BM_Calculation(benchmark::State& state) {
  RecordingMessageSink sink;
  MainModel m(sink);
  TypicalCase(m);
  for (auto _ : state) m.engine().WsDExit(nullptr);
  state.counters["Cs"] = std::stod(m.form().At("CsD").text());
}
BENCHMARK(BM_Calculation)->Unit(benchmark::kMicrosecond);

void BM_CalculationQuiet(benchmark::State& state) {
  RecordingMessageSink sink;
  MainModel m(sink);
  TypicalCase(m);
  m.engine().state().InteractiveOutput = false;
  for (auto _ : state) m.engine().WsDExit(nullptr);
}
BENCHMARK(BM_CalculationQuiet)->Unit(benchmark::kMicrosecond);

// "最优" visits all 41 x 41 grid points.
void BM_OptimiserBestSweep(benchmark::State& state) {
  RecordingMessageSink sink;
  MainModel m(sink);
  TypicalCase(m);
  m.form().SelectItem(m.form().At("OMD"), 1);
  for (auto _ : state) {
    m.form().EnterText(m.form().At("UtmD"), "0.5");
    m.engine().BtOpt1Click(nullptr);
  }
  state.SetLabel(m.form().status(1));
}
BENCHMARK(BM_OptimiserBestSweep)->Unit(benchmark::kMillisecond);

}  // namespace
