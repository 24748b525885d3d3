// A full repaint of the job window's reflectance pane (900 x 500, a standard
// and 50 sample curves) with the real QPainter onto an image. A frame at
// 60 Hz leaves 16 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "bench/qt_bench_main.h"
#include "core/job.h"
#include "core/job_manager.h"
#include "qt/views/wavelength_reflectance_view.h"

namespace corvana {
namespace {

MeasurementRecord curve(const std::string& name, int n) {
  MeasurementRecord r;
  r.setName(name);
  for (int i = 0; i < kCurvePoints; ++i)
    r.reflectance[std::size_t(i)] = 0.1f + 0.012f * float(n) + 0.02f * float(i % 7);
  r.UseReflect = true;
  return r;
}

void BM_SpectralPaneFullRepaint(benchmark::State& state) {
  JobManager manager;
  Job job{manager};
  job.addStandard(curve("Standard", 0), true);
  for (int n = 0; n < 50; ++n) job.addSample(curve("Sample " + std::to_string(n), n), n == 49);
  spectral::SpectralPlot plot;
  plot.setJob(&job);
  plot.resize(900, 500);
  QImage image(900, 500, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    QPainter painter(&image);
    paintSpectralPlot(painter, plot, QRect(0, 0, 900, 500));
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_SpectralPaneFullRepaint)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvana

CORVANA_QT_BENCHMARK_MAIN()
