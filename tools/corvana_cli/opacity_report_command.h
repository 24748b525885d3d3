#pragma once
// corvana-cli report opacity | word-opacity JOB OUT [--white N] [--black N]
// [--lang eng|chs|cht]: the opacity report of two samples of a job file,
// printed (PDF) or as a document (.docx).
#include <iosfwd>
#include <span>
#include <string_view>

namespace corvana::cli {

constexpr const char* kOpacityUsage =
    "usage: corvana-cli report opacity|word-opacity JOB OUT [--white N] [--black N]\n"
    "                          [--lang eng|chs|cht]\n"
    "  N: the sample's number in the sample list (1 the first); a base without one\n"
    "     is reported empty\n";

bool isOpacityReport(std::string_view kind);

// args as after "report". 0 when written; 1 with a message on `err` for an
// unreadable job, a sample number beyond the list, a missing template or an
// unwritable output; 2 for bad arguments (or "opacity" in a build without
// the page painter).
int runOpacityReport(std::span<const std::string_view> args, std::ostream& err);

}  // namespace corvana::cli
