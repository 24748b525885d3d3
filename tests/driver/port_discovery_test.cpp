#include "driver/port_discovery.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/port_numbers.h"
#include "fake_sysfs.h"

namespace colorport {
namespace {

using test::FakeSysfs;

std::vector<std::string> paths(const std::vector<SerialDevice>& devices) {
  std::vector<std::string> out;
  for (const SerialDevice& d : devices) out.push_back(d.devicePath);
  return out;
}

TEST(ListUsbSerialDevices, FriendlyNameFromInterfaceElseProduct) {
  FakeSysfs sysfs;
  sysfs.addUsbTty("ttyUSB0", "USB2.0-Serial", "SCI USB2Serial");
  sysfs.addUsbTty("ttyACM0", "SPRD U2S Diag", "");
  sysfs.addPlatformTty("ttyS0");
  sysfs.addVirtualTty("tty1");
  const std::vector<SerialDevice> devices = listUsbSerialDevices(sysfs.root());
  ASSERT_EQ(devices.size(), 2u);
  EXPECT_EQ(devices[0].friendlyName, "SPRD U2S Diag (ttyACM0)");
  EXPECT_EQ(devices[0].devicePath, "/dev/ttyACM0");
  EXPECT_EQ(devices[1].friendlyName, "SCI USB2Serial (ttyUSB0)");
  EXPECT_EQ(devices[1].devicePath, "/dev/ttyUSB0");
}

TEST(ListUsbSerialDevices, MissingTreeGivesNothing) {
  EXPECT_TRUE(listUsbSerialDevices("/nonexistent/sysfs").empty());
}

TEST(ListUsbSerialDevices, BangInNodeNameIsASlash) {
  FakeSysfs sysfs;
  sysfs.addUsbTty("serial!0", "SCI USB2Serial", "");
  const std::vector<SerialDevice> devices = listUsbSerialDevices(sysfs.root());
  ASSERT_EQ(devices.size(), 1u);
  EXPECT_EQ(devices[0].devicePath, "/dev/serial/0");
}

struct MatchCase {
  std::string name;
  std::string pattern;
  bool matches;
};

void PrintTo(const MatchCase& c, std::ostream* out) { *out << c.name; }

class FriendlyNameMatchTest : public ::testing::TestWithParam<MatchCase> {};

TEST_P(FriendlyNameMatchTest, BeginsWithPatternIgnoringCase) {
  EXPECT_EQ(friendlyNameMatches(GetParam().name, GetParam().pattern), GetParam().matches)
      << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, FriendlyNameMatchTest,
    ::testing::Values(MatchCase{"SCI USB2Serial (ttyUSB0)", "SCI USB2Serial", true},
                      MatchCase{"sci usb2serial (ttyUSB12)", "SCI USB2Serial", true},
                      MatchCase{"SCI USB2Serial", "SCI USB2Serial", true},
                      MatchCase{"SCI USB2Seria", "SCI USB2Serial", false},
                      MatchCase{"My SCI USB2Serial (ttyUSB0)", "SCI USB2Serial", false},
                      MatchCase{"SPRD U2S DIAG (ttyACM0)", "SPRD U2S Diag", true},
                      MatchCase{"", "SPRD U2S Diag", false}));

struct FindCase {
  std::string name;
  std::vector<std::vector<std::string>> ttys;  // node, product, interface
  std::vector<std::string> found;
};

void PrintTo(const FindCase& c, std::ostream* out) { *out << c.name; }

class FindInstrumentPortsTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindInstrumentPortsTest, KeepsMatchingBridgesInOrder) {
  FakeSysfs sysfs;
  for (const auto& t : GetParam().ttys) sysfs.addUsbTty(t[0], t[1], t[2]);
  EXPECT_EQ(paths(findInstrumentPorts(sysfs.root())), GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(
    Trees, FindInstrumentPortsTest,
    ::testing::Values(
        FindCase{"TwoBridgesBothKeptInNodeOrder",
                 {{"ttyUSB7", "SCI USB2Serial", ""}, {"ttyUSB3", "SCI USB2Serial", ""}},
                 {"/dev/ttyUSB3", "/dev/ttyUSB7"}},
        FindCase{"SmallLettersMatch", {{"ttyUSB1", "sci usb2serial", ""}}, {"/dev/ttyUSB1"}},
        FindCase{"FallbackNameOnlyWhenFirstFindsNothing",
                 {{"ttyACM0", "SPRD U2S Diag", ""}, {"ttyUSB0", "FT232R USB UART", ""}},
                 {"/dev/ttyACM0"}},
        FindCase{"FirstNameWinsOverFallback",
                 {{"ttyACM0", "SPRD U2S Diag", ""}, {"ttyUSB0", "SCI USB2Serial", ""}},
                 {"/dev/ttyUSB0"}},
        FindCase{"InterfaceStringDecides", {{"ttyUSB0", "SCI USB2Serial", "CDC Data"}}, {}},
        FindCase{"NoBridge", {{"ttyUSB0", "FT232R USB UART", ""}}, {}}),
    [](const auto& info) { return info.param.name; });

TEST(PortNumbers, StablePerPathAndReversible) {
  const std::uint16_t a = portNumberFor("/dev/test-port-a");
  const std::uint16_t b = portNumberFor("/dev/test-port-b");
  EXPECT_GE(a, 1);
  EXPECT_NE(a, b);
  EXPECT_EQ(portNumberFor("/dev/test-port-a"), a);
  EXPECT_EQ(devicePathFor(b), "/dev/test-port-b");
  EXPECT_FALSE(devicePathFor(0).has_value());
  EXPECT_FALSE(devicePathFor(254).has_value());
}

}  // namespace
}  // namespace colorport
