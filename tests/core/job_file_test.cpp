#include "core/job_file.h"

#include <gtest/gtest.h>
#include <iconv.h>
#include <sys/stat.h>
#include <tinyxml.h>
#include <unistd.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "colour/parametric_factors.h"
#include "colour/text_utf.h"
#include "core/job.h"
#include "core/job_manager.h"
#include "core/language_table.h"
#include "job_file_fixtures.h"

namespace corvana {
namespace {

using namespace std::string_view_literals;
using testing::curveSample;
using testing::iconvForTest;
using testing::labSample;
using testing::readFile;
using testing::TempDir;
using testing::toCodePageForTest;
using testing::writeFile;

// Conditions changed away from every default, so a reader that ignores one shows.
void fillConditions(Job& job) {
  job.setTitle("Batch 7");
  job.DeviceName = "CM-26d";
  job.setIlluminantCount(3);
  job.illuminants[0] = D50;
  job.illuminants[1] = F11;
  job.illuminants[2] = C;
  job.observer = Observer2;
  job.colorSpace = CieLuv;
  job.setColorFormula(Cmc);
  job.DataAccuracy = 2;
  job.StandardNameRule1 = "Std%nn";
  job.StandardNameRule2 = "B%yyyy";
  job.SampleNameRule1 = "Lot%nnn";
  job.SampleNameRule2 = "x";
  job.StandardMaterial = "Cotton";
  job.SampleMaterial = "Wool";
  job.metameric.conditions[0] = {F2, Observer2};
  job.metameric.conditions[1] = {D75, Observer10};
  job.EnglishAddress = "1 Dye Street";
  job.ChineseAddress = "染料街 1 号";
  job.EnglishName = "Dyeworks";
  job.ChineseName = "染厂";
  job.PrintChromaticity = true;
  job.PrintReflectanceInCumulative = true;
  for (int i = 0; i < 12; ++i) {
    job.toleranceB[std::size_t(i)].lower = -0.25f * float(i + 1);
    job.toleranceB[std::size_t(i)].upper = 0.5f * float(i + 1);
  }
  job.judgeMethod = UseColorimetricAndDeltaE;
  job.toleranceQuotiety = 0.5f;
}

MeasurementRecord timed(MeasurementRecord r, int year, int month, int day, int h, int m, int s) {
  r.time = {std::uint8_t(day), std::uint8_t(month), std::uint16_t(year),
            std::uint8_t(s),   std::uint8_t(m),     std::uint8_t(h)};
  return r;
}

class JobFileTest : public ::testing::Test {
 protected:
  void TearDown() override {
    LanguageIndex = English;
    parametricFactors() = {};
  }
  JobManager manager;
};

void expectSameRecords(const Job& a, const Job& b, RecordList list) {
  ASSERT_EQ(a.count(list), b.count(list));
  for (int i = 0; i < a.count(list); ++i) {
    const MeasurementRecord& x = a.records(list)[std::size_t(i)];
    const MeasurementRecord& y = b.records(list)[std::size_t(i)];
    SCOPED_TRACE(x.nameUtf8());
    EXPECT_EQ(x.nameUtf8(), y.nameUtf8());
    EXPECT_EQ(x.materialUtf8(), y.materialUtf8());
    EXPECT_EQ(x.UseReflect, y.UseReflect);
    EXPECT_EQ(x.mode, y.mode);
    EXPECT_EQ(x.time, y.time);
    if (x.UseReflect) {
      for (int k = 0; k < kCurvePoints; ++k)
        EXPECT_NEAR(x.reflectance[std::size_t(k)], y.reflectance[std::size_t(k)], 1e-6f);
    } else {
      EXPECT_NEAR(x.L, y.L, 1e-4f);
      EXPECT_NEAR(x.a, y.a, 1e-4f);
      EXPECT_NEAR(x.b, y.b, 1e-4f);
      EXPECT_EQ(x.illuminant, y.illuminant);
      EXPECT_EQ(x.observer, y.observer);
    }
  }
}

TEST_F(JobFileTest, RoundTripKeepsConditionsAndRecords) {
  Job job(manager);
  fillConditions(job);
  parametricFactors() = {2.0f, 1.5f, 0.75f};
  job.addStandard(timed(curveSample("Red", 0, "Cotton"), 2014, 5, 6, 9, 30, 0), false);
  job.addStandard(curveSample("Blue", 40), false);
  job.addSample(labSample("Lot1", 50.125f, -3.5f, 12.25f, D50, Observer2), false);
  job.addSample(timed(curveSample("Lot2", 5), 2024, 2, 29, 23, 59, 59), false);
  job.addSample(labSample("Lot3", 40, 1, 2, A, Observer10), false);
  job.selectStandard(1);
  job.selectSample(2);
  const std::string text = jobFileText(job);

  parametricFactors() = {};
  Job back(manager);
  ASSERT_TRUE(readJobFileText(back, text));
  EXPECT_EQ(back.title, "Batch 7");
  EXPECT_EQ(back.DeviceName, "CM-26d");
  EXPECT_EQ(back.IlluminantCount, 3u);
  EXPECT_EQ(back.illuminants[0], D50);
  EXPECT_EQ(back.illuminants[1], F11);
  EXPECT_EQ(back.illuminants[2], C);
  EXPECT_EQ(back.observer, Observer2);
  EXPECT_EQ(back.colorSpace, CieLuv);
  EXPECT_EQ(back.colorFormula, Cmc);
  EXPECT_EQ(back.DataAccuracy, 2);
  EXPECT_EQ(back.StandardNameRule1, "Std%nn");
  EXPECT_EQ(back.StandardNameRule2, "B%yyyy");
  EXPECT_EQ(back.SampleNameRule1, "Lot%nnn");
  EXPECT_EQ(back.SampleNameRule2, "x");
  EXPECT_EQ(back.StandardMaterial, "Cotton");
  EXPECT_EQ(back.SampleMaterial, "Wool");
  EXPECT_EQ(back.metameric.conditions[0].illuminant, F2);
  EXPECT_EQ(back.metameric.conditions[1].illuminant, D75);
  EXPECT_EQ(back.metameric.conditions[0].observer, Observer2);
  EXPECT_EQ(back.metameric.conditions[1].observer, Observer10);
  EXPECT_EQ(back.EnglishAddress, "1 Dye Street");
  EXPECT_EQ(back.ChineseAddress, "染料街 1 号");
  EXPECT_EQ(back.EnglishName, "Dyeworks");
  EXPECT_EQ(back.ChineseName, "染厂");
  EXPECT_TRUE(back.PrintChromaticity);
  EXPECT_TRUE(back.PrintReflectanceInCumulative);
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(back.toleranceB[std::size_t(i)].upper, job.toleranceB[std::size_t(i)].upper) << i;
    // Entry 3 of each slot has no lower limit in the file.
    const float lower = i % 4 == 3 ? -1.0f : job.toleranceB[std::size_t(i)].lower;
    EXPECT_EQ(back.toleranceB[std::size_t(i)].lower, lower) << i;
  }
  EXPECT_EQ(back.judgeMethod, UseColorimetricAndDeltaE);
  EXPECT_EQ(back.toleranceQuotiety, 0.5f);
  EXPECT_EQ(parametricFactors().kL, 2.0f);
  EXPECT_EQ(parametricFactors().kC, 1.5f);
  EXPECT_EQ(parametricFactors().kH, 0.75f);
  expectSameRecords(job, back, RecordList::Standards);
  expectSameRecords(job, back, RecordList::Samples);
  EXPECT_EQ(back.currentStandard, 1);
  EXPECT_EQ(back.currentSample, 2);
  EXPECT_FALSE(back.modified());
  // Records read back are numbered from 1 in file order.
  EXPECT_EQ(back.standard(0).SerialNumber, 1);
  EXPECT_EQ(back.sample(2).SerialNumber, 3);
  // What was read writes the same bytes again.
  EXPECT_EQ(jobFileText(back), text);
}

// The example job: two standards with curves, one hand-entered sample.
std::string exampleText() {
  std::string reflects;
  for (int i = 1; i <= 31; ++i) reflects += " Reflect" + std::to_string(i) + "=\"0.5\"";
  std::string reflects2;
  for (int i = 1; i <= 31; ++i) reflects2 += " Reflect" + std::to_string(i) + "=\"0.25\"";
  std::string limits;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j)
      limits += " I" + std::to_string(i) + "Lower" + std::to_string(j) + "=\"-1\" I" +
                std::to_string(i) + "Upper" + std::to_string(j) + "=\"1\"";
    limits += " I" + std::to_string(i) + "Upper3=\"1.5\"";
  }
  return "<Job Name=\"Job1\" DeviceName=\"CM-26d\" IlluminantCount=\"1\" Illuminant1=\"D65\" "
         "Illuminant2=\"A\" "
         "Illuminant3=\"F2\" Observer=\"10\xC2\xB0\" ColorSpace=\"CIE LAB, LCh\" "
         "ColorFormula=\"CIE 1976\" KL=\"1\" "
         "KC=\"1\" KH=\"1\" DataAccuracy=\"3\" StandardNameRule1=\"Standard%nnn\" "
         "StandardNameRule2=\"\" "
         "SampleNameRule1=\"Sample%nnn\" SampleNameRule2=\"\" StandardMaterial=\"\" "
         "SampleMaterial=\"\">\r\n"
         "    <MetamericIndex Illuminant0=\"D65\" Observer0=\"10\xC2\xB0\" Illuminant1=\"A\" "
         "Observer1=\"10\xC2\xB0\" />\r\n"
         "</Job>\r\n"
         "<UserInfo EnglishAddress=\"\" ChineseAddress=\"\" EnglishName=\"\" ChineseName=\"\" "
         "PrintChromaticity=\"0\" "
         "PrintReflectanceInCumulative=\"0\" />\r\n"
         "<Tolerance" +
         limits +
         " JudgeMethod=\"Use \xCE\x94"
         "E\" ToleranceQuotiety=\"0.75\" />\r\n"
         "<Standard Current=\"1\">\r\n"
         "    <Standard Name=\"Red\" Material=\"Cotton\" CLM=\"SCI\"" +
         reflects +
         " Time=\"2014/05/06 09:30:00\" />\r\n"
         "    <Standard Name=\"Blue\" Material=\"\" CLM=\"SCI\"" +
         reflects2 +
         " Time=\"2014/05/06 09:31:05\" />\r\n"
         "</Standard>\r\n"
         "<Sample Current=\"0\">\r\n"
         "    <Sample Name=\"Lot 1\" Material=\"Cotton\" CLM=\"SCE\" UseReflect=\"0\" L=\"50.5\" "
         "a=\"-2.25\" b=\"12\" "
         "Illuminant=\"D65\" Observer=\"10\xC2\xB0\" Time=\"2014/05/07 14:00:00\" />\r\n"
         "</Sample>\r\n";
}

