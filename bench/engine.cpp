// One full calculation of a typical case, and the optimiser's full sweep.
#include <benchmark/benchmark.h>

#include "bench/typical_case.h"
#include "core/app/main_model.h"

namespace {

using namespace tharvex;

using bench::TypicalCase;

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

// The same with the engineering method ("工程方法").
void BM_CalculationEngineering(benchmark::State& state) {
  RecordingMessageSink sink;
  MainModel m(sink);
  TypicalCase(m);
  m.form().SelectItem(m.form().At("MethodD"), 1);
  for (auto _ : state) m.engine().WsDExit(nullptr);
  state.counters["Cs"] = std::stod(m.form().At("CsD").text());
  state.counters["F"] = std::stod(m.form().At("CdtD").text());
}
BENCHMARK(BM_CalculationEngineering)->Unit(benchmark::kMicrosecond);

void BM_OptimiserBestSweepEngineering(benchmark::State& state) {
  RecordingMessageSink sink;
  MainModel m(sink);
  TypicalCase(m);
  m.form().SelectItem(m.form().At("MethodD"), 1);
  m.form().SelectItem(m.form().At("OMD"), 1);
  for (auto _ : state) {
    m.form().EnterText(m.form().At("UtmD"), "0.5");
    m.engine().BtOpt1Click(nullptr);
  }
  state.SetLabel(m.form().status(1));
}
BENCHMARK(BM_OptimiserBestSweepEngineering)->Unit(benchmark::kMillisecond);

}  // namespace
