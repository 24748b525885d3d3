// The reports read back by a real word processor: each .docx converted to
// PDF by headless LibreOffice, its text taken out with pdftotext.
// CORVANA_WORD_TEST_OUT names a folder that keeps the documents and PDFs.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <sstream>

#include "core/cell_text.h"
#include "core/job.h"
#include "core/job_file.h"
#include "core/job_manager.h"
#include "core/value_labels.h"
#include "reports/word_report.h"
#include "tests/reports/external_tools.h"

namespace corvana {
namespace {

namespace fs = std::filesystem;
using testing::hasProgram;
using testing::run;

// The PDF text of a document, empty when the conversion failed.
std::string pdfText(const fs::path& docx, const fs::path& dir) {
  const std::string profile = "file:///tmp/corvana-lo-" + std::to_string(::getpid());
  run("soffice --headless -env:UserInstallation=" + profile + " --convert-to pdf --outdir '" +
      dir.string() + "' '" + docx.string() + "' >/dev/null 2>&1");
  fs::path pdf = docx;
  pdf.replace_extension(".pdf");
  if (!fs::exists(pdf)) return {};
  return run("pdftotext -layout '" + pdf.string() + "' -");
}

// Whether the PDF text holds `needle`. pdftotext puts a blank where the
// font changes (between Chinese and Latin letters), so blanks do not count.
bool shows(const std::string& text, const std::string& needle) {
  auto squeeze = [](std::string s) {
    std::erase_if(s, [](char c) { return c == ' ' || c == '\n'; });
    return s;
  };
  return squeeze(text).find(squeeze(needle)) != std::string::npos;
}

class WordReportPdfTest : public ::testing::TestWithParam<Language> {
 protected:
  void SetUp() override {
    if (!hasProgram("soffice") || !hasProgram("pdftotext"))
      GTEST_SKIP() << "LibreOffice or pdftotext is not installed";
    LanguageIndex = GetParam();
    const char* keep = std::getenv("CORVANA_WORD_TEST_OUT");
    keep_ = keep && *keep;
    dir_ = keep_ ? fs::path(keep)
                 : fs::temp_directory_path() / ("corvana-word-pdf-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    std::string error;
    const char* file =
        GetParam() == English ? "/examples/autumn-knit.job" : "/examples/autumn-knit-zh-CN.job";
    ASSERT_TRUE(readJobFile(job_, std::string(CORVANA_SOURCE_DIR) + file, &error)) << error;
  }
  void TearDown() override {
    LanguageIndex = English;
    if (!keep_) fs::remove_all(dir_);
  }
  std::string suffix() const { return std::to_string(int(GetParam())); }

  bool keep_ = false;
  fs::path dir_;
  Job job_{jobManager()};
};

TEST_P(WordReportPdfTest, ColorDiffReportShowsNamesAndValues) {
  const fs::path out = dir_ / ("diff-" + suffix() + ".docx");
  const RecordTime now{2, 3, 2024, 3, 5, 9};
  ASSERT_EQ(writeColorDiffReport(job_, {CORVANA_TEMPLATE_DIR, ""}, out, now).status,
            WordReportStatus::Saved);
  const std::string text = pdfText(out, dir_);
  ASSERT_FALSE(text.empty()) << "LibreOffice did not convert " << out;
  EXPECT_TRUE(shows(text, job_.standard(job_.currentStandard).nameUtf8())) << text;
  EXPECT_TRUE(shows(text, job_.sample(job_.currentSample).nameUtf8()));
  EXPECT_TRUE(shows(text, "2024/03/02 09:05:03"));
  EXPECT_TRUE(shows(text, LookupText(Text::JudgeResultShort)));
  EXPECT_TRUE(shows(text, LookupText(Text::FullScale)));
  EXPECT_TRUE(shows(text, valueCellText(job_, RecordList::Standards, job_.currentStandard, 0, 0)));
  EXPECT_TRUE(shows(text, differenceCellText(job_, job_.currentSample, 0, 0)));
}

TEST_P(WordReportPdfTest, XyzReportShowsTristimulusValues) {
  job_.colorSpace = CieXyz;
  assignToleranceComponents(job_.toleranceB, job_.colorSpace, job_.colorFormula);
  job_.recomputeAll();
  const fs::path out = dir_ / ("xyz-" + suffix() + ".docx");
  ASSERT_EQ(writeColorDiffReport(job_, {CORVANA_TEMPLATE_DIR, ""}, out, RecordTime{}).status,
            WordReportStatus::Saved);
  const std::string text = pdfText(out, dir_);
  ASSERT_FALSE(text.empty()) << "LibreOffice did not convert " << out;
  EXPECT_TRUE(shows(text, "--/--/-- 00:00:00")) << "a moment with no date";
  EXPECT_TRUE(shows(text, valueCellText(job_, RecordList::Samples, job_.currentSample, 3, 0)));
  EXPECT_TRUE(shows(text, LookupText(Text::ColorSpaceCieXyz)));
}

TEST_P(WordReportPdfTest, CumulativeReportShowsEverySample) {
  const fs::path out = dir_ / ("cumulative-" + suffix() + ".docx");
  std::vector<int> samples(std::size_t(job_.sampleCount()));
  std::iota(samples.begin(), samples.end(), 0);
  ASSERT_EQ(
      writeCumulativeReport(job_, samples, ListSortMode::Unsorted, {CORVANA_TEMPLATE_DIR, ""}, out)
          .status,
      WordReportStatus::Saved);
  const std::string text = pdfText(out, dir_);
  ASSERT_FALSE(text.empty()) << "LibreOffice did not convert " << out;
  for (int s : {0, job_.sampleCount() - 1})
    EXPECT_TRUE(shows(text, job_.sample(s).nameUtf8())) << s;
  EXPECT_TRUE(shows(text, LookupText(Text::TestCondition)));
  EXPECT_TRUE(shows(text, LookupText(Text::Reflectance)));
  EXPECT_TRUE(shows(text, LookupText(Text::AuditSignature)));
}

INSTANTIATE_TEST_SUITE_P(Languages, WordReportPdfTest,
                         ::testing::Values(English, ChineseSimplified));

}  // namespace
}  // namespace corvana
