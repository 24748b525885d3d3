#pragma once
// The date-and-time text of records, job files and reports:
// "2014/05/06 09:03:07"; an invalid date reads "--/--/--", an invalid time
// "--:--:--".
#include <ctime>
#include <string>

#include "colour/measurement_record.h"

namespace corvana {

// A real calendar date / hour <= 23, minute <= 59, second <= 59.
bool isValidDate(const RecordTime& time);
bool isValidTimeOfDay(const RecordTime& time);

std::string dateText(const RecordTime& time);
std::string timeText(const RecordTime& time);
std::string dateTimeText(const RecordTime& time);

RecordTime recordTimeOf(const std::tm& local);
// The local time now (seconds precision).
RecordTime currentLocalTime();

}  // namespace corvana
