#include "tools/corvana_cli/cli_input.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <istream>
#include <ostream>

#include "colour/spectral.h"
#include "core/job_file.h"
#include "core/language_table.h"

namespace corvana::cli {

std::string formatNumber(float value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", double(value));
  return text;
}

std::vector<std::string_view> splitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (;;) {
    const auto comma = line.find(',');
    fields.push_back(line.substr(0, comma));
    if (comma == std::string_view::npos) break;
    line.remove_prefix(comma + 1);
  }
  return fields;
}

namespace {
std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}
}  // namespace

std::optional<float> parseFloat(std::string_view text) {
  text = trim(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  float value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<int> parseInt(std::string_view text) {
  text = trim(text);
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool nextDataLine(std::istream& in, InputLine& line, int& lineNumber) {
  std::string text;
  while (std::getline(in, text)) {
    ++lineNumber;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    if (trim(text).empty() || text.front() == '#') continue;
    line = {lineNumber, std::move(text)};
    return true;
  }
  return false;
}

bool standardInputReadable(std::ostream& err) {
  struct stat st {};
  if (::fstat(STDIN_FILENO, &st) != 0) {
    err << "corvana-cli: the standard input cannot be read: " << std::strerror(errno) << "\n";
    return false;
  }
  if (S_ISDIR(st.st_mode)) {
    err << "corvana-cli: the standard input is a folder; give the records as lines of text\n";
    return false;
  }
  return true;
}

bool selectLanguage(std::string_view code) {
  if (equalsIgnoreCase(code, "eng"))
    LanguageIndex = English;
  else if (equalsIgnoreCase(code, "chs"))
    LanguageIndex = ChineseSimplified;
  else if (equalsIgnoreCase(code, "cht"))
    LanguageIndex = ChineseTraditional;
  else
    return false;
  return true;
}

bool readJobOrReport(Job& job, const std::string& path, std::ostream& err) {
  std::string error;
  if (readJobFile(job, path, &error)) return true;
  err << "corvana-cli: " << error << "\n";  // it names the file
  return false;
}

}  // namespace corvana::cli
