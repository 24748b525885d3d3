#pragma once
// The colours of the chromaticity pane (ARGB). The standard is always green,
// the current sample blue, tolerance limits red, limits scaled by the
// quotiety yellow.
#include <cstdint>

namespace corvana::chroma {

constexpr std::uint32_t kBackground = 0xFFC0C0C0;
constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kStandardGreen = 0xFF008055;
constexpr std::uint32_t kSampleBlue = 0xFF0000FF;
constexpr std::uint32_t kDifferenceMagenta = 0xFFFF00FF;
constexpr std::uint32_t kToleranceRed = 0xFFFF0000;
constexpr std::uint32_t kWarningYellow = 0xFFFFFF00;
constexpr std::uint32_t kGreenAxis = 0xFF00FF00;
constexpr std::uint32_t kOtherSamplesGrey = 0xFF808080;
constexpr std::uint32_t kGridMajor = 0x96000000;
constexpr std::uint32_t kGridMinor = 0x46000000;
constexpr std::uint32_t kAxisName = 0xF5000000;
constexpr std::uint32_t kWavelengthMark = 0xEB000000;

}  // namespace corvana::chroma
