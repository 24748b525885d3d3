#include "colour/color_space.h"

#include <gtest/gtest.h>

#include "app/language_table.h"
#include "colour/parametric_factors.h"

namespace corvana {
namespace {

std::vector<std::string> texts(const std::vector<int>& rows) {
  std::vector<std::string> out;
  for (int row : rows) out.push_back(LookupText(row, English));
  return out;
}

using Texts = std::vector<std::string>;

TEST(SlotLayout, CountsForEverySpaceAndFormula) {
  // Rows: spaces 0..6; columns: formulas 0..7.
  const int expected[7][8] = {
      {6, 6, 6, 6, 8, 8, 7, 8}, {6, 8, 8, 8, 8, 8, 7, 8}, {6, 6, 6, 6, 8, 8, 7, 8},
      {4, 6, 6, 6, 6, 6, 5, 6}, {4, 6, 6, 6, 6, 6, 5, 6}, {6, 8, 8, 8, 8, 8, 7, 8},
      {6, 8, 8, 8, 8, 8, 7, 8},
  };
  for (int space = 0; space < 7; ++space)
    for (int formula = 0; formula < 8; ++formula) {
      SCOPED_TRACE(::testing::Message() << "space " << space << " formula " << formula);
      EXPECT_EQ(differenceCount(space, formula), expected[space][formula]);
      // Label k names slot k, in both forms.
      EXPECT_EQ(int(differenceLabelRows(space, formula, false).size()), expected[space][formula]);
      EXPECT_EQ(int(differenceLabelRows(space, formula, true).size()), expected[space][formula]);
      EXPECT_EQ(int(valueLabelRows(space, false).size()), valueCount(space));
    }
  EXPECT_EQ(valueCount(7), 0);
  EXPECT_EQ(valueCount(-1), 0);
  EXPECT_EQ(differenceCount(0, 8), 6);  // an unknown formula still counts one slot
  EXPECT_EQ(differenceCount(9, 0), 1);
}

TEST(SlotLayout, TellingLabelRows) {
  struct Case {
    int space, formula;
    bool shortForm;
    Texts labels;
  } cases[] = {
      {0, 1, false, {"ΔL*", "Δa*", "Δb*", "ΔC'", "ΔH'", "ΔE*94"}},
      {1, 1, false, {"ΔX", "ΔY", "ΔZ", "Δx", "Δy", "ΔC'", "ΔH'", "ΔE*94"}},
      {3, 6, true, {"ΔR", "ΔG", "Δb", "ΔE*", "MI"}},
      {3, 6, false, {"ΔR", "ΔG", "Δb", "ΔE*", "Metameric Index"}},
      {0, 0, false, {"ΔL*", "Δa*", "Δb*", "ΔC*", "ΔH*", "ΔE*"}},
      {2, 2, false, {"ΔL*", "Δu*", "Δv*", "ΔC'", "ΔH'", "ΔE00"}},
      {2, 0, false, {"ΔL*", "Δu*", "Δv*", "ΔC*", "ΔH*", "ΔE*"}},
      {4, 3, false, {"ΔL", "Δa", "Δb", "ΔC'", "ΔH'", "ΔE*cmc"}},
      {5, 0, true, {"ΔL*", "Δa*", "Δb*", "WI(E313)", "WI(CIE)", "ΔE*"}},
      {5, 0, false, {"ΔL*", "Δa*", "Δb*", "WI(ASTM E313)", "WI(CIE/ISO/AATCC)", "ΔE*"}},
      {6, 2, true, {"ΔL*", "Δa*", "Δb*", "YI(D1925)", "YI(E313)", "ΔC'", "ΔH'", "ΔE00"}},
      {0, 4, true, {"ΔL*", "Δa*", "Δb*", "ΔC*", "ΔH*", "ΔE*", "ΔE(F)", "GS"}},
      {0, 4, false, {"ΔL*", "Δa*", "Δb*", "ΔC*", "ΔH*", "ΔE*", "Color Fastness", "Color Fastness Grade"}},
      {0, 5, true, {"ΔL*", "Δa*", "Δb*", "ΔC*", "ΔH*", "ΔE*", "ΔE(GS)", "SSR"}},
      {0, 7, true, {"ΔL*", "Δa*", "Δb*", "ΔC*", "ΔH*", "ΔE*", "StrMaxAbs", "∑(K/S)"}},
      {0, 7, false, {"ΔL*", "Δa*", "Δb*", "ΔC*", "ΔH*", "ΔE*", "StrMaxAbs", "Sum of K/S"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(texts(differenceLabelRows(c.space, c.formula, c.shortForm)), c.labels)
        << "space " << c.space << " formula " << c.formula << (c.shortForm ? " short" : " long");
}

TEST(SlotLayout, ValueLabels) {
  EXPECT_EQ(texts(valueLabelRows(0, false)), (Texts{"L*", "a*", "b*", "C*", "h°"}));
  EXPECT_EQ(texts(valueLabelRows(1, false)), (Texts{"X", "Y", "Z", "x", "y"}));
  EXPECT_EQ(texts(valueLabelRows(2, false)), (Texts{"L*", "u*", "v*", "C*uv", "h°uv"}));
  EXPECT_EQ(texts(valueLabelRows(3, false)), (Texts{"R", "G", "B"}));
  EXPECT_EQ(texts(valueLabelRows(4, false)), (Texts{"L", "a", "b"}));
  EXPECT_EQ(texts(valueLabelRows(6, false)), (Texts{"L*", "a*", "b*", "YI(ASTM D1925)", "YI(ASTM E313)"}));
  EXPECT_EQ(texts(valueLabelRows(6, true)), (Texts{"L*", "a*", "b*", "YI(D1925)", "YI(E313)"}));
  EXPECT_TRUE(valueLabelRows(7, false).empty());
}

TEST(SlotLayout, FormulaSlotsReplaceHueAndChromaOnlyInLabAndLuv) {
  EXPECT_EQ(formulaFirstSlot(0, 2), 3);
  EXPECT_EQ(formulaFirstSlot(2, 3), 3);
  EXPECT_EQ(formulaFirstSlot(1, 2), 5);
  EXPECT_EQ(formulaFirstSlot(3, 1), 3);
  EXPECT_EQ(formulaFirstSlot(0, 0), 5);
  EXPECT_EQ(formulaFirstSlot(0, 4), 5);
}

class EnumerationTexts : public ::testing::Test {
 protected:
  void TearDown() override { LanguageIndex = English; }
};

TEST_F(EnumerationTexts, CodeToTextAndBack) {
  EXPECT_EQ(colorSpaceText(0), "CIE LAB, LCh");
  EXPECT_EQ(colorSpaceText(4), "Hunter LAB");
  EXPECT_EQ(colorSpaceText(7), "");
  EXPECT_EQ(colorFormulaText(7), "Color Strength");
  EXPECT_EQ(colorFormulaFromText("cie 94"), 1);
  EXPECT_EQ(colorFormulaFromText("CMC"), 3);
  EXPECT_EQ(colorSpaceFromText("wi & tint"), 5);
  EXPECT_EQ(colorFormulaFromText("Metameric Index"), 6);
  EXPECT_FALSE(colorFormulaFromText("CIE 95").has_value());
  // A Chinese text does not match while English is current, and does after.
  EXPECT_FALSE(colorFormulaFromText("力份").has_value());
  LanguageIndex = ChineseSimplified;
  EXPECT_EQ(colorFormulaText(4), "变色牢度");
  EXPECT_EQ(colorFormulaFromText("力份"), 7);
  EXPECT_EQ(colorFormulaFromText("CIE 2000"), 2);  // symbols read the same
  EXPECT_FALSE(colorFormulaFromText("Color Strength").has_value());
  LanguageIndex = ChineseTraditional;
  EXPECT_EQ(colorFormulaFromText("同色異譜"), 6);
}

TEST_F(EnumerationTexts, OrderOfListsAndLookup) {
  const std::vector<std::int32_t> formulas(colorFormulaOrder().begin(), colorFormulaOrder().end());
  EXPECT_EQ(formulas, (std::vector<std::int32_t>{0, 1, 2, 3, 4, 5, 7, 6}));
  EXPECT_EQ(colorSpaceOrder().size(), 7u);
}

TEST(ParametricFactorsText, OnlyForWeightedFormulas) {
  ParametricFactors k{2.0f, 1.0f, 0.5f};
  EXPECT_EQ(parametricFactorsText(1, k), "KL: 2.00, KC: 1.00, KH: 0.50");
  EXPECT_EQ(parametricFactorsText(3, k), "KL: 2.00, KC: 1.00, KH: 0.50");
  EXPECT_EQ(parametricFactorsText(0, k), "");
  EXPECT_EQ(parametricFactorsText(4, k), "");
  EXPECT_EQ(parametricFactorsText(2), "KL: 1.00, KC: 1.00, KH: 1.00");
}

}  // namespace
}  // namespace corvana
