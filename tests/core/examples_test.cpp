// The shipped example jobs are what a newcomer opens first: they must read,
// and show the lab's everyday picture of passing, borderline and failed lots.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/job.h"
#include "core/job_file.h"
#include "core/job_manager.h"
#include "core/language_table.h"
#include "core/record_list_rows.h"

namespace corvana {
namespace {

struct Example {
  const char* file;
  Language language;
};

class ExampleJobTest : public ::testing::TestWithParam<Example> {
 protected:
  void SetUp() override { LanguageIndex = GetParam().language; }
  void TearDown() override { LanguageIndex = English; }
};

TEST_P(ExampleJobTest, ReadsWithCurvesAndMixedGrades) {
  Job job(jobManager());
  std::string error;
  ASSERT_TRUE(readJobFile(job, std::string(CORVANA_EXAMPLES) + "/" + GetParam().file, &error))
      << error;
  EXPECT_EQ(job.standardCount(), 3);
  EXPECT_GE(job.sampleCount(), 20);
  for (int i = 0; i < job.standardCount(); ++i) EXPECT_TRUE(job.standard(i).UseReflect) << i;
  for (int i = 0; i < job.sampleCount(); ++i) EXPECT_TRUE(job.sample(i).UseReflect) << i;
  ASSERT_TRUE(job.hasCurrentStandard());

  RecordListRows rows(job, RecordList::Samples);
  rows.rebuild();
  int grade = -1;
  for (int c = 0; c < rows.columnCount(); ++c)
    if (rows.columns()[std::size_t(c)].kind == ListColumn::Grade) grade = c;
  ASSERT_GE(grade, 0);
  std::set<std::string> grades;
  for (int r = 0; r < rows.rowCount(); ++r) grades.insert(rows.cellText(r, grade));
  EXPECT_EQ(grades, (std::set<std::string>{LookupText(Text::Level1), LookupText(Text::Level2),
                                           LookupText(Text::NoGood)}));
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleJobTest,
                         ::testing::Values(Example{"autumn-knit.job", English},
                                           Example{"autumn-knit-zh-CN.job", ChineseSimplified}));

}  // namespace
}  // namespace corvana
