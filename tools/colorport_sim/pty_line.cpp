#include "tools/colorport_sim/pty_line.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <thread>

namespace colorport::sim {
namespace {
constexpr double kBytesPerSecond = 11520.0;  // 115200 baud, 10 bits a byte
constexpr std::size_t kPacedPiece = 32;
constexpr auto kBurstGap = std::chrono::milliseconds(2);
}  // namespace

bool PtyLine::open() {
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0) return false;
  if (grantpt(master_) != 0 || unlockpt(master_) != 0) return false;
  const char* name = ptsname(master_);
  if (name == nullptr) return false;
  slavePath_ = name;
  slave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (slave_ < 0) return false;
  termios tio{};
  if (tcgetattr(slave_, &tio) == 0) {
    cfmakeraw(&tio);
    tcsetattr(slave_, TCSANOW, &tio);
  }
  return true;
}

PtyLine::~PtyLine() { vanish(); }

void PtyLine::vanish() {
  if (slave_ >= 0) ::close(slave_);
  if (master_ >= 0) ::close(master_);
  slave_ = master_ = -1;
}

void PtyLine::write(std::span<const std::uint8_t> bytes) {
  std::size_t at = 0;
  while (at < bytes.size() && master_ >= 0) {
    const std::size_t n = paced_ ? std::min(kPacedPiece, bytes.size() - at) : bytes.size() - at;
    const ssize_t w = ::write(master_, bytes.data() + at, n);
    if (w < 0) {
      if (errno == EINTR) continue;
      if (errno == EAGAIN) {
        pollfd p{master_, POLLOUT, 0};
        poll(&p, 1, 100);
        continue;
      }
      return;
    }
    at += static_cast<std::size_t>(w);
    if (paced_) {
      // A line idle for a while starts afresh; within a burst the schedule is
      // kept, so oversleeping one piece is made up by the next instead of lost.
      const auto now = std::chrono::steady_clock::now();
      if (now - lineFreeAt_ > kBurstGap) lineFreeAt_ = now;
      lineFreeAt_ += std::chrono::duration_cast<std::chrono::steady_clock::duration>(
          std::chrono::duration<double>(static_cast<double>(w) / kBytesPerSecond));
      std::this_thread::sleep_until(lineFreeAt_);
    }
  }
}

}  // namespace colorport::sim
