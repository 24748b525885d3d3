#pragma once
// Texts of the measuring and judging conditions in the current language:
// colour spaces, formulas, observers, judge methods, grades, parametric factors.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "colour/color_space.h"
#include "colour/judgement.h"
#include "colour/parametric_factors.h"
#include "colour/spectral.h"
#include "core/language_table.h"

namespace corvana {

Text colorSpaceTextRow(ColorSpace space);        // Text::None for an unknown code
Text colorFormulaTextRow(ColorFormula formula);  // Text::None for an unknown code
// Text to code compares without case against the current language's texts in
// list order, first match wins.
std::string colorSpaceText(ColorSpace space);
std::string colorFormulaText(ColorFormula formula);
std::optional<ColorSpace> colorSpaceFromText(std::string_view text);
std::optional<ColorFormula> colorFormulaFromText(std::string_view text);

// The observer texts ("2" / "2°", "10°").
constexpr Text observerTextRow(Observer observer) {
  return observer == Observer10 ? Text::Observer10Degrees : Text::Observer2Degrees;
}

Text gradeTextRow(Grade grade);                 // "Level 1", "Level 2", "NG"
Text judgeMethodTextRow(std::uint32_t method);  // Text::None for an unknown method
std::string judgeMethodText(std::uint32_t method);
std::optional<std::uint32_t> judgeMethodFromText(std::string_view text);

// "KL: 1.00, KC: 1.00, KH: 1.00" for formulas 1 to 3, empty otherwise.
std::string parametricFactorsText(ColorFormula formula, const ParametricFactors& k);
// The same for the factors every open job shares.
std::string parametricFactorsText(ColorFormula formula);

}  // namespace corvana
