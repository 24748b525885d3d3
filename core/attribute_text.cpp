#include "core/attribute_text.h"

#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>

#include "colour/spectral.h"

namespace corvana {

namespace {

// scanf skips any leading white space and accepts a '+'.
std::string_view numberStart(std::string_view text, bool& negative) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  return text.substr(i);
}

}  // namespace

std::string formatReal(double value) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
  return std::string(buffer, result.ptr);
}

std::string formatInt(long long value) { return std::to_string(value); }

std::optional<double> parseReal(std::string_view text) {
  bool negative = false;
  const std::string_view digits = numberStart(text, negative);
  if (digits.empty() || digits[0] == '-' || digits[0] == '+') return std::nullopt;
  double value = 0;
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (result.ec == std::errc::invalid_argument) return std::nullopt;
  // Beyond double either way: no measurement.
  if (result.ec == std::errc::result_out_of_range) return std::nullopt;
  if (!std::isfinite(value)) return std::nullopt;
  return negative ? -value : value;
}

std::optional<float> parseFloat(std::string_view text) {
  const auto value = parseReal(text);
  if (!value || std::fabs(*value) > double(FLT_MAX)) return std::nullopt;
  return float(*value);
}

std::optional<int> parseInt(std::string_view text) {
  bool negative = false;
  const std::string_view digits = numberStart(text, negative);
  std::size_t n = 0;
  while (n < digits.size() && digits[n] >= '0' && digits[n] <= '9') ++n;
  if (n == 0) return std::nullopt;
  long long value = 0;
  const auto result = std::from_chars(digits.data(), digits.data() + n, value);
  if (result.ec == std::errc::result_out_of_range) value = LLONG_MAX;
  if (negative) value = value == LLONG_MAX ? LLONG_MIN : -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return int(value);
}

std::optional<bool> parseYesNo(std::string_view text) {
  if (equalsIgnoreCase(text, "true") || equalsIgnoreCase(text, "yes") || text == "1") return true;
  if (equalsIgnoreCase(text, "false") || equalsIgnoreCase(text, "no") || text == "0") return false;
  return std::nullopt;
}

}  // namespace corvana
