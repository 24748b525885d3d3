// The log is appended to and never emptied: two programs sharing one log
// keep each other's lines.
#include "core/log_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "settings_fixtures.h"

namespace corvana {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

TEST(LogFile, TwoProgramsKeepEachOthersLines) {
  TempFolder folder;
  const std::string path = folder.file("log.txt");
  writeBytes(path, "an earlier run\n");
  LogFile first;
  ASSERT_TRUE(first.open(path));
  ASSERT_TRUE(first.append("first program started"));
  // A second program starts while the first runs, and writes its own line.
  const pid_t pid = ::fork();
  if (pid == 0) {
    LogFile second;
    ::_exit(second.open(path) && second.append("second program started") ? 0 : 1);
  }
  ASSERT_GT(pid, 0);
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  ASSERT_TRUE(first.append("first program goes on"));
  EXPECT_EQ(readBytes(path),
            "an earlier run\nfirst program started\nsecond program started\n"
            "first program goes on\n");
}

TEST(LogFile, OnlyARegularFileIsOpened) {
  TempFolder folder;
  ASSERT_EQ(::mkfifo(folder.file("pipe").c_str(), 0600), 0);
  std::filesystem::create_directory(folder.file("folder"));
  for (const std::string& path :
       {folder.file("pipe"), folder.file("folder"), std::string("/dev/null"),
        folder.file("missing/log.txt"), std::string()}) {
    SCOPED_TRACE(path);
    LogFile log;
    EXPECT_FALSE(log.open(path));
    EXPECT_FALSE(log.isOpen());
    EXPECT_FALSE(log.append("nothing"));
  }
  LogFile log;
  ASSERT_TRUE(log.open(folder.file("new.txt")));
  EXPECT_TRUE(log.append("x"));
  EXPECT_EQ(readBytes(folder.file("new.txt")), "x\n");
}

}  // namespace
}  // namespace corvana
