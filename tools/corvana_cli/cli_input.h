#pragma once
// Reading comma-separated records and writing numbers so they read back exactly.
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvana {
class Job;
}

namespace corvana::cli {

// "%.9g"; not-a-number as "nan", infinities as "inf" / "-inf".
std::string formatNumber(float value);

std::vector<std::string_view> splitFields(std::string_view line);
std::optional<float> parseFloat(std::string_view text);
std::optional<int> parseInt(std::string_view text);

// Data lines of the input: empty lines and lines starting with '#' are skipped.
struct InputLine {
  int number;  // 1-based line number in the input
  std::string text;
};
bool nextDataLine(std::istream& in, InputLine& line, int& lineNumber);

// Whether the standard input can be read as lines: a folder cannot, and a
// stream over one would look like an empty input. Says why on `err` if not.
bool standardInputReadable(std::ostream& err);

// --lang eng|chs|cht (any case): sets the language of every text; false for
// any other code.
bool selectLanguage(std::string_view code);

// Reads a job file into `job` (a regular file only: a FIFO or a device is
// refused at once); on failure "corvana-cli: " and the report, which names
// the file, on `err` and false (the commands then exit with status 1).
bool readJobOrReport(Job& job, const std::string& path, std::ostream& err);

}  // namespace corvana::cli
