#pragma once
// Serial ports appearing and going away, as udev reports them on the "tty"
// subsystem. Where udev gives nothing (no udev daemon, no netlink socket) the
// monitor stays silent and the program works without it.
#include <QObject>
#include <functional>

#include "qt/device_change_handler.h"

class QSocketNotifier;
struct udev;
struct udev_monitor;

namespace corvana {

class PortMonitor : public QObject {
  Q_OBJECT
 public:
  using Handler = std::function<void(PortChange, const PortNotice&)>;
  explicit PortMonitor(Handler handler, QObject* parent = nullptr);
  ~PortMonitor() override;

  // Whether udev delivers notices here at all.
  bool listening() const { return notifier_ != nullptr; }

 private:
  void readNotices();

  Handler handler_;
  udev* udev_ = nullptr;
  udev_monitor* monitor_ = nullptr;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace corvana
