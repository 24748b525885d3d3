// The flat interface of libColorport.so against the real colorport-sim, found
// through COLORPORT_PORT as a user would point the program at it.
#include <gtest/gtest.h>
#include <signal.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "driver/colorport.h"
#include "sim_process.h"

namespace {

using colorport::test::SimProcess;

class FlatApiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim_ = std::make_unique<SimProcess>();
    ASSERT_FALSE(sim_->path().empty()) << "colorport-sim did not start";
    setenv("COLORPORT_PORT", sim_->path().c_str(), 1);
    ASSERT_EQ(ZW_OpenDevice(&handle_), API_SUCCESS);
    ASSERT_NE(handle_, 0);
  }
  void TearDown() override {
    ZW_CloseDevice(handle_);
    unsetenv("COLORPORT_PORT");
  }

  std::unique_ptr<SimProcess> sim_;
  DeviceHandle handle_ = 0;
};

// Every function that takes a handle, called with the given one and valid arguments.
std::vector<std::pair<const char*, std::function<ApiResult(DeviceHandle)>>> everyCall() {
  static DeviceInfo info;
  static MeasureParameter mp;
  static ComputeParameter cp;
  static MeasureResult m;
  static std::int32_t value;
  static StoredRecord records[2];
  static StoredRecordBuffer buffer{0, records};
  static StandardSampleData standard;
  static WhiteBoardData board;
  static DacData dac;
  static std::uint8_t gains[32];
  static DacLightRange range;
  static RasterCoefficients raster;
  static char path[256];
  return {
      {"GetDeviceInfo", [](DeviceHandle h) { return ZW_GetDeviceInfo(h, &info); }},
      {"SetMeasureParameter", [](DeviceHandle h) { return ZW_SetMeasureParameter(h, &mp); }},
      {"GetMeasureParameter", [](DeviceHandle h) { return ZW_GetMeasureParameter(h, &mp); }},
      {"SetComputeParameter", [](DeviceHandle h) { return ZW_SetComputeParameter(h, &cp); }},
      {"GetComputeParameter", [](DeviceHandle h) { return ZW_GetComputeParameter(h, &cp); }},
      {"Calibrate", [](DeviceHandle h) { return ZW_Calibrate(h, 1); }},
      {"Measure", [](DeviceHandle h) { return ZW_Measure(h, 1, &m); }},
      {"GetSampleCount", [](DeviceHandle h) { return ZW_GetSampleCount(h, 0, 0, &value); }},
      {"GetSampleData", [](DeviceHandle h) { return ZW_GetSampleData(h, 0, 0, 0, 2, &buffer); }},
      {"WriteStandardSampleData",
       [](DeviceHandle h) {
         standard.content = 2;
         return ZW_WriteStandardSampleData(h, &standard);
       }},
      {"WriteWhiteBoardData", [](DeviceHandle h) { return ZW_WriteWhiteBoardData(h, &board); }},
      {"ReadWhiteBoardData", [](DeviceHandle h) { return ZW_ReadWhiteBoardData(h, &board); }},
      {"GetDacData", [](DeviceHandle h) { return ZW_GetDacData(h, &dac); }},
      {"SetDacGain", [](DeviceHandle h) { return ZW_SetDacGain(h, gains); }},
      {"GetDacLightRange", [](DeviceHandle h) { return ZW_GetDacLightRange(h, &range); }},
      {"WriteRasterCoefficients",
       [](DeviceHandle h) { return ZW_WriteRasterCoefficients(h, &raster); }},
      {"ReadRasterCoefficients",
       [](DeviceHandle h) { return ZW_ReadRasterCoefficients(h, &raster); }},
      {"GetDeviceComPort", [](DeviceHandle h) { return ZW_GetDeviceComPort(h, &value); }},
      {"GetIntegrationTimes", [](DeviceHandle h) { return ZW_GetIntegrationTimes(h, &value); }},
      {"SetIntegrationTimes", [](DeviceHandle h) { return ZW_SetIntegrationTimes(h, 0x1234); }},
      {"GetSimplingTimes", [](DeviceHandle h) { return ZW_GetSimplingTimes(h, &value); }},
      {"SetSimplingTimes", [](DeviceHandle h) { return ZW_SetSimplingTimes(h, 4); }},
      {"GetHighVoltageLevelPullingTimes",
       [](DeviceHandle h) { return ZW_GetHighVoltageLevelPullingTimes(h, &value); }},
      {"SetHighVoltageLevelPullingTimes",
       [](DeviceHandle h) { return ZW_SetHighVoltageLevelPullingTimes(h, 6); }},
      {"SetMotorRatating", [](DeviceHandle h) { return ZW_SetMotorRatating(h, 1, 2); }},
      {"GetCorrectionAlgorithmThreshold",
       [](DeviceHandle h) { return ZW_GetCorrectionAlgorithmThreshold(h, &value); }},
      {"SetCorrectionAlgorithmThreshold",
       [](DeviceHandle h) { return ZW_SetCorrectionAlgorithmThreshold(h, 5); }},
      {"SetDateTime", [](DeviceHandle h) { return ZW_SetDateTime(h, 2026, 12, 9, 23, 30); }},
      {"GetDevicePortPath",
       [](DeviceHandle h) { return ZW_GetDevicePortPath(h, path, sizeof path); }},
      {"GetTransferProgress",
       [](DeviceHandle h) { return ZW_GetTransferProgress(h, &value, &value); }},
      // Last: it removes a stored record.
      {"DeleteSampleData", [](DeviceHandle h) { return ZW_DeleteSampleData(h, 1, 2); }},
  };
}

