// Only the documented surface leaves libColorport.so.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

namespace {

struct Library {
  Library() : handle(dlopen(COLORPORT_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL)) {}
  ~Library() {
    if (handle) dlclose(handle);
  }
  void* handle;
};

TEST(Exports, EveryFlatFunctionAndTheClassMembers) {
  Library lib;
  ASSERT_NE(lib.handle, nullptr) << dlerror();
  for (const char* name :
       {"ZW_OpenDevice", "ZW_GetDeviceInfo", "ZW_SetMeasureParameter", "ZW_GetMeasureParameter",
        "ZW_SetComputeParameter", "ZW_GetComputeParameter", "ZW_Calibrate", "ZW_Measure",
        "ZW_GetSampleCount", "ZW_GetSampleData", "ZW_DeleteSampleData",
        "ZW_WriteStandardSampleData", "ZW_WriteWhiteBoardData", "ZW_CloseDevice", "ZW_GetDacData",
        "ZW_SetDacGain", "ZW_GetDacLightRange", "ZW_ReadWhiteBoardData",
        "ZW_WriteRasterCoefficients", "ZW_ReadRasterCoefficients", "ZW_GetDeviceComPort",
        "ZW_GetIntegrationTimes", "ZW_SetIntegrationTimes", "ZW_GetSimplingTimes",
        "ZW_SetSimplingTimes", "ZW_GetHighVoltageLevelPullingTimes",
        "ZW_SetHighVoltageLevelPullingTimes", "ZW_SetMotorRatating",
        "ZW_GetCorrectionAlgorithmThreshold", "ZW_SetCorrectionAlgorithmThreshold",
        "ZW_SetDateTime", "ZW_GetDevicePortPath", "ZW_GetTransferProgress",
        // Spectrophotometer: copy and default constructors (the base-object forms: an
        // abstract class is never a complete object), destructor, copy assignment,
        // table of virtual operations, Create, Release.
        "_ZN17SpectrophotometerC2ERKS_", "_ZN17SpectrophotometerC2Ev", "_ZN17SpectrophotometerD2Ev",
        "_ZN17SpectrophotometeraSERKS_", "_ZTV17Spectrophotometer",
        "_ZN17Spectrophotometer6CreateEv", "_ZN17Spectrophotometer7ReleaseEPS_"})
    EXPECT_NE(dlsym(lib.handle, name), nullptr) << name;
}

TEST(Exports, InternalsStayInside) {
  Library lib;
  ASSERT_NE(lib.handle, nullptr) << dlerror();
  for (const char* name :
       {"_ZN9colorport14frameChecksumESt4spanIKhLm18446744073709551615EE",
        "_ZN9colorport10traceEnabledEv",
        "_ZN9colorport10writeTraceERKNSt7__cxx1112basic_stringIcSt11char_traitsIcESaIcEEE",
        "_ZTVN9colorport27SerialPortSpectrophotometerE", "_ZTVN9colorport7ComPortE"})
    EXPECT_EQ(dlsym(lib.handle, name), nullptr) << name;
}

}  // namespace
