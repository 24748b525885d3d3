#pragma once
// The programs the report tests read documents back with (LibreOffice,
// pdftotext): whether one is installed, and a command's standard output.
#include <cstdio>
#include <cstdlib>
#include <string>

namespace corvana::testing {

inline bool hasProgram(const char* name) {
  return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

inline std::string run(const std::string& command) {
  std::string out;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    ::pclose(pipe);
  }
  return out;
}

}  // namespace corvana::testing