void buildExample(Job& job) {
  job.setTitle("Job1");
  job.DeviceName = "CM-26d";
  for (int i = 0; i < 3; ++i) job.toleranceB[std::size_t(toleranceIndex(i, 3))].upper = 1.5f;
  MeasurementRecord red = timed(curveSample("Red", 0, "Cotton"), 2014, 5, 6, 9, 30, 0);
  red.reflectance.fill(0.5f);
  MeasurementRecord blue = timed(curveSample("Blue"), 2014, 5, 6, 9, 31, 5);
  blue.reflectance.fill(0.25f);
  red.mode = blue.mode = SCI;
  MeasurementRecord lot =
      timed(labSample("Lot 1", 50.5f, -2.25f, 12, D65, Observer10), 2014, 5, 7, 14, 0, 0);
  lot.setMaterial("Cotton");
  lot.mode = SCE;
  job.addStandard(red, false);
  job.addStandard(blue, true);
  job.addSample(lot, false);
}

TEST_F(JobFileTest, WritesTheExampleByteForByte) {
  Job job(manager);
  buildExample(job);
  EXPECT_EQ(jobFileText(job), exampleText());
}

TEST_F(JobFileTest, ExampleReadsBackIntoTheSameLists) {
  Job written(manager);
  buildExample(written);
  Job job(manager);
  ASSERT_TRUE(readJobFileText(job, exampleText()));
  expectSameRecords(written, job, RecordList::Standards);
  expectSameRecords(written, job, RecordList::Samples);
  EXPECT_EQ(job.currentStandard, 1);
  EXPECT_EQ(job.currentSample, 0);
  EXPECT_EQ(job.title, "Job1");
  EXPECT_EQ(job.toleranceB[std::size_t(toleranceIndex(2, 3))].upper, 1.5f);
}

TEST_F(JobFileTest, SimplifiedChineseJobRoundTripsUnchanged) {
  LanguageIndex = ChineseSimplified;
  Job job(manager);
  fillConditions(job);
  job.setColorFormula(ColorFastness);
  job.judgeMethod = UseColorimetric;
  job.SampleNameRule1 = "试样%nnn";
  job.addStandard(curveSample("红色标样", 0, "棉布"), false);
  job.addSample(labSample("试样一", 50, 1, 2, D50, Observer2), false);
  for (const char* codePage : {"UTF-8", "GBK"}) {
    SCOPED_TRACE(codePage);
    const std::string text = jobFileText(job, codePage);
    EXPECT_NE(text.find(std::string(codePage) == "GBK" ? "\xB1\xEA\xD1\xF9" : "标样"),
              std::string::npos);
    EXPECT_NE(text.find(toCodePageForTest("变色牢度", codePage)), std::string::npos);
    Job back(manager);
    std::string error;
    ASSERT_TRUE(readJobFileText(back, text, &error, codePage)) << error;
    EXPECT_EQ(back.standard(0).nameUtf8(), "红色标样");
    EXPECT_EQ(back.standard(0).materialUtf8(), "棉布");
    EXPECT_EQ(back.sample(0).nameUtf8(), "试样一");
    EXPECT_EQ(back.SampleNameRule1, "试样%nnn");
    EXPECT_EQ(back.ChineseName, "染厂");
    EXPECT_EQ(back.colorFormula, ColorFastness);
    EXPECT_EQ(back.colorSpace, CieLuv);
    EXPECT_EQ(back.judgeMethod, UseColorimetric);
    EXPECT_EQ(back.observer, Observer2);
    EXPECT_EQ(back.sample(0).observer, Observer2);
    EXPECT_EQ(jobFileText(back, codePage), text);
  }
}

TEST_F(JobFileTest, LanguageTextsReadInAnotherLanguage) {
  LanguageIndex = ChineseSimplified;
  Job job(manager);
  job.colorSpace = CieXyz;
  job.setColorFormula(ColorFastness);  // "变色牢度"
  job.judgeMethod = UseColorimetric;
  job.observer = Observer2;  // "2°"
  const std::string chinese = jobFileText(job);
  LanguageIndex = English;
  Job back(manager);
  back.judgeMethod = UseColorimetricAndDeltaE;
  back.observer = Observer10;
  ASSERT_TRUE(readJobFileText(back, chinese));
  EXPECT_EQ(back.colorFormula, Cie1976);  // no English match
  EXPECT_EQ(back.colorSpace, CieXyz);     // "CIE XYZ" reads the same in every language
  EXPECT_EQ(back.judgeMethod, UseColorimetricAndDeltaE);  // unrecognised: unchanged
  EXPECT_EQ(back.observer, Observer2);                    // "2°" starts with English "2"
}

struct ObserverCase {
  int language;
  const char* text;
  int expected;  // -1: unchanged
};

TEST_F(JobFileTest, ObserverMatchesByLeadingCharacters) {
  const ObserverCase cases[] = {
      {English, "2", Observer2},
      {ChineseSimplified, "2", Observer2},
      {English, "2\xC2\xB0", Observer2},
      {English, "10\xC2\xB0", Observer10},
      {ChineseTraditional, "10", Observer10},
      {English, "1", -1},
      {English, "", -1},
      {English, "x10", -1},
      {English, "20", Observer2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " in language " + std::to_string(c.language));
    LanguageIndex = std::uint8_t(c.language);
    for (Observer start : {Observer2, Observer10}) {
      Job job(manager);
      job.observer = start;
      ASSERT_TRUE(readJobFileText(job, std::string("<Job Observer=\"") + c.text + "\" />"));
      EXPECT_EQ(job.observer, c.expected < 0 ? start : c.expected);
    }
  }
}

struct RecordCase {
  const char* name;
  const char* attributes;
  bool useReflect;
  float L, r0, r30;
  int mode, illuminant, observer;
};

TEST_F(JobFileTest, RecordAttributesAndTheirDefaults) {
  std::string all;
  for (int i = 1; i <= 31; ++i)
    all += " Reflect" + std::to_string(i) + "=\"0." + std::to_string(i % 10) + "\"";
  manager.currentMeasurementMode = SCE;
  jobManager().currentMeasurementMode = SCE;
  const RecordCase cases[] = {
      // Reflectances without UseReflect: a reflectance record.
      {"curve", all.c_str(), true, 0, 0.1f, 0.1f, SCE, A, Observer2},
      {"no attributes", "", true, 0, 0, 0, SCE, A, Observer2},
      {"lab without L", " UseReflect=\"0\" a=\"3\" b=\"4\"", false, 0, 0, 0, SCE, A, Observer2},
      {"lab", " UseReflect=\"0\" L=\"55.5\" Illuminant=\"f11\" Observer=\"10\xC2\xB0\" CLM=\"sci\"",
       false, 55.5f, 0, 0, SCI, F11, Observer10},
      {"unknown illuminant", " UseReflect=\"0\" Illuminant=\"D66\" Observer=\"?\"", false, 0, 0, 0,
       SCE, A, Observer2},
      {"UseReflect not a number", " UseReflect=\"no\" Reflect31=\"0.75\"", true, 0, 0, 0.75f, SCE,
       A, Observer2},
      {"UseReflect non-zero", " UseReflect=\"7\"", true, 0, 0, 0, SCE, A, Observer2},
      {"numbers with junk", " UseReflect=\"0\" L=\" 12.5abc\" Reflect1=\"x\"", false, 12.5f, 0, 0,
       SCE, A, Observer2},
      {"missing reflectances are 0", " Reflect2=\"0.5\"", true, 0, 0, 0, SCE, A, Observer2},
      {"unknown mode", " CLM=\"SCX\"", true, 0, 0, 0, SCE, A, Observer2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Job job(manager);
    job.illuminants[0] = A;
    job.observer = Observer2;
    const std::string text = std::string("<Job Illuminant1=\"A\" Observer=\"2\" />") +
                             "<Sample><Sample Name=\"s\"" + c.attributes + " /></Sample>";
    ASSERT_TRUE(readJobFileText(job, text));
    ASSERT_EQ(job.sampleCount(), 1);
    const MeasurementRecord& r = job.sample(0);
    EXPECT_EQ(r.UseReflect, c.useReflect);
    EXPECT_EQ(r.L, c.L);
    EXPECT_EQ(r.reflectance[0], c.r0);
    EXPECT_EQ(r.reflectance[30], c.r30);
    EXPECT_EQ(r.mode, c.mode);
    EXPECT_EQ(r.illuminant, c.illuminant);
    EXPECT_EQ(r.observer, c.observer);
  }
  jobManager().currentMeasurementMode = 1;
}

TEST_F(JobFileTest, RealsKeepSixSignificantDigits) {
  Job job(manager);
  MeasurementRecord r = curveSample("r");
  r.reflectance[0] = 0.123456789f;
  r.reflectance[1] = 0.000012345678f;
  r.reflectance[2] = 0.75f;
  job.addStandard(r, false);
  job.addSample(labSample("s", 98.7654321f, -0.1f, 1234567.0f, D65, Observer10), false);
  const std::string text = jobFileText(job);
  EXPECT_NE(text.find("Reflect1=\"0.123457\""), std::string::npos);
  EXPECT_NE(text.find("Reflect2=\"1.23457e-05\""), std::string::npos);
  EXPECT_NE(text.find("Reflect3=\"0.75\""), std::string::npos);
  EXPECT_NE(text.find("L=\"98.7654\" a=\"-0.1\" b=\"1.23457e+06\""), std::string::npos);
  Job back(manager);
  ASSERT_TRUE(readJobFileText(back, text));
  EXPECT_EQ(back.standard(0).reflectance[0], 0.123457f);
  EXPECT_EQ(back.sample(0).L, 98.7654f);
}

TEST_F(JobFileTest, WrittenNumbersIgnoreTheNumericLocale) {
  // A decimal-comma locale, if the machine has one, must not leak into the file.
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = old ? old : "C";
  const bool switched = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
  Job job(manager);
  job.toleranceQuotiety = 0.25f;
  const std::string text = jobFileText(job);
  Job back(manager);
  const bool read = readJobFileText(back, text);
  std::setlocale(LC_NUMERIC, saved.c_str());
  EXPECT_NE(text.find("ToleranceQuotiety=\"0.25\""), std::string::npos)
      << (switched ? "de_DE" : "C");
  ASSERT_TRUE(read);
  EXPECT_EQ(back.toleranceQuotiety, 0.25f);
}

struct TimeCase {
  const char* text;
  RecordTime expected;  // day, month, year, second, minute, hour
};

TEST_F(JobFileTest, TimeIsTakenOnlyWhenReal) {
  const TimeCase cases[] = {
      {"2014/05/06 09:30:00", {6, 5, 2014, 0, 30, 9}},
      {"2014/02/30 25:00:00", {}},            // neither a real date nor a real time
      {"2014/05/06", {6, 5, 2014, 0, 0, 0}},  // a date without a time
      {"2016/02/29 23:59:59", {29, 2, 2016, 59, 59, 23}},
      {"2015/02/29 12:00:00", {0, 0, 0, 0, 0, 12}},
      {"2014/05 10:20:30", {0, 0, 0, 30, 20, 10}},  // two date parts are not a date
      {"2014/05/06 12:61:00", {6, 5, 2014, 0, 0, 0}},
      {"2014/05/06/07 8:9", {6, 5, 2014, 0, 9, 8}},
      {"--/--/-- --:--:--", {}},
      {"2014/13/01 -1:00:00", {}},
      {"99999/01/01 00:00:01", {0, 0, 0, 1, 0, 0}},
      {"", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    Job job(manager);
    ASSERT_TRUE(readJobFileText(
        job, std::string("<Standard><Standard Time=\"") + c.text + "\" /></Standard>"));
    EXPECT_EQ(job.standard(0).time, c.expected);
  }
}

TEST_F(JobFileTest, InvalidDateOrTimeIsWrittenAsDashes) {
  const std::pair<RecordTime, const char*> cases[] = {
      {{6, 5, 2014, 0, 30, 9}, "Time=\"2014/05/06 09:30:00\""},
      {{}, "Time=\"--/--/-- 00:00:00\""},
      {{30, 2, 2014, 0, 0, 25}, "Time=\"--/--/-- --:--:--\""},
      {{1, 1, 2000, 60, 0, 0}, "Time=\"2000/01/01 --:--:--\""},
  };
  for (const auto& [time, expected] : cases) {
    SCOPED_TRACE(expected);
    Job job(manager);
    MeasurementRecord r = curveSample("r");
    r.time = time;
    job.addStandard(r, false);
    EXPECT_NE(jobFileText(job).find(expected), std::string::npos);
  }
}

// A job with records, conditions, a path and unsaved changes, and a snapshot
// of everything a refused file must leave alone.
struct OpenJob {
  explicit OpenJob(const JobManager& m) : job(m) {
    job.addStandard(curveSample("S1"), false);
    job.addStandard(curveSample("S2", 10), true);
    job.addSample(curveSample("T1", 5), false);
    job.setColorFormula(Cie2000);
    job.setTitle("Mine");
    job.filePath = "/jobs/old.job";
    job.setModified(true);
    before = jobFileText(job);
  }
  void expectUntouched() const {
    EXPECT_EQ(jobFileText(job), before);
    EXPECT_EQ(job.filePath, "/jobs/old.job");
    EXPECT_TRUE(job.modified());
    EXPECT_EQ(job.standardCount(), 2);
    EXPECT_EQ(job.currentStandard, 1);
  }
  Job job;
  std::string before;
};

TEST_F(JobFileTest, RefusedFilesLeaveTheOpenJobAlone) {
  TempDir dir;
  const std::string good = [&] {
    Job job(manager);
    buildExample(job);
    return jobFileText(job);
  }();
  std::string deep;
  for (int i = 0; i < 100000; ++i) deep += "<a>";
  std::string deepClosed = "<Job />" + deep;
  for (int i = 0; i < 100000; ++i) deepClosed += "</a>";
  std::string manyAttributes = "<Job";
  for (int i = 0; i < 5000; ++i) manyAttributes += " a" + std::to_string(i) + "=\"\"";
  manyAttributes += " />";
  const std::pair<const char*, std::string> cases[] = {
      {"empty", ""},
      {"blank", " \r\n "},
      {"not XML", "this is a spreadsheet"},
      {"truncated", good.substr(0, good.size() / 2)},
      {"truncated inside a tag", good.substr(0, good.find("Reflect7"))},
      {"other XML", "<html><body /></html>"},
      {"NUL bytes", std::string("<Job Name=\"a\0b\" />"sv)},
      {"UTF-16", std::string("<\0J\0o\0b\0 \0/\0>\0"sv)},
      {"deep nesting", "<Job>" + deep},
      {"deep nesting, closed", deepClosed},
      {"too many attributes", manyAttributes},
      {"unclosed comment", "<Job /><!-- and then"},
      {"unclosed CDATA", "<Standard><![CDATA[ xx"},
      {"duplicate attribute", "<Job Name=\"a\" Name=\"b\" />"},
      {"duplicate attribute in a record",
       "<Standard><Standard Name=\"a\" Name=\"b\" /></Standard>"},
      {"bad character reference", "<Job Name=\"&#xZZ;\" />"},
      {"mismatched end tag", "<Standard><Standard Name=\"x\" /></Sample>"},
  };
  for (const auto& [name, bytes] : cases) {
    SCOPED_TRACE(name);
    OpenJob open(manager);
    std::string error;
    EXPECT_FALSE(readJobFileText(open.job, bytes, &error, "UTF-8"));
    EXPECT_EQ(error.rfind("Open file failed!\n", 0), 0u) << error;
    open.expectUntouched();

    const std::string path = dir.path() + "/case.job";
    writeFile(path, bytes);
    error.clear();
    EXPECT_FALSE(readJobFile(open.job, path, &error));
    EXPECT_EQ(error.rfind("Open file failed!\n", 0), 0u) << error;
    EXPECT_NE(error.find(path), std::string::npos) << error;
    open.expectUntouched();
  }
}

TEST_F(JobFileTest, MissingOrUnreadableFileIsReported) {
  TempDir dir;
  for (const std::string& path : {dir.path() + "/missing.job", dir.path()}) {
    SCOPED_TRACE(path);
    OpenJob open(manager);
    std::string error;
    EXPECT_FALSE(readJobFile(open.job, path, &error));
    EXPECT_EQ(error.rfind("Open file failed!\n" + path + ": ", 0), 0u) << error;
    open.expectUntouched();
  }
  LanguageIndex = ChineseSimplified;
  OpenJob open(manager);
  std::string error;
  EXPECT_FALSE(readJobFile(open.job, dir.path() + "/missing.job", &error));
  EXPECT_EQ(error.rfind("打开文件失败！\n", 0), 0u) << error;
}

TEST_F(JobFileTest, OpeningReplacesTheJobAndRemembersThePath) {
  TempDir dir;
  const std::string path = dir.path() + "/example.job";
  writeFile(path, exampleText());
  OpenJob open(manager);
  std::string error;
  ASSERT_TRUE(readJobFile(open.job, path, &error)) << error;
  EXPECT_EQ(open.job.filePath, path);
  EXPECT_FALSE(open.job.modified());
  EXPECT_EQ(open.job.title, "Job1");
  EXPECT_EQ(open.job.standardCount(), 2);
  EXPECT_EQ(open.job.sampleCount(), 1);
  EXPECT_EQ(open.job.colorFormula, Cie1976);
}

TEST_F(JobFileTest, OuterElementsWithoutChildren) {
  OpenJob open(manager);
  open.job.DataAccuracy = 4;
  ASSERT_TRUE(readJobFileText(open.job, "<Standard Current=\"0\" />\r\n<Sample />\r\n"));
  EXPECT_EQ(open.job.standardCount(), 0);
  EXPECT_EQ(open.job.sampleCount(), 0);
  EXPECT_EQ(open.job.currentStandard, -1);
  EXPECT_EQ(open.job.currentSample, -1);
  // Without a Job element the conditions stay.
  EXPECT_EQ(open.job.colorFormula, Cie2000);
  EXPECT_EQ(open.job.DataAccuracy, 4);
  EXPECT_EQ(open.job.title, "Mine");
  EXPECT_FALSE(open.job.modified());
}

TEST_F(JobFileTest, CurrentIndexAfterReading) {
  const std::pair<const char*, int> cases[] = {
      {"", 0},
      {" Current=\"2\"", 2},
      {" Current=\"-1\"", -1},
      {" Current=\"3\"", -1},
      {" Current=\"99999999999\"", -1},
      {" Current=\"x\"", 0},
      {" Current=\"-7\"", -1},
  };
  for (const auto& [attribute, expected] : cases) {
    SCOPED_TRACE(attribute);
    Job job(manager);
    const std::string text =
        std::string("<Standard") + attribute +
        "><Standard Name=\"a\" /><Standard Name=\"b\" /><Standard Name=\"c\" /></Standard>";
    ASSERT_TRUE(readJobFileText(job, text));
    EXPECT_EQ(job.currentStandard, expected);
  }
}

TEST_F(JobFileTest, YesNoFlags) {
  const std::pair<const char*, int> cases[] = {
      {"1", 1},  {"yes", 1},   {"TRUE", 1}, {"Yes", 1},    {"0", 0},
      {"no", 0}, {"False", 0}, {"2", -1},   {"maybe", -1}, {"", -1},
  };
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE(text);
    for (bool start : {false, true}) {
      Job job(manager);
      job.PrintChromaticity = start;
      job.PrintReflectanceInCumulative = start;
      ASSERT_TRUE(readJobFileText(job, std::string("<UserInfo PrintChromaticity=\"") + text +
                                           "\" PrintReflectanceInCumulative=\"" + text + "\" />"));
      EXPECT_EQ(job.PrintChromaticity, expected < 0 ? start : expected == 1);
      EXPECT_EQ(job.PrintReflectanceInCumulative, expected < 0 ? start : expected == 1);
    }
  }
}

TEST_F(JobFileTest, ToleranceLimitsMissingOrOutOfRange) {
  Job job(manager);
  job.toleranceB[0].lower = -3;
  job.toleranceB[0].upper = 3;
  job.toleranceQuotiety = 0.6f;
  ASSERT_TRUE(readJobFileText(
      job,
      "<Tolerance I0Upper0=\"x\" I0Lower3=\"-9\" I1Lower1=\"-0.5\" "
      "I2Upper3=\"2.5\" JudgeMethod=\"Use Colorimetric\" ToleranceQuotiety=\"0.95\" />"));
  EXPECT_EQ(job.toleranceB[0].lower, -3);  // missing: kept
  EXPECT_EQ(job.toleranceB[0].upper, 3);   // not a number: kept
  EXPECT_EQ(job.toleranceB[3].lower, -1);  // entry 3 has no lower limit
  EXPECT_EQ(job.toleranceB[5].lower, -0.5f);
  EXPECT_EQ(job.toleranceB[11].upper, 2.5f);
  EXPECT_EQ(job.judgeMethod, UseColorimetric);
  EXPECT_EQ(job.toleranceQuotiety, 0.6f);  // outside 0.10..0.90: kept
}

TEST_F(JobFileTest, JobElementRangesAndKeptValues) {
  Job job(manager);
  job.DataAccuracy = 4;
  job.setIlluminantCount(2);
  parametricFactors() = {1.25f, 1.0f, 1.0f};
  ASSERT_TRUE(readJobFileText(job,
                              "<Job DataAccuracy=\"300\" IlluminantCount=\"4\" Illuminant2=\"F12\" "
                              "Illuminant3=\"none\" KC=\"2\" KH=\"nan\" />"));
  EXPECT_EQ(job.DataAccuracy, 4);
  EXPECT_EQ(job.IlluminantCount, 2u);
  EXPECT_EQ(job.illuminants[1], F12);
  EXPECT_EQ(job.illuminants[2], F2);
  EXPECT_EQ(parametricFactors().kL, 1.25f);  // missing: kept
  EXPECT_EQ(parametricFactors().kC, 2.0f);
  EXPECT_EQ(parametricFactors().kH, 1.0f);  // not a number: kept
  EXPECT_EQ(job.colorSpace, CieLab);        // no text: code 0
}

TEST_F(JobFileTest, AwkwardTextsRoundTrip) {
  const std::string texts[] = {
      "tab\there, line\r\nbreak, bell\x07",
      "&#x41; stays as typed",
      "&#x\"<quote>\" and more",
      "a & b < c > d \" e ' f",
      "&amp; &#65; &lt;",
  };
  for (const std::string& text : texts) {
    SCOPED_TRACE(text);
    Job job(manager);
    MeasurementRecord r = curveSample(text, 0, text);
    job.addStandard(r, false);
    job.StandardNameRule2 = text;
    Job back(manager);
    std::string error;
    ASSERT_TRUE(readJobFileText(back, jobFileText(job), &error, "UTF-8")) << error;
    ASSERT_EQ(back.standardCount(), 1);
    EXPECT_EQ(back.standard(0).nameUtf8(), text);
    EXPECT_EQ(back.standard(0).materialUtf8(), text);
    EXPECT_EQ(back.StandardNameRule2, text);
  }
}

// Record lists in the plain written form are read past TinyXML; a list in
// any other form is read by TinyXML. Every mixture must give the same job.
TEST_F(JobFileTest, RecordListsReadTheSameInEveryForm) {
  Job job(manager);
  buildExample(job);
  job.addSample(curveSample("a & b <c> \"d\" 'e' \t\x01 中文", 3, "棉 & silk"), false);
  job.addSample(labSample("Lab one", 51.5f, -2.25f, 3.125f, D50, Observer2), false);
  job.selectSample(1);
  const std::string written = jobFileText(job, "UTF-8");
  const std::size_t samples = written.find("<Sample Current=");
  ASSERT_NE(samples, std::string::npos);
  const std::size_t firstRecord = written.find("<Sample ", samples + 1);
  std::string withComment = written;
  withComment.insert(firstRecord, "<!-- kept by TinyXML -->");
  std::string withText = written;
  withText.insert(written.find("<Standard ", written.find("<Standard Current=") + 1), "loose text");
  const std::pair<const char*, std::string> forms[] = {
      {"as written", written},
      {"a comment among the samples", withComment},
      {"text among the standards", withText},
      {"LF line ends",
       [&] {
         std::string lf;
         for (char c : written)
           if (c != '\r') lf += c;
         return lf;
       }()},
  };
  for (const auto& [name, text] : forms) {
    SCOPED_TRACE(name);
    Job back(manager);
    std::string error;
    ASSERT_TRUE(readJobFileText(back, text, &error, "UTF-8")) << error;
    EXPECT_EQ(jobFileText(back, "UTF-8"), written);
    EXPECT_EQ(back.currentSample, 1);
  }
}

TEST_F(JobFileTest, TextsThatLookLikeTheReadersMarkStayTexts) {
  Job job(manager);
  job.addStandard(curveSample("corvana-record-list:0", 0), false);
  job.addSample(curveSample("<!--corvana-record-list:1-->", 1), false);
  job.addSample(curveSample("plain", 2), false);
  Job back(manager);
  std::string error;
  ASSERT_TRUE(readJobFileText(back, jobFileText(job, "UTF-8"), &error, "UTF-8")) << error;
  ASSERT_EQ(back.standardCount(), 1);
  ASSERT_EQ(back.sampleCount(), 2);
  EXPECT_EQ(back.standard(0).nameUtf8(), "corvana-record-list:0");
  EXPECT_EQ(back.sample(0).nameUtf8(), "<!--corvana-record-list:1-->");
  EXPECT_EQ(back.sample(1).nameUtf8(), "plain");
}

TEST_F(JobFileTest, AFaultAfterTheRecordsIsPlacedInTheFile) {
  Job job(manager);
  buildExample(job);
  std::string text = jobFileText(job, "UTF-8");
  const std::size_t lines = std::size_t(std::count(text.begin(), text.end(), '\n'));
  text += "<Extra Name=\"x\"></Other>";  // on the last line: an end tag TinyXML refuses
  OpenJob open(manager);
  std::string error;
  EXPECT_FALSE(readJobFileText(open.job, text, &error, "UTF-8"));
  EXPECT_NE(error.find("(line " + std::to_string(lines + 1) + ","), std::string::npos) << error;
  open.expectUntouched();
}

TEST_F(JobFileTest, LongNamesAreCutWithoutSplittingAPair) {
  const std::string emoji = "\xF0\x9F\x8E\xA8";  // two UTF-16 units
  const std::pair<std::string, std::size_t> cases[] = {
      {std::string(200, 'n'), 127},
      {std::string(126, 'n') + emoji, 126},
      {std::string(125, 'n') + emoji + "x", 127},
      {std::string(10 * 1024 * 1024, 'h'), 127},
  };
  for (const auto& [name, units] : cases) {
    SCOPED_TRACE(units);
    Job job(manager);
    const std::string text =
        "<Standard><Standard Name=\"" + name + "\" Material=\"" + name + "\" /></Standard>";
    ASSERT_TRUE(readJobFileText(job, text));
    EXPECT_EQ(utf8ToUtf16(job.standard(0).nameUtf8()).size(), units);
    EXPECT_EQ(utf8ToUtf16(job.standard(0).materialUtf8()).size(), units);
  }
}

TEST_F(JobFileTest, GbkFileReadsUnderAUtf8Locale) {
  const std::string utf8 =
      "<Job Name=\"工作一\" /><Standard><Standard Name=\"红色标样\" Material=\"棉布\" "
      "/></Standard>";
  const std::string gbk = iconvForTest(utf8, "GBK");
  ASSERT_NE(gbk, utf8);
  Job job(manager);
  std::string error;
  ASSERT_TRUE(readJobFileText(job, gbk, &error, "UTF-8")) << error;
  EXPECT_EQ(job.title, "工作一");
  EXPECT_EQ(job.standard(0).nameUtf8(), "红色标样");
  EXPECT_EQ(job.standard(0).materialUtf8(), "棉布");

  TempDir dir;
  writeFile(dir.path() + "/gbk.job", gbk);
  Job fromFile(manager);
  ASSERT_TRUE(readJobFile(fromFile, dir.path() + "/gbk.job", &error)) << error;
  EXPECT_EQ(fromFile.standard(0).nameUtf8(), "红色标样");
}

TEST_F(JobFileTest, Cp1252FileReadsWhenNeitherChineseCodePageFits) {
  const std::string bytes =
      "<Standard><Standard Name=\"Caf\xE9\" Material=\"na\xEFve\" /></Standard>";
  Job job(manager);
  ASSERT_TRUE(readJobFileText(job, bytes, nullptr, "UTF-8"));
  EXPECT_EQ(job.standard(0).nameUtf8(), "Café");
  EXPECT_EQ(job.standard(0).materialUtf8(), "naïve");
}

TEST_F(JobFileTest, SaveReplacesTheFileWholeAndClearsModified) {
  TempDir dir;
  const std::string path = dir.path() + "/job.job";
  writeFile(path, "old contents");
  ::chmod(path.c_str(), 0640);
  Job job(manager);
  buildExample(job);
  job.filePath = "/elsewhere/kept.job";
  ASSERT_TRUE(job.modified());
  std::string error;
  ASSERT_TRUE(writeJobFile(job, path, &error)) << error;
  EXPECT_FALSE(job.modified());
  EXPECT_EQ(readFile(path), exampleText());
  EXPECT_EQ(job.filePath, "/elsewhere/kept.job");  // Save As leaves the remembered path
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  // No temporary file is left behind.
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 1);
}

