#include "qt/instrument_call.h"

#include "qt/instrument_worker.h"

namespace corvana::ui {

void runInstrumentCall(InstrumentWorker& worker, Text activity, const std::function<void()>& work) {
  // A device-change notice may take the worker the moment it comes free:
  // then this call waits for that one too.
  while (!worker.run<bool>(
      activity,
      [&work] {
        work();
        return true;
      },
      [](bool) {}))
    worker.finish();
  worker.finish();
}

}  // namespace corvana::ui
