#pragma once
// Where reports are saved: the user's documents folder, under the report's
// title and the moment it was made.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "colour/measurement_record.h"

namespace corvana {

// Reads one environment variable; empty when it is unset.
using EnvironmentLookup = std::function<std::string(const char* name)>;

// The documents folder of the XDG user directories: $XDG_DOCUMENTS_DIR, else
// the XDG_DOCUMENTS_DIR line of `userDirs` (the text of user-dirs.dirs, where
// "$HOME" stands for the home folder), else $HOME/Documents. Empty when no
// home folder is known.
std::filesystem::path documentsFolderFrom(const EnvironmentLookup& env, std::string_view userDirs);

// The same for this process: its environment and
// ${XDG_CONFIG_HOME:-$HOME/.config}/user-dirs.dirs.
std::filesystem::path userDocumentsFolder();

// Creates the folder when it is missing. On failure, the reason for a message.
std::optional<std::string> ensureFolder(const std::filesystem::path& folder);

// "<title> YYYY-MM-DD hh-mm-ss<extension>", e.g. "Export Data 2024-03-02 09-05-03.xlsx".
// Characters a file name cannot hold ('/' and NUL) in the title become '_'.
std::string reportFileName(std::string_view title, const RecordTime& time,
                           std::string_view extension);

// `folder`/`fileName`, or when a file of that name exists (a report made in
// the same second) the first free "<stem> (2)<extension>", "(3)", ...
std::filesystem::path unusedReportPath(const std::filesystem::path& folder,
                                       const std::string& fileName);

}  // namespace corvana
