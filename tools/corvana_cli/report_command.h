#pragma once
// corvana-cli report KIND JOB OUT: a report of a job file written to a file.
#include <iosfwd>
#include <span>
#include <string_view>

namespace corvana::cli {

// corvana-cli report KIND JOB OUT [--lang eng|chs|cht]. Exit status 0 when
// written; 1 when the job cannot be read or the output cannot be written;
// 2 for a kind it does not know or bad arguments.
int runReport(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace corvana::cli
