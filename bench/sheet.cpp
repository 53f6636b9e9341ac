// The calculation sheet of the shipped example: building its content and
// laying it out as a PDF, and the data exports.
#include <benchmark/benchmark.h>

#include <optional>

#include "core/app/date_time_format.h"
#include "core/app/main_model.h"
#include "core/app/paths.h"
#include "core/app/project_session.h"
#include "core/app/session_ui.h"
#include "core/help/build_info.h"
#include "core/output/export_data.h"
#include "core/output/sheet.h"

namespace {

using namespace tharvex;

class NoDialogs : public SessionUi {
 public:
  bool AskYesNo(const std::string&, const std::string&) override { return false; }
  std::optional<std::string> ChooseFile(const FileDialogSpec&) override { return std::nullopt; }
};

void OpenExample(MainModel& m) {
  NoDialogs ui;
  ProjectSession session(m, ui, AppPaths{}, nullptr);
  session.OpenFile(std::string(BuildDataDir()) + "/examples/AirCooler-Example.zrf", false);
  m.engine().WsDExit(nullptr);
}

void BM_SheetOfExample(benchmark::State& state) {
  RecordingMessageSink sink;
  MainModel m(sink);
  OpenExample(m);
  const std::tm when = LocalNow();
  size_t bytes = 0;
  for (auto _ : state) {
    std::string error;
    bytes = sheet::RenderSheetPdf(sheet::BuildSheet(m, when), &error).size();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["pdf_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SheetOfExample)->Unit(benchmark::kMillisecond);

void BM_SheetContentOfExample(benchmark::State& state) {
  RecordingMessageSink sink;
  MainModel m(sink);
  OpenExample(m);
  const std::tm when = LocalNow();
  for (auto _ : state) benchmark::DoNotOptimize(sheet::BuildSheet(m, when).blocks.size());
}
BENCHMARK(BM_SheetContentOfExample)->Unit(benchmark::kMicrosecond);

void BM_JsonExportOfExample(benchmark::State& state) {
  RecordingMessageSink sink;
  MainModel m(sink);
  OpenExample(m);
  for (auto _ : state)
    benchmark::DoNotOptimize(
        exportdata::ToJson(exportdata::CollectRows(m.form()), exportdata::DesignCheck(m.form())).size());
}
BENCHMARK(BM_JsonExportOfExample)->Unit(benchmark::kMicrosecond);

}  // namespace
