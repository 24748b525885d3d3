#include "core/file_io.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

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
  struct Case {
    std::string path;
    ReadFrom from;
    int error;
    const char* reason;  // when not errno's own text
  };
  const Case cases[] = {
      {folder.file("missing"), ReadFrom::AnyFile, ENOENT, nullptr},
      {folder.file("plain file/data"), ReadFrom::AnyFile, ENOTDIR, nullptr},
      {folder.file("a folder"), ReadFrom::AnyFile, EISDIR, nullptr},
      {folder.file("a folder"), ReadFrom::RegularFileOnly, EISDIR, nullptr},
      // A device without end is read only as far as the limit.
      {"/dev/zero", ReadFrom::AnyFile, EFBIG, nullptr},
      {"/dev/zero", ReadFrom::RegularFileOnly, EINVAL, "not a regular file"},
      // Refused at once: no writer ever opens this pipe.
      {folder.file("a pipe"), ReadFrom::RegularFileOnly, EINVAL, "not a regular file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const FileBytes read = readBoundedFile(c.path, kLimit, c.from);
    EXPECT_FALSE(read.ok());
    EXPECT_EQ(read.error, c.error);
    EXPECT_EQ(read.message, c.reason ? c.path + ": " + c.reason : because(c.path, c.error));
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
    std::string named;  // the folder when no temporary could be made there
  };
  const Case cases[] = {
      {folder.file("plain file/job.job"), ENOTDIR, folder.file("plain file")},
      {folder.file("missing/job.job"), ENOENT, folder.file("missing")},
      {folder.file("a folder"), EISDIR, folder.file("a folder")},
      {folder.file("plain file/"), ENOTDIR, folder.file("plain file")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const FileResult result = replaceFile(c.path, "new");
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.error, c.error);
    EXPECT_EQ(result.message, because(c.named, c.error));
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

}  // namespace
}  // namespace corvana
