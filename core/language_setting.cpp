#include "core/language_setting.h"

#include <array>

#include "colour/spectral.h"
#include "core/language_change.h"
#include "core/language_table.h"
#include "core/settings.h"
#include "core/settings_keys.h"

namespace corvana {
namespace {

struct LanguageOption {
  std::string_view name;
  std::uint8_t language;
};

constexpr std::array<LanguageOption, 5> kOptions = {{
    {"lang:english", English},
    {"lang:chinesesimplified", ChineseSimplified},
    {"lang:chinese_simplified", ChineseSimplified},
    {"lang:chinesetraditional", ChineseTraditional},
    {"lang:chinese_traditional", ChineseTraditional},
}};

constexpr std::array<std::string_view, 3> kLanguageTexts = {"ENG", "CHS", "CHT"};

bool contains(std::string_view text, std::string_view prefix, std::string_view name) {
  for (std::size_t at = text.find(name); at != std::string_view::npos; at = text.find(name, at + 1))
    if (at >= prefix.size() && text.substr(at - prefix.size(), prefix.size()) == prefix)
      return true;
  return false;
}

}  // namespace

std::optional<std::uint8_t> commandLineLanguage(std::string_view commandLine) {
  std::string lower(commandLine);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  for (const LanguageOption& option : kOptions)
    if (contains(lower, "/", option.name) || contains(lower, "--", option.name))
      return option.language;
  return std::nullopt;
}

std::optional<std::uint8_t> commandLineLanguage(int argc, const char* const argv[]) {
  std::string line;
  for (int i = 1; i < argc; ++i) {
    if (!argv[i]) continue;
    if (!line.empty()) line += ' ';
    line += argv[i];
  }
  return commandLineLanguage(line);
}

std::optional<std::uint8_t> languageFromText(std::string_view text) {
  for (std::size_t i = 0; i < kLanguageTexts.size(); ++i)
    if (equalsIgnoreCase(text, kLanguageTexts[i])) return std::uint8_t(i);
  return std::nullopt;
}

std::string_view languageText(int language) {
  if (language < 0 || language >= int(kLanguageTexts.size())) return {};
  return kLanguageTexts[std::size_t(language)];
}

std::optional<std::uint8_t> readStoredLanguage(const SettingsDocument& document) {
  const auto text = readSettingText(document, settings_keys::kLanguage);
  return text ? languageFromText(*text) : std::nullopt;
}

std::optional<std::uint8_t> readStoredLanguage(const std::string& settingsPath) {
  return readStoredLanguage(loadSettings(settingsPath));
}

bool writeStoredLanguage(const std::string& settingsPath, int language) {
  const std::string_view text = languageText(language);
  if (text.empty()) return false;
  return writeSetting(settingsPath, settings_keys::kLanguage, text);
}

std::uint8_t decideStartupLanguage(int argc, const char* const argv[],
                                   const std::string& settingsPath) {
  if (const auto option = commandLineLanguage(argc, argv)) {
    setLanguage(*option, true);
    writeStoredLanguage(settingsPath, *option);
    return *option;
  }
  const std::uint8_t language = readStoredLanguage(settingsPath).value_or(English);
  setLanguage(language, true);
  return language;
}

bool chooseLanguage(std::uint8_t language, const std::string& settingsPath) {
  setLanguage(language, false);
  return writeStoredLanguage(settingsPath, language);
}

}  // namespace corvana
