#include "core/file_io.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#include "core/language_table.h"
#include "full_disk.h"
#include "settings_fixtures.h"

namespace corvana {
namespace {

using testing::FileSizeLimit;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

std::vector<std::string> folderEntries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string pattern(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = char('A' + i % 23);
  return bytes;
}

std::string because(const std::string& what, int error) {
  return what + ": " + std::strerror(error);
}

constexpr std::size_t kLimit = 1000;

// A regular file is measured before it is read, a FIFO only while it is read:
// both must draw the line at the same byte.
TEST(ReadBoundedFile, TheLimitIsTheLastByteAllowed) {
  struct Case {
    const char* name;
    std::size_t size;
    int error;
  };
  const Case cases[] = {
      {"empty", 0, 0},
      {"at the limit", kLimit, 0},
      {"one byte over", kLimit + 1, EFBIG},
  };
  for (const bool fifo : {false, true}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.name) + (fifo ? " through a FIFO" : " in a regular file"));
      TempFolder folder;
      const std::string path = folder.file("data");
      const std::string bytes = pattern(c.size);
      std::thread writer;
      if (fifo) {
        ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        // Fits the pipe whole, so the write is done before the reader can stop.
        writer = std::thread([&] {
          const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
          if (fd < 0) return;
          EXPECT_EQ(::write(fd, bytes.data(), bytes.size()), ssize_t(bytes.size()));
          ::close(fd);
        });
      } else {
        writeBytes(path, bytes);
      }
      const FileBytes read = readBoundedFile(path, kLimit);
      if (writer.joinable()) writer.join();
      EXPECT_EQ(read.error, c.error);
      if (c.error == 0) {
        EXPECT_TRUE(read.message.empty());
        EXPECT_EQ(read.bytes, bytes);
      } else {
        EXPECT_EQ(read.message, because(path, c.error));
        EXPECT_TRUE(read.bytes.empty());
      }
    }
  }
}

TEST(ReadBoundedFile, FailuresCarryErrnoAndNameThePath) {
  TempFolder folder;
  writeBytes(folder.file("plain file"), "x");
  std::filesystem::create_directory(folder.file("a folder"));
  ASSERT_EQ(::mkfifo(folder.file("a pipe").c_str(), 0600), 0);
  const std::string notRegular = LookupText(Text::NotRegularFile);
  struct Case {
    std::string path;
    ReadFrom from;
    int error;
    FileFault fault;
  };
  const Case cases[] = {
      {folder.file("missing"), ReadFrom::AnyFile, ENOENT, FileFault::System},
      {folder.file("plain file/data"), ReadFrom::AnyFile, ENOTDIR, FileFault::System},
      {folder.file("a folder"), ReadFrom::AnyFile, EISDIR, FileFault::System},
      {folder.file("a folder"), ReadFrom::RegularFileOnly, EISDIR, FileFault::System},
      // A device without end is read only as far as the limit.
      {"/dev/zero", ReadFrom::AnyFile, EFBIG, FileFault::System},
      {"/dev/zero", ReadFrom::RegularFileOnly, EINVAL, FileFault::NotRegularFile},
      // Refused at once: no writer ever opens this pipe.
      {folder.file("a pipe"), ReadFrom::RegularFileOnly, EINVAL, FileFault::NotRegularFile},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const FileBytes read = readBoundedFile(c.path, kLimit, c.from);
    EXPECT_FALSE(read.ok());
    EXPECT_EQ(read.error, c.error);
    EXPECT_EQ(read.fault, c.fault);
    EXPECT_EQ(read.message,
              c.fault == FileFault::System ? because(c.path, c.error) : c.path + ": " + notRegular);
    EXPECT_TRUE(read.bytes.empty());
  }
}

