#include "fake_sysfs.h"

#include <cstdlib>
#include <fstream>
#include <string>

namespace colorport::test {
namespace fs = std::filesystem;
namespace {

void writeFile(const fs::path& file, const std::string& text) {
  std::ofstream(file) << text << "\n";
}

}  // namespace

FakeSysfs::FakeSysfs() {
  std::string pattern = (fs::temp_directory_path() / "sysfs-XXXXXX").string();
  root_ = mkdtemp(pattern.data());
  fs::create_directories(root_ / "class" / "tty");
}

FakeSysfs::~FakeSysfs() {
  std::error_code ec;
  fs::remove_all(root_, ec);
}

void FakeSysfs::addUsbTty(const std::string& node, const std::string& product,
                          const std::string& interface) {
  const std::string usb = "1-" + std::to_string(++usbDevices_);
  const fs::path device = root_ / "devices" / "pci0000:00" / "usb1" / usb;
  const fs::path iface = device / (usb + ":1.0");
  const fs::path port = iface / node;
  fs::create_directories(port);
  writeFile(device / "idVendor", "1a86");
  if (!product.empty()) writeFile(device / "product", product);
  if (!interface.empty()) writeFile(iface / "interface", interface);
  fs::create_directories(root_ / "class" / "tty" / node);
  fs::create_directory_symlink(fs::relative(port, root_ / "class" / "tty" / node),
                               root_ / "class" / "tty" / node / "device");
}

void FakeSysfs::addPlatformTty(const std::string& node) {
  const fs::path port = root_ / "devices" / "platform" / "serial8250" / node;
  fs::create_directories(port);
  fs::create_directories(root_ / "class" / "tty" / node);
  fs::create_directory_symlink(fs::relative(port, root_ / "class" / "tty" / node),
                               root_ / "class" / "tty" / node / "device");
}

void FakeSysfs::addVirtualTty(const std::string& node) {
  fs::create_directories(root_ / "class" / "tty" / node);
}

}  // namespace colorport::test
