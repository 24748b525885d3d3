#pragma once
// Matches response frames from the reader thread to the one request that waits
// for them: the pending command, the receive buffer, the response queue and the
// response event, all guarded by the response lock.
#include <chrono>
#include <cstdint>
#include <deque>
#include <mutex>
#include <span>

#include "driver/auto_reset_event.h"
#include "driver/colorport.h"
#include "driver/data_packet.h"

namespace colorport {

constexpr std::chrono::milliseconds kResponseTimeout{10000};

class ResponseChannel {
 public:
  // Marks command as pending: 0, or 6 while another request waits.
  ApiResult begin(std::uint8_t command);
  // 0 or 8 (non-zero status; the frame is still handed over), 5 when no frame
  // came in time, 13 when the line is gone. Leaves the channel idle on 5 and 13.
  ApiResult wait(SharedAck& response, std::chrono::milliseconds timeout);

  // Reader thread: append bytes and deliver every complete frame they finish.
  void receive(std::span<const std::uint8_t> bytes);
  // Reader thread: the device is gone; waits end at once with 13.
  void lineLost();
  // A newly opened port: forget bytes, frames and the loss of the previous one.
  void restart();

  std::uint8_t pending();
  std::size_t bufferedBytes();

 private:
  std::mutex lock_;
  AutoResetEvent event_;
  DataPacket buffer_;
  std::deque<SharedAck> queue_;
  std::uint32_t pending_ = 0xC0;
  bool lost_ = false;
};

}  // namespace colorport
