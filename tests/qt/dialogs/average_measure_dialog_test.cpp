// The Average Measure dialog in a main window, against the real colorport-sim
// on a real pseudo-terminal.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
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
#include "core/job_manager.h"
#include "core/language_table.h"
#include "instrument/connection.h"
#include "instrument/measurement.h"
#include "qt/child_frame.h"
#include "qt/dialogs/average_drawing.h"
#include "qt/dialogs/average_measure_dialog.h"
#include "qt/instrument_worker.h"
#include "qt/main_frame.h"
#include "tests/core/job_fixtures.h"
#include "tests/instrument/sim_connection.h"
#include "tests/qt/ui_test_support.h"

namespace corvana {
namespace {

namespace fs = std::filesystem;

class AverageMeasure : public testing::SimConnection {
 protected:
  void SetUp() override {
    LanguageIndex = English;
    savedModel_ = jobManager().instrumentModel;
    savedMode_ = jobManager().currentMeasurementMode;
    dir_ = fs::temp_directory_path() / ("corvana-average-" + std::to_string(getpid()));
    fs::create_directories(dir_);
    setenv("CORVANA_SETTINGS", (dir_ / "Settings.xml").c_str(), 1);
    setenv("COLORPORT_PORT", (dir_ / "no-such-port").c_str(), 1);
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

  Job& job() { return child->job(); }
  InstrumentWorker& worker() { return frame->instrumentWorker(); }

  // What a fresh simulator measures first: the same readings the dialog
  // gets from the fresh one connect() starts next.
  std::vector<ReflectanceCurve> firstReadings(RecordList list, int n) {
    connect();
    std::vector<ReflectanceCurve> curves;
    for (int i = 0; i < n; ++i) {
      const MeasureReading r = readMeasurement(list);
      EXPECT_EQ(r.result, API_SUCCESS);
      ReflectanceCurve c;
      std::copy(std::begin(r.values.reflectance), std::end(r.values.reflectance), c.begin());
      curves.push_back(c);
    }
    handlePortRemoval({connectedPortPath(), {}});
    sim_.reset();
    return curves;
  }

  // Runs the command; `act` gets the dialog once it is up. Whatever is
  // still in flight lands before the dialog closes.
  bool average(int command, const std::function<void(AverageMeasureDialog&)>& act) {
    bool acted = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      auto* dialog = qobject_cast<AverageMeasureDialog*>(QApplication::activeModalWidget());
      if (!dialog || acted) return;
      acted = true;
      poll.stop();
      act(*dialog);
      if (dialog->isVisible()) dialog->reject();
    });
    poll.start(0);
    frame->runCommand(command);
    return acted;
  }

  // "Measure" as the user presses it, then its result applied.
  void press(AverageMeasureDialog& d) {
    d.measureButton()->click();
    worker().finish();
  }

  std::unique_ptr<CMainFrame> frame;
  CChildFrame* child = nullptr;
  testing::MessageRecorder messages;

