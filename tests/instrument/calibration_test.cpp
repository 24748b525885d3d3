#include "instrument/calibration.h"

#include <gtest/gtest.h>

#include "instrument/connection.h"
#include "language_scope.h"
#include "sim_connection.h"

namespace corvana {
namespace {

class Calibrating : public testing::SimConnection {};

TEST_F(Calibrating, PromptNamesTheBoardOfTheConnectedInstrument) {
  connect();
  DeviceInfo info;
  ASSERT_EQ(readDeviceInfo(info), API_SUCCESS);
  EXPECT_EQ(calibrationPrompt(CalibrationKind::White, info),
            "Put white board then click 'OK' to calibrate.\n(White Board Number: ZW0042)");
  testing::LanguageScope l(ChineseSimplified);
  EXPECT_EQ(calibrationPrompt(CalibrationKind::Black, info),
            "放置好黑筒后点'确定'进行校正.\n(白板编号: ZW0042)");
}

TEST_F(Calibrating, AnUnreadRecordLeavesTheNumberEmpty) {
  DeviceInfo info;
  EXPECT_EQ(readDeviceInfo(info), API_INVALID_DEVICE_HANDLE);
  EXPECT_EQ(calibrationPrompt(CalibrationKind::Black, info),
            "Put black board then click 'OK' to calibrate.\n(White Board Number: )");
}

TEST_F(Calibrating, BothKindsCalibrateTheInstrument) {
  connect({"--uncalibrated"});
  EXPECT_EQ(calibrationNotice(calibrate(CalibrationKind::Black)).text, "Calibrate OK!");
  EXPECT_EQ(calibrationNotice(calibrate(CalibrationKind::White)).kind, Notice::Information);
  DeviceInfo info;
  ASSERT_EQ(readDeviceInfo(info), API_SUCCESS);
  EXPECT_NE(info.blackCalibrated, 0);
  EXPECT_NE(info.whiteCalibrated, 0);
}

TEST_F(Calibrating, FailuresNameTheirCode) {
  EXPECT_EQ(calibrationNotice(calibrate(CalibrationKind::White)).text,
            "Calibrate failed!\n(Invalid device handle.)");
  connect();
  ASSERT_TRUE(sim_->control("status 3"));
  const Notice n = calibrationNotice(calibrate(CalibrationKind::White));
  EXPECT_EQ(n.kind, Notice::Failure);
  EXPECT_EQ(n.text, "Calibrate failed!\n(Execute request failed.)");
  // Pressing OK again asks again, and now succeeds.
  EXPECT_EQ(calibrationNotice(calibrate(CalibrationKind::White)).text, "Calibrate OK!");
}

}  // namespace
}  // namespace corvana
