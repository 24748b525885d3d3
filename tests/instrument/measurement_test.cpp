// Measuring through the real libColorport against the real colorport-sim.
#include "instrument/measurement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "core/date_time_text.h"
#include "core/job.h"
#include "core/job_manager.h"
#include "instrument/averaging.h"
#include "sim_connection.h"

namespace corvana {
namespace {

TEST(RecordFromMeasurement, ValuesBitForBitAndTheFixedFields) {
  MeasureResult m = {};
  m.L = -0.0f;
  m.a = 1e-40f;  // a denormal stays a denormal
  m.b = 12.3456789f;
  m.fourth = 7;
  for (int i = 0; i < 31; ++i) m.reflectance[i] = 0.0123f * float(i);
  const RecordTime t{6, 5, 2014, 7, 3, 9};
  const MeasurementRecord r = recordFromMeasurement(m, std::string(130, 'n'), "M", t, 1);
  EXPECT_TRUE(std::signbit(r.L));
  EXPECT_EQ(std::memcmp(&r.a, &m.a, sizeof m.a), 0);
  EXPECT_EQ(r.b, m.b);
  for (int i = 0; i < 31; ++i) EXPECT_EQ(r.reflectance[std::size_t(i)], m.reflectance[i]);
  EXPECT_EQ(r.nameUtf8().size(), 127u);
  EXPECT_EQ(r.materialUtf8(), "M");
  EXPECT_EQ(r.time, t);
  EXPECT_EQ(r.mode, 1);
  EXPECT_TRUE(r.UseReflect);
  EXPECT_EQ(r.SerialNumber, -1);
  EXPECT_EQ(r.illuminant, 0);
  EXPECT_EQ(r.instrument[0], 0);
}

class Measuring : public testing::SimConnection {
 protected:
  JobManager manager;
  Job job{manager};
};

TEST_F(Measuring, AStandardThenASampleBecomeTheCurrentRecords) {
  connect();
  const RecordTime before = currentLocalTime();
  MeasureReading reading = readMeasurement(RecordList::Standards);
  ASSERT_EQ(reading.result, API_SUCCESS);
  EXPECT_FALSE(addMeasurement(job, RecordList::Standards, reading, "Std1", "Wool", 0).shown());
  reading = readMeasurement(RecordList::Samples);
  ASSERT_EQ(reading.result, API_SUCCESS);
  EXPECT_FALSE(addMeasurement(job, RecordList::Samples, reading, "S1", "", 1).shown());
  ASSERT_EQ(job.standardCount(), 1);
  ASSERT_EQ(job.sampleCount(), 1);
  EXPECT_EQ(job.currentStandard, 0);
  EXPECT_EQ(job.currentSample, 0);
  const MeasurementRecord& s = job.sample(0);
  EXPECT_EQ(s.nameUtf8(), "S1");
  EXPECT_EQ(s.mode, 1);
  EXPECT_EQ(s.L, reading.values.L);
  EXPECT_EQ(s.reflectance[15], reading.values.reflectance[15]);
  EXPECT_GT(s.reflectance[15], 0.0f);
  EXPECT_TRUE(s.time.isValid());
  EXPECT_GE(dateTimeText(s.time), dateTimeText(before));
  EXPECT_EQ(job.standard(0).materialUtf8(), "Wool");
  EXPECT_TRUE(job.modified());
}

TEST_F(Measuring, NamedByTheJobsRulesWithAutoNamingOn) {
  connect();
  job.autoNamingSamples = true;
  job.SampleMaterial = "Lot 7";
  for (int i = 0; i < 2; ++i) {
    const MeasurementNaming naming = nameForNewMeasurement(job, RecordList::Samples);
    ASSERT_FALSE(naming.needsDialog);
    const MeasureReading reading = readMeasurement(RecordList::Samples);
    EXPECT_FALSE(addMeasurement(job, RecordList::Samples, reading, naming, 1).shown());
  }
  ASSERT_EQ(job.sampleCount(), 2);
  EXPECT_EQ(job.sample(1).nameUtf8(), "Sample002");
  EXPECT_EQ(job.sample(1).materialUtf8(), "Lot 7");
  EXPECT_EQ(job.currentSample, 1);
}

TEST_F(Measuring, UnconnectedSaysSoAndAsksNothing) {
  MeasureReading reading = readMeasurement(RecordList::Samples);
  EXPECT_FALSE(reading.connected);
  const Notice n = addMeasurement(job, RecordList::Samples, reading, "S1", "", 1);
  EXPECT_EQ(n.kind, Notice::Failure);
  EXPECT_EQ(n.text, "Instrument disconnected!");
  EXPECT_EQ(job.sampleCount(), 0);
}

TEST_F(Measuring, InstrumentFailuresAddNothing) {
  const struct {
    const char* fault;
    const char* message;
  } cases[] = {
      {"status 3", "Execute failed!\n(Execute request failed.)"},
      // Line noise and a frame in two pieces are read through.
      {"garbage 12", nullptr},
      {"split", nullptr},
      {"merge", nullptr},
      // An answer shorter than its fields is a refusal.
      {"truncate 10", "Execute failed!\n(Execute request failed.)"},
  };
  connect();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fault);
    ASSERT_TRUE(sim_->control(c.fault));
    const int before = job.standardCount();
    const Notice n = addMeasurement(job, RecordList::Standards,
                                    readMeasurement(RecordList::Standards), "A", "", 0);
    if (c.message) {
      EXPECT_EQ(n.text, c.message);
      EXPECT_EQ(job.standardCount(), before);
    } else {
      EXPECT_FALSE(n.shown()) << n.text;
      EXPECT_EQ(job.standardCount(), before + 1);
    }
  }
}

TEST_F(Measuring, AnUncalibratedInstrumentRefuses) {
  connect({"--uncalibrated"});
  const MeasureReading reading = readMeasurement(RecordList::Samples);
  EXPECT_EQ(measurementFailure(reading).text, "Execute failed!\n(Execute request failed.)");
}

TEST_F(Measuring, AverageOfThreeRealMeasurementsWithAFailureBetween) {
  connect();
  AverageRun run(RecordList::Standards, manager.currentMeasurementMode);
  run.chooseTarget(3);
  std::vector<MeasureResult> counted;
  for (int press = 0; press < 4; ++press) {
    if (press == 1) {
      ASSERT_TRUE(sim_->control("status 3"));
    }
    ASSERT_TRUE(run.beginMeasure());
    const MeasureReading reading = readMeasurement(RecordList::Standards);
    if (measurementFailure(reading).shown()) {
      EXPECT_EQ(run.count(), 1);
      continue;
    }
    counted.push_back(reading.values);
    if (run.addMeasurement(reading.values)) {
      ASSERT_TRUE(finishAverage(job, run, "Avg%n", "", currentLocalTime()));
    }
  }
  ASSERT_EQ(counted.size(), 3u);
  ASSERT_EQ(job.standardCount(), 1);
  for (int i = 0; i < 31; ++i) {
    float mean = 0;
    for (int k = 0; k < 3; ++k)
      mean = (float(k) * mean + counted[std::size_t(k)].reflectance[i]) / (float(k) + 1.0f);
    EXPECT_EQ(job.standard(0).reflectance[std::size_t(i)], mean) << i;
  }
}

}  // namespace
}  // namespace corvana
