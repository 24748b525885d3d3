#pragma once
// Why the instrument may not have been found: a serial port that exists but
// that this user may not open (on Linux, not being in the dialout group).
// The driver reports that as "device not found", so the program looks itself.
#include <string>
#include <vector>

namespace corvana {

// Of the device COLORPORT_PORT names and the USB serial devices udev lists in
// `byIdFolder` (resolved to their device nodes, in name order): those this
// user may not open for reading and writing, each once.
std::vector<std::string> portsDeniedToUser(const std::string& byIdFolder = "/dev/serial/by-id");

}  // namespace corvana
