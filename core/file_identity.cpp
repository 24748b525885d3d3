#include "core/file_identity.h"

#include <cerrno>
#include <ctime>
#include <functional>

namespace corvana {

namespace {

// Coarser than any local file system's timestamps, and as coarse as FAT's.
constexpr std::int64_t kTimestampTickNs = 2'000'000'000;

std::int64_t nowNs() {
  timespec t{};
  ::clock_gettime(CLOCK_REALTIME, &t);
  return std::int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// Compared only within one run of the program, so the library's own hash of
// a byte string serves.
std::uint64_t hashOf(std::string_view bytes) { return std::hash<std::string_view>{}(bytes); }

bool stampDecides(const FileIdentity& identity) {
  return identity.stamp.modifiedNs + kTimestampTickNs < identity.takenNs;
}

}  // namespace

FileIdentity identityOf(const FileStamp& stamp, std::string_view bytes) {
  return {true, stamp, hashOf(bytes), nowNs()};
}

DiskChange diskChangeSince(FileIdentity& identity, const std::string& path) {
  if (!identity.known) return DiskChange::Unchanged;
  const std::int64_t checkedAt = nowNs();
  const FileResult now = statFile(path);
  if (!now.ok())
    return now.error == ENOENT || now.error == ENOTDIR ? DiskChange::Vanished
                                                       : DiskChange::Changed;
  if (now.stamp.size != identity.stamp.size) return DiskChange::Changed;
  if (now.stamp == identity.stamp && stampDecides(identity)) return DiskChange::Unchanged;
  // At most the size already known: a file that grows meanwhile is a change.
  const FileBytes read =
      readBoundedFile(path, std::size_t(identity.stamp.size), ReadFrom::RegularFileOnly);
  if (!read.ok() || read.stamp != now.stamp || hashOf(read.bytes) != identity.contentHash)
    return DiskChange::Changed;
  identity.stamp = read.stamp;
  identity.takenNs = checkedAt;
  return DiskChange::Unchanged;
}

}  // namespace corvana
