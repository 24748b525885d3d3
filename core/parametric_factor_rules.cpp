#include "core/parametric_factor_rules.h"

#include "core/language_table.h"
#include "core/number_text.h"
#include "colour/color_space.h"

namespace corvana {

namespace {
constexpr int kFactorRangeMessageRow = 360;  // "%s must between %6.2f and %6.2f!"
constexpr FactorLimits kLimits[kParametricFactorCount] = {
    {105, 1.0f, 10.0f},  // KL
    {106, 0.1f, 10.0f},  // KC
    {107, 0.1f, 10.0f},  // KH
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
  return fillPlaceholders(LookupText(kFactorRangeMessageRow),
                          {LookupText(l.nameRow), double(l.low), double(l.high)});
}

bool storesParametricFactors(ColorFormula formulaBeforeApply) {
  return usesParametricFactors(formulaBeforeApply);
}

bool validatesParametricFactors(ColorFormula selectedFormula, ColorFormula formulaBeforeApply) {
  return usesParametricFactors(selectedFormula) || storesParametricFactors(formulaBeforeApply);
}

}  // namespace corvana
