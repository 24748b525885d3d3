#include "core/job_status_text.h"

#include <gtest/gtest.h>

#include "core/job.h"
#include "core/job_manager.h"
#include "core/language_table.h"
#include "job_fixtures.h"

namespace corvana {
namespace {

using testing::curveSample;
using testing::labSample;

class JobStatusTextTest : public ::testing::Test {
 protected:
  void TearDown() override { LanguageIndex = English; }
  JobManager manager;
};

TEST_F(JobStatusTextTest, ANewJobInEachLanguage) {
  struct Case {
    Language language;
    const char* file;
    const char* counts;
  };
  const Case cases[] = {
      {English, "(no file yet)", "Standards: 0  Samples: 0  NG: 0"},
      {ChineseSimplified, "（尚无文件）", "标样：0  试样：0  不良：0"},
      {ChineseTraditional, "（尚無檔案）", "標樣：0  試樣：0  不良：0"},
  };
  Job job(manager);
  for (const Case& c : cases) {
    LanguageIndex = c.language;
    const JobStatusText status = jobStatusText(job);
    EXPECT_EQ(status.file, c.file);
    EXPECT_EQ(status.conditions, "D65 / A / F2 · 10°");
    EXPECT_EQ(status.colour, LookupText(Text::ColorSpaceCieLab, English) + " · " +
                                 LookupText(Text::FormulaCie1976, English));
    EXPECT_EQ(status.counts, c.counts);
  }
}

TEST_F(JobStatusTextTest, FileNameAndConditions) {
  Job job(manager);
  job.filePath = "/data/lab 2/batch.7.job";
  job.illuminants[0] = D50, job.illuminants[1] = C, job.illuminants[2] = F11;
  job.observer = Observer2;
  job.colorFormula = Cie2000;
  const JobStatusText status = jobStatusText(job);
  EXPECT_EQ(status.file, "batch.7.job");
  // The 2° observer keeps its sign, although its English row reads a bare "2".
  EXPECT_EQ(status.conditions, "D50 / C / F11 · 2°");
  EXPECT_EQ(status.colour,
            LookupText(Text::ColorSpaceCieLab) + " · " + LookupText(Text::FormulaCie2000));
}

// NG counts what the sample list grades NG: never a sample that cannot be
// judged, and nothing without a current standard.
TEST_F(JobStatusTextTest, NoGoodCountsOnlyJudgedSamples) {
  Job job(manager);
  job.addSample(curveSample("far", 20), false);
  EXPECT_EQ(noGoodSampleCount(job), 0);  // no standard yet
  job.addStandard(curveSample("STD"), false);
  job.addSample(curveSample("same"), false);
  job.addSample(curveSample("farther", 30), false);
  // A hand entry at 2° cannot be judged in this 10° job.
  job.addSample(labSample("hand", 10, 40, 40, D65, Observer2), false);
  EXPECT_EQ(noGoodSampleCount(job), 2);
  EXPECT_EQ(jobStatusText(job).counts, "Standards: 1  Samples: 4  NG: 2");
  job.toleranceB[toleranceIndex(0, 3)].upper = 1000.0f;
  EXPECT_EQ(noGoodSampleCount(job), 0);
  job.toleranceB[toleranceIndex(0, 3)].upper = 1.0f;
  job.deleteSamples({0});
  EXPECT_EQ(jobStatusText(job).counts, "Standards: 1  Samples: 3  NG: 1");
  job.deleteStandards({0});
  EXPECT_EQ(jobStatusText(job).counts, "Standards: 0  Samples: 3  NG: 0");
}

}  // namespace
}  // namespace corvana
