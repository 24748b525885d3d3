#include "core/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace corvana {
namespace {

template <typename Result>
Result failure(int error, const std::string& what, const char* reason = nullptr) {
  Result result;
  result.error = error;
  result.subject = what;
  result.message = what + ": " + (reason ? reason : std::strerror(error));
  return result;
}

// Closes on every way out of a read.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

bool writeAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) {  // no progress and no reason: give up rather than spin
      errno = EIO;
      return false;
    }
    data.remove_prefix(std::size_t(n));
  }
  return true;
}

std::string directoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The new file gets the old one's permissions, or the usual ones for a new file.
mode_t modeForTarget(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

FileStamp stampOf(const struct stat& st) {
  return {std::uint64_t(st.st_dev), std::uint64_t(st.st_ino),
          std::uint64_t(std::max<off_t>(st.st_size, 0)),
          std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

}  // namespace

FileResult statFile(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return failure<FileResult>(errno, path);
  FileResult result;
  result.stamp = stampOf(st);
  return result;
}

FileBytes readBoundedFile(const std::string& path, std::size_t limit, ReadFrom from) {
  const bool regularOnly = from == ReadFrom::RegularFileOnly;
  // Not blocking keeps the open of a FIFO without a writer from waiting.
  const FileDescriptor fd(
      ::open(path.c_str(), O_RDONLY | O_CLOEXEC | (regularOnly ? O_NONBLOCK : 0)));
  if (fd.get() < 0) return failure<FileBytes>(errno, path);
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) return failure<FileBytes>(errno, path);
  if (S_ISDIR(st.st_mode)) return failure<FileBytes>(EISDIR, path);
  if (regularOnly && !S_ISREG(st.st_mode))
    return failure<FileBytes>(EINVAL, path, "not a regular file");
  if (st.st_size > 0 && std::size_t(st.st_size) > limit) return failure<FileBytes>(EFBIG, path);

  FileBytes result;
  result.stamp = stampOf(st);
  result.bytes.reserve(std::size_t(std::max<off_t>(st.st_size, 0)));
  // The size is only a hint: a file can grow while it is read, and pipes and
  // devices report none.
  char buffer[1 << 16];
  while (true) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      return failure<FileBytes>(errno, path);
    }
    if (std::size_t(n) > limit - result.bytes.size()) return failure<FileBytes>(EFBIG, path);
    result.bytes.append(buffer, std::size_t(n));
  }
  return result;
}

FileResult replaceFile(const std::string& path, std::string_view bytes) {
  if (path.empty()) return failure<FileResult>(ENOENT, path);
  // The temporary is hidden and never ends in the target's extension, so a
  // left-over one after a crash is not taken for the file itself.
  const std::size_t slash = path.rfind('/');
  const std::string dir = directoryOf(path);
  const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string temp = (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) +
                     "." + base + ".saving-XXXXXX";
  const mode_t mode = modeForTarget(path);
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return failure<FileResult>(errno, dir);
  const auto abandon = [&](int err) {
    ::close(fd);
    ::unlink(temp.c_str());
    return failure<FileResult>(err, path);
  };
  if (!writeAll(fd, bytes)) return abandon(errno);
  if (::fchmod(fd, mode) != 0) return abandon(errno);
  if (::fsync(fd) != 0) return abandon(errno);
  // The new file as it will stand under the target's name: a rename keeps
  // the inode and the modification time.
  struct stat written {};
  if (::fstat(fd, &written) != 0) return abandon(errno);
  if (::close(fd) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    return failure<FileResult>(err, path);
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    return failure<FileResult>(err, path);
  }
  // Make the rename itself durable; a file system that cannot sync a
  // directory has still replaced the file whole.
  const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
  FileResult result;
  result.stamp = stampOf(written);
  return result;
}

}  // namespace corvana
