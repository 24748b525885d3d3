#include "colour/color_values.h"

#include <cmath>

#include "colour/cielab.h"
#include "colour/indices.h"
#include "colour/measurement_record.h"
#include "colour/spectral.h"
#include "colour/tristimulus.h"

namespace corvana {

namespace {
struct StoredLuvWhite {
  float u2, v2, u10, v10;
};
constexpr StoredLuvWhite kLuvWhites[kIlluminantCount] = {
    {0.19783f, 0.46834f, 0.19786f, 0.46954f},  // D65
    {0.20916f, 0.48808f, 0.21015f, 0.48886f},  // D50
    {0.25597f, 0.52429f, 0.25896f, 0.52425f},  // A
    {0.20089f, 0.46089f, 0.20000f, 0.46255f},  // C
    {0.20443f, 0.48075f, 0.20507f, 0.48165f},  // D55
    {0.19353f, 0.45853f, 0.19305f, 0.46004f},  // D75
    {0.22024f, 0.49962f, 0.22820f, 0.49714f},  // F2
    {0.19787f, 0.46844f, 0.19969f, 0.46903f},  // F7
    {0.22511f, 0.50166f, 0.23463f, 0.50826f},  // F11
    {0.19508f, 0.47264f, 0.19913f, 0.47254f},  // F1
    {0.23677f, 0.51323f, 0.24705f, 0.50991f},  // F3
    {0.25310f, 0.52148f, 0.26470f, 0.51783f},  // F4
    {0.19265f, 0.47686f, 0.19771f, 0.47632f},  // F5
    {0.21898f, 0.50615f, 0.22853f, 0.50321f},  // F6
    {0.20921f, 0.48815f, 0.21105f, 0.48895f},  // F8
    {0.22255f, 0.49883f, 0.22623f, 0.49842f},  // F9
    {0.20914f, 0.48822f, 0.21410f, 0.48680f},  // F10
    {0.25057f, 0.52145f, 0.25738f, 0.51945f},  // F12
};
}  // namespace

LuvWhite luvWhiteChromaticity(Condition condition) {
  if (!isValid(condition)) return {};
  const StoredLuvWhite& c = kLuvWhites[condition.illuminant];
  return condition.observer == Observer2 ? LuvWhite{c.u2, c.v2} : LuvWhite{c.u10, c.v10};
}

namespace {
// The values of a space from X, Y, Z and their CIELAB under the same white.
ColorValues valuesOfSpace(const Xyz& xyz, const Lab& lab, const WhitePoint& w, ColorSpace space,
                          Condition condition) {
  const float X = xyz.X, Y = xyz.Y, Z = xyz.Z;
  ColorValues v{};
  switch (space) {
    case CieLab: {
      v[0] = lab.L, v[1] = lab.a, v[2] = lab.b, v[3] = lab.C, v[4] = lab.h;
      break;
    }
    case CieXyz: {
      // CIE 15:2004: chromaticity x = X / (X + Y + Z), y = Y / (X + Y + Z).
      const float sum = X + Y + Z;
      v[0] = X, v[1] = Y, v[2] = Z, v[3] = X / sum, v[4] = Y / sum;
      break;
    }
    case CieLuv: {
      // CIE 15:2004 CIELUV: u* = 13 L* (u' - u'n), v* = 13 L* (v' - v'n).
      const LuvWhite white = luvWhiteChromaticity(condition);
      const float un = white.un, vn = white.vn;
      const float L = 116.0f * labF(Y / w.Y) - 16.0f;
      const float D = X + 15.0f * Y + 3.0f * Z;
      const float u = 13.0f * L * (4.0f * X / D - un);
      const float vv = 13.0f * L * (9.0f * Y / D - vn);
      v[0] = L, v[1] = u, v[2] = vv, v[3] = std::sqrt(u * u + vv * vv), v[4] = hueAngle(u, vv);
      break;
    }
    case CieRgb: {
      // The CIE 1931 RGB system from XYZ.
      const double x = X, y = Y, z = Z;
      v[0] = float(0.418455 * x - 0.158657 * y - 0.082832 * z);
      v[1] = float(-0.091165 * x + 0.252426 * y + 0.015705 * z);
      v[2] = float(0.000921 * x - 0.00255 * y + 0.178595 * z);
      break;
    }
    case HunterLab: {
      // Hunter L, a, b (Hunter 1958), C's Ka = 175 and Kb = 70 scaled as 1.785 Xn and 0.5929 Zn.
      const float s = std::sqrt(Y / w.Y);
      v[0] = 100.0f * s;
      v[1] = 1.785f * w.X * (X / w.X - Y / w.Y) / s;
      v[2] = 0.5929f * w.Z * (Y / w.Y - Z / w.Z) / s;
      break;
    }
    case WhitenessTint:
    case Yellowness: {
      v[0] = lab.L, v[1] = lab.a, v[2] = lab.b;
      if (space == WhitenessTint) {
        v[3] = whitenessE313(xyz, condition);
        v[4] = whitenessCie(xyz, condition);
      } else {
        v[3] = yellownessD1925(xyz, condition);
        v[4] = yellownessE313(xyz, condition);
      }
      break;
    }
    default: break;
  }
  return v;
}
}  // namespace

std::optional<ColorValues> colorValuesFromXyz(const Xyz& xyz, ColorSpace space,
                                              Condition condition) {
  const std::optional<WhitePoint> w = whitePointOf(condition);
  if (!w) return std::nullopt;
  return valuesOfSpace(xyz, xyzToLab(xyz, *w), *w, space, condition);
}

std::optional<RecordColor> computeColorValues(const MeasurementRecord& record, ColorSpace space,
                                              Condition condition) {
  const std::optional<WhitePoint> w = whitePointOf(condition);
  if (!w) return std::nullopt;
  const Xyz xyz = computeTristimulus(record.reflectance, condition).value_or(Xyz{});
  RecordColor colour;
  colour.lab = xyzToLab(xyz, *w);
  colour.displayColor = labToDisplayColor(colour.lab.L, colour.lab.a, colour.lab.b);
  colour.values = valuesOfSpace(xyz, colour.lab, *w, space, condition);
  return colour;
}

std::optional<RecordColor> computeColorValuesFromLab(const MeasurementRecord& record,
                                                     ColorSpace space, Condition condition) {
  const std::optional<WhitePoint> w = whitePointOf(condition);
  if (!w) return std::nullopt;
  const Xyz xyz = labToXyz(record.L, record.a, record.b, *w);
  RecordColor colour;
  colour.lab = makeLab(record.L, record.a, record.b);
  colour.displayColor = labToDisplayColor(record.L, record.a, record.b);
  colour.values = valuesOfSpace(xyz, xyzToLab(xyz, *w), *w, space, condition);
  return colour;
}

// The CIE 1931 RGB system back to XYZ.
Xyz cieRgbToXyz(float R, float G, float B) {
  const double r = R, g = G, b = B;
  return Xyz{float(2.768892 * r + 1.751748 * g + 1.13016 * b), float(r + 4.5907 * g + 0.0601 * b),
             float(0.056508 * g + 5.594292 * b)};
}

}  // namespace corvana
