#pragma once
// Colour spaces and difference formulas: codes and the layout of their value and difference slots.
#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace corvana {

enum ColorSpace : std::int32_t {
  CieLab = 0,
  CieXyz = 1,
  CieLuv = 2,
  CieRgb = 3,
  HunterLab = 4,
  WhitenessTint = 5,
  Yellowness = 6,
};
constexpr int kColorSpaceCount = 7;

enum ColorFormula : std::int32_t {
  Cie1976 = 0,
  Cie94 = 1,
  Cie2000 = 2,
  Cmc = 3,
  ColorFastness = 4,
  StainingFastness = 5,
  MetamericIndex = 6,
  ColorStrength = 7,
};
constexpr int kColorFormulaCount = 8;

constexpr bool isKnown(ColorSpace space) { return space >= 0 && space < kColorSpaceCount; }
constexpr bool isKnown(ColorFormula formula) {
  return formula >= 0 && formula < kColorFormulaCount;
}

// Empty for a code outside the enumeration.
constexpr std::optional<ColorSpace> colorSpaceFromCode(int code) {
  if (code < 0 || code >= kColorSpaceCount) return std::nullopt;
  return static_cast<ColorSpace>(code);
}
constexpr std::optional<ColorFormula> colorFormulaFromCode(int code) {
  if (code < 0 || code >= kColorFormulaCount) return std::nullopt;
  return static_cast<ColorFormula>(code);
}

constexpr int kMaxValues = 5;
constexpr int kMaxDifferences = 8;
using ColorValues = std::array<float, kMaxValues>;
using ColorDifferences = std::array<float, kMaxDifferences>;

// Codes in the order of selection lists and of text lookup.
std::span<const ColorSpace> colorSpaceOrder();
std::span<const ColorFormula> colorFormulaOrder();  // 0, 1, 2, 3, 4, 5, 7, 6

int valueCount(ColorSpace space);
int differenceCount(ColorSpace space, ColorFormula formula);
// Slot of the first formula-specific difference (ΔC term of formulas 1 to 3).
int formulaFirstSlot(ColorSpace space, ColorFormula formula);

}  // namespace corvana
