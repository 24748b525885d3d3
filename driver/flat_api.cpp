// The ZW_ functions: the one process-wide device object and the handle rule.
#include <cstring>
#include <string>

#include "driver/colorport.h"
#include "driver/serial_port_spectrophotometer.h"

namespace {

// Made by ZW_OpenDevice, destroyed by the next ZW_OpenDevice or by ZW_CloseDevice.
Spectrophotometer* device = nullptr;

bool handleValid(DeviceHandle handle) {
  return handle != 0 && device != nullptr && device->IsOpen() && handle == device->GetHandle();
}

template <typename Call>
ApiResult forward(DeviceHandle handle, Call call) {
  if (!handleValid(handle)) return API_INVALID_DEVICE_HANDLE;
  try {
    return call(*device);
  } catch (...) {  // nothing may cross the library boundary
    return API_EXECUTE_REQUEST_FAILED;
  }
}

template <typename Call, typename Pointer>
ApiResult forward(DeviceHandle handle, Pointer* required, Call call) {
  if (!handleValid(handle)) return API_INVALID_DEVICE_HANDLE;
  if (required == nullptr) return API_INVALID_PARAMETER;
  return forward(handle, call);
}

std::uint16_t low16(std::int32_t v) {
  return static_cast<std::uint16_t>(static_cast<std::uint32_t>(v));
}
std::uint8_t low8(std::int32_t v) {
  return static_cast<std::uint8_t>(static_cast<std::uint32_t>(v));
}

}  // namespace

