// The window as the user feels it: start-up to the window shown, one field
// exit with the widgets refreshed, and the optimiser with its final refresh.
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

#include "bench/typical_case.h"
#include "core/app/main_model.h"
#include "gui/dialogs.h"
#include "gui/main_window.h"
#include "gui/section_view.h"
#include "gui/tedit_d.h"

namespace {

using namespace tharvex;
using namespace tharvex::gui;

class QuietSink : public QtMessageSink {
 public:
  MessageAnswer Show(const Message&) override { return MessageAnswer::No; }
};

using bench::TypicalCase;

struct Window {
  QuietSink sink;
  MainModel model{sink};
  TFormTharvex window{model, sink};
  ~Window() { model.project().modified = false; }
};

void BM_StartUpToWindowShown(benchmark::State& state) {
  for (auto _ : state) {
    auto w = std::make_unique<Window>();
    w->window.show();
    if (!QTest::qWaitForWindowExposed(&w->window)) state.SkipWithError("window not exposed");
    QApplication::processEvents();  // first paint
    state.PauseTiming();
    w.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartUpToWindowShown)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_FieldExit(benchmark::State& state) {
  Window w;
  TypicalCase(w.model);
  w.window.show();
  if (!QTest::qWaitForWindowExposed(&w.window)) state.SkipWithError("window not exposed");
  auto* e = dynamic_cast<TEditD*>(w.window.fieldWidget("Ts1D"));
  int i = 0;
  for (auto _ : state) {
    // Typed text that differs each time, so the exit recalculates.
    e->setText(QString::number(120 + (i++ % 2)));
    e->setModified(true);
    e->commitAndLeave();
    QApplication::processEvents();  // the refreshed widgets repaint
  }
}
BENCHMARK(BM_FieldExit)->Unit(benchmark::kMillisecond);

void BM_OptimiserWithRefresh(benchmark::State& state) {
  Window w;
  TypicalCase(w.model);
  w.window.show();
  if (!QTest::qWaitForWindowExposed(&w.window)) state.SkipWithError("window not exposed");
  for (auto _ : state) {
    w.window.command("MROpt1");
    QApplication::processEvents();
  }
  state.SetLabel(w.model.form().status(1));
}
BENCHMARK(BM_OptimiserWithRefresh)->Unit(benchmark::kMillisecond);

// The cross-section of about 10000 tubes (100 columns of 100, four passes):
// setting the scene, then one full repaint fitted, zoomed in on a corner
// (every tube drawn in detail) and zoomed out (tubes as column bars).
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

void BM_SectionViewSetScene10000(benchmark::State& state) {
  const section::SectionScene sc = section::BuildSection(LargeBundle());
  SectionView view;
  view.resize(1000, 700);
  view.show();
  QImage img(1000, 700, QImage::Format_RGB32);
  for (auto _ : state) {
    view.setScene(sc);
    QPainter p(&img);
    view.render(&p);
  }
}
BENCHMARK(BM_SectionViewSetScene10000)->Unit(benchmark::kMillisecond);

void BM_SectionViewRepaint10000(benchmark::State& state) {
  const section::SectionScene sc = section::BuildSection(LargeBundle());
  SectionView view;
  view.resize(1000, 700);
  view.show();
  view.setScene(sc);
  const double zoom = static_cast<double>(state.range(0)) / 100.0;  // relative to the fitted view
  view.zoomBy(zoom);
  QImage img(1000, 700, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter p(&img);
    view.render(&p);  // what the viewport paints, drawn into an image
  }
  state.counters["px_per_mm"] = view.zoom();
}
BENCHMARK(BM_SectionViewRepaint10000)->Arg(100)->Arg(400)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
