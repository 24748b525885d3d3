#pragma once
// The abstract instrument the flat ZW_ functions forward to. The order of the
// virtual operations is part of the interface: never reorder or insert.
#include <cstdint>

#include "driver/colorport.h"

class COLORPORT_API Spectrophotometer {
 public:
  Spectrophotometer();
  Spectrophotometer(const Spectrophotometer&);
  Spectrophotometer& operator=(const Spectrophotometer&);

  // A new, unopened instance (not the flat interface's device object), or null.
  static Spectrophotometer* Create();
  // Destroys an instance made by Create; null is ignored.
  static void Release(Spectrophotometer* instance);

  virtual bool IsOpen() = 0;                                                     // 0
  virtual ApiResult Open(std::uint32_t port) = 0;                                // 1
  virtual ApiResult Close() = 0;                                                 // 2
  virtual DeviceHandle GetHandle() = 0;                                          // 3
  virtual std::uint32_t GetComPort() = 0;                                        // 4
  virtual ApiResult GetDeviceInfo(DeviceInfo* info) = 0;                         // 5
  virtual ApiResult SetMeasureParameter(const MeasureParameter* parameter) = 0;  // 6
  virtual ApiResult GetMeasureParameter(MeasureParameter* parameter) = 0;        // 7
  virtual ApiResult SetComputeParameter(const ComputeParameter* parameter) = 0;  // 8
  virtual ApiResult GetComputeParameter(ComputeParameter* parameter) = 0;        // 9
  virtual ApiResult Calibrate(std::int32_t kind) = 0;                            // 10
  virtual ApiResult Measure(std::int32_t mode, MeasureResult* result) = 0;       // 11
  virtual ApiResult GetSampleCount(std::int32_t kind, std::uint16_t standardNumber,
                                   std::uint32_t* count) = 0;  // 12
  virtual ApiResult GetSampleData(std::uint16_t kind, std::uint16_t standardNumber,
                                  std::uint16_t firstIndex, std::uint16_t count,
                                  StoredRecordBuffer* buffer) = 0;                        // 13
  virtual ApiResult DeleteSampleData(std::int32_t kind, std::uint16_t number) = 0;        // 14
  virtual ApiResult WriteStandardSampleData(const StandardSampleData* data) = 0;          // 15
  virtual ApiResult WriteWhiteBoardData(const WhiteBoardData* data) = 0;                  // 16
  virtual ApiResult ReadWhiteBoardData(WhiteBoardData* data) = 0;                         // 17
  virtual ApiResult GetDacData(DacData* data) = 0;                                        // 18
  virtual ApiResult SetDacGain(const std::uint8_t* gains) = 0;                            // 19
  virtual ApiResult GetDacLightRange(DacLightRange* range) = 0;                           // 20
  virtual ApiResult WriteRasterCoefficients(const RasterCoefficients* coefficients) = 0;  // 21
  virtual ApiResult ReadRasterCoefficients(RasterCoefficients* coefficients) = 0;         // 22
  virtual ApiResult SetIntegrationTimes(std::uint16_t value) = 0;                         // 23
  virtual ApiResult GetIntegrationTimes(std::uint16_t* value) = 0;                        // 24
  virtual ApiResult SetSimplingTimes(std::uint8_t value) = 0;                             // 25
  virtual ApiResult GetSimplingTimes(std::uint8_t* value) = 0;                            // 26
  virtual ApiResult SetHighVoltageLevelPullingTimes(std::uint8_t value) = 0;              // 27
  virtual ApiResult GetHighVoltageLevelPullingTimes(std::uint8_t* value) = 0;             // 28
  virtual ApiResult SetMotorRatating(std::uint8_t first, std::uint16_t second) = 0;       // 29
  virtual ApiResult SetDateTime(std::int32_t year, std::int32_t month, std::int32_t day,
                                std::int32_t hour, std::int32_t minute) = 0;   // 30
  virtual ApiResult GetCorrectionAlgorithmThreshold(std::int32_t* value) = 0;  // 31
  virtual ApiResult SetCorrectionAlgorithmThreshold(std::int32_t value) = 0;   // 32

 protected:
  virtual ~Spectrophotometer();  // 33
};
