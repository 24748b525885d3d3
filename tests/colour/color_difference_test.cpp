#include "colour/color_difference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "colour/color_values.h"
#include "colour/measurement_record.h"
#include "test_records.h"

namespace corvana {
namespace {

using testing::curveRecord;
using testing::labRecord;

Lab lab(float L, float a, float b) { return {L, a, b, std::sqrt(a * a + b * b), hueAngle(a, b)}; }
Lab lch(float L, float C, float hDegrees) {
  const double r = hDegrees * M_PI / 180.0;
  return lab(L, float(C * std::cos(r)), float(C * std::sin(r)));
}

// Sharma, Wu and Dalal (2005), the CIEDE2000 test data.
struct SharmaPair {
  float L1, a1, b1, L2, a2, b2, dE;
};
const SharmaPair kSharma[] = {
    {50.0000f, 2.6772f, -79.7751f, 50.0000f, 0.0000f, -82.7485f, 2.0425f},
    {50.0000f, 3.1571f, -77.2803f, 50.0000f, 0.0000f, -82.7485f, 2.8615f},
    {50.0000f, 2.8361f, -74.0200f, 50.0000f, 0.0000f, -82.7485f, 3.4412f},
    {50.0000f, -1.3802f, -84.2814f, 50.0000f, 0.0000f, -82.7485f, 1.0000f},
    {50.0000f, -1.1848f, -84.8006f, 50.0000f, 0.0000f, -82.7485f, 1.0000f},
    {50.0000f, -0.9009f, -85.5211f, 50.0000f, 0.0000f, -82.7485f, 1.0000f},
    {50.0000f, 0.0000f, 0.0000f, 50.0000f, -1.0000f, 2.0000f, 2.3669f},
    {50.0000f, -1.0000f, 2.0000f, 50.0000f, 0.0000f, 0.0000f, 2.3669f},
    {50.0000f, 2.4900f, -0.0010f, 50.0000f, -2.4900f, 0.0009f, 7.1792f},
    {50.0000f, 2.4900f, -0.0010f, 50.0000f, -2.4900f, 0.0010f, 7.1792f},
    {50.0000f, 2.4900f, -0.0010f, 50.0000f, -2.4900f, 0.0011f, 7.2195f},
    {50.0000f, 2.4900f, -0.0010f, 50.0000f, -2.4900f, 0.0012f, 7.2195f},
    {50.0000f, -0.0010f, 2.4900f, 50.0000f, 0.0009f, -2.4900f, 4.8045f},
    {50.0000f, -0.0010f, 2.4900f, 50.0000f, 0.0010f, -2.4900f, 4.8045f},
    {50.0000f, -0.0010f, 2.4900f, 50.0000f, 0.0011f, -2.4900f, 4.7461f},
    {50.0000f, 2.5000f, 0.0000f, 50.0000f, 0.0000f, -2.5000f, 4.3065f},
    {50.0000f, 2.5000f, 0.0000f, 73.0000f, 25.0000f, -18.0000f, 27.1492f},
    {50.0000f, 2.5000f, 0.0000f, 61.0000f, -5.0000f, 29.0000f, 22.8977f},
    {50.0000f, 2.5000f, 0.0000f, 56.0000f, -27.0000f, -3.0000f, 31.9030f},
    {50.0000f, 2.5000f, 0.0000f, 58.0000f, 24.0000f, 15.0000f, 19.4535f},
    {50.0000f, 2.5000f, 0.0000f, 50.0000f, 3.1736f, 0.5854f, 1.0000f},
    {50.0000f, 2.5000f, 0.0000f, 50.0000f, 3.2972f, 0.0000f, 1.0000f},
    {50.0000f, 2.5000f, 0.0000f, 50.0000f, 1.8634f, 0.5757f, 1.0000f},
    {50.0000f, 2.5000f, 0.0000f, 50.0000f, 3.2592f, 0.3350f, 1.0000f},
    {60.2574f, -34.0099f, 36.2677f, 60.4626f, -34.1751f, 39.4387f, 1.2644f},
    {63.0109f, -31.0961f, -5.8663f, 62.8187f, -29.7946f, -4.0864f, 1.2630f},
    {61.2901f, 3.7196f, -5.3901f, 61.4292f, 2.2480f, -4.9620f, 1.8731f},
    {35.0831f, -44.1164f, 3.7933f, 35.0232f, -40.0716f, 1.5901f, 1.8645f},
    {22.7233f, 20.0904f, -46.6940f, 23.0331f, 14.9730f, -42.5619f, 2.0373f},
    {36.4612f, 47.8580f, 18.3852f, 36.2715f, 50.5065f, 21.2231f, 1.4146f},
    {90.8027f, -2.0831f, 1.4410f, 91.1528f, -1.6435f, 0.0447f, 1.4441f},
    {90.9257f, -0.5406f, -0.9208f, 88.6381f, -0.8985f, -0.7239f, 1.5381f},
    {6.7747f, -0.2908f, -2.4247f, 5.8714f, -0.0985f, -2.2286f, 0.6377f},
    {2.0776f, 0.0795f, -1.1350f, 0.9033f, -0.0636f, -0.5514f, 0.9082f},
};

TEST(Cie2000, SharmaPairs) {
  const ParametricFactors unit;
  int number = 0;
  for (const auto& p : kSharma) {
    ++number;
    const WeightedDifference d =
        cie2000Difference(lab(p.L1, p.a1, p.b1), lab(p.L2, p.a2, p.b2), unit);
    EXPECT_NEAR(d.total, p.dE, 1e-4f) << "pair " << number;
    // Symmetric in the pair, as the formula is.
    EXPECT_NEAR(cie2000Difference(lab(p.L2, p.a2, p.b2), lab(p.L1, p.a1, p.b1), unit).total, p.dE,
                1e-4f)
        << "pair " << number << " reversed";
  }
}

TEST(Cie2000, MeanHueBranches) {
  EXPECT_EQ(cie2000MeanHue(350, 10), 0.0f);
  EXPECT_EQ(cie2000MeanHue(10, 350), 0.0f);
  EXPECT_EQ(cie2000MeanHue(300, 100), 20.0f);  // sum ≥ 360
  EXPECT_EQ(cie2000MeanHue(200, 10), 285.0f);  // sum < 360
  EXPECT_EQ(cie2000MeanHue(270, 90), 180.0f);  // exactly opposite: the direct mean
  EXPECT_EQ(cie2000MeanHue(40, 60), 50.0f);
}

TEST(Cie2000, HuesAcrossZeroUseMeanHueZero) {
  // Equal chroma and lightness, hues 350° and 10°: only the hue term remains,
  // weighted by T at H̄' = 0 (not 180).
  const Lab t = lch(50, 30, 350), s = lch(50, 30, 10);
  const ParametricFactors unit;
  const WeightedDifference d = cie2000Difference(t, s, unit);
  const double Cbar = 30.0,
               G = 0.5 *
                   (1 - std::sqrt(std::pow(Cbar, 7) / (std::pow(Cbar, 7) + std::pow(25.0, 7))));
  const double Cp = std::hypot((1 + G) * t.a, double(t.b));
  const double hp = std::atan2(double(s.b), (1 + G) * s.a);  // half the hue difference
  const double dH = 2 * Cp * std::sin(hp);
  const double T0 = 1 - 0.17 * std::cos(-M_PI / 6) + 0.24 + 0.32 * std::cos(M_PI / 30) -
                    0.20 * std::cos(-63 * M_PI / 180);
  const double SH = 1 + 0.015 * Cp * T0;
  EXPECT_NEAR(d.hue, dH / SH, 1e-4);
  EXPECT_NEAR(d.total, std::fabs(dH / SH), 1e-4);
}

TEST(Cmc, HueWeightBranchesAreStrict) {
  auto second = [](double h) { return 0.36 + std::fabs(0.4 * std::cos((h + 35) * M_PI / 180)); };
  auto first = [](double h) { return 0.56 + std::fabs(0.2 * std::cos((h + 168) * M_PI / 180)); };
  struct Case {
    float h;
    bool firstBranch;
  } cases[] = {{164.0f, false}, {164.01f, true}, {250.0f, true}, {344.99f, true},
               {345.0f, false}, {0.0f, false},   {100.0f, false}};
  for (const auto& c : cases)
    EXPECT_NEAR(cmcHueWeight(c.h), c.firstBranch ? first(c.h) : second(c.h), 1e-5) << c.h;
}

// Textbook forms in double, with ΔH from the Pythagorean identity.
double textbookCie94(const Lab& t, const Lab& s, double kL, double kC, double kH) {
  const double dL = s.L - t.L, dC = s.C - t.C, da = s.a - t.a, db = s.b - t.b;
  const double dH2 = std::max(0.0, da * da + db * db - dC * dC);
  const double SC = 1 + 0.045 * t.C, SH = 1 + 0.015 * t.C;
  return std::sqrt(std::pow(dL / kL, 2) + std::pow(dC / (kC * SC), 2) + dH2 / std::pow(kH * SH, 2));
}
double textbookCmc(const Lab& t, const Lab& s, double l, double c) {
  const double dL = s.L - t.L, dC = s.C - t.C, da = s.a - t.a, db = s.b - t.b;
  const double dH2 = std::max(0.0, da * da + db * db - dC * dC);
  const double SL = t.L < 16 ? 0.511 : 0.040975 * t.L / (1 + 0.01765 * t.L);
  const double SC = 0.0638 * t.C / (1 + 0.0131 * t.C) + 0.638;
  const double F = std::sqrt(std::pow(t.C, 4) / (std::pow(t.C, 4) + 1900));
  const double h = t.h;
  const double T = (h > 164 && h < 345) ? 0.56 + std::fabs(0.2 * std::cos((h + 168) * M_PI / 180))
                                        : 0.36 + std::fabs(0.4 * std::cos((h + 35) * M_PI / 180));
  const double SH = SC * (F * T + 1 - F);
  return std::sqrt(std::pow(dL / (l * SL), 2) + std::pow(dC / (c * SC), 2) + dH2 / (SH * SH));
}

TEST(WeightedFormulas, AgreeWithTextbookFormsOnRandomPairs) {
  std::mt19937 rng(3);
  std::uniform_real_distribution<float> L(5, 95), ab(-80, 80), d(-3, 3);
  for (int i = 0; i < 500; ++i) {
    const Lab t = lab(L(rng), ab(rng), ab(rng));
    const Lab s = lab(t.L + d(rng), t.a + d(rng), t.b + d(rng));
    for (const ParametricFactors k :
         {ParametricFactors{}, ParametricFactors{2, 1, 1}, ParametricFactors{1.5f, 0.7f, 1.2f}}) {
      const double e94 = textbookCie94(t, s, k.kL, k.kC, k.kH);
      EXPECT_NEAR(cie94Difference(t, s, k).total, e94, 2e-4 * (1 + e94));
      const double ecmc = textbookCmc(t, s, k.kL, k.kC);
      EXPECT_NEAR(cmcDifference(t, s, k).total, ecmc, 2e-4 * (1 + ecmc));
    }
  }
}

TEST(WeightedFormulas, ParametricFactors) {
  const Lab t = lab(50, 20, 10), lighter = lab(52, 20, 10), hue = lch(50, t.C, t.h + 5);
  const ParametricFactors unit, kl2{2, 1, 1}, kh3{1, 1, 3};
  // Doubling kL halves a pure lightness difference in CIE 94 and CIE 2000 ...
  EXPECT_FLOAT_EQ(cie94Difference(t, lighter, kl2).total,
                  cie94Difference(t, lighter, unit).total / 2);
  EXPECT_FLOAT_EQ(cie2000Difference(t, lighter, kl2).total,
                  cie2000Difference(t, lighter, unit).total / 2);
  // ... and CMC's l as well; kH never reaches CMC.
  EXPECT_FLOAT_EQ(cmcDifference(t, lighter, kl2).total, cmcDifference(t, lighter, unit).total / 2);
  EXPECT_EQ(cmcDifference(t, hue, kh3).total, cmcDifference(t, hue, unit).total);
  EXPECT_NEAR(cie94Difference(t, hue, kh3).hue, cie94Difference(t, hue, unit).hue / 3, 1e-6);
}

TEST(SignedHueDifference, SignMagnitudeAndNeutralColours) {
  // Hue 2° counter-clockwise at chroma 20: 2·20·sin(1°).
  const Lab t = lch(50, 20, 30), s = lch(50, 20, 32);
  EXPECT_NEAR(signedHueDifference(t.a, t.b, t.C, s.a, s.b, s.C), 0.6981, 1e-4);
  EXPECT_NEAR(signedHueDifference(s.a, s.b, s.C, t.a, t.b, t.C), -0.6981, 1e-4);
  // Across 0°: 359° to 1° is +2°.
  const Lab u = lch(50, 20, 359), v = lch(50, 20, 1);
  EXPECT_NEAR(signedHueDifference(u.a, u.b, u.C, v.a, v.b, v.C), 0.6981, 1e-4);
  // A neutral colour has no hue difference (the closed form would be 0/0).
  EXPECT_EQ(signedHueDifference(0, 0, 0, 3, 4, 5), 0.0f);
  EXPECT_EQ(signedHueDifference(3, 4, 5, 0, 0, 0), 0.0f);
}

TEST(SignedHueDifference, ExactAndNearOppositeHues) {
  // Opposite hues: |ΔH| = 2·√(C1·C2), decided as +180°.
  EXPECT_FLOAT_EQ(signedHueDifference(10, 0, 10, -10, 0, 10), 20.0f);
  EXPECT_FLOAT_EQ(signedHueDifference(10, 0, 10, -10, -0.0f, 10), 20.0f);
  EXPECT_FLOAT_EQ(signedHueDifference(0, 10, 10, 0, -10, 10), 20.0f);
  // 179.9° apart: all digits survive.
  const Lab t = lch(50, 20, 10), s = lch(50, 20, 189.9f);
  EXPECT_NEAR(signedHueDifference(t.a, t.b, t.C, s.a, s.b, s.C),
              40.0 * std::sin(179.9 / 2 * M_PI / 180), 2e-5);
  // Equals the closed form wherever that is well conditioned.
  std::mt19937 rng(5);
  std::uniform_real_distribution<float> ab(-60, 60);
  for (int i = 0; i < 200; ++i) {
    const float a1 = ab(rng), b1 = ab(rng), a2 = ab(rng), b2 = ab(rng);
    const double C1 = std::hypot(a1, b1), C2 = std::hypot(a2, b2);
    const double dot = double(a1) * a2 + double(b1) * b2;
    if (dot < 0) continue;  // keep away from the opposite-hue cancellation
    const double closed = (double(a1) * b2 - double(a2) * b1) / std::sqrt(0.5 * (C1 * C2 + dot));
    EXPECT_NEAR(signedHueDifference(a1, b1, float(C1), a2, b2, float(C2)), closed,
                1e-4 * (1 + std::fabs(closed)));
  }
}

// --- computeDifferences over records -------------------------------------

constexpr float kUnset = -2000.0f;

constexpr Condition kD65Ten{D65, Observer10};

ColorValues valuesOf(const MeasurementRecord& r, ColorSpace space, Condition condition) {
  const std::optional<RecordColor> c = r.UseReflect
                                           ? computeColorValues(r, space, condition)
                                           : computeColorValuesFromLab(r, space, condition);
  return c ? c->values : ColorValues{};
}

ColorDifferences run(const MeasurementRecord& t, const MeasurementRecord& s, ColorSpace space,
                     ColorFormula formula, Condition condition) {
  const ColorValues tv = valuesOf(t, space, condition), sv = valuesOf(s, space, condition);
  ColorDifferences d;
  d.fill(kUnset);
  computeDifferences(t, s, tv, sv, space, formula, condition, MetamericConditions{}, d,
                     ParametricFactors{});
  return d;
}
ColorDifferences run(const MeasurementRecord& t, const MeasurementRecord& s, ColorSpace space,
                     ColorFormula formula) {
  return run(t, s, space, formula, kD65Ten);
}
ColorDifferences run(const MeasurementRecord& t, const MeasurementRecord& s, ColorSpace space,
                     ColorFormula formula, Illuminant illuminant) {
  return run(t, s, space, formula, {illuminant, Observer10});
}

TEST(ComputeDifferences, IdenticalRecordsGiveZeroInEverySpaceAndWeightedFormula) {
  const MeasurementRecord r = curveRecord(testing::reddishCurve());
  for (ColorSpace space : colorSpaceOrder())
    for (ColorFormula formula : {Cie1976, Cie94, Cie2000, Cmc}) {
      SCOPED_TRACE(::testing::Message() << "space " << space << " formula " << formula);
      const ColorDifferences d = run(r, r, space, formula);
      const int D = differenceCount(space, formula);
      for (int i = 0; i < D; ++i) {
        // YI(D1925) is undefined under D65/10°, and so is its difference.
        if (space == Yellowness && i == 3)
          EXPECT_TRUE(std::isnan(d[i]));
        else
          EXPECT_EQ(d[i], 0.0f) << "slot " << i;
      }
      for (int i = D; i < kMaxDifferences; ++i) EXPECT_EQ(d[i], kUnset) << "slot " << i;
    }
}

TEST(ComputeDifferences, IndexFormulasOfIdenticalRecords) {
  const MeasurementRecord r = curveRecord(testing::reddishCurve());
  ColorDifferences d = run(r, r, CieLab, ColorFastness);
  EXPECT_EQ(d[5], 0.0f);
  EXPECT_EQ(d[6], 0.0f);
  EXPECT_EQ(d[7], 0.0f);
  d = run(r, r, CieLab, StainingFastness);
  EXPECT_EQ(d[6], 5.0f);
  EXPECT_EQ(d[7], 5.0f);
  d = run(r, r, CieLab, MetamericIndex);
  EXPECT_EQ(d[6], 0.0f);
  EXPECT_EQ(d[7], kUnset);
  d = run(r, r, CieLab, ColorStrength);
  EXPECT_EQ(d[6], 1.0f);
  EXPECT_EQ(d[7], 1.0f);
}

TEST(ComputeDifferences, SlotLayoutOfLabWithWeightedFormulas) {
  const MeasurementRecord t = curveRecord(testing::reddishCurve());
  const MeasurementRecord s = curveRecord(testing::reddishCurve(6.0f));
  const ColorDifferences plain = run(t, s, CieLab, Cie1976);
  const ColorDifferences e00 = run(t, s, CieLab, Cie2000);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(e00[i], plain[i]);
  const Lab lt = recordLab(t, kD65Ten).value(), ls = recordLab(s, kD65Ten).value();
  const WeightedDifference w = cie2000Difference(lt, ls, ParametricFactors{});
  EXPECT_EQ(e00[3], w.chroma);
  EXPECT_EQ(e00[4], w.hue);
  EXPECT_EQ(e00[5], w.total);
  EXPECT_EQ(e00[6], kUnset);
  EXPECT_EQ(plain[5], cie1976Difference(lt, ls));
  // Space 0 carries the signed ΔH*: it matches the sign of the hue shift.
  EXPECT_EQ(plain[4], signedHueDifference(lt.a, lt.b, lt.C, ls.a, ls.b, ls.C));
  // In XYZ the weighted slots come after the five space differences.
  const ColorDifferences xyz = run(t, s, CieXyz, Cie2000);
  EXPECT_EQ(xyz[5], w.chroma);
  EXPECT_EQ(xyz[7], w.total);
}

TEST(ComputeDifferences, NeutralGreyStandardGetsRealWeightedDifferences) {
  const MeasurementRecord grey = labRecord(50, 0, 0, D65, 1);
  const MeasurementRecord sample = labRecord(51, 1, -1, D65, 1);
  for (ColorFormula formula : {Cie94, Cie2000, Cmc}) {
    const ColorDifferences d = run(grey, sample, CieLab, formula);
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(std::isfinite(d[i])) << formula << " slot " << i;
    EXPECT_EQ(d[4], 0.0f);  // no hue difference from a colour without hue
  }
}

TEST(ComputeDifferences, CurveLessRecordsUnderOtherConditionsWriteOnlySpaceSlots) {
  const MeasurementRecord t = labRecord(50, 10, 10, D65, 1);
  const MeasurementRecord s = labRecord(52, 11, 9, D65, 1);
  ColorDifferences d = run(t, s, CieLab, Cie1976, kD65Ten);
  EXPECT_NEAR(d[5], std::sqrt(6.0f), 1e-5f);
  ColorValues tv{1, 2, 3, 4, 5}, sv{2, 3, 4, 5, 6};
  d.fill(kUnset);
  computeDifferences(t, s, tv, sv, CieLab, Cie1976, {A, Observer10}, MetamericConditions{}, d,
                     ParametricFactors{});
  EXPECT_EQ(d[0], 1.0f);
  EXPECT_EQ(d[5], kUnset);
  // Metameric index needs two curves.
  d = run(t, s, CieLab, MetamericIndex, kD65Ten);
  EXPECT_NEAR(d[5], std::sqrt(6.0f), 1e-5f);
  EXPECT_EQ(d[6], kUnset);
}

TEST(ComputeDifferences, LuvHueIsThePlainAngleDifference) {
  const MeasurementRecord t = curveRecord(testing::reddishCurve());
  const MeasurementRecord s = curveRecord(testing::reddishCurve(4.0f));
  const ColorValues tv = valuesOf(t, CieLuv, kD65Ten), sv = valuesOf(s, CieLuv, kD65Ten);
  const ColorDifferences d = run(t, s, CieLuv, Cie1976);
  EXPECT_EQ(d[3], sv[3] - tv[3]);
  EXPECT_EQ(d[4], sv[4] - tv[4]);
}

TEST(ComputeDifferences, StainingOutsideD65AndCIsNotANumber) {
  const MeasurementRecord t = curveRecord(testing::reddishCurve());
  const MeasurementRecord s = curveRecord(testing::reddishCurve(3.0f));
  for (Illuminant illuminant : {A, F11}) {
    const ColorDifferences d = run(t, s, CieLab, StainingFastness, illuminant);
    EXPECT_GT(d[5], 0.0f);
    EXPECT_TRUE(std::isnan(d[6]));
    EXPECT_TRUE(std::isnan(d[7]));
  }
  EXPECT_FALSE(std::isnan(run(t, s, CieLab, StainingFastness, C)[6]));
}

}  // namespace
}  // namespace corvana
