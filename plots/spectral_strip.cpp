#include "plots/spectral_strip.h"

#include <algorithm>
#include <cmath>

#include "colour/weighting_tables.h"

namespace corvana::spectral {

namespace {

// The D65 weights are the observer's functions times one scalar per
// wavelength, so their row chromaticity is that of the observer.
const WeightingTable& observerTable() {
  static const WeightingTable* table = findWeightingTable({D65, Observer2});
  return *table;
}

double encodeSrgb(double linear) {
  return linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
}

}  // namespace

Rgb spectralColour(double nanometres) {
  const double position = std::clamp((nanometres - kSpectrumFirstNm) / 10.0, 0.0, 30.0);
  const int row = std::min(int(position), 29);
  const double t = position - row;
  const auto& w = observerTable().weights;
  double xyz[3];
  for (int k = 0; k < 3; ++k) xyz[k] = w[row][k] * (1 - t) + w[row + 1][k] * t;
  // IEC 61966-2-1 XYZ to linear sRGB.
  double rgb[3] = {3.2406 * xyz[0] - 1.5372 * xyz[1] - 0.4986 * xyz[2],
                   -0.9689 * xyz[0] + 1.8758 * xyz[1] + 0.0415 * xyz[2],
                   0.0557 * xyz[0] - 0.2040 * xyz[1] + 1.0570 * xyz[2]};
  double top = 0;
  for (double& c : rgb) {
    c = std::max(c, 0.0);
    top = std::max(top, c);
  }
  Rgb out;
  if (top <= 0) return out;
  std::uint8_t* channel[3] = {&out.r, &out.g, &out.b};
  for (int k = 0; k < 3; ++k)
    *channel[k] = std::uint8_t(std::lround(255.0 * std::clamp(encodeSrgb(rgb[k] / top), 0.0, 1.0)));
  return out;
}

double spectrumColumnWavelength(int column) {
  return kSpectrumFirstNm +
         (kSpectrumLastNm - kSpectrumFirstNm) * (column + 0.5) / double(kSpectrumWidth);
}

double spectrumColumnOf(double nanometres) {
  return (nanometres - kSpectrumFirstNm) / (kSpectrumLastNm - kSpectrumFirstNm) * kSpectrumWidth;
}

std::vector<std::vector<Rgb>> spectrumStripRows() {
  std::vector<Rgb> row(kSpectrumWidth);
  for (int x = 0; x < kSpectrumWidth; ++x)
    row[std::size_t(x)] = spectralColour(spectrumColumnWavelength(x));
  return std::vector<std::vector<Rgb>>(kSpectrumHeight, row);
}

}  // namespace corvana::spectral
