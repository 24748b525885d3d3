#include "instrument/average_drawing_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/cell_text.h"
#include "core/job.h"
#include "core/job_manager.h"
#include "tests/core/job_fixtures.h"
#include "tests/instrument/language_scope.h"

namespace corvana {
namespace {

MeasureResult flat(float value) {
  MeasureResult r = {};
  std::fill(std::begin(r.reflectance), std::end(r.reflectance), value);
  return r;
}

MeasureResult curveOf(const MeasurementRecord& record) {
  MeasureResult r = {};
  std::copy(record.reflectance.begin(), record.reflectance.end(), r.reflectance);
  return r;
}

std::vector<std::string> labelsOf(const std::vector<AverageLine>& lines) {
  std::vector<std::string> out;
  for (const AverageLine& l : lines) out.push_back(l.label);
  return out;
}

class AverageDrawingTextTest : public ::testing::Test {
 protected:
  JobManager manager;
  Job job{manager};
};

TEST_F(AverageDrawingTextTest, TheReflectanceTableShowsTheRunningMeanAsPercent) {
  job.DataAccuracy = 2;
  AverageRun run(RecordList::Standards, 0);
  run.chooseTarget(3);
  EXPECT_FALSE(averageDrawingText(job, run).shown);  // nothing before the first measurement
  for (float v : {0.5f, 0.6f, 0.7f}) {
    run.beginMeasure();
    run.addMeasurement(flat(v));
  }
  const AverageDrawingText t = averageDrawingText(job, run);
  ASSERT_TRUE(t.shown);
  EXPECT_EQ(t.countLine, "The 3 Times");
  EXPECT_EQ(t.reflectanceCaption, "Reflectance");
  EXPECT_EQ(t.reflectance[0].label, "400");
  EXPECT_EQ(t.reflectance[10].label, "500");
  EXPECT_EQ(t.reflectance[30].label, "700");
  // "%6.*f" of the percentage at the job's decimals.
  EXPECT_EQ(t.reflectance[30].value, " 60.00");
  job.DataAccuracy = 4;
  EXPECT_EQ(averageDrawingText(job, run).reflectance[0].value, "60.0000");
}

TEST_F(AverageDrawingTextTest, ValueLinesFollowTheColourSpace) {
  const struct {
    ColorSpace space;
    std::vector<std::string> labels;
  } cases[] = {
      {CieLab, {"L*", "a*", "b*", "C*", "h\u00b0"}},
      {CieRgb, {"R", "G", "B"}},
      {HunterLab, {"L", "a", "b"}},
  };
  AverageRun run(RecordList::Standards, 0);
  run.chooseTarget(1);
  run.beginMeasure();
  run.addMeasurement(curveOf(testing::curveSample("c")));
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.space));
    job.colorSpace = c.space;
    const AverageDrawingText t = averageDrawingText(job, run);
    ASSERT_EQ(t.values.size(), c.labels.size());
    for (std::size_t k = 0; k < c.labels.size(); ++k) {
      EXPECT_EQ(t.values[k].label, c.labels[k]) << k;
      EXPECT_NE(t.values[k].value, "--") << k;
    }
    EXPECT_TRUE(t.differences.empty());  // a standard has nothing to compare with
  }
}

TEST_F(AverageDrawingTextTest, ASampleAgainstTheCurrentStandardShowsDifferencesAndGrade) {
  job.colorFormula = ColorFastness;
  AverageRun run(RecordList::Samples, 0);
  run.chooseTarget(1);
  run.beginMeasure();
  const MeasurementRecord sample = testing::curveSample("lot", 12.0f);
  run.addMeasurement(curveOf(sample));
  // No current standard: values and the patch, no difference lines.
  AverageDrawingText t = averageDrawingText(job, run);
  EXPECT_EQ(t.values.size(), 5u);
  EXPECT_TRUE(t.differences.empty());
  EXPECT_EQ(t.colorSimulation, "Color Simulation");

  job.addStandard(testing::curveSample("target"), true);
  t = averageDrawingText(job, run);
  const int D = differenceCount(job.colorSpace, job.colorFormula);
  ASSERT_EQ(int(t.differences.size()), D + 1);
  EXPECT_EQ(t.differences.back().label, "Judge Result");
  EXPECT_EQ(t.differences.back().value, "NG");
  // The texts are the sample list's own: the same curve added as a sample
  // reads the same in every difference cell (here also the grey-scale grade).
  job.addSample(sample, true);
  for (int k = 0; k < D; ++k)
    EXPECT_EQ(t.differences[std::size_t(k)].value, differenceCellText(job, 0, k)) << k;
  EXPECT_EQ(t.displayColor, job.table.entries[0].sampleColors[0]);
  for (const std::string& label : labelsOf(t.differences))
    EXPECT_NE(std::find(averageDrawingLabels(job).begin(), averageDrawingLabels(job).end(), label),
              averageDrawingLabels(job).end())
        << label;
}

TEST_F(AverageDrawingTextTest, TextsAreInTheCurrentLanguage) {
  testing::LanguageScope chinese(ChineseTraditional);
  job.addStandard(testing::curveSample("target"), true);
  AverageRun run(RecordList::Samples, 0);
  run.toggle();
  for (int i = 0; i < 2; ++i) {
    run.beginMeasure();
    run.addMeasurement(curveOf(testing::curveSample("lot", 1.0f)));
  }
  const AverageDrawingText t = averageDrawingText(job, run);
  EXPECT_EQ(t.countLine, "第 2 次");
  EXPECT_EQ(t.reflectanceCaption, "反射率");
  EXPECT_EQ(t.colorSimulation, "顏色模擬");
  ASSERT_FALSE(t.differences.empty());
  EXPECT_EQ(t.differences.back().label, "判定結果");
}

TEST_F(AverageDrawingTextTest, FieldsStartWithTheListsRulesUnexpandedAndItsMaterial) {
  job.StandardNameRule1 = "Lot%nn";
  job.StandardNameRule2 = "-%yyyy";
  job.StandardMaterial = "Wool";
  job.SampleNameRule1 = "S%n";
  job.SampleMaterial = "Silk";
  EXPECT_EQ(averageNameTemplate(job, RecordList::Standards), "Lot%nn-%yyyy");
  EXPECT_EQ(averageMaterial(job, RecordList::Standards), "Wool");
  EXPECT_EQ(averageNameTemplate(job, RecordList::Samples), "S%n");
  EXPECT_EQ(averageMaterial(job, RecordList::Samples), "Silk");
}

}  // namespace
}  // namespace corvana
