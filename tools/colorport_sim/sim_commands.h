#pragma once
// The command codes the instrument answers, as they travel on the wire. The
// simulator stands in for the instrument, so it keeps its own list rather
// than the driver's; the names are the driver's, to be found by one search.
#include <cstdint>

namespace colorport::sim {

enum Command : std::uint8_t {
  kGetDeviceInfo = 0xA1,
  kSetMeasureParameter = 0xA2,
  kSetComputeParameter = 0xA3,
  kGetComputeParameter = 0xA4,
  kCalibrate = 0xA5,
  kMeasure = 0xA6,
  kSelectRecords = 0xA7,  // count query and transfer range
  kStartTransfer = 0xA8,
  kDataFrame = 0xAA,  // record data, and the host's acknowledgement of it
  kDeleteSampleData = 0xAB,
  kWriteStandardSampleData = 0xAD,
  kGetMeasureParameter = 0xAE,
  kWriteWhiteBoardData = 0xAF,
  kGetDacData = 0xB0,
  kSetDacGain = 0xB1,
  kGetDacLightRange = 0xB2,
  kReadWhiteBoardData = 0xB3,
  kWriteRasterCoefficients = 0xB4,
  kReadRasterCoefficients = 0xB5,
  kSetIntegrationTimes = 0xB6,
  kGetIntegrationTimes = 0xB7,
  kSetSimplingTimes = 0xB8,
  kGetSimplingTimes = 0xB9,
  kSetHighVoltageLevelPullingTimes = 0xBA,
  kGetHighVoltageLevelPullingTimes = 0xBB,
  kSetMotorRatating = 0xBC,
  kSetDateTime = 0xBD,
  kSetCorrectionAlgorithmThreshold = 0xBE,
  kGetCorrectionAlgorithmThreshold = 0xBF,
};

// Answers no request: the merge fault puts a frame of it before an answer,
// which the host must skip.
constexpr std::uint8_t kStrayFrame = 0xC1;

}  // namespace colorport::sim
