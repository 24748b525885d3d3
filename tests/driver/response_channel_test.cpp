#include "driver/response_channel.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "driver/frame.h"

namespace colorport {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

Bytes instrumentFrame(std::uint8_t command, std::uint8_t status, Bytes payload = {}) {
  return buildFrame(command, payload,
                    command == 0xAA ? std::nullopt : std::optional<std::uint8_t>(status));
}

struct AcceptCase {
  std::string name;
  std::uint8_t pending;  // 0xC0: nothing pending
  std::uint8_t frame;
  bool accepted;
};

void PrintTo(const AcceptCase& c, std::ostream* out) { *out << c.name; }

class AcceptanceTest : public ::testing::TestWithParam<AcceptCase> {};

TEST_P(AcceptanceTest, FollowsThePendingCommand) {
  const AcceptCase& c = GetParam();
  ResponseChannel channel;
  if (c.pending != 0xC0) {
    ASSERT_EQ(channel.begin(c.pending), API_SUCCESS);
  }
  // Data frames always carry the packet number and the last-packet flag.
  channel.receive(instrumentFrame(c.frame, 0, {0x00, 0x01, 0x01}));
  SharedAck response;
  // A frame that was not accepted leaves nothing to collect: the wait runs out at once.
  const ApiResult r = channel.wait(response, c.accepted ? 5000ms : 0ms);
  EXPECT_EQ(r, c.accepted ? API_SUCCESS : API_TIMEOUT);
  if (c.accepted) {
    ASSERT_TRUE(response);
    EXPECT_EQ(response->command, c.frame);
  }
  EXPECT_EQ(channel.pending(), 0xC0);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, AcceptanceTest,
    ::testing::Values(AcceptCase{"SameCommand", 0xA1, 0xA1, true},
                      AcceptCase{"DataFrameDuringTransferStart", 0xA8, 0xAA, true},
                      AcceptCase{"TransferStartFrame", 0xA8, 0xA8, true},
                      AcceptCase{"DataFrameForOtherCommand", 0xA1, 0xAA, false},
                      AcceptCase{"OtherCommand", 0xA1, 0xA2, false},
                      AcceptCase{"NothingPending", 0xC0, 0xA1, false}),
    [](const auto& info) { return info.param.name; });

TEST(ResponseChannel, SecondRequestWhileOneWaitsIsBusy) {
  ResponseChannel channel;
  ASSERT_EQ(channel.begin(0xA1), API_SUCCESS);
  EXPECT_EQ(channel.begin(0xA5), API_DEVICE_BUSY);
  EXPECT_EQ(channel.pending(), 0xA1);
}

TEST(ResponseChannel, TimeoutMakesIdleAndLateFrameIsDropped) {
  ResponseChannel channel;
  ASSERT_EQ(channel.begin(0xA1), API_SUCCESS);
  SharedAck response;
  EXPECT_EQ(channel.wait(response, 20ms), API_TIMEOUT);
  EXPECT_FALSE(response);
  EXPECT_EQ(channel.pending(), 0xC0);
  channel.receive(instrumentFrame(0xA1, 0));  // the late answer
  ASSERT_EQ(channel.begin(0xA5), API_SUCCESS);
  channel.receive(instrumentFrame(0xA5, 0, {0x09}));
  ASSERT_EQ(channel.wait(response, 5000ms), API_SUCCESS);
  EXPECT_EQ(response->command, 0xA5u);
  EXPECT_EQ(response->bytes, Bytes{0x09});
}

TEST(ResponseChannel, NonZeroStatusIsEightAndHandsTheFrameOver) {
  ResponseChannel channel;
  ASSERT_EQ(channel.begin(0xA5), API_SUCCESS);
  channel.receive(instrumentFrame(0xA5, 3, {0x01, 0x02}));
  SharedAck response;
  EXPECT_EQ(channel.wait(response, 5000ms), API_EXECUTE_REQUEST_FAILED);
  ASSERT_TRUE(response);
  EXPECT_EQ(response->status, 3);
  EXPECT_EQ(response->bytes, (Bytes{0x01, 0x02}));
}

// A stray frame and the response in one chunk: the response must not wait for a
// further chunk that never comes.
TEST(ResponseChannel, ResponseBehindStrayFrameInOneChunkIsDelivered) {
  ResponseChannel channel;
  ASSERT_EQ(channel.begin(0xB7), API_SUCCESS);
  Bytes chunk = instrumentFrame(0xC1, 0, {0x00});
  const Bytes answer = instrumentFrame(0xB7, 0, {0x12, 0x34});
  chunk.insert(chunk.end(), answer.begin(), answer.end());
  channel.receive(chunk);
  SharedAck response;
  ASSERT_EQ(channel.wait(response, 5000ms), API_SUCCESS);
  EXPECT_EQ(response->bytes, (Bytes{0x12, 0x34}));
  EXPECT_EQ(channel.bufferedBytes(), 0u);
}

TEST(ResponseChannel, SecondFrameOfAChunkIsNotTakenForTheNextRequest) {
  ResponseChannel channel;
  ASSERT_EQ(channel.begin(0xA1), API_SUCCESS);
  Bytes chunk = instrumentFrame(0xA1, 0, {0x01});
  const Bytes again = instrumentFrame(0xA1, 0, {0x02});
  chunk.insert(chunk.end(), again.begin(), again.end());
  channel.receive(chunk);
  SharedAck response;
  ASSERT_EQ(channel.wait(response, 5000ms), API_SUCCESS);
  EXPECT_EQ(response->bytes, Bytes{0x01});
  ASSERT_EQ(channel.begin(0xA1), API_SUCCESS);
  EXPECT_EQ(channel.wait(response, 0ms), API_TIMEOUT);  // the duplicate was dropped, not queued
}

TEST(ResponseChannel, ResponseFromReaderThreadWakesTheWaiter) {
  ResponseChannel channel;
  ASSERT_EQ(channel.begin(0xA6), API_SUCCESS);
  const Bytes frame = instrumentFrame(0xA6, 0, Bytes(144, 0x3F));
  std::thread reader([&] {
    for (std::size_t at = 0; at < frame.size(); at += 7)
      channel.receive(std::span(frame).subspan(at, std::min<std::size_t>(7, frame.size() - at)));
  });
  SharedAck response;
  EXPECT_EQ(channel.wait(response, 60000ms), API_SUCCESS);
  reader.join();
  ASSERT_TRUE(response);
  EXPECT_EQ(response->bytes.size(), 144u);
}

TEST(ResponseChannel, LostLineEndsTheWaitAsDisconnected) {
  ResponseChannel channel;
  ASSERT_EQ(channel.begin(0xA1), API_SUCCESS);
  std::thread reader([&] { channel.lineLost(); });
  SharedAck response;
  // Would take a minute if the loss were not noticed.
  EXPECT_EQ(channel.wait(response, 60000ms), API_DEVICE_DISCONNECTED);
  reader.join();
  EXPECT_EQ(channel.pending(), 0xC0);
  ASSERT_EQ(channel.begin(0xA1), API_SUCCESS);
  EXPECT_EQ(channel.wait(response, 60000ms), API_DEVICE_DISCONNECTED);
  channel.restart();
  ASSERT_EQ(channel.begin(0xA1), API_SUCCESS);
  channel.receive(instrumentFrame(0xA1, 0));
  EXPECT_EQ(channel.wait(response, 5000ms), API_SUCCESS);
}

TEST(ResponseChannel, ReceiveBufferStaysBoundedUnderNoise) {
  ResponseChannel channel;
  // Start bytes with absurd lengths, between runs of noise.
  Bytes noise;
  for (int i = 0; i < 400; ++i) {
    for (std::uint8_t b : {0x55, 0xAA, 0xA1, 0x00, 0xFF, 0xFF, 0xFF, 0xF0, 0x13, 0x11})
      noise.push_back(b);
  }
  for (int round = 0; round < 300; ++round) channel.receive(noise);
  EXPECT_LT(channel.bufferedBytes(), kMinimumCut);
  ASSERT_EQ(channel.begin(0xA1), API_SUCCESS);
  channel.receive(instrumentFrame(0xA1, 0));
  SharedAck response;
  EXPECT_EQ(channel.wait(response, 5000ms), API_SUCCESS);
}

}  // namespace
}  // namespace colorport
