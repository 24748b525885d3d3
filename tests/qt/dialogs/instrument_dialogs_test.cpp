// The instrument status and calibration dialogs in a main window, against the
// real colorport-sim on a real pseudo-terminal.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "core/command_table.h"
#include "core/job_manager.h"
#include "core/language_table.h"
#include "instrument/connection.h"
#include "qt/child_frame.h"
#include "qt/dialogs/calibrate_dialog.h"
#include "qt/dialogs/instrument_status_dialog.h"
#include "qt/main_frame.h"
#include "tests/instrument/sim_connection.h"
#include "tests/qt/ui_test_support.h"

namespace corvana {
namespace {

namespace fs = std::filesystem;
using Row = InstrumentStatusDialog::Row;

class InstrumentDialogs : public testing::SimConnection {
 protected:
  void SetUp() override {
    LanguageIndex = English;
    savedModel_ = jobManager().instrumentModel;
    savedMode_ = jobManager().currentMeasurementMode;
    dir_ = fs::temp_directory_path() / ("corvana-instrument-dialogs-" + std::to_string(getpid()));
    fs::create_directories(dir_);
    setenv("CORVANA_SETTINGS", (dir_ / "Settings.xml").c_str(), 1);
    unplug();
    frame = std::make_unique<CMainFrame>();
    child = frame->newJob();
  }
  void TearDown() override {
    frame.reset();
    SimConnection::TearDown();
    unsetenv("CORVANA_SETTINGS");
    fs::remove_all(dir_);
    jobManager().instrumentModel = savedModel_;
    jobManager().currentMeasurementMode = savedMode_;
    LanguageIndex = English;
  }

  // Where the driver looks there is no instrument.
  void unplug() { setenv("COLORPORT_PORT", (dir_ / "no-such-port").c_str(), 1); }

  // Instrument > Instrument Status with `job` (the first window unless given)
  // active; a shown status dialog is the active window, so it is chosen anew.
  InstrumentStatusDialog* openStatus(CChildFrame* job = nullptr) {
    if (!job) job = child;
    frame->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(job->parentWidget()));
    if (frame->activeChild() != job) return nullptr;
    frame->runCommand(CmdInstrumentStatus);
    return job->instrumentStatusDialog();
  }

  QString statusBarInstrument() const {
    return frame->statusBar()->findChild<QLabel*>("statusInstrument")->text();
  }

  // Runs the calibration command; `act` gets the dialog once it is modal.
  int calibrate(int command, std::function<void(CalibrateDialog&)> act) {
    bool acted = false;
    auto* poll = new QTimer;
    // The dialog reads the instrument before it shows, so wait for it.
    QObject::connect(poll, &QTimer::timeout, [&, poll] {
      auto* dialog = qobject_cast<CalibrateDialog*>(QApplication::activeModalWidget());
      if (!dialog || acted) return;
      acted = true;
      poll->stop();
      act(*dialog);
      if (dialog->isVisible()) dialog->closeButton()->click();
    });
    poll->start(0);
    frame->runCommand(command);
    delete poll;
    return acted ? 1 : 0;
  }

  void expectEmptyValues(const InstrumentStatusDialog& d) {
    for (int row = 0; row < InstrumentStatusDialog::RowCount; ++row)
      EXPECT_EQ(d.value(Row(row)), "") << row;
  }

  std::unique_ptr<CMainFrame> frame;
  CChildFrame* child = nullptr;
  testing::MessageRecorder messages;

