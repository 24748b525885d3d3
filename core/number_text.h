#pragma once
// Numbers as the condition dialogs show and read them, and language texts
// used as format strings.
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace corvana {

// "%*.*f" of a value, except that a value that rounds to zero never shows a
// minus sign ("0.00", not "-0.00").
std::string formatFixed(double value, int decimals, int width = 0);
// "%6.2f": six wide, two decimals ("  1.00", "-128.00").
std::string formatFixed62(double value);

// The leading decimal number of a field, as atof reads it: leading blanks,
// sign, digits, fraction, exponent; 0 when the text does not start with a
// number. "inf" and "nan" are not numbers here; an exponent beyond double
// gives an infinity, which every range check refuses.
double parseNumber(std::string_view text);

// Fills "%s", "%d" and "%6.2f" of a language text in order with the
// arguments (a string, an int, a double); "%%" gives "%". A placeholder
// without an argument of its kind is left as it stands.
using FormatArgument = std::variant<std::string, int, double>;
std::string fillPlaceholders(std::string_view pattern,
                             const std::vector<FormatArgument>& arguments);

}  // namespace corvana
