// The program's start-up connection as a whole application: the real
// colorport-sim on a real pseudo-terminal for --simulator, and a port that is
// not there for the unconnected start.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/command_table.h"
#include "core/language_table.h"
#include "instrument/connection.h"
#include "instrument/simulator_process.h"
#include "qt/child_frame.h"
#include "qt/ckt_client_app.h"
#include "qt/dialogs/instrument_status_dialog.h"
#include "qt/main_frame.h"
#include "qt/ui_text.h"
#include "tests/qt/ui_test_support.h"

namespace corvana {
namespace {

namespace fs = std::filesystem;

class AppInstrument : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    dir_ = fs::temp_directory_path() / ("corvana-app-instrument-" + std::to_string(getpid()));
    fs::create_directories(dir_);
    setenv("CORVANA_SETTINGS", (dir_ / "Settings.xml").c_str(), 1);
    // No instrument unless the simulator points the driver elsewhere.
    setenv("COLORPORT_PORT", (dir_ / "no-such-port").c_str(), 1);
    path_ = std::getenv("PATH") ? std::getenv("PATH") : "";
  }
  void TearDown() override {
    app_.reset();
    setenv("PATH", path_.c_str(), 1);
    unsetenv("COLORPORT_PORT");
    unsetenv("CORVANA_SETTINGS");
    fs::remove_all(dir_);
  }

  // Starts the program with `args` after the program name and lets the
  // messages queued for a shown window appear.
  void start(std::vector<std::string> args) {
    args_ = {"corvana"};
    args_.insert(args_.end(), args.begin(), args.end());
    argv_.clear();
    for (std::string& a : args_) argv_.push_back(a.data());
    argv_.push_back(nullptr);
    argc_ = int(args_.size());
    app_ = std::make_unique<CKTClientApp>(argc_, argv_.data());
    ASSERT_TRUE(app_->initInstance());
    // The start-up connection runs on the instrument worker.
    app_->mainFrame()->instrumentWorker().finish();
    QCoreApplication::processEvents();
  }

  QString statusInstrument() const {
    const auto* label = app_->mainFrame()->statusBar()->findChild<QLabel*>("statusInstrument");
    return label ? label->text() : QString("(no field)");
  }

  QString aboutText() {
    testing::MessageRecorder about;
    app_->mainFrame()->runCommand(CmdAbout);
    return about.messages.size() == 1 ? about.messages[0].text : QString("(no about box)");
  }

  fs::path dir_;
  std::string path_;
  std::vector<std::string> args_;
  std::vector<char*> argv_;
  int argc_ = 0;
  std::unique_ptr<CKTClientApp> app_;
};

bool processGone(pid_t pid) { return kill(pid, 0) != 0 && errno == ESRCH; }

TEST_F(AppInstrument, SimulatorConnectsAndIsGoneWithTheProgram) {
  // The test binary has no build-tree simulator beside it: PATH finds it.
  setenv("PATH", (std::string(COLORPORT_SIM_DIR) + ":" + path_).c_str(), 1);
  testing::MessageRecorder messages;
  start({"--simulator"});
  ASSERT_NE(app_->simulator(), nullptr);
  EXPECT_TRUE(instrumentConnected());
  EXPECT_EQ(connectedPortPath(), app_->simulator()->portPath());
  EXPECT_EQ(statusInstrument(), "Simulated instrument");
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_TRUE(aboutText().endsWith("\n\n(simulated instrument)")) << aboutText().toStdString();

  const pid_t pid = app_->simulator()->pid();
  app_.reset();
  EXPECT_FALSE(instrumentConnected());
  EXPECT_TRUE(processGone(pid));
}

TEST_F(AppInstrument, WithoutAnInstrumentTheProgramRunsUnconnectedAndSaysNothing) {
  testing::MessageRecorder messages;
  start({});
  EXPECT_FALSE(instrumentConnected());
  EXPECT_EQ(app_->simulator(), nullptr);
  EXPECT_EQ(statusInstrument(), "No instrument");
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_FALSE(aboutText().contains("simulated"));
}

TEST_F(AppInstrument, ConnectStartsTheSimulatorWhenAskedAfterFindingNothing) {
  setenv("PATH", (std::string(COLORPORT_SIM_DIR) + ":" + path_).c_str(), 1);
  testing::MessageRecorder messages;
  messages.answer = QMessageBox::Yes;
  start({});
  ASSERT_FALSE(instrumentConnected());
  app_->mainFrame()->runCommand(CmdInstrumentStatus);
  InstrumentStatusDialog* status = app_->mainFrame()->activeChild()->instrumentStatusDialog();
  ASSERT_NE(status, nullptr);
  status->connectButton()->click();
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].icon, ui::MessageIcon::Question);
  ASSERT_NE(app_->simulator(), nullptr);
  EXPECT_TRUE(instrumentConnected());
  EXPECT_EQ(connectedPortPath(), app_->simulator()->portPath());
  EXPECT_EQ(status->connectionText(), "Connect Status:   Connected");
  EXPECT_EQ(statusInstrument(), "Simulated instrument");
}

TEST_F(AppInstrument, ASimulatorThatCannotStartIsReportedInTheChosenLanguage) {
  setenv("PATH", dir_.c_str(), 1);
  testing::MessageRecorder messages;
  start({"--simulator", "/lang:chinese_simplified"});
  EXPECT_EQ(app_->simulator(), nullptr);
  EXPECT_FALSE(instrumentConnected());
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text,
            QString::fromStdString(LookupText(Text::SimulatorStartFailed, ChineseSimplified)));
  EXPECT_EQ(statusInstrument(), QString::fromStdString(LookupText(Text::NoInstrument)));
  LanguageIndex = English;
}

}  // namespace
}  // namespace corvana
