#include "core/number_text.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace corvana {

std::string formatFixed(double value, int decimals, int width) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%*.*f", width, decimals, value);
  // A tiny negative value prints as "-0.00"; the sign then says nothing the
  // digits back up. Only text with digits counts ("-nan" stays as it is).
  const std::string_view text(buffer);
  const std::size_t minus = text.find('-');
  if (minus != std::string_view::npos &&
      text.find_first_of("123456789") == std::string_view::npos &&
      text.find('0') != std::string_view::npos)
    std::snprintf(buffer, sizeof buffer, "%*.*f", width, decimals, 0.0);
  return buffer;
}

std::string formatFixed62(double value) { return formatFixed(value, 2, 6); }

double parseNumber(std::string_view text) {
  std::size_t i = 0;
  const auto digitAt = [&](std::size_t k) {
    return k < text.size() && std::isdigit(static_cast<unsigned char>(text[k]));
  };
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  const std::size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  bool digits = false;
  while (digitAt(i)) ++i, digits = true;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (digitAt(i)) ++i, digits = true;
  }
  if (!digits) return 0.0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t k = i + 1;
    if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
    if (digitAt(k)) {
      while (digitAt(k)) ++k;
      i = k;
    }
  }
  // Only the checked characters reach strtod, so it cannot read "inf",
  // hexadecimal or locale forms.
  const std::string number(text.substr(start, i - start));
  return std::strtod(number.c_str(), nullptr);
}

namespace {
// The next argument when it is of kind T; the placeholder stays otherwise.
template <typename T>
const T* nextArgument(const std::vector<FormatArgument>& arguments, std::size_t& next) {
  if (next >= arguments.size() || !std::holds_alternative<T>(arguments[next])) return nullptr;
  return &std::get<T>(arguments[next++]);
}
}  // namespace

std::string fillPlaceholders(std::string_view pattern,
                             const std::vector<FormatArgument>& arguments) {
  std::string out;
  std::size_t next = 0;
  std::size_t i = 0;
  while (i < pattern.size()) {
    const std::string_view rest = pattern.substr(i);
    if (rest.starts_with("%%")) {
      out += '%';
      i += 2;
      continue;
    }
    if (rest.starts_with("%s")) {
      if (const auto* s = nextArgument<std::string>(arguments, next)) {
        out += *s;
        i += 2;
        continue;
      }
    } else if (rest.starts_with("%d")) {
      if (const auto* d = nextArgument<int>(arguments, next)) {
        out += std::to_string(*d);
        i += 2;
        continue;
      }
    } else if (rest.starts_with("%6.2f")) {
      if (const auto* f = nextArgument<double>(arguments, next)) {
        out += formatFixed62(*f);
        i += 5;
        continue;
      }
    }
    out += pattern[i++];
  }
  return out;
}

}  // namespace corvana
