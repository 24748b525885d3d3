// Upload Standard / Sample to PC and Download Standard to Instrument through
// the whole application, against the real colorport-sim on a pseudo-terminal.
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/command_table.h"
#include "core/job.h"
#include "instrument/connection.h"
#include "qt/child_frame.h"
#include "qt/ckt_client_app.h"
#include "qt/dialogs/download_data_dialog.h"
#include "qt/instrument_worker.h"
#include "qt/main_frame.h"
#include "qt/views/record_list_view.h"
#include "sim_process.h"
#include "tests/qt/ui_test_support.h"

namespace corvana {
namespace {

namespace fs = std::filesystem;

struct Typed {
  const char* standardNumber;  // samples only
  const char* first;
  const char* count;
  const char* prefix;
};

class AppTransfer : public ::testing::Test {
 public:
  void SetUp() override {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    dir_ = fs::temp_directory_path() / ("corvana-app-transfer-" + std::to_string(getpid()));
    fs::create_directories(dir_);
    setenv("CORVANA_SETTINGS", (dir_ / "Settings.xml").c_str(), 1);
  }
  void TearDown() override {
    app_.reset();
    sim_.reset();
    unsetenv("COLORPORT_PORT");
    unsetenv("CORVANA_SETTINGS");
    fs::remove_all(dir_);
  }

