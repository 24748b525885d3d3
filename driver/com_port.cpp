#include "driver/com_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#include <atomic>
#include <cerrno>

#include "driver/trace.h"

namespace colorport {
namespace {

// A fresh value per opening, so a handle kept past its close can never name a
// later opening that happens to get the same descriptor.
int nextHandle() {
  static std::atomic<std::int32_t> counter{0};
  for (;;) {
    std::int32_t h = ++counter;
    if (h > 0) return h;
    counter = 0;
  }
}

bool configureLine(int fd) {
  termios tio{};
  if (tcgetattr(fd, &tio) != 0) return false;
  cfmakeraw(&tio);
  cfsetispeed(&tio, B115200);
  cfsetospeed(&tio, B115200);
  tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
  tio.c_cflag |= CS8 | CREAD | CLOCAL;
  // No software flow control: the frames are binary and carry 0x11 and 0x13.
  tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
  tio.c_cc[VMIN] = 1;
  tio.c_cc[VTIME] = 1;  // 100 ms between bytes
  if (tcsetattr(fd, TCSANOW, &tio) != 0) return false;
  tcflush(fd, TCIOFLUSH);
  return true;
}

}  // namespace

ComPort::ComPort() : reader_(std::make_unique<ReadComThread>(*this)) {}

ComPort::~ComPort() { closePort(); }

void ComPort::OnReceive(const std::uint8_t*, std::size_t) {}

ComPort::OpenOutcome ComPort::openPort(const std::string& devicePath, std::uint16_t portNumber) {
  if (portOpen()) return OpenOutcome::InUse;
  const int fd = ::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return errno == EBUSY ? OpenOutcome::InUse : OpenOutcome::Failed;
  // TIOCEXCL keeps other openers out; the lock also holds against privileged ones.
  if (ioctl(fd, TIOCEXCL) != 0 && errno != ENOTTY) {
    ::close(fd);
    return OpenOutcome::Failed;
  }
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool held = errno == EWOULDBLOCK;
    ::close(fd);
    return held ? OpenOutcome::InUse : OpenOutcome::Failed;
  }
  if (!configureLine(fd)) {
    ::close(fd);
    return OpenOutcome::Failed;
  }
  fd_ = fd;
  handle_ = nextHandle();
  portNumber_ = portNumber;
  devicePath_ = devicePath;
  if (!reader_->start()) trace("reader thread not started\n");
  return OpenOutcome::Opened;
}

void ComPort::closePort() {
  if (portOpen()) {
    reader_->stop();
    // The mode belongs to the terminal, not to this descriptor: a terminal that
    // stays open elsewhere (a pseudo-terminal's other end) would keep refusing
    // every ordinary user's next opening.
    ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
    handle_ = -1;
    devicePath_.clear();
  }
  portNumber_ = 0;
}

int ComPort::write(const std::uint8_t* bytes, std::size_t count) {
  if (bytes == nullptr || !portOpen()) return -1;
  std::size_t sent = 0;
  while (sent < count) {
    const ssize_t n = ::write(fd_, bytes + sent, count - sent);
    if (n > 0) {
      sent += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == EAGAIN) {
      // The line is full; a device that takes nothing for a second is gone, and
      // the missing response tells the caller.
      pollfd p{fd_, POLLOUT, 0};
      if (poll(&p, 1, 1000) > 0 && (p.revents & POLLOUT) != 0) continue;
    }
    break;
  }
  return static_cast<int>(sent);
}

ComPort::ReadComThread::~ReadComThread() { stop(); }

bool ComPort::ReadComThread::start() {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return false;
  wakeRead_ = fds[0];
  wakeWrite_ = fds[1];
  setRunState(kRunning);
  try {
    thread_ = std::thread([this] { run(); });
  } catch (...) {
    ::close(wakeRead_);
    ::close(wakeWrite_);
    wakeRead_ = wakeWrite_ = -1;
    return false;
  }
  return true;
}

void ComPort::ReadComThread::stop() {
  if (!thread_.joinable()) return;
  {
    std::lock_guard lock(lock_);
    if (runState_ == kRunning) runState_ = kStopRequested;
  }
  const std::uint8_t wake = 1;
  [[maybe_unused]] ssize_t n = ::write(wakeWrite_, &wake, 1);
  thread_.join();
  ::close(wakeRead_);
  ::close(wakeWrite_);
  wakeRead_ = wakeWrite_ = -1;
}

int ComPort::ReadComThread::runState() {
  std::lock_guard lock(lock_);
  return runState_;
}

void ComPort::ReadComThread::setRunState(int state) {
  std::lock_guard lock(lock_);
  runState_ = state;
}

void ComPort::ReadComThread::run() {
  const int fd = owner_.fd_;
  bool lost = false;
  while (runState() == kRunning) {
    pollfd p[2] = {{fd, POLLIN, 0}, {wakeRead_, POLLIN, 0}};
    const int ready = poll(p, 2, -1);
    if (ready < 0) {
      if (errno == EINTR) continue;
      lost = true;
      break;
    }
    if (p[1].revents != 0) break;
    if ((p[0].revents & POLLIN) != 0) {
      const ssize_t n = ::read(fd, buffer_, sizeof buffer_);
      if (n > 0) {
        owner_.OnReceive(buffer_, static_cast<std::size_t>(n));
        continue;
      }
      if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
      lost = true;  // end of file or a read error: the device has gone
      break;
    }
    if ((p[0].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
      lost = true;
      break;
    }
  }
  if (lost) owner_.OnLineLost();
  trace("endthreadex \n");
  setRunState(kEnded);
}

}  // namespace colorport
