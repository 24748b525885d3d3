#include "core/tolerance_limits.h"

#include <gtest/gtest.h>

#include "colour/color_space.h"
#include "core/language_table.h"

namespace corvana {
namespace {

bool sameRange(LimitRange a, LimitRange b) {
  return a.low == b.low && a.high == b.high && a.step == b.step;
}

TEST(ToleranceLimits, RangesPerEntryAndSpace) {
  struct Case {
    ColorSpace space;
    int entry;
    bool lower;
    LimitRange range;
  } cases[] = {
      {CieLab, 0, true, {-12800, -10, 10}},   {CieLab, 0, false, {10, 12800, 10}},
      {CieLab, 1, true, {-12800, -10, 10}},   {CieLab, 2, false, {10, 12800, 10}},
      {CieLab, 3, false, {10, 12800, 10}},    {CieXyz, 0, true, {-12800, -10, 10}},
      {CieXyz, 0, false, {10, 12800, 10}},    {CieXyz, 1, true, {-100, -1, 1}},
      {CieXyz, 2, false, {1, 100, 1}},        {CieXyz, 3, false, {10, 12800, 10}},
      {HunterLab, 1, false, {10, 12800, 10}},
  };
  for (const Case& c : cases)
    EXPECT_TRUE(sameRange(limitRange(c.space, c.entry, c.lower), c.range))
        << c.space << " " << c.entry << " " << c.lower;
}

TEST(ToleranceLimits, TypedLimitsAreTruncatedHundredths) {
  const LimitRange upper = limitRange(CieLab, 0, false);
  const LimitRange lower = limitRange(CieLab, 0, true);
  const LimitRange xyLower = limitRange(CieXyz, 1, true);
  struct Case {
    double value;
    LimitRange range;
    bool accepted;
  } cases[] = {
      {0.10, upper, true},     {0.099, upper, false},   {128.0, upper, true},
      {128.009, upper, true},  {128.01, upper, false},  {500.0, upper, false},
      {0.0, upper, false},     {-0.10, lower, true},    {-0.09, lower, false},
      {-128.0, lower, true},   {-128.01, lower, false}, {1.0, lower, false},
      {-0.01, xyLower, true},  {-1.0, xyLower, true},   {-0.005, xyLower, false},
      {-1.01, xyLower, false}, {1e300, upper, false},   {-1e300, lower, false},
  };
  for (const Case& c : cases) EXPECT_EQ(limitInRange(c.value, c.range), c.accepted) << c.value;
  EXPECT_EQ(hundredths(-0.105), -10);
  EXPECT_FALSE(hundredths(1e20).has_value());
}

TEST(ToleranceLimits, QuotietyRangeInSinglePrecision) {
  struct Case {
    float quotiety;
    bool accepted;
  } cases[] = {{0.10f, true},  {0.90f, true}, {0.75f, true}, {0.95f, false},
               {0.09f, false}, {0.0f, false}, {1.0f, false}, {0.901f, false}};
  for (const Case& c : cases) EXPECT_EQ(quotietyInRange(c.quotiety), c.accepted) << c.quotiety;
}

TEST(ToleranceLimits, QuotietyIsStoredOnlyWhenItsHundredthsDiffer) {
  EXPECT_FALSE(quotietyChanged(0.75f, 0.75f));
  EXPECT_FALSE(quotietyChanged(0.75f, 0.759f));
  EXPECT_TRUE(quotietyChanged(0.75f, 0.76f));
  EXPECT_TRUE(quotietyChanged(0.75f, 0.74f));
}

TEST(ToleranceLimits, SlotWordsLoseTheirColonInEveryLanguage) {
  const char* expected[3][3] = {{"Primary", "Secondary", "Tertiary"},
                                {"第一光源", "第二光源", "第三光源"},
                                {"第一光源", "第二光源", "第三光源"}};
  for (int language = 0; language < 3; ++language) {
    LanguageIndex = std::uint8_t(language);
    for (int slot = 0; slot < 3; ++slot)
      EXPECT_EQ(slotWord(slot), expected[language][slot]) << language;
  }
  LanguageIndex = English;
}

TEST(ToleranceLimits, RangeMessageNamesComponentSideAndEnds) {
  LanguageIndex = English;
  EXPECT_EQ(limitRangeMessage(119, false, limitRange(CieLab, 0, false)),
            "L* of Upper is overrange!(  0.10 ~ 128.00)");
  EXPECT_EQ(limitRangeMessage(119, true, limitRange(CieXyz, 1, true)),
            "L* of Lower is overrange!( -1.00 ~  -0.01)");
  LanguageIndex = ChineseTraditional;
  EXPECT_EQ(limitRangeMessage(181, false, limitRange(CieLab, 3, false)),
            "ΔE*ab的上限超出範圍！(  0.10 ~ 128.00)");
  LanguageIndex = English;
}

}  // namespace
}  // namespace corvana