TEST(ReplaceFile, TheNewFileIsWholeAndAlone) {
  struct Case {
    const char* name;
    const char* old;  // nullptr: no file yet
  };
  // A longer old file shows that nothing of it is left at the end.
  const Case cases[] = {{"new file", nullptr}, {"longer old file", "x"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const std::string path = folder.file("Settings.xml");
    const std::string bytes = pattern(300000);
    if (c.old) writeBytes(path, pattern(400000) + c.old);
    const FileResult result = replaceFile(path, bytes);
    EXPECT_TRUE(result.ok()) << result.message;
    EXPECT_EQ(result.error, 0);
    EXPECT_TRUE(result.message.empty());
    EXPECT_EQ(readBytes(path), bytes);
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string>{"Settings.xml"});
  }
}

TEST(ReplaceFile, TheTargetKeepsItsModeANewFileTakesTheUmask) {
  struct Case {
    const char* name;
    int oldMode;  // -1: no file yet
    mode_t umask;
    unsigned expected;
  };
  const Case cases[] = {
      {"kept over the umask", 0640, 022, 0640},
      {"kept with the execute bit", 0750, 077, 0750},
      {"new, umask 022", -1, 022, 0644},
      {"new, umask 002", -1, 002, 0664},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const std::string path = folder.file("job.job");
    if (c.oldMode >= 0) {
      writeBytes(path, "old");
      ASSERT_EQ(::chmod(path.c_str(), mode_t(c.oldMode)), 0);
    }
    const mode_t before = ::umask(c.umask);
    const FileResult result = replaceFile(path, "new");
    ::umask(before);
    ASSERT_TRUE(result.ok()) << result.message;
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, c.expected);
  }
}

// Run as root, so a folder that cannot be written is made by the path, not
// by permissions.
TEST(ReplaceFile, AFailureLeavesTheTargetAndNoTemporary) {
  TempFolder folder;
  writeBytes(folder.file("plain file"), "kept");
  std::filesystem::create_directory(folder.file("a folder"));
  struct Case {
    std::string path;
    int error;
    FileFault fault;
    std::string named;  // the folder when no temporary could be made there
  };
  const Case cases[] = {
      {folder.file("plain file/job.job"), ENOTDIR, FileFault::System, folder.file("plain file")},
      {folder.file("missing/job.job"), ENOENT, FileFault::System, folder.file("missing")},
      // Our own words: a folder is no file name, and "Not a directory" would mislead.
      {folder.file("a folder"), EISDIR, FileFault::IsFolder, folder.file("a folder")},
      {folder.file("a folder/"), ENOENT, FileFault::NoFileName, folder.file("a folder/")},
      {folder.file("plain file/"), ENOENT, FileFault::NoFileName, folder.file("plain file/")},
      {"", ENOENT, FileFault::NoFileName, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const FileResult result = replaceFile(c.path, "new");
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.error, c.error);
    EXPECT_EQ(result.fault, c.fault);
    EXPECT_EQ(result.message, c.fault == FileFault::System
                                  ? because(c.named, c.error)
                                  : c.named + ": " + fileFaultText(c.fault));
    EXPECT_EQ(folderEntries(folder.path()), (std::vector<std::string>{"a folder", "plain file"}));
    EXPECT_EQ(readBytes(folder.file("plain file")), "kept");
    EXPECT_TRUE(std::filesystem::is_empty(folder.file("a folder")));
  }
}

// The file system takes the first 4 KiB and refuses the rest: the first write
// comes back short and the next one fails, as on a disk that fills up.
TEST(ReplaceFile, AWriteCutShortKeepsTheOldFile) {
  TempFolder folder;
  const std::string path = folder.file("job.job");
  writeBytes(path, "old");
  FileResult result;
  {
    FileSizeLimit limit(4096);
    ASSERT_TRUE(limit.isSet());
    result = replaceFile(path, pattern(100000));
  }
  EXPECT_EQ(result.error, EFBIG);
  EXPECT_EQ(result.message, because(path, EFBIG));
  EXPECT_EQ(readBytes(path), "old");
  EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string>{"job.job"});
}

// "No limit" is the largest limit there is, and reads the whole file.
TEST(ReadBoundedFile, TheLargestLimitReadsTheWholeFile) {
  TempFolder folder;
  const std::string path = folder.file("data");
  const std::string bytes = pattern(200000);
  writeBytes(path, bytes);
  for (const ReadFrom from : {ReadFrom::AnyFile, ReadFrom::RegularFileOnly}) {
    const FileBytes read = readBoundedFile(path, std::numeric_limits<std::size_t>::max(), from);
    ASSERT_TRUE(read.ok()) << read.message;
    EXPECT_TRUE(read.bytes == bytes) << read.bytes.size() << " bytes read";
  }
}

