#pragma once
// The one implementation of Spectrophotometer: the command set over a framed
// serial line.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

#include "driver/com_port.h"
#include "driver/command_set.h"
#include "driver/response_channel.h"
#include "driver/spectrophotometer.h"

namespace colorport {

class SerialPortSpectrophotometer : public Spectrophotometer, public ComPort {
 public:
  SerialPortSpectrophotometer() = default;
  ~SerialPortSpectrophotometer() override;

  bool IsOpen() override;
  ApiResult Open(std::uint32_t port) override;
  ApiResult Close() override;
  DeviceHandle GetHandle() override;
  std::uint32_t GetComPort() override;
  ApiResult GetDeviceInfo(DeviceInfo* info) override;
  ApiResult SetMeasureParameter(const MeasureParameter* parameter) override;
  ApiResult GetMeasureParameter(MeasureParameter* parameter) override;
  ApiResult SetComputeParameter(const ComputeParameter* parameter) override;
  ApiResult GetComputeParameter(ComputeParameter* parameter) override;
  ApiResult Calibrate(std::int32_t kind) override;
  ApiResult Measure(std::int32_t mode, MeasureResult* result) override;
  ApiResult GetSampleCount(std::int32_t kind, std::uint16_t standardNumber,
                           std::uint32_t* count) override;
  ApiResult GetSampleData(std::uint16_t kind, std::uint16_t standardNumber,
                          std::uint16_t firstIndex, std::uint16_t count,
                          StoredRecordBuffer* buffer) override;
  ApiResult DeleteSampleData(std::int32_t kind, std::uint16_t number) override;
  ApiResult WriteStandardSampleData(const StandardSampleData* data) override;
  ApiResult WriteWhiteBoardData(const WhiteBoardData* data) override;
  ApiResult ReadWhiteBoardData(WhiteBoardData* data) override;
  ApiResult GetDacData(DacData* data) override;
  ApiResult SetDacGain(const std::uint8_t* gains) override;
  ApiResult GetDacLightRange(DacLightRange* range) override;
  ApiResult WriteRasterCoefficients(const RasterCoefficients* coefficients) override;
  ApiResult ReadRasterCoefficients(RasterCoefficients* coefficients) override;
  ApiResult SetIntegrationTimes(std::uint16_t value) override;
  ApiResult GetIntegrationTimes(std::uint16_t* value) override;
  ApiResult SetSimplingTimes(std::uint8_t value) override;
  ApiResult GetSimplingTimes(std::uint8_t* value) override;
  ApiResult SetHighVoltageLevelPullingTimes(std::uint8_t value) override;
  ApiResult GetHighVoltageLevelPullingTimes(std::uint8_t* value) override;
  ApiResult SetMotorRatating(std::uint8_t first, std::uint16_t second) override;
  ApiResult SetDateTime(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour,
                        std::int32_t minute) override;
  ApiResult GetCorrectionAlgorithmThreshold(std::int32_t* value) override;
  ApiResult SetCorrectionAlgorithmThreshold(std::int32_t value) override;

  // Framing layer: send marks the command pending (0, or 6 when busy) and writes the frame.
  ApiResult send(std::uint8_t command, Payload payload,
                 std::optional<std::uint8_t> extra = std::nullopt);
  ApiResult wait(SharedAck& response);
  ApiResult request(std::uint8_t command, Payload payload, SharedAck& response);

  // Records of the transfer in flight (or of the last one, where it ended or
  // broke off) received so far, and how many it asked for. Safe to call from
  // another thread while GetSampleData runs.
  void transferProgress(std::int32_t& received, std::int32_t& requested) const;

  // How long a request waits for its response (10 s unless a test shortens it).
  void setResponseTimeout(std::chrono::milliseconds timeout) { responseTimeout_ = timeout; }
  // Where port discovery looks (the real /sys unless a test gives a fake tree).
  void setSysfsRoot(std::filesystem::path root) { sysfsRoot_ = std::move(root); }

 protected:
  void OnReceive(const std::uint8_t* bytes, std::size_t count) override;
  void OnLineLost() override;

 private:
  ApiResult openSearched();
  ApiResult openNumbered(std::uint32_t port);
  // A request whose successful response is decoded by decode; 8 when it is too short.
  template <typename Decode>
  ApiResult query(std::uint8_t command, Payload payload, Decode decode);
  ApiResult command(std::uint8_t command, Payload payload);

  ResponseChannel channel_;
  std::chrono::milliseconds responseTimeout_ = kResponseTimeout;
  std::filesystem::path sysfsRoot_ = "/sys";
  // Asked (high half) and received (low half) in one word, so a reader never
  // sees one transfer's count with another's progress.
  std::atomic<std::uint64_t> transferProgress_{0};
};

}  // namespace colorport
