#pragma once
// Driver calls from a window: the call runs on a worker thread while the
// windows keep painting under a busy cursor. User input waits until it is
// done, so no second driver call can start meanwhile.
#include <functional>

namespace corvana::ui {

// Runs `work` off the UI thread and returns once it has finished.
void runInstrumentCall(const std::function<void()>& work);

}  // namespace corvana::ui
