#include "core/date_time_text.h"

#include <gtest/gtest.h>

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

TEST(DateTimeText, DateAndTimeAreJudgedApart) {
  struct Case {
    RecordTime time;
    const char* text;
  } cases[] = {
      {at(2014, 5, 6, 9, 3, 7), "2014/05/06 09:03:07"},
      {at(2005, 12, 31, 23, 59, 59), "2005/12/31 23:59:59"},
      {at(2016, 2, 29, 0, 0, 0), "2016/02/29 00:00:00"},
      {at(2000, 2, 29, 12, 0, 0), "2000/02/29 12:00:00"},
      {at(1900, 2, 29, 12, 0, 0), "--/--/-- 12:00:00"},
      {at(2015, 2, 29, 12, 0, 0), "--/--/-- 12:00:00"},
      {at(2014, 4, 31, 8, 0, 0), "--/--/-- 08:00:00"},
      {at(2014, 0, 6, 8, 0, 0), "--/--/-- 08:00:00"},
      {at(2014, 13, 6, 8, 0, 0), "--/--/-- 08:00:00"},
      {at(2014, 5, 0, 8, 0, 0), "--/--/-- 08:00:00"},
      {at(2014, 5, 6, 24, 0, 0), "2014/05/06 --:--:--"},
      {at(2014, 5, 6, 23, 60, 0), "2014/05/06 --:--:--"},
      {at(2014, 5, 6, 23, 59, 60), "2014/05/06 --:--:--"},
      {RecordTime{}, "--/--/-- 00:00:00"},
      {at(0, 0, 0, 99, 99, 99), "--/--/-- --:--:--"},
      {at(5, 1, 2, 3, 4, 5), "0005/01/02 03:04:05"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(dateTimeText(c.time), c.text);
  }
}

TEST(DateTimeText, LocalTimeFieldsMapOntoTheRecordTime) {
  std::tm local{};
  local.tm_year = 114;  // 2014
  local.tm_mon = 4;     // May
  local.tm_mday = 6;
  local.tm_hour = 9;
  local.tm_min = 3;
  local.tm_sec = 60;  // a leap second
  EXPECT_EQ(recordTimeOf(local), at(2014, 5, 6, 9, 3, 59));
}

TEST(DateTimeText, NowIsAValidTime) {
  const RecordTime now = currentLocalTime();
  EXPECT_TRUE(now.isValid());
  EXPECT_GE(now.year, 2024);
}

}  // namespace
}  // namespace corvana