  // The program connected to a fresh simulator started with `options`, or
  // with no instrument.
  void start(const std::vector<std::string>& options = {}, bool connected = true) {
    if (connected) {
      sim_ = std::make_unique<colorport::test::SimProcess>(options);
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
  QString statusInstrument() {
    return main().statusBar()->findChild<QLabel*>("statusInstrument")->text();
  }

  // Opens the upload dialog through its menu item and hands it to `act`,
  // which ends with the dialog still open; the test closes it.
  void withUploadDialog(int command, const std::function<void(DownloadData&)>& act) {
    bool opened = false;
    testing::whenModal([&](QWidget* w) {
      auto* dialog = qobject_cast<DownloadData*>(w);
      opened = dialog != nullptr;
      if (!dialog) return;
      act(*dialog);
      dialog->closeButton()->click();
    });
    main().action(command)->trigger();
    EXPECT_TRUE(opened);
  }
  static void type(DownloadData& d, const Typed& t) {
    if (d.standardNumberEdit()) d.standardNumberEdit()->setText(t.standardNumber);
    d.firstEdit()->setText(t.first);
    d.countEdit()->setText(t.count);
    d.prefixEdit()->setText(t.prefix);
  }
  // Upload Standard / Sample to PC with these fields, pressing Upload once.
  void upload(int command, const Typed& t) {
    withUploadDialog(command, [&](DownloadData& d) {
      type(d, t);
      d.uploadButton()->click();
    });
  }
  void downloadStandard() {
    main().action(CmdDownloadStandard)->trigger();
    main().instrumentWorker().finish();
  }
  void addStandardNamed(const std::string& name) {
    MeasurementRecord r;
    r.setName(name);
    r.UseReflect = true;
    r.reflectance.fill(0.5f);
    job().addStandard(r, true);
  }

  fs::path dir_;
  std::unique_ptr<colorport::test::SimProcess> sim_;
  char name_[8] = "corvana";
  char* argv_[2] = {name_, nullptr};
  int argc_ = 1;
  std::unique_ptr<CKTClientApp> app_;
};

TEST_F(AppTransfer, TheDialogsFieldsFocusAndKeys) {
  start();
  job().StandardMaterial = "Wool";
  job().SampleMaterial = "Silk";
  const struct {
    int command;
    const char* title;
    bool standardNumber;
    const char* material;
  } cases[] = {{CmdUploadStandards, "Upload Standard to PC", false, "Wool"},
               {CmdUploadSamples, "Upload Sample to PC", true, "Silk"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    testing::MessageRecorder messages;
    withUploadDialog(c.command, [&](DownloadData& d) {
      EXPECT_EQ(d.windowTitle().toStdString(), c.title);
      EXPECT_EQ(d.standardNumberEdit() != nullptr, c.standardNumber);
      EXPECT_EQ(d.materialEdit()->text().toStdString(), c.material);
      EXPECT_EQ(d.uploadButton()->text(), "Upload");
      EXPECT_EQ(d.closeButton()->text(), "Close");
      // Focus in the first field, Tab down the fields in order.
      std::vector<QWidget*> order;
      if (d.standardNumberEdit()) order.push_back(d.standardNumberEdit());
      order.insert(order.end(), {d.firstEdit(), d.countEdit(), d.prefixEdit(), d.materialEdit(),
                                 d.uploadButton(), d.closeButton()});
      EXPECT_EQ(d.focusWidget(), order.front());
      for (std::size_t i = 1; i < order.size(); ++i) {
        QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(d.focusWidget(), order[i]) << "after " << i << " tabs";
      }
      // Enter in a field presses Upload: a range the instrument holds.
      type(d, {"1", "1", "2", "K"});
      d.countEdit()->setFocus();
      QTest::keyClick(d.countEdit(), Qt::Key_Return);
      EXPECT_EQ(d.progressText().toStdString(), "2 of 2 records received");
      EXPECT_EQ(d.progressBar()->value(), d.progressBar()->maximum());
    });
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Execute successfully!");
    EXPECT_EQ(messages.messages[0].caption.toStdString(), c.title);
    EXPECT_EQ(messages.messages[0].icon, ui::MessageIcon::Information);
  }
  EXPECT_EQ(job().standardCount(), 2);
  EXPECT_EQ(job().sampleCount(), 2);
  EXPECT_EQ(job().sample(1).materialUtf8(), "Silk");

  // Esc closes the dialog.
  bool closed = false;
  testing::whenModal([&](QWidget* w) {
    QTest::keyClick(w, Qt::Key_Escape);
    closed = !w->isVisible();
    if (!closed) w->close();
  });
  main().action(CmdUploadStandards)->trigger();
  EXPECT_TRUE(closed);
}

TEST_F(AppTransfer, UploadNamesFromPrefixAndStoredNumberAndScrollsToTheEnd) {
  start({"--standards", "4"});
  // The instrument's fifth standard (number 4) is ABC, written by the program.
  addStandardNamed("ABC");
  window().standardView()->selectRecords({0});
  testing::MessageRecorder messages;
  downloadStandard();
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "Download standard to instrument successfully!");
  EXPECT_EQ(messages.messages[0].icon, ui::MessageIcon::Information);

  upload(CmdUploadStandards, {"", "5", "1", "P"});
  upload(CmdUploadSamples, {"1", "4", "1", "P"});
  ASSERT_EQ(messages.messages.size(), 3u);
  EXPECT_EQ(messages.messages[1].text, "Execute successfully!");
  EXPECT_EQ(messages.messages[2].text, "Execute successfully!");
  ASSERT_EQ(job().standardCount(), 2);
  // Standards count from 0 in the instrument, samples from 1.
  EXPECT_EQ(job().standard(1).nameUtf8(), "P5_ABC");
  EXPECT_EQ(job().standard(1).instrument[0], 4);
  ASSERT_EQ(job().sampleCount(), 1);
  EXPECT_EQ(job().sample(0).nameUtf8(), "P4_S1-4");
  // Added without becoming current; the list shows them.
  EXPECT_EQ(job().currentStandard, 0);
  EXPECT_EQ(window().standardView()->model().rowCount(), 2);
  EXPECT_TRUE(job().modified());
}

TEST_F(AppTransfer, ChecksInOrderTheFirstFailingOneSpeaks) {
  const struct {
    int command;
    Typed typed;
    const char* message;
  } cases[] = {
      // Every field empty: the first number is looked at first.
      {CmdUploadSamples, {"", "", "", ""}, "Starting sample number empty!"},
      {CmdUploadSamples, {"", "1", "", ""}, "Sample count empty!"},
      {CmdUploadSamples, {"", "1", "2", ""}, "Standard number empty!"},
      {CmdUploadSamples, {"1", "1", "0", ""}, "Sample number overrange!(From 1 to 4)"},
      {CmdUploadSamples, {"1", "0", "1", ""}, "Sample number overrange!(From 1 to 4)"},
      {CmdUploadSamples, {"1", "3", "3", ""}, "Sample number overrange!(From 1 to 4)"},
      {CmdUploadSamples, {"1", "x", "1", ""}, "Sample number overrange!(From 1 to 4)"},
      {CmdUploadSamples, {"9", "1", "1", ""}, "There is no sample record in the standard!"},
      {CmdUploadStandards, {"", "", "1", ""}, "Starting standard number empty!"},
      {CmdUploadStandards, {"", "1", "", ""}, "Standard count empty!"},
      {CmdUploadStandards, {"", "2", "5", ""}, "Standard number overrange!(From 1 to 5)"},
      {CmdUploadStandards, {"", "6", "1", ""}, "Standard number overrange!(From 1 to 5)"},
  };
  start();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    testing::MessageRecorder messages;
    upload(c.command, c.typed);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text.toStdString(), c.message);
    EXPECT_EQ(messages.messages[0].caption.toStdString(),
              c.command == CmdUploadSamples ? "Upload Sample to PC" : "Upload Standard to PC");
    EXPECT_EQ(messages.messages[0].icon, ui::MessageIcon::Stop);
  }
  EXPECT_EQ(job().standardCount(), 0);
  EXPECT_EQ(job().sampleCount(), 0);
  EXPECT_FALSE(job().modified());
}

TEST_F(AppTransfer, NoStandardsStoredAndNoInstrument) {
  start({"--standards", "0"});
  testing::MessageRecorder messages;
  upload(CmdUploadStandards, {"", "1", "1", ""});
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "There is no standard record!");

