#pragma once
// Which formulas take the parametric factors kL, kC, kH, the range each
// factor may take, and when a dialog's factors are stored.
#include <cstdint>
#include <string>

#include "colour/color_space.h"
#include "core/language_table.h"

namespace corvana {

enum ParametricFactor : int { FactorKL = 0, FactorKC = 1, FactorKH = 2 };
constexpr int kParametricFactorCount = 3;

struct FactorLimits {
  Text name;        // "KL", "KC", "KH"
  float low, high;  // both included
};

FactorLimits factorLimits(int factor);

// CIE 94, CIE 2000 and CMC use the factors.
bool usesParametricFactors(ColorFormula formula);
// CMC has no kH: its field is greyed and reads 1.00.
bool hasFixedKH(ColorFormula formula);

bool factorInRange(int factor, float value);
// "KL must between   1.00 and  10.00!" in the current language.
std::string factorRangeMessage(int factor);

// The factors typed in the dialog are stored when the chosen formula takes
// them, so factors typed together with a change of formula are kept, and
// also when the job's formula before the apply took them, so edits made
// before switching to a formula without factors are not lost.
bool storesParametricFactors(ColorFormula selectedFormula, ColorFormula formulaBeforeApply);
// The factors must be valid whenever they would be used or stored.
bool validatesParametricFactors(ColorFormula selectedFormula, ColorFormula formulaBeforeApply);

}  // namespace corvana
