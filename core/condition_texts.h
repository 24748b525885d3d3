#pragma once
// Texts of the measuring and judging conditions in the current language:
// colour spaces, formulas, observers, judge methods, grades, parametric factors.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "colour/judgement.h"
#include "colour/parametric_factors.h"
#include "colour/spectral.h"
#include "core/language_table.h"

namespace corvana {

Text colorSpaceTextRow(std::int32_t space);      // Text::None for an unknown code
Text colorFormulaTextRow(std::int32_t formula);  // Text::None for an unknown code
// Text to code compares without case against the current language's texts in
// list order, first match wins.
std::string colorSpaceText(std::int32_t space);
std::string colorFormulaText(std::int32_t formula);
std::optional<std::int32_t> colorSpaceFromText(std::string_view text);
std::optional<std::int32_t> colorFormulaFromText(std::string_view text);

// The observer texts ("2" / "2°", "10°").
constexpr Text observerTextRow(std::int32_t observer) {
  return observer == Observer10 ? Text::Observer10Degrees : Text::Observer2Degrees;
}

Text gradeTextRow(Grade grade);  // "Level 1", "Level 2", "NG"
Text judgeMethodTextRow(std::uint32_t method);  // Text::None for an unknown method
std::string judgeMethodText(std::uint32_t method);
std::optional<std::uint32_t> judgeMethodFromText(std::string_view text);

// "KL: 1.00, KC: 1.00, KH: 1.00" for formulas 1 to 3, empty otherwise.
std::string parametricFactorsText(std::int32_t formula, const ParametricFactors& k);
// The same for the factors every open job shares.
std::string parametricFactorsText(std::int32_t formula);

}  // namespace corvana
