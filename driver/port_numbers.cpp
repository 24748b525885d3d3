#include "driver/port_numbers.h"

#include <mutex>
#include <vector>

namespace colorport {
namespace {

struct Registry {
  std::mutex lock;
  std::vector<std::string> paths;  // index + 1 is the number
};

Registry& registry() {
  static Registry r;
  return r;
}

constexpr std::size_t kHighestNumber = 254;

}  // namespace

std::uint16_t portNumberFor(const std::string& devicePath) {
  Registry& r = registry();
  std::lock_guard lock(r.lock);
  for (std::size_t i = 0; i < r.paths.size(); ++i)
    if (r.paths[i] == devicePath) return static_cast<std::uint16_t>(i + 1);
  if (r.paths.size() >= kHighestNumber) return 0;
  r.paths.push_back(devicePath);
  return static_cast<std::uint16_t>(r.paths.size());
}

std::optional<std::string> devicePathFor(std::uint16_t portNumber) {
  Registry& r = registry();
  std::lock_guard lock(r.lock);
  if (portNumber == 0 || portNumber > r.paths.size()) return std::nullopt;
  return r.paths[portNumber - 1];
}

}  // namespace colorport
