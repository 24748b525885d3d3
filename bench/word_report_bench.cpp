// The cumulative word-processor report of 1 000 samples, both options on
// (two lines per sample and seven reflectance lines each); run
// build/bench/word_report_bench.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <numeric>
#include <random>

#include "core/job.h"
#include "core/job_manager.h"
#include "reports/word_report.h"

namespace corvana {
namespace {

MeasurementRecord randomRecord(std::mt19937& rng, int n) {
  std::uniform_real_distribution<float> centre(450, 650), level(0.05f, 0.8f);
  MeasurementRecord r;
  const float c = centre(rng), l = level(rng);
  for (int i = 0; i < kCurvePoints; ++i)
    r.reflectance[std::size_t(i)] =
        0.03f + l / (1.0f + std::exp(-(float(wavelengthOf(i)) - c) / 15.0f));
  r.UseReflect = true;
  storeRecordText(r.name, kRecordTextUnits, "Lot " + std::to_string(n));
  return r;
}

void BM_CumulativeWordReport(benchmark::State& state) {
  JobManager manager;
  Job job(manager);
  job.PrintChromaticity = true;
  job.PrintReflectanceInCumulative = true;
  std::mt19937 rng(5);
  job.addStandard(randomRecord(rng, 0), true);
  for (int i = 0; i < state.range(0); ++i) job.addSample(randomRecord(rng, i + 1), false);
  std::vector<int> samples(std::size_t(job.sampleCount()));
  std::iota(samples.begin(), samples.end(), 0);
  const std::filesystem::path out = std::filesystem::temp_directory_path() /
                                    ("corvana-bench-" + std::to_string(::getpid()) + ".docx");
  const TemplateLocationInputs templates{CORVANA_TEMPLATE_DIR, ""};
  for (auto _ : state) {
    const WordReportResult r = writeCumulativeReport(job, samples, ListSortMode::Unsorted, templates, out);
    if (r.status != WordReportStatus::Saved) state.SkipWithError(r.error.c_str());
  }
  std::filesystem::remove(out);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CumulativeWordReport)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvana
