#include "core/naming.h"

#include <gtest/gtest.h>

#include <string>

#include "core/job.h"
#include "core/job_manager.h"
#include "job_fixtures.h"

namespace corvana {
namespace {

RecordTime at(int year, int month, int day, int hour, int minute, int second) {
  RecordTime t;
  t.year = std::uint16_t(year);
  t.month = std::uint8_t(month);
  t.day = std::uint8_t(day);
  t.hour = std::uint8_t(hour);
  t.minute = std::uint8_t(minute);
  t.second = std::uint8_t(second);
  return t;
}

// Every field differs from the others, so a token that reads the wrong field
// shows.
const RecordTime kMay6 = at(2014, 5, 6, 9, 3, 7);
const RecordTime kNewYearsEve = at(2005, 12, 31, 23, 59, 48);

TEST(ExpandTemplate, TokensAndTheExamples) {
  struct Case {
    const char* text;
    std::int64_t counter;
    const char* may6;
    const char* newYearsEve;
  } cases[] = {
      {"Sample%nnn", 7, "Sample007", "Sample007"},
      {"A%%B", 1, "A%B", "A%B"},
      {"Lot%x", 1, "Lotx", "Lotx"},
      {"Std%nn-%yyyy%mm%dd", 12, "Std12-20140506", "Std12-20051231"},
      {"%YYYY%Mm", 1, "201405", "200512"},
      {"%yyyy/%mm/%dd %hh:%ii:%ss", 1, "2014/05/06 09:03:07", "2005/12/31 23:59:48"},
      {"%yy|%m|%d|%h|%i|%s", 1, "14|5|6|9|3|7", "05|12|31|23|59|48"},
      {"%YY%MM%DD%HH%II%SS", 1, "140506090307", "051231235948"},
      {"%yyy", 1, "14y", "05y"},
      {"%mmm", 1, "05m", "12m"},
      {"%ddx", 1, "06x", "31x"},
      {"%hhh", 1, "09h", "23h"},
      {"%ix", 1, "3x", "59x"},
      {"%second", 1, "7econd", "48econd"},
      {"%n", 1235, "1235", "1235"},
      {"%nn", 1235, "1235", "1235"},
      {"%NNNNNN", 1235, "001235", "001235"},
      {"%nNn", 5, "005", "005"},
      {"%nnabc%n", 4, "04abc4", "04abc4"},
      {"%n", 0, "0", "0"},
      {"%nnn", -5, "-05", "-05"},
      {"plain name", 3, "plain name", "plain name"},
      {"", 3, "", ""},
      {"%", 3, "%", "%"},
      {"A%", 3, "A%", "A%"},
      {"%%%n", 3, "%%3", "%%3"},  // "%" before another "%" or at the end: one "%" each
      {"%%%%", 3, "%%%%", "%%%%"},
      {"100%", 3, "100%", "100%"},
      {"%q%nn", 3, "q03", "q03"},
      {"标样%nnn-%mm月", 8, "标样008-05月", "标样008-12月"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(expandTemplate(c.text, c.counter, kMay6), c.may6);
    EXPECT_EQ(expandTemplate(c.text, c.counter, kNewYearsEve), c.newYearsEve);
  }
}

TEST(ExpandTemplate, TheDefaultTimeIsNow) {
  const RecordTime before = currentLocalTime();
  const std::string year = expandTemplate("%yyyy", 1);
  const RecordTime after = currentLocalTime();
  EXPECT_TRUE(year == std::to_string(before.year) || year == std::to_string(after.year)) << year;
}

class NameForNewMeasurement : public ::testing::Test {
 protected:
  void fill(RecordList list, int count) {
    for (int i = 0; i < count; ++i) {
      const MeasurementRecord r = testing::labSample("r", 50.0f, 0.0f, 0.0f, 0, 1);
      list == RecordList::Standards ? job.addStandard(r, false) : job.addSample(r, false);
    }
  }
  JobManager manager;
  Job job{manager};
};

TEST_F(NameForNewMeasurement, TheNextSampleAfterThreeIsNumberFour) {
  fill(RecordList::Samples, 3);
  fill(RecordList::Standards, 1);
  job.autoNamingSamples = true;
  job.SampleMaterial = "PA-6 黑";
  job.StandardMaterial = "wrong list";
  const MeasurementNaming naming = nameForNewMeasurement(job, RecordList::Samples, kMay6);
  EXPECT_FALSE(naming.needsDialog);
  EXPECT_EQ(naming.name, "Sample004");
  EXPECT_EQ(naming.material, "PA-6 黑");
}

TEST_F(NameForNewMeasurement, StandardsUseTheirOwnRulesAndCount) {
  fill(RecordList::Standards, 4);
  fill(RecordList::Samples, 9);
  job.autoNamingStandards = true;
  job.StandardNameRule1 = "Std";
  job.StandardNameRule2 = "%n";
  job.StandardMaterial = "M-1";
  job.SampleNameRule1 = "Wrong%n";
  const MeasurementNaming naming = nameForNewMeasurement(job, RecordList::Standards, kMay6);
  EXPECT_FALSE(naming.needsDialog);
  EXPECT_EQ(naming.name, "Std5");
  EXPECT_EQ(naming.material, "M-1");
}

TEST_F(NameForNewMeasurement, TheCounterIsNeverCut) {
  fill(RecordList::Samples, 1234);
  job.autoNamingSamples = true;
  for (const char* rule : {"%n", "%nn"}) {
    SCOPED_TRACE(rule);
    job.SampleNameRule1 = rule;
    EXPECT_EQ(nameForNewMeasurement(job, RecordList::Samples, kMay6).name, "1235");
  }
}

TEST_F(NameForNewMeasurement, TheTwoRulesAreJoinedBeforeExpanding) {
  job.autoNamingSamples = true;
  job.SampleNameRule1 = "Lot%";  // the "%" at its end joins the second rule
  job.SampleNameRule2 = "nn-%yyyy";
  EXPECT_EQ(nameForNewMeasurement(job, RecordList::Samples, kMay6).name, "Lot01-2014");
}

TEST_F(NameForNewMeasurement, WithAutoNamingOffTheDialogMustAsk) {
  fill(RecordList::Samples, 2);
  job.autoNamingStandards = true;  // the other list's flag does not count
  job.SampleMaterial = "M";
  const MeasurementNaming naming = nameForNewMeasurement(job, RecordList::Samples, kMay6);
  EXPECT_TRUE(naming.needsDialog);
  EXPECT_EQ(naming.name, "");
  EXPECT_EQ(naming.material, "");
  job.autoNamingStandards = false;
  job.autoNamingSamples = true;
  EXPECT_TRUE(nameForNewMeasurement(job, RecordList::Standards, kMay6).needsDialog);
  EXPECT_FALSE(nameForNewMeasurement(job, RecordList::Samples, kMay6).needsDialog);
}

TEST_F(NameForNewMeasurement, TheManualPageNamesFromItsOwnSegments) {
  fill(RecordList::Standards, 2);
  EXPECT_EQ(nameFromRules(job, RecordList::Standards, "Ref-", "%nnn/%dd", kMay6), "Ref-003/06");
}

}  // namespace
}  // namespace corvana
