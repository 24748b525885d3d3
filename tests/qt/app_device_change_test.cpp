// Ports plugged in and pulled out while the program runs, and the start-up
// connection on the instrument worker: notices as the port monitor gives
// them, against the real colorport-sim on a real pseudo-terminal.
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QStatusBar>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/command_table.h"
#include "core/job.h"
#include "core/job_file.h"
#include "core/job_manager.h"
#include "instrument/connection.h"
#include "qt/child_frame.h"
#include "qt/ckt_client_app.h"
#include "qt/device_change_handler.h"
#include "qt/dialogs/instrument_status_dialog.h"
#include "qt/main_frame.h"
#include "sim_process.h"
#include "tests/qt/ui_test_support.h"

namespace corvana {
namespace {

namespace fs = std::filesystem;

const QString kConnected = "Connect Status:   Connected";
const QString kUnconnected = "Connect Status:   Unconnected";

class AppDeviceChange : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    dir_ = fs::temp_directory_path() / ("corvana-app-device-" + std::to_string(getpid()));
    fs::create_directories(dir_);
    setenv("CORVANA_SETTINGS", (dir_ / "Settings.xml").c_str(), 1);
    sim_ = std::make_unique<colorport::test::SimProcess>();
    ASSERT_FALSE(sim_->path().empty()) << "colorport-sim did not start";
  }
  void TearDown() override {
    app_.reset();
    sim_.reset();
    unsetenv("COLORPORT_PORT");
    unsetenv("CORVANA_SETTINGS");
    fs::remove_all(dir_);
  }

  void pointDriverAtSimulator() { setenv("COLORPORT_PORT", sim_->path().c_str(), 1); }
  void pointDriverNowhere() { setenv("COLORPORT_PORT", (dir_ / "no-such-port").c_str(), 1); }

  // The program up to its shown window; the start-up connection may still run.
  void launch(std::vector<std::string> args = {}) {
    args_ = {"corvana"};
    args_.insert(args_.end(), args.begin(), args.end());
    argv_.clear();
    for (std::string& a : args_) argv_.push_back(a.data());
    argv_.push_back(nullptr);
    argc_ = int(args_.size());
    app_ = std::make_unique<CKTClientApp>(argc_, argv_.data());
    ASSERT_TRUE(app_->initInstance());
  }
  // Launched, connected or not as the driver finds the instrument, with the
  // job window's status dialog open.
  void start(bool connected) {
    if (connected)
      pointDriverAtSimulator();
    else
      pointDriverNowhere();
    launch();
    settle();
    ASSERT_EQ(instrumentConnected(), connected);
    main().runCommand(CmdInstrumentStatus);
    ASSERT_NE(statusDialog(), nullptr);
  }
  // Every operation in flight and every notice waiting has been applied.
  void settle() {
    while (main().instrumentWorker().busy() || main().deviceChange().pending() > 0)
      main().instrumentWorker().finish();
    QCoreApplication::processEvents();
  }
  void notify(PortChange change, const PortNotice& port) {
    main().deviceChange().notice(change, port);
    settle();
  }

  CMainFrame& main() { return *app_->mainFrame(); }
  CChildFrame& window() { return *main().activeChild(); }
  InstrumentStatusDialog* statusDialog() { return window().instrumentStatusDialog(); }
  QString statusInstrument() {
    return main().statusBar()->findChild<QLabel*>("statusInstrument")->text();
  }

  fs::path dir_;
  std::unique_ptr<colorport::test::SimProcess> sim_;
  std::vector<std::string> args_;
  std::vector<char*> argv_;
  int argc_ = 0;
  std::unique_ptr<CKTClientApp> app_;
};

