// Building what the chromaticity pane draws for a large job; run
// build/bench/chroma_bench.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

#include "bench/bench_records.h"
#include "core/job.h"
#include "core/job_manager.h"
#include "plots/chroma_pane.h"

namespace corvana {
namespace {

// Seven pixels per byte stands in for font metrics.
double measure(std::string_view text, FontRole, int) { return 7.0 * double(text.size()); }

// One paint of a 10 000-sample job in a 900 × 600 pane: the cells again, the
// heading, the table, and the plot with a marker for every sample (the
// difference square for CIE LAB, the xy diagram for CIE XYZ).
void BM_ChromaPanePrimitives(benchmark::State& state) {
  JobManager manager;
  Job job(manager);
  job.colorSpace = static_cast<ColorSpace>(state.range(0));
  job.setColorFormula(Cie2000);
  std::mt19937 rng(5);
  job.addStandard(randomRecord(rng), true);
  for (int i = 0; i < 10000; ++i) job.addSample(randomRecord(rng), false);
  job.selectSample(42);
  ChromaPaneState pane;
  relayoutChromaPane(job, pane, 900, 600, measure);
  std::size_t count = 0;
  for (auto _ : state) {
    const PlotPrimitives primitives = chromaPanePrimitives(&job, pane, 900, 600, measure);
    count = primitives.size();
    benchmark::DoNotOptimize(primitives.data());
  }
  state.counters["primitives"] = double(count);
}
BENCHMARK(BM_ChromaPanePrimitives)
    ->Arg(CieLab)
    ->Arg(CieXyz)
    ->ArgName("space")
    ->Unit(benchmark::kMillisecond);

// The painter's test of every primitive against a small update rectangle.
void BM_UpdateRectangleTest(benchmark::State& state) {
  JobManager manager;
  Job job(manager);
  std::mt19937 rng(6);
  job.addStandard(randomRecord(rng), true);
  for (int i = 0; i < 10000; ++i) job.addSample(randomRecord(rng), false);
  ChromaPaneState pane;
  relayoutChromaPane(job, pane, 900, 600, measure);
  const PlotPrimitives primitives = chromaPanePrimitives(&job, pane, 900, 600, measure);
  const PlotBox update{0, 0, 900, 60};
  for (auto _ : state) {
    int visible = 0;
    for (const PlotPrimitive& p : primitives) visible += needsPainting(p, update);
    benchmark::DoNotOptimize(visible);
  }
}
BENCHMARK(BM_UpdateRectangleTest)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvana
