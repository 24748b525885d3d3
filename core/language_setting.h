#pragma once
// The language between runs ("Lang|Lang": "ENG", "CHS", "CHT") and on the
// command line ("/lang:english", "/lang:chinesesimplified", ...).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvana {

class SettingsDocument;

// The whole command line lower-cased and searched for "/lang:english", then
// "/lang:chinesesimplified" and "/lang:chinese_simplified", then
// "/lang:chinesetraditional" and "/lang:chinese_traditional"; the first
// found decides. Each option is also accepted with "--" for "/".
std::optional<std::uint8_t> commandLineLanguage(std::string_view commandLine);
// The arguments after the program name, joined by blanks.
std::optional<std::uint8_t> commandLineLanguage(int argc, const char* const argv[]);

// "ENG", "CHS", "CHT" (any case) for 0, 1, 2; anything else is no language.
std::optional<std::uint8_t> languageFromText(std::string_view text);
// Empty for an index outside 0..2.
std::string_view languageText(int language);

std::optional<std::uint8_t> readStoredLanguage(const SettingsDocument& document);
std::optional<std::uint8_t> readStoredLanguage(const std::string& settingsPath);
// Writes nothing (false) for an index outside 0..2 or when the file cannot
// be written.
bool writeStoredLanguage(const std::string& settingsPath, int language);

// At start-up: a command-line option sets its language (forced) and stores
// it; otherwise the stored language, or English, is set (forced). Returns
// the language set.
std::uint8_t decideStartupLanguage(int argc, const char* const argv[],
                                   const std::string& settingsPath);

// The Language Settings menu commands: set (not forced) and always write,
// even when the language was already selected. False when the write failed.
bool chooseLanguage(std::uint8_t language, const std::string& settingsPath);

}  // namespace corvana
