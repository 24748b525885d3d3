// Serial ports this user may not open, found as a user outside the dialout
// group would meet them: device nodes readable and writable only by their
// owner and group. Run as root, the probe runs in a child that has given up
// root, since root may open anything.
#include "instrument/port_access.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "instrument/connection.h"

namespace corvana {
namespace {

namespace fs = std::filesystem;

// The probe's answer, joined by newlines, as seen by an ordinary user.
std::string deniedAsOrdinaryUser(const std::string& folder) {
  const auto joined = [](const std::vector<std::string>& v) {
    std::string s;
    for (const std::string& p : v) s += p + "\n";
    return s;
  };
  if (::geteuid() != 0) return joined(portsDeniedToUser(folder));
  int out[2];
  if (::pipe(out) != 0) return "(no pipe)";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(out[0]);
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) _exit(2);
    const std::string s = joined(portsDeniedToUser(folder));
    const bool written = ::write(out[1], s.data(), s.size()) == ssize_t(s.size());
    _exit(written ? 0 : 3);
  }
  ::close(out[1]);
  std::string s;
  char buf[512];
  for (ssize_t n; (n = ::read(out[0], buf, sizeof buf)) > 0;) s.append(buf, std::size_t(n));
  ::close(out[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? s : "(child failed)";
}

class PortAccess : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("corvana-ports-" + std::to_string(::getpid()));
    fs::create_directories(root_ / "by-id");
    fs::permissions(root_, fs::perms(0755));
    fs::permissions(root_ / "by-id", fs::perms(0755));
    node("ttyUSB0", 0660);  // root:root rw-rw----, as a dialout node to a stranger
    node("ttyUSB1", 0666);
    link("usb-SCI_USB2Serial-if00-port0", "ttyUSB0");
    link("usb-Other_Adapter-if00-port0", "ttyUSB1");
    link("usb-Gone-if00-port0", "ttyUSB9");  // a link whose device went away
    unsetenv("COLORPORT_PORT");
  }
  void TearDown() override {
    unsetenv("COLORPORT_PORT");
    fs::remove_all(root_);
  }
  void node(const std::string& name, int mode) {
    std::ofstream(root_ / name).put('\0');
    ::chmod((root_ / name).c_str(), mode_t(mode));
  }
  void link(const std::string& name, const std::string& target) {
    fs::create_symlink(root_ / target, root_ / "by-id" / name);
  }
  std::string path(const std::string& name) { return (root_ / name).string(); }
  fs::path root_;
};

TEST_F(PortAccess, TheNodeBehindALinkThatMayNotBeOpened) {
  EXPECT_EQ(deniedAsOrdinaryUser((root_ / "by-id").string()), path("ttyUSB0") + "\n");
}

TEST_F(PortAccess, TheGivenPortComesFirstAndEachNodeOnce) {
  node("pts-denied", 0600);
  setenv("COLORPORT_PORT", path("pts-denied").c_str(), 1);
  EXPECT_EQ(deniedAsOrdinaryUser((root_ / "by-id").string()),
            path("pts-denied") + "\n" + path("ttyUSB0") + "\n");
  setenv("COLORPORT_PORT", path("ttyUSB0").c_str(), 1);
  EXPECT_EQ(deniedAsOrdinaryUser((root_ / "by-id").string()), path("ttyUSB0") + "\n");
}

TEST_F(PortAccess, NothingDeniedWithoutSerialDevices) {
  EXPECT_EQ(deniedAsOrdinaryUser((root_ / "no-such-folder").string()), "");
  chmod(path("ttyUSB0").c_str(), 0666);
  EXPECT_EQ(deniedAsOrdinaryUser((root_ / "by-id").string()), "");
}

TEST_F(PortAccess, TheDriverReportsADeniedPortAsNotFound) {
  // Why the program looks for itself: the library cannot tell the two apart.
  setenv("COLORPORT_PORT", path("ttyUSB0").c_str(), 1);
  if (::geteuid() == 0) {
    const pid_t child = ::fork();
    if (child == 0) {
      if (::setgid(65534) != 0 || ::setuid(65534) != 0) _exit(2);
      const ApiResult r = connectInstrument();
      _exit(r == API_DEVICE_NOT_FOUND && !instrumentConnected() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  } else {
    EXPECT_EQ(connectInstrument(), API_DEVICE_NOT_FOUND);
  }
}

}  // namespace
}  // namespace corvana
