#include "core/parametric_factor_rules.h"

#include "colour/color_space.h"
#include "core/language_table.h"
#include "core/number_text.h"

namespace corvana {

namespace {
constexpr FactorLimits kLimits[kParametricFactorCount] = {
    {Text::FactorKl, 1.0f, 10.0f},
    {Text::FactorKc, 0.1f, 10.0f},
    {Text::FactorKh, 0.1f, 10.0f},
};
}  // namespace

FactorLimits factorLimits(int factor) { return kLimits[factor]; }

bool usesParametricFactors(ColorFormula formula) {
  return formula == Cie94 || formula == Cie2000 || formula == Cmc;
}

bool hasFixedKH(ColorFormula formula) { return formula == Cmc; }

bool factorInRange(int factor, float value) {
  const FactorLimits& l = kLimits[factor];
  return value >= l.low && value <= l.high;
}

std::string factorRangeMessage(int factor) {
  const FactorLimits& l = kLimits[factor];
  return fillPlaceholders(LookupText(Text::ValueMustBeBetween),
                          {LookupText(l.name), double(l.low), double(l.high)});
}

bool storesParametricFactors(ColorFormula selectedFormula, ColorFormula formulaBeforeApply) {
  return usesParametricFactors(selectedFormula) || usesParametricFactors(formulaBeforeApply);
}

bool validatesParametricFactors(ColorFormula selectedFormula, ColorFormula formulaBeforeApply) {
  return storesParametricFactors(selectedFormula, formulaBeforeApply);
}

}  // namespace corvana
