#pragma once
// Whole-file reads with a size limit, and replacing a file so that a crash or
// a failure at any moment leaves either the whole old file or the whole new
// one. Job files, the settings file and every report, document and workbook
// go through here. Failures are returned, never thrown: errno or a fault of
// our own, and a message naming the path.
#include <cstddef>
#include <cstdint>
#include <functional>
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

// Why a file was not read or written, beyond what errno says.
enum class FileFault : std::uint8_t {
  None,
  System,          // the system refused: see FileResult::error
  NoFileName,      // empty, or ends in '/'
  IsFolder,        // the target is a folder
  NotRegularFile,  // a device, FIFO or socket: never read as a file, never replaced
  LinkNotOwned,    // a symbolic link to a file of another user
  LinkDangling,    // a symbolic link to nothing
  WriterFailed,    // the writer said why: see FileResult::detail
  Incomplete,      // the written file failed its check (a full disk cuts it short)
};

struct FileResult {
  // errno of the failure (EIO for a fault of our own); 0 when it succeeded
  int error = 0;
  FileFault fault = FileFault::None;
  std::string message;  // "<path>: <reason>" when it failed, else empty
  std::string subject;  // the <path> of the message: the file, or its folder
  FileStamp stamp;      // on success: the file read or written, as it was then
  std::string reason;   // the <reason> of the message, for a message of one's own
  std::string detail;   // WriterFailed: the writer's reason; Incomplete: what is missing
  bool ok() const { return error == 0; }
};

// What a written file must look like before it may replace the target.
enum class FileKind {
  Any,         // any bytes, none too (job files, settings)
  NonEmpty,    // at least one byte
  Pdf,         // starts "%PDF-", ends with its "%%EOF" trailer
  ZipPackage,  // .docx, .xlsx: the end record and the central directory read whole
};

struct FileBytes : FileResult {
  std::string bytes;  // the whole file when ok(), else empty
};

enum class ReadFrom {
  AnyFile,          // whatever opens for reading: a pipe or a terminal too
  RegularFileOnly,  // never waits on a FIFO nor drains or opens a device
};

// Reads the whole file at `path`. A folder fails with EISDIR, anything of
// more than `limit` bytes with EFBIG (at most limit + 1 bytes are ever read,
// so a device without end costs no more), anything but a regular file under
// RegularFileOnly with NotRegularFile, refused by its stat before it is opened.
FileBytes readBoundedFile(const std::string& path, std::size_t limit,
                          ReadFrom from = ReadFrom::AnyFile);

// The stamp of whatever `path` names now (through a symbolic link); only a
// stat, it never opens the file.
FileResult statFile(const std::string& path);

// The temporary file a writer fills: its path, and a descriptor open for
// writing on it. A writer may write through either; it must not replace the
// file by another (rename or unlink it).
struct TemporaryFile {
  const std::string& path;
  int fd;
};
// Returns an empty text when it wrote the file, else its reason.
using FileWriter = std::function<std::string(const TemporaryFile&)>;

// Writes a new file beside `path` through `write`, checks it as `kind` says,
// syncs it and renames it over `path`, then syncs the folder so the rename
// lasts too. The new file keeps the old one's permissions, or gets the usual
// ones for a new file. On any failure the temporary is removed and `path` is
// exactly as it was.
//
// A symbolic link is written through to its target when that is a regular
// file of the user running the program; a target that exists and is not a
// regular file (folder, device, FIFO, socket) is refused and left alone.
// Temporaries of earlier saves of the same target that no live process holds
// any more (a save that was killed) are removed first.
//
// The message names the folder when no temporary could be made there,
// otherwise the target.
FileResult writeFileThrough(const std::string& path, FileKind kind, const FileWriter& write);

// writeFileThrough with `bytes` as the whole new file.
FileResult replaceFile(const std::string& path, std::string_view bytes,
                       FileKind kind = FileKind::Any);

// The fault's sentence in the current language; empty for None and System
// (the system's own text says it then).
std::string fileFaultText(FileFault fault);

}  // namespace corvana
