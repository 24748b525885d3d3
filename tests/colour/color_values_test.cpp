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

constexpr Condition kD65Ten{D65, Observer10};

Xyz tristimulus(const MeasurementRecord& r, Condition condition) {
  return computeTristimulus(r.reflectance, condition).value_or(Xyz{});
}

ColorValues valuesOf(const MeasurementRecord& r, ColorSpace space, Condition condition) {
  const std::optional<RecordColor> c = computeColorValues(r, space, condition);
  EXPECT_TRUE(c.has_value());
  return c ? c->values : ColorValues{};
}

TEST(ColorValues, EverySpaceFromTheCurve) {
  const MeasurementRecord r = curveRecord(testing::reddishCurve());
  const Xyz t = tristimulus(r, kD65Ten);
  const Lab lab = recordLab(r, kD65Ten).value();

  const std::optional<RecordColor> c = computeColorValues(r, CieLab, kD65Ten);
  ASSERT_TRUE(c.has_value());
  EXPECT_EQ(c->values, (ColorValues{lab.L, lab.a, lab.b, lab.C, lab.h}));
  const std::uint32_t colour = c->displayColor;
  EXPECT_EQ(colour, labToDisplayColor(lab.L, lab.a, lab.b));
  EXPECT_GT((colour >> 16) & 0xFF, (colour >> 8) & 0xFF);  // reddish on screen too
  EXPECT_EQ(c->lab.L, lab.L);
  EXPECT_EQ(c->lab.h, lab.h);

  ColorValues v = valuesOf(r, CieXyz, kD65Ten);
  EXPECT_EQ(v[0], t.X);
  EXPECT_EQ(v[1], t.Y);
  EXPECT_FLOAT_EQ(v[3], t.X / (t.X + t.Y + t.Z));
  EXPECT_FLOAT_EQ(v[4], t.Y / (t.X + t.Y + t.Z));

  v = valuesOf(r, CieLuv, kD65Ten);
  EXPECT_FLOAT_EQ(v[0], lab.L);
  const double D = t.X + 15.0 * t.Y + 3.0 * t.Z;
  EXPECT_NEAR(v[1], 13 * lab.L * (4 * t.X / D - 0.19786), 1e-3);
  EXPECT_NEAR(v[2], 13 * lab.L * (9 * t.Y / D - 0.46954), 1e-3);
  EXPECT_FLOAT_EQ(v[4], hueAngle(v[1], v[2]));

  const ColorValues rgb = valuesOf(r, CieRgb, kD65Ten);
  EXPECT_EQ(rgb[3], 0.0f);  // three values only: the rest stay 0
  EXPECT_EQ(rgb[4], 0.0f);
  const Xyz back = cieRgbToXyz(rgb[0], rgb[1], rgb[2]);
  EXPECT_NEAR(back.X, t.X, 2e-3f);
  EXPECT_NEAR(back.Y, t.Y, 2e-3f);
  EXPECT_NEAR(back.Z, t.Z, 2e-3f);

  v = valuesOf(r, HunterLab, kD65Ten);
  EXPECT_FLOAT_EQ(v[0], 10 * std::sqrt(t.Y));
  EXPECT_GT(v[1], 0.0f);

  v = valuesOf(r, WhitenessTint, kD65Ten);
  EXPECT_FLOAT_EQ(v[0], lab.L);
  EXPECT_EQ(v[3], whitenessE313(t, kD65Ten));
  EXPECT_EQ(v[4], whitenessCie(t, kD65Ten));
  v = valuesOf(r, Yellowness, {C, Observer2});
  EXPECT_FALSE(std::isnan(v[3]));
  v = valuesOf(r, Yellowness, kD65Ten);
  EXPECT_TRUE(std::isnan(v[3]));  // D1925 only under C/2°
  EXPECT_FALSE(std::isnan(v[4]));
}

TEST(ColorValues, UnknownSpaceOrConditionWritesNothing) {
  const MeasurementRecord r = curveRecord(testing::reddishCurve());
  // An unknown space has no values: none is written, all stay 0.
  const std::optional<RecordColor> unknownSpace =
      computeColorValues(r, static_cast<ColorSpace>(7), kD65Ten);
  ASSERT_TRUE(unknownSpace.has_value());
  EXPECT_EQ(unknownSpace->values, ColorValues{});
  EXPECT_FALSE(
      computeColorValues(r, CieLab, {static_cast<Illuminant>(30), Observer10}).has_value());
}

TEST(ColorValues, FromStoredLabRoundTrips) {
  const MeasurementRecord r = labRecord(62.5f, -12.0f, 30.0f, D65, 1);
  const std::optional<RecordColor> c = computeColorValuesFromLab(r, CieLab, kD65Ten);
  ASSERT_TRUE(c.has_value());
  EXPECT_NEAR(c->values[0], 62.5f, 1e-3f);
  EXPECT_NEAR(c->values[1], -12.0f, 1e-3f);
  EXPECT_NEAR(c->values[2], 30.0f, 1e-3f);
  EXPECT_EQ(c->displayColor, labToDisplayColor(62.5f, -12.0f, 30.0f));
  // Its CIELAB is the stored one, as recordLab gives it.
  EXPECT_EQ(c->lab.L, recordLab(r, kD65Ten).value().L);
  EXPECT_EQ(c->lab.C, recordLab(r, kD65Ten).value().C);
  const std::optional<RecordColor> xyz = computeColorValuesFromLab(r, CieXyz, kD65Ten);
  ASSERT_TRUE(xyz.has_value());
  const Xyz t = labToXyz(62.5f, -12.0f, 30.0f, WhitePoint{94.81f, 100, 107.32f});
  EXPECT_EQ(xyz->values[0], t.X);
  EXPECT_EQ(xyz->values[1], t.Y);
  EXPECT_FALSE(computeColorValuesFromLab(r, CieLab, {D65, static_cast<Observer>(2)}).has_value());
}

TEST(LuvWhite, TableAndUnknownPairs) {
  LuvWhite w = luvWhiteChromaticity({F12, Observer10});
  EXPECT_EQ(w.un, 0.25738f);
  EXPECT_EQ(w.vn, 0.51945f);
  w = luvWhiteChromaticity({A, Observer2});
  EXPECT_EQ(w.un, 0.25597f);
  w = luvWhiteChromaticity({static_cast<Illuminant>(18), Observer2});
  EXPECT_EQ(w.un, 0.0f);
  EXPECT_EQ(w.vn, 0.0f);
}

}  // namespace
}  // namespace corvana
