#include "colour/cielab.h"

#include <cmath>

#include "colour/measurement_record.h"
#include "colour/tristimulus.h"

namespace corvana {

namespace {
const float kEpsilon = float(0.2068965584039688 * 0.2068965584039688 * 0.2068965584039688);
constexpr float kLinearSlope = 7.787037f;
constexpr float kLinearOffset = 0.13793103f;  // 16/116
constexpr float kCubeThreshold = 0.20689656f;
constexpr float kInverseSlope = 0.12841855f;  // 1/7.787037

float cube(float t) { return float(double(t) * double(t) * double(t)); }
}  // namespace

float labEpsilon() { return kEpsilon; }

// CIE 15:2004: f(t) = t^(1/3) above (6/29)^3, (841/108) t + 16/116 below.
float labF(float t) {
  return t > kEpsilon ? std::pow(t, 0.33333334f) : kLinearSlope * t + kLinearOffset;
}

// CIE 15:2004: hab = arctan(b*/a*), in the quadrant of (a*, b*).
float hueAngle(float a, float b) {
  if (a == 0.0f) {
    if (b > 0.0f) return 90.0f;
    if (b == 0.0f) return 0.0f;
    return 270.0f;
  }
  const float degrees = std::atan(b / a) * 180.0f / kPi;
  if (a > 0.0f) return b >= 0.0f ? degrees : degrees + 360.0f;
  return degrees + 180.0f;
}

// CIE 15:2004, the inverse of CIELAB.
Xyz labToXyz(float L, float a, float b, const WhitePoint& white) {
  const float fy = (L + 16.0f) / 116.0f;
  const float fx = fy + a / 500.0f;
  const float fz = fy - b / 200.0f;
  const float Xn = white.X, Yn = white.Y, Zn = white.Z;
  return Xyz{
      fx > kCubeThreshold ? cube(fx) * Xn : (fx - kLinearOffset) * Xn * kInverseSlope,
      (fy > kCubeThreshold || L > 8.0f) ? cube(fy) * Yn : (fy - kLinearOffset) * Yn * kInverseSlope,
      fz > kCubeThreshold ? cube(fz) * Zn : (fz - kLinearOffset) * Zn * kInverseSlope};
}

std::uint32_t labToDisplayColor(float L, float a, float b) {
  // The same inverse as labToXyz, carried out in double for the screen colour.
  constexpr double Xn = 96.4221, Yn = 100.0, Zn = 82.5211;
  const double fy = (double(L) + 16.0) / 116.0;
  const double fx = fy + double(a) / 500.0;
  const double fz = fy - double(b) / 200.0;
  const double threshold = 0.20689656, offset = 0.13793103, slope = 0.12841855;
  const double X = fx > threshold ? fx * fx * fx * Xn : (fx - offset) * Xn * slope;
  const double Y = (fy > threshold || L > 8.0f) ? fy * fy * fy * Yn : (fy - offset) * Yn * slope;
  const double Z = fz > threshold ? fz * fz * fz * Zn : (fz - offset) * Zn * slope;
  const double linear[3] = {
      (3.13405134140307 * X - 1.61702771078607 * Y - 0.49065220978742 * Z) / 100.0,
      (-0.97876272987415 * X + 1.91614222843468 * Y + 0.03344962851486 * Z) / 100.0,
      (0.07194257711719 * X - 0.22897117960925 * Y + 1.40521830532745 * Z) / 100.0,
  };
  std::uint32_t argb = 0xFF000000u;
  for (int i = 0; i < 3; ++i) {
    double c = 12.92 * linear[i];
    if (c > 0.04045) c = 1.055 * std::pow(linear[i], 0.4166666666666667) - 0.055;
    c *= 255.0;
    // Truncate toward zero, then clamp; a NaN channel is dark, not undefined.
    const int channel = !(c > 0.0) ? 0 : c >= 255.0 ? 255 : int(c);
    argb |= std::uint32_t(channel) << (16 - 8 * i);
  }
  return argb;
}

bool isEvaluable(const MeasurementRecord& record, Condition condition) {
  return record.UseReflect || storedCondition(record) == condition;
}

std::optional<Lab> recordLab(const MeasurementRecord& record, Condition condition) {
  const std::optional<WhitePoint> white = whitePointOf(condition);
  if (!white) return std::nullopt;
  if (record.UseReflect)
    return xyzToLab(computeTristimulus(record.reflectance, condition).value_or(Xyz{}), *white);
  if (storedCondition(record) != condition) return std::nullopt;
  return makeLab(record.L, record.a, record.b);
}

}  // namespace corvana
