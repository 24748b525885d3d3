// Measuring through the program's window against colorport-sim: the time
// from the Measure sample command to the new row in the sample list over a
// line paced at 115200 baud, next to the bare ZW_Measure round trip on the
// same line; and how long the UI thread's event loop goes without turning
// while the instrument stays silent for the driver's whole time-out.
// Offscreen platform.
#include <benchmark/benchmark.h>

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "bench/qt_bench_main.h"
#include "core/command_table.h"
#include "core/job.h"
#include "instrument/connection.h"
#include "qt/child_frame.h"
#include "qt/main_frame.h"
#include "qt/message_box.h"
#include "qt/views/record_list_view.h"
#include "sim_process.h"

namespace corvana {
namespace {

using colorport::test::SimProcess;
using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point t0) {
  return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

// The program's window connected to a simulator started with `options`, auto
// naming on so Measure asks nothing; a message box counts as a failure.
class Program {
 public:
  Program(const std::vector<std::string>& options, benchmark::State& state) : sim_(options) {
    setenv("COLORPORT_PORT", sim_.path().c_str(), 1);
    if (sim_.path().empty() || connectInstrument() != API_SUCCESS) {
      state.SkipWithError("no simulator");
      return;
    }
    main_ = std::make_unique<CMainFrame>();
    child_ = main_->newJob();
    child_->job().autoNamingSamples = true;
    main_->show();
    ui::setMessageHandler([this](const ui::Message&) {
      ++messages_;
      return QMessageBox::Ok;
    });
  }
  ~Program() {
    ui::setMessageHandler({});
    if (main_) main_->instrumentWorker().waitForDriver();
    main_.reset();
    disconnectInstrument();
    unsetenv("COLORPORT_PORT");
  }
  bool ready() const { return main_ != nullptr; }
  SimProcess& sim() { return sim_; }
  CMainFrame& main() { return *main_; }
  int rows() const { return child_->sampleView()->model().rowCount(); }
  int messages() const { return messages_; }
  // Lets the shown window paint and lay itself out.
  void settleWindow() {
    const auto t0 = Clock::now();
    while (millisecondsSince(t0) < 300) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  }

 private:
  SimProcess sim_;
  std::unique_ptr<CMainFrame> main_;
  CChildFrame* child_ = nullptr;
  int messages_ = 0;
};

void PacedMeasureCommandToNewRow(benchmark::State& state) {
  Program program({"--pace"}, state);
  if (!program.ready()) return;
  program.settleWindow();
  for (auto _ : state) {
    const int before = program.rows();
    const auto t0 = Clock::now();
    program.main().action(CmdMeasureSample)->trigger();
    // Back in the event loop as the program is: the row arrives as an event.
    while (program.rows() == before && program.messages() == 0)
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    state.SetIterationTime(millisecondsSince(t0) / 1000.0);
    if (program.messages() != 0) {
      state.SkipWithError("measurement failed");
      break;
    }
    program.main().instrumentWorker().finish();
  }
}
BENCHMARK(PacedMeasureCommandToNewRow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50);

void PacedBareMeasureRoundTrip(benchmark::State& state) {
  Program program({"--pace"}, state);
  if (!program.ready()) return;
  for (auto _ : state) {
    MeasureResult result{};
    const auto t0 = Clock::now();
    const ApiResult r = ZW_Measure(currentDeviceHandle(), 1, &result);
    state.SetIterationTime(millisecondsSince(t0) / 1000.0);
    if (r != API_SUCCESS) {
      state.SkipWithError("measurement failed");
      break;
    }
  }
}
BENCHMARK(PacedBareMeasureRoundTrip)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50);

// A heartbeat timer fires every `state.range(0)` ms (0: on every turn of the
// loop, which keeps the UI thread spinning); the longest pause between two
// beats, above the beat itself, is the longest the window could not repaint
// or take input. The longest turn is the longest the loop worked before it
// went back to waiting for events.
void LongestEventLoopGapWhileTheInstrumentIsSilent(benchmark::State& state) {
  Program program({}, state);
  if (!program.ready()) return;
  const int beatMs = int(state.range(0));
  QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
  for (auto _ : state) {
    if (!program.sim().control("no-answer 1")) {
      state.SkipWithError("simulator control failed");
      break;
    }
    // The window's first paint is behind it, not part of the wait.
    program.settleWindow();
    double longestGap = 0, longestGapAt = 0, longestTurn = 0;
    long beats = 0;
    const auto t0 = Clock::now();
    auto lastBeat = t0, awake = t0;
    const auto beat = [&] {
      if (const double gap = millisecondsSince(lastBeat) - beatMs; gap > longestGap) {
        longestGap = gap;
        longestGapAt = std::chrono::duration<double, std::milli>(lastBeat - t0).count();
      }
      lastBeat = Clock::now();
      ++beats;
    };
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::PreciseTimer);
    heartbeat.setInterval(beatMs);
    QObject::connect(&heartbeat, &QTimer::timeout, beat);
    const auto awoke = QObject::connect(dispatcher, &QAbstractEventDispatcher::awake,
                                        [&] { awake = Clock::now(); });
    const auto blocks = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, [&] {
      longestTurn = std::max(longestTurn, millisecondsSince(awake));
    });
    QEventLoop loop;
    QObject::connect(&program.main().instrumentWorker(), &InstrumentWorker::finished, &loop,
                     &QEventLoop::quit);
    heartbeat.start();
    awake = lastBeat = Clock::now();
    program.main().action(CmdMeasureSample)->trigger();
    loop.exec();
    heartbeat.stop();
    beat();
    QObject::disconnect(awoke);
    QObject::disconnect(blocks);
    state.SetIterationTime(millisecondsSince(t0) / 1000.0);
    state.counters["longest_gap_ms"] = longestGap;
    state.counters["longest_gap_at_ms"] = longestGapAt;
    state.counters["longest_turn_ms"] = longestTurn;
    state.counters["beats"] = double(beats);
    // The silent instrument ends in the time-out message, not in a record.
    state.counters["timed_out"] = program.messages() == 1 && program.rows() == 0 ? 1 : 0;
  }
}
BENCHMARK(LongestEventLoopGapWhileTheInstrumentIsSilent)
    ->Arg(0)
    ->Arg(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
}  // namespace corvana

CORVANA_QT_BENCHMARK_MAIN()
