#include "tools/colorport_sim/colours.h"

#include <cmath>
#include <sstream>
#include <string_view>
#include <vector>

#include "resources/embedded.h"

namespace colorport::sim {
namespace {

double sigmoid(double x) { return 1.0 / (1.0 + std::exp(-x)); }
double bell(double nm, double centre, double width) {
  const double d = (nm - centre) / width;
  return std::exp(-0.5 * d * d);
}

struct Weights {
  std::array<double, 31> x{}, y{}, z{};
  double xn = 0, yn = 0, zn = 0;
};

// The D65 / 10-degree weighting rows of the compiled-in table.
const Weights& d65Ten() {
  static const Weights w = [] {
    Weights t;
    std::istringstream in{std::string(corvana::resources::weights10nmCsv())};
    std::string line;
    while (std::getline(in, line)) {
      std::istringstream row(line);
      std::string ill, obs, nm, x, y, z;
      if (!std::getline(row, ill, ',') || !std::getline(row, obs, ',') ||
          !std::getline(row, nm, ',') || !std::getline(row, x, ',') || !std::getline(row, y, ',') ||
          !std::getline(row, z, ','))
        continue;
      if (ill != "D65" || obs != "10") continue;
      const int i = (std::stoi(nm) - 400) / 10;
      if (i < 0 || i >= 31) continue;
      t.x[i] = std::stod(x);
      t.y[i] = std::stod(y);
      t.z[i] = std::stod(z);
    }
    for (int i = 0; i < 31; ++i) {
      t.xn += t.x[i];
      t.yn += t.y[i];
      t.zn += t.z[i];
    }
    return t;
  }();
  return w;
}

double labF(double t) {
  constexpr double e = 216.0 / 24389.0, k = 24389.0 / 27.0;
  return t > e ? std::cbrt(t) : (k * t + 16.0) / 116.0;
}

}  // namespace

Specimen specimen(int index) {
  Specimen s;
  for (int i = 0; i < 31; ++i) {
    const double nm = 400 + 10 * i;
    double r = 0;
    switch (index % kSpecimenCount) {
      case 0:
        s.name = "RED";
        r = 0.05 + 0.72 * sigmoid((nm - 600) / 14);
        break;
      case 1:
        s.name = "YELLOW";
        r = 0.06 + 0.80 * sigmoid((nm - 515) / 16);
        break;
      case 2:
        s.name = "GREEN";
        r = 0.05 + 0.42 * bell(nm, 530, 38);
        break;
      case 3:
        s.name = "BLUE";
        r = 0.05 + 0.50 * bell(nm, 455, 32) + 0.04 * sigmoid((nm - 680) / 10);
        break;
      default:
        s.name = "GREY";
        r = 0.42 + 0.015 * (nm - 550) / 150;
        break;
    }
    s.curve[i] = static_cast<float>(r);
  }
  return s;
}

Curve withNoise(const Curve& curve, std::mt19937& random) {
  std::normal_distribution<float> noise(0.0f, 0.002f);
  Curve c = curve;
  for (float& v : c) v = std::max(0.0f, v + noise(random));
  return c;
}

Lab labOf(const Curve& curve) {
  const Weights& w = d65Ten();
  double X = 0, Y = 0, Z = 0;
  for (int i = 0; i < 31; ++i) {
    X += w.x[i] * curve[i];
    Y += w.y[i] * curve[i];
    Z += w.z[i] * curve[i];
  }
  const double fx = labF(X / w.xn), fy = labF(Y / w.yn), fz = labF(Z / w.zn);
  const double L = 116 * fy - 16, a = 500 * (fx - fy), b = 200 * (fy - fz);
  double h = std::atan2(b, a) * 180.0 / 3.14159265358979323846;
  if (h < 0) h += 360;
  return {static_cast<float>(L), static_cast<float>(a), static_cast<float>(b),
          static_cast<float>(std::hypot(a, b)), static_cast<float>(h)};
}

}  // namespace colorport::sim
