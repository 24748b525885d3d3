#include "driver/auto_reset_event.h"

namespace colorport {

void AutoResetEvent::set() {
  {
    std::lock_guard lock(mutex_);
    set_ = true;
  }
  signalled_.notify_one();
}

void AutoResetEvent::reset() {
  std::lock_guard lock(mutex_);
  set_ = false;
}

bool AutoResetEvent::waitFor(std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  if (!signalled_.wait_for(lock, timeout, [this] { return set_; })) return false;
  set_ = false;
  return true;
}

}  // namespace colorport
