#pragma once
// Rectangular tolerance entries: three components and a total per illuminant slot.
#include <array>
#include <cstdint>

#include "colour/color_space.h"

namespace corvana {

struct ToleranceSet {
  float lower = -1.0f;
  float upper = 1.0f;
  bool upperEnabled = false;
  bool lowerEnabled = false;
  std::int32_t componentLabel = 0;  // language-table row
  friend bool operator==(const ToleranceSet&, const ToleranceSet&) = default;
};

constexpr int kIlluminantSlots = 3;
constexpr int kEntriesPerSlot = 4;  // three components, then the total
using ToleranceTable = std::array<ToleranceSet, kIlluminantSlots * kEntriesPerSlot>;

constexpr int toleranceIndex(int slot, int entry) { return slot * kEntriesPerSlot + entry; }

// Difference slot judged by component entry 0..2.
int componentSlot(ColorSpace space, int entry);
// Difference slot whose value entry 3's upper limit applies to.
int judgedTotalSlot(ColorSpace space, ColorFormula formula);

}  // namespace corvana
