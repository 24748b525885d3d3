#pragma once
// The wire format: 55 AA, command, [extra byte], 4-byte length L = payload + 2,
// payload, 2-byte checksum; big-endian throughout.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "driver/data_packet.h"

namespace colorport {

constexpr std::uint8_t kStart0 = 0x55;
constexpr std::uint8_t kStart1 = 0xAA;
constexpr std::uint8_t kDataFrameCommand = 0xAA;  // record data and its acknowledgement
constexpr std::size_t kMinimumCut = 10;
// A length field above this is no real frame; the start bytes are dropped so one
// corrupt byte cannot hold the line until 4 GiB have arrived.
constexpr std::uint32_t kMaxLengthField = 64 * 1024;
constexpr std::size_t kMaxFrameSize = 4 + 4 + kMaxLengthField;

// Sum of the length bytes and payload bytes, modulo 65536.
std::uint16_t frameChecksum(std::span<const std::uint8_t> lengthAndPayload);

std::vector<std::uint8_t> buildFrame(std::uint8_t command, std::span<const std::uint8_t> payload,
                                     std::optional<std::uint8_t> extra);

// Removes garbage and at most one frame from the front of the buffer. Returns
// the frame when a complete one was found; frames with a length field below 2
// are removed without being returned. The checksum is not compared.
std::optional<AckPacket> cutFrame(DataPacket& buffer);

}  // namespace colorport
