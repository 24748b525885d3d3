#include "colour/judgement.h"

#include <algorithm>

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
      if (x > t.upper || x < t.lower)
        colorimetric = NoGood;
      else if (x > q * t.upper || x < q * t.lower)
        colorimetric = std::max(colorimetric, int(Level2));
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

}  // namespace corvana
