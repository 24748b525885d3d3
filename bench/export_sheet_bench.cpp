// Export Data of a job with 10 000 samples: the sheet's cells, and the whole
// export into an .xlsx file (cells, workbook, atomic replace).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <random>

#include "bench/bench_records.h"
#include "core/job.h"
#include "core/job_manager.h"
#include "reports/export_sheet.h"
#include "reports/xlsx_export.h"

namespace corvana {
namespace {

constexpr int kSamples = 10000;

Job& bigJob() {
  static JobManager manager;
  static Job* job = [] {
    auto* j = new Job(manager);
    j->setColorFormula(Cmc);
    std::mt19937 rng(7);
    for (int i = 0; i <= kSamples; ++i) {
      const MeasurementRecord r = randomRecord(rng, "Lot " + std::to_string(i));
      if (i == 0)
        j->addStandard(r, true);
      else
        j->addSample(r, false);
    }
    return j;
  }();
  return *job;
}

std::vector<int> allSamples(const Job& job) {
  std::vector<int> samples(std::size_t(job.sampleCount()));
  std::iota(samples.begin(), samples.end(), 0);
  return samples;
}

void BM_SheetCells(benchmark::State& state) {
  const Job& job = bigJob();
  const std::vector<int> standards{0}, samples = allSamples(job);
  for (auto _ : state) benchmark::DoNotOptimize(exportSheetCells(job, standards, samples));
}
BENCHMARK(BM_SheetCells)->Unit(benchmark::kMillisecond);

void BM_ExportToXlsx(benchmark::State& state) {
  const Job& job = bigJob();
  const std::vector<int> standards{0}, samples = allSamples(job);
  const std::filesystem::path out =
      std::filesystem::temp_directory_path() / "export_sheet_bench.xlsx";
  for (auto _ : state) {
    if (const auto error = writeXlsx(out, exportSheetCells(job, standards, samples))) {
      state.SkipWithError(error->c_str());
      break;
    }
  }
  state.counters["bytes"] = double(std::filesystem::file_size(out));
  std::filesystem::remove(out);
}
BENCHMARK(BM_ExportToXlsx)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvana

BENCHMARK_MAIN();
