#include "qt/instrument_call.h"

#include <QApplication>
#include <QEventLoop>
#include <thread>

namespace corvana::ui {

void runInstrumentCall(const std::function<void()>& work) {
  QEventLoop loop;
  QApplication::setOverrideCursor(Qt::BusyCursor);
  // The quit is queued to the loop, so a call that ends before exec() starts
  // still ends it.
  std::thread worker([&] {
    work();
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  worker.join();
  QApplication::restoreOverrideCursor();
}

}  // namespace corvana::ui
