// Upload of 500 stored records from a simulator paced at 115200 baud, against
// the line-rate bound; and the unpaced GetDeviceInfo round trip.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver/colorport.h"
#include "sim_process.h"

namespace {

using colorport::test::SimProcess;
using Clock = std::chrono::steady_clock;

constexpr int kRecords = 500;
constexpr int kRecordsPerFrame = 2;
constexpr double kLineBytesPerSecond = 11520.0;

// Bytes on the line for one transfer: range request and answer, start request,
// every data frame and every acknowledgement.
double transferLineBytes() {
  const int frames = (kRecords + kRecordsPerFrame - 1) / kRecordsPerFrame;
  const double rangeRequest = 3 + 4 + 7 + 2, rangeAnswer = 4 + 4 + 7 + 2;
  const double start = 3 + 4 + 2;
  const double firstFrame = 4 + 4 + 3 + 2;  // the 0xA8 frame carries a status byte
  const double laterFrame = 3 + 4 + 3 + 2;
  const double records = 167.0 * kRecords;
  const double ack = 4 + 4 + 2 + 2;
  return rangeRequest + rangeAnswer + start + firstFrame + (frames - 1) * laterFrame + records +
         (frames - 1) * ack;
}

DeviceHandle open(const SimProcess& sim, benchmark::State& state) {
  setenv("COLORPORT_PORT", sim.path().c_str(), 1);
  DeviceHandle h = 0;
  if (sim.path().empty() || ZW_OpenDevice(&h) != API_SUCCESS) state.SkipWithError("no simulator");
  return h;
}

void PacedUploadOf500Records(benchmark::State& state) {
  SimProcess sim({"--pace", "--standards", std::to_string(kRecords), "--records-per-frame",
                  std::to_string(kRecordsPerFrame)});
  const DeviceHandle h = open(sim, state);
  std::vector<StoredRecord> records(kRecords);
  double seconds = 0;
  for (auto _ : state) {
    StoredRecordBuffer buffer{0, records.data()};
    const auto t0 = Clock::now();
    if (ZW_GetSampleData(h, 0, 0, 0, kRecords, &buffer) != API_SUCCESS ||
        buffer.count != kRecords) {
      state.SkipWithError("transfer failed");
      break;
    }
    seconds += std::chrono::duration<double>(Clock::now() - t0).count();
  }
  const double bound = transferLineBytes() / kLineBytesPerSecond;
  state.counters["line_bound_s"] = bound;
  state.counters["fraction_of_line_rate"] =
      bound / (seconds / static_cast<double>(state.iterations()));
  ZW_CloseDevice(h);
}
BENCHMARK(PacedUploadOf500Records)->Unit(benchmark::kMillisecond)->Iterations(3);

void UnpacedDeviceInfoRoundTrip(benchmark::State& state) {
  SimProcess sim;
  const DeviceHandle h = open(sim, state);
  std::vector<double> micros;
  for (auto _ : state) {
    DeviceInfo info{};
    const auto t0 = Clock::now();
    if (ZW_GetDeviceInfo(h, &info) != API_SUCCESS) {
      state.SkipWithError("request failed");
      break;
    }
    micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
  }
  if (!micros.empty()) {
    std::nth_element(micros.begin(),
                     micros.begin() + static_cast<std::ptrdiff_t>(micros.size() / 2), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
  }
  ZW_CloseDevice(h);
}
BENCHMARK(UnpacedDeviceInfoRoundTrip)->Unit(benchmark::kMicrosecond);

}  // namespace
