#include "colour/tolerance.h"

#include <gtest/gtest.h>

#include "colour/color_space.h"

namespace corvana {
namespace {

TEST(Tolerance, NewTableHoldsDefaults) {
  ToleranceTable table;
  for (const auto& e : table) {
    EXPECT_EQ(e.lower, -1.0f);
    EXPECT_EQ(e.upper, 1.0f);
    EXPECT_FALSE(e.upperEnabled);
    EXPECT_FALSE(e.lowerEnabled);
  }
}

TEST(Tolerance, ComponentsAndJudgedTotal) {
  EXPECT_EQ(componentSlot(CieLab, 0), 0);
  EXPECT_EQ(componentSlot(CieLab, 2), 2);
  EXPECT_EQ(componentSlot(CieXyz, 0), 1);
  EXPECT_EQ(componentSlot(CieXyz, 1), 3);
  EXPECT_EQ(componentSlot(CieXyz, 2), 4);
  EXPECT_EQ(judgedTotalSlot(CieLab, Cie2000), 5);
  EXPECT_EQ(judgedTotalSlot(CieLab, StainingFastness), 5);  // ΔE*ab, not the rating
  EXPECT_EQ(judgedTotalSlot(CieLab, ColorFastness), 5);
  EXPECT_EQ(judgedTotalSlot(CieLab, MetamericIndex), 6);  // the index itself
  EXPECT_EQ(judgedTotalSlot(CieLab, ColorStrength), 7);   // the K/S sum ratio
  EXPECT_EQ(judgedTotalSlot(CieRgb, Cie1976), 3);
}

}  // namespace
}  // namespace corvana
