#include "driver/frame.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace colorport {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(BuildFrame, RequestWithoutExtraByte) {
  const Bytes payload{0x01};
  EXPECT_EQ(buildFrame(0xA5, payload, std::nullopt),
            (Bytes{0x55, 0xAA, 0xA5, 0x00, 0x00, 0x00, 0x03, 0x01, 0x00, 0x04}));
}

TEST(BuildFrame, AcknowledgementCarriesExtraByte) {
  const Bytes packet{0x00, 0x01};
  EXPECT_EQ(buildFrame(0xAA, packet, std::uint8_t{0x00}),
            (Bytes{0x55, 0xAA, 0xAA, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x01, 0x00, 0x05}));
}

TEST(BuildFrame, ChecksumWrapsAtSixteenBits) {
  const Bytes payload(300, 0xFF);  // 300 * 255 + length bytes exceeds 65535
  const Bytes frame = buildFrame(0xAD, payload, std::nullopt);
  const std::uint32_t sum = 0x01 + 0x2E + 300u * 0xFF;
  EXPECT_EQ(frame[frame.size() - 2], static_cast<std::uint8_t>((sum >> 8) & 0xFF));
  EXPECT_EQ(frame.back(), static_cast<std::uint8_t>(sum & 0xFF));
}

struct Cut {
  std::uint32_t command;
  std::uint8_t status;
  Bytes payload;
};

struct CutCase {
  std::string name;
  std::vector<Bytes> chunks;            // appended one after another
  std::vector<std::optional<Cut>> cut;  // what one cut returns after each chunk
  std::size_t left;                     // bytes still buffered at the end
};

void PrintTo(const CutCase& c, std::ostream* out) { *out << c.name; }

class CutFrameTest : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutFrameTest, CutsAsExpected) {
  const CutCase& c = GetParam();
  DataPacket buffer;
  ASSERT_EQ(c.chunks.size(), c.cut.size());
  for (std::size_t i = 0; i < c.chunks.size(); ++i) {
    buffer.bytes.insert(buffer.bytes.end(), c.chunks[i].begin(), c.chunks[i].end());
    const std::optional<AckPacket> got = cutFrame(buffer);
    ASSERT_EQ(got.has_value(), c.cut[i].has_value()) << "after chunk " << i;
    if (got) {
      EXPECT_EQ(got->command, c.cut[i]->command);
      EXPECT_EQ(got->status, c.cut[i]->status);
      EXPECT_EQ(got->bytes, c.cut[i]->payload);
    }
  }
  EXPECT_EQ(buffer.bytes.size(), c.left);
}

const Bytes kA1Empty{0x55, 0xAA, 0xA1, 0x00, 0x00, 0x00, 0x00, 0x02, 0x12, 0x34};
const Bytes kA5Status3{0x55, 0xAA, 0xA5, 0x03, 0x00, 0x00, 0x00, 0x03, 0x07, 0x00, 0x0A};
const Bytes kDataAA{0x55, 0xAA, 0xAA, 0x00, 0x00, 0x00, 0x05, 0x00, 0x02, 0x01, 0x00, 0x08};

Bytes concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

INSTANTIATE_TEST_SUITE_P(
    Frames, CutFrameTest,
    ::testing::Values(
        CutCase{"LeadingGarbageSkippedChecksumNotCompared",
                {concat({{0x00, 0x13}, kA1Empty})},
                {Cut{0xA1, 0, {}}},
                0},
        CutCase{"StatusByteAndPayload", {kA5Status3}, {Cut{0xA5, 3, {0x07}}}, 0},
        CutCase{"DataFrameHasNoStatusByte", {kDataAA}, {Cut{0xAA, 0, {0x00, 0x02, 0x01}}}, 0},
        CutCase{"SplitFrameWaitsForItsRest",
                {Bytes(kA5Status3.begin(), kA5Status3.begin() + 6),
                 Bytes(kA5Status3.begin() + 6, kA5Status3.end())},
                {std::nullopt, Cut{0xA5, 3, {0x07}}},
                0},
        CutCase{"FewerThanTenBytesCutNothing",
                {Bytes{0x55, 0xAA, 0xA1, 0x00, 0x00}},
                {std::nullopt},
                5},
        CutCase{"TwoFramesOneCutAtATime", {concat({kA1Empty, kA5Status3})}, {Cut{0xA1, 0, {}}}, 11},
        // 55 55 AA: the first two bytes go together, so the frame at the second byte is lost.
        CutCase{"StartBytePairRemovedTogether", {concat({{0x55}, kA1Empty})}, {std::nullopt}, 9},
        CutCase{"LengthBelowTwoDroppedSilently",
                {concat({{0x55, 0xAA, 0xA1, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00}, kA5Status3})},
                {Cut{0xA5, 3, {0x07}}},
                0},
        // A corrupt length above 64 KiB must not hold the line: the next frame is found.
        CutCase{"OversizeLengthResynchronises",
                {concat({{0x55, 0xAA, 0xA1, 0x00, 0x7F, 0xFF, 0xFF, 0xFF}, kA1Empty})},
                {Cut{0xA1, 0, {}}},
                0},
        CutCase{"OnlyGarbageIsConsumed", {Bytes(40, 0x13)}, {std::nullopt}, 9}),
    [](const auto& info) { return info.param.name; });

TEST(CutFrame, LargestLegalFrameIsKept) {
  DataPacket buffer;
  const Bytes payload(kMaxLengthField - 2, 0x42);
  buffer.bytes = buildFrame(0xA6, payload, std::uint8_t{0});
  const auto got = cutFrame(buffer);
  ASSERT_TRUE(got.has_value());
  EXPECT_EQ(got->bytes.size(), payload.size());
  EXPECT_TRUE(buffer.bytes.empty());
}

}  // namespace
}  // namespace colorport