TEST_F(AppDeviceChange, RemovalOfTheConnectedPortClosesItAndTellsEveryWindow) {
  const struct {
    const char* what;
    bool namesConnectedPort;
    std::string devicePath;
    std::vector<std::string> links;
  } cases[] = {
      {"its device path", true, sim_->path(), {}},
      {"one of its links",
       true,
       "/dev/ttyUSB7",
       {"/dev/serial/by-id/usb-CM_750-if00", sim_->path()}},
      {"another port", false, "/dev/ttyUSB7", {"/dev/serial/by-id/usb-Other-if00"}},
      {"a port with no path", false, "", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    start(true);
    const DeviceHandle handle = currentDeviceHandle();
    ASSERT_EQ(statusDialog()->connectionText(), kConnected);
    testing::MessageRecorder messages;
    notify(PortChange::Removed, {c.devicePath, c.links});
    EXPECT_TRUE(messages.messages.empty());
    if (c.namesConnectedPort) {
      EXPECT_FALSE(instrumentConnected());
      EXPECT_EQ(statusDialog()->connectionText(), kUnconnected);
      EXPECT_EQ(statusInstrument(), "No instrument");
    } else {
      EXPECT_EQ(currentDeviceHandle(), handle);
      EXPECT_EQ(statusDialog()->connectionText(), kConnected);
      EXPECT_TRUE(statusInstrument().contains(QString::fromStdString(sim_->path())))
          << statusInstrument().toStdString();
    }
    app_.reset();
  }
}

TEST_F(AppDeviceChange, ArrivalWhileUnconnectedConnectsAndTellsEveryWindow) {
  start(false);
  ASSERT_EQ(statusDialog()->connectionText(), kUnconnected);
  // A removal while unconnected has nothing to close.
  notify(PortChange::Removed, {sim_->path(), {}});
  EXPECT_FALSE(instrumentConnected());

  // The instrument is plugged in: the arriving name is not what is opened.
  pointDriverAtSimulator();
  testing::MessageRecorder messages;
  notify(PortChange::Arrived, {"/dev/ttyUSB0", {}});
  EXPECT_TRUE(messages.messages.empty());
  ASSERT_TRUE(instrumentConnected());
  EXPECT_EQ(connectedPortPath(), sim_->path());
  EXPECT_EQ(statusDialog()->connectionText(), kConnected);
  EXPECT_EQ(jobManager().instrumentModel, "CM-750 Spectrophotometer");
  EXPECT_TRUE(statusInstrument().startsWith("CM-750")) << statusInstrument().toStdString();

  // Another port arriving while connected leaves the connection as it is.
  const DeviceHandle handle = currentDeviceHandle();
  notify(PortChange::Arrived, {"/dev/ttyUSB1", {}});
  EXPECT_EQ(currentDeviceHandle(), handle);
}

TEST_F(AppDeviceChange, ArrivalOfAPortWithoutTheInstrumentStaysUnconnectedSilently) {
  start(false);
  testing::MessageRecorder messages;
  notify(PortChange::Arrived, {"/dev/ttyUSB0", {}});
  EXPECT_FALSE(instrumentConnected());
  EXPECT_EQ(statusDialog()->connectionText(), kUnconnected);
  EXPECT_TRUE(messages.messages.empty());
}

// No udev notice comes when the instrument dies behind its port (a simulator
// that ends, a device that stops answering with a hang-up): the call that finds
// it gone closes the connection, and every window says so.
TEST_F(AppDeviceChange, AnInstrumentThatDiesIsDisconnectedByTheCallThatFindsItGone) {
  const char* const deaths[] = {"vanishes", "is killed"};
  for (const char* death : deaths) {
    SCOPED_TRACE(death);
    sim_ = std::make_unique<colorport::test::SimProcess>();
    ASSERT_FALSE(sim_->path().empty());
    start(true);
    ASSERT_TRUE(statusInstrument().contains(QString::fromStdString(sim_->path())))
        << statusInstrument().toStdString();
    if (std::string(death) == "is killed") {
      kill(sim_->pid(), SIGKILL);
      ASSERT_TRUE(sim_->exited(5000));
    } else {
      ASSERT_TRUE(sim_->control("vanish"));  // gone at the next request
    }
    main().runCommand(CmdAutoNamingSample);
    testing::MessageRecorder messages;
    main().action(CmdMeasureSample)->trigger();
    settle();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text.toStdString(), "Execute failed!\n(Device disconnected.)");
    EXPECT_FALSE(instrumentConnected());
    EXPECT_EQ(statusInstrument(), "No instrument");
    EXPECT_EQ(statusDialog()->connectionText(), kUnconnected);
    // The next command knows without asking the driver.
    main().action(CmdMeasureSample)->trigger();
    settle();
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[1].text.toStdString(), "Instrument disconnected!");
    EXPECT_EQ(window().job().sampleCount(), 0);
    app_.reset();
  }
}

