#include "core/auto_save_setting.h"

#include "core/settings.h"
#include "core/settings_keys.h"

namespace corvana {

std::optional<bool> readAutoSave(const SettingsDocument& document) {
  const auto value = readSettingInt(document, settings_keys::kAutoSave);
  if (!value) return std::nullopt;
  return *value != 0;
}

std::optional<bool> readAutoSave(const std::string& settingsPath) {
  return readAutoSave(loadSettings(settingsPath));
}

bool writeAutoSave(const std::string& settingsPath, bool autoSave) {
  return writeSetting(settingsPath, settings_keys::kAutoSave, autoSave ? 1 : 0);
}

}  // namespace corvana
