#pragma once
// The compiled-in table of texts in English, Simplified and Traditional Chinese.
#include <cstdint>
#include <string>

namespace corvana {

constexpr int kLanguageRows = 434;  // rows 0..433
constexpr int kProductTitleRow = 69;

enum Language : std::uint8_t { English = 0, ChineseSimplified = 1, ChineseTraditional = 2 };

// The process-wide language of every lookup.
extern std::uint8_t LanguageIndex;

// The row's text in the current language, English where that one is absent,
// empty for a row outside the table.
const std::string& LookupText(int row);
// The same in a given language (0..2).
const std::string& LookupText(int row, int language);
// True when the row has its own text in that language.
bool hasText(int row, int language);

// For titles: an empty text becomes the product title.
std::string captionText(int row);

}  // namespace corvana
