#include "core/condition_texts.h"

#include <cstdio>
#include <span>

#include "colour/color_space.h"
#include "core/job_manager.h"
#include "core/language_table.h"

namespace corvana {

namespace {

// Indexed by code.
constexpr Text kSpaceTextRows[kColorSpaceCount] = {
    Text::ColorSpaceCieLab,    Text::ColorSpaceCieXyz,    Text::ColorSpaceCieLuv,
    Text::ColorSpaceCieRgb,    Text::ColorSpaceHunterLab, Text::ColorSpaceWhitenessTint,
    Text::ColorSpaceYellowness};
constexpr Text kFormulaTextRows[kColorFormulaCount] = {
    Text::FormulaCie1976, Text::FormulaCie94,     Text::FormulaCie2000, Text::FormulaCmc,
    Text::ColorFastness,  Text::StainingFastness, Text::MetamericIndex, Text::ColorStrength};

template <typename Code, typename RowOf>
std::optional<Code> fromText(std::string_view text, std::span<const Code> order, RowOf rowOf) {
  for (Code code : order)
    if (equalsIgnoreCase(text, LookupText(rowOf(code)))) return code;
  return std::nullopt;
}

}  // namespace

Text colorSpaceTextRow(ColorSpace space) {
  return isKnown(space) ? kSpaceTextRows[space] : Text::None;
}
Text colorFormulaTextRow(ColorFormula formula) {
  return isKnown(formula) ? kFormulaTextRows[formula] : Text::None;
}

std::string colorSpaceText(ColorSpace space) {
  return isKnown(space) ? LookupText(kSpaceTextRows[space]) : std::string();
}
std::string colorFormulaText(ColorFormula formula) {
  return isKnown(formula) ? LookupText(kFormulaTextRows[formula]) : std::string();
}

std::optional<ColorSpace> colorSpaceFromText(std::string_view text) {
  return fromText(text, colorSpaceOrder(), colorSpaceTextRow);
}
std::optional<ColorFormula> colorFormulaFromText(std::string_view text) {
  return fromText(text, colorFormulaOrder(), colorFormulaTextRow);
}

Text gradeTextRow(Grade grade) {
  switch (grade) {
    case Level1: return Text::Level1;
    case Level2: return Text::Level2;
    default: return Text::NoGood;
  }
}

Text judgeMethodTextRow(std::uint32_t method) {
  switch (method) {
    case UseDeltaE: return Text::UseDeltaE;
    case UseColorimetric: return Text::UseColorimetric;
    case UseColorimetricAndDeltaE: return Text::UseColorimetricAndDeltaE;
    default: return Text::None;
  }
}

std::string judgeMethodText(std::uint32_t method) {
  const Text row = judgeMethodTextRow(method);
  return row != Text::None ? LookupText(row) : std::string();
}

std::optional<std::uint32_t> judgeMethodFromText(std::string_view text) {
  for (std::uint32_t m = 0; m < 3; ++m)
    if (equalsIgnoreCase(text, LookupText(judgeMethodTextRow(m)))) return m;
  return std::nullopt;
}

std::string parametricFactorsText(ColorFormula formula, const ParametricFactors& k) {
  if (formula < Cie94 || formula > Cmc) return {};
  char text[256];
  std::snprintf(text, sizeof text, "%s: %4.2f, %s: %4.2f, %s: %4.2f",
                LookupText(Text::FactorKl).c_str(), double(k.kL),
                LookupText(Text::FactorKc).c_str(), double(k.kC),
                LookupText(Text::FactorKh).c_str(), double(k.kH));
  return text;
}

std::string parametricFactorsText(ColorFormula formula) {
  return parametricFactorsText(formula, parametricFactors());
}

}  // namespace corvana
