// Property evaluation as the property window's calculate button runs it:
// the six property texts of one shipped substance, and single formulas.
// Targets: six properties well under 1 ms (the button must feel instant),
// one formula under 5 us.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "core/help/build_info.h"
#include "core/props/formula_parser.h"
#include "core/props/prop_library.h"
#include "core/props/property_eval.h"

namespace {

using namespace tharvex::props;

const std::vector<PropRecord>& Library() {
  static const std::vector<PropRecord> records = [] {
    PropLibLoad load = LoadPropLib(std::string(tharvex::BuildDataDir()) + "/" + kPropLibFileName);
    if (!load.error.empty()) throw std::runtime_error(load.error);
    return load.records;
  }();
  return records;
}

const PropRecord& Substance(const char* no) {
  for (const auto& r : Library())
    if (r.Text(PropField::NO) == no) return r;
  throw std::runtime_error(std::string("no record ") + no);
}

// The six texts at 50 degC and 100 kPa, each run on a fresh window grid (a
// formula without variables blanks it, as the window's would be).
void SixProperties(benchmark::State& state, const char* no) {
  const PropRecord& r = Substance(no);
  TMyValues start = TMyValues::PropertyWindowGrid();
  start.SetValue("t", "50");
  static const PropField kFields[] = {PropField::CP, PropField::MD, PropField::VI,
                                      PropField::TC, PropField::ST, PropField::HV};
  for (auto _ : state) {
    TMyValues grid = start;
    for (PropField f : kFields) {
      PropOutcome o = EvaluatePropertyText(DefOf(f).name, r.Get(f), r.IsLiquid(), grid);
      benchmark::DoNotOptimize(o.value);
    }
  }
  state.SetLabel(r.Text(PropField::EN));
}

// Water: tables of 21 points for all six properties.
void BM_SixProperties_Water(benchmark::State& s) { SixProperties(s, "0001"); }
// Carbon dioxide: density by the Peng-Robinson equation, the rest tables.
void BM_SixProperties_CarbonDioxide(benchmark::State& s) { SixProperties(s, "0008"); }
// Nitrogen: density by the virial equation.
void BM_SixProperties_Nitrogen(benchmark::State& s) { SixProperties(s, "0006"); }
// R410A vapour: residual heat capacity, density and viscosity all from the
// Peng-Robinson equation.
void BM_SixProperties_R410A(benchmark::State& s) { SixProperties(s, "0019"); }
BENCHMARK(BM_SixProperties_Water);
BENCHMARK(BM_SixProperties_CarbonDioxide);
BENCHMARK(BM_SixProperties_Nitrogen);
BENCHMARK(BM_SixProperties_R410A);

// One library formula the whole way: cut, rewrite the keys, substitute the
// grid's t and p, parse and evaluate (the air density of the library).
void BM_FormulaText_IdealGasDensity(benchmark::State& state) {
  const std::optional<std::string> text = "P*0.0289586/(R*T)";
  TMyValues grid = TMyValues::PropertyWindowGrid();
  for (auto _ : state) benchmark::DoNotOptimize(EvaluatePropertyText("MD", text, false, grid).value);
}
BENCHMARK(BM_FormulaText_IdealGasDensity);

// The parser alone on a typical formula of t, with the grid.
void BM_EvaluateWithGrid(benchmark::State& state) {
  TFormulaParser parser(1);
  TMyValues grid = TMyValues::PropertyWindowGrid();
  for (auto _ : state)
    benchmark::DoNotOptimize(parser.EvaluateWithGrid("918600*((1-(t+273.15)/513.9)/0.41983)^0.38", grid));
}
BENCHMARK(BM_EvaluateWithGrid);

}  // namespace

// What a formula costs before it is read: the window creates a parser for
// every formula text.
void BM_ParserConstruction(benchmark::State& state) {
  for (auto _ : state) {
    TFormulaParser parser;
    benchmark::DoNotOptimize(&parser);
  }
}
BENCHMARK(BM_ParserConstruction);
