#include "core/display_text.h"

namespace corvana {

namespace {
constexpr std::string_view kEllipsis = "\xE2\x80\xA6";  // U+2026

bool startsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }
}  // namespace

std::string elidedText(std::string_view utf8, std::size_t maxCharacters) {
  if (maxCharacters == 0) return {};
  // Most texts are short: no character can be missing when the bytes fit.
  if (utf8.size() <= maxCharacters) return std::string(utf8);
  std::size_t characters = 0, keep = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (!startsCharacter(utf8[i])) continue;
    // The start of the last character that still fits beside the ellipsis.
    if (characters == maxCharacters - 1) keep = i;
    if (++characters > maxCharacters) {
      std::string shown(utf8.substr(0, keep));
      shown += kEllipsis;
      return shown;
    }
  }
  return std::string(utf8);
}

}  // namespace corvana