// A pipe that never ends: the reader must stop after limit + 1 bytes. The
// test keeps a read end of its own, so whatever the reader left in the pipe
// is drained and counted afterwards: written - drained = what it consumed.
TEST(ReadBoundedFile, AnEndlessSourceIsReadOnlyToTheLimitPlusOne) {
  TempFolder folder;
  const std::string path = folder.file("endless");
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  const int ours = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  ASSERT_GE(ours, 0);
  constexpr std::size_t kWritten = 1 << 20;
  constexpr std::size_t kSmallLimit = 100;
  std::thread writer([&] {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    const std::string chunk = pattern(kWritten);
    std::string_view left = chunk;
    while (fd >= 0 && !left.empty()) {
      const ssize_t n = ::write(fd, left.data(), left.size());
      if (n <= 0) break;
      left.remove_prefix(std::size_t(n));
    }
    if (fd >= 0) ::close(fd);
  });
  const FileBytes read = readBoundedFile(path, kSmallLimit, ReadFrom::AnyFile);
  EXPECT_EQ(read.error, EFBIG);
  // Drain the rest, blocking now, until the writer has closed.
  ASSERT_EQ(::fcntl(ours, F_SETFL, 0), 0);
  std::size_t drained = 0;
  char buffer[1 << 16];
  for (ssize_t n; (n = ::read(ours, buffer, sizeof buffer)) > 0;) drained += std::size_t(n);
  writer.join();
  ::close(ours);
  ASSERT_LE(drained, kWritten);
  EXPECT_LE(kWritten - drained, kSmallLimit + 1);
}

// A device is refused by its stat: it is never opened, which for some
// devices does something (or fails for a reason of its own, as this one).
TEST(ReadBoundedFile, ADeviceIsRefusedBeforeItIsOpened) {
  TempFolder folder;
  const std::string node = folder.file("device");
  if (::mknod(node.c_str(), S_IFCHR | 0600, ::makedev(0, 0)) != 0)
    GTEST_SKIP() << "mknod needs root: " << std::strerror(errno);
  const FileBytes read = readBoundedFile(node, kLimit, ReadFrom::RegularFileOnly);
  EXPECT_EQ(read.fault, FileFault::NotRegularFile);
  EXPECT_EQ(read.error, EINVAL);
}

// The bytes of a small but whole PDF.
std::string wholePdf(std::size_t body) {
  return "%PDF-1.4\n" + pattern(body) + "\ntrailer\n<< /Root 1 0 R >>\n%%EOF\n";
}

// Every way a writer can fail: the old file stays byte for byte and no
// temporary is left; what the writer said reaches the message.
TEST(WriteFileThrough, AFailedOrCutWriteKeepsTheOldFile) {
  const std::string old = wholePdf(3000);
  struct Case {
    const char* name;
    FileKind kind;
    std::function<std::string(const TemporaryFile&)> write;
    FileFault fault;
    const char* detail;
  };
  const auto writeBytesTo = [](std::string bytes) {
    return [bytes](const TemporaryFile& file) {
      writeBytes(file.path, bytes);
      return std::string();
    };
  };
  const Case cases[] = {
      {"the writer fails", FileKind::Pdf,
       [](const TemporaryFile&) { return std::string("the painter stopped"); },
       FileFault::WriterFailed, "the painter stopped"},
      {"a PDF without its trailer", FileKind::Pdf, writeBytesTo(wholePdf(20000).substr(0, 16384)),
       FileFault::Incomplete, "no %%EOF trailer at the end of the PDF"},
      {"an empty PDF", FileKind::Pdf, writeBytesTo(""), FileFault::Incomplete,
       "nothing was written"},
      {"nothing at all", FileKind::NonEmpty, writeBytesTo(""), FileFault::Incomplete,
       "nothing was written"},
      {"half a zip package", FileKind::ZipPackage, writeBytesTo("PK\x03\x04" + pattern(5000)),
       FileFault::Incomplete, "no end record of the zip's central directory"},
      {"the writer renames another file over its temporary", FileKind::Pdf,
       [](const TemporaryFile& file) {
         const std::string other = file.path + "-other";
         writeBytes(other, wholePdf(10));
         return std::rename(other.c_str(), file.path.c_str()) == 0 ? std::string() : "rename";
       },
       FileFault::WriterFailed, "the writer replaced its temporary file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const std::string path = folder.file("report.pdf");
    writeBytes(path, old);
    const FileResult result = writeFileThrough(path, c.kind, c.write);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.error, EIO);
    EXPECT_EQ(result.fault, c.fault);
    EXPECT_EQ(result.detail, c.detail);
    EXPECT_EQ(result.message, path + ": " + fileFaultText(c.fault) + " (" + c.detail + ")");
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string>{"report.pdf"});
  }
}

