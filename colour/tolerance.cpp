#include "colour/tolerance.h"

#include "colour/color_space.h"

namespace corvana {

int componentSlot(ColorSpace space, int entry) {
  static constexpr int kXyzSlots[3] = {1, 3, 4};  // ΔY, Δx, Δy
  return space == CieXyz ? kXyzSlots[entry] : entry;
}

int judgedTotalSlot(ColorSpace space, ColorFormula formula) {
  const int D = differenceCount(space, formula);
  return (formula == ColorFastness || formula == StainingFastness) ? D - 3 : D - 1;
}

}  // namespace corvana
