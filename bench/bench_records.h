#pragma once
// Records the benchmarks fill their jobs with: S-shaped reflectance curves of
// random height and turning point, as dyed textiles give them.
#include <cmath>
#include <random>
#include <string>

#include "colour/measurement_record.h"

namespace corvana {

inline MeasurementRecord randomRecord(std::mt19937& rng, const std::string& name = {}) {
  std::uniform_real_distribution<float> centre(450, 650), level(0.05f, 0.8f);
  MeasurementRecord r;
  if (!name.empty()) r.setName(name);
  const float c = centre(rng), l = level(rng);
  for (int i = 0; i < kCurvePoints; ++i)
    r.reflectance[std::size_t(i)] =
        0.03f + l / (1.0f + std::exp(-(float(wavelengthOf(i)) - c) / 15.0f));
  r.UseReflect = true;
  return r;
}

}  // namespace corvana
