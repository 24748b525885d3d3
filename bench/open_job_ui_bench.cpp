// Opening a large job file in the program's window: from Open to the first
// full paint of the main window with the job's lists and plots, and one more
// measurement added to the open job. Offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <chrono>
#include <ctime>
#include <random>
#include <string>

#include "bench/bench_records.h"
#include "bench/qt_bench_main.h"
#include "core/job.h"
#include "core/job_file.h"
#include "core/job_manager.h"
#include "qt/child_frame.h"
#include "qt/main_frame.h"
#include "qt/message_box.h"
#include "qt/views/record_list_view.h"

namespace corvana {
namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point t0) {
  return std::chrono::duration<double>(Clock::now() - t0).count();
}

// The UI thread's own processor time: the figure that holds on a busy machine.
double threadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// A job of one standard and `samples` samples, in a file of the folder.
std::string writeLargeJob(const QTemporaryDir& dir, int samples) {
  const std::string path = dir.filePath("large.job").toStdString();
  Job job(jobManager());
  std::mt19937 rng(7);
  job.addStandard(randomRecord(rng, "Standard"), true);
  job.reserveRecords(RecordList::Samples, samples);
  for (int i = 0; i < samples; ++i)
    job.addSample(randomRecord(rng, "Lot " + std::to_string(i + 1)), false);
  return writeJobFile(job, path) ? path : std::string();
}

// Job > Open of the file into a new window, up to the painted window.
void OpenLargeJobAndPaint(benchmark::State& state) {
  QTemporaryDir dir;
  const std::string path = writeLargeJob(dir, int(state.range(0)));
  if (path.empty()) {
    state.SkipWithError("cannot write the job");
    return;
  }
  int failures = 0;
  ui::setMessageHandler([&](const ui::Message&) {
    ++failures;
    return QMessageBox::Ok;
  });
  for (auto _ : state) {
    CMainFrame frame;
    CChildFrame* child = frame.newJob();
    frame.show();
    QCoreApplication::processEvents();
    const auto t0 = Clock::now();
    const double cpu0 = threadSeconds();
    const bool read = child->openFile(QString::fromStdString(path));
    const double cpu1 = threadSeconds();
    const QImage painted = frame.grab().toImage();
    state.SetIterationTime(secondsSince(t0));
    state.counters["open_cpu_ms"] = (cpu1 - cpu0) * 1000;
    state.counters["paint_cpu_ms"] = (threadSeconds() - cpu1) * 1000;
    if (!read || failures || painted.isNull() ||
        child->sampleView()->model().rowCount() != state.range(0)) {
      state.SkipWithError("the job did not open");
      break;
    }
  }
  ui::setMessageHandler({});
}
BENCHMARK(OpenLargeJobAndPaint)
    ->Arg(20000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// One sample more in the open 100 000-sample window: the job, its row, the
// status bar's counts, and the repaint.
void AddOneSampleToLargeJob(benchmark::State& state) {
  QTemporaryDir dir;
  const std::string path = writeLargeJob(dir, 100000);
  CMainFrame frame;
  CChildFrame* child = frame.newJob();
  frame.show();
  if (path.empty() || !child->openFile(QString::fromStdString(path))) {
    state.SkipWithError("the job did not open");
    return;
  }
  std::mt19937 rng(11);
  const bool paint = state.range(0) != 0;
  for (auto _ : state) {
    const MeasurementRecord r = randomRecord(rng, "More");
    const auto t0 = Clock::now();
    child->job().addSample(r, true);
    if (paint) frame.grab();
    state.SetIterationTime(secondsSince(t0));
  }
  child->job().setModified(false);
}
BENCHMARK(AddOneSampleToLargeJob)
    ->ArgName("paint")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

}  // namespace
}  // namespace corvana

CORVANA_QT_BENCHMARK_MAIN()
