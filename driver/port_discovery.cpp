#include "driver/port_discovery.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <system_error>

namespace colorport {
namespace fs = std::filesystem;
namespace {

std::string firstLine(const fs::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) line.pop_back();
  return line;
}

// Interface string (nearest first) and product string of the USB device above
// the tty; false when no USB device is among its parents.
bool usbNames(fs::path dir, const fs::path& root, std::string& interface, std::string& product) {
  std::error_code ec;
  for (int depth = 0; depth < 32 && !dir.empty() && dir != root && dir != dir.root_path();
       ++depth) {
    if (interface.empty() && fs::is_regular_file(dir / "interface", ec))
      interface = firstLine(dir / "interface");
    if (fs::is_regular_file(dir / "idVendor", ec)) {
      product = firstLine(dir / "product");
      return true;
    }
    dir = dir.parent_path();
  }
  return false;
}

}  // namespace

std::vector<SerialDevice> listUsbSerialDevices(const fs::path& sysfsRoot) {
  std::vector<SerialDevice> devices;
  std::error_code ec;
  const fs::path root = fs::weakly_canonical(sysfsRoot, ec);
  std::vector<fs::path> ttys;
  for (fs::directory_iterator it(sysfsRoot / "class" / "tty", ec), end; !ec && it != end;
       it.increment(ec))
    ttys.push_back(it->path());
  std::sort(ttys.begin(), ttys.end());
  for (const fs::path& tty : ttys) {
    std::error_code linkError;
    const fs::path device = fs::canonical(tty / "device", linkError);
    if (linkError) continue;  // virtual terminals have no device
    std::string interface, product;
    if (!usbNames(device, root, interface, product)) continue;
    std::string node = tty.filename().string();
    std::replace(node.begin(), node.end(), '!', '/');  // sysfs spells a '/' in a name as '!'

    const std::string& label = interface.empty() ? product : interface;
    devices.push_back({label + " (" + node + ")", "/dev/" + node});
  }
  return devices;
}

bool friendlyNameMatches(std::string_view friendlyName, std::string_view pattern) {
  if (friendlyName.size() < pattern.size()) return false;
  return std::equal(pattern.begin(), pattern.end(), friendlyName.begin(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
  });
}

std::vector<SerialDevice> findInstrumentPorts(const fs::path& sysfsRoot) {
  const std::vector<SerialDevice> all = listUsbSerialDevices(sysfsRoot);
  for (std::string_view pattern : {kBridgeName, kFallbackBridgeName}) {
    std::vector<SerialDevice> kept;
    for (const SerialDevice& d : all)
      if (friendlyNameMatches(d.friendlyName, pattern)) kept.push_back(d);
    if (!kept.empty()) return kept;
  }
  return {};
}

}  // namespace colorport