  app_.reset();
  sim_.reset();
  start({}, false);
  // The instrument is asked before the fields are looked at.
  upload(CmdUploadSamples, {"", "", "", ""});
  ASSERT_EQ(messages.messages.size(), 2u);
  EXPECT_EQ(messages.messages[1].text, "Instrument disconnected!");
  EXPECT_EQ(messages.messages[1].caption.toStdString(), "Corvana Color Management Control System");
}

TEST_F(AppTransfer, ProgressShowsRecordsAsTheyArrive) {
  // One record per frame, and a pause before the second: the dialog shows
  // the first record in while the rest are still to come.
  start({"--records-per-frame", "1"});
  ASSERT_TRUE(sim_->control("stall 2000"));
  testing::MessageRecorder messages;
  bool sawPartial = false;
  bool barAtOne = true;
  withUploadDialog(CmdUploadStandards, [&](DownloadData& d) {
    type(d, {"", "1", "3", ""});
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
      if (!main().instrumentWorker().busy()) return;
      if (d.progressText() == "1 of 3 records received") {
        sawPartial = true;
        barAtOne = d.progressBar()->value() == 1 && d.progressBar()->maximum() == 3;
      }
    });
    watch.start(5);
    d.uploadButton()->click();
    watch.stop();
    EXPECT_EQ(d.progressText().toStdString(), "3 of 3 records received");
  });
  EXPECT_TRUE(sawPartial);
  EXPECT_TRUE(barAtOne);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "Execute successfully!");
  EXPECT_EQ(job().standardCount(), 3);
}

