#pragma once
// Colour spaces and difference formulas: codes, texts, slot layout and labels.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// Language-table rows naming each slot; label k names slot k.
std::vector<int> valueLabelRows(std::int32_t space, bool shortForm);
std::vector<int> differenceLabelRows(std::int32_t space, std::int32_t formula, bool shortForm);

int colorSpaceTextRow(std::int32_t space);      // 0 for an unknown code
int colorFormulaTextRow(std::int32_t formula);  // 0 for an unknown code
// Texts in the current language; text to code compares without case against
// the current language's texts in list order, first match wins.
std::string colorSpaceText(std::int32_t space);
std::string colorFormulaText(std::int32_t formula);
std::optional<std::int32_t> colorSpaceFromText(std::string_view text);
std::optional<std::int32_t> colorFormulaFromText(std::string_view text);

}  // namespace corvana
