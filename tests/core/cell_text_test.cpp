#include "core/cell_text.h"

#include <gtest/gtest.h>

#include "core/ask_to_save.h"
#include "core/job.h"
#include "core/job_judgement.h"
#include "core/job_manager.h"
#include "core/language_table.h"
#include "job_fixtures.h"

namespace corvana {
namespace {

using testing::curveSample;
using testing::labSample;

TEST(CellText, ValuesWithTheJobsDecimals) {
  JobManager manager;
  Job job(manager);
  job.addSample(curveSample("P"), false);
  job.table.entries[0].sampleValues[0][0] = 12.3456f;
  job.DataAccuracy = 2;
  EXPECT_EQ(valueCellText(job, RecordList::Samples, 0, 0), "12.35");
  job.DataAccuracy = 4;
  EXPECT_EQ(valueCellText(job, RecordList::Samples, 0, 0), "12.3456");
  job.table.entries[0].sampleValues[0][0] = NAN;
  EXPECT_EQ(valueCellText(job, RecordList::Samples, 0, 0), "--");
  EXPECT_EQ(valueCellText(job, RecordList::Samples, 5, 0), "--");
  EXPECT_EQ(valueCellText(job, RecordList::Standards, 0, 0), "--");
}

TEST(CellText, ValuesThatRoundToZeroHaveNoSign) {
  JobManager manager;
  Job job(manager);
  job.addStandard(curveSample("S"), false);
  job.addSample(curveSample("P"), false);
  job.DataAccuracy = 2;
  job.table.entries[0].sampleValues[1][0] = -0.004f;
  EXPECT_EQ(valueCellText(job, RecordList::Samples, 0, 1), "0.00");
  job.table.entries[0].sampleValues[1][0] = -0.006f;
  EXPECT_EQ(valueCellText(job, RecordList::Samples, 0, 1), "-0.01");
  job.table.entries[0].sampleDifferences[1][0] = -0.0001f;
  EXPECT_EQ(differenceCellText(job, 0, 1), "0.00");
}

TEST(CellText, UnusableRecordsShowDashesNotPlaceholders) {
  JobManager manager;
  Job job(manager);
  job.addStandard(labSample("hand", 50, 10, 10, A, 1), false);  // not under the D65 primary
  job.addSample(curveSample("P"), false);
  EXPECT_EQ(valueCellText(job, RecordList::Standards, 0, 0), "--");
  EXPECT_EQ(valueCellText(job, RecordList::Standards, 0, 0, 1), "50.000");  // slot of A
  EXPECT_EQ(differenceCellText(job, 0, 0), "--");
  EXPECT_EQ(gradeCellText(job, 0), "--");
  EXPECT_NE(gradeCellText(job, 0, 1), "--");
}

TEST(CellText, GradesAndPercentsByFormula) {
  JobManager manager;
  Job job(manager);
  job.addStandard(curveSample("S"), false);
  job.addSample(curveSample("S"), false);  // identical
  job.setColorFormula(ColorFastness);
  job.recomputeAll();
  EXPECT_EQ(differenceCellText(job, 0, 7), "5");
  EXPECT_EQ(differenceCellText(job, 0, 6), "0.000");
  job.setColorFormula(StainingFastness);
  job.recomputeAll();
  EXPECT_EQ(differenceCellText(job, 0, 7), "5");
  job.setColorFormula(ColorStrength);
  job.DataAccuracy = 4;
  job.recomputeAll();
  EXPECT_EQ(differenceCellText(job, 0, 6), "100.00%");
  EXPECT_EQ(differenceCellText(job, 0, 7), "100.00%");
  EXPECT_EQ(differenceCellText(job, 0, 5), "0.0000");
  // Slots that need both curves read "--" when one is a hand entry.
  job.addStandard(labSample("hand", 50, 10, 10, D65, 1), true);
  EXPECT_EQ(differenceCellText(job, 0, 7), "--");
  EXPECT_NE(differenceCellText(job, 0, 5), "--");
  job.setColorFormula(MetamericIndex);
  job.recomputeAll();
  EXPECT_EQ(differenceCellText(job, 0, 6), "--");
}

TEST(CellText, GradeFollowsTolerancesAndLanguage) {
  JobManager manager;
  Job job(manager);
  job.addStandard(curveSample("S"), false);
  job.addSample(curveSample("S"), false);
  job.addSample(curveSample("far", 20), false);
  EXPECT_EQ(gradeCellText(job, 0), "Level 1");
  EXPECT_EQ(gradeCellText(job, 1), "NG");
  LanguageIndex = ChineseSimplified;
  EXPECT_EQ(gradeCellText(job, 1), "不良");
  EXPECT_EQ(gradeCellText(job, 0), "一级");
  LanguageIndex = English;
  job.toleranceB[toleranceIndex(0, 3)].upper = 1000.0f;
  EXPECT_EQ(gradeCellText(job, 1), "Level 1");
  EXPECT_EQ(gradeCellText(job, 7), "--");
}

TEST(CellText, StandardEnteredAt10DegreesWithA2DegreeJobCannotBeJudged) {
  JobManager manager;
  Job job(manager);
  job.observer = Observer2;
  job.addStandard(labSample("hand", 50, 10, 10, D65, 1), false);
  job.addSample(curveSample("P"), false);
  for (int slot = 0; slot < 3; ++slot) EXPECT_EQ(judgeSample(job, 0, slot), "--");
}

TEST(AskToSave, Answers) {
  JobManager manager;
  Job job(manager);
  job.setTitle("Job1");
  int asked = 0, saved = 0;
  std::string question;
  auto ask = [&](SaveAnswer answer) {
    return [&, answer](const std::string& q) {
      ++asked;
      question = q;
      return answer;
    };
  };
  auto save = [&](bool ok) {
    return [&, ok] {
      ++saved;
      return ok;
    };
  };
  EXPECT_EQ(askToSave(job, true, false, ask(SaveAnswer::Yes), save(true)), CloseDecision::GoOn);
  EXPECT_EQ(asked, 0);  // not modified: no question
  job.setModified(true);
  EXPECT_EQ(askToSave(job, false, false, ask(SaveAnswer::No), save(true)), CloseDecision::Cancel);
  EXPECT_EQ(askToSave(job, true, false, ask(SaveAnswer::No), save(true)), CloseDecision::GoOn);
  EXPECT_EQ(question, "Job1 has modified!Do you want to save change?");
  EXPECT_EQ(saved, 0);
  EXPECT_EQ(askToSave(job, true, false, ask(SaveAnswer::Cancel), save(true)),
            CloseDecision::Cancel);
  EXPECT_EQ(askToSave(job, true, false, ask(SaveAnswer::Yes), save(true)), CloseDecision::GoOn);
  EXPECT_EQ(saved, 1);
  // A save that fails or is cancelled keeps the window open.
  EXPECT_EQ(askToSave(job, true, false, ask(SaveAnswer::Yes), save(false)), CloseDecision::Cancel);
  const int before = asked;
  EXPECT_EQ(askToSave(job, true, true, ask(SaveAnswer::No), save(true)), CloseDecision::GoOn);
  EXPECT_EQ(asked, before);  // auto-save never asks
  LanguageIndex = ChineseTraditional;
  EXPECT_EQ(saveQuestion("工作1"), "工作1 已修改！保存修改嗎？");
  LanguageIndex = English;
}

}  // namespace
}  // namespace corvana
