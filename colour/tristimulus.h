#pragma once
#include <optional>

#include "colour/condition.h"
#include "colour/xyz.h"

namespace corvana {

constexpr int kSplinePoints = 301;  // 400, 401, ..., 700 nm

// X, Y, Z of a curve under a condition; empty when the condition has no
// weighting table.
std::optional<Xyz> computeTristimulus(const ReflectanceCurve& curve, Condition condition);

// Natural cubic spline through the 31 values at 10 nm, evaluated at every
// nanometre. The caller provides `out` zeroed; nothing is written when the
// knots are not strictly increasing (they always are on this grid).
void interpolateReflectance(const double (&values)[kCurvePoints], double (&out)[kSplinePoints]);

}  // namespace corvana
