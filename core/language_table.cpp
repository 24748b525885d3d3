#include "core/language_table.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

#include "resources/embedded.h"

namespace corvana {

std::uint8_t LanguageIndex = English;

namespace {

struct Row {
  std::array<std::optional<std::string>, 3> texts;
};

std::string unescape(std::string_view field) {
  std::string out;
  out.reserve(field.size());
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 1 < field.size()) {
      const char next = field[++i];
      out.push_back(next == 't' ? '\t' : next == 'n' ? '\n' : next);
    } else {
      out.push_back(field[i]);
    }
  }
  return out;
}

// Lines "row<TAB>English[<TAB>Simplified<TAB>Traditional]"; an empty Chinese
// field counts as absent, so lookups fall back to English.
std::vector<Row> load() {
  std::vector<Row> rows(kLanguageRows);
  std::string_view text = resources::languageTableText();
  int expected = 0;
  while (!text.empty()) {
    const auto eol = text.find('\n');
    std::string_view line = text.substr(0, eol);
    text = eol == std::string_view::npos ? std::string_view{} : text.substr(eol + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    const auto tab = line.find('\t');
    int number = -1;
    std::from_chars(line.data(), line.data() + std::min(tab, line.size()), number);
    if (number != expected || tab == std::string_view::npos) {
      std::fprintf(stderr, "corvana: language table row %d is malformed\n", expected);
      std::abort();
    }
    ++expected;
    line.remove_prefix(tab + 1);
    for (int column = 0; column < 3; ++column) {
      const auto next = line.find('\t');
      const std::string_view field = line.substr(0, next);
      if (column == 0 || !field.empty()) rows[number].texts[column] = unescape(field);
      if (next == std::string_view::npos) break;
      line.remove_prefix(next + 1);
    }
  }
  if (expected != kLanguageRows) {
    std::fprintf(stderr, "corvana: language table has %d rows\n", expected);
    std::abort();
  }
  return rows;
}

const std::vector<Row>& table() {
  static const std::vector<Row> rows = load();
  return rows;
}

const std::string kEmpty;

}  // namespace

const std::string& LookupText(Text text, int language) {
  const int row = int(text);
  if (row < 0 || row >= kLanguageRows) return kEmpty;
  const Row& r = table()[row];
  if (language >= 0 && language < 3 && r.texts[language]) return *r.texts[language];
  return r.texts[0] ? *r.texts[0] : kEmpty;
}

const std::string& LookupText(Text text) { return LookupText(text, LanguageIndex); }

bool hasText(Text text, int language) {
  const int row = int(text);
  return row >= 0 && row < kLanguageRows && language >= 0 && language < 3 &&
         table()[row].texts[language].has_value();
}

std::string captionText(Text text) {
  const std::string& caption = LookupText(text);
  if (!caption.empty()) return caption;
  const std::string& title = LookupText(Text::ProductTitle);
  return title.empty() ? "Corvana Color Management Control System" : title;
}

}  // namespace corvana
