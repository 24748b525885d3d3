#pragma once
// The one-line test condition that heads the cumulative report and the
// exported sheet: illuminant, observer, colour space, formula and factors.
#include <string>

namespace corvana {

class Job;

// "Illuminant: D65  Observer Angle: 10°  Color Space: CIE LAB, LCh  Color
// Formula: CIE 94 KL: 1.00, KC: 1.00, KH: 1.00 " in the current language,
// for the primary illuminant. The cumulative report appends its sort-mode
// part ("  Sort Mode: ...") to this; the sheet uses it as it stands.
std::string testConditionLine(const Job& job);

}  // namespace corvana
