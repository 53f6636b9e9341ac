// Save and open of a full project: the window state of a calculated case
// written as a compressed project file and read back into a fresh window.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <filesystem>
#include <memory>

#include "core/app/main_model.h"
#include "core/app/project_session.h"
#include "core/files/form_record.h"
#include "core/mainwin/main_window_table.h"

namespace {

using namespace tharvex;
namespace fs = std::filesystem;

class NoDialogs : public SessionUi {
 public:
  bool AskYesNo(const std::string&, const std::string&) override { return false; }
  std::optional<std::string> ChooseFile(const FileDialogSpec&) override { return std::nullopt; }
  void Inform(const std::string&, const std::string&) override {}
};

// An air cooler typed in and calculated, with a comment and units changed.
void TypeCase(MainModel& m) {
  Form& f = m.form();
  for (auto [name, text] : {std::pair{"WsD", "12"}, {"Ts1D", "90"}, {"Ts2D", "45"}, {"Tt1D", "20"}, {"Tt2D", "35"}})
    f.EnterText(f.At(name), text);
  f.PickUnit(f.At("DppSU"), 3);
  f.At("CmtsD").setLines({"空气冷却器", "冷却水 20-35 °C"});
  f.EnterText(f.At("Tt2D"), "35");
}

std::string BenchFile() {
  return (fs::temp_directory_path() / ("tharvex_bench_" + std::to_string(::getpid()) + ".zrf")).string();
}

void BM_SaveProject(benchmark::State& state) {
  RecordingMessageSink sink;
  MainModel m(sink);
  TypeCase(m);
  std::string file = BenchFile();
  for (auto _ : state) WriteFormRecord(m.form(), file, false, mainwin::kExcludedFromFile, true);
  fs::remove(file);
}
BENCHMARK(BM_SaveProject)->Unit(benchmark::kMicrosecond);

void BM_EncodeProject(benchmark::State& state) {
  RecordingMessageSink sink;
  MainModel m(sink);
  TypeCase(m);
  for (auto _ : state) benchmark::DoNotOptimize(EncodeFormRecord(m.form(), mainwin::kExcludedFromFile, false, true));
}
BENCHMARK(BM_EncodeProject)->Unit(benchmark::kMicrosecond);

// The open command: read, check, apply, re-apply the modes (which
// recalculate), title.
void BM_OpenProject(benchmark::State& state) {
  RecordingMessageSink sink;
  std::string file = BenchFile();
  {
    MainModel m(sink);
    TypeCase(m);
    WriteFormRecord(m.form(), file, false, mainwin::kExcludedFromFile, true);
  }
  NoDialogs ui;
  AppPaths paths;
  for (auto _ : state) {
    state.PauseTiming();
    auto m = std::make_unique<MainModel>(sink);
    ProjectSession session(*m, ui, paths, nullptr);
    state.ResumeTiming();
    if (!session.OpenFile(file, false)) state.SkipWithError("open failed");
    state.PauseTiming();
    m.reset();
    state.ResumeTiming();
  }
  fs::remove(file);
}
BENCHMARK(BM_OpenProject)->Unit(benchmark::kMicrosecond);

// Reading and applying alone, without the recalculations of the modes.
void BM_ReadRecords(benchmark::State& state) {
  RecordingMessageSink sink;
  std::string file = BenchFile();
  {
    MainModel m(sink);
    TypeCase(m);
    WriteFormRecord(m.form(), file, false, mainwin::kExcludedFromFile, true);
  }
  MainModel target(sink);
  for (auto _ : state) benchmark::DoNotOptimize(ReadFormRecord(target.form(), file));
  fs::remove(file);
}
BENCHMARK(BM_ReadRecords)->Unit(benchmark::kMicrosecond);

}  // namespace
