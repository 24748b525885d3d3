#pragma once
// Colour spaces and difference formulas: codes and the layout of their value and difference slots.
#include <array>
#include <cstdint>
#include <span>

namespace corvana {

enum ColorSpace : std::int32_t {
  CieLab = 0, CieXyz = 1, CieLuv = 2, CieRgb = 3, HunterLab = 4, WhitenessTint = 5, Yellowness = 6,
};
constexpr int kColorSpaceCount = 7;

enum ColorFormula : std::int32_t {
  Cie1976 = 0, Cie94 = 1, Cie2000 = 2, Cmc = 3,
  ColorFastness = 4, StainingFastness = 5, MetamericIndex = 6, ColorStrength = 7,
};
constexpr int kColorFormulaCount = 8;

constexpr int kMaxValues = 5;
constexpr int kMaxDifferences = 8;
using ColorValues = std::array<float, kMaxValues>;
using ColorDifferences = std::array<float, kMaxDifferences>;

// Codes in the order of selection lists and of text lookup.
std::span<const std::int32_t> colorSpaceOrder();
std::span<const std::int32_t> colorFormulaOrder();  // 0, 1, 2, 3, 4, 5, 7, 6

int valueCount(std::int32_t space);
int differenceCount(std::int32_t space, std::int32_t formula);
// Slot of the first formula-specific difference (ΔC term of formulas 1 to 3).
int formulaFirstSlot(std::int32_t space, std::int32_t formula);

}  // namespace corvana
