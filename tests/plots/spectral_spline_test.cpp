#include "plots/spectral_spline.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/plots/spectral_test_support.h"

namespace corvana::spectral {
namespace {

void expectPoints(const std::vector<PointF>& actual, const std::vector<PointF>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i) {
    EXPECT_NEAR(actual[i].x, expected[i].x, 1e-9) << i;
    EXPECT_NEAR(actual[i].y, expected[i].y, 1e-9) << i;
  }
}

TEST(CardinalSpline, TensionHalfControlsAreASixthOfTheNeighbourChord) {
  // Controls P[i] + (P[i+1] - P[i-1]) / 6 and P[i+1] - (P[i+2] - P[i]) / 6,
  // the end points standing in for the missing neighbours.
  const BezierChain c = cardinalSpline({{0, 0}, {10, 10}, {20, 0}});
  EXPECT_EQ(c.start, (PointF{0, 0}));
  expectPoints(c.points, {{10.0 / 6, 10.0 / 6},
                          {10 - 20.0 / 6, 10},
                          {10, 10},
                          {10 + 20.0 / 6, 10},
                          {20 - 10.0 / 6, 10.0 / 6},
                          {20, 0}});
}

TEST(CardinalSpline, TwoPointsGiveAStraightSegment) {
  const BezierChain c = cardinalSpline({{0, 0}, {6, 12}});
  EXPECT_EQ(c.start, (PointF{0, 0}));
  expectPoints(c.points, {{1, 2}, {5, 10}, {6, 12}});
}

TEST(CardinalSpline, TensionZeroPutsTheControlsOnTheKnots) {
  const BezierChain c = cardinalSpline({{0, 0}, {10, 10}, {20, 0}}, 0.0);
  expectPoints(c.points, {{0, 0}, {10, 10}, {10, 10}, {10, 10}, {20, 0}, {20, 0}});
}

TEST(CardinalSpline, FewerThanTwoPointsNoCurve) {
  EXPECT_TRUE(cardinalSpline({}).points.empty());
  EXPECT_TRUE(cardinalSpline({{3, 4}}).points.empty());
}

TEST(BezierChain, EveryThirdPointIsOnTheCurve) {
  std::vector<PointF> points;
  for (int i = 0; i < 31; ++i) points.push_back({double(i), double(2 * i)});
  const BezierChain c = bezierChain(points);
  EXPECT_EQ(c.start, (PointF{0, 0}));
  ASSERT_EQ(c.points.size(), 30u);  // 10 segments
  EXPECT_EQ(c.points[2], (PointF{3, 6}));
  EXPECT_EQ(c.points[29], (PointF{30, 60}));

  points.push_back({31, 62});  // an incomplete segment is left out
  EXPECT_EQ(bezierChain(points).points.size(), 30u);
  EXPECT_TRUE(bezierChain({{0, 0}, {1, 1}, {2, 2}}).points.empty());
  EXPECT_TRUE(bezierChain({}).points.empty());
}

}  // namespace
}  // namespace corvana::spectral
