#pragma once
// Numbers and yes/no values as job files write and read them: reals "%g"
// (six significant digits) and "%lf", integers "%d". Independent of the
// locale, so a program running under a locale with a decimal comma still
// writes and reads "0.75".
#include <optional>
#include <string>
#include <string_view>

namespace corvana {

std::string formatReal(double value);    // "%g"
std::string formatInt(long long value);  // "%d"

// The leading number as "%lf" reads it (leading blanks, sign, digits,
// fraction, exponent, trailing text ignored); nullopt when there is none or
// it is not finite.
std::optional<double> parseReal(std::string_view text);
// The same for a single-precision field: nullopt also beyond float's range,
// where the cast would give an infinity (or be undefined).
std::optional<float> parseFloat(std::string_view text);
// The leading integer as "%d" reads it; out-of-range values are clamped.
std::optional<int> parseInt(std::string_view text);
// true for "true", "yes", "1"; false for "false", "no", "0" (letter case
// ignored); nullopt for anything else.
std::optional<bool> parseYesNo(std::string_view text);

}  // namespace corvana
