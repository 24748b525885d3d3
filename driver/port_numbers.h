#pragma once
// Port numbers 1..254 handed out by the library, one per device path, in the
// order the paths are first seen, and stable while the process runs.
#include <cstdint>
#include <optional>
#include <string>

namespace colorport {

// 0 when all 254 numbers are taken.
std::uint16_t portNumberFor(const std::string& devicePath);
std::optional<std::string> devicePathFor(std::uint16_t portNumber);

}  // namespace colorport
