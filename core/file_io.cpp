#include "core/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/language_table.h"
#include "core/save_target.h"
#include "core/saving_temporary.h"
#include "core/written_file_check.h"

namespace corvana {
namespace {

// "<subject>: <reason>": the system's text, or our own sentence with the
// writer's or the check's detail in brackets.
template <typename Result>
Result described(Result result, const std::string& subject) {
  result.subject = subject;
  result.reason = result.fault == FileFault::System ? std::string(std::strerror(result.error))
                                                    : fileFaultText(result.fault);
  if (!result.detail.empty()) result.reason += " (" + result.detail + ")";
  result.message = subject + ": " + result.reason;
  return result;
}

template <typename Result>
Result failure(int error, const std::string& what) {
  Result result;
  result.error = error;
  result.fault = FileFault::System;
  return described(std::move(result), what);
}

template <typename Result>
Result refusal(FileFault fault, int error, const std::string& what, std::string detail = {}) {
  Result result;
  result.error = error;
  result.fault = fault;
  result.detail = std::move(detail);
  return described(std::move(result), what);
}

// Closes on every way out.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  void close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

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

bool sameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Refused from its stat alone: opening a device or a FIFO can wait, or do
// something (a serial line raises its control lines on open).
FileBytes refusedByKind(const struct stat& st, const std::string& path) {
  if (S_ISDIR(st.st_mode)) return failure<FileBytes>(EISDIR, path);
  return refusal<FileBytes>(FileFault::NotRegularFile, EINVAL, path);
}

// The one writer behind writeFileThrough and replaceFile; `write` reports as
// a FileResult whose subject is filled in here.
template <typename Write>
FileResult writeThrough(const std::string& path, FileKind kind, const Write& write) {
  const SaveTarget target = resolveSaveTarget(path);
  if (target.fault == FileFault::System) return failure<FileResult>(target.error, path);
  if (target.fault != FileFault::None) return refusal<FileResult>(target.fault, target.error, path);
  const std::string dir = directoryOf(target.path);
  // What a killed save of this file left behind goes before the next one.
  removeStaleTemporaries(target.path);
  const mode_t mode = modeForTarget(target.path);
  std::string temp;
  FileDescriptor fd(createLockedTemporary(target.path, temp));
  if (fd.get() < 0) return failure<FileResult>(errno, dir);
  const auto abandon = [&](FileResult result) {
    ::unlink(temp.c_str());
    return described(std::move(result), path);
  };
  FileResult written = write(TemporaryFile{temp, fd.get()});
  if (!written.ok()) return abandon(std::move(written));
  // The descriptor must still be the file under the temporary's name, or the
  // checks and the sync below would look at another file than the one renamed.
  struct stat byFd {};
  struct stat byName {};
  if (::fstat(fd.get(), &byFd) != 0 || ::lstat(temp.c_str(), &byName) != 0 ||
      !sameFile(byFd, byName))
    return abandon(refusal<FileResult>(FileFault::WriterFailed, EIO, "",
                                       "the writer replaced its temporary file"));
  if (const std::string missing = missingFromWrittenFile(fd.get(), kind); !missing.empty())
    return abandon(refusal<FileResult>(FileFault::Incomplete, EIO, "", missing));
  if (::fchmod(fd.get(), mode) != 0) return abandon(failure<FileResult>(errno, ""));
  if (::fsync(fd.get()) != 0) return abandon(failure<FileResult>(errno, ""));
  // The new file as it will stand under the target's name: a rename keeps
  // the inode and the modification time.
  struct stat asWritten {};
  if (::fstat(fd.get(), &asWritten) != 0) return abandon(failure<FileResult>(errno, ""));
  // Renamed while its lock is held, so no other save takes it for a stale
  // temporary; the data is on the disk already, so closing cannot lose any.
  if (::rename(temp.c_str(), target.path.c_str()) != 0)
    return abandon(failure<FileResult>(errno, ""));
  fd.close();
  // Make the rename itself durable; a file system that cannot sync a
  // directory has still replaced the file whole.
  const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
  FileResult result;
  result.stamp = stampOf(asWritten);
  return result;
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
  struct stat st {};
  if (regularOnly) {
    if (::stat(path.c_str(), &st) != 0) return failure<FileBytes>(errno, path);
    if (!S_ISREG(st.st_mode)) return refusedByKind(st, path);
  }
  // Not blocking keeps the open of a FIFO put there since the stat from waiting.
  const FileDescriptor fd(
      ::open(path.c_str(), O_RDONLY | O_CLOEXEC | (regularOnly ? O_NONBLOCK | O_NOCTTY : 0)));
  if (fd.get() < 0) return failure<FileBytes>(errno, path);
  if (::fstat(fd.get(), &st) != 0) return failure<FileBytes>(errno, path);
  if (S_ISDIR(st.st_mode)) return failure<FileBytes>(EISDIR, path);
  if (regularOnly && !S_ISREG(st.st_mode)) return refusedByKind(st, path);
  if (st.st_size > 0 && std::size_t(st.st_size) > limit) return failure<FileBytes>(EFBIG, path);

  FileBytes result;
  result.stamp = stampOf(st);
  result.bytes.reserve(std::min(std::size_t(std::max<off_t>(st.st_size, 0)), limit));
  // The size is only a hint: a file can grow while it is read, and pipes and
  // devices report none. One byte beyond the limit is all it takes to know
  // the file is too large; more is never read.
  char buffer[1 << 16];
  while (true) {
    // The bytes still allowed and the one that would be too many; with no
    // limit to speak of, that sum would wrap around.
    const std::size_t allowed = limit - result.bytes.size();
    const std::size_t want = allowed < sizeof buffer ? allowed + 1 : sizeof buffer;
    const ssize_t n = ::read(fd.get(), buffer, want);
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

FileResult writeFileThrough(const std::string& path, FileKind kind, const FileWriter& write) {
  return writeThrough(path, kind, [&](const TemporaryFile& file) {
    const std::string why = write(file);
    if (why.empty()) return FileResult{};
    return refusal<FileResult>(FileFault::WriterFailed, EIO, "", why);
  });
}

FileResult replaceFile(const std::string& path, std::string_view bytes, FileKind kind) {
  return writeThrough(path, kind, [&](const TemporaryFile& file) {
    if (!writeAll(file.fd, bytes)) return failure<FileResult>(errno, "");
    return FileResult{};
  });
}

std::string fileFaultText(FileFault fault) {
  switch (fault) {
    case FileFault::None:
    case FileFault::System: return {};
    case FileFault::NoFileName: return LookupText(Text::TargetHasNoFileName);
    case FileFault::IsFolder: return LookupText(Text::TargetIsFolder);
    case FileFault::NotRegularFile: return LookupText(Text::NotRegularFile);
    case FileFault::LinkNotOwned: return LookupText(Text::LinkToAnotherUsersFile);
    case FileFault::LinkDangling: return LookupText(Text::LinkToNothing);
    case FileFault::WriterFailed: return LookupText(Text::FileWriterFailed);
    case FileFault::Incomplete: return LookupText(Text::WrittenFileIncomplete);
  }
  return {};
}

}  // namespace corvana
