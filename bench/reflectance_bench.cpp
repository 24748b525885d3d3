// Building the primitives of the reflectance pane; run build/bench/reflectance_bench.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <string_view>

#include "bench/bench_records.h"
#include "core/job.h"
#include "core/job_manager.h"
#include "plots/spectral_plot.h"

namespace corvana::spectral {
namespace {

// A 1000 x 690 pane (Fs = 20) showing a standard and 49 samples: 50 curves,
// the table of 31 rows and the grid, for a paint of the whole pane.
void BM_ReflectancePanePrimitives(benchmark::State& state) {
  JobManager manager;
  Job job(manager);
  std::mt19937 rng(5);
  job.addStandard(randomRecord(rng, "Sample"), true);
  for (int i = 0; i < 49; ++i) job.addSample(randomRecord(rng, "Sample"), i == 0);
  SpectralPlot plot;
  plot.setJob(&job);
  plot.resize(1000, 690);
  const TextWidth width = [](std::string_view text, const Font&) { return int(7 * text.size()); };
  for (auto _ : state) {
    DrawList out = plot.paint({0, 0, 1000, 690}, width);
    benchmark::DoNotOptimize(out.items().data());
  }
  state.SetItemsProcessed(state.iterations() * 50);
}
BENCHMARK(BM_ReflectancePanePrimitives)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvana::spectral
