#include "core/log_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace corvana {

LogFile::~LogFile() {
  if (fd_ >= 0) ::close(fd_);
}

bool LogFile::open(const std::string& path) {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (path.empty()) return false;
  // Not blocking, no controlling terminal: a FIFO or a device put in the
  // log's place is refused below, never waited on.
  const int fd =
      ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0644);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return false;
  }
  fd_ = fd;
  return true;
}

bool LogFile::append(std::string_view line) {
  if (fd_ < 0) return false;
  std::string whole(line);
  whole += '\n';
  ssize_t n;
  do {
    n = ::write(fd_, whole.data(), whole.size());
  } while (n < 0 && errno == EINTR);
  return n == ssize_t(whole.size());
}

}  // namespace corvana
