#include "colour/judgement.h"

#include <algorithm>

#include "app/language_table.h"
#include "colour/spectral.h"

namespace corvana {

Grade judgeValues(const JudgeCriteria& c, const ColorDifferences& v, int slot) {
  const float q = c.quotiety;
  const auto entry = [&](int e) -> const ToleranceSet& {
    return (*c.limits)[std::size_t(toleranceIndex(slot, e))];
  };
  int colorimetric = Level1;
  if (c.method == UseColorimetric || c.method == UseColorimetricAndDeltaE) {
    for (int e = 0; e < 3; ++e) {
      const float x = v[std::size_t(componentSlot(c.space, e))];
      const ToleranceSet& t = entry(e);
      if (x > t.upper || x < t.lower) colorimetric = NoGood;
      else if (x > q * t.upper || x < q * t.lower) colorimetric = std::max(colorimetric, int(Level2));
    }
  }
  int total = Level1;
  if (c.method == UseDeltaE || c.method == UseColorimetricAndDeltaE) {
    const float x = v[std::size_t(judgedTotalSlot(c.space, c.formula))];
    const float u = entry(3).upper;
    total = x > u ? NoGood : x > q * u ? Level2 : Level1;
  }
  return Grade(std::max(colorimetric, total));
}

int gradeTextRow(Grade grade) {
  switch (grade) {
    case Level1: return 290;
    case Level2: return 291;
    default: return 16;
  }
}

int judgeMethodTextRow(std::uint32_t method) {
  switch (method) {
    case UseDeltaE: return 278;
    case UseColorimetric: return 277;
    case UseColorimetricAndDeltaE: return 279;
    default: return 0;
  }
}

std::string judgeMethodText(std::uint32_t method) {
  const int row = judgeMethodTextRow(method);
  return row ? LookupText(row) : std::string();
}

std::optional<std::uint32_t> judgeMethodFromText(std::string_view text) {
  for (std::uint32_t m = 0; m < 3; ++m)
    if (equalsIgnoreCase(text, LookupText(judgeMethodTextRow(m)))) return m;
  return std::nullopt;
}

}  // namespace corvana
