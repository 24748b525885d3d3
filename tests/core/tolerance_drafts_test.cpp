#include "core/tolerance_drafts.h"

#include <gtest/gtest.h>

#include "colour/color_space.h"

namespace corvana {
namespace {

constexpr LimitField kUpper1{0, false};
constexpr LimitField kLower2{1, true};
constexpr LimitField kTotal{3, false};

TEST(ToleranceDrafts, ShowsTheStoredLimitsOfEverySlot) {
  ToleranceTable limits;
  limits[toleranceIndex(1, 0)].upper = 2.5f;
  limits[toleranceIndex(2, 1)].lower = -0.02f;
  const ToleranceDrafts drafts(limits);
  EXPECT_EQ(drafts.text(0, kUpper1), "  1.00");
  EXPECT_EQ(drafts.text(1, kUpper1), "  2.50");
  EXPECT_EQ(drafts.text(2, kLower2), " -0.02");
  for (int slot = 0; slot < kIlluminantSlots; ++slot) EXPECT_FALSE(drafts.edited(slot));
}

TEST(ToleranceDrafts, StoresTheShownSlotAndTheEditedOnesOnly) {
  ToleranceTable limits;
  ToleranceDrafts drafts(limits);
  drafts.setText(2, kTotal, "3");
  drafts.setText(0, kUpper1, "  1.00");  // typed back as it was: not an edit
  struct Case {
    int shown;
    std::vector<int> available, stored;
  } cases[] = {
      {1, {0, 1, 2}, {1, 2}},
      {2, {0, 1, 2}, {2}},
      {0, {0, 1}, {0}},  // slot 2 has no illuminant
      {-1, {}, {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(drafts.slotsToStore(c.shown, c.available), c.stored) << c.shown;
}

TEST(ToleranceDrafts, StoringWritesNumbersAndEndsTheEdit) {
  ToleranceTable limits;
  limits[toleranceIndex(0, 0)].upper = 1.234f;
  ToleranceDrafts drafts(limits);
  drafts.setText(1, kUpper1, "2.5");
  drafts.setText(1, kLower2, "-0.75");
  drafts.store(limits, {1});
  EXPECT_FLOAT_EQ(limits[toleranceIndex(1, 0)].upper, 2.5f);
  EXPECT_FLOAT_EQ(limits[toleranceIndex(1, 1)].lower, -0.75f);
  EXPECT_FLOAT_EQ(limits[toleranceIndex(0, 0)].upper, 1.234f);  // not stored: full precision
  EXPECT_FALSE(drafts.edited(1));
  drafts.setText(1, kUpper1, "4");
  EXPECT_TRUE(drafts.edited(1));
}

TEST(ToleranceDrafts, FirstRefusedFollowsSlotOrderThenLowerBeforeUpper) {
  ToleranceTable limits;
  ToleranceDrafts drafts(limits);
  drafts.setText(0, kTotal, "500");
  drafts.setText(2, kUpper1, "200");
  drafts.setText(2, {0, true}, "1");
  struct Case {
    std::vector<int> slots;
    std::optional<int> slot;
    LimitField field;
  } cases[] = {
      {{2, 0}, 2, {0, true}},
      {{0, 2}, 0, kTotal},
      {{1}, std::nullopt, {}},
  };
  for (const Case& c : cases) {
    const auto refused = drafts.firstRefused(CieLab, c.slots);
    ASSERT_EQ(refused.has_value(), c.slot.has_value());
    if (!refused) continue;
    EXPECT_EQ(refused->slot, *c.slot);
    EXPECT_EQ(refused->field, c.field);
  }
}

TEST(ToleranceDrafts, ChromaticityLimitsOfCieXyzTakeTheNarrowRange) {
  const ToleranceTable limits;  // -1.00 and 1.00 everywhere: within both ranges
  ToleranceDrafts drafts(limits);
  drafts.setText(0, kLower2, "-1.5");
  EXPECT_FALSE(drafts.firstRefused(CieLab, {0}).has_value());
  const auto refused = drafts.firstRefused(CieXyz, {0});
  ASSERT_TRUE(refused.has_value());
  EXPECT_EQ(refused->field, kLower2);
}

}  // namespace
}  // namespace corvana
