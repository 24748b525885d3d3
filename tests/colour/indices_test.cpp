#include "colour/indices.h"

#include <gtest/gtest.h>

#include <cmath>

#include "colour/measurement_record.h"
#include "test_records.h"

namespace corvana {
namespace {

TEST(GreyScaleGrades, ColourChangeThresholds) {
  struct Case {
    float v;
    const char* grade;
  } cases[] = {{0.0f, "5"},     {0.39f, "5"}, {0.4f, "4-5"}, {1.249f, "4-5"}, {1.25f, "4"},
               {2.1f, "3-4"},   {2.95f, "3"}, {4.1f, "2-3"}, {5.8f, "2"},     {8.2f, "1-2"},
               {11.59f, "1-2"}, {11.6f, "1"}, {40.0f, "1"},  {NAN, "--"}};
  for (const auto& c : cases) EXPECT_EQ(colourChangeGrade(c.v), c.grade) << c.v;
}

TEST(GreyScaleGrades, StainingThresholds) {
  struct Case {
    float r;
    const char* grade;
  } cases[] = {{0.0f, "1"},    {1.25f, "1"}, {1.26f, "1-2"}, {1.74f, "1-2"}, {2.24f, "2"},
               {2.74f, "2-3"}, {3.0f, "3"},  {3.74f, "3-4"}, {4.24f, "4"},   {4.5f, "4-5"},
               {4.74f, "4-5"}, {4.75f, "5"}, {5.0f, "5"},    {5.3f, "5"},    {NAN, "--"}};
  for (const auto& c : cases) EXPECT_EQ(stainingGrade(c.r), c.grade) << c.r;
}

TEST(StainingRating, BranchesAndFloor) {
  // With no lightness difference ΔE(GS) = E − 0.4·E = 0.6·E.
  auto ratingForGs = [](float gs) { return stainingRating(gs / 0.6f, 0.0f, D65); };
  EXPECT_NEAR(ratingForGs(10.0f), 6.1f - 1.45f * std::log(10.0f), 1e-4f);
  EXPECT_NEAR(ratingForGs(10.0f), 2.761f, 1e-3f);
  EXPECT_EQ(stainingGrade(ratingForGs(10.0f)), "3");
  EXPECT_NEAR(ratingForGs(30.0f), 1.17f, 5e-3f);
  EXPECT_EQ(stainingGrade(ratingForGs(30.0f)), "1");
  EXPECT_NEAR(ratingForGs(4.0f), 5.0f - 0.23f * 4.0f, 1e-5f);
  EXPECT_EQ(ratingForGs(1000.0f), 0.0f);  // never negative
  EXPECT_EQ(stainingRating(0.0f, 0.0f, C), 5.0f);
  EXPECT_TRUE(std::isnan(stainingRating(1.0f, 0.0f, A)));
  EXPECT_TRUE(std::isnan(stainingRating(1.0f, 0.0f, D50)));
}

TEST(StainingRating, PureLightnessDifferenceStaysANumber) {
  // E² − ΔL² may round just below zero when the whole difference is lightness.
  for (float dL : {0.1f, 0.3f, 1.7f, 3.3f, 7.77f, 13.1f}) {
    const float E = std::sqrt(0.0f * 0.0f + dL * dL + 0.0f);
    const float r = stainingRating(E, dL, D65);
    EXPECT_FALSE(std::isnan(r)) << dL;
    EXPECT_NEAR(r, dL < 4.26f ? 5.0f - 0.23f * dL : 6.1f - 1.45f * std::log(dL), 1e-4f);
  }
}

TEST(ColourChange, IdenticalGivesZeroAndLightnessCountsFully) {
  const Lab t{50, 10, 20, std::sqrt(500.0f), hueAngle(10, 20)};
  EXPECT_EQ(colourChangeDifference(t, t, 0, 0), 0.0f);
  Lab s = t;
  s.L = 52;
  EXPECT_FLOAT_EQ(colourChangeDifference(t, s, 2, 0), 2.0f);
}

TEST(ColourChange, ChromaIsDampedByTheMeanChroma) {
  // A pure chroma difference is divided by 1 + (0.02·C̄)², after the hue
  // correction D = ΔC·C̄·E/100 which vanishes far from 280°.
  const float h = 100.0f;  // X = (100 − 280)/30 = −6: E = e^−36
  auto at = [h](float C) {
    const float r = h * kPi / 180.0f;
    return Lab{50, C * std::cos(r), C * std::sin(r), C, h};
  };
  const Lab t = at(30), s = at(32);
  const double meanC = 31.0, dC = 2.0;
  EXPECT_NEAR(colourChangeDifference(t, s, 0, 0), dC / (1 + std::pow(0.02 * meanC, 2)), 1e-4);
}

TEST(Whiteness, DefinedOnlyForTheirConditions) {
  const float X = 90, Y = 95, Z = 110;
  const Xyz t{X, Y, Z};
  const float x = X / (X + Y + Z), y = Y / (X + Y + Z);
  EXPECT_NEAR(whitenessCie(t, {D65, Observer10}), Y + 800 * (0.31382f - x) + 1700 * (0.331f - y),
              1e-3f);
  EXPECT_TRUE(std::isnan(whitenessCie(t, {D65, Observer2})));
  EXPECT_NEAR(whitenessE313(t, {D50, Observer10}), Y + 800 * (0.3477f - x) + 1700 * (0.3595f - y),
              1e-3f);
  EXPECT_NEAR(whitenessE313(t, {C, Observer2}), Y + 800 * (0.3101f - x) + 1700 * (0.3161f - y),
              1e-3f);
  EXPECT_TRUE(std::isnan(whitenessE313(t, {A, Observer10})));
  EXPECT_NEAR(yellownessD1925(t, {C, Observer2}), 100 * (1.28f * X - 1.06f * Z) / Y, 1e-3f);
  EXPECT_TRUE(std::isnan(yellownessD1925(t, {C, Observer10})));
  EXPECT_NEAR(yellownessE313(t, {D65, Observer10}), 100 * (1.3013f * X - 1.1498f * Z) / Y, 1e-3f);
  EXPECT_NEAR(yellownessE313(t, {C, Observer2}), 100 * (1.2769f * X - 1.0592f * Z) / Y, 1e-3f);
  EXPECT_TRUE(std::isnan(yellownessE313(t, {D50, Observer2})));
  // An observer outside the list has no reference white or coefficients.
  EXPECT_TRUE(std::isnan(whitenessE313(t, {D65, static_cast<Observer>(2)})));
  EXPECT_TRUE(std::isnan(yellownessE313(t, {C, static_cast<Observer>(2)})));
}

TEST(ColorStrength, MinimumOnTiesAndRatios) {
  ReflectanceCurve standard;
  standard.fill(0.5f);
  standard[16] = 0.1f;  // 560 nm
  standard[20] = 0.1f;  // 600 nm
  EXPECT_EQ(minimumReflectanceIndex(standard), 16);
  ReflectanceCurve sample = standard;
  EXPECT_EQ(strengthAtMaxAbsorption(standard, sample), 1.0f);
  EXPECT_EQ(strengthSumKS(standard, sample), 1.0f);
  sample[16] = 0.05f;
  EXPECT_FLOAT_EQ(strengthAtMaxAbsorption(standard, sample),
                  kubelkaMunk(0.05f) / kubelkaMunk(0.1f));
  EXPECT_FLOAT_EQ(kubelkaMunk(0.5f), 0.25f);
  // A zero reflectance makes K/S infinite; the ratio is then not finite.
  ReflectanceCurve zero{};
  EXPECT_FALSE(std::isfinite(strengthSumKS(zero, zero)));
}

TEST(MetamericIndex, SumsTheTwoConditions) {
  const MeasurementRecord t = testing::curveRecord(testing::reddishCurve());
  const MeasurementRecord s = testing::curveRecord(testing::reddishCurve(5));
  EXPECT_EQ(metamericIndex(t, t, MetamericConditions{}), 0.0f);
  const MetamericConditions d65Twice{{{{D65, Observer10}, {D65, Observer10}}}};
  const Lab a = recordLab(t, {D65, Observer10}).value(),
            b = recordLab(s, {D65, Observer10}).value();
  const float dL = b.L - a.L, da = b.a - a.a, db = b.b - a.b;
  EXPECT_FLOAT_EQ(metamericIndex(t, s, d65Twice), 2 * std::sqrt(da * da + dL * dL + db * db));
}

}  // namespace
}  // namespace corvana
