// Temporaries of a save that was killed are removed by the next save of the
// same file; one that a live save still holds is kept.
#include "core/saving_temporary.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "core/file_io.h"
#include "settings_fixtures.h"

namespace corvana {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

std::vector<std::string> temporariesOf(const std::string& folder, const std::string& name) {
  std::vector<std::string> found;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string file = entry.path().filename().string();
    if (file.starts_with("." + name + ".saving-")) found.push_back(file);
  }
  std::sort(found.begin(), found.end());
  return found;
}

// A child process that is saving `path` and stops in the middle of writing
// its temporary, until it is killed.
pid_t saveThatHangs(const std::string& path) {
  int ready[2];
  if (::pipe(ready) != 0) return -1;
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(ready[0]);
    writeFileThrough(path, FileKind::Any, [&](const TemporaryFile& file) {
      (void)!::write(file.fd, "half", 4);
      (void)!::write(ready[1], "x", 1);
      for (;;) ::pause();
      return std::string();
    });
    ::_exit(1);
  }
  ::close(ready[1]);
  char x = 0;
  const bool started = pid > 0 && ::read(ready[0], &x, 1) == 1;
  ::close(ready[0]);
  return started ? pid : -1;
}

void killAndWait(pid_t pid) {
  ::kill(pid, SIGKILL);
  int status = 0;
  ::waitpid(pid, &status, 0);
}

// Ends a hanging child however the test leaves.
struct Reaper {
  pid_t pid;
  ~Reaper() {
    if (pid > 0) killAndWait(pid);
  }
};

TEST(SavingTemporary, AKilledSavesTemporaryGoesWithTheNextSaveALiveOneStays) {
  TempFolder folder;
  const std::string path = folder.file("batch.job");
  writeBytes(path, "old");
  // Names that only look alike are never touched.
  const std::vector<std::string> strangers = {".batch.job.saving-abc", ".other.job.saving-abcdef",
                                              ".batch.job.saving-abcdefg"};
  for (const std::string& name : strangers) writeBytes(folder.file(name), "keep");
  ASSERT_EQ(::mkfifo(folder.file(".batch.job.saving-fifo00").c_str(), 0600), 0);

  const std::vector<std::string> before = temporariesOf(folder.path(), "batch.job");
  const auto added = [&](const std::vector<std::string>& earlier) {
    const std::vector<std::string> now = temporariesOf(folder.path(), "batch.job");
    std::vector<std::string> fresh;
    std::set_difference(now.begin(), now.end(), earlier.begin(), earlier.end(),
                        std::back_inserter(fresh));
    return fresh;
  };
  // The live save first: a save starting later must keep its temporary.
  Reaper live{saveThatHangs(path)};
  ASSERT_GT(live.pid, 0);
  const std::vector<std::string> liveOnes = added(before);
  ASSERT_EQ(liveOnes.size(), 1u);
  Reaper killed{saveThatHangs(path)};
  ASSERT_GT(killed.pid, 0);
  killAndWait(std::exchange(killed.pid, -1));
  std::vector<std::string> withLive = before;
  withLive.push_back(liveOnes[0]);
  std::sort(withLive.begin(), withLive.end());
  ASSERT_EQ(added(withLive).size(), 1u);  // the killed save's

  const FileResult saved = replaceFile(path, "new");
  ASSERT_TRUE(saved.ok()) << saved.message;
  EXPECT_EQ(readBytes(path), "new");
  // The killed save's temporary is gone; the live one's, the FIFO and the
  // names of another length stay.
  EXPECT_EQ(temporariesOf(folder.path(), "batch.job"), withLive);
  for (const std::string& name : strangers) EXPECT_EQ(readBytes(folder.file(name)), "keep");

  // Once the live save is gone too, the next save clears its temporary.
  killAndWait(std::exchange(live.pid, -1));
  ASSERT_TRUE(replaceFile(path, "newer").ok());
  EXPECT_EQ(temporariesOf(folder.path(), "batch.job"), before);
}

TEST(SavingTemporary, AnotherDescriptorHoldingTheLockKeepsTheTemporary) {
  TempFolder folder;
  const std::string path = folder.file("Settings.xml");
  std::string held;
  const int fd = createLockedTemporary(path, held);
  ASSERT_GE(fd, 0);
  EXPECT_TRUE(held.starts_with(temporaryPrefix(path)));
  EXPECT_EQ(removeStaleTemporaries(path), 0);
  EXPECT_TRUE(std::filesystem::exists(held));
  ::close(fd);
  EXPECT_EQ(removeStaleTemporaries(path), 1);
  EXPECT_FALSE(std::filesystem::exists(held));
}

}  // namespace
}  // namespace corvana
