#pragma once
#include <optional>

#include "colour/condition.h"

namespace corvana {

struct WhitePoint {
  float X = 0, Y = 0, Z = 0;
};

// The stored white point of a condition. These stored values, not the
// column sums of the weights, are the white everywhere. Empty for a
// condition without a table.
std::optional<WhitePoint> whitePointOf(Condition condition);

}  // namespace corvana
