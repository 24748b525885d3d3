#include "core/color_value_table.h"

#include <gtest/gtest.h>

#include <cmath>

#include "colour/color_values.h"
#include "core/job.h"
#include "core/job_manager.h"
#include "job_fixtures.h"

namespace corvana {
namespace {

using testing::curveSample;
using testing::labSample;

TEST(ColorValueTable, NoStandardMeansValuesButNoDifferences) {
  JobManager manager;
  Job job(manager);
  job.addSample(curveSample("P1"), false);
  job.addSample(curveSample("P2", 3), false);
  ASSERT_EQ(job.table.entries.size(), 3u);
  for (const auto& entry : job.table.entries) {
    EXPECT_TRUE(entry.standardValues[0].empty());
    ASSERT_EQ(entry.sampleValues[0].size(), 2u);
    EXPECT_GT(entry.sampleValues[0][1], 0.0f);
    for (int k = 0; k < job.table.differenceArrayCount(); ++k)
      EXPECT_EQ(entry.sampleDifferences[std::size_t(k)][1], kNoDifference);
    // Arrays beyond C and D stay empty.
    EXPECT_TRUE(entry.sampleValues[5].empty());
    EXPECT_TRUE(entry.sampleDifferences[6].empty());
  }
  EXPECT_EQ(job.table.entries[0].illuminant, D65);
  EXPECT_EQ(job.table.entries[2].illuminant, F2);
}

TEST(ColorValueTable, ValuesMatchTheColourCoreForEverySlot) {
  JobManager manager;
  Job job(manager);
  job.addStandard(curveSample("S"), false);
  job.addSample(curveSample("P", 4), false);
  for (const auto& entry : job.table.entries) {
    const std::optional<RecordColor> c =
        computeColorValues(job.sample(0), job.colorSpace, {entry.illuminant, job.observer});
    ASSERT_TRUE(c.has_value());
    for (int k = 0; k < 5; ++k)
      EXPECT_EQ(entry.sampleValues[std::size_t(k)][0], c->values[std::size_t(k)]);
    EXPECT_EQ(entry.sampleColors[0], c->displayColor);
    EXPECT_NE(entry.sampleDifferences[5][0], kNoDifference);
  }
}

TEST(ColorValueTable, CurveLessRecordOnlyUnderItsOwnCondition) {
  JobManager manager;
  Job job(manager);
  job.addStandard(labSample("hand", 50, 20, 10, D65, 1), false);
  job.addSample(curveSample("P"), false);
  const auto& d65 = job.table.entries[0];
  const auto& a = job.table.entries[1];
  EXPECT_NEAR(d65.standardValues[0][0], 50.0f, 1e-3f);
  EXPECT_NE(d65.standardColors[0], 0u);
  EXPECT_EQ(a.standardValues[0][0], kNoColorValue);
  EXPECT_EQ(a.standardColors[0], 0u);
  EXPECT_NE(d65.sampleDifferences[0][0], kNoDifference);
  EXPECT_EQ(a.sampleDifferences[0][0], kNoDifference);
  // A 2° job observer: the stored 10° values are not usable anywhere.
  job.observer = Observer2;
  job.recomputeAll();
  EXPECT_EQ(job.table.entries[0].standardValues[0][0], kNoColorValue);
  EXPECT_EQ(job.table.entries[0].sampleDifferences[5][0], kNoDifference);
}

TEST(ColorValueTable, DeletingSamplesShiftsEveryArray) {
  JobManager manager;
  Job job(manager);
  job.addStandard(curveSample("S"), false);
  for (int i = 0; i < 7; ++i)
    job.addSample(curveSample("P" + std::to_string(i), float(i) * 3), false);
  const auto before = job.table.entries[1];
  job.deleteSamples({2, 5});
  const auto& after = job.table.entries[1];
  const int kept[] = {0, 1, 3, 4, 6};
  ASSERT_EQ(after.sampleColors.size(), 5u);
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(after.sampleValues[0][std::size_t(k)], before.sampleValues[0][std::size_t(kept[k])]);
    EXPECT_EQ(after.sampleDifferences[5][std::size_t(k)],
              before.sampleDifferences[5][std::size_t(kept[k])]);
    EXPECT_EQ(after.sampleColors[std::size_t(k)], before.sampleColors[std::size_t(kept[k])]);
  }
  job.table.removeSamples({9, -1});  // out of range: skipped
  EXPECT_EQ(job.table.entries[1].sampleColors.size(), 5u);
}

TEST(ColorValueTable, RebuildFollowsConditions) {
  JobManager manager;
  Job job(manager);
  job.addSample(curveSample("P"), false);
  job.colorSpace = CieRgb;
  job.illuminants[1] = F11;
  job.setColorFormula(MetamericIndex);
  job.recomputeAll();
  EXPECT_EQ(job.table.entries[1].illuminant, F11);
  EXPECT_EQ(job.table.valueArrayCount(), 3);
  EXPECT_EQ(job.table.differenceArrayCount(), 5);
  EXPECT_EQ(job.table.componentLabels, (std::vector<Text>{Text::RgbR, Text::RgbG, Text::RgbB}));
  EXPECT_EQ(job.table.differenceLabels.size(), 5u);
  EXPECT_TRUE(job.table.entries[0].sampleValues[3].empty());
  EXPECT_EQ(job.table.entries[0].sampleDifferences[4].size(), 1u);
}

}  // namespace
}  // namespace corvana
