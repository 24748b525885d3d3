#pragma once
// A throw-away sysfs tree in a temporary directory, with the parts port
// discovery reads: class/tty/<node>/device links into a devices tree.
#include <filesystem>
#include <string>

namespace colorport::test {

class FakeSysfs {
 public:
  FakeSysfs();
  ~FakeSysfs();
  const std::filesystem::path& root() const { return root_; }

  // A tty whose USB device has the product string and whose interface has the
  // interface string (either may be empty: then the file is absent).
  void addUsbTty(const std::string& node, const std::string& product, const std::string& interface);
  // A serial port on the platform bus (no USB parent).
  void addPlatformTty(const std::string& node);
  // A virtual terminal without device link.
  void addVirtualTty(const std::string& node);

 private:
  std::filesystem::path root_;
  int usbDevices_ = 0;
};

}  // namespace colorport::test
