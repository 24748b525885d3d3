// A full repaint of the chromaticity pane with the real QPainter onto an
// image: a 1100 × 800 pane, 10 000 samples. Run with
// QT_QPA_PLATFORM=offscreen build/bench/chroma_paint_bench.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <cmath>
#include <cstdlib>
#include <random>

#include "bench/bench_records.h"
#include "bench/qt_bench_main.h"
#include "core/job.h"
#include "core/job_manager.h"
#include "plots/chroma_pane.h"
#include "qt/views/chroma_painter.h"

namespace corvana {
namespace {

// Primitives, then every one painted: what one paint event of the whole pane
// does, with 10 000 samples and with one.
void BM_ChromaPaneFullRepaint(benchmark::State& state) {
  JobManager manager;
  Job job(manager);
  job.colorSpace = static_cast<ColorSpace>(state.range(0));
  job.setColorFormula(Cie2000);
  std::mt19937 rng(5);
  job.addStandard(randomRecord(rng), true);
  for (int i = 0; i < state.range(1); ++i) job.addSample(randomRecord(rng), false);
  job.selectSample(0);
  for (ToleranceSet& t : job.toleranceB) t.lower = -1, t.upper = 1;
  job.recomputeAll();
  const int W = 1100, H = 800;
  QImage image = ui::screenLikeImage(QSize(W, H));
  const TextMeasure measure = ui::textMeasureOn(image);
  ChromaPaneState pane;
  relayoutChromaPane(job, pane, W, H, measure);
  for (auto _ : state) {
    QPainter painter(&image);
    const PlotPrimitives primitives = chromaPanePrimitives(&job, pane, W, H, measure);
    ui::paintPrimitives(painter, primitives, {0, 0, double(W), double(H)});
  }
}
BENCHMARK(BM_ChromaPaneFullRepaint)
    ->Args({CieLab, 10000})
    ->Args({CieXyz, 10000})
    ->Args({CieLab, 1})  // the pane without the crowd of markers
    ->Args({CieXyz, 1})
    ->ArgNames({"space", "samples"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvana

CORVANA_QT_BENCHMARK_MAIN()
