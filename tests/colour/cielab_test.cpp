#include "colour/cielab.h"

#include <gtest/gtest.h>

#include <cmath>

#include "colour/measurement_record.h"
#include "test_records.h"

namespace corvana {
namespace {

using testing::curveRecord;
using testing::labRecord;

TEST(HueAngle, Branches) {
  struct Case {
    float a, b, degrees;
  } cases[] = {
      {0.0f, 0.0f, 0.0f},     {0.0f, 3.0f, 90.0f},   {0.0f, -3.0f, 270.0f}, {-1.0f, -0.0f, 180.0f},
      {-1.0f, 0.0f, 180.0f},  {1.0f, 0.0f, 0.0f},    {1.0f, 1.0f, 45.0f},   {-1.0f, 1.0f, 135.0f},
      {-1.0f, -1.0f, 225.0f}, {1.0f, -1.0f, 315.0f},
  };
  for (const auto& c : cases) {
    const float h = hueAngle(c.a, c.b);
    EXPECT_NEAR(h, c.degrees, 1e-4f) << c.a << ", " << c.b;
    EXPECT_GE(h, 0.0f);
    EXPECT_LT(h, 360.0f);
  }
}

TEST(XyzToLab, EpsilonAndLinearBranch) {
  EXPECT_EQ(labEpsilon(), 0.0088564530f);
  // Just below epsilon the linear part applies, just above the cube root;
  // the two meet so lightness is continuous there.
  const float below = labF(std::nextafter(labEpsilon(), 0.0f));
  const float above = labF(std::nextafter(labEpsilon(), 1.0f));
  EXPECT_NEAR(below, above, 1e-6f);
  EXPECT_EQ(labF(0.0f), 0.13793103f);
}

TEST(LabToXyz, WhiteAndRoundTrip) {
  const WhitePoint white{95.04f, 100, 108.88f};
  const Xyz w = labToXyz(100, 0, 0, white);
  EXPECT_FLOAT_EQ(w.X, 95.04f);
  EXPECT_FLOAT_EQ(w.Y, 100.0f);
  EXPECT_FLOAT_EQ(w.Z, 108.88f);
  for (float L : {2.0f, 7.9f, 30.0f, 75.0f}) {
    const Lab lab = xyzToLab(labToXyz(L, 20, -30, white), white);
    EXPECT_NEAR(lab.L, L, 2e-3f);
    EXPECT_NEAR(lab.a, 20.0f, 2e-3f);
    EXPECT_NEAR(lab.b, -30.0f, 2e-3f);
  }
}

TEST(DisplayColor, TellingColours) {
  EXPECT_EQ(labToDisplayColor(100, 0, 0), 0xFFFEFFFEu);
  EXPECT_EQ(labToDisplayColor(0, 0, 0), 0xFF000000u);
  // A saturated green leaves the gamut: red clamps to 0, alpha stays opaque.
  const std::uint32_t green = labToDisplayColor(60, -120, 60);
  EXPECT_EQ(green >> 24, 0xFFu);
  EXPECT_EQ((green >> 16) & 0xFF, 0u);
  EXPECT_GT((green >> 8) & 0xFF, 150u);
  // Far out of range clamps to 255 rather than wrapping.
  EXPECT_EQ(labToDisplayColor(200, 0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(labToDisplayColor(NAN, 0, 0), 0xFF000000u);
}

TEST(RecordLab, CurveLessRecordHoldsOnlyUnderItsOwnCondition) {
  const MeasurementRecord r = labRecord(50, 10, -20, D65, 1);
  EXPECT_FALSE(recordLab(r, {D65, Observer2}).has_value());
  EXPECT_FALSE(recordLab(r, {A, Observer10}).has_value());
  const std::optional<Lab> lab = recordLab(r, {D65, Observer10});
  ASSERT_TRUE(lab.has_value());
  EXPECT_EQ(lab->L, 50.0f);
  EXPECT_EQ(lab->a, 10.0f);
  EXPECT_EQ(lab->b, -20.0f);
  EXPECT_FLOAT_EQ(lab->C, std::sqrt(500.0f));
  EXPECT_FLOAT_EQ(lab->h, hueAngle(10, -20));
  EXPECT_TRUE(isEvaluable(r, {D65, Observer10}));
  EXPECT_FALSE(isEvaluable(r, {A, Observer10}));
}

TEST(RecordLab, CurveRecordUsesItsCurveUnderAnyCondition) {
  const MeasurementRecord r = curveRecord(testing::reddishCurve());
  const std::optional<Lab> d65 = recordLab(r, {D65, Observer10});
  const std::optional<Lab> a = recordLab(r, {A, Observer10});
  ASSERT_TRUE(d65.has_value());
  ASSERT_TRUE(a.has_value());
  EXPECT_GT(d65->a, 20.0f);  // reddish
  EXPECT_NE(d65->a, a->a);
  EXPECT_TRUE(isEvaluable(r, {F12, Observer2}));
}

}  // namespace
}  // namespace corvana