TEST_F(JobFileTest, FailedSaveIsReportedAndTheJobStaysModified) {
  TempDir dir;
  std::filesystem::create_directory(dir.path() + "/folder");
  const std::string cases[] = {
      "",                                   // no path yet
      dir.path() + "/no/such/dir/job.job",  // the directory is missing
      dir.path() + "/folder",               // a directory is in the way
  };
  for (const std::string& path : cases) {
    SCOPED_TRACE(path);
    Job job(manager);
    job.addStandard(curveSample("S"), false);
    ASSERT_TRUE(job.modified());
    std::string error;
    EXPECT_FALSE(writeJobFile(job, path, &error));
    EXPECT_TRUE(job.modified());
    EXPECT_FALSE(error.empty());
  }
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() + "/folder"));
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 1);  // only the folder: no temporary file left
}

}  // namespace
}  // namespace corvana

namespace corvana {
namespace {

// Inputs the fuzzer found; each reads (or is refused) and an accepted one
// writes out and reads back to the same bytes.
TEST(JobFileFuzzFindings, FixturesReadAndRoundTrip) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(CORVANA_JOB_FIXTURES)) {
    SCOPED_TRACE(entry.path().filename().string());
    ++files;
    JobManager manager;
    Job job(manager);
    std::string error;
    if (!readJobFileText(job, testing::readFile(entry.path().string()), &error, "UTF-8")) {
      EXPECT_FALSE(error.empty());
      continue;
    }
    const std::string written = jobFileText(job);
    Job again(manager);
    ASSERT_TRUE(readJobFileText(again, written, &error, "UTF-8")) << error;
    EXPECT_EQ(jobFileText(again), written);
    parametricFactors() = {};
  }
  EXPECT_GT(files, 0);
}

