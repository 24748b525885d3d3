#pragma once
// A driver call a dialog waits for: it runs through the program's one
// instrument worker, so it never overlaps another driver call, and the
// windows keep painting under the busy cursor meanwhile. User input waits
// until it is done.
#include <functional>

#include "core/language_table.h"

namespace corvana {
class InstrumentWorker;
}

namespace corvana::ui {

// Lets a call already in flight finish first, runs `work` on the worker
// thread with `activity` in the status bar, and returns once it has finished.
void runInstrumentCall(InstrumentWorker& worker, Text activity, const std::function<void()>& work);

}  // namespace corvana::ui
