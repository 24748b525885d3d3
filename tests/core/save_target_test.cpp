// What a save replaces: a symbolic link is written through to the user's own
// regular file and stays a link; anything that is not a regular file is
// refused and left exactly as it was.
#include "core/save_target.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

#include "core/file_io.h"
#include "settings_fixtures.h"

namespace corvana {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

namespace fs = std::filesystem;

bool makeSocket(const std::string& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
  const bool bound =
      fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  if (fd >= 0) ::close(fd);
  return bound;
}

TEST(SaveTarget, ALinkIsWrittenThroughToTheUsersOwnFileAndStaysALink) {
  struct Case {
    const char* name;
    const char* link;    // where the link points, relative to the link's folder
    const char* target;  // the file that must receive the bytes
  };
  const Case cases[] = {
      {"beside it", "real.job", "real.job"},
      {"in another folder", "../other/real.job", "../other/real.job"},
      {"through a second link", "second-link", "real.job"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    fs::create_directories(folder.file("jobs"));
    fs::create_directories(folder.file("other"));
    writeBytes(folder.file("jobs/real.job"), "old");
    writeBytes(folder.file("other/real.job"), "old");
    fs::create_symlink("real.job", folder.file("jobs/second-link"));
    const std::string link = folder.file("jobs/link.job");
    fs::create_symlink(c.link, link);
    const FileResult result = replaceFile(link, "new");
    ASSERT_TRUE(result.ok()) << result.message;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link), c.link);
    EXPECT_EQ(readBytes(folder.file("jobs/" + std::string(c.target))), "new");
    EXPECT_TRUE(fs::is_symlink(folder.file("jobs/second-link")));
    // No temporary left in either folder.
    for (const char* sub : {"jobs", "other"})
      for (const auto& entry : fs::directory_iterator(folder.file(sub)))
        EXPECT_EQ(entry.path().filename().string().find(".saving-"), std::string::npos);
  }
}

// Each of these is refused with its own sentence and stays what it was.
TEST(SaveTarget, WhatIsNotARegularFileIsRefusedAndLeftAlone) {
  const bool root = ::geteuid() == 0;
  struct Case {
    const char* name;
    std::function<bool(const TempFolder&, const std::string&)> make;  // false: cannot here
    FileFault fault;
    int error;
  };
  const Case cases[] = {
      {"a FIFO",
       [](const TempFolder&, const std::string& p) { return ::mkfifo(p.c_str(), 0600) == 0; },
       FileFault::NotRegularFile, EINVAL},
      {"a socket", [](const TempFolder&, const std::string& p) { return makeSocket(p); },
       FileFault::NotRegularFile, EINVAL},
      {"a device node",
       [](const TempFolder&, const std::string& p) {
         // The null device's numbers: harmless even if it were written.
         return ::mknod(p.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
       },
       FileFault::NotRegularFile, EINVAL},
      {"a folder", [](const TempFolder&, const std::string& p) { return fs::create_directory(p); },
       FileFault::IsFolder, EISDIR},
      {"a link to /dev/null",
       [](const TempFolder&, const std::string& p) {
         return ::symlink("/dev/null", p.c_str()) == 0;
       },
       FileFault::NotRegularFile, EINVAL},
      {"a link to a folder",
       [](const TempFolder& f, const std::string& p) {
         return fs::create_directory(f.file("sub")) && ::symlink("sub", p.c_str()) == 0;
       },
       FileFault::IsFolder, EISDIR},
      {"a link to nothing",
       [](const TempFolder&, const std::string& p) {
         return ::symlink("gone.job", p.c_str()) == 0;
       },
       FileFault::LinkDangling, ENOENT},
      {"a link to another user's file",
       [root](const TempFolder& f, const std::string& p) {
         writeBytes(f.file("theirs.job"), "theirs");
         if (root && ::chown(f.file("theirs.job").c_str(), 65534, 65534) != 0) return false;
         // Not root: a file of root's stands in for another user's.
         const std::string target = root ? "theirs.job" : "/etc/passwd";
         return ::symlink(target.c_str(), p.c_str()) == 0;
       },
       FileFault::LinkNotOwned, EPERM},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const std::string path = folder.file("target.job");
    if (!c.make(folder, path)) {
      std::printf("skipped \"%s\": cannot be made here (%s)\n", c.name, std::strerror(errno));
      continue;
    }
    struct stat before {};
    ASSERT_EQ(::lstat(path.c_str(), &before), 0);
    const fs::path linkedTo = fs::is_symlink(path) ? fs::read_symlink(path) : fs::path();
    const FileResult result = replaceFile(path, "new");
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.fault, c.fault);
    EXPECT_EQ(result.error, c.error);
    EXPECT_EQ(result.message, path + ": " + fileFaultText(c.fault));
    struct stat after {};
    ASSERT_EQ(::lstat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode, before.st_mode);
    if (!linkedTo.empty()) {
      EXPECT_EQ(fs::read_symlink(path), linkedTo);
    }
    if (fs::exists(folder.file("theirs.job"))) {
      EXPECT_EQ(readBytes(folder.file("theirs.job")), "theirs");
    }
    for (const auto& entry : fs::directory_iterator(folder.path()))
      EXPECT_EQ(entry.path().filename().string().find(".saving-"), std::string::npos);
  }
}

}  // namespace
}  // namespace corvana
