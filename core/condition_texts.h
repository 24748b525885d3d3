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

namespace corvana {

int colorSpaceTextRow(ColorSpace space);        // 0 for an unknown code
int colorFormulaTextRow(ColorFormula formula);  // 0 for an unknown code
// Text to code compares without case against the current language's texts in
// list order, first match wins.
std::string colorSpaceText(ColorSpace space);
std::string colorFormulaText(ColorFormula formula);
std::optional<ColorSpace> colorSpaceFromText(std::string_view text);
std::optional<ColorFormula> colorFormulaFromText(std::string_view text);

// Language-table rows of the observer texts ("2" / "2°", "10°").
constexpr int observerTextRow(Observer observer) { return observer == Observer10 ? 73 : 72; }

int gradeTextRow(Grade grade);  // 290 "Level 1", 291 "Level 2", 16 "NG"
int judgeMethodTextRow(std::uint32_t method);
std::string judgeMethodText(std::uint32_t method);
std::optional<std::uint32_t> judgeMethodFromText(std::string_view text);

// "KL: 1.00, KC: 1.00, KH: 1.00" for formulas 1 to 3, empty otherwise.
std::string parametricFactorsText(ColorFormula formula, const ParametricFactors& k);
// The same for the factors every open job shares.
std::string parametricFactorsText(ColorFormula formula);

}  // namespace corvana
