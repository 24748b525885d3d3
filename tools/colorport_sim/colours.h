#pragma once
// The simulated specimens: smooth reflectance curves of a few colours, and their
// CIELAB values under D65 and the 10-degree observer.
#include <array>
#include <cstdint>
#include <random>
#include <string>

namespace colorport::sim {

using Curve = std::array<float, 31>;

struct Lab {
  float L, a, b, C, h;
};

struct Specimen {
  std::string name;
  Curve curve;
};

// Colours 0..kSpecimenCount-1 (red, yellow, green, blue, grey), exact curves.
constexpr int kSpecimenCount = 5;
Specimen specimen(int index);

// The curve with a little measurement noise (about 0.2 % reflectance).
Curve withNoise(const Curve& curve, std::mt19937& random);

Lab labOf(const Curve& curve);

}  // namespace colorport::sim
