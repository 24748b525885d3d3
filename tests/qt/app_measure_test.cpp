// Measure standard (F2) and Measure sample (F3) through the whole
// application, against the real colorport-sim on a real pseudo-terminal.
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/command_table.h"
#include "core/job.h"
#include "core/language_table.h"
#include "instrument/connection.h"
#include "qt/child_frame.h"
#include "qt/ckt_client_app.h"
#include "qt/dialogs/instrument_status_dialog.h"
#include "qt/dialogs/naming_dialog.h"
#include "qt/main_frame.h"
#include "qt/views/record_list_view.h"
#include "sim_process.h"
#include "tests/qt/ui_test_support.h"

namespace corvana {
namespace {

namespace fs = std::filesystem;

class AppMeasure : public ::testing::Test {
 public:
  void SetUp() override {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    dir_ = fs::temp_directory_path() / ("corvana-app-measure-" + std::to_string(getpid()));
    fs::create_directories(dir_);
    setenv("CORVANA_SETTINGS", (dir_ / "Settings.xml").c_str(), 1);
  }
  void TearDown() override {
    // The program disconnects before its simulator goes.
    app_.reset();
    sim_.reset();
    unsetenv("COLORPORT_PORT");
    unsetenv("CORVANA_SETTINGS");
    fs::remove_all(dir_);
  }

  // Starts the program connected to a fresh simulator, or with no instrument.
  void start(bool connected = true) {
    if (connected) {
      sim_ = std::make_unique<colorport::test::SimProcess>();
      ASSERT_FALSE(sim_->path().empty()) << "colorport-sim did not start";
      setenv("COLORPORT_PORT", sim_->path().c_str(), 1);
    } else {
      setenv("COLORPORT_PORT", (dir_ / "no-such-port").c_str(), 1);
    }
    app_ = std::make_unique<CKTClientApp>(argc_, argv_);
    ASSERT_TRUE(app_->initInstance());
    // The start-up connection runs on the instrument worker.
    main().instrumentWorker().finish();
    QCoreApplication::processEvents();
    ASSERT_EQ(instrumentConnected(), connected);
  }

  CMainFrame& main() { return *app_->mainFrame(); }
  CChildFrame& window() { return *main().activeChild(); }
  Job& job() { return window().job(); }
  QAction* toolButton(int command) {
    return main().findChild<QToolBar*>("toolbar")->findChild<QAction*>(
        QStringLiteral("tool%1").arg(command));
  }

  // The command as its menu item (and key) gives it, then the result applied.
  void measure(int command) {
    main().action(command)->trigger();
    main().instrumentWorker().finish();
  }

  fs::path dir_;
  std::unique_ptr<colorport::test::SimProcess> sim_;
  char name_[8] = "corvana";
  char* argv_[2] = {name_, nullptr};
  int argc_ = 1;
  std::unique_ptr<CKTClientApp> app_;
};

TEST_F(AppMeasure, SamplesWithAutoNamingTakeTheJobsRulesAndBecomeCurrent) {
  start();
  EXPECT_EQ(main().action(CmdMeasureSample)->shortcut(), QKeySequence(Qt::Key_F3));
  EXPECT_EQ(main().action(CmdMeasureStandard)->shortcut(), QKeySequence(Qt::Key_F2));
  EXPECT_TRUE(toolButton(CmdMeasureSample)->isEnabled());
  EXPECT_TRUE(toolButton(CmdMeasureStandard)->isEnabled());
  main().runCommand(CmdAutoNamingSample);
  job().SampleMaterial = "Cotton";
  testing::MessageRecorder messages;
  measure(CmdMeasureSample);
  measure(CmdMeasureSample);
  EXPECT_TRUE(messages.messages.empty());
  ASSERT_EQ(job().sampleCount(), 2);
  EXPECT_EQ(job().standardCount(), 0);
  const MeasurementRecord& s = job().sample(1);
  EXPECT_EQ(s.nameUtf8(), "Sample002");
  EXPECT_EQ(job().sample(0).nameUtf8(), "Sample001");
  EXPECT_EQ(s.materialUtf8(), "Cotton");
  EXPECT_EQ(job().currentSample, 1);
  EXPECT_TRUE(s.UseReflect);
  EXPECT_TRUE(s.time.isValid());
  int positive = 0;
  for (float v : s.reflectance) positive += v > 0.0f ? 1 : 0;
  EXPECT_EQ(positive, 31);
  EXPECT_EQ(window().sampleView()->model().rowCount(), 2);
  EXPECT_TRUE(job().modified());
  EXPECT_TRUE(window().windowTitle().startsWith('*')) << window().windowTitle().toStdString();
}

TEST_F(AppMeasure, WithoutAutoNamingTheNamingDialogNamesTheStandardOrCancelsIt) {
  const struct {
    const char* button;
    int added;
  } cases[] = {{"ok", 1}, {"cancel", 0}};
  start();
  ASSERT_FALSE(job().autoNamingStandards);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.button);
    const int before = job().standardCount();
    testing::MessageRecorder messages;
    bool asked = false;
    testing::whenModal([&](QWidget* w) {
      auto* dialog = qobject_cast<NamingDialog*>(w);
      asked = dialog != nullptr;
      if (!dialog) return;
      dialog->findChild<QLineEdit*>("manualFirstSegment")->setText("Lot%nn");
      dialog->findChild<QLineEdit*>("manualMaterial")->setText("Wool");
      dialog->findChild<QPushButton*>(c.button)->click();
    });
    measure(CmdMeasureStandard);
    EXPECT_TRUE(asked);
    EXPECT_TRUE(messages.messages.empty());
    ASSERT_EQ(job().standardCount(), before + c.added);
    if (c.added) {
      EXPECT_EQ(job().standard(before).nameUtf8(), "Lot0" + std::to_string(before + 1));
      EXPECT_EQ(job().standard(before).materialUtf8(), "Wool");
      EXPECT_EQ(job().currentStandard, before);
    }
  }
  // The manual page names one record; the job's rules stay as they were.
  EXPECT_EQ(job().StandardNameRule1, "Standard%nnn");
}

