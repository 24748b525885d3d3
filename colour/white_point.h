#pragma once
#include <cstdint>

namespace corvana {

struct WhitePoint {
  float X = 0, Y = 0, Z = 0;
};

// The stored white point of an (illuminant, observer) pair. These stored
// values, not the column sums of the weights, are the white everywhere.
// Returns false and leaves the outputs untouched for a pair without a table.
bool whitePointOf(std::int32_t illuminant, std::int32_t observer, float& Xn, float& Yn, float& Zn);
bool whitePointOf(std::int32_t illuminant, std::int32_t observer, WhitePoint& white);

}  // namespace corvana
