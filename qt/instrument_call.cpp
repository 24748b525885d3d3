#include "qt/instrument_call.h"

#include "qt/instrument_worker.h"

namespace corvana::ui {

void runInstrumentCall(InstrumentWorker& worker, Text activity, const std::function<void()>& work) {
  worker.finish();
  // Nothing else can start between the two: finish() lets no user input in.
  worker.run<bool>(
      activity,
      [&work] {
        work();
        return true;
      },
      [](bool) {});
  worker.finish();
}

}  // namespace corvana::ui
