#include "instrument/averaging.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/job.h"
#include "core/job_manager.h"
#include "tests/core/job_fixtures.h"

namespace corvana {
namespace {

MeasureResult flat(float value) {
  MeasureResult r = {};
  r.L = 99;  // the averaged record never takes the instrument's own values
  std::fill(std::begin(r.reflectance), std::end(r.reflectance), value);
  return r;
}

TEST(RunningMean, TheExampleInSinglePrecision) {
  ReflectanceCurve mean = {};
  ReflectanceCurve v;
  v.fill(0.5f);
  addToRunningMean(mean, 0, v);
  EXPECT_EQ(mean[0], 0.5f);
  v.fill(0.6f);
  addToRunningMean(mean, 1, v);
  EXPECT_EQ(mean[0], (1.0f * 0.5f + 0.6f) / 2.0f);
  EXPECT_EQ(mean[0], 0.55f);
  v.fill(0.7f);
  addToRunningMean(mean, 2, v);
  const float expected = (2.0f * ((1.0f * 0.5f + 0.6f) / 2.0f) + 0.7f) / 3.0f;
  EXPECT_EQ(mean[30], expected);
  EXPECT_FLOAT_EQ(mean[30], 0.6f);
}

TEST(RunningMean, EachWavelengthOnItsOwn) {
  ReflectanceCurve mean = {}, v;
  for (int i = 0; i < kCurvePoints; ++i) v[std::size_t(i)] = float(i) / 100.0f;
  addToRunningMean(mean, 0, v);
  ReflectanceCurve w;
  w.fill(1.0f);
  addToRunningMean(mean, 1, w);
  for (int i = 0; i < kCurvePoints; ++i)
    EXPECT_EQ(mean[std::size_t(i)], (v[std::size_t(i)] + 1.0f) / 2.0f) << i;
}

class AverageRunTest : public ::testing::Test {
 protected:
  JobManager manager;
  Job job{manager};
};

TEST_F(AverageRunTest, AFixedRunOfThreeAddsOneRecordThenStartsAgain) {
  AverageRun run(RecordList::Samples, 0);
  EXPECT_FALSE(run.measureEnabled());  // "Manually" is chosen at first
  run.chooseTarget(3);
  EXPECT_TRUE(run.measureEnabled());
  EXPECT_FALSE(run.toggleEnabled());
  const float values[] = {0.5f, 0.6f, 0.7f};
  for (int press = 0; press < 3; ++press) {
    ASSERT_TRUE(run.beginMeasure());
    const bool complete = run.addMeasurement(flat(values[press]));
    EXPECT_EQ(complete, press == 2);
    EXPECT_EQ(run.count(), press + 1);
  }
  ASSERT_TRUE(finishAverage(job, run, "Avg%nn", "M1", RecordTime{6, 5, 2014, 7, 3, 9}));
  ASSERT_EQ(job.sampleCount(), 1);
  const MeasurementRecord& added = job.sample(0);
  EXPECT_EQ(added.nameUtf8(), "Avg01");
  EXPECT_EQ(added.materialUtf8(), "M1");
  EXPECT_TRUE(added.UseReflect);
  EXPECT_EQ(added.L, 0.0f);
  EXPECT_EQ(added.mode, 0);
  EXPECT_EQ(added.reflectance[10], run.record().reflectance[10]);
  EXPECT_FLOAT_EQ(added.reflectance[10], 0.6f);
  EXPECT_EQ(job.currentSample, 0);
  EXPECT_EQ(run.count(), 3);  // shown until the next run starts

  // The fourth press starts a new run.
  ASSERT_TRUE(run.beginMeasure());
  EXPECT_EQ(run.count(), 0);
  EXPECT_FALSE(run.addMeasurement(flat(0.2f)));
  EXPECT_EQ(run.count(), 1);
  EXPECT_EQ(run.record().reflectance[0], 0.2f);
}

TEST_F(AverageRunTest, AFailedMeasurementIsNotCounted) {
  AverageRun run(RecordList::Standards, 1);
  run.chooseTarget(2);
  ASSERT_TRUE(run.beginMeasure());
  run.addMeasurement(flat(0.4f));
  ASSERT_TRUE(run.beginMeasure());  // this press fails at the instrument: nothing is added
  EXPECT_EQ(run.count(), 1);
  ASSERT_TRUE(run.beginMeasure());
  EXPECT_TRUE(run.addMeasurement(flat(0.8f)));
  EXPECT_FLOAT_EQ(run.record().reflectance[0], 0.6f);
}

TEST_F(AverageRunTest, ManualRunsStartAndEndByTheToggle) {
  AverageRun run(RecordList::Standards, 1);
  EXPECT_EQ(run.target(), 0);
  EXPECT_TRUE(run.toggleEnabled());
  EXPECT_EQ(run.toggleText(), Text::AverageStart);
  // Before "Average Start", Measure does nothing.
  EXPECT_FALSE(run.beginMeasure());

  EXPECT_EQ(run.toggle(), AverageRun::ToggleResult::Started);
  EXPECT_EQ(run.toggleText(), Text::AverageEnd);
  EXPECT_TRUE(run.measureEnabled());
  // No target: every measurement counts, none completes the run.
  for (int i = 0; i < 60; ++i) {
    ASSERT_TRUE(run.beginMeasure());
    EXPECT_FALSE(run.addMeasurement(flat(0.3f)));
  }
  EXPECT_EQ(run.count(), 60);
  EXPECT_EQ(run.toggle(), AverageRun::ToggleResult::Finished);
  EXPECT_FALSE(run.measureEnabled());
  ASSERT_TRUE(finishAverage(job, run, "Std%n", "", RecordTime{}));
  EXPECT_EQ(job.standard(0).nameUtf8(), "Std1");
  EXPECT_EQ(job.standard(0).mode, 1);
  EXPECT_FLOAT_EQ(job.standard(0).reflectance[5], 0.3f);

  // Start and end without measuring: nothing is added.
  EXPECT_EQ(run.toggle(), AverageRun::ToggleResult::Started);
  EXPECT_EQ(run.count(), 0);
  EXPECT_EQ(run.toggle(), AverageRun::ToggleResult::Finished);
  EXPECT_FALSE(finishAverage(job, run, "Std%n", "", RecordTime{}));
  EXPECT_EQ(job.standardCount(), 1);
}

TEST_F(AverageRunTest, ADifferentChoiceResetsTheSameDoesNot) {
  AverageRun run(RecordList::Samples, 1);
  run.chooseTarget(5);
  run.beginMeasure();
  run.addMeasurement(flat(0.5f));
  run.chooseTarget(5);
  EXPECT_EQ(run.count(), 1);
  run.chooseTarget(4);
  EXPECT_EQ(run.count(), 0);
  EXPECT_EQ(run.record().reflectance[0], 0.0f);
  // A manual run under way ends with a change to a fixed count.
  run.chooseTarget(0);
  run.toggle();
  run.chooseTarget(2);
  EXPECT_FALSE(run.manualStarted());
  EXPECT_EQ(run.toggle(), AverageRun::ToggleResult::Ignored);
}

// A run of one measurement of the curve, drawn in the job's terms.
AverageDisplay displayOf(const Job& job, RecordList list, const MeasurementRecord& curve) {
  AverageRun run(list, 0);
  run.chooseTarget(1);
  run.beginMeasure();
  MeasureResult m = {};
  std::copy(curve.reflectance.begin(), curve.reflectance.end(), m.reflectance);
  run.addMeasurement(m);
  return averageDisplay(job, run);
}

TEST_F(AverageRunTest, DrawnValuesAgreeWithTheJobsOwnTable) {
  job.colorFormula = Cmc;
  job.addStandard(testing::curveSample("target"), true);
  const MeasurementRecord sample = testing::curveSample("lot", 12.0f);
  const AverageDisplay d = displayOf(job, RecordList::Samples, sample);
  ASSERT_TRUE(d.hasValues);
  ASSERT_TRUE(d.hasDifferences);
  EXPECT_EQ(d.valueCount, 5);
  // The same curve added as a sample: the table's values and differences under
  // the primary illuminant are what the dialog draws.
  job.addSample(sample, true);
  const IlluminantColorValues& entry = job.table.entries[0];
  for (int k = 0; k < d.valueCount; ++k)
    EXPECT_EQ(d.values[std::size_t(k)], entry.sampleValues[std::size_t(k)][0]) << k;
  ASSERT_GT(d.differenceCount, 0);
  for (int k = 0; k < d.differenceCount; ++k)
    EXPECT_EQ(d.differences[std::size_t(k)], entry.sampleDifferences[std::size_t(k)][0]) << k;
  EXPECT_EQ(d.displayColor, entry.sampleColors[0]);
  EXPECT_EQ(d.grade, NoGood);  // a 12 nm shift is far outside the default ±1
}

TEST_F(AverageRunTest, DrawnWithoutDifferencesWhenNothingToCompare) {
  const MeasurementRecord curve = testing::curveSample("c");
  // A sample with no current standard: values and patch only.
  AverageDisplay d = displayOf(job, RecordList::Samples, curve);
  EXPECT_TRUE(d.hasValues);
  EXPECT_FALSE(d.hasDifferences);
  // A standard run never shows differences.
  job.addStandard(curve, true);
  d = displayOf(job, RecordList::Standards, curve);
  EXPECT_FALSE(d.hasDifferences);
  // Nor a sample against a standard held only under another illuminant.
  job.addStandard(testing::labSample("lab", 50, 1, 2, A, Observer10), true);
  d = displayOf(job, RecordList::Samples, curve);
  EXPECT_TRUE(d.hasValues);
  EXPECT_FALSE(d.hasDifferences);
  // An empty run draws nothing.
  EXPECT_FALSE(averageDisplay(job, AverageRun(RecordList::Samples, 0)).hasValues);
}

}  // namespace
}  // namespace corvana
