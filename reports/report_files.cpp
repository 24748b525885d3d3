#include "reports/report_files.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

namespace corvana {
namespace {

std::string trim(std::string_view s) {
  const auto b = s.find_first_not_of(" \t\r");
  if (b == std::string_view::npos) return {};
  const auto e = s.find_last_not_of(" \t\r");
  return std::string(s.substr(b, e - b + 1));
}

// The value of XDG_DOCUMENTS_DIR="..." in user-dirs.dirs, "$HOME" expanded.
std::string userDirsDocuments(std::string_view text, const std::string& home) {
  std::istringstream lines{std::string(text)};
  std::string line;
  std::string found;
  while (std::getline(lines, line)) {
    const std::string l = trim(line);
    if (l.empty() || l[0] == '#') continue;
    const auto eq = l.find('=');
    if (eq == std::string::npos || trim(l.substr(0, eq)) != "XDG_DOCUMENTS_DIR") continue;
    std::string value = trim(l.substr(eq + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
      value = value.substr(1, value.size() - 2);
    if (value.rfind("$HOME", 0) == 0) {
      if (home.empty()) continue;
      value = home + value.substr(5);
    }
    // The file's rule: an absolute path or one relative to $HOME.
    if (value.empty() || value.front() != '/') continue;
    found = value;  // the last line wins, as the XDG tools read it
  }
  return found;
}

}  // namespace

std::filesystem::path documentsFolderFrom(const EnvironmentLookup& env, std::string_view userDirs) {
  if (std::string direct = env("XDG_DOCUMENTS_DIR"); !direct.empty() && direct.front() == '/')
    return direct;
  const std::string home = env("HOME");
  if (std::string listed = userDirsDocuments(userDirs, home); !listed.empty()) return listed;
  if (home.empty()) return {};
  return std::filesystem::path(home) / "Documents";
}

std::filesystem::path userDocumentsFolder() {
  const EnvironmentLookup env = [](const char* name) {
    const char* v = std::getenv(name);
    return std::string(v ? v : "");
  };
  std::filesystem::path config = env("XDG_CONFIG_HOME");
  if (config.empty() && !env("HOME").empty())
    config = std::filesystem::path(env("HOME")) / ".config";
  std::string userDirs;
  if (!config.empty()) {
    std::ifstream in(config / "user-dirs.dirs");
    std::ostringstream text;
    text << in.rdbuf();
    userDirs = text.str();
  }
  return documentsFolderFrom(env, userDirs);
}

std::optional<std::string> ensureFolder(const std::filesystem::path& folder) {
  if (folder.empty()) return std::string("no documents folder is known (HOME is not set)");
  std::error_code ec;
  if (std::filesystem::is_directory(folder, ec)) return std::nullopt;
  std::filesystem::create_directories(folder, ec);
  if (ec) return folder.string() + ": " + ec.message();
  return std::nullopt;
}

std::string reportFileName(std::string_view title, const RecordTime& time,
                           std::string_view extension) {
  std::string name(title);
  for (char& c : name)
    if (c == '/' || c == '\0') c = '_';
  char stamp[40];
  std::snprintf(stamp, sizeof stamp, " %04d-%02d-%02d %02d-%02d-%02d", int(time.year),
                int(time.month), int(time.day), int(time.hour), int(time.minute), int(time.second));
  return name + stamp + std::string(extension);
}

std::filesystem::path unusedReportPath(const std::filesystem::path& folder,
                                       const std::string& fileName) {
  std::filesystem::path candidate = folder / fileName;
  const std::filesystem::path name(fileName);
  std::error_code ec;
  for (int n = 2; std::filesystem::exists(std::filesystem::symlink_status(candidate, ec)); ++n)
    candidate = folder /
                (name.stem().string() + " (" + std::to_string(n) + ")" + name.extension().string());
  return candidate;
}

}  // namespace corvana
