#pragma once
// What corvana-cli writes: fields of its TAB- and comma-separated lines, and
// the check that all of it reached its destination.
#include <iosfwd>
#include <string>
#include <string_view>

namespace corvana::cli {

// A name or cell as one field: a TAB, a line break and a carriage return
// would split the line, so they are written "\t", "\n" and "\r", and a
// backslash "\\" so that the text reads back unambiguously.
std::string escapedField(std::string_view text);

// Everything written to `out` flushed; when a write failed (a full disk, a
// closed file) it says so on `err` and the status is 1, unless the command
// had already failed with a status of its own.
int finishOutput(std::ostream& out, std::ostream& err, int status);

}  // namespace corvana::cli
