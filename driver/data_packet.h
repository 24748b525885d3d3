#pragma once
// Byte buffers of the framing layer: an outgoing frame or payload, the receive
// buffer, and one received frame.
#include <cstdint>
#include <memory>
#include <vector>

namespace colorport {

class DataPacket {
 public:
  virtual ~DataPacket() = default;
  std::vector<std::uint8_t> bytes;
};

// One received frame: the payload without header, length and checksum.
class AckPacket : public DataPacket {
 public:
  std::uint8_t status = 0;    // 0 for frames that carry none
  std::uint32_t command = 0;  // the frame's command byte
};

// Shared between the reader thread and the waiting caller; the last holder frees it.
using SharedAck = std::shared_ptr<AckPacket>;

}  // namespace colorport
