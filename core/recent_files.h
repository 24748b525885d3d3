#pragma once
// The Job menu's recent files: the last job files opened or saved, most
// recent first, kept in "Settings.xml" between runs.
#include <cstddef>
#include <string>
#include <vector>

namespace corvana {

class SettingsDocument;

inline constexpr std::size_t kRecentFileLimit = 8;

// `path` moved (or added) to the front; an earlier entry for the same file
// goes, and the list keeps the newest kRecentFileLimit. Paths compare after
// lexical normalisation ("/jobs/./a.job" is "/jobs/a.job"), as stored.
// An empty path changes nothing.
std::vector<std::string> withRecentFile(std::vector<std::string> list, const std::string& path);
// The list without that file.
std::vector<std::string> withoutRecentFile(std::vector<std::string> list, const std::string& path);

// "Recent|File1".."File8" in order; empty or missing entries are skipped and
// duplicates dropped, so a hand-edited file still gives a sound list.
std::vector<std::string> readRecentFiles(const SettingsDocument& document);
std::vector<std::string> readRecentFiles(const std::string& settingsPath);
// All eight keys in one write, unused ones emptied; false when the file
// could not be written.
bool writeRecentFiles(const std::string& settingsPath, const std::vector<std::string>& list);

}  // namespace corvana
