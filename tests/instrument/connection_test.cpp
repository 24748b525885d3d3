// Connecting, reading the instrument's information and device changes,
// through the real libColorport against the real colorport-sim.
#include "instrument/connection.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>

#include "core/job.h"
#include "core/job_manager.h"
#include "core/settings.h"
#include "language_scope.h"
#include "sim_connection.h"

namespace corvana {
namespace {

class Connection : public testing::SimConnection {
 protected:
  void SetUp() override {
    settings_ = (std::filesystem::temp_directory_path() /
                 ("corvana-connection-" + std::to_string(::getpid()) + ".xml"))
                    .string();
  }
  void TearDown() override {
    std::filesystem::remove(settings_);
    SimConnection::TearDown();
  }
  std::string setting(const char* key) {
    return readSettingText(loadSettings(settings_), key).value_or("(none)");
  }
  std::string settings_;
  JobManager manager;
};

TEST_F(Connection, ReadingTheInformationSpreadsTheModel) {
  connect({"--model", "CM-730 Spectrophotometer"});
  manager.currentMeasurementMode = 0;
  DeviceInfo info;
  ASSERT_EQ(readInstrumentInformation(info, manager, settings_), API_SUCCESS);
  EXPECT_STREQ(info.model, "CM-730 Spectrophotometer");
  EXPECT_EQ(manager.instrumentModel, "CM-730 Spectrophotometer");
  EXPECT_EQ(manager.currentMeasurementMode, 1u);  // the first model number means SCE
  EXPECT_EQ(setting("Instrument|Model"), "CM-730 Spectrophotometer");
  EXPECT_EQ(setting("Instrument|MeasurementMode"), "SCE");
}

TEST_F(Connection, AModelWithoutAKnownNumberLeavesTheModeAsItIs) {
  connect({"--model", "XR-9 Prototype"});
  manager.currentMeasurementMode = 0;
  DeviceInfo info;
  ASSERT_EQ(readInstrumentInformation(info, manager, settings_), API_SUCCESS);
  EXPECT_EQ(manager.instrumentModel, "XR-9 Prototype");
  EXPECT_EQ(manager.currentMeasurementMode, 0u);
}

TEST_F(Connection, AFailedReadChangesNothingAndLeavesTheRecordZero) {
  connect({"--model", "CM-760"});
  manager.instrumentModel = "CM-750 old";
  ASSERT_TRUE(sim_->control("status 3"));
  DeviceInfo info;
  std::memset(&info, 0x55, sizeof info);
  EXPECT_EQ(readInstrumentInformation(info, manager, settings_), API_EXECUTE_REQUEST_FAILED);
  EXPECT_EQ(info.model[0], '\0');
  EXPECT_EQ(info.capacity, 0);
  EXPECT_EQ(manager.instrumentModel, "CM-750 old");
  EXPECT_FALSE(std::filesystem::exists(settings_));
  // The status dialog then shows the connection and zero values.
  const InstrumentStatusTexts t = instrumentStatusTexts(info, instrumentConnected());
  EXPECT_EQ(t.connection, "Connect Status:   Connected");
  EXPECT_EQ(t.storedStandards, "0");
  EXPECT_EQ(t.whiteCalibration, "Uncalibrated");
}

TEST_F(Connection, StatusTextsOfAConnectedInstrument) {
  connect({"--standards", "4", "--uncalibrated"});
  DeviceInfo info;
  ASSERT_EQ(readDeviceInfo(info), API_SUCCESS);
  InstrumentStatusTexts t = instrumentStatusTexts(info, instrumentConnected());
  EXPECT_EQ(t.model, "CM-750 Spectrophotometer");
  EXPECT_EQ(t.terminalVersion, "V2.1.0-sim");
  EXPECT_EQ(t.whiteBoardNumber, "ZW0042");
  EXPECT_EQ(t.storedStandards, "4");
  EXPECT_EQ(t.storedSamples, "7");  // 4 under standard 1, 3 under standard 2
  EXPECT_EQ(t.blackCalibration, "Uncalibrated");
  testing::LanguageScope l(ChineseSimplified);
  t = instrumentStatusTexts(info, false);
  EXPECT_EQ(t.connection, "连接状态:   未连接");
  EXPECT_EQ(t.model, "");
  EXPECT_EQ(t.total, "");
}

TEST_F(Connection, ReconnectingClosesTheOldHandleFirst) {
  connect();
  const DeviceHandle first = currentDeviceHandle();
  ASSERT_TRUE(connectNeedsReconnectQuestion());
  ASSERT_EQ(connectInstrument(), API_SUCCESS);
  EXPECT_NE(currentDeviceHandle(), first);
  DeviceInfo info;
  EXPECT_EQ(ZW_GetDeviceInfo(first, &info), API_INVALID_DEVICE_HANDLE);
  EXPECT_EQ(readDeviceInfo(info), API_SUCCESS);
}

TEST_F(Connection, ReconnectingWithTheInstrumentGoneLeavesTheProgramUnconnected) {
  connect();
  setenv("COLORPORT_PORT", "/dev/corvana-no-such-port", 1);
  const ApiResult r = connectInstrument();
  EXPECT_EQ(r, API_DEVICE_NOT_FOUND);
  EXPECT_FALSE(instrumentConnected());
  EXPECT_EQ(connectFailureText(r), "Connect instrument failed!(Device not found.)");
}

TEST_F(Connection, StartUpConnectsSilentlyAndNamesTheActiveJobsInstrument) {
  connect();  // a handle still open from before is closed without asking
  const DeviceHandle before = currentDeviceHandle();
  Job job(manager);
  job.DeviceName = "CM-700 older";
  ASSERT_EQ(connectAtStartup(manager, settings_, &job), API_SUCCESS);
  EXPECT_TRUE(instrumentConnected());
  EXPECT_NE(currentDeviceHandle(), before);
  EXPECT_EQ(job.DeviceName, "CM-750 Spectrophotometer");
  EXPECT_EQ(manager.currentMeasurementMode, 0u);  // CM-750 measures SCI
  EXPECT_EQ(setting("Instrument|MeasurementMode"), "SCI");
}

TEST_F(Connection, StartUpWithoutAnInstrumentRunsUnconnected) {
  setenv("COLORPORT_PORT", "/dev/corvana-no-such-port", 1);
  Job job(manager);
  EXPECT_EQ(connectAtStartup(manager, settings_, &job), API_DEVICE_NOT_FOUND);
  EXPECT_FALSE(instrumentConnected());
  EXPECT_EQ(job.DeviceName, "");
  EXPECT_FALSE(std::filesystem::exists(settings_));
}

TEST(NoticeNamesPort, ByDevicePath) {
  const struct {
    PortNotice notice;
    const char* connected;
    bool names;
  } cases[] = {
      {{"/dev/ttyUSB0", {}}, "/dev/ttyUSB0", true},
      {{"/dev/ttyUSB1", {}}, "/dev/ttyUSB0", false},
      {{"/dev//ttyUSB0", {}}, "/dev/ttyUSB0", true},
      // Linux device names are case-sensitive: another device.
      {{"/dev/ttyusb0", {}}, "/dev/ttyUSB0", false},
      {{"/dev/ttyUSB10", {}}, "/dev/ttyUSB1", false},
      // Connected through one of udev's links to the node.
      {{"/dev/ttyUSB0", {"/dev/serial/by-id/usb-SCI_USB2Serial-if00-port0"}},
       "/dev/serial/by-id/usb-SCI_USB2Serial-if00-port0",
       true},
      {{"", {}}, "", false},
      {{"/dev/ttyUSB0", {}}, "", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(noticeNamesPort(c.notice, c.connected), c.names)
        << c.notice.devicePath << " vs " << c.connected;
}

TEST(PortNoticeFromUdev, NodeAndLinks) {
  const PortNotice n = portNoticeFromUdev(
      "/dev/ttyUSB0",
      "/dev/serial/by-id/usb-SCI_USB2Serial-if00-port0  /dev/serial/by-path/pci-0:1.0-port0 ");
  EXPECT_EQ(n.devicePath, "/dev/ttyUSB0");
  EXPECT_EQ(n.links, (std::vector<std::string>{"/dev/serial/by-id/usb-SCI_USB2Serial-if00-port0",
                                               "/dev/serial/by-path/pci-0:1.0-port0"}));
  EXPECT_TRUE(portNoticeFromUdev("/dev/ttyUSB0", "").links.empty());
  EXPECT_TRUE(noticeNamesPort(n, "/dev/serial/by-path/pci-0:1.0-port0"));
}

TEST_F(Connection, RemovalOfAnotherPortLeavesTheConnectionOpen) {
  connect();
  EXPECT_FALSE(handlePortRemoval({"/dev/ttyUSB7", {}}));
  EXPECT_TRUE(instrumentConnected());
  DeviceInfo info;
  EXPECT_EQ(readDeviceInfo(info), API_SUCCESS);
}

TEST_F(Connection, RemovalOfTheConnectedPortClosesIt) {
  connect();
  const DeviceHandle handle = currentDeviceHandle();
  EXPECT_EQ(connectedPortPath(), sim_->path());
  EXPECT_TRUE(handlePortRemoval({sim_->path(), {}}));
  EXPECT_FALSE(instrumentConnected());
  DeviceInfo info;
  EXPECT_EQ(ZW_GetDeviceInfo(handle, &info), API_INVALID_DEVICE_HANDLE);
  EXPECT_EQ(connectedPortPath(), "");
  // A second notice about it, while unconnected, changes nothing.
  EXPECT_FALSE(handlePortRemoval({sim_->path(), {}}));
}

TEST_F(Connection, AnInstrumentThatHasVanishedIsStillClosedByItsRemoval) {
  connect();
  ASSERT_TRUE(sim_->control("vanish"));
  DeviceInfo info;
  EXPECT_NE(readDeviceInfo(info), API_SUCCESS);
  ASSERT_TRUE(sim_->exited(5000));
  EXPECT_TRUE(handlePortRemoval({sim_->path(), {}}));
  EXPECT_FALSE(instrumentConnected());
}

TEST_F(Connection, ACallThatFindsTheDeviceGoneMarksTheConnectionLost) {
  const char* const faults[] = {"vanish", "kill"};
  for (const char* fault : faults) {
    SCOPED_TRACE(fault);
    connect();
    DeviceInfo info;
    ASSERT_EQ(readDeviceInfo(info), API_SUCCESS);
    EXPECT_FALSE(connectionLost());
    // Answers that fail for other reasons leave the connection alone.
    ASSERT_TRUE(sim_->control("status 3"));
    EXPECT_EQ(readDeviceInfo(info), API_EXECUTE_REQUEST_FAILED);
    EXPECT_FALSE(closeLostConnection());
    EXPECT_TRUE(instrumentConnected());
    if (std::string(fault) == "kill")
      kill(sim_->pid(), SIGKILL);
    else
      ASSERT_TRUE(sim_->control("vanish"));
    EXPECT_EQ(readDeviceInfo(info), API_DEVICE_DISCONNECTED);
    EXPECT_TRUE(connectionLost());
    // Closed by the next driver step, once.
    EXPECT_TRUE(closeLostConnection());
    EXPECT_FALSE(instrumentConnected());
    EXPECT_FALSE(connectionLost());
    EXPECT_EQ(connectedPortPath(), "");
    EXPECT_FALSE(closeLostConnection());
  }
}

TEST_F(Connection, ArrivalOpensOnlyWhileUnconnected) {
  connect();
  const DeviceHandle handle = currentDeviceHandle();
  EXPECT_FALSE(handlePortArrival());
  EXPECT_EQ(currentDeviceHandle(), handle);
  ASSERT_TRUE(handlePortRemoval({sim_->path(), {}}));
  EXPECT_TRUE(handlePortArrival());
  EXPECT_TRUE(instrumentConnected());
  DeviceInfo info;
  EXPECT_EQ(readDeviceInfo(info), API_SUCCESS);
}

TEST_F(Connection, ArrivalOfAPortWithoutTheInstrumentStaysUnconnected) {
  setenv("COLORPORT_PORT", "/dev/corvana-no-such-port", 1);
  EXPECT_FALSE(handlePortArrival());
  EXPECT_FALSE(instrumentConnected());
}

TEST_F(Connection, ArrivalOpensAndReadsTheInstrumentWhileUnconnectedOnly) {
  connect({"--model", "CM-730 Spectrophotometer"});
  const DeviceHandle handle = currentDeviceHandle();
  const OpenedInstrument ignored = openOnPortArrival();
  EXPECT_NE(ignored.open, API_SUCCESS);
  EXPECT_EQ(ignored.info.model[0], '\0');
  EXPECT_EQ(currentDeviceHandle(), handle);

  ASSERT_TRUE(handlePortRemoval({sim_->path(), {}}));
  const OpenedInstrument opened = openOnPortArrival();
  ASSERT_EQ(opened.open, API_SUCCESS);
  EXPECT_EQ(opened.read, API_SUCCESS);
  EXPECT_STREQ(opened.info.model, "CM-730 Spectrophotometer");
  // An arrival names no job: the status dialog gives the model to its job.
  spreadOpenedInstrument(opened, manager, settings_, nullptr);
  EXPECT_EQ(manager.instrumentModel, "CM-730 Spectrophotometer");
  EXPECT_EQ(setting("Instrument|Model"), "CM-730 Spectrophotometer");
}

TEST_F(Connection, OnlyAnOpenFollowedByASuccessfulReadSpreads) {
  const struct {
    ApiResult open, read;
  } cases[] = {{API_SUCCESS, API_EXECUTE_REQUEST_FAILED}, {API_DEVICE_NOT_FOUND, API_SUCCESS}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.open);
    OpenedInstrument opened{c.open, c.read, {}};
    std::strcpy(opened.info.model, "CM-760");
    manager.instrumentModel = "CM-750 old";
    Job job(manager);
    job.DeviceName = "CM-750 old";
    spreadOpenedInstrument(opened, manager, settings_, &job);
    EXPECT_EQ(manager.instrumentModel, "CM-750 old");
    EXPECT_EQ(job.DeviceName, "CM-750 old");
    EXPECT_FALSE(std::filesystem::exists(settings_));
  }
}

}  // namespace
}  // namespace corvana
