#include "instrument/port_access.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace corvana {
namespace {

// access() asks without opening: opening a serial port can reset the device.
bool deniedToUser(const std::string& path) {
  return ::access(path.c_str(), R_OK | W_OK) != 0 && errno == EACCES;
}

}  // namespace

std::vector<std::string> portsDeniedToUser(const std::string& byIdFolder) {
  namespace fs = std::filesystem;
  std::vector<std::string> nodes;
  std::error_code ec;
  for (fs::directory_iterator it(byIdFolder, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path node = fs::canonical(it->path(), ec);
    if (ec) {
      ec.clear();
      continue;
    }
    nodes.push_back(node.string());
  }
  std::sort(nodes.begin(), nodes.end());
  if (const char* given = std::getenv("COLORPORT_PORT"); given != nullptr && *given != '\0')
    nodes.insert(nodes.begin(), given);
  std::vector<std::string> denied;
  for (const std::string& node : nodes)
    if (std::find(denied.begin(), denied.end(), node) == denied.end() && deniedToUser(node))
      denied.push_back(node);
  return denied;
}

}  // namespace corvana