TEST_F(AppTransfer, ADeviceGoneHalfWayAddsNothingAndSaysSo) {
  const struct {
    const char* how;
    bool killed;  // else the simulator's own vanish fault
  } cases[] = {{"vanishes", false}, {"is killed", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    start({"--records-per-frame", "1"});
    if (c.killed) {
      // A pause after the first record; the simulator dies in it.
      ASSERT_TRUE(sim_->control("stall 2000"));
    } else {
      // The count, the range and one data frame are answered, then it is gone.
      ASSERT_TRUE(sim_->control("vanish-after 3"));
    }
    testing::MessageRecorder messages;
    withUploadDialog(CmdUploadStandards, [&](DownloadData& d) {
      type(d, {"", "1", "4", "P"});
      QTimer watch;
      QObject::connect(&watch, &QTimer::timeout, [&] {
        if (c.killed && d.progressText() == "1 of 4 records received") {
          watch.stop();
          kill(sim_->pid(), SIGKILL);
        }
      });
      watch.start(5);
      d.uploadButton()->click();
    });
    ASSERT_GE(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Execute failed!\n(Device disconnected.)");
    EXPECT_EQ(messages.messages[0].icon, ui::MessageIcon::Stop);
    for (const ui::Message& m : messages.messages) EXPECT_NE(m.text, "Execute successfully!");
    EXPECT_EQ(job().standardCount(), 0);
    EXPECT_FALSE(job().modified());
    // The program no longer claims the instrument that is gone.
    main().instrumentWorker().finish();
    EXPECT_FALSE(instrumentConnected());
    EXPECT_EQ(statusInstrument(), "No instrument");
    app_.reset();
    sim_.reset();
  }
}

TEST_F(AppTransfer, AFrameCutMidUploadAddsNothingAndSaysWhichToUploadAgain) {
  // 2000 stored standards, two a frame; after the count, the range and 250
  // frames, one frame comes with its header only.
  start({"--standards", "2000"});
  ASSERT_TRUE(sim_->control("truncate 3 252"));
  testing::MessageRecorder messages;
  withUploadDialog(CmdUploadStandards, [&](DownloadData& d) {
    type(d, {"", "1", "2000", "P"});
    d.uploadButton()->click();
    EXPECT_EQ(d.progressText().toStdString(), "1998 of 2000 records received");
  });
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text.toStdString(),
            "Only 1998 of 2000 standards arrived; nothing was added.\n"
            "Upload standards 1 to 2000 again.");
  EXPECT_EQ(messages.messages[0].caption.toStdString(), "Upload Standard to PC");
  EXPECT_EQ(messages.messages[0].icon, ui::MessageIcon::Stop);
  EXPECT_EQ(job().standardCount(), 0);
  EXPECT_FALSE(job().modified());
  // The instrument is still there: the same range again arrives whole.
  EXPECT_TRUE(instrumentConnected());
  upload(CmdUploadStandards, {"", "1", "2000", "P"});
  ASSERT_EQ(messages.messages.size(), 2u);
  EXPECT_EQ(messages.messages[1].text, "Execute successfully!");
  EXPECT_EQ(job().standardCount(), 2000);
}

TEST_F(AppTransfer, DownloadNeedsASelectedStandardAndAnInstrument) {
  start({}, false);
  testing::MessageRecorder messages;
  downloadStandard();
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "Please select standard!");
  EXPECT_EQ(messages.messages[0].icon, ui::MessageIcon::Stop);

  addStandardNamed("FOURTEEN-CHARS");
  window().standardView()->selectRecords({0});
  downloadStandard();
  ASSERT_EQ(messages.messages.size(), 2u);
  EXPECT_TRUE(messages.messages[1].text.startsWith("Download standard to instrument failed!\n("))
      << messages.messages[1].text.toStdString();
  EXPECT_EQ(messages.messages[1].icon, ui::MessageIcon::Stop);
}

TEST_F(AppTransfer, DownloadWritesTheFirstSelectedStandardWithNineNameBytes) {
  start({"--standards", "1"});
  addStandardNamed("FOURTEEN-CHARS");
  addStandardNamed("OTHER");
  window().standardView()->selectRecords({1, 0});
  testing::MessageRecorder messages;
  downloadStandard();
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "Download standard to instrument successfully!");
  upload(CmdUploadStandards, {"", "2", "1", ""});
  ASSERT_EQ(job().standardCount(), 3);
  EXPECT_EQ(job().standard(2).nameUtf8(), "2_FOURTEEN-");
}

}  // namespace
}  // namespace corvana
