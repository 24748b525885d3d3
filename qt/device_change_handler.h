#pragma once
// The main window's reaction to a serial port appearing or going away: an
// arrival while unconnected opens the instrument, the removal of the
// connected port closes it, and every window hears of either. A driver call
// that found the instrument gone (its line hung up, with or without a udev
// notice) closes the connection the same way, before anything else. The
// driver calls run on the instrument worker; a notice that comes while the
// worker is busy waits its turn.
#include <QObject>
#include <deque>

#include "instrument/connection.h"

namespace corvana {

class CMainFrame;

enum class PortChange { Arrived, Removed };

class DeviceChangeHandler : public QObject {
  Q_OBJECT
 public:
  explicit DeviceChangeHandler(CMainFrame& main);

  // A notice from the port monitor (or a test).
  void notice(PortChange change, const PortNotice& port);
  // Notices not yet started.
  std::size_t pending() const { return pending_.size(); }

 private:
  // Starts the oldest waiting notice when the worker is free.
  void startNext();
  void arrive();
  void remove(const PortNotice& port);
  void closeLost();

  CMainFrame& main_;
  std::deque<std::pair<PortChange, PortNotice>> pending_;
};

}  // namespace corvana