TEST_F(FlatApiTest, EveryCallSucceedsWithTheOpenHandle) {
  for (const auto& [name, call] : everyCall()) EXPECT_EQ(call(handle_), API_SUCCESS) << name;
}

TEST_F(FlatApiTest, HandleZeroAndForeignHandlesAreInvalidWhileOpen) {
  for (const DeviceHandle bad : {0, handle_ + 1, -1})
    for (const auto& [name, call] : everyCall())
      EXPECT_EQ(call(bad), API_INVALID_DEVICE_HANDLE) << name << " " << bad;
  EXPECT_EQ(ZW_CloseDevice(0), API_INVALID_DEVICE_HANDLE);
  DeviceInfo info{};
  EXPECT_EQ(ZW_GetDeviceInfo(handle_, &info), API_SUCCESS);  // the device is still open
}

TEST_F(FlatApiTest, NullPointersAreInvalidParameters) {
  EXPECT_EQ(ZW_GetDeviceInfo(handle_, nullptr), API_INVALID_PARAMETER);
  EXPECT_EQ(ZW_SetMeasureParameter(handle_, nullptr), API_INVALID_PARAMETER);
  EXPECT_EQ(ZW_GetMeasureParameter(handle_, nullptr), API_INVALID_PARAMETER);
  EXPECT_EQ(ZW_SetComputeParameter(handle_, nullptr), API_INVALID_PARAMETER);
  EXPECT_EQ(ZW_GetComputeParameter(handle_, nullptr), API_INVALID_PARAMETER);
  EXPECT_EQ(ZW_Measure(handle_, 0, nullptr), API_INVALID_PARAMETER);
  EXPECT_EQ(ZW_GetSampleCount(handle_, 0, 0, nullptr), API_INVALID_PARAMETER);
  EXPECT_EQ(ZW_GetSampleData(handle_, 0, 0, 0, 1, nullptr), API_INVALID_PARAMETER);
  EXPECT_EQ(ZW_WriteStandardSampleData(handle_, nullptr), API_INVALID_PARAMETER);
  EXPECT_EQ(ZW_WriteWhiteBoardData(handle_, nullptr), API_INVALID_PARAMETER);
  EXPECT_EQ(ZW_ReadWhiteBoardData(handle_, nullptr), API_INVALID_PARAMETER);
  EXPECT_EQ(ZW_GetDacData(handle_, nullptr), API_INVALID_PARAMETER);
  EXPECT_EQ(ZW_SetDacGain(handle_, nullptr), API_INVALID_PARAMETER);
  EXPECT_EQ(ZW_GetDacLightRange(handle_, nullptr), API_INVALID_PARAMETER);
  EXPECT_EQ(ZW_WriteRasterCoefficients(handle_, nullptr), API_INVALID_PARAMETER);
  EXPECT_EQ(ZW_ReadRasterCoefficients(handle_, nullptr), API_INVALID_PARAMETER);
  EXPECT_EQ(ZW_GetDeviceComPort(handle_, nullptr), API_INVALID_PARAMETER);
  EXPECT_EQ(ZW_GetIntegrationTimes(handle_, nullptr), API_INVALID_PARAMETER);
  EXPECT_EQ(ZW_GetSimplingTimes(handle_, nullptr), API_INVALID_PARAMETER);
  EXPECT_EQ(ZW_GetHighVoltageLevelPullingTimes(handle_, nullptr), API_INVALID_PARAMETER);
  EXPECT_EQ(ZW_GetCorrectionAlgorithmThreshold(handle_, nullptr), API_INVALID_PARAMETER);
  EXPECT_EQ(ZW_GetDevicePortPath(handle_, nullptr, 10), API_INVALID_PARAMETER);
  std::int32_t n = 0;
  EXPECT_EQ(ZW_GetTransferProgress(handle_, nullptr, &n), API_INVALID_PARAMETER);
  EXPECT_EQ(ZW_GetTransferProgress(handle_, &n, nullptr), API_INVALID_PARAMETER);
}

