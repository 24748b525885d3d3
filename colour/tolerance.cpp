#include "colour/tolerance.h"

#include <vector>

#include "colour/color_space.h"

namespace corvana {

int componentSlot(std::int32_t space, int entry) {
  static constexpr int kXyzSlots[3] = {1, 3, 4};  // ΔY, Δx, Δy
  return space == CieXyz ? kXyzSlots[entry] : entry;
}

int judgedTotalSlot(std::int32_t space, std::int32_t formula) {
  const int D = differenceCount(space, formula);
  return (formula == ColorFastness || formula == StainingFastness) ? D - 3 : D - 1;
}

void assignToleranceComponents(ToleranceTable& table, std::int32_t space, std::int32_t formula) {
  const std::vector<int> values = valueLabelRows(space, false);
  const std::vector<int> differences = differenceLabelRows(space, formula, false);
  const int D = differenceCount(space, formula);
  int totalIndex = D - 1;
  if (formula == MetamericIndex) totalIndex = D - 2;
  else if (formula == ColorFastness || formula == StainingFastness || formula == ColorStrength)
    totalIndex = D - 3;
  const auto rowAt = [](const std::vector<int>& rows, int i) {
    return i >= 0 && i < int(rows.size()) ? rows[std::size_t(i)] : 0;
  };
  for (int slot = 0; slot < kIlluminantSlots; ++slot) {
    for (int entry = 0; entry < 3; ++entry) {
      ToleranceSet& e = table[std::size_t(toleranceIndex(slot, entry))];
      e.componentLabel = rowAt(values, componentSlot(space, entry));
      e.upperEnabled = e.lowerEnabled = true;
    }
    ToleranceSet& total = table[std::size_t(toleranceIndex(slot, 3))];
    total.componentLabel = rowAt(differences, totalIndex);
    total.upperEnabled = true;
  }
}

}  // namespace corvana
