#include "core/job.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/job_manager.h"
#include "core/language_table.h"
#include "job_fixtures.h"

namespace corvana {
namespace {

using testing::curveSample;
using testing::labSample;

std::vector<int> serials(const Job& job, RecordList list) {
  std::vector<int> out;
  for (const auto& r : job.records(list)) out.push_back(r.SerialNumber);
  return out;
}

TEST(Job, DefaultsOfANewJob) {
  JobManager manager;
  manager.EnglishName = "Dyeworks Ltd";
  Job job(manager);
  EXPECT_EQ(job.colorSpace, 0);
  EXPECT_EQ(job.colorFormula, 0);
  EXPECT_EQ(job.illuminants[0], D65);
  EXPECT_EQ(job.illuminants[1], A);
  EXPECT_EQ(job.illuminants[2], F2);
  EXPECT_EQ(job.observer, 1);
  EXPECT_EQ(job.currentStandard, -1);
  EXPECT_EQ(job.currentSample, -1);
  EXPECT_EQ(job.StandardNameRule1, "Standard%nnn");
  EXPECT_EQ(job.SampleNameRule1, "Sample%nnn");
  EXPECT_EQ(job.DataAccuracy, 3);
  EXPECT_EQ(job.toleranceQuotiety, 0.75f);
  EXPECT_EQ(job.IlluminantCount, 1u);
  EXPECT_EQ(job.EnglishName, "Dyeworks Ltd");
  EXPECT_EQ(job.metameric.conditions[0].illuminant, D65);
  EXPECT_EQ(job.metameric.conditions[1].illuminant, A);
  EXPECT_EQ(job.metameric.conditions[1].observer, 1);
  EXPECT_FALSE(job.modified());
  EXPECT_TRUE(job.table.entries.empty());
  // The first formula set labels table B.
  for (int slot = 0; slot < 3; ++slot) {
    EXPECT_TRUE(job.toleranceB[toleranceIndex(slot, 0)].lowerEnabled);
    EXPECT_TRUE(job.toleranceB[toleranceIndex(slot, 3)].upperEnabled);
    EXPECT_EQ(job.toleranceB[toleranceIndex(slot, 3)].upper, 1.0f);
  }
}

TEST(Job, FirstRecordBecomesCurrentLaterOnesOnlyWhenAsked) {
  JobManager manager;
  Job job(manager);
  job.addStandard(curveSample("S1"), false);
  EXPECT_EQ(job.currentStandard, 0);
  EXPECT_TRUE(job.modified());
  job.addStandard(curveSample("S2"), false);
  EXPECT_EQ(job.currentStandard, 0);
  job.addStandard(curveSample("S3"), true);
  EXPECT_EQ(job.currentStandard, 2);
  job.addSample(curveSample("P1"), false);
  EXPECT_EQ(job.currentSample, 0);
  EXPECT_EQ(job.table.entries.size(), 3u);
}

TEST(Job, SerialNumbersAreNeverReused) {
  JobManager manager;
  Job job(manager);
  for (int i = 0; i < 3; ++i) job.addSample(curveSample("P"), false);
  job.deleteSamples({1});
  job.addSample(curveSample("P"), false);
  EXPECT_EQ(serials(job, RecordList::Samples), (std::vector<int>{1, 3, 4}));
  job.deleteSamples({0, 1, 2});
  job.addSample(curveSample("P"), false);
  EXPECT_EQ(serials(job, RecordList::Samples), (std::vector<int>{1}));
}

TEST(Job, DeletingStandardsKeepsTheCurrentOneRight) {
  struct Case {
    int current;
    std::vector<int> remove;
    int expectedCurrent;
    std::vector<std::string> remaining;
  } cases[] = {
      {1, {0, 2}, 0, {"S1", "S3", "S4"}},
      {2, {0, 2}, 0, {"S1", "S3", "S4"}},            // current removed: the first remaining
      {4, {2, 0}, 2, {"S1", "S3", "S4"}},            // order of the list does not matter
      {3, {7, -1, 3}, 0, {"S0", "S1", "S2", "S4"}},  // out-of-range indices ignored
      {0, {0, 1, 2, 3, 4}, -1, {}},
      {1, {}, 1, {"S0", "S1", "S2", "S3", "S4"}},
  };
  for (const auto& c : cases) {
    JobManager manager;
    Job job(manager);
    for (int i = 0; i < 5; ++i)
      job.addStandard(curveSample("S" + std::to_string(i), float(i)), false);
    job.selectStandard(c.current);
    job.setModified(false);
    job.deleteStandards(c.remove);
    EXPECT_EQ(job.currentStandard, c.expectedCurrent) << "current " << c.current;
    std::vector<std::string> names;
    for (const auto& r : job.records(RecordList::Standards)) names.push_back(r.nameUtf8());
    EXPECT_EQ(names, c.remaining);
    EXPECT_EQ(job.modified(), !c.remove.empty());
    for (const auto& entry : job.table.entries)
      EXPECT_EQ(entry.standardValues[0].size(), c.remaining.size());
  }
}

TEST(Job, DeletingTheCurrentStandardAtZeroStillReselectsAndRecomputes) {
  JobManager manager;
  Job job(manager);
  testing::RecordingObserver window;
  job.window = &window;
  job.addStandard(curveSample("S0", 0), false);
  job.addStandard(curveSample("S1", 20), false);
  job.addSample(curveSample("P", 5), false);
  const float before = job.table.entries[0].sampleDifferences[5][0];
  window.log.clear();
  job.deleteStandards({0});
  EXPECT_EQ(job.currentStandard, 0);
  const float after = job.table.entries[0].sampleDifferences[5][0];
  EXPECT_NE(before, after);  // now against the former S1
  EXPECT_NE(std::find(window.log.begin(), window.log.end(), "current standard from 0"),
            window.log.end());
}

TEST(Job, SelectionRecomputesDifferencesButNotValues) {
  JobManager manager;
  Job job(manager);
  job.addStandard(curveSample("S0", 0), false);
  job.addStandard(curveSample("S1", 10), false);
  job.addSample(curveSample("P", 5), false);
  job.setModified(false);
  const auto& entry = job.table.entries[0];
  const float value = entry.sampleValues[0][0];
  const float dL = entry.sampleDifferences[0][0];
  job.selectStandard(1);
  EXPECT_EQ(job.table.entries[0].sampleValues[0][0], value);
  EXPECT_NE(job.table.entries[0].sampleDifferences[0][0], dL);
  EXPECT_FALSE(job.modified());  // the operation itself does not mark
  job.selectStandard(0, true);
  EXPECT_TRUE(job.modified());  // a user's choice does
}

TEST(Job, RenameAndMaterial) {
  JobManager manager;
  Job job(manager);
  job.addSample(curveSample("P"), false);
  job.renameSample(0, std::string(200, 'n'));
  EXPECT_EQ(job.sample(0).nameUtf8(), std::string(127, 'n'));
  job.setSampleMaterial(0, "料号 A-1");
  EXPECT_EQ(job.sample(0).materialUtf8(), "料号 A-1");
  job.setModified(false);
  job.renameSample(3, "x");
  EXPECT_FALSE(job.modified());
  job.renameSample(0, "");
  EXPECT_EQ(job.sample(0).nameUtf8(), "");
  EXPECT_TRUE(job.modified());
}

TEST(Job, IlluminantCountAndTitles) {
  JobManager manager;
  Job job(manager);
  EXPECT_FALSE(job.setIlluminantCount(0));
  EXPECT_FALSE(job.setIlluminantCount(4));
  EXPECT_EQ(job.IlluminantCount, 1u);
  EXPECT_TRUE(job.setIlluminantCount(3));
  EXPECT_EQ(job.IlluminantCount, 3u);
  EXPECT_EQ(newJobTitle(1), "Job1");
  LanguageIndex = ChineseSimplified;
  EXPECT_EQ(newJobTitle(2), "工作2");
  LanguageIndex = English;
}

TEST(Job, MinimumReflectanceIndexFollowsTheFormulaAndStandard) {
  JobManager manager;
  Job job(manager);
  MeasurementRecord standard = curveSample("S");
  standard.reflectance.fill(0.5f);
  standard.reflectance[16] = 0.1f;  // 560 nm
  standard.reflectance[20] = 0.1f;  // 600 nm
  job.addStandard(standard, false);
  job.recomputeAll();
  EXPECT_EQ(job.minimumReflectanceIndex, kNoMinimumReflectance);
  job.setColorFormula(ColorStrength);
  job.recomputeAll();
  EXPECT_EQ(job.minimumReflectanceIndex, 16);
  job.addStandard(labSample("hand", 50, 0, 0, D65, 1), true);
  EXPECT_EQ(job.minimumReflectanceIndex, kNoMinimumReflectance);
}

TEST(Job, FormulaChangeRelabelsTolerancesAndKeepsLimits) {
  JobManager manager;
  Job job(manager);
  job.toleranceB[toleranceIndex(0, 1)].upper = 0.6f;
  job.colorSpace = CieXyz;
  job.setColorFormula(Cie2000);
  EXPECT_EQ(LookupText(Text(job.toleranceB[toleranceIndex(0, 0)].componentLabel)), "Y");
  EXPECT_EQ(LookupText(Text(job.toleranceB[toleranceIndex(1, 3)].componentLabel)), "ΔE00");
  EXPECT_EQ(job.toleranceB[toleranceIndex(0, 1)].upper, 0.6f);
}

}  // namespace
}  // namespace corvana
