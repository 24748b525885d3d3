#include "colour/color_space.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvana {
namespace {

TEST(SlotLayout, FormulaSlotsReplaceHueAndChromaOnlyInLabAndLuv) {
  EXPECT_EQ(formulaFirstSlot(CieLab, Cie2000), 3);
  EXPECT_EQ(formulaFirstSlot(CieLuv, Cmc), 3);
  EXPECT_EQ(formulaFirstSlot(CieXyz, Cie2000), 5);
  EXPECT_EQ(formulaFirstSlot(CieRgb, Cie94), 3);
  EXPECT_EQ(formulaFirstSlot(CieLab, Cie1976), 5);
  EXPECT_EQ(formulaFirstSlot(CieLab, ColorFastness), 5);
}

TEST(EnumerationOrder, OrderOfListsAndLookup) {
  const std::vector<std::int32_t> formulas(colorFormulaOrder().begin(), colorFormulaOrder().end());
  EXPECT_EQ(formulas, (std::vector<std::int32_t>{0, 1, 2, 3, 4, 5, 7, 6}));
  EXPECT_EQ(colorSpaceOrder().size(), 7u);
}

}  // namespace
}  // namespace corvana
