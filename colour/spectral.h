#pragma once
// The spectral grid and the three condition enumerations every record carries.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace corvana {

constexpr int kCurvePoints = 31;  // 400, 410, ..., 700 nm
using ReflectanceCurve = std::array<float, kCurvePoints>;

constexpr int wavelengthOf(int index) { return 400 + 10 * index; }

// Codes are stored in records and job files; never renumber.
enum Illuminant : std::int32_t {
  D65 = 0,
  D50 = 1,
  A = 2,
  C = 3,
  D55 = 4,
  D75 = 5,
  F2 = 6,
  F7 = 7,
  F11 = 8,
  F1 = 9,
  F3 = 10,
  F4 = 11,
  F5 = 12,
  F6 = 13,
  F8 = 14,
  F9 = 15,
  F10 = 16,
  F12 = 17,
};
constexpr int kIlluminantCount = 18;

enum Observer : std::int32_t { Observer2 = 0, Observer10 = 1 };
enum MeasurementMode : std::int32_t { SCI = 0, SCE = 1 };

struct IlluminantInfo {
  Illuminant code;
  const char* name;
  bool offered;
};

// In display order: every illuminant selection list shows them in this order.
std::span<const IlluminantInfo> illuminantList();

// Codes 9 to 17 weight at 5 nm through the spline; 0 to 8 at 10 nm.
constexpr bool usesFiveNanometreTable(Illuminant illuminant) {
  return illuminant >= 9 && illuminant <= 17;
}

// Empty for a value outside 0..17.
std::string_view illuminantName(Illuminant illuminant);
std::optional<Illuminant> illuminantFromText(std::string_view text);

std::string_view measurementModeText(std::int32_t mode);
std::optional<std::int32_t> measurementModeFromText(std::string_view text);

// ASCII case folding: the enumeration texts compared this way are ASCII or
// CJK (which has no case).
bool equalsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace corvana
