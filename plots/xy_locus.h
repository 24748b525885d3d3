#pragma once
// The CIE 1931 spectral locus as the xy diagram draws it, and its wavelength marks.
#include <array>
#include <cstdint>
#include <string_view>

namespace corvana {

struct LocusPoint {
  double x, y;
  std::uint32_t color;  // ARGB, opaque
};

// 27 points from the violet end to the red end, then 9 along the line of
// purples that only add colours to the gradient.
constexpr int kLocusPoints = 36;
const std::array<LocusPoint, kLocusPoints>& spectralLocus();

enum class MarkAlign : std::uint8_t { Left, Right };

struct WavelengthMark {
  std::string_view label;
  double x, y;
  MarkAlign align;
  double dx, dy;  // label offset in units of F
};

constexpr int kWavelengthMarks = 19;
const std::array<WavelengthMark, kWavelengthMarks>& wavelengthMarks();

}  // namespace corvana
