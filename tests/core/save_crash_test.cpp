// A save killed at any moment leaves either the whole old file or the whole
// new one: a child process saves a large new version over an existing file
// and is killed with SIGKILL after delays spread over the length of a save.
// Job files and the settings file are both saved this way.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string>

#include "core/job.h"
#include "core/job_file.h"
#include "core/job_manager.h"
#include "core/settings.h"
#include "job_file_fixtures.h"

namespace corvana {
namespace {

using testing::curveSample;
using testing::readFile;
using testing::TempDir;

// A file that is saved in two versions, and how to save each.
struct Writer {
  std::string file;  // its name in the folder
  std::string oldBytes, newBytes;
  std::function<bool(const std::string&path)> saveOld, saveNew;
};

void fill(Job& job, int records, float shift, const std::string& prefix) {
  for (int i = 0; i < records; ++i)
    job.addSample(curveSample(prefix + std::to_string(i), shift + float(i % 50)), false);
}

Writer jobFiles() {
  struct Jobs {
    JobManager manager;
    Job oldJob{manager}, newJob{manager};
  };
  const auto jobs = std::make_shared<Jobs>();
  fill(jobs->oldJob, 500, 0, "old");
  fill(jobs->newJob, 3000, 20, "new");
  return {"batch.job", jobFileText(jobs->oldJob), jobFileText(jobs->newJob),
          [jobs](const std::string& path) { return writeJobFile(jobs->oldJob, path); },
          [jobs](const std::string& path) { return writeJobFile(jobs->newJob, path); }};
}

Writer settingsFile() {
  // The new version is large, to be slow enough to be killed half-way, and
  // still within what a settings file may hold.
  const SettingValue oldValue{"Company|EnglishAddress", "1 Mill Lane"};
  const SettingValue newValue{"Company|EnglishAddress", std::string(600000, 'x')};
  const std::optional<std::string> oldBytes =
      updatedSettingsText(std::nullopt, std::span(&oldValue, 1));
  const std::optional<std::string> newBytes =
      updatedSettingsText(std::nullopt, std::span(&newValue, 1));
  EXPECT_TRUE(oldBytes && newBytes);
  return {
      "Settings.xml", oldBytes.value_or(""), newBytes.value_or(""),
      [oldValue](const std::string& path) { return writeSettings(path, std::span(&oldValue, 1)); },
      [newValue](const std::string& path) { return writeSettings(path, std::span(&newValue, 1)); }};
}

// Saves in a child; kills it after `delay` unless delay is negative.
// Returns true when the child was still running when the signal came.
bool saveInChild(const std::function<bool(const std::string&)>& save, const std::string& path,
                 std::chrono::microseconds delay) {
  const pid_t pid = fork();
  if (pid == 0) _exit(save(path) ? 0 : 1);
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

struct WriterCase {
  const char* name;
  Writer (*make)();
};
void PrintTo(const WriterCase& c, std::ostream* os) { *os << c.name; }

class KilledSave : public ::testing::TestWithParam<WriterCase> {};

TEST_P(KilledSave, LeavesTheOldOrTheNewFileWhole) {
  const Writer writer = GetParam().make();
  TempDir dir;
  const std::string path = dir.path() + "/" + writer.file;
  ASSERT_NE(writer.oldBytes, writer.newBytes);

  // How long an undisturbed save takes here, to spread the kills over it.
  ASSERT_TRUE(writer.saveOld(path));
  ASSERT_EQ(readFile(path), writer.oldBytes);
  const auto start = std::chrono::steady_clock::now();
  saveInChild(writer.saveNew, path, std::chrono::microseconds(-1));
  const auto saveTime = std::chrono::duration_cast<std::chrono::microseconds>(
      std::chrono::steady_clock::now() - start);
  ASSERT_EQ(readFile(path), writer.newBytes);

  constexpr int kKills = 40;
  int sawOld = 0, sawNew = 0, killedRunning = 0;
  for (int i = 0; i < kKills; ++i) {
    ASSERT_TRUE(writer.saveOld(path));
    // From at once to a little beyond a whole save, on a slightly uneven grid.
    const auto delay =
        std::chrono::microseconds(saveTime.count() * 12 * i / (10 * kKills) + (i * 37) % 500);
    if (saveInChild(writer.saveNew, path, delay)) ++killedRunning;
    const std::string now = readFile(path);
    const bool isOld = now == writer.oldBytes, isNew = now == writer.newBytes;
    ASSERT_TRUE(isOld || isNew) << "kill " << i << " after " << delay.count() << " us left "
                                << now.size() << " bytes (old " << writer.oldBytes.size()
                                << ", new " << writer.newBytes.size() << ")";
    sawOld += isOld;
    sawNew += isNew;
  }
  RecordProperty("save_microseconds", int(saveTime.count()));
  RecordProperty("old_seen", sawOld);
  RecordProperty("new_seen", sawNew);
  RecordProperty("killed_while_running", killedRunning);
  // Killing before the save could begin must find the old file.
  EXPECT_GT(sawOld, 0);

  // Left-over temporary files never look like the file itself.
  const std::filesystem::path target(path);
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    const std::string name = entry.path().filename().string();
    if (name == writer.file) continue;
    EXPECT_EQ(name.rfind("." + writer.file + ".", 0), 0u) << name;
    EXPECT_NE(entry.path().extension(), target.extension()) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(Writers, KilledSave,
                         ::testing::Values(WriterCase{"JobFile", &jobFiles},
                                           WriterCase{"Settings", &settingsFile}),
                         [](const ::testing::TestParamInfo<WriterCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace corvana
