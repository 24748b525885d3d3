#pragma once
// The instrument's side of the wire: frames from the host carry no status byte
// (except the acknowledgement 0xAA, which has one); frames to the host carry the
// status byte, except data frames 0xAA.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace colorport::sim {

using Bytes = std::vector<std::uint8_t>;

struct HostFrame {
  std::uint8_t command = 0;
  Bytes payload;
};

Bytes instrumentFrame(std::uint8_t command, std::uint8_t status,
                      std::span<const std::uint8_t> payload);

// The same frame with its payload cut to keep bytes (length and checksum made to match).
Bytes truncatedFrame(const Bytes& frame, std::size_t keep);

// Collects the host's bytes and cuts complete frames; garbage is skipped.
class HostFrameReader {
 public:
  void append(std::span<const std::uint8_t> bytes);
  std::optional<HostFrame> next();

 private:
  Bytes buffer_;
};

// Big-endian field helpers for payloads.
void putU16(Bytes& out, std::uint16_t v);
void putU32(Bytes& out, std::uint32_t v);
void putF32(Bytes& out, float v);
void putText(Bytes& out, const std::string_view text);

class FieldReader {
 public:
  explicit FieldReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  bool u8(std::uint8_t& v);
  bool u16(std::uint16_t& v);
  bool u32(std::uint32_t& v);
  bool f32(float& v);
  bool text(std::string& v);
  bool raw(std::size_t n, Bytes& v);
  std::size_t remaining() const { return bytes_.size() - at_; }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
};

}  // namespace colorport::sim
