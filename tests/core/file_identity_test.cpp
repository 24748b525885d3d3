#include "core/file_identity.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>

#include "core/file_io.h"
#include "settings_fixtures.h"

namespace corvana {
namespace {

using testing::TempFolder;
using testing::writeBytes;

const std::string kOriginal = "<Job Name=\"Job1\"/>\n";

// Sets the file's modification time, so a test can make a stamp old or put
// a rewritten file's time back to what it was.
void setModified(const std::string& path, std::int64_t ns) {
  const timespec times[2] = {{0, UTIME_OMIT}, {time_t(ns / 1'000'000'000), long(ns % 1'000'000'000)}};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

// Another writer: the new bytes in place, keeping the file's inode.
void rewriteInPlace(const std::string& path, const std::string& bytes) { writeBytes(path, bytes); }
// Another window's save: a new file renamed over the old one.
void replaceWith(const std::string& path, const std::string& bytes) {
  ASSERT_TRUE(replaceFile(path, bytes).ok());
}

TEST(FileIdentity, ASaveSeesWhatAnotherWriterDid) {
  struct Case {
    const char* what;
    bool oldStamp;  // the file was written an hour before it was read
    std::function<void(const std::string&)> change;
    DiskChange expected;
  };
  const Case cases[] = {
      {"nothing", false, [](const std::string&) {}, DiskChange::Unchanged},
      {"nothing, old stamp", true, [](const std::string&) {}, DiskChange::Unchanged},
      {"other bytes, the same size, the time put back", false,
       [](const std::string& p) {
         const std::int64_t before = statFile(p).stamp.modifiedNs;
         rewriteInPlace(p, "<Job Name=\"Job2\"/>\n");
         setModified(p, before);
       },
       DiskChange::Changed},
      {"longer", true, [](const std::string& p) { rewriteInPlace(p, kOriginal + " "); },
       DiskChange::Changed},
      {"emptied", true, [](const std::string& p) { rewriteInPlace(p, ""); }, DiskChange::Changed},
      {"the same bytes written again", true,
       [](const std::string& p) { rewriteInPlace(p, kOriginal); }, DiskChange::Unchanged},
      {"another window saved the same", true,
       [](const std::string& p) { replaceWith(p, kOriginal); }, DiskChange::Unchanged},
      {"another window saved other bytes of the same size", true,
       [](const std::string& p) { replaceWith(p, "<Job Name=\"Job3\"/>\n"); },
       DiskChange::Changed},
      {"removed", true, [](const std::string& p) { std::filesystem::remove(p); },
       DiskChange::Vanished},
      {"a folder in its place", true,
       [](const std::string& p) {
         std::filesystem::remove(p);
         std::filesystem::create_directory(p);
       },
       DiskChange::Changed},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    const std::string path = folder.file("a.job");
    const FileResult written = replaceFile(path, kOriginal);
    ASSERT_TRUE(written.ok()) << c.what;
    FileIdentity identity = identityOf(written.stamp, kOriginal);
    if (c.oldStamp) {
      setModified(path, written.stamp.modifiedNs - 3600'000'000'000);
      identity = identityOf(statFile(path).stamp, kOriginal);
    }
    c.change(path);
    EXPECT_EQ(diskChangeSince(identity, path), c.expected) << c.what;
  }
}

TEST(FileIdentity, ABytesCheckThatFindsNoChangeKeepsThePresentStamp) {
  TempFolder folder;
  const std::string path = folder.file("a.job");
  const FileResult written = replaceFile(path, kOriginal);
  ASSERT_TRUE(written.ok());
  FileIdentity identity = identityOf(written.stamp, kOriginal);
  replaceWith(path, kOriginal);
  const FileStamp present = statFile(path).stamp;
  ASSERT_NE(present, written.stamp);
  EXPECT_EQ(diskChangeSince(identity, path), DiskChange::Unchanged);
  EXPECT_EQ(identity.stamp, present);
}

TEST(FileIdentity, ReadsAndWritesCarryTheStampOfTheirFile) {
  TempFolder folder;
  const std::string path = folder.file("a.job");
  const FileResult written = replaceFile(path, kOriginal);
  ASSERT_TRUE(written.ok());
  EXPECT_EQ(written.stamp, statFile(path).stamp);
  EXPECT_EQ(written.stamp.size, kOriginal.size());
  const FileBytes read = readBoundedFile(path, 1000);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.stamp, written.stamp);
}

TEST(FileIdentity, NothingReadOrWrittenIsNothingToCompare) {
  FileIdentity none;
  EXPECT_EQ(diskChangeSince(none, "/nonexistent/a.job"), DiskChange::Unchanged);
}

}  // namespace
}  // namespace corvana