extern "C" {

ApiResult ZW_OpenDevice(DeviceHandle* handle) {
  if (device != nullptr) {
    Spectrophotometer::Release(device);
    device = nullptr;
  }
  device = Spectrophotometer::Create();
  if (device == nullptr) {
    if (handle != nullptr) *handle = 0;
    return API_OPEN_DEVICE_FAILED;
  }
  ApiResult r;
  try {
    r = device->Open(0);
  } catch (...) {
    r = API_DEVICE_NOT_FOUND;
  }
  if (handle != nullptr) *handle = r == API_SUCCESS ? device->GetHandle() : 0;
  return r;
}

ApiResult ZW_CloseDevice(DeviceHandle handle) {
  if (!handleValid(handle)) return API_INVALID_DEVICE_HANDLE;
  device->Close();
  Spectrophotometer::Release(device);
  device = nullptr;
  return API_SUCCESS;
}

ApiResult ZW_GetDeviceInfo(DeviceHandle handle, DeviceInfo* info) {
  return forward(handle, info, [&](Spectrophotometer& d) { return d.GetDeviceInfo(info); });
}

ApiResult ZW_SetMeasureParameter(DeviceHandle handle, const MeasureParameter* parameter) {
  return forward(handle, parameter,
                 [&](Spectrophotometer& d) { return d.SetMeasureParameter(parameter); });
}

ApiResult ZW_GetMeasureParameter(DeviceHandle handle, MeasureParameter* parameter) {
  return forward(handle, parameter,
                 [&](Spectrophotometer& d) { return d.GetMeasureParameter(parameter); });
}

ApiResult ZW_SetComputeParameter(DeviceHandle handle, const ComputeParameter* parameter) {
  return forward(handle, parameter,
                 [&](Spectrophotometer& d) { return d.SetComputeParameter(parameter); });
}

ApiResult ZW_GetComputeParameter(DeviceHandle handle, ComputeParameter* parameter) {
  return forward(handle, parameter,
                 [&](Spectrophotometer& d) { return d.GetComputeParameter(parameter); });
}

ApiResult ZW_Calibrate(DeviceHandle handle, std::int32_t kind) {
  return forward(handle, [&](Spectrophotometer& d) { return d.Calibrate(kind); });
}

ApiResult ZW_Measure(DeviceHandle handle, std::int32_t mode, MeasureResult* result) {
  return forward(handle, result, [&](Spectrophotometer& d) { return d.Measure(mode, result); });
}

ApiResult ZW_GetSampleCount(DeviceHandle handle, std::int32_t kind, std::int32_t standardNumber,
                            std::int32_t* count) {
  return forward(handle, count, [&](Spectrophotometer& d) {
    auto n = static_cast<std::uint32_t>(*count);
    const ApiResult r = d.GetSampleCount(kind, low16(standardNumber), &n);
    *count = static_cast<std::int32_t>(n);
    return r;
  });
}

ApiResult ZW_GetSampleData(DeviceHandle handle, std::int32_t kind, std::int32_t standardNumber,
                           std::int32_t firstIndex, std::int32_t count,
                           StoredRecordBuffer* buffer) {
  return forward(handle, buffer, [&](Spectrophotometer& d) {
    return d.GetSampleData(low16(kind), low16(standardNumber), low16(firstIndex), low16(count),
                           buffer);
  });
}

ApiResult ZW_DeleteSampleData(DeviceHandle handle, std::int32_t kind, std::int32_t number) {
  return forward(handle,
                 [&](Spectrophotometer& d) { return d.DeleteSampleData(kind, low16(number)); });
}

ApiResult ZW_WriteStandardSampleData(DeviceHandle handle, const StandardSampleData* data) {
  return forward(handle, data,
                 [&](Spectrophotometer& d) { return d.WriteStandardSampleData(data); });
}

ApiResult ZW_WriteWhiteBoardData(DeviceHandle handle, const WhiteBoardData* data) {
  return forward(handle, data, [&](Spectrophotometer& d) { return d.WriteWhiteBoardData(data); });
}

ApiResult ZW_ReadWhiteBoardData(DeviceHandle handle, WhiteBoardData* data) {
  return forward(handle, data, [&](Spectrophotometer& d) { return d.ReadWhiteBoardData(data); });
}

ApiResult ZW_GetDacData(DeviceHandle handle, DacData* data) {
  return forward(handle, data, [&](Spectrophotometer& d) { return d.GetDacData(data); });
}

ApiResult ZW_SetDacGain(DeviceHandle handle, const std::uint8_t* gains) {
  return forward(handle, gains, [&](Spectrophotometer& d) { return d.SetDacGain(gains); });
}

ApiResult ZW_GetDacLightRange(DeviceHandle handle, DacLightRange* range) {
  return forward(handle, range, [&](Spectrophotometer& d) { return d.GetDacLightRange(range); });
}

ApiResult ZW_WriteRasterCoefficients(DeviceHandle handle, const RasterCoefficients* coefficients) {
  return forward(handle, coefficients,
                 [&](Spectrophotometer& d) { return d.WriteRasterCoefficients(coefficients); });
}

ApiResult ZW_ReadRasterCoefficients(DeviceHandle handle, RasterCoefficients* coefficients) {
  return forward(handle, coefficients,
                 [&](Spectrophotometer& d) { return d.ReadRasterCoefficients(coefficients); });
}

ApiResult ZW_GetDeviceComPort(DeviceHandle handle, std::int32_t* port) {
  return forward(handle, port, [&](Spectrophotometer& d) {
    *port = static_cast<std::int32_t>(d.GetComPort());
    return API_SUCCESS;
  });
}

ApiResult ZW_GetIntegrationTimes(DeviceHandle handle, std::int32_t* value) {
  return forward(handle, value, [&](Spectrophotometer& d) {
    std::uint16_t v = 0;
    const ApiResult r = d.GetIntegrationTimes(&v);
    *value = r == API_SUCCESS ? v : 0;
    return r;
  });
}

ApiResult ZW_SetIntegrationTimes(DeviceHandle handle, std::int32_t value) {
  return forward(handle, [&](Spectrophotometer& d) { return d.SetIntegrationTimes(low16(value)); });
}

ApiResult ZW_GetSimplingTimes(DeviceHandle handle, std::int32_t* value) {
  return forward(handle, value, [&](Spectrophotometer& d) {
    std::uint8_t v = 0;
    const ApiResult r = d.GetSimplingTimes(&v);
    *value = r == API_SUCCESS ? v : 0;
    return r;
  });
}

ApiResult ZW_SetSimplingTimes(DeviceHandle handle, std::int32_t value) {
  return forward(handle, [&](Spectrophotometer& d) { return d.SetSimplingTimes(low8(value)); });
}

ApiResult ZW_GetHighVoltageLevelPullingTimes(DeviceHandle handle, std::int32_t* value) {
  return forward(handle, value, [&](Spectrophotometer& d) {
    std::uint8_t v = 0;
    const ApiResult r = d.GetHighVoltageLevelPullingTimes(&v);
    *value = r == API_SUCCESS ? v : 0;
    return r;
  });
}

ApiResult ZW_SetHighVoltageLevelPullingTimes(DeviceHandle handle, std::int32_t value) {
  return forward(
      handle, [&](Spectrophotometer& d) { return d.SetHighVoltageLevelPullingTimes(low8(value)); });
}

ApiResult ZW_SetMotorRatating(DeviceHandle handle, std::int32_t first, std::int32_t second) {
  return forward(
      handle, [&](Spectrophotometer& d) { return d.SetMotorRatating(low8(first), low16(second)); });
}

ApiResult ZW_GetCorrectionAlgorithmThreshold(DeviceHandle handle, std::int32_t* value) {
  return forward(handle, value,
                 [&](Spectrophotometer& d) { return d.GetCorrectionAlgorithmThreshold(value); });
}

ApiResult ZW_SetCorrectionAlgorithmThreshold(DeviceHandle handle, std::int32_t value) {
  return forward(handle,
                 [&](Spectrophotometer& d) { return d.SetCorrectionAlgorithmThreshold(value); });
}

ApiResult ZW_SetDateTime(DeviceHandle handle, std::int32_t year, std::int32_t month,
                         std::int32_t day, std::int32_t hour, std::int32_t minute) {
  return forward(
      handle, [&](Spectrophotometer& d) { return d.SetDateTime(year, month, day, hour, minute); });
}

ApiResult ZW_GetDevicePortPath(DeviceHandle handle, char* path, std::int32_t size) {
  return forward(handle, path, [&](Spectrophotometer& d) {
    const std::string& p = static_cast<colorport::SerialPortSpectrophotometer&>(d).devicePath();
    if (size <= 0 || p.size() >= static_cast<std::size_t>(size)) return API_INVALID_PARAMETER;
    std::memcpy(path, p.c_str(), p.size() + 1);
    return API_SUCCESS;
  });
}

ApiResult ZW_GetTransferProgress(DeviceHandle handle, std::int32_t* received,
                                 std::int32_t* requested) {
  // Reads only what a transfer running on another thread leaves alone: the
  // device object, its open port and the progress word.
  return forward(handle, received, [&](Spectrophotometer& d) {
    if (requested == nullptr) return API_INVALID_PARAMETER;
    static_cast<colorport::SerialPortSpectrophotometer&>(d).transferProgress(*received, *requested);
    return API_SUCCESS;
  });
}

}  // extern "C"
