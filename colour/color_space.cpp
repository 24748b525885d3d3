#include "colour/color_space.h"

namespace corvana {

namespace {

constexpr ColorSpace kSpaceOrder[] = {CieLab,    CieXyz,        CieLuv,    CieRgb,
                                      HunterLab, WhitenessTint, Yellowness};
constexpr ColorFormula kFormulaOrder[] = {
    Cie1976, Cie94, Cie2000, Cmc, ColorFastness, StainingFastness, ColorStrength, MetamericIndex};

bool replacesHueAndChroma(ColorSpace space, ColorFormula formula) {
  return (space == CieLab || space == CieLuv) && formula >= Cie94 && formula <= Cmc;
}

}  // namespace

std::span<const ColorSpace> colorSpaceOrder() { return kSpaceOrder; }
std::span<const ColorFormula> colorFormulaOrder() { return kFormulaOrder; }

int valueCount(ColorSpace space) {
  if (space == CieRgb || space == HunterLab) return 3;
  return isKnown(space) ? 5 : 0;
}

int differenceCount(ColorSpace space, ColorFormula formula) {
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

int formulaFirstSlot(ColorSpace space, ColorFormula formula) {
  const int n = valueCount(space);
  return replacesHueAndChroma(space, formula) ? n - 2 : n;
}

}  // namespace corvana
