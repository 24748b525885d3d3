#include "driver/serial_port_spectrophotometer.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "driver/frame.h"
#include "driver/payload.h"
#include "driver/port_discovery.h"
#include "driver/port_numbers.h"

namespace colorport {
namespace {

constexpr std::uint32_t kHighestNumberedPort = 255;

ApiResult openResult(ComPort::OpenOutcome outcome) {
  switch (outcome) {
    case ComPort::OpenOutcome::Opened: return API_SUCCESS;
    case ComPort::OpenOutcome::InUse: return API_DEVICE_ALREADY_OPEN;
    case ComPort::OpenOutcome::Failed: break;
  }
  return API_DEVICE_NOT_FOUND;
}

bool isKind(std::int32_t kind) { return kind == 0 || kind == 1; }

Bytes one(std::uint8_t v) { return {v}; }

Bytes two(std::uint16_t v) {
  return {static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
}

Bytes four(std::int32_t v) {
  PayloadWriter w;
  w.i32(v);
  return w.bytes();
}

}  // namespace

SerialPortSpectrophotometer::~SerialPortSpectrophotometer() {
  // The reader thread calls into this object: stop it while the object is whole.
  Close();
}

bool SerialPortSpectrophotometer::IsOpen() { return portOpen(); }

ApiResult SerialPortSpectrophotometer::Open(std::uint32_t port) {
  if (IsOpen()) return API_DEVICE_ALREADY_OPEN;
  channel_.restart();
  if (port >= 1 && port <= kHighestNumberedPort) return openNumbered(port);
  return openSearched();
}

ApiResult SerialPortSpectrophotometer::openNumbered(std::uint32_t port) {
  if (port == kHighestNumberedPort) return API_DEVICE_NOT_FOUND;
  const auto number = static_cast<std::uint16_t>(port);
  const std::optional<std::string> path = devicePathFor(number);
  if (!path) return API_DEVICE_NOT_FOUND;
  return openResult(openPort(*path, number));
}

ApiResult SerialPortSpectrophotometer::openSearched() {
  std::vector<std::string> candidates;
  const char* override = std::getenv("COLORPORT_PORT");
  if (override != nullptr && *override != '\0') {
    candidates.emplace_back(override);
  } else {
    for (const SerialDevice& d : findInstrumentPorts(sysfsRoot_))
      candidates.push_back(d.devicePath);
  }
  for (const std::string& path : candidates) {
    if (openPort(path, portNumberFor(path)) == OpenOutcome::Opened) return API_SUCCESS;
  }
  return API_DEVICE_NOT_FOUND;
}

ApiResult SerialPortSpectrophotometer::Close() {
  closePort();
  return API_SUCCESS;
}

DeviceHandle SerialPortSpectrophotometer::GetHandle() { return handle(); }

std::uint32_t SerialPortSpectrophotometer::GetComPort() { return portNumber(); }

void SerialPortSpectrophotometer::OnReceive(const std::uint8_t* bytes, std::size_t count) {
  channel_.receive({bytes, count});
}

void SerialPortSpectrophotometer::OnLineLost() { channel_.lineLost(); }

ApiResult SerialPortSpectrophotometer::send(std::uint8_t command, Payload payload,
                                            std::optional<std::uint8_t> extra) {
  if (const ApiResult r = channel_.begin(command); r != API_SUCCESS) return r;
  // Pending is set before the frame leaves, so its response always finds it.
  const std::vector<std::uint8_t> frame = buildFrame(command, payload, extra);
  write(frame.data(), frame.size());
  return API_SUCCESS;
}

ApiResult SerialPortSpectrophotometer::wait(SharedAck& response) {
  return channel_.wait(response, responseTimeout_);
}

ApiResult SerialPortSpectrophotometer::request(std::uint8_t command, Payload payload,
                                               SharedAck& response) {
  if (const ApiResult r = send(command, payload); r != API_SUCCESS) return r;
  return wait(response);
}

template <typename Decode>
ApiResult SerialPortSpectrophotometer::query(std::uint8_t command, Payload payload, Decode decode) {
  SharedAck response;
  if (const ApiResult r = request(command, payload, response); r != API_SUCCESS) return r;
  return decode(Payload(response->bytes)) ? API_SUCCESS : API_EXECUTE_REQUEST_FAILED;
}

ApiResult SerialPortSpectrophotometer::command(std::uint8_t command, Payload payload) {
  SharedAck response;
  return request(command, payload, response);
}

ApiResult SerialPortSpectrophotometer::GetDeviceInfo(DeviceInfo* info) {
  if (!IsOpen()) return API_INVALID_DEVICE_HANDLE;
  if (info == nullptr) return API_INVALID_PARAMETER;
  return query(kGetDeviceInfo, {}, [&](Payload p) { return decodeDeviceInfo(p, *info); });
}

ApiResult SerialPortSpectrophotometer::SetMeasureParameter(const MeasureParameter* parameter) {
  if (!IsOpen()) return API_INVALID_DEVICE_HANDLE;
  if (parameter == nullptr) return API_INVALID_PARAMETER;
  return command(kSetMeasureParameter, parameter->bytes);
}

ApiResult SerialPortSpectrophotometer::GetMeasureParameter(MeasureParameter* parameter) {
  if (!IsOpen()) return API_INVALID_DEVICE_HANDLE;
  if (parameter == nullptr) return API_INVALID_PARAMETER;
  return query(kGetMeasureParameter, {},
               [&](Payload p) { return decodeMeasureParameter(p, *parameter); });
}

ApiResult SerialPortSpectrophotometer::SetComputeParameter(const ComputeParameter* parameter) {
  if (!IsOpen()) return API_INVALID_DEVICE_HANDLE;
  if (parameter == nullptr) return API_INVALID_PARAMETER;
  return command(kSetComputeParameter, computeParameterPayload(*parameter));
}

ApiResult SerialPortSpectrophotometer::GetComputeParameter(ComputeParameter* parameter) {
  if (!IsOpen()) return API_INVALID_DEVICE_HANDLE;
  if (parameter == nullptr) return API_INVALID_PARAMETER;
  return query(kGetComputeParameter, {},
               [&](Payload p) { return decodeComputeParameter(p, *parameter); });
}

ApiResult SerialPortSpectrophotometer::Calibrate(std::int32_t kind) {
  if (!IsOpen()) return API_INVALID_DEVICE_HANDLE;
  if (!isKind(kind)) return API_INVALID_PARAMETER;
  return command(kCalibrate, one(static_cast<std::uint8_t>(kind)));
}

ApiResult SerialPortSpectrophotometer::Measure(std::int32_t mode, MeasureResult* result) {
  if (!IsOpen()) return API_INVALID_DEVICE_HANDLE;
  if (result == nullptr || !isKind(mode)) return API_INVALID_PARAMETER;
  return query(kMeasure, one(static_cast<std::uint8_t>(mode)),
               [&](Payload p) { return decodeMeasureResult(p, *result); });
}

ApiResult SerialPortSpectrophotometer::GetSampleCount(std::int32_t kind,
                                                      std::uint16_t standardNumber,
                                                      std::uint32_t* count) {
  if (!IsOpen()) return API_INVALID_DEVICE_HANDLE;
  if (count == nullptr || !isKind(kind)) return API_INVALID_PARAMETER;
  const Bytes payload =
      selectRecordsPayload(static_cast<std::uint8_t>(kind), standardNumber, 0, 0xFFFF);
  if (const ApiResult r = send(kSelectRecords, payload); r != API_SUCCESS) return r;
  SharedAck response;
  const ApiResult r = wait(response);
  // The instrument answers the whole-range query with a non-zero status and the count.
  if (r == API_EXECUTE_REQUEST_FAILED) {
    std::uint16_t n;
    if (!decodeSampleCount(response->bytes, n)) return API_EXECUTE_REQUEST_FAILED;
    *count = n;
    return API_SUCCESS;
  }
  return r;
}

ApiResult SerialPortSpectrophotometer::GetSampleData(std::uint16_t kind,
                                                     std::uint16_t standardNumber,
                                                     std::uint16_t firstIndex, std::uint16_t count,
                                                     StoredRecordBuffer* buffer) {
  if (!IsOpen()) return API_INVALID_DEVICE_HANDLE;
  if (buffer == nullptr || buffer->records == nullptr) return API_INVALID_PARAMETER;
  if (kind > 1 || (kind == 1 && standardNumber == 0) || count == 0) return API_INVALID_PARAMETER;

  const auto progress = [this, count](std::size_t received) {
    transferProgress_.store(std::uint64_t{count} << 32 | received, std::memory_order_relaxed);
  };
  progress(0);
  SharedAck response;
  const Bytes range =
      selectRecordsPayload(static_cast<std::uint8_t>(kind), standardNumber, firstIndex, count);
  if (const ApiResult r = request(kSelectRecords, range, response); r != API_SUCCESS) return r;
  if (const ApiResult r = send(kStartTransfer, {}); r != API_SUCCESS) return r;

  const std::span<StoredRecord> records(buffer->records, count);
  std::size_t delivered = 0;
  bool cut = false;
  for (;;) {
    if (const ApiResult r = wait(response); r != API_SUCCESS) return r;
    DataFrameContent content;
    if (!decodeDataFrame(response->bytes, records, delivered, content))
      return API_EXECUTE_REQUEST_FAILED;
    progress(delivered);
    // A cut frame does not end the transfer: the instrument goes on to its
    // last frame, and the caller learns how many records made it.
    cut = cut || content.cut;
    if (content.last) {
      buffer->count = static_cast<std::int32_t>(delivered);
      return delivered < count || cut ? API_TRANSFER_INCOMPLETE : API_SUCCESS;
    }
    if (const ApiResult r = send(kDataFrame, content.packetNumber, std::uint8_t{0x00});
        r != API_SUCCESS)
      return r;
  }
}

void SerialPortSpectrophotometer::transferProgress(std::int32_t& received,
                                                   std::int32_t& requested) const {
  const std::uint64_t p = transferProgress_.load(std::memory_order_relaxed);
  requested = static_cast<std::int32_t>(p >> 32);
  received = static_cast<std::int32_t>(p & 0xFFFFFFFFu);
}

ApiResult SerialPortSpectrophotometer::DeleteSampleData(std::int32_t kind, std::uint16_t number) {
  if (!IsOpen()) return API_INVALID_DEVICE_HANDLE;
  if (!isKind(kind)) return API_INVALID_PARAMETER;
  PayloadWriter w;
  w.u8(static_cast<std::uint8_t>(kind)).u16(number);
  return command(kDeleteSampleData, w.bytes());
}

ApiResult SerialPortSpectrophotometer::WriteStandardSampleData(const StandardSampleData* data) {
  if (!IsOpen()) return API_INVALID_DEVICE_HANDLE;
  if (data == nullptr) return API_INVALID_PARAMETER;
  return command(kWriteStandardSampleData, standardSamplePayload(*data));
}

ApiResult SerialPortSpectrophotometer::WriteWhiteBoardData(const WhiteBoardData* data) {
  if (!IsOpen()) return API_INVALID_DEVICE_HANDLE;
  if (data == nullptr) return API_INVALID_PARAMETER;
  return command(kWriteWhiteBoardData, whiteBoardPayload(*data));
}

ApiResult SerialPortSpectrophotometer::ReadWhiteBoardData(WhiteBoardData* data) {
  if (!IsOpen()) return API_INVALID_DEVICE_HANDLE;
  if (data == nullptr) return API_INVALID_PARAMETER;
  return query(kReadWhiteBoardData, {}, [&](Payload p) { return decodeWhiteBoard(p, *data); });
}

ApiResult SerialPortSpectrophotometer::GetDacData(DacData* data) {
  if (!IsOpen()) return API_INVALID_DEVICE_HANDLE;
  if (data == nullptr) return API_INVALID_PARAMETER;
  return query(kGetDacData, {}, [&](Payload p) { return decodeDacData(p, *data); });
}

ApiResult SerialPortSpectrophotometer::SetDacGain(const std::uint8_t* gains) {
  if (!IsOpen()) return API_INVALID_DEVICE_HANDLE;
  if (gains == nullptr) return API_INVALID_PARAMETER;
  return command(kSetDacGain, Payload(gains, 32));
}

ApiResult SerialPortSpectrophotometer::GetDacLightRange(DacLightRange* range) {
  if (!IsOpen()) return API_INVALID_DEVICE_HANDLE;
  if (range == nullptr) return API_INVALID_PARAMETER;
  return query(kGetDacLightRange, {}, [&](Payload p) { return decodeDacLightRange(p, *range); });
}

ApiResult SerialPortSpectrophotometer::WriteRasterCoefficients(
    const RasterCoefficients* coefficients) {
  if (!IsOpen()) return API_INVALID_DEVICE_HANDLE;
  if (coefficients == nullptr) return API_INVALID_PARAMETER;
  return command(kWriteRasterCoefficients, rasterPayload(*coefficients));
}

ApiResult SerialPortSpectrophotometer::ReadRasterCoefficients(RasterCoefficients* coefficients) {
  if (!IsOpen()) return API_INVALID_DEVICE_HANDLE;
  if (coefficients == nullptr) return API_INVALID_PARAMETER;
  return query(kReadRasterCoefficients, {},
               [&](Payload p) { return decodeRaster(p, *coefficients); });
}

ApiResult SerialPortSpectrophotometer::SetIntegrationTimes(std::uint16_t value) {
  if (!IsOpen()) return API_INVALID_DEVICE_HANDLE;
  return command(kSetIntegrationTimes, two(value));
}

ApiResult SerialPortSpectrophotometer::GetIntegrationTimes(std::uint16_t* value) {
  if (!IsOpen()) return API_INVALID_DEVICE_HANDLE;
  if (value == nullptr) return API_INVALID_PARAMETER;
  return query(kGetIntegrationTimes, {}, [&](Payload p) { return PayloadReader(p).u16(*value); });
}

ApiResult SerialPortSpectrophotometer::SetSimplingTimes(std::uint8_t value) {
  if (!IsOpen()) return API_INVALID_DEVICE_HANDLE;
  return command(kSetSimplingTimes, one(value));
}

ApiResult SerialPortSpectrophotometer::GetSimplingTimes(std::uint8_t* value) {
  if (!IsOpen()) return API_INVALID_DEVICE_HANDLE;
  if (value == nullptr) return API_INVALID_PARAMETER;
  return query(kGetSimplingTimes, {}, [&](Payload p) { return PayloadReader(p).u8(*value); });
}

ApiResult SerialPortSpectrophotometer::SetHighVoltageLevelPullingTimes(std::uint8_t value) {
  if (!IsOpen()) return API_INVALID_DEVICE_HANDLE;
  return command(kSetHighVoltageLevelPullingTimes, one(value));
}

ApiResult SerialPortSpectrophotometer::GetHighVoltageLevelPullingTimes(std::uint8_t* value) {
  if (!IsOpen()) return API_INVALID_DEVICE_HANDLE;
  if (value == nullptr) return API_INVALID_PARAMETER;
  return query(kGetHighVoltageLevelPullingTimes, {},
               [&](Payload p) { return PayloadReader(p).u8(*value); });
}

ApiResult SerialPortSpectrophotometer::SetMotorRatating(std::uint8_t first, std::uint16_t second) {
  if (!IsOpen()) return API_INVALID_DEVICE_HANDLE;
  PayloadWriter w;
  w.u8(first).u16(second);
  return command(kSetMotorRatating, w.bytes());
}

ApiResult SerialPortSpectrophotometer::SetDateTime(std::int32_t year, std::int32_t month,
                                                   std::int32_t day, std::int32_t hour,
                                                   std::int32_t minute) {
  if (!IsOpen()) return API_INVALID_DEVICE_HANDLE;
  return command(kSetDateTime, dateTimePayload(year, month, day, hour, minute));
}

ApiResult SerialPortSpectrophotometer::GetCorrectionAlgorithmThreshold(std::int32_t* value) {
  if (!IsOpen()) return API_INVALID_DEVICE_HANDLE;
  if (value == nullptr) return API_INVALID_PARAMETER;
  return query(kGetCorrectionAlgorithmThreshold, {},
               [&](Payload p) { return PayloadReader(p).i32(*value); });
}

ApiResult SerialPortSpectrophotometer::SetCorrectionAlgorithmThreshold(std::int32_t value) {
  if (!IsOpen()) return API_INVALID_DEVICE_HANDLE;
  return command(kSetCorrectionAlgorithmThreshold, four(value));
}

}  // namespace colorport
