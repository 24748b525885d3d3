#include "colour/judgement.h"

#include <gtest/gtest.h>

#include <cmath>

namespace corvana {
namespace {

ColorDifferences diffs(std::initializer_list<float> v) {
  ColorDifferences d;
  d.fill(0.0f);
  std::size_t i = 0;
  for (float x : v) d[i++] = x;
  return d;
}

struct Fixture {
  ToleranceTable table;
  JudgeCriteria criteria{&table, UseDeltaE, 0.75f, CieLab, Cie1976};
};

TEST(Judgement, DeltaEMethodWithStrictComparisons) {
  Fixture f;
  struct Case {
    float dE;
    Grade grade;
  } cases[] = {{0.75f, Level1}, {0.76f, Level2}, {1.0f, Level2}, {1.01f, NoGood}, {NAN, Level1}};
  for (const auto& c : cases)
    EXPECT_EQ(judgeValues(f.criteria, diffs({0, 0, 0, 0, 0, c.dE}), 0), c.grade) << c.dE;
  // Components do not count with this method.
  EXPECT_EQ(judgeValues(f.criteria, diffs({5, 5, 5, 0, 0, 0.1f}), 0), Level1);
}

TEST(Judgement, ColorimetricMethodUsesTheComponentsOnly) {
  Fixture f;
  f.criteria.method = UseColorimetric;
  EXPECT_EQ(judgeValues(f.criteria, diffs({0, -0.8f, 0, 0, 0, 9}), 0), Level2);
  EXPECT_EQ(judgeValues(f.criteria, diffs({1.2f, 0, 0, 0, 0, 0}), 0), NoGood);
  EXPECT_EQ(judgeValues(f.criteria, diffs({-0.75f, 0.75f, 0, 0, 0, 9}), 0), Level1);
  EXPECT_EQ(judgeValues(f.criteria, diffs({NAN, NAN, NAN, 0, 0, 9}), 0), Level1);
}

TEST(Judgement, CombinedMethodTakesTheWorse) {
  Fixture f;
  f.criteria.method = UseColorimetricAndDeltaE;
  EXPECT_EQ(judgeValues(f.criteria, diffs({0.8f, 0, 0, 0, 0, 0.1f}), 0), Level2);
  EXPECT_EQ(judgeValues(f.criteria, diffs({0.1f, 0, 0, 0, 0, 1.5f}), 0), NoGood);
  EXPECT_EQ(judgeValues(f.criteria, diffs({0.1f, 0, 0, 0, 0, 0.1f}), 0), Level1);
}

TEST(Judgement, SlotsComponentsAndTotals) {
  Fixture f;
  // Each illuminant slot has its own limits.
  f.table[toleranceIndex(2, 3)].upper = 3.0f;
  EXPECT_EQ(judgeValues(f.criteria, diffs({0, 0, 0, 0, 0, 2.0f}), 0), NoGood);
  EXPECT_EQ(judgeValues(f.criteria, diffs({0, 0, 0, 0, 0, 2.0f}), 2), Level1);
  // CIE XYZ judges ΔY, Δx, Δy: a large ΔX or ΔZ does not count.
  f.criteria.method = UseColorimetric;
  f.criteria.space = CieXyz;
  EXPECT_EQ(judgeValues(f.criteria, diffs({5, 0, 5, 0, 0}), 0), Level1);
  EXPECT_EQ(judgeValues(f.criteria, diffs({0, 0, 0, 0, 1.5f}), 0), NoGood);
  // Staining: the total limit is on ΔE*ab (slot 5), not on the rating.
  f.criteria = {&f.table, UseDeltaE, 0.75f, CieLab, StainingFastness};
  EXPECT_EQ(judgeValues(f.criteria, diffs({0, 0, 0, 0, 0, 0.5f, 4.8f, 4.8f}), 0), Level1);
  EXPECT_EQ(judgeValues(f.criteria, diffs({0, 0, 0, 0, 0, 1.5f, 4.8f, 4.8f}), 0), NoGood);
  // Metameric index and colour strength judge their last slot.
  f.criteria.formula = MetamericIndex;
  EXPECT_EQ(judgeValues(f.criteria, diffs({0, 0, 0, 0, 0, 5.0f, 0.2f}), 0), Level1);
  f.criteria.formula = ColorStrength;
  EXPECT_EQ(judgeValues(f.criteria, diffs({0, 0, 0, 0, 0, 0.1f, 1.0f, 1.05f}), 0), NoGood);
}

}  // namespace
}  // namespace corvana
