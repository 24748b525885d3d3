#pragma once
// Debug traces of the serial layer. Off unless COLORPORT_TRACE is set to a
// non-empty value other than "0"; then they go to standard error.
#include <sstream>
#include <string>

namespace colorport {

bool traceEnabled();
void writeTrace(const std::string& text);

template <typename... Parts>
void trace(const Parts&... parts) {
  if (!traceEnabled()) return;
  std::ostringstream out;
  (out << ... << parts);
  writeTrace(out.str());
}

}  // namespace colorport