 private:
  fs::path dir_;
  std::string savedModel_;
  std::uint32_t savedMode_ = 1;
};

TEST_F(InstrumentDialogs, StatusShowsTheInstrumentWhileConnectedAndNothingOtherwise) {
  InstrumentStatusDialog* d = openStatus();
  ASSERT_NE(d, nullptr);
  EXPECT_TRUE(d->isVisible());
  EXPECT_EQ(d->windowTitle(), QString::fromStdString(LookupText(Text::ProductTitle)));
  EXPECT_EQ(d->connectionText(), "Connect Status:   Unconnected");
  expectEmptyValues(*d);

  connect({"--standards", "4", "--uncalibrated"});
  frame->instrumentStateChanged(true);
  EXPECT_EQ(d->connectionText(), "Connect Status:   Connected");
  EXPECT_EQ(d->value(Row::Model), "CM-750 Spectrophotometer");
  EXPECT_EQ(d->value(Row::TerminalVersion), "V2.1.0-sim");
  EXPECT_EQ(d->value(Row::BlackCalibration), "Uncalibrated");
  EXPECT_EQ(d->value(Row::Total), "2000");
  EXPECT_EQ(d->value(Row::StoredStandards), "4");
  EXPECT_EQ(d->value(Row::StoredSamples), "7");
  EXPECT_EQ(d->value(Row::WhiteBoardNumber), "ZW0042");
  EXPECT_EQ(child->job().DeviceName, "CM-750 Spectrophotometer");
  const QString connectedLine = statusBarInstrument();
  EXPECT_NE(connectedLine, QString::fromStdString(LookupText(Text::NoInstrument)));

  handlePortRemoval({connectedPortPath(), {}});
  frame->instrumentStateChanged(false);
  EXPECT_EQ(d->connectionText(), "Connect Status:   Unconnected");
  expectEmptyValues(*d);
  EXPECT_EQ(statusBarInstrument(), QString::fromStdString(LookupText(Text::NoInstrument)));
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(InstrumentDialogs, ConnectWhileConnectedAsksFirst) {
  struct Case {
    const char* name;
    QMessageBox::StandardButton answer;
    bool unplugged;  // the instrument is gone when the re-connect opens again
    bool connectedAfter;
  };
  const Case cases[] = {{"cancel", QMessageBox::Cancel, false, true},
                        {"ok", QMessageBox::Ok, false, true},
                        {"ok, unplugged", QMessageBox::Ok, true, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    connect();
    InstrumentStatusDialog* d = openStatus();
    const DeviceHandle before = currentDeviceHandle();
    if (c.unplugged) unplug();
    messages.messages.clear();
    messages.answer = c.answer;
    d->connectButton()->click();
    ASSERT_GE(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              QString::fromStdString(LookupText(Text::ReconnectQuestion)));
    EXPECT_EQ(messages.messages[0].icon, ui::MessageIcon::Question);
    EXPECT_EQ(instrumentConnected(), c.connectedAfter);
    if (c.answer == QMessageBox::Cancel) {
      EXPECT_EQ(currentDeviceHandle(), before);
    }
    if (c.unplugged) {
      ASSERT_EQ(messages.messages.size(), 2u);
      EXPECT_TRUE(
          messages.messages[1].text.startsWith("Connect instrument failed!(Device not found.)"))
          << messages.messages[1].text.toStdString();
      EXPECT_EQ(d->connectionText(), "Connect Status:   Unconnected");
      expectEmptyValues(*d);
      EXPECT_EQ(statusBarInstrument(), QString::fromStdString(LookupText(Text::NoInstrument)));
    } else {
      EXPECT_EQ(messages.messages.size(), 1u);
      EXPECT_EQ(d->connectionText(), "Connect Status:   Connected");
      EXPECT_EQ(d->value(Row::Model), "CM-750 Spectrophotometer");
    }
    if (instrumentConnected()) handlePortRemoval({connectedPortPath(), {}});
    sim_.reset();
  }
}

TEST_F(InstrumentDialogs, ConnectWithoutAnInstrumentSaysWhy) {
  InstrumentStatusDialog* d = openStatus();
  d->connectButton()->click();
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_TRUE(messages.messages[0].text.startsWith("Connect instrument failed!(Device not found.)"))
      << messages.messages[0].text.toStdString();
  EXPECT_EQ(messages.messages[0].icon, ui::MessageIcon::Stop);
  EXPECT_FALSE(instrumentConnected());
  expectEmptyValues(*d);
}

TEST_F(InstrumentDialogs, ConnectOffersTheSimulatorWhenNothingIsFound) {
  struct Case {
    const char* name;
    QMessageBox::StandardButton answer;
    bool simulatorStarts;
    bool connectedAfter;
    size_t messageCount;  // the offer, then the start failure
  };
  const Case cases[] = {{"yes", QMessageBox::Yes, true, true, 1},
                        {"no", QMessageBox::No, true, false, 1},
                        {"yes, simulator fails", QMessageBox::Yes, false, false, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    int started = 0;
    frame->startSimulator = [&] {
      ++started;
      if (!c.simulatorStarts) return false;
      sim_ = std::make_unique<colorport::test::SimProcess>();
      setenv("COLORPORT_PORT", sim_->path().c_str(), 1);
      return true;
    };
    InstrumentStatusDialog* d = openStatus();
    messages.messages.clear();
    messages.answer = c.answer;
    d->connectButton()->click();
    ASSERT_EQ(messages.messages.size(), c.messageCount);
    EXPECT_EQ(messages.messages[0].text,
              "Connect instrument failed!(Device not found.)\n\n" +
                  QString::fromStdString(LookupText(Text::OfferSimulator)));
    EXPECT_EQ(messages.messages[0].icon, ui::MessageIcon::Question);
    EXPECT_EQ(started, c.answer == QMessageBox::Yes ? 1 : 0);
    if (c.messageCount == 2) {
      EXPECT_EQ(messages.messages[1].text,
                QString::fromStdString(LookupText(Text::SimulatorStartFailed)));
    }
    EXPECT_EQ(instrumentConnected(), c.connectedAfter);
    EXPECT_EQ(d->value(Row::Model), c.connectedAfter ? "CM-750 Spectrophotometer" : "");
    if (instrumentConnected()) handlePortRemoval({connectedPortPath(), {}});
    sim_.reset();
    unplug();
  }
}

TEST_F(InstrumentDialogs, ConnectFindsTheInstrumentAndEveryWindowHears) {
  InstrumentStatusDialog* first = openStatus();
  InstrumentStatusDialog* other = openStatus(frame->newJob());
  ASSERT_NE(first, nullptr);
  ASSERT_NE(other, nullptr);
  EXPECT_NE(first, other);

  sim_ = std::make_unique<colorport::test::SimProcess>();
  setenv("COLORPORT_PORT", sim_->path().c_str(), 1);
  other->connectButton()->click();
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_TRUE(instrumentConnected());
  EXPECT_EQ(first->value(Row::Model), "CM-750 Spectrophotometer");
  EXPECT_EQ(other->value(Row::Model), "CM-750 Spectrophotometer");
}

TEST_F(InstrumentDialogs, OneDialogPerJobWindowThatCloseHides) {
  InstrumentStatusDialog* d = openStatus();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(openStatus(), d);
  d->closeButton()->click();
  EXPECT_FALSE(d->isVisible());
  EXPECT_EQ(openStatus(), d);
  EXPECT_TRUE(d->isVisible());

  CChildFrame* second = frame->newJob();
  QPointer<InstrumentStatusDialog> other = openStatus(second);
  ASSERT_FALSE(other.isNull());
  EXPECT_NE(other.data(), d);
  // The dialog goes with its window.
  second->parentWidget()->close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(other.isNull());
  EXPECT_EQ(child->instrumentStatusDialog(), d);
}

TEST_F(InstrumentDialogs, LanguageChangeRelabelsTheStatusDialog) {
  InstrumentStatusDialog* d = openStatus();
  frame->runCommand(CmdChineseTraditional);
  EXPECT_EQ(d->connectButton()->text(),
            QString::fromStdString(LookupText(Text::Connect, ChineseTraditional)));
  EXPECT_EQ(d->closeButton()->text(),
            QString::fromStdString(LookupText(Text::Close, ChineseTraditional)));
  EXPECT_EQ(d->connectionText(),
            QString::fromStdString(LookupText(Text::ConnectStatus, ChineseTraditional) + ":   " +
                                   LookupText(Text::Unconnected, ChineseTraditional)));
  bool modelLabel = false;
  for (const QLabel* l : d->findChildren<QLabel*>())
    modelLabel |=
        l->text() == QString::fromStdString(LookupText(Text::InstrumentModel, ChineseTraditional));
  EXPECT_TRUE(modelLabel);
}

TEST_F(InstrumentDialogs, CalibratingShowsInTheStatusDialog) {
  connect({"--uncalibrated"});
  InstrumentStatusDialog* d = openStatus();
  EXPECT_EQ(d->value(Row::BlackCalibration), "Uncalibrated");
  QString prompt;
  EXPECT_EQ(calibrate(CmdBlackCalibration,
                      [&](CalibrateDialog& c) {
                        prompt = c.promptText();
                        EXPECT_EQ(c.okButton()->text(), "OK");
                        EXPECT_EQ(c.closeButton()->text(), "Close");
                        c.okButton()->click();
                        EXPECT_FALSE(c.isVisible());
                      }),
            1);
  EXPECT_EQ(prompt, "Put black board then click 'OK' to calibrate.\n(White Board Number: ZW0042)");
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "Calibrate OK!");
  EXPECT_EQ(messages.messages[0].icon, ui::MessageIcon::Information);
  EXPECT_EQ(d->value(Row::BlackCalibration), "Calibrated");
  EXPECT_EQ(d->value(Row::WhiteCalibration), "Uncalibrated");
}

TEST_F(InstrumentDialogs, CalibrationFailuresKeepTheDialogOpen) {
  // Unconnected: the driver is asked all the same and refuses the handle.
  EXPECT_EQ(calibrate(CmdWhiteCalibration,
                      [&](CalibrateDialog& c) {
                        EXPECT_EQ(c.promptText(),
                                  "Put white board then click 'OK' to calibrate.\n"
                                  "(White Board Number: )");
                        c.okButton()->click();
                        EXPECT_TRUE(c.isVisible());
                      }),
            1);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "Calibrate failed!\n(Invalid device handle.)");
  EXPECT_EQ(messages.messages[0].icon, ui::MessageIcon::Stop);

  // The instrument refuses once; OK again asks again and succeeds.
  connect();
  messages.messages.clear();
  EXPECT_EQ(calibrate(CmdWhiteCalibration,
                      [&](CalibrateDialog& c) {
                        ASSERT_TRUE(sim_->control("status 3"));
                        c.okButton()->click();
                        EXPECT_TRUE(c.isVisible());
                        c.okButton()->click();
                        EXPECT_FALSE(c.isVisible());
                      }),
            1);
  ASSERT_EQ(messages.messages.size(), 2u);
  EXPECT_EQ(messages.messages[0].text, "Calibrate failed!\n(Execute request failed.)");
  EXPECT_EQ(messages.messages[1].text, "Calibrate OK!");
}

}  // namespace
}  // namespace corvana
