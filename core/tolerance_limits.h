#pragma once
// The ranges of the tolerance dialog's limit and quotiety fields, their
// checks and the slot texts of its illuminant list.
#include <cstdint>
#include <optional>
#include <string>

#include "colour/color_space.h"

namespace corvana {

// In hundredths of the limit: the spin control's range and step.
struct LimitRange {
  int low, high, step;
};

// Entry 0..3 of a slot (3 = the total, upper only); CIE XYZ's chromaticity
// entries 1 and 2 take the narrow range.
LimitRange limitRange(ColorSpace space, int entry, bool lower);
constexpr LimitRange kQuotietyRange{10, 90, 1};

// A typed limit in hundredths, truncated toward zero; none for a value no
// int can hold (infinite or huge), which lies outside every range.
std::optional<int> hundredths(double value);
bool limitInRange(double value, LimitRange range);

// Quotiety × 100 in single precision within 10..90.
bool quotietyInRange(float quotiety);
// A new quotiety is stored only when its hundredths differ.
bool quotietyChanged(float oldQuotiety, float newQuotiety);

// "Primary", "Secondary", "Tertiary": the slot labels ("Primary:", ...)
// without their final colon (ASCII or full-width).
std::string slotWord(int slot);

// "ΔL* of Lower is overrange!(-128.00 ~  -0.10)" in the current language;
// the component is a tolerance entry's stored label row.
std::string limitRangeMessage(int componentLabelRow, bool lower, LimitRange range);

}  // namespace corvana
