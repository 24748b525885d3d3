#pragma once
// Whole-file reads with a size limit, and replacing a file so that a crash or
// a failure at any moment leaves either the whole old file or the whole new
// one. Job files and the settings file both go through here. Failures are
// returned, never thrown: errno and a message naming the path.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvana {

// What stat says of a file that was read or written: enough to notice that
// another writer replaced or rewrote it since.
struct FileStamp {
  std::uint64_t device = 0, inode = 0, size = 0;
  std::int64_t modifiedNs = 0;  // modification time, nanoseconds since 1970
  bool operator==(const FileStamp&) const = default;
};

struct FileResult {
  int error = 0;        // errno of the failure; 0 when the call succeeded
  std::string message;  // "<path>: <reason>" when it failed, else empty
  std::string subject;  // the <path> of the message: the file, or its folder
  FileStamp stamp;      // on success: the file read or written, as it was then
  bool ok() const { return error == 0; }
};

struct FileBytes : FileResult {
  std::string bytes;  // the whole file when ok(), else empty
};

enum class ReadFrom {
  AnyFile,          // whatever opens for reading: a pipe or a terminal too
  RegularFileOnly,  // never waits on a FIFO nor drains a device
};

// Reads the whole file at `path`. A folder fails with EISDIR, anything of
// more than `limit` bytes with EFBIG (a device without end is cut off there
// too), anything but a regular file under RegularFileOnly with EINVAL.
FileBytes readBoundedFile(const std::string& path, std::size_t limit,
                          ReadFrom from = ReadFrom::AnyFile);

// The stamp of whatever `path` names now (through a symbolic link); only a
// stat, it never opens the file.
FileResult statFile(const std::string& path);

// Writes `bytes` to a new file beside `path`, syncs it and renames it over
// `path`, then syncs the folder so the rename lasts too. The new file keeps
// the old one's permissions, or gets the usual ones for a new file. On any
// failure the temporary is removed and `path` is as it was. The message names
// the folder when no temporary could be made there, otherwise the target.
FileResult replaceFile(const std::string& path, std::string_view bytes);

}  // namespace corvana