TEST(WriteFileThrough, AWholeFileReplacesTheOldOneThroughPathOrDescriptor) {
  TempFolder folder;
  const std::string path = folder.file("report.pdf");
  writeBytes(path, wholePdf(3000));
  ::chmod(path.c_str(), 0640);
  const std::string fresh = wholePdf(50000);
  FileResult result = writeFileThrough(path, FileKind::Pdf, [&](const TemporaryFile& file) {
    writeBytes(file.path, fresh);
    return std::string();
  });
  ASSERT_TRUE(result.ok()) << result.message;
  EXPECT_EQ(readBytes(path), fresh);
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  result = writeFileThrough(path, FileKind::NonEmpty, [](const TemporaryFile& file) {
    return ::write(file.fd, "x", 1) == 1 ? std::string() : std::string("write");
  });
  ASSERT_TRUE(result.ok()) << result.message;
  EXPECT_EQ(readBytes(path), "x");
  EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string>{"report.pdf"});
}

// A writer that ignores its own write errors, as a PDF painter does: the
// file system takes the first 16 KiB and the trailer never arrives.
TEST(WriteFileThrough, AWriterThatIgnoresAFullFileSystemIsCaught) {
  TempFolder folder;
  const std::string path = folder.file("report.pdf");
  const std::string old = wholePdf(3000);
  writeBytes(path, old);
  FileResult result;
  {
    FileSizeLimit limit(16384);
    ASSERT_TRUE(limit.isSet());
    result = writeFileThrough(path, FileKind::Pdf, [](const TemporaryFile& file) {
      writeBytes(file.path, wholePdf(100000));
      return std::string();
    });
  }
  EXPECT_EQ(result.fault, FileFault::Incomplete);
  EXPECT_EQ(readBytes(path), old);
  EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string>{"report.pdf"});
}

// A real full disk: a tmpfs with a good old PDF on it, the rest taken.
TEST(WriteFileThrough, OnAFullDiskTheOldPdfStaysByteForByte) {
  testing::FullDisk disk(256 * 1024);
  if (!disk.mounted()) GTEST_SKIP() << disk.skipReason();
  const std::string path = disk.file("report.pdf");
  const std::string old = wholePdf(5000);
  ASSERT_TRUE(replaceFile(path, old).ok());
  ASSERT_TRUE(disk.fill());
  const auto ignoringErrors = [](const TemporaryFile& file) {
    writeBytes(file.path, wholePdf(100000));
    return std::string();
  };
  const FileResult painted = writeFileThrough(path, FileKind::Pdf, ignoringErrors);
  EXPECT_FALSE(painted.ok());
  EXPECT_EQ(painted.fault, FileFault::Incomplete) << painted.message;
  const FileResult replaced = replaceFile(path, wholePdf(100000));
  EXPECT_EQ(replaced.error, ENOSPC) << replaced.message;
  EXPECT_EQ(readBytes(path), old);
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(disk.file("")))
    left.push_back(entry.path().filename().string());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"filler", "report.pdf"}));
}

}  // namespace
}  // namespace corvana