TEST_F(AppDeviceChange, ANoticeWhileTheInstrumentIsBusyWaitsForTheMeasurement) {
  start(true);
  main().runCommand(CmdAutoNamingSample);
  main().action(CmdMeasureSample)->trigger();
  ASSERT_TRUE(main().instrumentWorker().busy());
  main().deviceChange().notice(PortChange::Removed, {sim_->path(), {}});
  // The measurement keeps the port it is using.
  EXPECT_TRUE(instrumentConnected());
  EXPECT_EQ(main().deviceChange().pending(), 1u);
  testing::MessageRecorder messages;
  settle();
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(window().job().sampleCount(), 1);
  EXPECT_FALSE(instrumentConnected());
  EXPECT_EQ(statusDialog()->connectionText(), kUnconnected);
}

TEST_F(AppDeviceChange, ADialogsCallWaitsForANoticeThatTookTheWorkerFirst) {
  start(true);
  main().runCommand(CmdAutoNamingSample);
  main().action(CmdMeasureSample)->trigger();
  main().deviceChange().notice(PortChange::Removed, {sim_->path(), {}});
  // The dialog waits for the measurement; the waiting removal takes the
  // worker as it comes free, so the dialog reads after that, unconnected.
  statusDialog()->refresh();
  settle();
  EXPECT_FALSE(instrumentConnected());
  EXPECT_EQ(statusDialog()->connectionText(), kUnconnected);
  EXPECT_EQ(jobManager().instrumentModel, "CM-750 Spectrophotometer");
  EXPECT_EQ(window().job().sampleCount(), 1);
}

TEST_F(AppDeviceChange, StartUpConnectsWithTheWindowUpAndInstrumentCommandsHeld) {
  // A job file named on the command line is open before the instrument is,
  // and takes its model.
  const fs::path file = dir_ / "lot.job";
  {
    JobManager manager;
    Job job(manager);
    job.DeviceName = "CM-700 older";
    ASSERT_TRUE(writeJobFile(job, file.string()));
  }
  pointDriverAtSimulator();
  launch({file.string()});
  EXPECT_EQ(main().statusBar()->currentMessage(), "Connecting…");
  EXPECT_FALSE(main().action(CmdMeasureSample)->isEnabled());
  EXPECT_FALSE(main().action(CmdInstrumentStatus)->isEnabled());
  EXPECT_TRUE(main().action(CmdOpen)->isEnabled());
  EXPECT_EQ(window().job().filePath, file.string());
  settle();
  EXPECT_TRUE(instrumentConnected());
  EXPECT_EQ(main().statusBar()->currentMessage(), "");
  EXPECT_TRUE(main().action(CmdMeasureSample)->isEnabled());
  EXPECT_TRUE(main().action(CmdInstrumentStatus)->isEnabled());
  EXPECT_EQ(window().job().DeviceName, "CM-750 Spectrophotometer");
  EXPECT_TRUE(statusInstrument().startsWith("CM-750")) << statusInstrument().toStdString();
}

}  // namespace
}  // namespace corvana
