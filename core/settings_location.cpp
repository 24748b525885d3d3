#include "core/settings_location.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace corvana {
namespace {

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

bool isWritableDirectory(const std::string& directory) {
  struct stat info {};
  return !directory.empty() && ::stat(directory.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
         ::access(directory.c_str(), W_OK | X_OK) == 0;
}

// mkdir -p for an absolute path.
bool makeDirectories(const std::string& directory) {
  if (directory.empty() || directory.front() != '/') return false;
  for (std::size_t slash = directory.find('/', 1);; slash = directory.find('/', slash + 1)) {
    const std::string part = directory.substr(0, slash);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
    if (slash == std::string::npos) break;
  }
  return isWritableDirectory(directory);
}

// The XDG rule: $XDG_..._HOME when absolute (a relative one is ignored),
// else the default under the home folder.
std::string userDirectory(const std::string& xdgHome, const std::string& home,
                          const char* underHome) {
  if (!xdgHome.empty() && xdgHome.front() == '/') return xdgHome + "/corvana";
  if (!home.empty() && home.front() == '/') return home + underHome + "/corvana";
  return {};
}

std::string userConfigDirectory(const FileLocationInputs& inputs) {
  return userDirectory(inputs.xdgConfigHome, inputs.home, "/.config");
}

std::string inFolder(const std::string& folder, std::string_view fileName) {
  return folder + (folder == "/" ? "" : "/") + std::string(fileName);
}

}  // namespace

std::string executableDirectory() {
  std::vector<char> buffer(4096);
  const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
  if (n <= 0 || std::size_t(n) >= buffer.size()) return {};
  const std::string path(buffer.data(), std::size_t(n));
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {};
  return slash == 0 ? std::string("/") : path.substr(0, slash);
}

FileLocationInputs currentFileLocationInputs() {
  FileLocationInputs inputs{executableDirectory(), environment("XDG_CONFIG_HOME"),
                            environment("HOME"), environment("XDG_STATE_HOME")};
  if (inputs.home.empty()) {
    if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir)
      inputs.home = user->pw_dir;
  }
  return inputs;
}

std::string locateWritableFile(const FileLocationInputs& inputs, std::string_view fileName) {
  if (isWritableDirectory(inputs.executableDirectory))
    return inFolder(inputs.executableDirectory, fileName);
  const std::string config = userConfigDirectory(inputs);
  if (config.empty() || !makeDirectories(config)) return {};
  return config + "/" + std::string(fileName);
}

std::string settingsFilePath() {
  if (std::string named = environment("CORVANA_SETTINGS"); !named.empty()) return named;
  return locateWritableFile(currentFileLocationInputs(), "Settings.xml");
}

bool runsFromBuildTree(const std::string& executableDirectory) {
  if (executableDirectory.empty() || executableDirectory.front() != '/') return false;
  std::string folder = executableDirectory;
  for (;;) {
    struct stat info {};
    if (::stat(inFolder(folder, "CMakeCache.txt").c_str(), &info) == 0 && S_ISREG(info.st_mode))
      return true;
    if (folder == "/") return false;
    const std::size_t slash = folder.rfind('/');
    folder = slash == 0 ? "/" : folder.substr(0, slash);
  }
}

std::string locateLogFile(const FileLocationInputs& inputs) {
  if (runsFromBuildTree(inputs.executableDirectory) &&
      isWritableDirectory(inputs.executableDirectory))
    return inFolder(inputs.executableDirectory, "log.txt");
  const std::string state = userDirectory(inputs.xdgStateHome, inputs.home, "/.local/state");
  if (state.empty() || !makeDirectories(state)) return {};
  return inFolder(state, "log.txt");
}

std::string logFilePath() { return locateLogFile(currentFileLocationInputs()); }

}  // namespace corvana
