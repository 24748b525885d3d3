#include "driver/payload.h"

#include <gtest/gtest.h>

#include <cstring>

namespace colorport {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(PayloadWriter, BigEndianIntegersAndFloatBitPatterns) {
  PayloadWriter w;
  w.u8(0x01).u16(0x0203).u32(0x04050607).i32(-2).f32(1.0f);
  EXPECT_EQ(w.bytes(), (Bytes{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0xFF, 0xFF, 0xFF, 0xFE,
                              0x3F, 0x80, 0x00, 0x00}));
}

TEST(PayloadWriter, TextIsLengthByteAndCharactersUpToTerminator) {
  char field[32] = "W123";
  PayloadWriter w;
  w.text(field, sizeof field);
  EXPECT_EQ(w.bytes(), (Bytes{0x04, 'W', '1', '2', '3'}));
}

TEST(PayloadWriter, UnterminatedFieldSendsTheWholeField) {
  char field[4] = {'A', 'B', 'C', 'D'};
  PayloadWriter w;
  w.text(field, sizeof field);
  EXPECT_EQ(w.bytes(), (Bytes{0x04, 'A', 'B', 'C', 'D'}));
}

TEST(PayloadReader, ReadsFieldsInOrder) {
  const Bytes p{0x12, 0x34, 0xFF, 0xFE, 0xC0, 0x00, 0x00, 0x00, 0x7F};
  PayloadReader r(p);
  std::uint16_t a;
  std::int16_t b;
  float c;
  std::uint8_t d;
  ASSERT_TRUE(r.u16(a) && r.i16(b) && r.f32(c) && r.u8(d));
  EXPECT_EQ(a, 0x1234);
  EXPECT_EQ(b, -2);
  EXPECT_EQ(c, -2.0f);
  EXPECT_EQ(d, 0x7F);
  EXPECT_EQ(r.remaining(), 0u);
}

TEST(PayloadReader, ShortReadFailsLeavesTargetAndStaysFailed) {
  const Bytes p{0x01, 0x02, 0x03};
  PayloadReader r(p);
  std::uint32_t v = 77;
  EXPECT_FALSE(r.u32(v));
  EXPECT_EQ(v, 77u);
  std::uint8_t b = 5;
  EXPECT_FALSE(r.u8(b));  // bytes remain, but the decoder already ran past the end
  EXPECT_EQ(b, 5);
  EXPECT_FALSE(r.ok());
}

TEST(PayloadReader, TextIsCutToFieldAndTerminated) {
  Bytes p{10};
  for (char c : std::string("ABCDEFGHIJ")) p.push_back(static_cast<std::uint8_t>(c));
  p.push_back(0x99);
  PayloadReader r(p);
  char field[5];
  std::memset(field, 'x', sizeof field);
  ASSERT_TRUE(r.text(field, sizeof field));
  EXPECT_STREQ(field, "ABCD");
  std::uint8_t next;
  ASSERT_TRUE(r.u8(next));  // the whole text was consumed, not just the kept part
  EXPECT_EQ(next, 0x99);
}

TEST(PayloadReader, TextLongerThanPayloadFails) {
  const Bytes p{0x05, 'A', 'B'};
  PayloadReader r(p);
  char field[8] = "keep";
  EXPECT_FALSE(r.text(field, sizeof field));
  EXPECT_STREQ(field, "keep");
}

}  // namespace
}  // namespace colorport
