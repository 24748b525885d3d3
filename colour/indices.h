#pragma once
// Whiteness, yellowness, fastness grades, metamerism, colour strength and the
// colour direction. NaN marks an index that is not defined for the
// conditions in force.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "colour/cielab.h"
#include "colour/condition.h"
#include "colour/spectral.h"
#include "colour/xyz.h"

namespace corvana {

struct MeasurementRecord;

float whitenessE313(const Xyz& xyz, Condition condition);    // D65, D50 or C
float whitenessCie(const Xyz& xyz, Condition condition);     // D65/10° only
float yellownessD1925(const Xyz& xyz, Condition condition);  // C/2° only
float yellownessE313(const Xyz& xyz, Condition condition);   // C or D65

// ΔE(F) of the grey scale for change in colour; ΔH is the signed hue difference.
float colourChangeDifference(const Lab& standard, const Lab& sample, float dL, float dH);
std::string_view colourChangeGrade(float deltaEF);

// Staining rating (SSR), NaN unless the illuminant is D65 or C.
float stainingRating(float deltaEab, float dL, Illuminant illuminant);
std::string_view stainingGrade(float rating);

struct MetamericConditions {
  std::array<Condition, 2> conditions = {{{D65, Observer10}, {A, Observer10}}};
};

// Sum of the CIE 1976 differences under the two conditions; both records carry curves.
float metamericIndex(const MeasurementRecord& standard, const MeasurementRecord& sample,
                     const MetamericConditions& conditions);

float kubelkaMunk(float reflectance);  // K/S = (1 - R)^2 / 2R
// Index of the smallest reflectance, the first on ties.
int minimumReflectanceIndex(const ReflectanceCurve& curve);
float strengthAtMaxAbsorption(const ReflectanceCurve& standard, const ReflectanceCurve& sample);
float strengthSumKS(const ReflectanceCurve& standard, const ReflectanceCurve& sample);

// How a sample departs from its standard along one axis, in the order the
// direction texts are written: "++", "+", "--", "-".
enum class DirectionStep : int { MuchMore = 0, More = 1, MuchLess = 2, Less = 3 };

struct AxisDirection {
  bool oppositeColour = false;  // named after G (or B) rather than R (or Y)
  DirectionStep step = DirectionStep::More;
};

// Nothing where |Δ| is 0.25 or less; R/G from Δa*, Y/B from Δb*, L from ΔL*.
struct ColorDirection {
  std::optional<AxisDirection> redGreen, yellowBlue;
  std::optional<DirectionStep> lightness;
};

ColorDirection colorDirection(float dL, float da, float db, float standardA, float standardB);

}  // namespace corvana
