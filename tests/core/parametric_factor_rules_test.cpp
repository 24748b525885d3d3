#include "core/parametric_factor_rules.h"

#include <gtest/gtest.h>

#include "colour/color_space.h"
#include "core/language_table.h"

namespace corvana {
namespace {

TEST(ParametricFactorRules, OnlyCie94Cie2000AndCmcTakeFactors) {
  for (int code = 0; code < kColorFormulaCount; ++code) {
    const ColorFormula f = *colorFormulaFromCode(code);
    const bool takes = f == Cie94 || f == Cie2000 || f == Cmc;
    EXPECT_EQ(usesParametricFactors(f), takes) << f;
    EXPECT_EQ(hasFixedKH(f), f == Cmc) << f;
  }
  EXPECT_FALSE(usesParametricFactors(static_cast<ColorFormula>(-1)));
  EXPECT_FALSE(usesParametricFactors(static_cast<ColorFormula>(8)));
}

TEST(ParametricFactorRules, RangesIncludeTheirLimits) {
  struct Case {
    int factor;
    float value;
    bool accepted;
  } cases[] = {
      {FactorKL, 0.5f, false},  {FactorKL, 0.99f, false},  {FactorKL, 1.0f, true},
      {FactorKL, 10.0f, true},  {FactorKL, 10.01f, false}, {FactorKC, 0.1f, true},
      {FactorKC, 0.09f, false}, {FactorKC, 10.0f, true},   {FactorKH, 0.1f, true},
      {FactorKH, 0.0f, false},  {FactorKH, 10.5f, false},  {FactorKH, -1.0f, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(factorInRange(c.factor, c.value), c.accepted) << c.factor << " " << c.value;
}

TEST(ParametricFactorRules, MessageNamesTheFactorAndItsLimits) {
  LanguageIndex = English;
  EXPECT_EQ(factorRangeMessage(FactorKL), "KL must between   1.00 and  10.00!");
  EXPECT_EQ(factorRangeMessage(FactorKC), "KC must between   0.10 and  10.00!");
  LanguageIndex = ChineseSimplified;
  EXPECT_EQ(factorRangeMessage(FactorKH), "KH 必须在   0.10 和  10.00 之间！");
  LanguageIndex = English;
}

TEST(ParametricFactorRules, FactorsAreStoredAndCheckedWithEitherFormulaTakingThem) {
  // Selected formula, formula of the job before the apply, stored. Factors
  // typed with a change to a formula that takes them are stored, and so
  // are those typed before a change to one that does not.
  struct Case {
    ColorFormula selected, before;
    bool stored;
  } cases[] = {
      {Cie94, Cie1976, true},           {Cmc, ColorFastness, true},      {Cie1976, Cie94, true},
      {Cie1976, MetamericIndex, false}, {ColorStrength, Cie1976, false}, {Cmc, Cmc, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(storesParametricFactors(c.selected, c.before), c.stored)
        << c.selected << " " << c.before;
    EXPECT_EQ(validatesParametricFactors(c.selected, c.before), c.stored)
        << c.selected << " " << c.before;
  }
}

}  // namespace
}  // namespace corvana
