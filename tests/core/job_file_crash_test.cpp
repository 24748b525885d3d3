// A save killed at any moment leaves either the whole old file or the whole
// new one: a child process saves a large job over an existing file and is
// killed with SIGKILL after delays spread over the length of a save.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "core/job.h"
#include "core/job_file.h"
#include "core/job_manager.h"
#include "job_file_fixtures.h"

namespace corvana {
namespace {

using testing::curveSample;
using testing::readFile;
using testing::TempDir;

void fill(Job& job, int records, float shift, const std::string& prefix) {
  for (int i = 0; i < records; ++i) job.addSample(curveSample(prefix + std::to_string(i), shift + float(i % 50)), false);
}

// Saves in a child; kills it after `delay` unless delay is negative.
// Returns true when the child was still running when the signal came.
bool saveInChild(Job& job, const std::string& path, std::chrono::microseconds delay) {
  const pid_t pid = fork();
  if (pid == 0) {
    std::string error;
    _exit(writeJobFile(job, path, &error) ? 0 : 1);
  }
  EXPECT_GT(pid, 0);
  if (pid <= 0) return false;
  if (delay.count() >= 0) {
    usleep(useconds_t(delay.count()));
    kill(pid, SIGKILL);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  if (delay.count() < 0) {
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  return WIFSIGNALED(status);
}

TEST(JobFileCrash, KilledSaveLeavesTheOldOrTheNewFileWhole) {
  TempDir dir;
  const std::string path = dir.path() + "/batch.job";
  JobManager manager;
  Job oldJob(manager), newJob(manager);
  fill(oldJob, 500, 0, "old");
  fill(newJob, 3000, 20, "new");
  const std::string oldBytes = jobFileText(oldJob);
  const std::string newBytes = jobFileText(newJob);
  ASSERT_NE(oldBytes, newBytes);

  // How long an undisturbed save takes here, to spread the kills over it.
  ASSERT_TRUE(writeJobFile(oldJob, path));
  const auto start = std::chrono::steady_clock::now();
  saveInChild(newJob, path, std::chrono::microseconds(-1));
  const auto saveTime = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
  ASSERT_EQ(readFile(path), newBytes);

  constexpr int kKills = 40;
  int sawOld = 0, sawNew = 0, killedRunning = 0;
  for (int i = 0; i < kKills; ++i) {
    ASSERT_TRUE(writeJobFile(oldJob, path));
    // From at once to a little beyond a whole save, on a slightly uneven grid.
    const auto delay = std::chrono::microseconds(saveTime.count() * 12 * i / (10 * kKills) + (i * 37) % 500);
    if (saveInChild(newJob, path, delay)) ++killedRunning;
    const std::string now = readFile(path);
    const bool isOld = now == oldBytes, isNew = now == newBytes;
    ASSERT_TRUE(isOld || isNew) << "kill " << i << " after " << delay.count() << " us left " << now.size()
                                << " bytes (old " << oldBytes.size() << ", new " << newBytes.size() << ")";
    sawOld += isOld;
    sawNew += isNew;
  }
  RecordProperty("save_microseconds", int(saveTime.count()));
  RecordProperty("old_seen", sawOld);
  RecordProperty("new_seen", sawNew);
  RecordProperty("killed_while_running", killedRunning);
  // Killing before the save could begin must find the old file.
  EXPECT_GT(sawOld, 0);

  // Left-over temporary files never look like a job file.
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    const std::string name = entry.path().filename().string();
    if (name == "batch.job") continue;
    EXPECT_EQ(name.rfind(".batch.job.", 0), 0u) << name;
    EXPECT_NE(entry.path().extension(), ".job") << name;
  }
}

}  // namespace
}  // namespace corvana
