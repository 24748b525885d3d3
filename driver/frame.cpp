#include "driver/frame.h"

#include "driver/trace.h"

namespace colorport {

std::uint16_t frameChecksum(std::span<const std::uint8_t> lengthAndPayload) {
  std::uint32_t sum = 0;
  for (std::uint8_t b : lengthAndPayload) sum += b;
  return static_cast<std::uint16_t>(sum);
}

std::vector<std::uint8_t> buildFrame(std::uint8_t command, std::span<const std::uint8_t> payload,
                                     std::optional<std::uint8_t> extra) {
  std::vector<std::uint8_t> frame{kStart0, kStart1, command};
  if (extra) frame.push_back(*extra);
  const std::size_t lengthAt = frame.size();
  const auto length = static_cast<std::uint32_t>(payload.size() + 2);
  for (int shift = 24; shift >= 0; shift -= 8)
    frame.push_back(static_cast<std::uint8_t>(length >> shift));
  frame.insert(frame.end(), payload.begin(), payload.end());
  const std::uint16_t sum = frameChecksum(std::span(frame).subspan(lengthAt));
  frame.push_back(static_cast<std::uint8_t>(sum >> 8));
  frame.push_back(static_cast<std::uint8_t>(sum));
  return frame;
}

std::optional<AckPacket> cutFrame(DataPacket& buffer) {
  trace("packet[", buffer.bytes.size(), "]");
  auto& b = buffer.bytes;
  std::size_t drop = 0;  // garbage at the front, erased once
  std::optional<AckPacket> result;
  while (b.size() - drop >= kMinimumCut) {
    const std::uint8_t* p = b.data() + drop;
    if (p[0] != kStart0) {
      drop += 1;
      continue;
    }
    if (p[1] != kStart1) {
      drop += 2;
      continue;
    }
    const std::size_t h = p[2] == kDataFrameCommand ? 3 : 4;
    const std::uint32_t length = (std::uint32_t{p[h]} << 24) | (std::uint32_t{p[h + 1]} << 16) |
                                 (std::uint32_t{p[h + 2]} << 8) | std::uint32_t{p[h + 3]};
    if (length > kMaxLengthField) {
      drop += 2;
      continue;
    }
    const std::size_t frameSize = h + 4 + length;
    if (b.size() - drop < frameSize) break;
    if (length >= 2) {
      AckPacket ack;
      ack.command = p[2];
      ack.status = h == 4 ? p[3] : 0;
      ack.bytes.assign(p + h + 4, p + h + 4 + (length - 2));
      result = std::move(ack);
    }
    drop += frameSize;
    if (result) break;
  }
  b.erase(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(drop));
  return result;
}

}  // namespace colorport
