// The sample list with 100 000 samples: filling it after a job is read,
// sorting by two keys, and drawing one screen of rows. Offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <cmath>
#include <cstdlib>
#include <random>

#include "bench/qt_bench_main.h"
#include "core/job.h"
#include "core/job_manager.h"
#include "qt/views/record_list_view.h"

namespace corvana {
namespace {

Job& bigJob() {
  static JobManager manager;
  static Job* job = [] {
    auto* j = new Job(manager);
    std::mt19937 rng(5);
    std::uniform_real_distribution<float> centre(450, 650), level(0.05f, 0.8f);
    const char* materials[] = {"PES 150D", "PES 75D", "Cotton 40s", ""};
    MeasurementRecord r;
    r.UseReflect = true;
    for (int i = 0; i < 100001; ++i) {
      const float c = centre(rng), l = level(rng);
      for (int k = 0; k < kCurvePoints; ++k)
        r.reflectance[std::size_t(k)] =
            0.03f + l / (1.0f + std::exp(-(float(wavelengthOf(k)) - c) / 15.0f));
      r.setName("Lot " + std::to_string(i));
      r.setMaterial(materials[i % 4]);
      if (i == 0)
        j->addStandard(r, false);
      else
        j->addSample(r, false);
    }
    return j;
  }();
  return *job;
}

void BM_FillSampleList(benchmark::State& state) {
  Job& job = bigJob();
  for (auto _ : state) {
    SampleView view(job);
    benchmark::DoNotOptimize(view.model().rowCount());
  }
}
BENCHMARK(BM_FillSampleList)->Unit(benchmark::kMillisecond);

void BM_SortByTwoKeys(benchmark::State& state) {
  Job& job = bigJob();
  SampleView view(job);
  const int material = view.model().columnCount() - 1;
  (void)material;
  for (auto _ : state) {
    view.model().sortByMaterial();  // key 0: material
    view.model().clickHeading(1);   // key 1: name
  }
}
BENCHMARK(BM_SortByTwoKeys)->Unit(benchmark::kMillisecond);

void BM_DrawOneScreen(benchmark::State& state) {
  Job& job = bigJob();
  SampleView view(job);
  view.resize(1200, 700);
  QPixmap target(view.size());
  for (auto _ : state) view.render(&target);
}
BENCHMARK(BM_DrawOneScreen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvana

CORVANA_QT_BENCHMARK_MAIN()
