#pragma once
// corvana-cli report word-diff | word-diff2 | word-cumulative JOB OUT: a
// word-processor report of a job file written to OUT (.docx).
#include <iosfwd>
#include <string>
#include <string_view>

#include "core/language_table.h"

namespace corvana::cli {

// word-diff and word-diff2: the file's current standard and sample (the
// template follows the job's colour space; word-diff2 insists on its CIE XYZ
// template); word-cumulative: every sample in record order. 0 when written;
// 1 with a message on `err` for an unreadable job, a missing template or an
// unwritable output; 2 for an unknown kind.
int runWordReport(std::string_view kind, const std::string& jobPath, const std::string& outPath,
                  Language language, std::ostream& err);
int runWordReport(std::string_view kind, const std::string& jobPath, const std::string& outPath,
                  Language language);

}  // namespace corvana::cli