 private:
  fs::path dir_;
  std::string savedModel_;
  std::uint32_t savedMode_ = 1;
};

TEST_F(AverageMeasure, AFixedRunOfThreeAddsOneRecordWithTheMeanThenStartsAgain) {
  const std::vector<ReflectanceCurve> curves = firstReadings(RecordList::Standards, 3);
  connect();
  jobManager().currentMeasurementMode = 0;
  job().StandardNameRule1 = "Avg%nn";
  job().StandardMaterial = "Wool";
  const bool acted = average(CmdAverageStandard, [&](AverageMeasureDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Standard Average Measure");
    EXPECT_EQ(d.nameField()->text(), "Avg%nn");
    EXPECT_EQ(d.materialField()->text(), "Wool");
    EXPECT_FALSE(d.measureButton()->isEnabled());  // "Manually" is chosen at first
    d.countList()->setCurrentIndex(3);
    EXPECT_EQ(d.countList()->currentText(), "3");
    EXPECT_TRUE(d.measureButton()->isEnabled());
    EXPECT_FALSE(d.toggleButton()->isEnabled());
    for (int i = 0; i < 3; ++i) {
      d.measureButton()->click();
      // In flight: the dialog waits, the instrument commands too.
      ASSERT_TRUE(worker().busy());
      EXPECT_FALSE(d.measureButton()->isEnabled());
      EXPECT_FALSE(d.closeButton()->isEnabled());
      EXPECT_FALSE(d.countList()->isEnabled());
      EXPECT_FALSE(frame->action(CmdAverageStandard)->isEnabled());
      worker().finish();
      EXPECT_EQ(d.run().count(), i + 1);
      EXPECT_EQ(job().standardCount(), i == 2 ? 1 : 0);
      EXPECT_TRUE(d.measureButton()->isEnabled());
    }
    EXPECT_EQ(d.drawing()->drawingText().countLine, "The 3 Times");
    // The fourth press starts a new run; the record stays as it was.
    press(d);
    EXPECT_EQ(d.run().count(), 1);
    EXPECT_EQ(job().standardCount(), 1);
  });
  ASSERT_TRUE(acted);
  EXPECT_TRUE(messages.messages.empty());
  ASSERT_EQ(job().standardCount(), 1);
  ReflectanceCurve mean{};
  for (int k = 0; k < 3; ++k) addToRunningMean(mean, k, curves[std::size_t(k)]);
  ASSERT_NE(mean, curves[0]);  // three different readings
  const MeasurementRecord& added = job().standard(0);
  EXPECT_EQ(added.reflectance, mean);
  EXPECT_EQ(added.nameUtf8(), "Avg01");
  EXPECT_EQ(added.materialUtf8(), "Wool");
  EXPECT_TRUE(added.UseReflect);
  EXPECT_EQ(added.L, 0.0f);
  EXPECT_EQ(added.mode, 0);
  EXPECT_TRUE(added.time.isValid());
  EXPECT_EQ(job().currentStandard, 0);
  EXPECT_TRUE(job().modified());
}

TEST_F(AverageMeasure, AManualRunStartsMeasuresAndEndsByTheToggle) {
  const std::vector<ReflectanceCurve> curves = firstReadings(RecordList::Samples, 3);
  connect();
  const bool acted = average(CmdAverageSample, [&](AverageMeasureDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Sample Average Measure");
    EXPECT_EQ(d.countList()->currentText(), "Manually");
    EXPECT_EQ(d.toggleButton()->text(), "Average Start");
    EXPECT_TRUE(d.toggleButton()->isEnabled());
    // Before "Average Start" a press asks nothing.
    d.measure();
    EXPECT_FALSE(worker().busy());
    d.toggleButton()->click();
    EXPECT_EQ(d.toggleButton()->text(), "Average End");
    ASSERT_TRUE(d.measureButton()->isEnabled());
    for (int i = 0; i < 3; ++i) press(d);
    EXPECT_EQ(d.run().count(), 3);
    EXPECT_EQ(job().sampleCount(), 0);
    d.toggleButton()->click();
    EXPECT_EQ(job().sampleCount(), 1);
    EXPECT_EQ(d.toggleButton()->text(), "Average Start");
    EXPECT_FALSE(d.measureButton()->isEnabled());
  });
  ASSERT_TRUE(acted);
  EXPECT_TRUE(messages.messages.empty());
  ASSERT_EQ(job().sampleCount(), 1);
  ReflectanceCurve mean{};
  for (int k = 0; k < 3; ++k) addToRunningMean(mean, k, curves[std::size_t(k)]);
  EXPECT_EQ(job().sample(0).reflectance, mean);
  EXPECT_EQ(job().sample(0).nameUtf8(), "Sample001");
  EXPECT_EQ(job().currentSample, 0);
}

TEST_F(AverageMeasure, RunsThatAreNotFinishedAddNothing) {
  const struct {
    const char* name;
    int count;  // list entry: 0 "Manually"
    int presses;
    bool endByToggle;
  } cases[] = {
      {"manual, started and ended without measuring", 0, 0, true},
      {"manual, closed while under way", 0, 2, false},
      {"fixed 3, closed after two", 3, 2, false},
  };
  connect();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const bool acted = average(CmdAverageSample, [&](AverageMeasureDialog& d) {
      d.countList()->setCurrentIndex(c.count);
      if (c.count == 0) d.toggleButton()->click();
      for (int i = 0; i < c.presses; ++i) press(d);
      EXPECT_EQ(d.run().count(), c.presses);
      if (c.endByToggle) d.toggleButton()->click();
      EXPECT_EQ(job().sampleCount(), 0);
      d.closeButton()->click();
      EXPECT_FALSE(d.isVisible());
    });
    ASSERT_TRUE(acted);
    EXPECT_EQ(job().sampleCount(), 0);
    EXPECT_FALSE(job().modified());
  }
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(AverageMeasure, UnconnectedSaysSoAndCountsNothing) {
  ASSERT_FALSE(instrumentConnected());
  const bool acted = average(CmdAverageStandard, [&](AverageMeasureDialog& d) {
    d.countList()->setCurrentIndex(1);
    d.measureButton()->click();
    EXPECT_FALSE(worker().busy());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Instrument disconnected!");
    EXPECT_EQ(messages.messages[0].icon, ui::MessageIcon::Stop);
    EXPECT_EQ(d.run().count(), 0);
    EXPECT_FALSE(d.drawing()->drawingText().shown);
  });
  ASSERT_TRUE(acted);
  EXPECT_EQ(job().standardCount(), 0);
}

TEST_F(AverageMeasure, AFailedMeasurementLeavesTheRunAsItWas) {
  connect();
  const bool acted = average(CmdAverageStandard, [&](AverageMeasureDialog& d) {
    d.countList()->setCurrentIndex(2);
    press(d);
    const AverageDrawingText before = d.drawing()->drawingText();
    ASSERT_TRUE(sim_->control("status 3"));
    press(d);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Execute failed!\n(Execute request failed.)");
    EXPECT_EQ(messages.messages[0].icon, ui::MessageIcon::Stop);
    EXPECT_EQ(d.run().count(), 1);
    const AverageDrawingText after = d.drawing()->drawingText();
    EXPECT_EQ(after.countLine, "The 1 Times");
    for (int i = 0; i < kCurvePoints; ++i)
      EXPECT_EQ(after.reflectance[std::size_t(i)].value, before.reflectance[std::size_t(i)].value);
    EXPECT_EQ(job().standardCount(), 0);
    EXPECT_EQ(d.focusWidget(), d.measureButton());
    // The run goes on with the next press.
    press(d);
    EXPECT_EQ(job().standardCount(), 1);
  });
  ASSERT_TRUE(acted);
  EXPECT_EQ(messages.messages.size(), 1u);
}

TEST_F(AverageMeasure, TabOrderEnterMeasuresEscapeClosesAfterTheMeasurement) {
  connect();
  const struct {
    const char* name;
    int count;
    std::vector<const char*> order;  // Tab from the count list
  } cases[] = {
      {"manually", 0, {"count", "toggle", "name", "material", "close", "count"}},
      {"fixed", 3, {"count", "name", "material", "measure", "close", "count"}},
  };
  const bool acted = average(CmdAverageStandard, [&](AverageMeasureDialog& d) {
    EXPECT_EQ(d.focusWidget(), d.countList());
    for (const auto& c : cases) {
      SCOPED_TRACE(c.name);
      d.countList()->setCurrentIndex(c.count);
      d.countList()->setFocus();
      for (const char* name : c.order) {
        EXPECT_EQ(d.focusWidget()->objectName(), name);
        QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
      }
    }
    // Enter in a field is Measure.
    d.countList()->setCurrentIndex(1);
    QTest::keyClick(d.nameField(), Qt::Key_Return);
    EXPECT_TRUE(worker().busy());
    worker().finish();
    EXPECT_EQ(job().standardCount(), 1);
    // Esc with a measurement in flight: it lands, then the dialog closes.
    QTest::keyClick(d.nameField(), Qt::Key_Return);
    ASSERT_TRUE(worker().busy());
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_FALSE(worker().busy());
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(job().standardCount(), 2);
  });
  ASSERT_TRUE(acted);
  EXPECT_TRUE(messages.messages.empty());
}

class AverageDrawingFits : public AverageMeasure,
                           public ::testing::WithParamInterface<std::uint8_t> {};

TEST_P(AverageDrawingFits, EveryTextHasItsOwnRoomAtAnyDialogSize) {
  const char* const titles[] = {"Sample Average Measure", "试样 平均测量", "試樣 平均測量"};
  LanguageIndex = GetParam();
  connect();
  // The formula with the longest labels, against a current standard.
  job().setColorFormula(ColorStrength);
  job().addStandard(testing::curveSample("target"), true);
  const bool acted = average(CmdAverageSample, [&](AverageMeasureDialog& d) {
    EXPECT_EQ(d.windowTitle(), QString::fromUtf8(titles[GetParam()]));
    d.countList()->setCurrentIndex(2);
    press(d);
    ASSERT_TRUE(messages.messages.empty());
    for (const QSize size : {QSize(10, 10), QSize(1400, 900)}) {
      SCOPED_TRACE(size.width());
      d.resize(size);
      QApplication::processEvents();
      const AverageDrawing& drawing = *d.drawing();
      const std::vector<AverageDrawing::Item> items = drawing.items();
      ASSERT_GT(items.size(), 31u * 2);
      const QFontMetrics fm = drawing.fontMetrics();
      const QRect patch = drawing.patchRect();
      EXPECT_TRUE(drawing.rect().contains(patch));
      for (std::size_t i = 0; i < items.size(); ++i) {
        const AverageDrawing::Item& item = items[i];
        SCOPED_TRACE(item.text.toStdString());
        EXPECT_TRUE(drawing.rect().contains(item.rect));
        EXPECT_LE(fm.horizontalAdvance(item.text), item.rect.width());
        EXPECT_LE(fm.height(), item.rect.height());
        EXPECT_FALSE(item.rect.intersects(patch));
        for (std::size_t j = i + 1; j < items.size(); ++j)
          EXPECT_FALSE(item.rect.intersects(items[j].rect)) << items[j].text.toStdString();
      }
    }
  });
  ASSERT_TRUE(acted);
}

std::string languageName(const ::testing::TestParamInfo<std::uint8_t>& info) {
  static const char* const names[] = {"English", "Simplified", "Traditional"};
  return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(Languages, AverageDrawingFits,
                         ::testing::Values(English, ChineseSimplified, ChineseTraditional),
                         languageName);

}  // namespace
}  // namespace corvana
