#pragma once
// The status bar's instrument field: which instrument the program talks to.
#include <string>
#include <string_view>

namespace corvana {

// "CM-750 connected on /dev/ttyUSB0" for a real instrument, "Simulated
// instrument" for the simulator, "No instrument" while unconnected; in the
// current language.
std::string instrumentStatusLine(bool connected, bool simulated, std::string_view model,
                                 std::string_view portPath);

}  // namespace corvana
