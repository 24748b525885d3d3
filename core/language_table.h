#pragma once
// The compiled-in table of texts in English, Simplified and Traditional Chinese.
#include <cstdint>
#include <string>

#include "resources/text_names.h"

namespace corvana {

constexpr int kLanguageRows = 501;  // rows 0..500

enum Language : std::uint8_t { English = 0, ChineseSimplified = 1, ChineseTraditional = 2 };

// The process-wide language of every lookup.
extern std::uint8_t LanguageIndex;

// Code names its texts (Text::Level1). A row number kept as data, such as a
// tolerance entry's component label, is looked up as Text(row).

// The row's text in the current language, English where that one is absent,
// empty for a row outside the table.
const std::string& LookupText(Text text);
// The same in a given language (0..2).
const std::string& LookupText(Text text, int language);
// True when the row has its own text in that language.
bool hasText(Text text, int language);

// For titles: an empty text becomes the product title.
std::string captionText(Text text);

// Rows that form a sequence ("R++", "R+", "R--", "R-"; "Primary:",
// "Secondary:", "Tertiary:") are read as their named first row plus a step.
constexpr Text sequenceText(Text first, int step) { return Text(int(first) + step); }

}  // namespace corvana
