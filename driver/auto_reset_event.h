#pragma once
// An event that releases one waiter and then resets itself.
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace colorport {

class AutoResetEvent {
 public:
  void set();
  void reset();
  // True when signalled within the time (the event is then reset), false on time-out.
  bool waitFor(std::chrono::milliseconds timeout);

 private:
  std::mutex mutex_;
  std::condition_variable signalled_;
  bool set_ = false;
};

}  // namespace colorport
