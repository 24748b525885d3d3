#include "core/job_window_title.h"

#include <gtest/gtest.h>

#include "core/job.h"
#include "core/job_manager.h"
#include "core/language_table.h"

namespace corvana {
namespace {

TEST(JobWindowTitle, ShowsUnsavedChangesAndTheFileInEachLanguage) {
  struct Case {
    const char* path;
    bool modified;
    Language language;
    const char* expected;
  };
  const Case cases[] = {
      {"", false, English, "Job1 - (no file yet)"},
      {"", true, English, "*Job1 - (no file yet)"},
      {"", true, ChineseSimplified, "*Job1 - （尚无文件）"},
      {"", false, ChineseTraditional, "Job1 - （尚無檔案）"},
      // A file's path reads the same in every language.
      {"/jobs/a.job", false, ChineseSimplified, "Job1 - /jobs/a.job"},
      {"/jobs/a.job", true, English, "*Job1 - /jobs/a.job"},
  };
  JobManager manager;
  for (const Case& c : cases) {
    Job job(manager);
    job.title = "Job1";
    job.filePath = c.path;
    job.setModified(c.modified);
    LanguageIndex = c.language;
    EXPECT_EQ(jobWindowTitle(job), c.expected)
        << c.path << ' ' << c.modified << ' ' << int(c.language);
  }
  LanguageIndex = English;
}

}  // namespace
}  // namespace corvana
