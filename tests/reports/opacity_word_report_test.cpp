// The opacity report's document: cells, split cells and the picture read
// back from the saved package, and the same document laid out by headless
// LibreOffice (skipped when it is not installed).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/job.h"
#include "core/job_manager.h"
#include "reports/opacity/opacity_word_report.h"
#include "reports/word_automation.h"
#include "tests/core/job_fixtures.h"
#include "tests/reports/docx_reading.h"
#include "tests/reports/external_tools.h"

namespace corvana {
namespace {

using namespace corvana::testing;
namespace fs = std::filesystem;

// A 4 x 3 red PNG.
const std::vector<unsigned char> kPng = {
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44,
    0x52, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x03, 0x08, 0x02, 0x00, 0x00, 0x00, 0x3b,
    0x96, 0x39, 0x91, 0x00, 0x00, 0x00, 0x10, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9c, 0x63, 0xf8,
    0xcf, 0xc0, 0x00, 0x47, 0x0c, 0x38, 0x39, 0x00, 0xf5, 0x31, 0x0b, 0xf5, 0x35, 0x7b, 0xfb,
    0x82, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};

std::string partText(const fs::path& docx, std::string_view name) {
  std::string error;
  auto parts = readPackage(docx, error);
  if (!parts) return {};
  const PackagePart* part = findPart(*parts, name);
  return part ? part->bytes : std::string();
}

struct OpacityWordReport : ::testing::Test {
  JobManager manager;
  Job job{manager};
  fs::path dir;
  std::tm now{};
  void SetUp() override {
    LanguageIndex = English;
    job.addSample(curveSample("Over white"), false);
    MeasurementRecord dark = curveSample("Over black");
    for (float& r : dark.reflectance) r *= 0.6f;
    job.addSample(dark, false);
    job.ChineseName = "中文名称";
    job.EnglishName = "Acme Coatings";
    job.ChineseAddress = "上海";
    job.EnglishAddress = "1 Harbour Road";
    job.DeviceName = "CM-700";
    job.recomputeAll();
    now.tm_year = 126, now.tm_mon = 11, now.tm_mday = 10, now.tm_hour = 23, now.tm_min = 5;
    dir = fs::temp_directory_path() / ("corvana-opacity-" + std::to_string(::getpid()));
    fs::create_directories(dir);
  }
  void TearDown() override {
    LanguageIndex = English;
    fs::remove_all(dir);
  }
  fs::path write(const OpacityReport& report, const std::vector<unsigned char>& png,
                 const std::string& name = "report.docx") {
    const fs::path out = dir / name;
    const WordReportResult result =
        writeOpacityReport(report, png, {CORVANA_TEMPLATE_DIR, ""}, out, now);
    EXPECT_EQ(result.status, WordReportStatus::Saved) << result.error;
    return out;
  }
};

TEST_F(OpacityWordReport, CellsFollowTheTemplateAddresses) {
  struct Case {
    ColorSpace space;
    std::size_t columns;
  } cases[] = {{CieLab, 5}, {HunterLab, 3}, {CieRgb, 3}};
  for (const Case& c : cases) {
    job.colorSpace = c.space;
    job.recomputeAll();
    const OpacityReport report = makeOpacityReport(job, 0, 1);
    SavedDocument doc;
    ASSERT_TRUE(doc.read(write(report, kPng)));
    const auto t1 = doc.table(1);
    ASSERT_EQ(t1.size(), 8u) << c.space;
    EXPECT_EQ(t1[0], std::vector<std::string>{"1. Test Condition"});
    EXPECT_EQ(t1[1], std::vector<std::string>{opacityConditionText(job)});
    EXPECT_EQ(t1[3], std::vector<std::string>{"2. Test Data"});
    std::vector<std::string> labels{""}, white{"White Base Sample"}, black{"Black Base Sample"};
    for (const std::string& s : report.valueLabels) labels.push_back(s);
    for (const std::string& s : report.whiteValues) white.push_back(s);
    for (const std::string& s : report.blackValues) black.push_back(s);
    EXPECT_EQ(t1[4], labels) << c.space;
    EXPECT_EQ(t1[5], white) << c.space;
    EXPECT_EQ(t1[6], black) << c.space;
    EXPECT_EQ(t1[4].size(), c.columns + 1);
    EXPECT_EQ(t1[7], (std::vector<std::string>{"Opacity", report.opacityText})) << c.space;
    EXPECT_FALSE(report.opacityText.empty());
    EXPECT_EQ(doc.table(2), (std::vector<std::vector<std::string>>{{"", "Instrument: CM-700"},
                                                                   {"Test:", "Audit:"}}));
  }
}

TEST_F(OpacityWordReport, HeaderParagraphsInTheirFonts) {
  SavedDocument doc;
  ASSERT_TRUE(doc.read(write(makeOpacityReport(job, 0, 1), kPng)));
  std::vector<TiXmlElement*> paragraphs;
  for (TiXmlElement* p = doc.body()->FirstChildElement("w:p"); p && paragraphs.size() < 5;
       p = p->NextSiblingElement("w:p"))
    paragraphs.push_back(p);
  ASSERT_EQ(paragraphs.size(), 5u);
  const char* texts[] = {"2026-12-10 23:05:00", "中文名称", "Acme Coatings", "上海",
                         "1 Harbour Road"};
  const char* sizes[] = {"18", "48", "36", "24", "24"};
  const char* faces[] = {"Arial", "Arial", "Arial", "Arial", "Arial"};  // English: both faces
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(textOf(paragraphs[std::size_t(i)]), texts[i]);
    const auto size = descendants(paragraphs[std::size_t(i)], "w:sz");
    ASSERT_FALSE(size.empty());
    EXPECT_STREQ(size.front()->Attribute("w:val"), sizes[i]) << i;
    const auto fonts = descendants(paragraphs[std::size_t(i)], "w:rFonts");
    ASSERT_FALSE(fonts.empty());
    EXPECT_STREQ(fonts.front()->Attribute("w:ascii"), faces[i]) << i;
  }
}

TEST_F(OpacityWordReport, PictureIsAnImagePartWithItsRelationship) {
  const fs::path out = write(makeOpacityReport(job, 0, 1), kPng);
  EXPECT_EQ(partText(out, "word/media/image1.png"), std::string(kPng.begin(), kPng.end()));
  const std::string rels = partText(out, "word/_rels/document.xml.rels");
  const std::string types = partText(out, "[Content_Types].xml");
  EXPECT_NE(types.find(R"(<Default Extension="png" ContentType="image/png")"), std::string::npos)
      << types;
  SavedDocument doc;
  ASSERT_TRUE(doc.read(out));
  TiXmlElement* cell = descendants(doc.tables()[0], "w:tr")[2]->FirstChildElement("w:tc");
  const auto blips = descendants(cell, "a:blip");
  ASSERT_EQ(blips.size(), 1u);
  const std::string id = blips[0]->Attribute("r:embed");
  EXPECT_NE(rels.find("Id=\"" + id +
                      "\" Type=\"http://schemas.openxmlformats.org/"
                      "officeDocument/2006/relationships/image\" Target=\"media/image1.png\""),
            std::string::npos)
      << rels;
  // The styles and settings keep their relationships.
  EXPECT_NE(rels.find("Target=\"styles.xml\""), std::string::npos);
  const auto extent = descendants(cell, "wp:extent");
  ASSERT_EQ(extent.size(), 1u);
  EXPECT_STREQ(extent[0]->Attribute("cx"), "3810000");  // 300 pt
  EXPECT_STREQ(extent[0]->Attribute("cy"), "2857500");  // 225 pt
}

TEST_F(OpacityWordReport, WithoutAPictureTheReportStillCompletes) {
  for (const std::vector<unsigned char>& png :
       {std::vector<unsigned char>{}, std::vector<unsigned char>{'G', 'I', 'F', '8', '9', 'a'}}) {
    const fs::path out = write(makeOpacityReport(job, 0, 1), png);
    EXPECT_EQ(partText(out, "word/media/image1.png"), "");
    EXPECT_EQ(partText(out, "[Content_Types].xml").find("image/png"), std::string::npos);
    SavedDocument doc;
    ASSERT_TRUE(doc.read(out));
    EXPECT_TRUE(descendants(doc.body(), "w:drawing").empty());
    EXPECT_EQ(doc.table(1)[7][0], "Opacity");
  }
}

TEST_F(OpacityWordReport, NoSamplesGiveLabelsWithEmptyCells) {
  SavedDocument doc;
  ASSERT_TRUE(doc.read(write(makeOpacityReport(job, -1, -1), kPng)));
  const auto t1 = doc.table(1);
  ASSERT_EQ(t1.size(), 8u);
  EXPECT_EQ(t1[5], (std::vector<std::string>{"White Base Sample", "", "", "", "", ""}));
  EXPECT_EQ(t1[6], (std::vector<std::string>{"Black Base Sample", "", "", "", "", ""}));
  EXPECT_EQ(t1[7], (std::vector<std::string>{"Opacity", ""}));
}

TEST_F(OpacityWordReport, TwoReportsInOneMinuteGetTwoNames) {
  const fs::path first = opacityReportPath(dir, now);
  EXPECT_EQ(first, dir / "Opacity20261210-2305.docx");
  write(makeOpacityReport(job, 0, 1), kPng, first.filename().string());
  const fs::path second = opacityReportPath(dir, now);
  EXPECT_NE(second, first);
  EXPECT_FALSE(fs::exists(second));
  EXPECT_EQ(second.extension(), ".docx");
}

TEST_F(OpacityWordReport, MissingTemplateIsReported) {
  const WordReportResult result = writeOpacityReport(
      makeOpacityReport(job, 0, 1), kPng, {(dir / "none").string(), ""}, dir / "x.docx", now);
  EXPECT_EQ(result.status, WordReportStatus::TemplateMissing);
  EXPECT_FALSE(fs::exists(dir / "x.docx"));
}

TEST_F(OpacityWordReport, InsertPictureRefusesWhatItCannotPlace) {
  WordAutomation doc;
  ASSERT_TRUE(doc.open(fs::path(CORVANA_TEMPLATE_DIR) / "opacity.dotx"));
  EXPECT_FALSE(doc.insertPicture(1, 9, 1, kPng, 10, 10));  // no row 9
  EXPECT_FALSE(doc.insertPicture(3, 1, 1, kPng, 10, 10));  // no table 3
  EXPECT_FALSE(doc.insertPicture(1, 3, 1, {1, 2, 3}, 10, 10));
  EXPECT_FALSE(doc.insertPicture(1, 3, 1, kPng, 0, 10));
  EXPECT_FALSE(doc.insertPicture(1, 3, 1, kPng, 10, std::nan("")));
  // Two pictures: two parts, two relationships, distinct drawing ids.
  ASSERT_TRUE(doc.insertPicture(1, 3, 1, kPng, 10, 10)) << doc.error();
  ASSERT_TRUE(doc.insertPicture(2, 1, 1, kPng, 20, 10)) << doc.error();
  const fs::path out = dir / "two.docx";
  ASSERT_TRUE(doc.saveAs(out));
  EXPECT_FALSE(partText(out, "word/media/image1.png").empty());
  EXPECT_FALSE(partText(out, "word/media/image2.png").empty());
  SavedDocument saved;
  ASSERT_TRUE(saved.read(out));
  const auto blips = descendants(saved.body(), "a:blip");
  const auto ids = descendants(saved.body(), "wp:docPr");
  ASSERT_EQ(blips.size(), 2u);
  ASSERT_EQ(ids.size(), 2u);
  EXPECT_STRNE(blips[0]->Attribute("r:embed"), blips[1]->Attribute("r:embed"));
  EXPECT_STRNE(ids[0]->Attribute("id"), ids[1]->Attribute("id"));
  const std::string types = partText(out, "[Content_Types].xml");
  EXPECT_EQ(types.find("image/png"), types.rfind("image/png"));  // one entry for both
}

// As a word processor lays it out.
class OpacityWordPdf : public OpacityWordReport, public ::testing::WithParamInterface<Language> {};

TEST_P(OpacityWordPdf, ShowsTextsAndPicture) {
  if (!hasProgram("soffice") || !hasProgram("pdftotext") || !hasProgram("pdfimages"))
    GTEST_SKIP() << "LibreOffice or poppler is not installed";
  LanguageIndex = GetParam();
  const OpacityReport report = makeOpacityReport(job, 0, 1);
  const fs::path out = write(report, kPng);
  const std::string profile = "file:///tmp/corvana-lo-" + std::to_string(::getpid());
  run("soffice --headless -env:UserInstallation=" + profile + " --convert-to pdf --outdir '" +
      dir.string() + "' '" + out.string() + "' >/dev/null 2>&1");
  const fs::path pdf = dir / "report.pdf";
  ASSERT_TRUE(fs::exists(pdf));
  std::string text = run("pdftotext -layout '" + pdf.string() + "' -");
  std::erase_if(text, [](char c) { return c == ' ' || c == '\n'; });
  auto squeezed = [](std::string s) {
    std::erase_if(s, [](char c) { return c == ' '; });
    return s;
  };
  for (const std::string& needle :
       {LookupText(Text::WhiteBaseSample), LookupText(Text::BlackBaseSample),
        LookupText(Text::Opacity), report.opacityText, report.whiteValues[0], report.blackValues[4],
        report.valueLabels[0], opacityConditionText(job),
        LookupText(Text::InstrumentLabel) + "CM-700", LookupText(Text::AuditSignature),
        std::string("Acme Coatings"), std::string("2026-12-1023:05:00")})
    EXPECT_NE(text.find(squeezed(needle)), std::string::npos) << needle << "\n" << text;
  EXPECT_EQ(run("pdfinfo '" + pdf.string() + "' | grep -c '^Pages: *1$'"), "1\n");
  // One picture: pdfimages lists a header of two lines, then a line each.
  const std::string images = run("pdfimages -list '" + pdf.string() + "' | tail -n +3 | wc -l");
  EXPECT_EQ(images, "1\n");
}

INSTANTIATE_TEST_SUITE_P(Languages, OpacityWordPdf, ::testing::Values(English, ChineseSimplified));

}  // namespace
}  // namespace corvana
