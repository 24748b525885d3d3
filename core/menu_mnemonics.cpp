#include "core/menu_mnemonics.h"

#include <cstddef>
#include <set>

namespace corvana {

namespace {

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
char upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

// Byte positions of the text's letters in order, or of its word initials only.
std::vector<std::size_t> candidates(const std::string& text, bool initialsOnly) {
  std::vector<std::size_t> at;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!isLetter(text[i])) continue;
    const bool initial = i == 0 || !isLetter(text[i - 1]);
    if (initial || !initialsOnly) at.push_back(i);
  }
  return at;
}

}  // namespace

std::vector<std::string> mnemonicLabels(std::span<const Text> rows) {
  constexpr std::size_t kNone = std::string::npos;
  std::vector<std::string> english;
  for (Text row : rows) english.push_back(LookupText(row, English));
  std::vector<std::size_t> chosen(rows.size(), kNone);
  std::set<char> used;
  // Two passes: every item may take a word initial before any falls back to
  // an inner letter.
  for (const bool initials : {true, false}) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      if (chosen[i] != kNone) continue;
      for (std::size_t at : candidates(english[i], initials)) {
        if (used.insert(upper(english[i][at])).second) {
          chosen[i] = at;
          break;
        }
      }
    }
  }
  std::vector<std::string> labels;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const bool ownText = LanguageIndex != English && hasText(rows[i], LanguageIndex);
    std::string label = ownText ? LookupText(rows[i]) : english[i];
    if (chosen[i] != kNone) {
      if (ownText)
        label += std::string("(&") + upper(english[i][chosen[i]]) + ")";
      else
        label = label.substr(0, chosen[i]) + '&' + label.substr(chosen[i]);
    }
    labels.push_back(std::move(label));
  }
  return labels;
}

char mnemonicOf(const std::string& label) {
  for (std::size_t i = 0; i + 1 < label.size(); ++i) {
    if (label[i] != '&') continue;
    if (label[i + 1] == '&') {
      ++i;  // a literal "&"
      continue;
    }
    return upper(label[i + 1]);
  }
  return 0;
}

}  // namespace corvana
