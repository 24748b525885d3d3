#include "core/condition_texts.h"

#include <cstdio>
#include <span>

#include "colour/color_space.h"
#include "core/job_manager.h"
#include "core/language_table.h"

namespace corvana {

namespace {

constexpr int kSpaceTextRows[kColorSpaceCount] = {151, 160, 153, 154, 164, 155, 156};
constexpr int kFormulaTextRows[kColorFormulaCount] = {161, 162, 163, 165, 166, 168, 170, 374};

template <typename Code, typename RowOf>
std::optional<Code> fromText(std::string_view text, std::span<const Code> order, RowOf rowOf) {
  for (Code code : order)
    if (equalsIgnoreCase(text, LookupText(rowOf(code)))) return code;
  return std::nullopt;
}

}  // namespace

int colorSpaceTextRow(ColorSpace space) { return isKnown(space) ? kSpaceTextRows[space] : 0; }
int colorFormulaTextRow(ColorFormula formula) {
  return isKnown(formula) ? kFormulaTextRows[formula] : 0;
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

int gradeTextRow(Grade grade) {
  switch (grade) {
    case Level1: return 290;
    case Level2: return 291;
    default: return 16;
  }
}

int judgeMethodTextRow(std::uint32_t method) {
  switch (method) {
    case UseDeltaE: return 278;
    case UseColorimetric: return 277;
    case UseColorimetricAndDeltaE: return 279;
    default: return 0;
  }
}

std::string judgeMethodText(std::uint32_t method) {
  const int row = judgeMethodTextRow(method);
  return row ? LookupText(row) : std::string();
}

std::optional<std::uint32_t> judgeMethodFromText(std::string_view text) {
  for (std::uint32_t m = 0; m < 3; ++m)
    if (equalsIgnoreCase(text, LookupText(judgeMethodTextRow(m)))) return m;
  return std::nullopt;
}

std::string parametricFactorsText(ColorFormula formula, const ParametricFactors& k) {
  if (formula < Cie94 || formula > Cmc) return {};
  char text[256];
  std::snprintf(text, sizeof text, "%s: %4.2f, %s: %4.2f, %s: %4.2f", LookupText(105).c_str(),
                double(k.kL), LookupText(106).c_str(), double(k.kC), LookupText(107).c_str(),
                double(k.kH));
  return text;
}

std::string parametricFactorsText(ColorFormula formula) {
  return parametricFactorsText(formula, parametricFactors());
}

}  // namespace corvana