TEST_F(FlatApiTest, CloseTwiceSecondIsInvalid) {
  EXPECT_EQ(ZW_CloseDevice(handle_), API_SUCCESS);
  EXPECT_EQ(ZW_CloseDevice(handle_), API_INVALID_DEVICE_HANDLE);
  for (const auto& [name, call] : everyCall())
    EXPECT_EQ(call(handle_), API_INVALID_DEVICE_HANDLE) << name;
}

TEST_F(FlatApiTest, OpeningAgainInvalidatesTheOldHandle) {
  const DeviceHandle old = handle_;
  ASSERT_EQ(ZW_OpenDevice(&handle_), API_SUCCESS);
  EXPECT_NE(handle_, old);
  DeviceInfo info{};
  EXPECT_EQ(ZW_GetDeviceInfo(old, &info), API_INVALID_DEVICE_HANDLE);
  EXPECT_EQ(ZW_CloseDevice(old), API_INVALID_DEVICE_HANDLE);
  EXPECT_EQ(ZW_GetDeviceInfo(handle_, &info), API_SUCCESS);
}

TEST_F(FlatApiTest, FailedOpenStoresZeroAndKillsTheOldHandle) {
  const DeviceHandle old = handle_;
  setenv("COLORPORT_PORT", "/nonexistent/tty", 1);
  DeviceHandle h = 1234;
  EXPECT_EQ(ZW_OpenDevice(&h), API_DEVICE_NOT_FOUND);
  EXPECT_EQ(h, 0);
  DeviceInfo info{};
  EXPECT_EQ(ZW_GetDeviceInfo(old, &info), API_INVALID_DEVICE_HANDLE);
  EXPECT_EQ(ZW_GetDeviceInfo(0, &info), API_INVALID_DEVICE_HANDLE);
  EXPECT_EQ(ZW_CloseDevice(0), API_INVALID_DEVICE_HANDLE);
  handle_ = 0;
}

TEST_F(FlatApiTest, PortNumberAndDevicePath) {
  std::int32_t port = 0;
  ASSERT_EQ(ZW_GetDeviceComPort(handle_, &port), API_SUCCESS);
  EXPECT_GE(port, 1);
  EXPECT_LE(port, 254);
  char path[256];
  ASSERT_EQ(ZW_GetDevicePortPath(handle_, path, sizeof path), API_SUCCESS);
  EXPECT_EQ(std::string(path), sim_->path());
  char tiny[4] = "abc";
  EXPECT_EQ(ZW_GetDevicePortPath(handle_, tiny, sizeof tiny), API_INVALID_PARAMETER);
  EXPECT_STREQ(tiny, "abc");
}

TEST_F(FlatApiTest, NarrowOutValuesAreZeroExtended) {
  std::int32_t value = -1;
  ASSERT_EQ(ZW_GetIntegrationTimes(handle_, &value), API_SUCCESS);
  EXPECT_EQ(value, 4660);                                       // the simulator starts at 0x1234
  ASSERT_EQ(ZW_SetSimplingTimes(handle_, 0x1FF), API_SUCCESS);  // the low 8 bits are sent
  value = -1;
  ASSERT_EQ(ZW_GetSimplingTimes(handle_, &value), API_SUCCESS);
  EXPECT_EQ(value, 0xFF);
}

