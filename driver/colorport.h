/* libColorport: the flat interface of the instrument driver, for C and C++ callers.
 *
 * Every function returns an ApiResult and never throws. Records are filled in
 * caller-owned memory; their layouts (natural alignment) are part of the
 * interface and must not change. The numbers in the comments are the ordinals
 * under which the functions are known to callers that bind by number.
 */
#ifndef COLORPORT_H
#define COLORPORT_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define COLORPORT_API __attribute__((visibility("default")))
#else
#define COLORPORT_API
#endif

/* Names the open instrument; 0 means no instrument. */
typedef int32_t DeviceHandle;

typedef int32_t ApiResult;
enum {
  API_SUCCESS = 0,
  API_DEVICE_NOT_FOUND = 1,
  API_DEVICE_ALREADY_OPEN = 2,
  API_OPEN_DEVICE_FAILED = 3, /* reserved */
  API_INVALID_DEVICE_HANDLE = 4,
  API_TIMEOUT = 5,
  API_DEVICE_BUSY = 6,
  API_INVALID_REQUEST = 7,        /* reserved */
  API_EXECUTE_REQUEST_FAILED = 8, /* non-zero status, or a response shorter than its fields */
  API_GET_RESULT_FAILED = 9,      /* reserved */
  API_INVALID_PARAMETER = 10,
  API_WAIT_FAILED = 11,
  /* ZW_GetSampleData: the transfer ended with fewer records than asked for, or one of its
   * data frames ended inside a record (it was cut short). buffer->count still tells how
   * many records arrived; the caller must not take them for the range it asked for. */
  API_TRANSFER_INCOMPLETE = 12,
  /* The line hung up while the call waited or before it: the instrument was unplugged,
   * switched off or its port went away. Every further call gives it at once; close the
   * handle and open the instrument again. */
  API_DEVICE_DISCONNECTED = 13
};

typedef struct DeviceInfo {
  char model[64];
  char secondText[64];
  char terminalVersion[64];
  char fourthText[32];
  char whiteBoardNumber[32];
  uint16_t capacity;
  uint16_t storedStandards;
  uint16_t storedSamples;
  uint8_t blackCalibrated;
  uint8_t whiteCalibrated;
} DeviceInfo;

typedef struct MeasureParameter {
  uint8_t bytes[6];
} MeasureParameter;

typedef struct ComputeParameter {
  uint8_t first;
  uint8_t second;
  int32_t values[7];
} ComputeParameter;

typedef struct MeasureResult {
  float L;
  float a;
  float b;
  float fourth;
  float fifth;
  float reflectance[31]; /* fractions at 400, 410, ..., 700 nm */
} MeasureResult;

typedef struct StoredRecord {
  uint8_t day;
  uint8_t month;
  uint16_t year;
  uint8_t second;
  uint8_t minute;
  uint8_t hour;
  float values[5]; /* L*, a*, b*, fourth, fifth */
  uint8_t illuminant;
  uint8_t observer;
  uint8_t mode;
  uint16_t number;
  char name[16];     /* 9 bytes from the instrument, zero-filled after them */
  int16_t reference; /* -2 on a standard held as colour values only */
  float reflectance[31];
} StoredRecord;

typedef struct StoredRecordBuffer {
  int32_t count; /* out: records delivered; written on success and on API_TRANSFER_INCOMPLETE */
  StoredRecord* records;
} StoredRecordBuffer;

typedef struct StandardSampleData {
  uint8_t content; /* 2 = reflectances, 0 = colour values */
  uint8_t illuminant;
  uint8_t observer;
  uint8_t colourValuesFlag; /* 1 = values are L*, a*, b* */
  char name[12];            /* the first 9 bytes are sent */
  float values[31];
} StandardSampleData;

typedef struct WhiteBoardData {
  char innerName[32];
  char outerName[32];
  float values[31];
} WhiteBoardData;

typedef struct DacData {
  uint16_t values[32];
  uint8_t bytes[32];
} DacData;

typedef struct DacLightRange {
  uint16_t first[32];
  uint16_t second[32];
} DacLightRange;

typedef struct RasterCoefficients {
  int32_t first[6];
  int32_t second[6];
} RasterCoefficients;

/* 1 */ COLORPORT_API ApiResult ZW_OpenDevice(DeviceHandle* handle);
/* 2 */ COLORPORT_API ApiResult ZW_GetDeviceInfo(DeviceHandle handle, DeviceInfo* info);
/* 3 */ COLORPORT_API ApiResult ZW_SetMeasureParameter(DeviceHandle handle,
                                                       const MeasureParameter* parameter);
/* 4 */ COLORPORT_API ApiResult ZW_GetMeasureParameter(DeviceHandle handle,
                                                       MeasureParameter* parameter);
/* 5 */ COLORPORT_API ApiResult ZW_SetComputeParameter(DeviceHandle handle,
                                                       const ComputeParameter* parameter);
