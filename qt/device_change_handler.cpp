#include "qt/device_change_handler.h"

#include "core/job_manager.h"
#include "core/settings_location.h"
#include "qt/main_frame.h"

namespace corvana {

DeviceChangeHandler::DeviceChangeHandler(CMainFrame& main) : QObject(&main), main_(main) {
  connect(&main_.instrumentWorker(), &InstrumentWorker::finished, this,
          &DeviceChangeHandler::startNext);
}

void DeviceChangeHandler::notice(PortChange change, const PortNotice& port) {
  pending_.emplace_back(change, port);
  startNext();
}

void DeviceChangeHandler::startNext() {
  if (main_.instrumentWorker().busy()) return;
  // The status bar and the status dialogs must not go on saying "connected".
  if (connectionLost()) {
    closeLost();
    return;
  }
  if (pending_.empty()) return;
  auto [change, port] = std::move(pending_.front());
  pending_.pop_front();
  if (change == PortChange::Arrived)
    arrive();
  else
    remove(port);
}

void DeviceChangeHandler::arrive() {
  // The arriving port's name does not matter: the library searches for the
  // instrument as on every open.
  main_.instrumentWorker().run<OpenedInstrument>(
      Text::Connecting, [] { return openOnPortArrival(); },
      [this](OpenedInstrument opened) {
        if (opened.open != API_SUCCESS) return;
        spreadOpenedInstrument(opened, jobManager(), settingsFilePath(), nullptr);
        main_.instrumentStateChanged(true);
      });
}

void DeviceChangeHandler::remove(const PortNotice& port) {
  // Asking the library for the connected port is a driver call too.
  main_.instrumentWorker().run<bool>(
      Text::None, [port] { return handlePortRemoval(port); },
      [this](bool closed) {
        if (closed) main_.instrumentStateChanged(false);
      });
}

void DeviceChangeHandler::closeLost() {
  main_.instrumentWorker().run<bool>(
      Text::None, [] { return closeLostConnection(); },
      [this](bool closed) {
        if (closed) main_.instrumentStateChanged(false);
      });
}

}  // namespace corvana
