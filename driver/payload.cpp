#include "driver/payload.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace colorport {

PayloadWriter& PayloadWriter::u8(std::uint8_t v) {
  bytes_.push_back(v);
  return *this;
}

PayloadWriter& PayloadWriter::u16(std::uint16_t v) {
  bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
  bytes_.push_back(static_cast<std::uint8_t>(v));
  return *this;
}

PayloadWriter& PayloadWriter::u32(std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8)
    bytes_.push_back(static_cast<std::uint8_t>(v >> shift));
  return *this;
}

PayloadWriter& PayloadWriter::f32(float v) { return u32(std::bit_cast<std::uint32_t>(v)); }

PayloadWriter& PayloadWriter::raw(std::span<const std::uint8_t> bytes) {
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  return *this;
}

PayloadWriter& PayloadWriter::text(const char* field, std::size_t fieldSize) {
  std::size_t n = 0;
  while (n < fieldSize && n < 255 && field[n] != '\0') ++n;
  u8(static_cast<std::uint8_t>(n));
  return raw({reinterpret_cast<const std::uint8_t*>(field), n});
}

bool PayloadReader::take(std::size_t n, const std::uint8_t*& p) {
  if (!ok_ || data_.size() - at_ < n) {
    ok_ = false;
    return false;
  }
  p = data_.data() + at_;
  at_ += n;
  return true;
}

bool PayloadReader::u8(std::uint8_t& v) {
  const std::uint8_t* p;
  if (!take(1, p)) return false;
  v = p[0];
  return true;
}

bool PayloadReader::u16(std::uint16_t& v) {
  const std::uint8_t* p;
  if (!take(2, p)) return false;
  v = static_cast<std::uint16_t>((p[0] << 8) | p[1]);
  return true;
}

bool PayloadReader::i16(std::int16_t& v) {
  std::uint16_t u;
  if (!u16(u)) return false;
  v = static_cast<std::int16_t>(u);
  return true;
}

bool PayloadReader::u32(std::uint32_t& v) {
  const std::uint8_t* p;
  if (!take(4, p)) return false;
  v = (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
  return true;
}

bool PayloadReader::i32(std::int32_t& v) {
  std::uint32_t u;
  if (!u32(u)) return false;
  v = static_cast<std::int32_t>(u);
  return true;
}

bool PayloadReader::f32(float& v) {
  std::uint32_t u;
  if (!u32(u)) return false;
  v = std::bit_cast<float>(u);
  return true;
}

bool PayloadReader::raw(std::uint8_t* out, std::size_t n) {
  const std::uint8_t* p;
  if (!take(n, p)) return false;
  if (n != 0) std::memcpy(out, p, n);
  return true;
}

bool PayloadReader::skip(std::size_t n) {
  const std::uint8_t* p;
  return take(n, p);
}

bool PayloadReader::text(char* field, std::size_t fieldSize) {
  std::uint8_t n;
  const std::uint8_t* p;
  if (!u8(n) || !take(n, p)) return false;
  const std::size_t kept = std::min<std::size_t>(n, fieldSize - 1);
  std::memcpy(field, p, kept);
  std::memset(field + kept, 0, fieldSize - kept);
  return true;
}

}  // namespace colorport
