#include "instrument/value_fields.h"

#include <cctype>
#include <cmath>

#include "core/number_text.h"

namespace corvana {
namespace {

bool blank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
bool digit(std::string_view s, std::size_t i) {
  return i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])) != 0;
}

// Length of the decimal number at the start of s; 0 when there is none.
std::size_t numberLength(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  bool digits = false;
  while (digit(s, i)) ++i, digits = true;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (digit(s, i)) ++i, digits = true;
  }
  if (!digits) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t k = i + 1;
    if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
    if (digit(s, k)) {
      while (digit(s, k)) ++k;
      i = k;
    }
  }
  return i;
}

}  // namespace

FieldValue readValueField(std::string_view text) {
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  if (text.empty()) return {};
  if (numberLength(text) != text.size()) return {FieldValue::NotANumber, 0};
  const double value = parseNumber(text);
  if (!std::isfinite(value)) return {FieldValue::NotANumber, 0};
  return {FieldValue::Number, value};
}

}  // namespace corvana
