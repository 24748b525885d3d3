#include "colour/tristimulus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "colour/cielab.h"
#include "colour/weighting_tables.h"
#include "colour/white_point.h"

namespace corvana {
namespace {

struct TellingRow {
  Illuminant illuminant;
  Observer observer;
  int wavelength;
  float x, y, z;
};

int rowOf(Illuminant illuminant, int wavelength) {
  return (wavelength - 400) / (usesFiveNanometreTable(illuminant) ? 5 : 10);
}

TEST(WeightingTables, TellingRows) {
  const TellingRow rows[] = {
      {D65, Observer2, 400, 0.131f, 0.004f, 0.618f},
      {D65, Observer2, 550, 4.250f, 9.752f, 0.086f},
      {D65, Observer2, 700, 0.151f, 0.053f, 0.000f},
      {D65, Observer10, 400, 0.145f, 0.015f, 0.643f},
      {D65, Observer10, 550, 4.732f, 8.855f, 0.035f},
      {D65, Observer10, 700, 0.109f, 0.043f, 0.000f},
      {A, Observer2, 400, 0.023f, 0.000f, 0.110f},
      {A, Observer2, 550, 3.735f, 8.571f, 0.075f},
      {A, Observer2, 700, 0.429f, 0.154f, 0.000f},
      {F11, Observer10, 400, 0.089f, 0.009f, 0.407f},
      {F11, Observer10, 550, 12.320f, 24.661f, 0.148f},
      {F11, Observer10, 700, 0.027f, 0.010f, 0.000f},
      {F1, Observer2, 400, 0.041266f, 0.001153f, 0.195455f},
      {F1, Observer2, 435, 4.899049f, 0.251142f, 24.203836f},
      {F1, Observer2, 545, 3.407533f, 9.286641f, 0.126942f},
      {F1, Observer2, 700, 0.014368f, 0.005189f, 0.0f},
      {F12, Observer10, 435, 3.397330f, 0.471080f, 17.080723f},
      {F12, Observer10, 545, 9.655304f, 21.000387f, 0.169295f},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(::testing::Message() << illuminantName(r.illuminant) << "/" << r.observer << " "
                                      << r.wavelength << " nm");
    const WeightingTable* t = findWeightingTable({r.illuminant, r.observer});
    ASSERT_NE(t, nullptr);
    const int row = rowOf(r.illuminant, r.wavelength);
    EXPECT_EQ(t->weights[row][0], r.x);
    EXPECT_EQ(t->weights[row][1], r.y);
    EXPECT_EQ(t->weights[row][2], r.z);
  }
}

TEST(WeightingTables, AllThirtySixInStoredOrderWithTheirWhites) {
  const auto tables = weightingTables();
  ASSERT_EQ(tables.size(), 36u);
  const int order[] = {D65, A, C, D50, D55, D75, F2, F7, F11, F1, F3, F4, F5, F6, F8, F9, F10, F12};
  for (int i = 0; i < 36; ++i) {
    EXPECT_EQ(tables[i].illuminant, order[i / 2]);
    EXPECT_EQ(tables[i].observer, i % 2);
    const std::optional<WhitePoint> w = whitePointOf({tables[i].illuminant, tables[i].observer});
    ASSERT_TRUE(w.has_value());
    EXPECT_EQ(tables[i].white.X, w->X);
    EXPECT_EQ(tables[i].white.Z, w->Z);
    // Unused 10 nm rows stay zero; 5 nm tables fill all 61.
    const int used = tables[i].rowCount();
    for (int row = used; row < kWeightRows; ++row) EXPECT_EQ(tables[i].weights[row][1], 0.0f);
    float sumY = 0;
    for (int row = 0; row < used; ++row) sumY += tables[i].weights[row][1];
    EXPECT_NEAR(sumY, 100.0f, 0.01f) << i;
  }
  // The enumerations can hold codes outside their lists; those have no table.
  EXPECT_EQ(findWeightingTable({static_cast<Illuminant>(18), Observer2}), nullptr);
  EXPECT_EQ(findWeightingTable({D65, static_cast<Observer>(2)}), nullptr);
  EXPECT_EQ(findWeightingTable({static_cast<Illuminant>(-1), Observer2}), nullptr);
}

TEST(WeightingTables, FiveNanometreWhitesAreTheColumnSums) {
  for (const auto& t : weightingTables()) {
    if (!usesFiveNanometreTable(t.illuminant)) continue;
    double x = 0, z = 0;
    for (int row = 0; row < kWeightRows; ++row) x += t.weights[row][0], z += t.weights[row][2];
    EXPECT_NEAR(x, t.white.X, 6e-5) << illuminantName(t.illuminant) << "/" << t.observer;
    EXPECT_NEAR(z, t.white.Z, 6e-5) << illuminantName(t.illuminant) << "/" << t.observer;
  }
}

TEST(WhitePoint, StoredValuesAndUnknownPairs) {
  const std::optional<WhitePoint> d65 = whitePointOf({D65, Observer10});
  ASSERT_TRUE(d65.has_value());
  EXPECT_EQ(d65->X, 94.81f);
  EXPECT_EQ(d65->Y, 100.0f);
  EXPECT_EQ(d65->Z, 107.32f);  // stored, although the weights sum to 107.307
  const std::optional<WhitePoint> f8 = whitePointOf({F8, Observer2});
  ASSERT_TRUE(f8.has_value());
  EXPECT_EQ(f8->X, 96.4274f);
  EXPECT_FALSE(whitePointOf({static_cast<Illuminant>(18), Observer2}).has_value());
  EXPECT_FALSE(whitePointOf({D65, static_cast<Observer>(3)}).has_value());
}

TEST(Tristimulus, PerfectWhiteGivesColumnSumsAndNearlyHundredLightness) {
  ReflectanceCurve one;
  one.fill(1.0f);
  const std::optional<Xyz> t = computeTristimulus(one, {D65, Observer2});
  ASSERT_TRUE(t.has_value());
  EXPECT_NEAR(t->X, 95.049f, 2e-4f);
  EXPECT_NEAR(t->Y, 99.999f, 2e-4f);
  EXPECT_NEAR(t->Z, 108.882f, 2e-4f);
  const Lab lab = xyzToLab(*t, WhitePoint{95.04f, 100.0f, 108.88f});
  EXPECT_NEAR(lab.L, 100.0f, 0.005f);
  EXPECT_NE(lab.L, 100.0f);
}

TEST(Tristimulus, BlackGivesZero) {
  ReflectanceCurve zero{};
  for (Illuminant illuminant : {D65, F1}) {
    const std::optional<Xyz> t = computeTristimulus(zero, {illuminant, Observer10});
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(t->X, 0.0f);
    EXPECT_EQ(t->Y, 0.0f);
    EXPECT_EQ(t->Z, 0.0f);
    const Lab lab = xyzToLab(*t, WhitePoint{95.04f, 100.0f, 108.88f});
    EXPECT_NEAR(lab.L, 0.0f, 1e-5f);
    EXPECT_EQ(lab.a, 0.0f);
    EXPECT_EQ(lab.b, 0.0f);
    EXPECT_EQ(lab.h, 0.0f);
  }
}

TEST(Tristimulus, UnknownPairGivesNothing) {
  ReflectanceCurve c{};
  EXPECT_FALSE(computeTristimulus(c, {static_cast<Illuminant>(40), Observer2}).has_value());
  EXPECT_FALSE(computeTristimulus(c, {D65, static_cast<Observer>(5)}).has_value());
}

TEST(Tristimulus, StraightLineUnderFluorescentEqualsDirectFiveNanometreSum) {
  ReflectanceCurve line;
  for (int i = 0; i < kCurvePoints; ++i) line[i] = 0.2f + 0.02f * float(i);
  const WeightingTable* t = findWeightingTable({F1, Observer2});
  float x = 0, y = 0, z = 0;
  for (int row = 0; row < kWeightRows; ++row) {
    const double r = 0.2 + 0.01 * row;  // the line at 400 + 5·row nm
    x += float(double(t->weights[row][0]) * r);
    y += float(double(t->weights[row][1]) * r);
    z += float(double(t->weights[row][2]) * r);
  }
  const std::optional<Xyz> t5 = computeTristimulus(line, {F1, Observer2});
  ASSERT_TRUE(t5.has_value());
  EXPECT_NEAR(t5->X, x, 1e-5f);
  EXPECT_NEAR(t5->Y, y, 1e-5f);
  EXPECT_NEAR(t5->Z, z, 1e-5f);
}

// The 5 nm path evaluates the spline only where it is needed; it must give
// bit for bit what the full interpolation sampled every fifth nanometre gives.
TEST(Tristimulus, FiveNanometrePathMatchesFullInterpolation) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<float> value(0.0f, 1.2f);
  for (int trial = 0; trial < 50; ++trial) {
    ReflectanceCurve c;
    for (float& v : c) v = value(rng);
    double in[kCurvePoints], out[kSplinePoints] = {};
    for (int i = 0; i < kCurvePoints; ++i) in[i] = c[i];
    interpolateReflectance(in, out);
    for (int code = F1; code <= F12; ++code) {
      const Condition condition{static_cast<Illuminant>(code), trial % 2 ? Observer10 : Observer2};
      const WeightingTable* t = findWeightingTable(condition);
      float x = 0, y = 0, z = 0;
      for (int row = 0; row < kWeightRows; ++row) {
        x += float(double(t->weights[row][0]) * out[5 * row]);
        y += float(double(t->weights[row][1]) * out[5 * row]);
        z += float(double(t->weights[row][2]) * out[5 * row]);
      }
      const std::optional<Xyz> t5 = computeTristimulus(c, condition);
      ASSERT_TRUE(t5.has_value());
      EXPECT_EQ(t5->X, x);
      EXPECT_EQ(t5->Y, y);
      EXPECT_EQ(t5->Z, z);
    }
  }
}

// Independent natural cubic spline (second-derivative form, Thomas algorithm).
void referenceSpline(const double (&y)[kCurvePoints], double (&out)[kSplinePoints]) {
  constexpr int n = kCurvePoints;
  const double h = 10.0;
  double M[n] = {}, c[n] = {}, d[n] = {};
  // Interior: M[i-1] + 4 M[i] + M[i+1] = 6 (y[i+1] - 2y[i] + y[i-1]) / h², M[0] = M[n-1] = 0.
  for (int i = 1; i < n - 1; ++i) {
    const double rhs = 6.0 * (y[i + 1] - 2.0 * y[i] + y[i - 1]) / (h * h);
    const double denom = 4.0 - (i > 1 ? c[i - 1] : 0.0);
    c[i] = 1.0 / denom;
    d[i] = (rhs - (i > 1 ? d[i - 1] : 0.0)) / denom;
  }
  for (int i = n - 2; i >= 1; --i) M[i] = d[i] - c[i] * M[i + 1];
  for (int t = 0; t < kSplinePoints; ++t) {
    const int k = std::min(t / 10, n - 2);
    const double u = (t - 10.0 * k) / h, v = 1.0 - u;
    out[t] = v * y[k] + u * y[k + 1] +
             ((v * v * v - v) * M[k] + (u * u * u - u) * M[k + 1]) * h * h / 6.0;
  }
}

// The interpolation written out step by step as the method states it: the
// optimised code must reproduce these bits exactly, not just closely.
void literalInterpolation(const double (&y)[kCurvePoints], double (&out)[kSplinePoints]) {
  double x[31], h[30], alpha[31], beta[31], a[32], b[32], m[32];
  for (int i = 0; i < 31; ++i) x[i] = 400 + 10 * i;
  for (int i = 0; i < 30; ++i) h[i] = x[i + 1] - x[i];
  alpha[0] = 1;
  beta[0] = 3 * (y[1] - y[0]) / h[0];
  alpha[30] = 0;
  beta[30] = 3 * (y[30] - y[29]) / h[29];
  for (int i = 1; i <= 29; ++i) {
    alpha[i] = h[i - 1] / (h[i - 1] + h[i]);
    beta[i] =
        3 * ((1 - alpha[i]) * (y[i] - y[i - 1]) / h[i - 1] + alpha[i] * (y[i + 1] - y[i]) / h[i]);
  }
  a[0] = -alpha[0] / 2;
  b[0] = beta[0] / 2;
  for (int j = 0; j <= 29; ++j) {
    const double l = alpha[j + 1];
    const double d = (1 - l) * a[j] + 2;
    a[j + 1] = -l / d;
    b[j + 1] = (beta[j + 1] - (1 - l) * b[j]) / d;
  }
  m[31] = 0;
  for (int i = 30; i >= 0; --i) m[i] = a[i] * m[i + 1] + b[i];
  for (int n = 0; n < kSplinePoints; ++n) {
    const double t = 400 + n;
    int k = 0;
    while (!(x[k] <= t && t <= x[k + 1])) ++k;
    const double hh = x[k + 1] - x[k], u = t - x[k], v = t - x[k + 1];
    out[n] = (1 - 2 * v / hh) * (u / hh) * (u / hh) * y[k + 1] +
             (1 + 2 * u / hh) * (v / hh) * (v / hh) * y[k] + u * v * v / (hh * hh) * m[k] +
             u * u * v / (hh * hh) * m[k + 1];
  }
}

TEST(Interpolation, BitForBitTheStatedMethod) {
  std::mt19937 rng(13);
  std::uniform_real_distribution<float> value(-0.1f, 1.5f);
  for (int trial = 0; trial < 200; ++trial) {
    double in[kCurvePoints], out[kSplinePoints] = {}, literal[kSplinePoints] = {};
    for (double& v : in) v = value(rng);
    interpolateReflectance(in, out);
    literalInterpolation(in, literal);
    for (int t = 0; t < kSplinePoints; ++t) ASSERT_EQ(out[t], literal[t]) << 400 + t << " nm";
  }
}

TEST(Interpolation, ReproducesKnotsAndAgreesWithAnIndependentNaturalSpline) {
  std::mt19937 rng(11);
  std::uniform_real_distribution<double> value(0.0, 1.0);
  for (int trial = 0; trial < 20; ++trial) {
    double in[kCurvePoints], out[kSplinePoints] = {}, ref[kSplinePoints] = {};
    for (double& v : in) v = value(rng);
    interpolateReflectance(in, out);
    referenceSpline(in, ref);
    for (int i = 0; i < kCurvePoints; ++i) EXPECT_EQ(out[10 * i], in[i]) << "knot " << i;
    for (int t = 0; t < kSplinePoints; ++t) EXPECT_NEAR(out[t], ref[t], 1e-12) << 400 + t << " nm";
  }
}

}  // namespace
}  // namespace corvana
