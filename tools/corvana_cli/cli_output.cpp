#include "tools/corvana_cli/cli_output.h"

#include <cerrno>
#include <cstring>
#include <ostream>

namespace corvana::cli {

std::string escapedField(std::string_view text) {
  std::string field;
  field.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '\t': field += "\\t"; break;
      case '\n': field += "\\n"; break;
      case '\r': field += "\\r"; break;
      case '\\': field += "\\\\"; break;
      default: field += c;
    }
  }
  return field;
}

int finishOutput(std::ostream& out, std::ostream& err, int status) {
  out.flush();
  if (out) return status;
  // The write that failed left its reason in errno; formatting text sets none.
  const int reason = errno;
  err << "corvana-cli: the output could not be written";
  if (reason != 0) err << ": " << std::strerror(reason);
  err << "\n";
  return status != 0 ? status : 1;
}

}  // namespace corvana::cli
