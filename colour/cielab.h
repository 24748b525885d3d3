#pragma once
// CIELAB and LCh from XYZ and back, the hue-angle rule, and screen colours.
#include <cmath>
#include <cstdint>
#include <optional>

#include "colour/condition.h"
#include "colour/white_point.h"
#include "colour/xyz.h"

namespace corvana {

struct MeasurementRecord;

struct Lab {
  float L = 0, a = 0, b = 0, C = 0, h = 0;
};

// Single-precision constants of the CIELAB arithmetic, fixed for the program.
constexpr float kPi = 3.1415925f;
float labEpsilon();  // (0.2068965584039688)^3 rounded to single: 0.0088564530

// The cube-root branch of CIELAB: t^(1/3) above epsilon, the linear part below.
float labF(float t);

// Degrees in [0, 360).
float hueAngle(float a, float b);

// makeLab and xyzToLab are inline so that a caller builds the Lab where it
// keeps it: copying a Lab just returned from another unit slowed recordLab.

// L*, a*, b* with their C*ab and hab.
// CIE 15:2004: C*ab = sqrt(a*^2 + b*^2).
inline Lab makeLab(float L, float a, float b) {
  return Lab{L, a, b, std::sqrt(a * a + b * b), hueAngle(a, b)};
}

// CIE 15:2004 CIELAB: L* = 116 f(Y/Yn) - 16, a* = 500 (f(X/Xn) - f(Y/Yn)), b* = 200 (f(Y/Yn) -
// f(Z/Zn)).
inline Lab xyzToLab(const Xyz& xyz, const WhitePoint& white) {
  const float fx = labF(xyz.X / white.X), fy = labF(xyz.Y / white.Y), fz = labF(xyz.Z / white.Z);
  return makeLab(116.0f * fy - 16.0f, 500.0f * (fx - fy), 200.0f * (fy - fz));
}

Xyz labToXyz(float L, float a, float b, const WhitePoint& white);

// 0xAARRGGBB (alpha 255) for swatches, plots and list cells; any CIELAB
// triple is taken relative to D50.
std::uint32_t labToDisplayColor(float L, float a, float b);

// CIELAB of a record under a condition: from its curve, or its stored values
// when they were taken under exactly this condition; empty otherwise and for
// a condition without a table.
std::optional<Lab> recordLab(const MeasurementRecord& record, Condition condition);

// A record can be evaluated under a condition (the rule recordLab applies).
bool isEvaluable(const MeasurementRecord& record, Condition condition);

}  // namespace corvana
