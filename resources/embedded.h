#pragma once
// Data files compiled into corvana_core (see resources/CMakeLists.txt).
#include <string_view>

namespace corvana::resources {
std::string_view weights10nmCsv();
std::string_view weights5nmCsv();
std::string_view languageTableText();
}  // namespace corvana::resources
