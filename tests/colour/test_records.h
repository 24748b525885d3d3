#pragma once
// Small record builders shared by the colour tests.
#include <cmath>

#include "colour/measurement_record.h"

namespace corvana::testing {

inline MeasurementRecord curveRecord(const ReflectanceCurve& curve) {
  MeasurementRecord r;
  r.reflectance = curve;
  r.UseReflect = true;
  return r;
}

inline MeasurementRecord flatRecord(float value) {
  ReflectanceCurve c;
  c.fill(value);
  return curveRecord(c);
}

inline MeasurementRecord labRecord(float L, float a, float b, int illuminant, int observer) {
  MeasurementRecord r;
  r.L = L, r.a = a, r.b = b;
  r.illuminant = std::uint8_t(illuminant);
  r.observer = std::uint8_t(observer);
  r.UseReflect = false;
  return r;
}

// A smooth, coloured curve: a reddish sample with a reflectance edge near 600 nm.
inline ReflectanceCurve reddishCurve(float shift = 0.0f) {
  ReflectanceCurve c;
  for (int i = 0; i < kCurvePoints; ++i) {
    const float nm = float(wavelengthOf(i));
    c[i] = 0.05f + 0.7f / (1.0f + std::exp(-(nm - 600.0f - shift) / 15.0f));
  }
  return c;
}

}  // namespace corvana::testing
