#include "core/save_target.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>

namespace corvana {
namespace {

SaveTarget refused(FileFault fault, int error) { return {{}, fault, error}; }

// A file that exists and is not a regular one is never replaced by one.
SaveTarget refusedKind(const struct stat& st) {
  if (S_ISDIR(st.st_mode)) return refused(FileFault::IsFolder, EISDIR);
  return refused(FileFault::NotRegularFile, EINVAL);
}

}  // namespace

SaveTarget resolveSaveTarget(const std::string& path) {
  if (path.empty() || path.back() == '/') return refused(FileFault::NoFileName, ENOENT);
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) {
    // A new file, or a folder on the way that is missing: making the
    // temporary there says which.
    return {path};
  }
  if (S_ISREG(st.st_mode)) return {path};
  if (!S_ISLNK(st.st_mode)) return refusedKind(st);

  // Through the link, only onto the user's own regular file: a link planted
  // in a shared folder must not make the program overwrite another's file.
  struct stat target {};
  if (::stat(path.c_str(), &target) != 0) {
    if (errno == ENOENT) return refused(FileFault::LinkDangling, ENOENT);
    return refused(FileFault::System, errno);
  }
  if (!S_ISREG(target.st_mode)) return refusedKind(target);
  if (target.st_uid != ::geteuid()) return refused(FileFault::LinkNotOwned, EPERM);
  const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr),
                                                         &std::free);
  if (!real) return refused(FileFault::System, errno);
  return {real.get()};
}

}  // namespace corvana
