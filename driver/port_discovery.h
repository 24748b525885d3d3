#pragma once
// Finding the instrument's port: serial devices with a USB parent, listed from
// the sysfs tree, whose friendly name ("<interface or product> (<node>)")
// begins with one of the bridge names.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace colorport {

struct SerialDevice {
  std::string friendlyName;  // e.g. "SCI USB2Serial (ttyUSB0)"
  std::string devicePath;    // e.g. "/dev/ttyUSB0"
};

constexpr std::string_view kBridgeName = "SCI USB2Serial";
constexpr std::string_view kFallbackBridgeName = "SPRD U2S Diag";

// Every tty under <sysfsRoot>/class/tty with a USB device among its parents, by node name.
std::vector<SerialDevice> listUsbSerialDevices(const std::filesystem::path& sysfsRoot);

// The name begins with the pattern, letter case ignored.
bool friendlyNameMatches(std::string_view friendlyName, std::string_view pattern);

// Devices matching the bridge name; when there is none, those matching the fallback name.
std::vector<SerialDevice> findInstrumentPorts(const std::filesystem::path& sysfsRoot);

}  // namespace colorport
