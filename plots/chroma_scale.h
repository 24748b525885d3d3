#pragma once
// The full scale of the difference plots: the difference that maps to half
// the plot side (or half the component bar).
#include "colour/color_space.h"
#include "colour/tolerance.h"

namespace corvana {

// 1.8 times the largest limit that takes part, from illuminant slot 0.
// CIE XYZ: the larger |limit| of component 0 (ΔY), with no floor, so it can
// be 0. Other spaces: at least 0.1; component 0's two switches decide for
// all four entries whether their upper and their lower limits take part.
float fullScaleOf(ColorSpace space, const ToleranceTable& limits);

// (int)(|value| / fullScale × span × 0.5) and its signed counterpart: the
// pixels a difference lies from the centre of a span.
//
// A full scale of 0 (a zero ΔY tolerance in CIE XYZ) has no finite ratio. It
// is read as the limit of an ever smaller scale: a zero difference stays at
// the centre and any other lies beyond the end of the span, which the
// markers clamp to the border; a zero limit is drawn at the centre. A NaN
// difference has no position (see `hasPosition`).
int limitOffset(float limit, float fullScale, double span);
double differenceOffset(float difference, float fullScale, double span);
bool hasPosition(float difference);

}  // namespace corvana
