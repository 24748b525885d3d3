#include "core/user_manual_location.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "core/language_table.h"
#include "core/settings_location.h"

namespace corvana {

ManualLocationInputs currentManualLocationInputs() {
  const char* named = std::getenv("CORVANA_MANUAL_DIR");
  return {named ? named : "", executableDirectory()};
}

std::vector<std::string> manualFolders(const ManualLocationInputs& inputs) {
  std::vector<std::string> folders;
  if (!inputs.manualDirectory.empty()) folders.push_back(inputs.manualDirectory);
  if (!inputs.executableDirectory.empty()) {
    folders.push_back(inputs.executableDirectory + "/../../docs/manual");
    folders.push_back(inputs.executableDirectory + "/../share/corvana/manual");
  }
  return folders;
}

std::string_view manualLanguageFolder(int language) {
  switch (language) {
    case ChineseSimplified: return "zh-CN";
    case ChineseTraditional: return "zh-TW";
    default: return "en";
  }
}

std::string findManualIndex(const ManualLocationInputs& inputs, int language) {
  const std::vector<std::string> folders = manualFolders(inputs);
  for (std::string_view lang : {manualLanguageFolder(language), manualLanguageFolder(English)}) {
    for (const std::string& folder : folders) {
      const std::filesystem::path index = std::filesystem::path(folder) / lang / "index.html";
      std::error_code ignored;
      if (std::filesystem::is_regular_file(index, ignored))
        return index.lexically_normal().string();
    }
  }
  return {};
}

}  // namespace corvana
