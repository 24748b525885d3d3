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

std::string userConfigDirectory(const FileLocationInputs& inputs) {
  // The XDG rule: a relative $XDG_CONFIG_HOME is ignored.
  if (!inputs.xdgConfigHome.empty() && inputs.xdgConfigHome.front() == '/')
    return inputs.xdgConfigHome + "/corvana";
  if (!inputs.home.empty() && inputs.home.front() == '/') return inputs.home + "/.config/corvana";
  return {};
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
                            environment("HOME")};
  if (inputs.home.empty()) {
    if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir)
      inputs.home = user->pw_dir;
  }
  return inputs;
}

std::string locateWritableFile(const FileLocationInputs& inputs, std::string_view fileName) {
  if (isWritableDirectory(inputs.executableDirectory)) {
    const bool root = inputs.executableDirectory == "/";
    return inputs.executableDirectory + (root ? "" : "/") + std::string(fileName);
  }
  const std::string config = userConfigDirectory(inputs);
  if (config.empty() || !makeDirectories(config)) return {};
  return config + "/" + std::string(fileName);
}

std::string settingsFilePath() {
  if (std::string named = environment("CORVANA_SETTINGS"); !named.empty()) return named;
  return locateWritableFile(currentFileLocationInputs(), "Settings.xml");
}

std::string logFilePath() { return locateWritableFile(currentFileLocationInputs(), "log.txt"); }

}  // namespace corvana
