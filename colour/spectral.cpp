#include "colour/spectral.h"

#include <algorithm>

namespace corvana {

namespace {
constexpr IlluminantInfo kIlluminants[kIlluminantCount] = {
    {D65, "D65", true}, {D50, "D50", true}, {A, "A", true},   {C, "C", true},
    {D55, "D55", true}, {D75, "D75", true}, {F1, "F1", true}, {F2, "F2", true},
    {F3, "F3", true},   {F4, "F4", true},   {F5, "F5", true}, {F6, "F6", true},
    {F7, "F7", true},   {F8, "F8", true},   {F9, "F9", true}, {F10, "F10", true},
    {F11, "F11", true}, {F12, "F12", true},
};

char foldAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }
}  // namespace

std::span<const IlluminantInfo> illuminantList() { return kIlluminants; }

std::string_view illuminantName(Illuminant illuminant) {
  for (const auto& info : kIlluminants)
    if (info.code == illuminant) return info.name;
  return {};
}

std::optional<Illuminant> illuminantFromText(std::string_view text) {
  for (const auto& info : kIlluminants)
    if (equalsIgnoreCase(text, info.name)) return info.code;
  return std::nullopt;
}

std::string_view measurementModeText(std::int32_t mode) {
  switch (mode) {
    case SCI: return "SCI";
    case SCE: return "SCE";
    default: return {};
  }
}

std::optional<std::int32_t> measurementModeFromText(std::string_view text) {
  if (equalsIgnoreCase(text, "SCI")) return SCI;
  if (equalsIgnoreCase(text, "SCE")) return SCE;
  return std::nullopt;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return foldAscii(x) == foldAscii(y);
         });
}

}  // namespace corvana
