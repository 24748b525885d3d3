// The status bar's instrument field in each state and language.
#include "instrument/instrument_status_line.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/language_table.h"
#include "language_scope.h"

namespace corvana {
namespace {

struct StatusCase {
  std::uint8_t language;
  bool connected;
  bool simulated;
  std::string expected;
};

TEST(InstrumentStatusLine, NamesTheStateInEachLanguage) {
  const StatusCase cases[] = {
      {English, true, false, "CM-750 connected on /dev/ttyUSB0"},
      {ChineseSimplified, true, false, "CM-750 已连接于 /dev/ttyUSB0"},
      {ChineseTraditional, true, false, "CM-750 已連接於 /dev/ttyUSB0"},
      {English, true, true, "Simulated instrument"},
      {ChineseSimplified, true, true, "模拟仪器"},
      {ChineseTraditional, true, true, "模擬儀器"},
      {English, false, false, "No instrument"},
      {ChineseSimplified, false, false, "未连接仪器"},
      // A simulator that is no longer connected is no instrument at all.
      {English, false, true, "No instrument"},
  };
  for (const StatusCase& c : cases) {
    testing::LanguageScope scope(c.language);
    EXPECT_EQ(instrumentStatusLine(c.connected, c.simulated, "CM-750", "/dev/ttyUSB0"), c.expected)
        << "language " << int(c.language) << " connected " << c.connected << " simulated "
        << c.simulated;
  }
}

}  // namespace
}  // namespace corvana
