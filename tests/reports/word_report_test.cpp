#include "reports/word_report.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
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
#include "reports/word_automation.h"
#include "tests/reports/docx_reading.h"
#include "tools/corvana_cli/word_report_command.h"

namespace corvana {
namespace {

namespace fs = std::filesystem;
using testing::descendants;
using testing::SavedDocument;

const RecordTime kMoment{2, 3, 2024, 3, 5, 9};  // 2024-03-02 09:05:03

TemplateLocationInputs builtTemplates() { return {CORVANA_TEMPLATE_DIR, ""}; }

class WordReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LanguageIndex = English;
    dir_ = fs::temp_directory_path() /
           ("corvana-word-report-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
    std::string error;
    ASSERT_TRUE(readJobFile(job_, CORVANA_SOURCE_DIR "/examples/autumn-knit.job", &error)) << error;
    ASSERT_TRUE(job_.hasCurrentStandard());
    ASSERT_GE(job_.currentSample, 0);
  }
  void TearDown() override {
    LanguageIndex = English;
    fs::remove_all(dir_);
  }
  std::vector<int> allSamples() const {
    std::vector<int> s(std::size_t(job_.sampleCount()));
    std::iota(s.begin(), s.end(), 0);
    return s;
  }
  fs::path colorDiff(SavedDocument& doc) {
    const fs::path out = dir_ / "diff.docx";
    const WordReportResult r = writeColorDiffReport(job_, builtTemplates(), out, kMoment);
    EXPECT_EQ(r.status, WordReportStatus::Saved) << r.error;
    EXPECT_TRUE(doc.read(out));
    return out;
  }

