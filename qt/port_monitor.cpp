#include "qt/port_monitor.h"

#include <libudev.h>

#include <QSocketNotifier>
#include <string_view>

namespace corvana {
namespace {
std::string_view orEmpty(const char* s) { return s ? std::string_view(s) : std::string_view(); }
}  // namespace

PortMonitor::PortMonitor(Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)) {
  udev_ = udev_new();
  if (!udev_) return;
  // "udev": the events after udevd has named the device and made its links.
  monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
  if (!monitor_ || udev_monitor_filter_add_match_subsystem_devtype(monitor_, "tty", nullptr) < 0 ||
      udev_monitor_enable_receiving(monitor_) < 0)
    return;
  const int fd = udev_monitor_get_fd(monitor_);
  if (fd < 0) return;
  notifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &PortMonitor::readNotices);
}

PortMonitor::~PortMonitor() {
  delete notifier_;
  if (monitor_) udev_monitor_unref(monitor_);
  if (udev_) udev_unref(udev_);
}

void PortMonitor::readNotices() {
  // The socket is non-blocking: read until it is empty.
  while (udev_device* device = udev_monitor_receive_device(monitor_)) {
    const std::string_view action = orEmpty(udev_device_get_action(device));
    const char* node = udev_device_get_devnode(device);
    // A tty without a device node is no port the instrument can be on.
    if (node && (action == "add" || action == "remove")) {
      const PortNotice notice =
          portNoticeFromUdev(node, orEmpty(udev_device_get_property_value(device, "DEVLINKS")));
      handler_(action == "add" ? PortChange::Arrived : PortChange::Removed, notice);
    }
    udev_device_unref(device);
  }
}

}  // namespace corvana
