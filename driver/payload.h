#pragma once
// Payload fields: integers big-endian, floats as the big-endian bytes of their
// IEEE-754 single-precision pattern, texts as a length byte and the characters.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace colorport {

class PayloadWriter {
 public:
  PayloadWriter& u8(std::uint8_t v);
  PayloadWriter& u16(std::uint16_t v);
  PayloadWriter& u32(std::uint32_t v);
  PayloadWriter& i32(std::int32_t v) { return u32(static_cast<std::uint32_t>(v)); }
  PayloadWriter& f32(float v);
  PayloadWriter& raw(std::span<const std::uint8_t> bytes);
  // The characters of a zero-terminated field of fieldSize bytes, at most 255.
  PayloadWriter& text(const char* field, std::size_t fieldSize);
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

// Reads from the front; a read past the end fails, leaves its target untouched
// and makes every later read fail too, so a decoder checks ok() once at the end.
class PayloadReader {
 public:
  explicit PayloadReader(std::span<const std::uint8_t> payload) : data_(payload) {}

  bool u8(std::uint8_t& v);
  bool u16(std::uint16_t& v);
  bool i16(std::int16_t& v);
  bool u32(std::uint32_t& v);
  bool i32(std::int32_t& v);
  bool f32(float& v);
  bool raw(std::uint8_t* out, std::size_t n);
  bool skip(std::size_t n);
  // A length-prefixed text into a field of fieldSize bytes, cut to fieldSize - 1
  // characters and zero-terminated.
  bool text(char* field, std::size_t fieldSize);

  std::size_t remaining() const { return ok_ ? data_.size() - at_ : 0; }
  bool ok() const { return ok_; }

 private:
  bool take(std::size_t n, const std::uint8_t*& p);

  std::span<const std::uint8_t> data_;
  std::size_t at_ = 0;
  bool ok_ = true;
};

}  // namespace colorport
