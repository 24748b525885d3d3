/* The caller's header builds with a C compiler, and its records have the
 * layouts the library fills. */
#include "driver/colorport.h"

#include <stddef.h>
#include <stdio.h>

_Static_assert(sizeof(DeviceInfo) == 264, "DeviceInfo layout");
_Static_assert(sizeof(MeasureResult) == 144, "MeasureResult layout");
_Static_assert(sizeof(StoredRecord) == 176, "StoredRecord layout");
_Static_assert(offsetof(StoredRecord, reflectance) == 52, "StoredRecord layout");
_Static_assert(sizeof(StandardSampleData) == 140, "StandardSampleData layout");
_Static_assert(sizeof(WhiteBoardData) == 188, "WhiteBoardData layout");
_Static_assert(sizeof(DeviceHandle) == 4 && sizeof(ApiResult) == 4, "32-bit values");

int main(void) {
  DeviceInfo info;
  int32_t port = 0;
  int failures = 0;
  if (ZW_GetDeviceInfo(0, &info) != API_INVALID_DEVICE_HANDLE) ++failures;
  if (ZW_GetDeviceComPort(0, &port) != API_INVALID_DEVICE_HANDLE) ++failures;
  if (ZW_CloseDevice(0) != API_INVALID_DEVICE_HANDLE) ++failures;
  if (failures != 0) fprintf(stderr, "%d calls with handle 0 did not give 4\n", failures);
  return failures == 0 ? 0 : 1;
}
