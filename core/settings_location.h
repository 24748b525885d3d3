#pragma once
// Where "Settings.xml" and "log.txt" live. The settings: beside the
// executable when that folder is writable, otherwise in the user's
// configuration folder. The log: beside a program that runs from its build
// tree, otherwise in the user's state folder, so an installed program never
// writes into its installation.
#include <string>
#include <string_view>

namespace corvana {

// What the choice depends on, so it can be made for any inputs.
struct FileLocationInputs {
  std::string executableDirectory;  // without a trailing "/"
  std::string xdgConfigHome;        // $XDG_CONFIG_HOME, may be empty
  std::string home;                 // $HOME, may be empty
  std::string xdgStateHome;         // $XDG_STATE_HOME, may be empty
};

// The folder of the running executable (/proc/self/exe), without a trailing
// "/"; empty when it cannot be found.
std::string executableDirectory();
FileLocationInputs currentFileLocationInputs();

// `fileName` beside the executable when that folder is writable, else in
// $XDG_CONFIG_HOME/corvana (or ~/.config/corvana), creating that folder.
// Empty when neither exists nor can be made.
std::string locateWritableFile(const FileLocationInputs& inputs, std::string_view fileName);

// True when the executable lies in a CMake build folder (a CMakeCache.txt in
// its folder or one above it): the program runs as built, not installed.
bool runsFromBuildTree(const std::string& executableDirectory);

// "log.txt" beside the executable when it runs from its build tree and that
// folder is writable, else in $XDG_STATE_HOME/corvana (or
// ~/.local/state/corvana), creating that folder. Empty when neither works.
std::string locateLogFile(const FileLocationInputs& inputs);

// $CORVANA_SETTINGS when set and not empty, else "Settings.xml" by the rule above.
std::string settingsFilePath();
std::string logFilePath();

}  // namespace corvana
