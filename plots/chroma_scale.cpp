#include "plots/chroma_scale.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace corvana {

float fullScaleOf(ColorSpace space, const ToleranceTable& limits) {
  float m = 0.1f;
  if (space == CieXyz) {
    const ToleranceSet& y = limits[std::size_t(toleranceIndex(0, 0))];
    m = std::max(std::abs(y.lower), std::abs(y.upper));
  } else {
    const ToleranceSet& first = limits[std::size_t(toleranceIndex(0, 0))];
    for (int e = 0; e < kEntriesPerSlot; ++e) {
      const ToleranceSet& entry = limits[std::size_t(toleranceIndex(0, e))];
      if (first.upperEnabled) m = std::max(m, std::abs(entry.upper));
      if (first.lowerEnabled) m = std::max(m, std::abs(entry.lower));
    }
  }
  return 1.8f * m;
}

namespace {

// Far beyond any pane, yet safe to truncate to int.
constexpr double kBeyond = 1.0e6;

double scaled(double value, float fullScale, double span) {
  if (value == 0) return 0;
  double ratio = fullScale > 0 ? value / fullScale * span * 0.5 : std::copysign(kBeyond, value);
  return std::clamp(ratio, -kBeyond, kBeyond);
}

}  // namespace

int limitOffset(float limit, float fullScale, double span) {
  if (std::isnan(limit)) return 0;
  return int(scaled(std::abs(double(limit)), fullScale, span));
}

double differenceOffset(float difference, float fullScale, double span) {
  if (std::isnan(difference)) return 0;
  return scaled(double(difference), fullScale, span);
}

bool hasPosition(float difference) { return !std::isnan(difference); }

}  // namespace corvana
