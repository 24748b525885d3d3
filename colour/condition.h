#pragma once
// The condition colour is computed under: an illuminant and an observer, and
// the checked conversions from the integer codes files and the instrument use.
#include <optional>

#include "colour/spectral.h"

namespace corvana {

struct Condition {
  Illuminant illuminant;
  Observer observer;
  friend bool operator==(const Condition&, const Condition&) = default;
};

// The enumerations hold any 32-bit value; only these codes have tables.
constexpr bool isKnown(Illuminant illuminant) {
  return illuminant >= 0 && illuminant < kIlluminantCount;
}
constexpr bool isKnown(Observer observer) {
  return observer == Observer2 || observer == Observer10;
}
constexpr bool isValid(Condition condition) {
  return isKnown(condition.illuminant) && isKnown(condition.observer);
}

// Empty for a code outside the enumeration, so a stored code is never taken
// for an illuminant or observer it does not name.
constexpr std::optional<Illuminant> illuminantFromCode(int code) {
  if (code < 0 || code >= kIlluminantCount) return std::nullopt;
  return static_cast<Illuminant>(code);
}
constexpr std::optional<Observer> observerFromCode(int code) {
  if (code != Observer2 && code != Observer10) return std::nullopt;
  return static_cast<Observer>(code);
}

}  // namespace corvana
