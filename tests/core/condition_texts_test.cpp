#include "core/condition_texts.h"

#include <gtest/gtest.h>

#include "core/language_table.h"

namespace corvana {
namespace {

class EnumerationTexts : public ::testing::Test {
 protected:
  void TearDown() override { LanguageIndex = English; }
};

TEST_F(EnumerationTexts, CodeToTextAndBack) {
  EXPECT_EQ(colorSpaceText(CieLab), "CIE LAB, LCh");
  EXPECT_EQ(colorSpaceText(HunterLab), "Hunter LAB");
  EXPECT_EQ(colorSpaceText(static_cast<ColorSpace>(7)), "");
  EXPECT_EQ(colorFormulaText(ColorStrength), "Color Strength");
  EXPECT_EQ(colorFormulaFromText("cie 94"), 1);
  EXPECT_EQ(colorFormulaFromText("CMC"), 3);
  EXPECT_EQ(colorSpaceFromText("wi & tint"), 5);
  EXPECT_EQ(colorFormulaFromText("Metameric Index"), 6);
  EXPECT_FALSE(colorFormulaFromText("CIE 95").has_value());
  // A Chinese text does not match while English is current, and does after.
  EXPECT_FALSE(colorFormulaFromText("力份").has_value());
  LanguageIndex = ChineseSimplified;
  EXPECT_EQ(colorFormulaText(ColorFastness), "变色牢度");
  EXPECT_EQ(colorFormulaFromText("力份"), 7);
  EXPECT_EQ(colorFormulaFromText("CIE 2000"), 2);  // symbols read the same
  EXPECT_FALSE(colorFormulaFromText("Color Strength").has_value());
  LanguageIndex = ChineseTraditional;
  EXPECT_EQ(colorFormulaFromText("同色異譜"), 6);
}

TEST(ParametricFactorsText, OnlyForWeightedFormulas) {
  ParametricFactors k{2.0f, 1.0f, 0.5f};
  EXPECT_EQ(parametricFactorsText(Cie94, k), "KL: 2.00, KC: 1.00, KH: 0.50");
  EXPECT_EQ(parametricFactorsText(Cmc, k), "KL: 2.00, KC: 1.00, KH: 0.50");
  EXPECT_EQ(parametricFactorsText(Cie1976, k), "");
  EXPECT_EQ(parametricFactorsText(ColorFastness, k), "");
  EXPECT_EQ(parametricFactorsText(Cie2000), "KL: 1.00, KC: 1.00, KH: 1.00");
}

TEST(Judgement, MethodTexts) {
  EXPECT_EQ(judgeMethodText(0), "Use ΔE");
  EXPECT_EQ(judgeMethodText(2), "Use Colorimetric and ΔE");
  EXPECT_EQ(judgeMethodFromText("use colorimetric"), 1u);
  EXPECT_FALSE(judgeMethodFromText("使用颜色指数").has_value());
  LanguageIndex = ChineseTraditional;
  EXPECT_EQ(judgeMethodText(1), "使用顏色指數");
  EXPECT_EQ(judgeMethodFromText("使用顏色指數和ΔE"), 2u);
  LanguageIndex = English;
  EXPECT_EQ(LookupText(gradeTextRow(NoGood)), "NG");
  EXPECT_EQ(LookupText(gradeTextRow(Level2)), "Level 2");
}

}  // namespace
}  // namespace corvana