TEST_F(FlatApiTest, FailedNarrowReadStoresZero) {
  ASSERT_TRUE(sim_->control("status 3 3"));
  std::int32_t value = 77;
  EXPECT_EQ(ZW_GetIntegrationTimes(handle_, &value), API_EXECUTE_REQUEST_FAILED);
  EXPECT_EQ(value, 0);
  value = 77;
  EXPECT_EQ(ZW_GetSimplingTimes(handle_, &value), API_EXECUTE_REQUEST_FAILED);
  EXPECT_EQ(value, 0);
  value = 77;
  EXPECT_EQ(ZW_GetHighVoltageLevelPullingTimes(handle_, &value), API_EXECUTE_REQUEST_FAILED);
  EXPECT_EQ(value, 0);
}

TEST_F(FlatApiTest, SampleCountAndTransferThroughTheFlatCalls) {
  std::int32_t count = -1;
  ASSERT_EQ(ZW_GetSampleCount(handle_, 0, 0, &count), API_SUCCESS);
  EXPECT_EQ(count, 5);
  std::vector<StoredRecord> records(static_cast<std::size_t>(count));
  StoredRecordBuffer buffer{0, records.data()};
  ASSERT_EQ(ZW_GetSampleData(handle_, 0, 0, 0, count, &buffer), API_SUCCESS);
  EXPECT_EQ(buffer.count, 5);
  EXPECT_STREQ(records[4].name, "GREYCARD9");
  EXPECT_EQ(ZW_GetSampleData(handle_, 1, 0, 0, 5, &buffer), API_INVALID_PARAMETER);
  EXPECT_EQ(ZW_GetSampleData(handle_, 0, 0, 0, 0, &buffer), API_INVALID_PARAMETER);
  EXPECT_EQ(ZW_Calibrate(handle_, 2), API_INVALID_PARAMETER);
}

struct Progress {
  std::int32_t received = -1;
  std::int32_t requested = -1;
  bool operator==(const Progress&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Progress& p) {
  return out << p.received << " of " << p.requested;
}
Progress progressOf(DeviceHandle handle) {
  Progress p;
  EXPECT_EQ(ZW_GetTransferProgress(handle, &p.received, &p.requested), API_SUCCESS);
  return p;
}

TEST_F(FlatApiTest, TransferProgressWhileInFlightAndAfterwards) {
  EXPECT_EQ(progressOf(handle_), (Progress{0, 0}));  // no transfer yet
  std::vector<StoredRecord> records(5);
  StoredRecordBuffer buffer{0, records.data()};
  // The instrument is held still, so the transfer on the other thread has
  // asked and nothing can have arrived when it is read here.
  ASSERT_EQ(kill(sim_->pid(), SIGSTOP), 0);
  ApiResult result = API_TIMEOUT;
  std::thread transfer([&] { result = ZW_GetSampleData(handle_, 0, 0, 0, 5, &buffer); });
  Progress seen;
  while ((seen = progressOf(handle_)).requested != 5) std::this_thread::yield();
  EXPECT_EQ(seen, (Progress{0, 5}));
  kill(sim_->pid(), SIGCONT);
  transfer.join();
  ASSERT_EQ(result, API_SUCCESS);
  EXPECT_EQ(progressOf(handle_), (Progress{5, 5}));
  // A shorter range starts again from nothing.
  ASSERT_EQ(ZW_GetSampleData(handle_, 0, 0, 1, 3, &buffer), API_SUCCESS);
  EXPECT_EQ(progressOf(handle_), (Progress{3, 3}));
}

TEST_F(FlatApiTest, TransferProgressStaysWhereABrokenTransferEnded) {
  // The range answer and the first data frame (two records), then the device is gone.
  ASSERT_TRUE(sim_->control("vanish-after 2"));
  std::vector<StoredRecord> records(5);
  StoredRecordBuffer buffer{-1, records.data()};
  EXPECT_NE(ZW_GetSampleData(handle_, 0, 0, 0, 5, &buffer), API_SUCCESS);
  EXPECT_EQ(buffer.count, -1);
  EXPECT_EQ(progressOf(handle_), (Progress{2, 5}));
}

TEST(FlatApiWithoutInstrument, OpenFindsNothingAndStoresZero) {
  setenv("COLORPORT_PORT", "/nonexistent/tty", 1);
  DeviceHandle h = 99;
  EXPECT_EQ(ZW_OpenDevice(&h), API_DEVICE_NOT_FOUND);
  EXPECT_EQ(h, 0);
  for (const auto& [name, call] : everyCall())
    EXPECT_EQ(call(0), API_INVALID_DEVICE_HANDLE) << name;
  unsetenv("COLORPORT_PORT");
}

}  // namespace
