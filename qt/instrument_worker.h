#pragma once
// Instrument operations off the UI thread: the driver call runs on a worker
// thread while the windows keep painting, and its result is applied back on
// the UI thread. One operation at a time.
#include <QObject>
#include <functional>
#include <memory>
#include <thread>

#include "core/language_table.h"

namespace corvana {

class InstrumentWorker : public QObject {
  Q_OBJECT
 public:
  explicit InstrumentWorker(QObject* parent = nullptr);
  // Waits for a driver call in flight; its result is not applied.
  ~InstrumentWorker() override;

  bool busy() const { return busy_; }
  // What the window shows while busy ("Measuring…").
  Text activity() const { return activity_; }

  // Runs `driverStep` on the worker thread, then `apply` with its result on
  // the UI thread. False, and nothing runs, while another operation is in
  // flight.
  template <typename Result>
  bool run(Text activity, std::function<Result()> driverStep, std::function<void(Result)> apply) {
    auto result = std::make_shared<Result>();
    return start(
        activity, [driverStep, result] { *result = driverStep(); },
        [apply, result] { apply(std::move(*result)); });
  }

  // Lets the event loop run without user input (painting and timers go on)
  // until the operation in flight has applied its result. Returns at once
  // when idle.
  void finish();

  // Waits for the driver call in flight without applying its result: for
  // the program's end, before the connection closes.
  void waitForDriver();

 signals:
  void busyChanged(bool busy);
  // After an operation's result was applied.
  void finished();

 private:
  bool start(Text activity, std::function<void()> work, std::function<void()> apply);
  void deliver(const std::function<void()>& apply);

  std::thread thread_;
  bool busy_ = false;
  Text activity_ = Text::None;
};

}  // namespace corvana
