#include "tools/colorport_sim/sim_frame.h"

#include <algorithm>
#include <bit>

#include "tools/colorport_sim/sim_commands.h"

namespace colorport::sim {
namespace {
constexpr std::uint32_t kMaxLength = 64 * 1024;
}  // namespace

void putU16(Bytes& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v >> 8));
  out.push_back(static_cast<std::uint8_t>(v));
}

void putU32(Bytes& out, std::uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<std::uint8_t>(v >> s));
}

void putF32(Bytes& out, float v) { putU32(out, std::bit_cast<std::uint32_t>(v)); }

void putText(Bytes& out, std::string_view text) {
  const std::size_t n = std::min<std::size_t>(text.size(), 255);
  out.push_back(static_cast<std::uint8_t>(n));
  out.insert(out.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(n));
}

Bytes instrumentFrame(std::uint8_t command, std::uint8_t status,
                      std::span<const std::uint8_t> payload) {
  Bytes f{0x55, 0xAA, command};
  if (command != kDataFrame) f.push_back(status);
  Bytes lengthAndPayload;
  putU32(lengthAndPayload, static_cast<std::uint32_t>(payload.size() + 2));
  lengthAndPayload.insert(lengthAndPayload.end(), payload.begin(), payload.end());
  std::uint32_t sum = 0;
  for (std::uint8_t b : lengthAndPayload) sum += b;
  f.insert(f.end(), lengthAndPayload.begin(), lengthAndPayload.end());
  putU16(f, static_cast<std::uint16_t>(sum));
  return f;
}

Bytes truncatedFrame(const Bytes& frame, std::size_t keep) {
  const bool data = frame[2] == kDataFrame;
  const std::size_t h = data ? 3 : 4;
  const std::size_t payload = frame.size() - h - 4 - 2;
  const auto first = frame.begin() + static_cast<std::ptrdiff_t>(h + 4);
  return instrumentFrame(
      frame[2], data ? 0 : frame[3],
      Bytes(first, first + static_cast<std::ptrdiff_t>(std::min(keep, payload))));
}

void HostFrameReader::append(std::span<const std::uint8_t> bytes) {
  buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
}

std::optional<HostFrame> HostFrameReader::next() {
  std::size_t at = 0;
  std::optional<HostFrame> frame;
  while (buffer_.size() - at >= 9) {
    const std::uint8_t* p = buffer_.data() + at;
    if (p[0] != 0x55 || p[1] != 0xAA) {
      ++at;
      continue;
    }
    const std::size_t h = p[2] == kDataFrame ? 4 : 3;
    if (buffer_.size() - at < h + 4) break;
    const std::uint32_t length = (std::uint32_t{p[h]} << 24) | (std::uint32_t{p[h + 1]} << 16) |
                                 (std::uint32_t{p[h + 2]} << 8) | p[h + 3];
    if (length < 2 || length > kMaxLength) {
      at += 2;
      continue;
    }
    if (buffer_.size() - at < h + 4 + length) break;
    frame = HostFrame{p[2], Bytes(p + h + 4, p + h + 4 + (length - 2))};
    at += h + 4 + length;
    break;
  }
  buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(at));
  return frame;
}

bool FieldReader::u8(std::uint8_t& v) {
  if (remaining() < 1) return false;
  v = bytes_[at_++];
  return true;
}

bool FieldReader::u16(std::uint16_t& v) {
  if (remaining() < 2) return false;
  v = static_cast<std::uint16_t>((bytes_[at_] << 8) | bytes_[at_ + 1]);
  at_ += 2;
  return true;
}

bool FieldReader::u32(std::uint32_t& v) {
  if (remaining() < 4) return false;
  v = 0;
  for (int i = 0; i < 4; ++i) v = (v << 8) | bytes_[at_ + i];
  at_ += 4;
  return true;
}

bool FieldReader::f32(float& v) {
  std::uint32_t u;
  if (!u32(u)) return false;
  v = std::bit_cast<float>(u);
  return true;
}

bool FieldReader::text(std::string& v) {
  std::uint8_t n;
  if (!u8(n) || remaining() < n) return false;
  v.assign(reinterpret_cast<const char*>(bytes_.data() + at_), n);
  at_ += n;
  return true;
}

bool FieldReader::raw(std::size_t n, Bytes& v) {
  if (remaining() < n) return false;
  v.assign(bytes_.begin() + static_cast<std::ptrdiff_t>(at_),
           bytes_.begin() + static_cast<std::ptrdiff_t>(at_ + n));
  at_ += n;
  return true;
}

}  // namespace colorport::sim
