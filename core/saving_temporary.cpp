#include "core/saving_temporary.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>

namespace corvana {
namespace {

constexpr std::string_view kSaving = ".saving-";
constexpr std::size_t kRandomPart = 6;  // the XXXXXX of mkostemp

std::string folderOf(const std::string& target) {
  const std::size_t slash = target.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return target.substr(0, slash);
}

bool sameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// True while `fd` is still the file named `path`: a cleaner of another save
// may have removed the name between its creation and its lock.
bool stillNamed(int fd, const std::string& path) {
  struct stat byFd {};
  struct stat byName {};
  return ::fstat(fd, &byFd) == 0 && ::lstat(path.c_str(), &byName) == 0 && sameFile(byFd, byName);
}

}  // namespace

std::string temporaryPrefix(const std::string& target) {
  const std::size_t slash = target.rfind('/');
  const std::string folder =
      slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  return folder + "." + name + std::string(kSaving);
}

int createLockedTemporary(const std::string& target, std::string& path) {
  // A few tries: each lost race with a cleaner costs one new name.
  for (int attempt = 0; attempt < 8; ++attempt) {
    std::string name = temporaryPrefix(target) + std::string(kRandomPart, 'X');
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && stillNamed(fd, name)) {
      path = std::move(name);
      return fd;
    }
    ::close(fd);
  }
  errno = EAGAIN;
  return -1;
}

int removeStaleTemporaries(const std::string& target) {
  const std::string prefix = temporaryPrefix(target);
  const std::string folder = folderOf(target);
  const std::size_t slash = prefix.rfind('/');
  const std::string namePrefix = slash == std::string::npos ? prefix : prefix.substr(slash + 1);
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return 0;
  int removed = 0;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name.size() != namePrefix.size() + kRandomPart || !name.starts_with(namePrefix)) continue;
    const std::string path = folder + "/" + std::string(name);
    // Never follows a link nor waits on a FIFO planted under such a name.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) continue;
    struct stat st {};
    // A live save holds its lock until it has renamed the file away.
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        stillNamed(fd, path) && ::unlink(path.c_str()) == 0)
      ++removed;
    ::close(fd);
  }
  ::closedir(dir);
  return removed;
}

}  // namespace corvana
