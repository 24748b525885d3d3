#include "core/date_time_text.h"

#include <cstdio>

namespace corvana {

bool isValidDate(const RecordTime& t) {
  if (t.month < 1 || t.month > 12 || t.day < 1) return false;
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (t.year % 4 == 0 && t.year % 100 != 0) || t.year % 400 == 0;
  return t.day <= kDays[t.month - 1] + (t.month == 2 && leap ? 1 : 0);
}

bool isValidTimeOfDay(const RecordTime& t) {
  return t.hour <= 23 && t.minute <= 59 && t.second <= 59;
}

std::string dateText(const RecordTime& t) {
  if (!isValidDate(t)) return "--/--/--";
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d", int(t.year), int(t.month), int(t.day));
  return buffer;
}

std::string timeText(const RecordTime& t) {
  if (!isValidTimeOfDay(t)) return "--:--:--";
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", int(t.hour), int(t.minute), int(t.second));
  return buffer;
}

std::string dateTimeText(const RecordTime& t) { return dateText(t) + " " + timeText(t); }

RecordTime recordTimeOf(const std::tm& local) {
  RecordTime t;
  t.day = std::uint8_t(local.tm_mday);
  t.month = std::uint8_t(local.tm_mon + 1);
  t.year = std::uint16_t(local.tm_year + 1900);
  // A leap second (tm_sec 60) would make the time invalid.
  t.second = std::uint8_t(local.tm_sec > 59 ? 59 : local.tm_sec);
  t.minute = std::uint8_t(local.tm_min);
  t.hour = std::uint8_t(local.tm_hour);
  return t;
}

RecordTime currentLocalTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return recordTimeOf(local);
}

}  // namespace corvana
