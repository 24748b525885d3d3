#pragma once
// CIELAB and LCh from XYZ and back, the hue-angle rule, and screen colours.
#include <cstdint>

#include "colour/white_point.h"

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

void xyzToLab(float X, float Y, float Z, float Xn, float Yn, float Zn, float& L, float& a,
              float& b, float& C, float& h);
Lab xyzToLab(float X, float Y, float Z, const WhitePoint& white);

// Degrees in [0, 360).
float hueAngle(float a, float b);

void labToXyz(float L, float a, float b, float Xn, float Yn, float Zn, float& X, float& Y,
              float& Z);

// 0xAARRGGBB (alpha 255) for swatches, plots and list cells; any CIELAB
// triple is taken relative to D50.
std::uint32_t labToDisplayColor(float L, float a, float b);

// CIELAB of a record under a condition: from its curve, or its stored values
// when they were taken under exactly this illuminant and observer.
bool recordLab(const MeasurementRecord& record, float Xn, float Yn, float Zn,
               std::int32_t illuminant, std::int32_t observer, float& L, float& a, float& b,
               float& C, float& h);
bool recordLab(const MeasurementRecord& record, std::int32_t illuminant, std::int32_t observer,
               Lab& lab);

// A record can be evaluated under a condition (the rule recordLab applies).
bool isEvaluable(const MeasurementRecord& record, std::int32_t illuminant, std::int32_t observer);

}  // namespace corvana
