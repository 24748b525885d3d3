// Upload of 1000 stored standards from a simulator paced at 115200 baud
// through the program's own path: the transfer, then the records into a job.
// Reported against the line-rate bound of the bytes the transfer puts on the
// line.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "core/job.h"
#include "core/job_manager.h"
#include "instrument/connection.h"
#include "instrument/stored_records.h"
#include "sim_process.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRecords = 1000;
constexpr int kRecordsPerFrame = 2;
constexpr double kLineBytesPerSecond = 11520.0;  // 115200 baud, 10 bits a byte

// Range request and answer, start request, every data frame with its records
// and every acknowledgement.
double transferLineBytes() {
  const int frames = (kRecords + kRecordsPerFrame - 1) / kRecordsPerFrame;
  const double rangeRequest = 3 + 4 + 7 + 2, rangeAnswer = 4 + 4 + 7 + 2;
  const double start = 3 + 4 + 2;
  const double firstFrame = 4 + 4 + 3 + 2;  // the first data frame carries a status byte
  const double laterFrame = 3 + 4 + 3 + 2;
  const double records = 167.0 * kRecords;
  const double ack = 4 + 4 + 2 + 2;
  return rangeRequest + rangeAnswer + start + firstFrame + (frames - 1) * laterFrame + records +
         (frames - 1) * ack;
}

void PacedUploadOf1000RecordsIntoAJob(benchmark::State& state) {
  colorport::test::SimProcess sim({"--pace", "--standards", std::to_string(kRecords),
                                   "--records-per-frame", std::to_string(kRecordsPerFrame)});
  setenv("COLORPORT_PORT", sim.path().c_str(), 1);
  if (sim.path().empty() || corvana::connectInstrument() != API_SUCCESS) {
    state.SkipWithError("no simulator");
    return;
  }
  const corvana::UploadRange range{0, 0, kRecords};
  double seconds = 0;
  double addSeconds = 0;
  for (auto _ : state) {
    corvana::JobManager manager;
    corvana::Job job(manager);
    const auto t0 = Clock::now();
    const corvana::StoredTransfer transfer =
        corvana::transferStoredRecords(corvana::RecordList::Standards, range);
    const auto t1 = Clock::now();
    const corvana::Notice notice = corvana::addStoredRecords(
        job, corvana::RecordList::Standards, transfer, "P", "", corvana::RecordTime{});
    const auto t2 = Clock::now();
    if (notice.kind != corvana::Notice::Information || job.standardCount() != kRecords) {
      state.SkipWithError("transfer failed");
      break;
    }
    seconds += std::chrono::duration<double>(t2 - t0).count();
    addSeconds += std::chrono::duration<double>(t2 - t1).count();
  }
  const double perUpload = seconds / static_cast<double>(state.iterations());
  const double bound = transferLineBytes() / kLineBytesPerSecond;
  state.counters["line_bound_s"] = bound;
  state.counters["add_to_job_ms"] = 1000.0 * addSeconds / static_cast<double>(state.iterations());
  state.counters["fraction_of_line_rate"] = bound / perUpload;
  corvana::disconnectInstrument();
  unsetenv("COLORPORT_PORT");
}
BENCHMARK(PacedUploadOf1000RecordsIntoAJob)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
