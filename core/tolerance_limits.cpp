#include "core/tolerance_limits.h"

#include <cmath>
#include <string_view>

#include "colour/color_space.h"
#include "core/language_table.h"
#include "core/number_text.h"

namespace corvana {

namespace {
constexpr LimitRange kWideLower{-12800, -10, 10};
constexpr LimitRange kWideUpper{10, 12800, 10};
constexpr LimitRange kChromaticityLower{-100, -1, 1};
constexpr LimitRange kChromaticityUpper{1, 100, 1};
}  // namespace

LimitRange limitRange(ColorSpace space, int entry, bool lower) {
  const bool chromaticity = space == CieXyz && (entry == 1 || entry == 2);
  if (chromaticity) return lower ? kChromaticityLower : kChromaticityUpper;
  return lower ? kWideLower : kWideUpper;
}

std::optional<int> hundredths(double value) {
  const double scaled = value * 100.0;
  if (!std::isfinite(scaled) || std::fabs(scaled) > 1e9) return std::nullopt;
  return int(scaled);
}

bool limitInRange(double value, LimitRange range) {
  const std::optional<int> h = hundredths(value);
  return h && *h >= range.low && *h <= range.high;
}

bool quotietyInRange(float quotiety) {
  const float scaled = quotiety * 100.0f;
  return scaled >= float(kQuotietyRange.low) && scaled <= float(kQuotietyRange.high);
}

bool quotietyChanged(float oldQuotiety, float newQuotiety) {
  return int(oldQuotiety * 100.0f) != int(newQuotiety * 100.0f);
}

std::string slotWord(int slot) {
  // "Primary:", "Secondary:", "Tertiary:" follow one another.
  std::string word = LookupText(sequenceText(Text::PrimaryIlluminantLabel, slot));
  for (std::string_view colon : {std::string_view("\xEF\xBC\x9A"), std::string_view(":")}) {
    if (word.ends_with(colon)) {
      word.resize(word.size() - colon.size());
      break;
    }
  }
  return word;
}

std::string limitRangeMessage(int componentLabelRow, bool lower, LimitRange range) {
  return fillPlaceholders(
      LookupText(Text::LimitOverrange),
      {LookupText(Text(componentLabelRow)), LookupText(lower ? Text::Lower : Text::Upper),
       range.low / 100.0, range.high / 100.0});
}

}  // namespace corvana
