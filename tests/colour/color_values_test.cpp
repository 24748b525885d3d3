#include "colour/color_values.h"

#include <gtest/gtest.h>

#include <cmath>

#include "colour/cielab.h"
#include "colour/indices.h"
#include "colour/measurement_record.h"
#include "colour/tristimulus.h"
#include "test_records.h"

namespace corvana {
namespace {

using testing::curveRecord;
using testing::labRecord;

struct Xyz {
  float X, Y, Z;
};
Xyz tristimulus(const MeasurementRecord& r, int illuminant, int observer) {
  Xyz t{};
  computeTristimulus(r.reflectance, illuminant, observer, t.X, t.Y, t.Z);
  return t;
}

TEST(ColorValues, EverySpaceFromTheCurve) {
  const MeasurementRecord r = curveRecord(testing::reddishCurve());
  const Xyz t = tristimulus(r, D65, 1);
  Lab lab;
  recordLab(r, D65, 1, lab);
  ColorValues v{};
  std::uint32_t colour = 0;

  ASSERT_TRUE(computeColorValues(r, CieLab, D65, 1, v, colour));
  EXPECT_EQ(v, (ColorValues{lab.L, lab.a, lab.b, lab.C, lab.h}));
  EXPECT_EQ(colour, labToDisplayColor(lab.L, lab.a, lab.b));
  EXPECT_GT((colour >> 16) & 0xFF, (colour >> 8) & 0xFF);  // reddish on screen too

  ASSERT_TRUE(computeColorValues(r, CieXyz, D65, 1, v, colour));
  EXPECT_EQ(v[0], t.X);
  EXPECT_EQ(v[1], t.Y);
  EXPECT_FLOAT_EQ(v[3], t.X / (t.X + t.Y + t.Z));
  EXPECT_FLOAT_EQ(v[4], t.Y / (t.X + t.Y + t.Z));

  ASSERT_TRUE(computeColorValues(r, CieLuv, D65, 1, v, colour));
  EXPECT_FLOAT_EQ(v[0], lab.L);
  const double D = t.X + 15.0 * t.Y + 3.0 * t.Z;
  EXPECT_NEAR(v[1], 13 * lab.L * (4 * t.X / D - 0.19786), 1e-3);
  EXPECT_NEAR(v[2], 13 * lab.L * (9 * t.Y / D - 0.46954), 1e-3);
  EXPECT_FLOAT_EQ(v[4], hueAngle(v[1], v[2]));

  ColorValues rgb{9, 9, 9, 7, 7};
  ASSERT_TRUE(computeColorValues(r, CieRgb, D65, 1, rgb, colour));
  EXPECT_EQ(rgb[3], 7.0f);  // three values only
  float X, Y, Z;
  cieRgbToXyz(rgb[0], rgb[1], rgb[2], X, Y, Z);
  EXPECT_NEAR(X, t.X, 2e-3f);
  EXPECT_NEAR(Y, t.Y, 2e-3f);
  EXPECT_NEAR(Z, t.Z, 2e-3f);

  ASSERT_TRUE(computeColorValues(r, HunterLab, D65, 1, v, colour));
  EXPECT_FLOAT_EQ(v[0], 10 * std::sqrt(t.Y));
  EXPECT_GT(v[1], 0.0f);

  ASSERT_TRUE(computeColorValues(r, WhitenessTint, D65, 1, v, colour));
  EXPECT_FLOAT_EQ(v[0], lab.L);
  EXPECT_EQ(v[3], whitenessE313(t.X, t.Y, t.Z, D65, 1));
  EXPECT_EQ(v[4], whitenessCie(t.X, t.Y, t.Z, D65, 1));
  ASSERT_TRUE(computeColorValues(r, Yellowness, C, 0, v, colour));
  EXPECT_FALSE(std::isnan(v[3]));
  ASSERT_TRUE(computeColorValues(r, Yellowness, D65, 1, v, colour));
  EXPECT_TRUE(std::isnan(v[3]));  // D1925 only under C/2°
  EXPECT_FALSE(std::isnan(v[4]));
}

TEST(ColorValues, UnknownSpaceOrConditionWritesNothing) {
  const MeasurementRecord r = curveRecord(testing::reddishCurve());
  ColorValues v{1, 2, 3, 4, 5};
  std::uint32_t colour = 42;
  ASSERT_TRUE(computeColorValues(r, 7, D65, 1, v, colour));
  EXPECT_EQ(v, (ColorValues{1, 2, 3, 4, 5}));
  EXPECT_FALSE(computeColorValues(r, CieLab, 30, 1, v, colour));
  EXPECT_EQ(v, (ColorValues{1, 2, 3, 4, 5}));
}

TEST(ColorValues, FromStoredLabRoundTrips) {
  const MeasurementRecord r = labRecord(62.5f, -12.0f, 30.0f, D65, 1);
  ColorValues v{};
  std::uint32_t colour = 0;
  ASSERT_TRUE(computeColorValuesFromLab(r, CieLab, D65, 1, v, colour));
  EXPECT_NEAR(v[0], 62.5f, 1e-3f);
  EXPECT_NEAR(v[1], -12.0f, 1e-3f);
  EXPECT_NEAR(v[2], 30.0f, 1e-3f);
  EXPECT_EQ(colour, labToDisplayColor(62.5f, -12.0f, 30.0f));
  ASSERT_TRUE(computeColorValuesFromLab(r, CieXyz, D65, 1, v, colour));
  float X, Y, Z;
  labToXyz(62.5f, -12.0f, 30.0f, 94.81f, 100, 107.32f, X, Y, Z);
  EXPECT_EQ(v[0], X);
  EXPECT_EQ(v[1], Y);
}

TEST(LuvWhite, TableAndUnknownPairs) {
  float u, v;
  luvWhiteChromaticity(F12, 1, u, v);
  EXPECT_EQ(u, 0.25738f);
  EXPECT_EQ(v, 0.51945f);
  luvWhiteChromaticity(A, 0, u, v);
  EXPECT_EQ(u, 0.25597f);
  luvWhiteChromaticity(18, 0, u, v);
  EXPECT_EQ(u, 0.0f);
  EXPECT_EQ(v, 0.0f);
}

}  // namespace
}  // namespace corvana
