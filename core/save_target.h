#pragma once
// Which file a save replaces: the path itself, or the file a symbolic link
// names when that is a regular file of the user running the program. Never a
// folder, device, FIFO or socket.
#include <string>

#include "core/file_io.h"

namespace corvana {

struct SaveTarget {
  std::string path;                   // the file to replace; empty when refused
  FileFault fault = FileFault::None;  // why it was refused
  int error = 0;                      // errno of the refusal
};

SaveTarget resolveSaveTarget(const std::string& path);

}  // namespace corvana
