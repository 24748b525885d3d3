#pragma once
// The spectrum strip under the wavelength axis: violet at the left edge to
// red at the right, its full width standing for 400 to 700 nm.
#include <cstdint>
#include <vector>

namespace corvana::spectral {

constexpr int kSpectrumWidth = 402;
constexpr int kSpectrumHeight = 35;
constexpr double kSpectrumFirstNm = 400, kSpectrumLastNm = 700;

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The sRGB colour of monochromatic light, brightest channel at full scale:
// the chromaticity of the CIE 1931 observer, out-of-gamut parts cut to zero,
// then the sRGB transfer curve. Wavelengths outside 400..700 take the end.
Rgb spectralColour(double nanometres);

// The wavelength a pixel column of the strip stands for (its centre).
double spectrumColumnWavelength(int column);

// The column position (0 to kSpectrumWidth) of a wavelength, for showing
// part of the strip.
double spectrumColumnOf(double nanometres);

// kSpectrumHeight rows of kSpectrumWidth pixels, top row first.
std::vector<std::vector<Rgb>> spectrumStripRows();

}  // namespace corvana::spectral