  fs::path dir_;
  Job job_{jobManager()};
};

TEST_F(WordReportTest, ColorDiffReportFillsHeaderConditionsAndValueTables) {
  SavedDocument doc;
  colorDiff(doc);
  EXPECT_NE(doc.contentTypes.find("document.main+xml"), std::string::npos);
  ASSERT_EQ(doc.tables().size(), 11u);
  // Only an English name and an English address: one row each under the date.
  const auto header = doc.table(1);
  ASSERT_EQ(header.size(), 3u);
  EXPECT_EQ(header[0][0], "2024/03/02 09:05:03");
  EXPECT_EQ(header[1][0], "Huacai Textile Colour Lab");
  EXPECT_EQ(header[2][0], "12 Dyehouse Road, Shaoxing");
  const auto conditions = doc.table(2);
  ASSERT_EQ(conditions.size(), 3u);
  EXPECT_EQ(conditions[0],
            (std::vector<std::string>{"Standard", job_.standard(job_.currentStandard).nameUtf8(),
                                      "Sample", job_.sample(job_.currentSample).nameUtf8()}));
  EXPECT_EQ(conditions[1][1], "D65, A, F2");
  EXPECT_EQ(conditions[2][3], "CMC");
  // Three displayed illuminants: every value table has four rows.
  for (int t : {6, 7, 8, 9}) EXPECT_EQ(doc.table(t).size(), 4u) << "table " << t;
  const auto tolerance = doc.table(6);
  EXPECT_EQ(tolerance[0][0], "Tolerance");
  EXPECT_EQ(tolerance[1][0], "D65");
  EXPECT_EQ(tolerance[1][4], " 0.00 ~  1.00") << "the total has no lower limit";
  const auto standard = doc.table(7);
  EXPECT_EQ(standard[0].size(), 6u);  // the label column and L*, a*, b*, C*, h
  EXPECT_EQ(standard[0][0], "Standard");
  const auto differences = doc.table(9);
  EXPECT_EQ(differences[0][0], "Color Diff");
  EXPECT_EQ(differences[0][differences[0].size() - 2], "J. Result");
  EXPECT_EQ(differences[0].back(), "Color Direction");
  EXPECT_EQ(differences[1].size(), differences[0].size());
  EXPECT_NE(doc.table(10)[0][1].find("Instrument: CM-750 Spectrophotometer"), std::string::npos);
  EXPECT_EQ(doc.table(11)[0][1].rfind("Test:", 0), 0u);
  EXPECT_NE(doc.table(11)[0][1].find("Audit:"), std::string::npos);
  // Plot texts: the full scale, the axis labels, the bar labels, the legend.
  EXPECT_EQ(doc.table(5)[0][0].rfind("Full Scale: ", 0), 0u);
  EXPECT_EQ(doc.table(5)[2][0], "-" + LookupText(Text(job_.toleranceB[1].componentLabel)));
  EXPECT_EQ(doc.table(3)[2][0], "+" + LookupText(Text(job_.toleranceB[0].componentLabel)));
  EXPECT_EQ(doc.table(4)[0][0], "Standard: ___ Sample: ...");
}

TEST_F(WordReportTest, CompanyRowsFollowTheNamesAndAddressesSet) {
  struct Case {
    const char *chineseName, *englishName, *chineseAddress, *englishAddress;
    std::vector<std::string> rows;  // under the date
  };
  const Case cases[] = {
      {"", "Lab", "", "", {"Lab", ""}},
      {"实验室", "Lab", "", "Road", {"实验室", "Lab", "Road"}},
      {"实验室", "", "路", "Road", {"实验室", "路", "Road"}},
      {"实验室", "Lab", "路", "Road", {"实验室", "Lab", "路", "Road"}},
      {"", "", "", "", {"", ""}},
  };
  for (const Case& c : cases) {
    job_.ChineseName = c.chineseName;
    job_.EnglishName = c.englishName;
    job_.ChineseAddress = c.chineseAddress;
    job_.EnglishAddress = c.englishAddress;
    SavedDocument doc;
    colorDiff(doc);
    auto rows = doc.table(1);
    ASSERT_FALSE(rows.empty());
    rows.erase(rows.begin());
    std::vector<std::string> texts;
    for (auto& r : rows) texts.push_back(r[0]);
    EXPECT_EQ(texts, c.rows) << c.englishName << "/" << c.englishAddress;
  }
}

TEST_F(WordReportTest, DifferenceSquareDrawsAxesBoxesAndTheSampleInsideTheShape) {
  SavedDocument doc;
  colorDiff(doc);
  WordAutomation plain;
  ASSERT_TRUE(plain.open(fs::path(CORVANA_TEMPLATE_DIR) / "ColorDiff.dotx"));
  // The square's box after the header lost two of its four company rows.
  ASSERT_TRUE(plain.deleteRow(1, 2) && plain.deleteRow(1, 2));
  const PageBox square = *plain.shapeBox(1);
  const auto anchors = descendants(doc.body(), "wp:anchor");
  ASSERT_GT(anchors.size(), 3u + 4 + 8 + 4 + 13 + 60);
  int inside = 0;
  for (std::size_t i = 3; i < anchors.size(); ++i) {
    const auto offsets = descendants(anchors[i], "wp:posOffset");
    const double x = std::atof(offsets[0]->GetText()) / 12700;
    const double y = std::atof(offsets[1]->GetText()) / 12700;
    EXPECT_EQ(descendants(anchors[i], "wp:positionV")[0]->Attribute("relativeFrom"),
              std::string("page"));
    if (x >= square.left - 4 && x <= square.left + square.width + 4 && y >= square.top - 4 &&
        y <= square.top + square.height + 4)
      ++inside;
  }
  // Four axes, two boxes of four edges, the sample's cross of two lines.
  EXPECT_GE(inside, 4 + 8 + 2);
  // The first line is the yellow axis from the centre up to the top edge.
  const auto first = descendants(anchors[3], "wp:posOffset");
  EXPECT_NEAR(std::atof(first[0]->GetText()) / 12700, square.left + square.width / 2, 1e-3);
  EXPECT_NEAR(std::atof(first[1]->GetText()) / 12700, square.top, 1e-3);
  EXPECT_EQ(descendants(anchors[3], "a:srgbClr")[0]->Attribute("val"), std::string("FFFF00"));
  // The bar's own outline turns white.
  EXPECT_EQ(descendants(anchors[1], "a:srgbClr")[0]->Attribute("val"), std::string("FFFFFF"));
}

TEST_F(WordReportTest, XyzJobUsesTheSecondTemplateAndMarksTheXyDiagram) {
  job_.colorSpace = CieXyz;
  assignToleranceComponents(job_.toleranceB, job_.colorSpace, job_.colorFormula);
  job_.recomputeAll();
  SavedDocument doc;
  colorDiff(doc);
  EXPECT_EQ(colorDiffTemplateName(job_), "ColorDiff2");
  EXPECT_EQ(doc.table(7)[0][1], "X");
  WordAutomation plain;
  ASSERT_TRUE(plain.open(fs::path(CORVANA_TEMPLATE_DIR) / "ColorDiff2.dotx"));
  ASSERT_TRUE(plain.deleteRow(1, 2) && plain.deleteRow(1, 2));
  const PageBox xy = *plain.shapeBox(3);
  const IlluminantColorValues* entry = job_.table.entryFor(job_.illuminants[0]);
  ASSERT_TRUE(entry);
  const double cx = entry->standardValues[3][std::size_t(job_.currentStandard)];
  const double cy = entry->standardValues[4][std::size_t(job_.currentStandard)];
  const double m = xy.width * 10 / 8, l = xy.width * 9 / 8;
  std::vector<TiXmlElement*> markers;
  for (TiXmlElement* a : descendants(doc.body(), "wp:anchor"))
    if (!descendants(a, "a:ln").empty() &&
        descendants(a, "a:ln")[0]->Attribute("w") == std::string("35560"))
      markers.push_back(a);
  ASSERT_EQ(markers.size(), 4u) << "two oblique crosses";
  const auto at = descendants(markers[0], "wp:posOffset");
  EXPECT_NEAR(std::atof(at[0]->GetText()) / 12700, xy.left + m * cx - 5, 1e-3);
  EXPECT_NEAR(std::atof(at[1]->GetText()) / 12700, xy.top + l - m * cy - 5, 1e-3);
  EXPECT_EQ(descendants(markers[0], "a:srgbClr")[0]->Attribute("val"), std::string("008055"));
  EXPECT_EQ(descendants(markers[2], "a:prstDash")[0]->Attribute("val"), std::string("dashDot"));
}

TEST_F(WordReportTest, CumulativeReportListsEverySampleWithAndWithoutReflectance) {
  const fs::path out = dir_ / "cumulative.docx";
  for (bool reflectance : {true, false}) {
    for (bool chromaticity : {true, false}) {
      job_.PrintReflectanceInCumulative = reflectance;
      job_.PrintChromaticity = chromaticity;
      const WordReportResult r =
          writeCumulativeReport(job_, allSamples(), ListSortMode::Unsorted, builtTemplates(), out);
      ASSERT_EQ(r.status, WordReportStatus::Saved) << r.error;
      SavedDocument doc;
      ASSERT_TRUE(doc.read(out));
      const int n = job_.sampleCount();
      ASSERT_EQ(doc.tables().size(), reflectance ? 8u : 6u);
      EXPECT_EQ(doc.table(1)[1][0], "Huacai Textile Colour Lab");
      EXPECT_EQ(doc.table(2)[0][0], "1. Test Condition");
      EXPECT_NE(doc.table(2)[1][0].find("Sort Mode: Unsorted"), std::string::npos);
      EXPECT_NE(doc.table(2)[1][0].find("KL: 2.00"), std::string::npos) << doc.table(2)[1][0];
      EXPECT_EQ(doc.table(3)[2][0], "  Judge Method: Use ΔE");
      const auto standard = doc.table(4);
      ASSERT_EQ(standard.size(), 3u);
      EXPECT_EQ(standard[1].size(), 6u);
      EXPECT_EQ(standard[2][0], job_.standard(job_.currentStandard).nameUtf8());
      const auto samples = doc.table(5);
      ASSERT_EQ(int(samples.size()), 1 + n * (chromaticity ? 2 : 1));
      EXPECT_EQ(samples[0][0], "Sample");
      EXPECT_EQ(samples[0].back(), "J. Result");
      EXPECT_EQ(samples[0][2].find('/') != std::string::npos, chromaticity) << samples[0][2];
      const auto& last = samples.back();
      EXPECT_EQ(last.back(), gradeCellText(job_, n - 1, 0));
      if (reflectance) {
        EXPECT_EQ(doc.table(6)[0][0], "Reflectance");
        const auto blocks = doc.table(7);
        ASSERT_EQ(int(blocks.size()), 7 * (n + 1));
        EXPECT_EQ(blocks[0][0], "Standard");
        EXPECT_EQ(blocks[1][0], "400");
        EXPECT_EQ(blocks[5][10], "700");
        EXPECT_EQ(blocks[7][0], "1");
        EXPECT_EQ(blocks[7][1], job_.sample(0).nameUtf8());
      }
      EXPECT_EQ(doc.table(int(doc.tables().size()))[0][1].rfind("Test:", 0), 0u);
    }
  }
}

TEST_F(WordReportTest, FailuresAreReportedNotSaved) {
  const fs::path out = dir_ / "r.docx";
  const WordReportResult missing =
      writeColorDiffReport(job_, {(dir_ / "none").string(), ""}, out, kMoment);
  EXPECT_EQ(missing.status, WordReportStatus::TemplateMissing);
  EXPECT_NE(missing.error.find("ColorDiff.dotx"), std::string::npos) << missing.error;
  const WordReportResult cumulativeMissing = writeCumulativeReport(
      job_, allSamples(), ListSortMode::Unsorted, {(dir_ / "none").string(), ""}, out);
  EXPECT_EQ(cumulativeMissing.status, WordReportStatus::TemplateMissing);
  EXPECT_FALSE(fs::exists(out));
  const WordReportResult unwritable =
      writeColorDiffReport(job_, builtTemplates(), dir_ / "no folder" / "r.docx", kMoment);
  EXPECT_EQ(unwritable.status, WordReportStatus::Failed);
  EXPECT_NE(unwritable.error.find("r.docx"), std::string::npos) << unwritable.error;
  // A damaged template is a template that cannot be opened.
  fs::create_directories(dir_ / "bad");
  std::ofstream(dir_ / "bad" / "ColorDiff.dotx") << "PK but no zip";
  EXPECT_EQ(writeColorDiffReport(job_, {(dir_ / "bad").string(), ""}, out, kMoment).status,
            WordReportStatus::TemplateMissing);
}

TEST_F(WordReportTest, NamesCarryTitleDateAndTimeAndNeverReplaceAReport) {
  EXPECT_EQ(wordReportPath(dir_, false, kMoment), dir_ / "Color Diff 2024-03-02 09-05-03.docx");
  EXPECT_EQ(wordReportPath(dir_, true, kMoment),
            dir_ / "Color Diff Cumulative 2024-03-02 09-05-03.docx");
  // Two reports in one second: the second gets a name of its own.
  std::ofstream(dir_ / "Color Diff 2024-03-02 09-05-03.docx") << "first";
  EXPECT_EQ(wordReportPath(dir_, false, kMoment), dir_ / "Color Diff 2024-03-02 09-05-03 (2).docx");
}

TEST(WordTemplateLocation, NamedFolderFirstThenBesideTheProgram) {
  const TemplateLocationInputs inputs{"/t", "/opt/corvana/bin"};
  const auto folders = templateFolders(inputs);
  ASSERT_EQ(folders.size(), 4u);
  EXPECT_EQ(folders[0], fs::path("/t"));
  EXPECT_EQ(folders[1].lexically_normal(), fs::path("/opt/corvana/resources/templates"));
  EXPECT_EQ(folders[3].lexically_normal(), fs::path("/opt/corvana/share/corvana/templates"));
  EXPECT_TRUE(findTemplate({"", ""}, "ColorDiff").empty());
  EXPECT_FALSE(findTemplate(builtTemplates(), "ColorDiffCumulative").empty());
  EXPECT_TRUE(findTemplate(builtTemplates(), "Opacity").empty());
}

TEST_F(WordReportTest, CommandLineWritesOrFailsWithExitCodes) {
  ::setenv("CORVANA_TEMPLATE_DIR", CORVANA_TEMPLATE_DIR, 1);
  const std::string job = CORVANA_SOURCE_DIR "/examples/autumn-knit.job";
  std::ostringstream err;
  EXPECT_EQ(cli::runWordReport("word-diff", job, (dir_ / "a.docx").string(), English, err), 0)
      << err.str();
  EXPECT_EQ(cli::runWordReport("word-cumulative", job, (dir_ / "b.docx").string(),
                               ChineseSimplified, err),
            0)
      << err.str();
  SavedDocument doc;
  ASSERT_TRUE(doc.read(dir_ / "b.docx"));
  EXPECT_EQ(doc.table(2)[0][0], "1. 测试条件");
  err.str("");
  EXPECT_EQ(cli::runWordReport("word-diff", (dir_ / "none.job").string(),
                               (dir_ / "c.docx").string(), English, err),
            1);
  EXPECT_NE(err.str().find("none.job"), std::string::npos);
  err.str("");
  EXPECT_EQ(cli::runWordReport("word-diff", job, (dir_ / "x" / "c.docx").string(), English, err),
            1);
  EXPECT_NE(err.str().find("c.docx"), std::string::npos);
  EXPECT_EQ(cli::runWordReport("word-diff2", job, (dir_ / "d.docx").string(), English, err), 1)
      << "the job is CIE LAB";
  EXPECT_EQ(cli::runWordReport("word-pie", job, (dir_ / "d.docx").string(), English, err), 2);
  EXPECT_FALSE(fs::exists(dir_ / "c.docx"));
  ::unsetenv("CORVANA_TEMPLATE_DIR");
}

}  // namespace
}  // namespace corvana
