#include "colour/tolerance.h"

#include <gtest/gtest.h>

#include "app/language_table.h"
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
  EXPECT_EQ(judgedTotalSlot(CieLab, MetamericIndex), 6);    // the index itself
  EXPECT_EQ(judgedTotalSlot(CieLab, ColorStrength), 7);     // the K/S sum ratio
  EXPECT_EQ(judgedTotalSlot(CieRgb, Cie1976), 3);
}

TEST(Tolerance, AssignmentRelabelsAndKeepsLimits) {
  struct Case {
    int space, formula;
    const char* components[3];
    const char* total;
  } cases[] = {
      {CieLab, Cie1976, {"L*", "a*", "b*"}, "ΔE*"},
      {CieLab, Cie94, {"L*", "a*", "b*"}, "ΔE*94"},
      {CieXyz, Cie2000, {"Y", "x", "y"}, "ΔE00"},
      {HunterLab, Cmc, {"L", "a", "b"}, "ΔE*cmc"},
      {CieLab, ColorFastness, {"L*", "a*", "b*"}, "ΔE*"},
      {CieLab, StainingFastness, {"L*", "a*", "b*"}, "ΔE*"},
      {CieLab, MetamericIndex, {"L*", "a*", "b*"}, "ΔE*"},
      {CieRgb, ColorStrength, {"R", "G", "B"}, "ΔE*"},
  };
  ToleranceTable table;
  table[toleranceIndex(1, 2)].lower = -0.4f;
  table[toleranceIndex(2, 3)].upper = 2.5f;
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "space " << c.space << " formula " << c.formula);
    assignToleranceComponents(table, c.space, c.formula);
    for (int slot = 0; slot < kIlluminantSlots; ++slot) {
      for (int entry = 0; entry < 3; ++entry) {
        const ToleranceSet& e = table[toleranceIndex(slot, entry)];
        EXPECT_EQ(LookupText(e.componentLabel, English), c.components[entry]);
        EXPECT_TRUE(e.upperEnabled);
        EXPECT_TRUE(e.lowerEnabled);
      }
      const ToleranceSet& total = table[toleranceIndex(slot, 3)];
      EXPECT_EQ(LookupText(total.componentLabel, English), c.total);
      EXPECT_TRUE(total.upperEnabled);
      EXPECT_FALSE(total.lowerEnabled);  // left as it was
    }
    EXPECT_EQ(table[toleranceIndex(1, 2)].lower, -0.4f);
    EXPECT_EQ(table[toleranceIndex(2, 3)].upper, 2.5f);
  }
}

}  // namespace
}  // namespace corvana
