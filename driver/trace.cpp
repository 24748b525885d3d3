#include "driver/trace.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace colorport {

bool traceEnabled() {
  static const bool enabled = [] {
    const char* v = std::getenv("COLORPORT_TRACE");
    return v != nullptr && *v != '\0' && std::strcmp(v, "0") != 0;
  }();
  return enabled;
}

void writeTrace(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stderr); }

}  // namespace colorport
