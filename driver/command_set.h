#pragma once
// The instrument's command codes and the payloads of each command: request
// encoders and response decoders. A decoder returns false when the payload is
// shorter than its fields, and then leaves its target untouched.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "driver/colorport.h"

namespace colorport {

enum Command : std::uint8_t {
  kGetDeviceInfo = 0xA1,
  kSetMeasureParameter = 0xA2,
  kSetComputeParameter = 0xA3,
  kGetComputeParameter = 0xA4,
  kCalibrate = 0xA5,
  kMeasure = 0xA6,
  kSelectRecords = 0xA7,  // count query and transfer range
  kStartTransfer = 0xA8,
  kDataFrame = 0xAA,  // record data, and its acknowledgement
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

constexpr std::uint8_t kIdleMarker = 0xC0;  // no request waits; not a command
constexpr std::size_t kStoredRecordWireSize = 167;
constexpr std::size_t kDataFrameHeaderSize = 3;  // packet number (2), last-packet flag (1)

using Bytes = std::vector<std::uint8_t>;
using Payload = std::span<const std::uint8_t>;

Bytes selectRecordsPayload(std::uint8_t kind, std::uint16_t standardNumber,
                           std::uint16_t firstIndex, std::uint16_t count);
Bytes dateTimePayload(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour,
                      std::int32_t minute);
Bytes computeParameterPayload(const ComputeParameter& parameter);
Bytes standardSamplePayload(const StandardSampleData& data);
Bytes whiteBoardPayload(const WhiteBoardData& data);
Bytes rasterPayload(const RasterCoefficients& coefficients);

bool decodeDeviceInfo(Payload payload, DeviceInfo& info);
bool decodeMeasureParameter(Payload payload, MeasureParameter& parameter);
bool decodeComputeParameter(Payload payload, ComputeParameter& parameter);
// Five colour values, then one reflectance per further 4 bytes, at most 31;
// reflectances the payload does not carry keep their values.
bool decodeMeasureResult(Payload payload, MeasureResult& result);
// The count in the status-8 answer to the whole-range query: after 5 bytes.
bool decodeSampleCount(Payload payload, std::uint16_t& count);
bool decodeStoredRecord(Payload wire, StoredRecord& record);
bool decodeWhiteBoard(Payload payload, WhiteBoardData& data);
bool decodeDacData(Payload payload, DacData& data);
bool decodeDacLightRange(Payload payload, DacLightRange& range);
bool decodeRaster(Payload payload, RasterCoefficients& coefficients);

// One data frame of a record transfer. Records go into records[delivered...]
// while room remains; further ones are decoded and dropped; a remainder
// shorter than one record is not decoded but marks the frame as cut.
struct DataFrameContent {
  std::uint8_t packetNumber[2];  // echoed unchanged in the acknowledgement
  bool last;
  bool cut;  // the payload ended inside a record: a record was lost on the way
};
bool decodeDataFrame(Payload payload, std::span<StoredRecord> records, std::size_t& delivered,
                     DataFrameContent& content);

}  // namespace colorport
