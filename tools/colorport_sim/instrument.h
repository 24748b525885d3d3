#pragma once
// The simulated instrument's memory and its answers to every command.
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "tools/colorport_sim/colours.h"
#include "tools/colorport_sim/sim_frame.h"

namespace colorport::sim {

struct InstrumentSetup {
  std::string model;
  int standards = 5;        // stored standards made at start
  int recordsPerFrame = 2;  // records per data frame of a transfer
  bool calibrated = true;
  unsigned seed = 1;
};

struct StoredEntry {
  std::uint16_t number = 0;
  std::string name;  // at most 9 bytes
  std::uint16_t year = 2026;
  std::uint8_t month = 1, day = 1, hour = 0, minute = 0, second = 0;
  float values[5] = {};
  std::uint8_t illuminant = 0, observer = 1, mode = 0;
  std::int16_t reference = 0;
  Curve curve{};
};

// Instrument status bytes.
enum Status : std::uint8_t {
  kOk = 0,
  kCountFollows = 1,  // the answer to the whole-range count query
  kBadRequest = 2,
  kNoSuchRecord = 3,
  kNotCalibrated = 4,
  kMemoryFull = 5,
  kUnknownCommand = 7,
};

class Instrument {
 public:
  explicit Instrument(const InstrumentSetup& setup);

  // The frames that answer one host frame (none for a stray acknowledgement).
  std::vector<Bytes> answer(const HostFrame& request);

  const std::vector<StoredEntry>& standards() const { return standards_; }

 private:
  Bytes handle(std::uint8_t command, FieldReader in, std::uint8_t& status);
  std::vector<Bytes> startTransfer();
  std::vector<Bytes> acknowledge(FieldReader in);
  Bytes dataFrame(std::uint8_t command);
  std::uint16_t totalSamples() const;
  std::vector<StoredEntry>* list(std::uint8_t kind, std::uint16_t standardNumber);

  InstrumentSetup setup_;
  std::mt19937 random_;
  std::vector<StoredEntry> standards_;
  std::map<std::uint16_t, std::vector<StoredEntry>> samples_;  // by standard number (1-based)
  std::uint16_t capacity_ = 2000;
  bool black_ = true, white_ = true;
  std::string innerBoard_ = "W20240117", outerBoard_ = "W20240118";
  std::array<float, 31> boardValues_{};
  std::array<std::uint16_t, 32> dac_{};
  std::array<std::uint8_t, 32> gains_{};
  std::array<std::uint16_t, 64> lightRange_{};
  std::array<std::int32_t, 12> raster_{};
  std::uint16_t integration_ = 0x1234;
  std::uint8_t sampling_ = 3, highVoltage_ = 5;
  std::int32_t threshold_ = 100;
  std::array<std::uint8_t, 6> measureParameter_{1, 0, 2, 0, 0, 1};
  Bytes computeParameter_ = Bytes(30, 0);
  std::uint8_t motorFirst_ = 0;
  std::uint16_t motorSecond_ = 0;
  std::uint16_t year_ = 2026;
  std::uint8_t month_ = 1, day_ = 1, hour_ = 0, minute_ = 0;
  int lastStandardSpecimen_ = 0, measuredStandards_ = 0;

  // Record transfer: the selected range, then the frames still to send.
  std::optional<std::vector<StoredEntry>> selection_;
  std::vector<StoredEntry> transfer_;
  std::size_t transferAt_ = 0;
  std::uint16_t packet_ = 0;
  bool awaitingAck_ = false;
};

}  // namespace colorport::sim
