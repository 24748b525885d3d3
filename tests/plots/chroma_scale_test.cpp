#include "plots/chroma_scale.h"

#include <gtest/gtest.h>

#include <cmath>

namespace corvana {
namespace {

// Slot 0's four entries as (lower, upper); the switches of entry 0 decide.
struct ScaleCase {
  const char* what;
  ColorSpace space;
  float limits[4][2];
  bool upperEnabled, lowerEnabled;
  bool otherEntriesEnabled;  // switches of entries 1 to 3, never consulted
  float expected;
};

ToleranceTable tableOf(const ScaleCase& c) {
  ToleranceTable table{};
  for (int e = 0; e < 4; ++e) {
    ToleranceSet& entry = table[std::size_t(toleranceIndex(0, e))];
    entry.lower = c.limits[e][0];
    entry.upper = c.limits[e][1];
    entry.upperEnabled = e == 0 ? c.upperEnabled : c.otherEntriesEnabled;
    entry.lowerEnabled = e == 0 ? c.lowerEnabled : c.otherEntriesEnabled;
  }
  // Other slots are never read: make them large.
  for (int e = 0; e < 4; ++e) table[std::size_t(toleranceIndex(1, e))] = {-50, 50, true, true, 0};
  return table;
}

TEST(ChromaScale, FullScaleFromSlotZero) {
  const ScaleCase cases[] = {
      {"no limit enabled", CieLab, {{-3, 3}, {-4, 4}, {-5, 5}, {-6, 6}}, false, false, true, 0.18f},
      {"uppers only",
       CieLab,
       {{-9, 0.5f}, {-9, 2}, {-9, 0.3f}, {-9, 1.5f}},
       true,
       false,
       false,
       3.6f},
      {"lowers only", CieLuv, {{-0.2f, 9}, {-1, 9}, {-3, 9}, {-0.5f, 9}}, false, true, false, 5.4f},
      {"both, entry 3 largest",
       HunterLab,
       {{-1, 1}, {-1, 1}, {-1, 1}, {-2.5f, 2}},
       true,
       true,
       false,
       4.5f},
      {"all below the floor",
       Yellowness,
       {{-0.05f, 0.05f}, {0, 0}, {0, 0}, {0, 0.02f}},
       true,
       true,
       true,
       0.18f},
      {"XYZ: component 0 only, lower larger",
       CieXyz,
       {{-0.4f, 0.2f}, {-7, 7}, {-7, 7}, {-7, 7}},
       false,
       false,
       false,
       0.72f},
      {"XYZ: no floor",
       CieXyz,
       {{-0.01f, 0.02f}, {-7, 7}, {-7, 7}, {-7, 7}},
       true,
       true,
       true,
       0.036f},
      {"XYZ: both zero", CieXyz, {{0, 0}, {-7, 7}, {-7, 7}, {-7, 7}}, true, true, true, 0.0f},
  };
  for (const ScaleCase& c : cases)
    EXPECT_NEAR(fullScaleOf(c.space, tableOf(c)), c.expected, 1e-6) << c.what;
}

struct OffsetCase {
  const char* what;
  float value, fullScale;
  double span, expected;
};

TEST(ChromaScale, OffsetsFromTheCentre) {
  const OffsetCase cases[] = {
      {"a limit at the scale's half", 0.9f, 1.8f, 300, 75},
      {"a third of the scale", 0.6f, 1.8f, 270, 45},
      {"negative value", -0.45f, 1.8f, 300, -37.5},
      {"zero scale, zero value", 0.0f, 0.0f, 300, 0},
  };
  for (const OffsetCase& c : cases)
    EXPECT_NEAR(differenceOffset(c.value, c.fullScale, c.span), c.expected, 1e-3) << c.what;

  // Limits truncate their magnitude.
  EXPECT_EQ(limitOffset(-0.8f, 1.8f, 300), 66);
  EXPECT_EQ(limitOffset(0.7f, 1.8f, 300), 58);
  EXPECT_EQ(limitOffset(0.0f, 0.0f, 300), 0);
}

// A zero full scale: any difference lies beyond the span on its own side.
TEST(ChromaScale, ZeroFullScalePutsDifferencesBeyondTheSpan) {
  EXPECT_GT(differenceOffset(0.001f, 0.0f, 300), 300);
  EXPECT_LT(differenceOffset(-0.001f, 0.0f, 300), -300);
  EXPECT_EQ(differenceOffset(0.0f, 0.0f, 300), 0);
  EXPECT_GT(differenceOffset(5.0f, -1.0f, 300), 300);  // a broken scale behaves the same
  EXPECT_FALSE(hasPosition(NAN));
  EXPECT_TRUE(hasPosition(-2000.0f));
}

}  // namespace
}  // namespace corvana
