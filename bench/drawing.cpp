// The parametric study of the typical case, and the cross-section of a large
// bundle: the scene, its SVG and its PNG.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "bench/typical_case.h"
#include "core/app/main_model.h"
#include "core/app/study.h"
#include "core/output/section_geometry.h"
#include "core/output/section_raster.h"

namespace {

using namespace tharvex;

void BM_Study100Steps(benchmark::State& state) {
  RecordingMessageSink sink;
  MainModel m(sink);
  bench::TypicalCase(m);
  const study::StudySpec spec{"WsD", 4, 6, 100, {"CsD", "KaD", "DpsD", "NtD"}};
  size_t rows = 0;
  for (auto _ : state) rows = study::RunStudy(m, spec).rows.size();
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_Study100Steps)->Unit(benchmark::kMillisecond);

// About 10000 tubes: 100 columns of 100, triangular pitch, four passes.
section::SectionInput LargeBundle() {
  section::SectionInput s;
  s.layout.passes = 4;
  s.layout.tubes = 10000;
  s.layout.khw = 1.0;
  s.layout.sw = s.layout.sh1 = 35;
  s.layout.pt = 92;
  s.layout.df = 70;
  s.tubeOd = 38;
  return s;
}

void BM_SectionScene10000(benchmark::State& state) {
  const section::SectionInput in = LargeBundle();
  size_t tubes = 0;
  for (auto _ : state) tubes = section::BuildSection(in).tubes.size();
  state.counters["tubes"] = static_cast<double>(tubes);
}
BENCHMARK(BM_SectionScene10000)->Unit(benchmark::kMillisecond);

void BM_SectionSvg10000(benchmark::State& state) {
  const section::SectionScene sc = section::BuildSection(LargeBundle());
  size_t bytes = 0;
  for (auto _ : state) bytes = section::SectionToSvg(sc).size();
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SectionSvg10000)->Unit(benchmark::kMillisecond);

void BM_SectionPng10000(benchmark::State& state) {
  const section::SectionScene sc = section::BuildSection(LargeBundle());
  const std::string file = "/tmp/bench_section.png";
  for (auto _ : state) section::WriteSectionPng(sc, file, 2000);
  std::remove(file.c_str());
}
BENCHMARK(BM_SectionPng10000)->Unit(benchmark::kMillisecond);

}  // namespace
