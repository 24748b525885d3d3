#include "driver/response_channel.h"

#include "driver/command_set.h"
#include "driver/frame.h"
#include "driver/trace.h"

namespace colorport {

ApiResult ResponseChannel::begin(std::uint8_t command) {
  std::lock_guard lock(lock_);
  if (pending_ != kIdleMarker) return API_DEVICE_BUSY;
  pending_ = command;
  return API_SUCCESS;
}

ApiResult ResponseChannel::wait(SharedAck& response, std::chrono::milliseconds timeout) {
  response.reset();
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  bool timedOut = false;
  for (;;) {
    {
      std::lock_guard lock(lock_);
      if (!queue_.empty()) {
        // Also taken after a time-out when it slipped in just before the lock:
        // it answers this request and must not be left for the next one.
        response = std::move(queue_.front());
        queue_.pop_front();
        event_.reset();
        return response->status != 0 ? API_EXECUTE_REQUEST_FAILED : API_SUCCESS;
      }
      if (lost_ || timedOut) {
        pending_ = kIdleMarker;
        return lost_ ? API_DEVICE_DISCONNECTED : API_TIMEOUT;
      }
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    timedOut = left.count() <= 0 || !event_.waitFor(left);
  }
}

void ResponseChannel::receive(std::span<const std::uint8_t> bytes) {
  trace("[", bytes.size(), "]");
  std::lock_guard lock(lock_);
  buffer_.bytes.insert(buffer_.bytes.end(), bytes.begin(), bytes.end());
  // Every complete frame is cut now: a response that arrived together with a
  // stray frame must not wait for bytes that will never come.
  while (auto frame = cutFrame(buffer_)) {
    const bool accepted =
        frame->command == pending_ || (pending_ == kStartTransfer && frame->command == kDataFrame);
    if (!accepted) continue;
    queue_.push_back(std::make_shared<AckPacket>(std::move(*frame)));
    pending_ = kIdleMarker;
    event_.set();
  }
}

void ResponseChannel::lineLost() {
  {
    std::lock_guard lock(lock_);
    lost_ = true;
  }
  event_.set();
}

void ResponseChannel::restart() {
  std::lock_guard lock(lock_);
  buffer_.bytes.clear();
  queue_.clear();
  pending_ = kIdleMarker;
  lost_ = false;
  event_.reset();
}

std::uint8_t ResponseChannel::pending() {
  std::lock_guard lock(lock_);
  return static_cast<std::uint8_t>(pending_);
}

std::size_t ResponseChannel::bufferedBytes() {
  std::lock_guard lock(lock_);
  return buffer_.bytes.size();
}

}  // namespace colorport
