#pragma once
// Sets the process-wide language for one test and puts English back after it.
#include <cstdint>

#include "core/language_table.h"

namespace corvana::testing {

struct LanguageScope {
  explicit LanguageScope(std::uint8_t language) { LanguageIndex = language; }
  ~LanguageScope() { LanguageIndex = English; }
};

}  // namespace corvana::testing
