// Recomputing a large job's value table; run build/bench/job_bench.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

#include "bench/bench_records.h"
#include "core/job.h"
#include "core/job_manager.h"

namespace corvana {
namespace {

// 10 000 samples and 10 standards under D65, A and F11 (a 5 nm table), CIE 2000.
void BM_RecomputeAll(benchmark::State& state) {
  JobManager manager;
  Job job(manager);
  job.illuminants[0] = D65;
  job.illuminants[1] = A;
  job.illuminants[2] = F11;
  job.setColorFormula(Cie2000);
  std::mt19937 rng(2);
  for (int i = 0; i < 10; ++i) job.addStandard(randomRecord(rng), false);
  for (int i = 0; i < state.range(0); ++i) job.addSample(randomRecord(rng), false);
  for (auto _ : state) {
    job.recomputeAll();
    benchmark::DoNotOptimize(job.table.entries.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RecomputeAll)->Arg(10000)->Unit(benchmark::kMillisecond);

// Changing the current standard recomputes every sample's differences.
void BM_SelectStandard(benchmark::State& state) {
  JobManager manager;
  Job job(manager);
  job.setColorFormula(Cie2000);
  std::mt19937 rng(3);
  for (int i = 0; i < 2; ++i) job.addStandard(randomRecord(rng), false);
  for (int i = 0; i < 10000; ++i) job.addSample(randomRecord(rng), false);
  int next = 1;
  for (auto _ : state) {
    job.selectStandard(next);
    next = 1 - next;
  }
}
BENCHMARK(BM_SelectStandard)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvana
