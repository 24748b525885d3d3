#pragma once
#include <cstdint>

#include "colour/spectral.h"

namespace corvana {

constexpr int kSplinePoints = 301;  // 400, 401, ..., 700 nm

// X, Y, Z of a curve under an illuminant and observer. Returns false and
// leaves X, Y, Z untouched when the pair has no weighting table.
bool computeTristimulus(const ReflectanceCurve& curve, std::int32_t illuminant,
                        std::int32_t observer, float& X, float& Y, float& Z);

// Natural cubic spline through the 31 values at 10 nm, evaluated at every
// nanometre. The caller provides `out` zeroed; nothing is written when the
// knots are not strictly increasing (they always are on this grid).
void interpolateReflectance(const double (&values)[kCurvePoints], double (&out)[kSplinePoints]);

}  // namespace corvana
