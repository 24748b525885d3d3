#include "colour/indices.h"

#include <cmath>
#include <limits>

#include "colour/color_difference.h"
#include "colour/measurement_record.h"

namespace corvana {

namespace {
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// Reference white chromaticities of ASTM E313 whiteness.
struct E313White {
  float xn, yn;
};
std::optional<E313White> e313WhiteChromaticity(Condition condition) {
  struct Entry {
    Illuminant illuminant;
    float x2, y2, x10, y10;
  };
  static constexpr Entry kTable[] = {
      {D65, 0.3127f, 0.3290f, 0.3138f, 0.3310f},
      {D50, 0.3457f, 0.3585f, 0.3477f, 0.3595f},
      {C, 0.3101f, 0.3161f, 0.3104f, 0.3191f},
  };
  if (!isKnown(condition.observer)) return std::nullopt;
  const bool two = condition.observer == Observer2;
  for (const Entry& e : kTable)
    if (e.illuminant == condition.illuminant)
      return two ? E313White{e.x2, e.y2} : E313White{e.x10, e.y10};
  return std::nullopt;
}

// Coefficients of ASTM E313 yellowness.
struct E313Yellowness {
  float cx, cz;
};
std::optional<E313Yellowness> e313YellownessCoefficients(Condition condition) {
  struct Entry {
    Illuminant illuminant;
    float cx2, cz2, cx10, cz10;
  };
  static constexpr Entry kTable[] = {
      {C, 1.2769f, 1.0592f, 1.2871f, 1.0781f},
      {D65, 1.2985f, 1.1335f, 1.3013f, 1.1498f},
  };
  if (!isKnown(condition.observer)) return std::nullopt;
  const bool two = condition.observer == Observer2;
  for (const Entry& e : kTable)
    if (e.illuminant == condition.illuminant)
      return two ? E313Yellowness{e.cx2, e.cz2} : E313Yellowness{e.cx10, e.cz10};
  return std::nullopt;
}

constexpr std::string_view kGreyScale[] = {"1", "1-2", "2", "2-3", "3", "3-4", "4", "4-5", "5"};
}  // namespace

// ASTM E313: WI = Y + 800 (xn - x) + 1700 (yn - y) with the white of the condition.
float whitenessE313(const Xyz& xyz, Condition condition) {
  const std::optional<E313White> white = e313WhiteChromaticity(condition);
  if (!white) return kNaN;
  const float X = xyz.X, Y = xyz.Y, Z = xyz.Z;
  const float sum = X + Y + Z;
  const float x = X / sum, y = Y / sum;
  return Y + 800.0f * (white->xn - x) + 1700.0f * (white->yn - y);
}

// CIE whiteness (CIE 15:2004, ISO 11475): W10 = Y + 800 (xn - x) + 1700 (yn - y), D65/10° white.
float whitenessCie(const Xyz& xyz, Condition condition) {
  if (condition.illuminant != D65 || condition.observer != Observer10) return kNaN;
  const float X = xyz.X, Y = xyz.Y, Z = xyz.Z;
  const float sum = X + Y + Z;
  const float x = X / sum, y = Y / sum;
  return Y + 800.0f * (0.31382f - x) + 1700.0f * (0.331f - y);
}

// ASTM D1925: YI = 100 (1.28 X - 1.06 Z) / Y.
float yellownessD1925(const Xyz& xyz, Condition condition) {
  if (condition.illuminant != C || condition.observer != Observer2) return kNaN;
  return 100.0f * (1.28f * xyz.X - 1.06f * xyz.Z) / xyz.Y;
}

// ASTM E313: YI = 100 (Cx X - Cz Z) / Y.
float yellownessE313(const Xyz& xyz, Condition condition) {
  const std::optional<E313Yellowness> k = e313YellownessCoefficients(condition);
  if (!k) return kNaN;
  return 100.0f * (k->cx * xyz.X - k->cz * xyz.Z) / xyz.Y;
}

// ISO 105-A05: the CIELAB difference ΔE(F) of the grey scale for change in colour.
float colourChangeDifference(const Lab& t, const Lab& s, float dL, float dH) {
  const float dC = s.C - t.C;
  const float meanC = (t.C + s.C) / 2.0f;
  const float dh = s.h - t.h;
  float meanH = (t.h + s.h) / 2.0f;
  if (std::fabs(dh) > 180.0f) meanH = (t.h + s.h < 360.0f) ? meanH + 180.0f : meanH - 180.0f;
  const float X = std::fabs(meanH - 280.0f) <= 180.0f
                      ? (meanH - 280.0f) / 30.0f
                      : (360.0f - std::fabs(meanH - 280.0f)) / 30.0f;
  const float E = std::exp(-float(double(X) * double(X)));
  const float D = dC * meanC * E / 100.0f;
  const float dHPrime = dh >= 0.0f ? dH : -dH;
  const float dHK = dHPrime - D;
  const float dCK = dC - D;
  const double chromaTerm = 20.0 * double(meanC) / 1000.0;
  const float dCF = float(double(dCK) / (1.0 + chromaTerm * chromaTerm));
  const float dHF = dHK;
  return std::sqrt(dCF * dCF + dL * dL + dHF * dHF);
}

// ISO 105-A05: the grey-scale grade of ΔE(F).
std::string_view colourChangeGrade(float v) {
  static constexpr float kLimits[] = {11.6f, 8.2f, 5.8f, 4.1f, 2.95f, 2.1f, 1.25f, 0.4f};
  if (std::isnan(v)) return "--";
  for (int i = 0; i < 8; ++i)
    if (v >= kLimits[i]) return kGreyScale[i];
  return kGreyScale[8];
}

// ISO 105-A04: SSR from ΔE(GS) = ΔE*ab - 0.4 sqrt(ΔE*ab^2 - ΔL*^2).
float stainingRating(float deltaEab, float dL, Illuminant illuminant) {
  if (illuminant != D65 && illuminant != C) return kNaN;
  // E² - ΔL² is the chromatic part; rounding can make it a hair below zero for a
  // pure lightness difference, which would turn the rating into NaN.
  const float chromatic = std::fmax(deltaEab * deltaEab - dL * dL, 0.0f);
  const float gs = deltaEab - 0.4f * std::sqrt(chromatic);
  float rating = gs < 4.26f ? 5.0f - 0.23f * gs : 6.1f - 1.45f * std::log(gs);
  if (rating < 0.0f) rating = 0.0f;
  return rating;
}

// ISO 105-A04: the grey-scale grade of the staining rating.
std::string_view stainingGrade(float r) {
  static constexpr float kLimits[] = {1.25f, 1.74f, 2.24f, 2.74f, 3.24f, 3.74f, 4.24f, 4.74f};
  if (std::isnan(r)) return "--";
  for (int i = 0; i < 8; ++i)
    if (r <= kLimits[i]) return kGreyScale[i];
  return kGreyScale[8];
}

float metamericIndex(const MeasurementRecord& standard, const MeasurementRecord& sample,
                     const MetamericConditions& conditions) {
  float sum = 0.0f;
  for (const Condition& condition : conditions.conditions) {
    const std::optional<Lab> t = recordLab(standard, condition);
    if (!t) return kNaN;
    const std::optional<Lab> s = recordLab(sample, condition);
    if (!s) return kNaN;
    sum += cie1976Difference(*t, *s);
  }
  return sum;
}

// Kubelka-Munk: K/S = (1 - R)^2 / 2R.
float kubelkaMunk(float r) { return (1.0f - r) * (1.0f - r) / (2.0f * r); }

int minimumReflectanceIndex(const ReflectanceCurve& curve) {
  int k = 0;
  for (int i = 1; i < kCurvePoints; ++i)
    if (curve[i] < curve[k]) k = i;
  return k;
}

// Kubelka-Munk strength: the ratio of K/S at the standard's strongest absorption.
float strengthAtMaxAbsorption(const ReflectanceCurve& standard, const ReflectanceCurve& sample) {
  const int k = minimumReflectanceIndex(standard);
  return kubelkaMunk(sample[k]) / kubelkaMunk(standard[k]);
}

// Kubelka-Munk strength: the ratio of the K/S sums over the curve.
float strengthSumKS(const ReflectanceCurve& standard, const ReflectanceCurve& sample) {
  float sumSample = 0.0f, sumStandard = 0.0f;
  for (int i = 0; i < kCurvePoints; ++i) {
    sumSample += kubelkaMunk(sample[i]);
    sumStandard += kubelkaMunk(standard[i]);
  }
  return sumSample / sumStandard;
}

namespace {
std::optional<DirectionStep> stepOf(float d) {
  if (d > 0.5f) return DirectionStep::MuchMore;
  if (d > 0.25f) return DirectionStep::More;
  if (d < -0.5f) return DirectionStep::MuchLess;
  if (d < -0.25f) return DirectionStep::Less;
  return std::nullopt;
}

std::optional<AxisDirection> axisDirection(float d, float standard) {
  // A positive standard names the difference after its own colour ("R"), a
  // negative one after the opposite colour ("G"), read the other way round.
  const bool large = std::fabs(d) > 0.5f;
  if (!(std::fabs(d) > 0.25f)) return std::nullopt;
  const DirectionStep towards = large ? DirectionStep::MuchMore : DirectionStep::More;
  const DirectionStep away = large ? DirectionStep::MuchLess : DirectionStep::Less;
  if (standard < 0.0f) {
    // Δ > 0 moves away from G: "G--"/"G-"; Δ < 0 towards it: "G++"/"G+".
    return AxisDirection{true, d > 0.0f ? away : towards};
  }
  if (d > 0.0f) return AxisDirection{false, towards};
  if (standard > 0.0f) return AxisDirection{false, away};
  return AxisDirection{true, towards};  // a neutral standard going green
}
}  // namespace

ColorDirection colorDirection(float dL, float da, float db, float standardA, float standardB) {
  return {axisDirection(da, standardA), axisDirection(db, standardB), stepOf(dL)};
}

}  // namespace corvana
