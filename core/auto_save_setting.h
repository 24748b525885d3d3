#pragma once
// "Save|AutoSave": save modified jobs without asking when their window closes.
#include <optional>
#include <string>

namespace corvana {

class SettingsDocument;

// "%d", non-zero = true; no value when the key is missing or not a number.
std::optional<bool> readAutoSave(const SettingsDocument& document);
std::optional<bool> readAutoSave(const std::string& settingsPath);
// Writes 1 or 0; false when the file could not be written.
bool writeAutoSave(const std::string& settingsPath, bool autoSave);

}  // namespace corvana
