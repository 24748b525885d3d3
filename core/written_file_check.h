#pragma once
// A cheap look at a file just written, before it may replace the old one: a
// full disk or a writer that stopped half-way leaves a file without its end,
// which every format here has at a known place.
#include <string>

#include "core/file_io.h"

namespace corvana {

// What the file open on `fd` lacks to be whole as `kind`; empty when it is.
// Reads only its first and last bytes (a zip package: its central directory).
std::string missingFromWrittenFile(int fd, FileKind kind);

}  // namespace corvana