TEST_F(AppMeasure, UnconnectedSaysSoAndAddsNothing) {
  start(false);
  main().runCommand(CmdAutoNamingSample);
  testing::MessageRecorder messages;
  measure(CmdMeasureSample);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "Instrument disconnected!");
  EXPECT_EQ(job().sampleCount(), 0);
  EXPECT_FALSE(job().modified());
}

TEST_F(AppMeasure, ARefusalSaysExecuteFailedAndTheNextMeasurementWorks) {
  start();
  main().runCommand(CmdAutoNamingStandard);
  ASSERT_TRUE(sim_->control("status 3"));
  testing::MessageRecorder messages;
  measure(CmdMeasureStandard);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "Execute failed!\n(Execute request failed.)");
  EXPECT_EQ(job().standardCount(), 0);
  EXPECT_FALSE(job().modified());
  // The refusal was the instrument's answer to one request only.
  measure(CmdMeasureStandard);
  EXPECT_EQ(messages.messages.size(), 1u);
  ASSERT_EQ(job().standardCount(), 1);
  EXPECT_EQ(job().standard(0).nameUtf8(), "Standard001");
}

TEST_F(AppMeasure, TheWindowKeepsRunningWhileTheInstrumentWorks) {
  start();
  main().runCommand(CmdAutoNamingSample);
  main().runCommand(CmdInstrumentStatus);
  InstrumentStatusDialog* status = main().activeChild()->instrumentStatusDialog();
  ASSERT_NE(status, nullptr);
  EXPECT_TRUE(status->connectButton()->isEnabled());
  testing::MessageRecorder messages;
  // The instrument is held still: its answer can come only after the UI
  // thread has run a timer with the measurement in flight, which lets it go.
  ASSERT_EQ(kill(sim_->pid(), SIGSTOP), 0);
  int ticksWhileBusy = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (main().instrumentWorker().busy() && ++ticksWhileBusy == 3) kill(sim_->pid(), SIGCONT);
  });
  timer.start(1);
  main().action(CmdMeasureSample)->trigger();
  ASSERT_TRUE(main().instrumentWorker().busy());
  EXPECT_FALSE(main().action(CmdMeasureSample)->isEnabled());
  EXPECT_FALSE(main().action(CmdMeasureStandard)->isEnabled());
  EXPECT_FALSE(toolButton(CmdMeasureSample)->isEnabled());
  EXPECT_TRUE(main().action(CmdOpen)->isEnabled());
  EXPECT_FALSE(status->connectButton()->isEnabled());
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
  EXPECT_EQ(main().statusBar()->currentMessage(), QString::fromUtf8("Measuring…"));
  // A second press while the first runs starts nothing.
  main().runCommand(CmdMeasureSample);
  main().runCommand(CmdMeasureStandard);
  main().instrumentWorker().finish();
  timer.stop();
  kill(sim_->pid(), SIGCONT);
  EXPECT_GE(ticksWhileBusy, 3);
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(job().sampleCount(), 1);
  EXPECT_EQ(job().standardCount(), 0);
  EXPECT_TRUE(main().action(CmdMeasureSample)->isEnabled());
  EXPECT_TRUE(toolButton(CmdMeasureSample)->isEnabled());
  EXPECT_TRUE(status->connectButton()->isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_TRUE(main().statusBar()->currentMessage().isEmpty());
}

TEST_F(AppMeasure, ClosingOrReplacingTheJobMidMeasurementWaitsForTheRecord) {
  const struct {
    const char* what;
    std::function<void(AppMeasure&)> act;
  } cases[] = {
      {"close the job window", [](AppMeasure& t) { t.window().parentWidget()->close(); }},
      {"open a file into it",
       [](AppMeasure& t) {
         t.window().openFile(QString::fromStdString((t.dir_ / "x.job").string()));
       }},
      {"exit the program", [](AppMeasure& t) { t.main().runCommand(CmdExit); }},
  };
  start();
  main().runCommand(CmdAutoNamingSample);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const int before = job().sampleCount();
    testing::MessageRecorder messages;
    messages.answer = QMessageBox::Cancel;  // keep the job when asked to save it
    main().action(CmdMeasureSample)->trigger();
    ASSERT_TRUE(main().instrumentWorker().busy());
    c.act(*this);
    // The save question came once the measurement was in the job.
    EXPECT_FALSE(main().instrumentWorker().busy());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].icon, ui::MessageIcon::Question);
    ASSERT_EQ(main().children().size(), 1u);
    EXPECT_EQ(job().sampleCount(), before + 1);
    EXPECT_TRUE(job().modified());
  }
}

TEST_F(AppMeasure, TheRecordGoesToTheJobThatAskedWhenAnotherBecomesActive) {
  start();
  CChildFrame* asking = &window();
  asking->runCommand(CmdAutoNamingStandard);
  main().action(CmdMeasureStandard)->trigger();
  CChildFrame* other = main().newJob();
  ASSERT_EQ(main().activeChild(), other);
  main().instrumentWorker().finish();
  EXPECT_EQ(asking->job().standardCount(), 1);
  EXPECT_EQ(other->job().standardCount(), 0);
}

}  // namespace
}  // namespace corvana
