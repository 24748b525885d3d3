#include "core/recent_files.h"

#include <algorithm>
#include <filesystem>

#include "core/settings.h"
#include "core/settings_keys.h"

namespace corvana {

namespace {
std::string normalised(const std::string& path) {
  return std::filesystem::path(path).lexically_normal().string();
}
}  // namespace

std::vector<std::string> withoutRecentFile(std::vector<std::string> list, const std::string& path) {
  const std::string key = normalised(path);
  std::erase_if(list, [&](const std::string& entry) { return normalised(entry) == key; });
  return list;
}

std::vector<std::string> withRecentFile(std::vector<std::string> list, const std::string& path) {
  if (path.empty()) return list;
  list = withoutRecentFile(std::move(list), path);
  list.insert(list.begin(), normalised(path));
  if (list.size() > kRecentFileLimit) list.resize(kRecentFileLimit);
  return list;
}

std::vector<std::string> readRecentFiles(const SettingsDocument& document) {
  std::vector<std::string> list;
  for (const char* key : settings_keys::kRecentFiles) {
    const std::optional<std::string> path = readSettingText(document, key);
    if (!path || path->empty()) continue;
    // Appended behind what is already there, so the first occurrence wins.
    if (withoutRecentFile(list, *path).size() == list.size()) list.push_back(normalised(*path));
  }
  return list;
}

std::vector<std::string> readRecentFiles(const std::string& settingsPath) {
  return readRecentFiles(loadSettings(settingsPath));
}

bool writeRecentFiles(const std::string& settingsPath, const std::vector<std::string>& list) {
  std::vector<SettingValue> values;
  for (std::size_t i = 0; i < kRecentFileLimit; ++i)
    values.push_back({settings_keys::kRecentFiles[i], i < list.size() ? list[i] : std::string()});
  return writeSettings(settingsPath, values);
}

}  // namespace corvana
