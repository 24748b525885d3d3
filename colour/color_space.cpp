#include "colour/color_space.h"

namespace corvana {

namespace {

constexpr std::int32_t kSpaceOrder[] = {0, 1, 2, 3, 4, 5, 6};
constexpr std::int32_t kFormulaOrder[] = {0, 1, 2, 3, 4, 5, 7, 6};

bool knownSpace(std::int32_t s) { return s >= 0 && s < kColorSpaceCount; }

bool replacesHueAndChroma(std::int32_t space, std::int32_t formula) {
  return (space == CieLab || space == CieLuv) && formula >= Cie94 && formula <= Cmc;
}

}  // namespace

std::span<const std::int32_t> colorSpaceOrder() { return kSpaceOrder; }
std::span<const std::int32_t> colorFormulaOrder() { return kFormulaOrder; }

int valueCount(std::int32_t space) {
  if (space == CieRgb || space == HunterLab) return 3;
  return knownSpace(space) ? 5 : 0;
}

int differenceCount(std::int32_t space, std::int32_t formula) {
  const int n = valueCount(space);
  switch (formula) {
    case Cie1976: return n + 1;
    case Cie94:
    case Cie2000:
    case Cmc: return n + (replacesHueAndChroma(space, formula) ? 1 : 3);
    case ColorFastness:
    case StainingFastness:
    case ColorStrength: return n + 3;
    case MetamericIndex: return n + 2;
    default: return n + 1;
  }
}

int formulaFirstSlot(std::int32_t space, std::int32_t formula) {
  const int n = valueCount(space);
  return replacesHueAndChroma(space, formula) ? n - 2 : n;
}

}  // namespace corvana
