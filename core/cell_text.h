#pragma once
// The texts of list cells, shared by the lists and every report.
#include <string>
#include <string_view>

#include "core/job_observer.h"

namespace corvana {

// The text of a cell that has no value.
constexpr std::string_view kNoValueText = "--";

class Job;

// Colour value `value` of a record under illuminant slot `slot`, with the
// job's decimals, or "--".
std::string valueCellText(const Job& job, RecordList list, int record, int value, int slot = 0);
// Difference slot `k` of a sample, as a number, a grey-scale grade or a
// percentage as the formula asks, or "--".
std::string differenceCellText(const Job& job, int sample, int k, int slot = 0);
// The same for a difference value `v` of slot `k` of the job's formula;
// `curves`: both records carry a reflectance curve (strength and metameric
// index need them).
std::string differenceText(const Job& job, int k, float v, bool curves);
// The grade of a sample under a slot.
std::string gradeCellText(const Job& job, int sample, int slot = 0);

// "%.*f" of a value; one that rounds to zero has no minus sign.
std::string fixedText(double value, int decimals);

}  // namespace corvana
