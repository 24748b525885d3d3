// The cumulative report of 1 000 samples written as an A4 PDF at 300 dpi
// through the print view, with and without the chromaticity and reflectance
// options (the longest report takes about 100 pages). Target: under 2 s.
#include <benchmark/benchmark.h>

#include <QPdfWriter>
#include <QTemporaryDir>
#include <numeric>
#include <random>

#include "bench/bench_records.h"
#include "bench/qt_bench_main.h"
#include "core/job.h"
#include "core/job_manager.h"
#include "qt/print/print_view.h"

namespace corvana {
namespace {

void BM_CumulativeReportToPdf(benchmark::State& state) {
  JobManager manager;
  Job job{manager};
  std::mt19937 rng(7);
  job.addStandard(randomRecord(rng, "Standard"), true);
  for (int i = 0; i < 1000; ++i)
    job.addSample(randomRecord(rng, "Lot " + std::to_string(i + 1)), false);
  job.PrintChromaticity = job.PrintReflectanceInCumulative = state.range(0) != 0;
  std::vector<int> selection(1000);
  std::iota(selection.begin(), selection.end(), 0);
  const ui::PrintView view(job, selection, ListSortMode::Unsorted);
  QTemporaryDir dir;
  const QString file = dir.filePath("cumulative.pdf");
  int pages = 0;
  for (auto _ : state) {
    QPdfWriter writer(file);
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {}));
    pages = view.print(writer);
    benchmark::DoNotOptimize(pages);
  }
  state.counters["pages"] = pages;
}
BENCHMARK(BM_CumulativeReportToPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvana

CORVANA_QT_BENCHMARK_MAIN()
