#include "qt/instrument_worker.h"

#include <QEventLoop>

namespace corvana {

InstrumentWorker::InstrumentWorker(QObject* parent) : QObject(parent) {}

InstrumentWorker::~InstrumentWorker() { waitForDriver(); }

bool InstrumentWorker::start(Text activity, std::function<void()> work,
                             std::function<void()> apply) {
  if (busy_) return false;
  // The previous thread has posted its result already; only its end is left.
  if (thread_.joinable()) thread_.join();
  busy_ = true;
  activity_ = activity;
  emit busyChanged(true);
  thread_ = std::thread([this, work = std::move(work), apply = std::move(apply)] {
    work();
    // Dropped with this object should it be gone first (the program ends).
    QMetaObject::invokeMethod(
        this, [this, apply] { deliver(apply); }, Qt::QueuedConnection);
  });
  return true;
}

void InstrumentWorker::deliver(const std::function<void()>& apply) {
  if (thread_.joinable()) thread_.join();
  // Idle before the result is applied: a message it shows appears without the
  // busy cursor, and the commands are back when it is closed.
  busy_ = false;
  activity_ = Text::None;
  emit busyChanged(false);
  apply();
  emit finished();
}

void InstrumentWorker::finish() {
  if (!busy_) return;
  QEventLoop loop;
  connect(this, &InstrumentWorker::finished, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void InstrumentWorker::waitForDriver() {
  if (thread_.joinable()) thread_.join();
}

}  // namespace corvana