/* 6 */ COLORPORT_API ApiResult ZW_GetComputeParameter(DeviceHandle handle,
                                                       ComputeParameter* parameter);
/* 7 */ COLORPORT_API ApiResult ZW_Calibrate(DeviceHandle handle, int32_t kind);
/* 8 */ COLORPORT_API ApiResult ZW_Measure(DeviceHandle handle, int32_t mode,
                                           MeasureResult* result);
/* 9 */ COLORPORT_API ApiResult ZW_GetSampleCount(DeviceHandle handle, int32_t kind,
                                                  int32_t standardNumber, int32_t* count);
/* 10 */ COLORPORT_API ApiResult ZW_GetSampleData(DeviceHandle handle, int32_t kind,
                                                  int32_t standardNumber, int32_t firstIndex,
                                                  int32_t count, StoredRecordBuffer* buffer);
/* 11 */ COLORPORT_API ApiResult ZW_DeleteSampleData(DeviceHandle handle, int32_t kind,
                                                     int32_t number);
/* 12 */ COLORPORT_API ApiResult ZW_WriteStandardSampleData(DeviceHandle handle,
                                                            const StandardSampleData* data);
/* 13 */ COLORPORT_API ApiResult ZW_WriteWhiteBoardData(DeviceHandle handle,
                                                        const WhiteBoardData* data);
/* 14 */ COLORPORT_API ApiResult ZW_CloseDevice(DeviceHandle handle);
/* 15 */ COLORPORT_API ApiResult ZW_GetDacData(DeviceHandle handle, DacData* data);
/* 16 */ COLORPORT_API ApiResult ZW_SetDacGain(DeviceHandle handle,
                                               const uint8_t* gains /* 32 bytes */);
/* 17 */ COLORPORT_API ApiResult ZW_GetDacLightRange(DeviceHandle handle, DacLightRange* range);
/* 18 */ COLORPORT_API ApiResult ZW_ReadWhiteBoardData(DeviceHandle handle, WhiteBoardData* data);
/* 19 */ COLORPORT_API ApiResult ZW_WriteRasterCoefficients(DeviceHandle handle,
                                                            const RasterCoefficients* coefficients);
/* 20 */ COLORPORT_API ApiResult ZW_ReadRasterCoefficients(DeviceHandle handle,
                                                           RasterCoefficients* coefficients);
/* 21 */ COLORPORT_API ApiResult ZW_GetDeviceComPort(DeviceHandle handle, int32_t* port);
/* 22 */ COLORPORT_API ApiResult ZW_GetIntegrationTimes(DeviceHandle handle, int32_t* value);
/* 23 */ COLORPORT_API ApiResult ZW_SetIntegrationTimes(DeviceHandle handle, int32_t value);
/* 24 */ COLORPORT_API ApiResult ZW_GetSimplingTimes(DeviceHandle handle, int32_t* value);
/* 25 */ COLORPORT_API ApiResult ZW_SetSimplingTimes(DeviceHandle handle, int32_t value);
/* 26 */ COLORPORT_API ApiResult ZW_GetHighVoltageLevelPullingTimes(DeviceHandle handle,
                                                                    int32_t* value);
/* 27 */ COLORPORT_API ApiResult ZW_SetHighVoltageLevelPullingTimes(DeviceHandle handle,
                                                                    int32_t value);
/* 28 */ COLORPORT_API ApiResult ZW_SetMotorRatating(DeviceHandle handle, int32_t first,
                                                     int32_t second);
/* 29 */ COLORPORT_API ApiResult ZW_GetCorrectionAlgorithmThreshold(DeviceHandle handle,
                                                                    int32_t* value);
/* 30 */ COLORPORT_API ApiResult ZW_SetCorrectionAlgorithmThreshold(DeviceHandle handle,
                                                                    int32_t value);
/* 31 to 37 are the members of the C++ class Spectrophotometer (spectrophotometer.h). */
/* 38 */ COLORPORT_API ApiResult ZW_SetDateTime(DeviceHandle handle, int32_t year, int32_t month,
                                                int32_t day, int32_t hour, int32_t minute);

/* No ordinal (Linux addition): the device path of the connected port, zero-terminated,
 * so that removal notices can be matched. 10 when path is null or size too small. */
COLORPORT_API ApiResult ZW_GetDevicePortPath(DeviceHandle handle, char* path, int32_t size);

/* No ordinal (Linux addition): how far ZW_GetSampleData has got, for a progress display.
 * received: records of the transfer in flight that have arrived so far; requested: the
 * count it asked for. Both 0 before the first transfer; after a transfer they stay where it
 * ended (received = requested on success, where it broke off on failure). Unlike the other
 * functions it may be called from another thread while ZW_GetSampleData runs. */
COLORPORT_API ApiResult ZW_GetTransferProgress(DeviceHandle handle, int32_t* received,
                                               int32_t* requested);

#ifdef __cplusplus
}
#endif

#endif
