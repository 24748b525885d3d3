#pragma once
// Names of new records from the job's naming rules: "%" followed by letters
// "n" is a zero-filled running number, other tokens give the date and time.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/date_time_text.h"
#include "core/job_observer.h"

namespace corvana {

class Job;

// Text up to the first "%" unchanged; then per "%"-segment: empty -> "%";
// k letters n/N -> the counter zero-filled to k digits (never cut); a leading
// yyyy, yy, mm, m, dd, d, hh, h, ii, i, ss or s (any case, first match in
// that order) -> that field of `now`; otherwise the segment without its "%".
std::string expandTemplate(std::string_view text, std::int64_t counter,
                           const RecordTime& now = currentLocalTime());

// expand(rule1 + rule2, records in the list + 1): the next record's name.
std::string nameFromRules(const Job& job, RecordList list, std::string_view rule1,
                          std::string_view rule2, const RecordTime& now = currentLocalTime());

struct MeasurementNaming {
  // Auto Naming is off for the list: the naming dialog gives the name and
  // material, or cancels the measurement; name and material are empty.
  bool needsDialog = false;
  std::string name;
  std::string material;
};

// With the list's Auto Naming on: the job's rules and the list's material.
MeasurementNaming nameForNewMeasurement(const Job& job, RecordList list,
                                        const RecordTime& now = currentLocalTime());

}  // namespace corvana