TEST(JobFileFuzzFindings, LimitBeyondFloatKeepsTheCurrentValue) {
  JobManager manager;
  Job job(manager);
  ASSERT_TRUE(readJobFileText(
      job, testing::readFile(std::string(CORVANA_JOB_FIXTURES) + "/fuzz_float_overflow.job")));
  EXPECT_EQ(job.toleranceB[std::size_t(toleranceIndex(2, 2))].upper, 1.0f);
  for (const auto& entry : job.toleranceB)
    EXPECT_TRUE(std::isfinite(entry.upper) && std::isfinite(entry.lower));
  parametricFactors() = {};
}

}  // namespace
}  // namespace corvana

namespace corvana {
namespace {

// The text is built without a TinyXML document; TinyXML's own printer must
// give the same bytes for it, escaping and quote choice included.
TEST(JobFileLayout, MatchesTinyXmlsPrinter) {
  JobManager manager;
  Job job(manager);
  job.setTitle("a'b\"c <&> \x01\t");
  job.addStandard(testing::curveSample("q\"uote", 0, "it's"), false);
  job.addSample(testing::labSample("x > y & z", 1, 2, 3, A, Observer2), false);
  Job empty(manager);
  for (const Job* j : {&job, &empty}) {
    const std::string text = jobFileText(*j);
    TiXmlDocument doc;
    doc.Parse(text.c_str(), nullptr, TIXML_ENCODING_UTF8);
    ASSERT_FALSE(doc.Error()) << doc.ErrorDesc();
    TiXmlPrinter printer;
    printer.SetIndent("    ");
    printer.SetLineBreak("\r\n");
    doc.Accept(&printer);
    EXPECT_EQ(std::string(printer.CStr()), text);
  }
}

}  // namespace
}  // namespace corvana

namespace corvana {
namespace {

TEST(JobFileName, JobExtensionIsAddedOnlyWhenTheNameHasNone) {
  struct Case {
    const char* typed;
    const char* saved;
  };
  const Case cases[] = {
      {"a", "a.job"},
      {"a.job", "a.job"},
      {"a.JOB", "a.JOB"},
      {"a.txt", "a.txt"},  // an extension the user chose is theirs
      {"a.b.c", "a.b.c"},
      {"dir.v2/a", "dir.v2/a.job"},  // a dot in a folder is no extension
      {"/tmp/dir.v2/a.job", "/tmp/dir.v2/a.job"},
      {"dir.v2\\a", "dir.v2\\a.job"},
      {"a.", "a.job"},  // an empty extension is none
      {"a..", "a.job"},
      {"a.txt.", "a.txt"},
      {".x", ".x.job"},  // a leading dot starts a hidden name, not an extension
      {".job", ".job"},
      {"dir/.JOB", "dir/.JOB"},
      {"", ""},
      {"dir/", "dir/"},  // no file name to extend
  };
  for (const Case& c : cases) EXPECT_EQ(withJobExtension(c.typed), c.saved) << c.typed;
}

}  // namespace
}  // namespace corvana
