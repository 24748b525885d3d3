#include "colour/color_space.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvana {
namespace {

TEST(SlotLayout, FormulaSlotsReplaceHueAndChromaOnlyInLabAndLuv) {
  EXPECT_EQ(formulaFirstSlot(0, 2), 3);
  EXPECT_EQ(formulaFirstSlot(2, 3), 3);
  EXPECT_EQ(formulaFirstSlot(1, 2), 5);
  EXPECT_EQ(formulaFirstSlot(3, 1), 3);
  EXPECT_EQ(formulaFirstSlot(0, 0), 5);
  EXPECT_EQ(formulaFirstSlot(0, 4), 5);
}

TEST(EnumerationOrder, OrderOfListsAndLookup) {
  const std::vector<std::int32_t> formulas(colorFormulaOrder().begin(), colorFormulaOrder().end());
  EXPECT_EQ(formulas, (std::vector<std::int32_t>{0, 1, 2, 3, 4, 5, 7, 6}));
  EXPECT_EQ(colorSpaceOrder().size(), 7u);
}

}  // namespace
}  // namespace corvana
