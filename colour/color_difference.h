#pragma once
// Colour differences of a sample against its standard, by space and formula.
#include <optional>

#include "colour/cielab.h"
#include "colour/color_space.h"
#include "colour/condition.h"
#include "colour/indices.h"
#include "colour/parametric_factors.h"

namespace corvana {

struct MeasurementRecord;

// Signed ΔH, colour 1 the standard: positive when the sample's hue lies
// counter-clockwise of the standard's; 0 when either chroma is 0.
float signedHueDifference(float a1, float b1, float C1, float a2, float b2, float C2);

float cie1976Difference(const Lab& standard, const Lab& sample);

// The three formula slots of CIE 94, CIE 2000 and CMC: ΔC term, ΔH term, total.
struct WeightedDifference {
  float chroma = 0, hue = 0, total = 0;
};
WeightedDifference cie94Difference(const Lab& standard, const Lab& sample,
                                   const ParametricFactors& k);
WeightedDifference cie2000Difference(const Lab& standard, const Lab& sample,
                                     const ParametricFactors& k);
WeightedDifference cmcDifference(const Lab& standard, const Lab& sample,
                                 const ParametricFactors& k);

// Mean hue H̄' of CIE 2000 from the two hue angles in degrees.
float cie2000MeanHue(float ht, float hs);
// The hue weight T of CMC for the standard's hue angle in degrees.
float cmcHueWeight(float ht);

// Fills the slots of differenceCount(space, formula); slots it does not
// compute keep what the caller put there.
void computeDifferences(const MeasurementRecord& standard, const MeasurementRecord& sample,
                        const ColorValues& standardValues, const ColorValues& sampleValues,
                        ColorSpace space, ColorFormula formula, Condition condition,
                        const MetamericConditions& metameric, ColorDifferences& differences,
                        const ParametricFactors& k);

// The same with the two records' CIELAB under the condition already at hand
// (recordLab); empty when either record cannot be evaluated there, in which
// case only the colour-space slots are written.
void computeDifferencesFromLab(const MeasurementRecord& standard, const MeasurementRecord& sample,
                               const std::optional<Lab>& standardLab,
                               const std::optional<Lab>& sampleLab,
                               const ColorValues& standardValues, const ColorValues& sampleValues,
                               ColorSpace space, ColorFormula formula, Illuminant illuminant,
                               const MetamericConditions& metameric, ColorDifferences& differences,
                               const ParametricFactors& k);

}  // namespace corvana
