// Number formatting and the SI round trip of a unit-bearing field.
#include <benchmark/benchmark.h>

#include "core/fields/form.h"
#include "core/fields/number_format.h"

namespace {

using namespace tharvex;

void BM_FormatGeneral15(benchmark::State& state) {
  double x = 3599.9712002304;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatGeneral(x, 15, 0));
    x += 1e-9;
  }
}
BENCHMARK(BM_FormatGeneral15);

void BM_FormatGeneral7Display(benchmark::State& state) {
  double x = 0.00001234;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatGeneral(x, 7, 4));
    x += 1e-15;
  }
}
BENCHMARK(BM_FormatGeneral7Display);

void BM_ParseLenient(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ParseLenient(" 3599.9712002304 "));
}
BENCHMARK(BM_ParseLenient);

void BM_SetGetSIValue(benchmark::State& state) {
  RecordingMessageSink sink;
  Form form(sink);
  Control& f = form.Add("WsD", ControlKind::TEditD);
  f.setExchangeRaw(2.7778E-4);
  double x = 1.0;
  for (auto _ : state) {
    f.SetSIValue(x);
    benchmark::DoNotOptimize(f.GetSIValue());
    x += 1e-7;
  }
}
BENCHMARK(BM_SetGetSIValue);

}  // namespace
