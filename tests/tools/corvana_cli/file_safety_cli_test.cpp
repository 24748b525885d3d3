// corvana-cli and the files it is given: a job that is not a regular file is
// refused at once, a save never replaces a device, a FIFO or a folder and
// writes through a link, and a report that cannot be written whole exits 1
// with the old file byte for byte as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/job.h"
#include "core/job_file.h"
#include "core/job_manager.h"
#include "core/language_table.h"
#include "tests/core/full_disk.h"
#include "tests/tools/corvana_cli/cli_run.h"

namespace {

namespace fs = std::filesystem;

using corvana::LookupText;
using corvana::Text;
using corvana::testing::CliRun;
using corvana::testing::slurp;

// Far more than any of these runs takes; only a program that hangs meets it.
constexpr const char* kWithin = "timeout 60";

struct ReportKind {
  const char* kind;
  const char* extension;
  const char* options;
};
const ReportKind kReports[] = {
    {"diff", ".pdf", ""},
    {"cumulative", ".pdf", ""},
    {"opacity", ".pdf", " --white 1 --black 2"},
    {"word-diff", ".docx", ""},
    {"word-cumulative", ".docx", ""},
    {"word-opacity", ".docx", " --white 1 --black 2"},
    {"spreadsheet", ".xlsx", ""},
};

struct FileSafetyCli : ::testing::Test {
  fs::path base;
  std::string job;

  void SetUp() override {
    char dir[] = "/tmp/corvana-cli-files-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    base = dir;
    corvana::JobManager manager;
    corvana::Job j(manager);
    corvana::MeasurementRecord r;
    r.UseReflect = true;
    r.reflectance.fill(0.4f);
    r.setName("current standard");
    j.addStandard(r, true);
    for (const char* name : {"lot 1", "lot 2"}) {
      r.setName(name);
      r.reflectance[10] += 0.05f;
      j.addSample(r, true);
    }
    job = (base / "a.job").string();
    ASSERT_TRUE(corvana::writeJobFile(j, job));
  }
  void TearDown() override { fs::remove_all(base); }

  static CliRun cli(const std::string& args, const std::string& prefix = kWithin) {
    return corvana::testing::runCli(args, {}, {.prefix = prefix});
  }
  std::string path(const std::string& name) const { return (base / name).string(); }
  static std::string quoted(const std::string& s) { return "'" + s + "'"; }
  static std::string reportArgs(const ReportKind& k, const std::string& job,
                                const std::string& out) {
    return std::string("report ") + k.kind + " " + quoted(job) + " " + quoted(out) + k.options;
  }
};

std::vector<std::string> namesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

#ifdef CORVANA_CLI_PRINT
constexpr bool kPrinted = true;
#else
constexpr bool kPrinted = false;
#endif

bool available(const ReportKind& k) { return kPrinted || std::string(k.extension) != ".pdf"; }

TEST_F(FileSafetyCli, AJobThatIsNotARegularFileIsRefusedAtOnce) {
  ASSERT_EQ(::mkfifo(path("pipe.job").c_str(), 0600), 0);
  const std::string notRegular = LookupText(Text::NotRegularFile);
  const struct {
    std::string file;
    std::string sentence;
  } cases[] = {{path("pipe.job"), notRegular},
               {"/dev/zero", notRegular},
               {"/dev/null", notRegular},
               {base.string(), LookupText(Text::FileIsFolder)}};
  for (const auto& c : cases) {
    for (const std::string& args :
         {"job " + quoted(c.file),
          "report spreadsheet " + quoted(c.file) + " " + quoted(path("out.xlsx"))}) {
      SCOPED_TRACE(args);
      const CliRun run = cli(args);
      EXPECT_EQ(run.status, 1) << "124: the program hung";
      EXPECT_NE(run.err.find(c.file + ": " + c.sentence), std::string::npos) << run.err;
      // The file is named once.
      EXPECT_EQ(run.err.find(c.file + ": " + c.file), std::string::npos) << run.err;
    }
  }
  EXPECT_FALSE(fs::exists(path("out.xlsx")));
}

TEST_F(FileSafetyCli, ASaveNeverReplacesWhatIsNotARegularFile) {
  ASSERT_EQ(::mkfifo(path("pipe.job").c_str(), 0600), 0);
  fs::create_directory(path("folder"));
  const bool node = ::mknod(path("null").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
  struct Case {
    std::string target;
    Text sentence;
    bool made;
  };
  const Case cases[] = {
      {path("pipe.job"), Text::NotRegularFile, true},
      {path("null"), Text::NotRegularFile, node},
      {path("folder"), Text::TargetIsFolder, true},
      {path("folder") + "/", Text::TargetHasNoFileName, true},
      {path("missing") + "/", Text::TargetHasNoFileName, true},
  };
  for (const Case& c : cases) {
    if (!c.made) {
      std::printf("skipped %s: mknod needs root\n", c.target.c_str());
      continue;
    }
    SCOPED_TRACE(c.target);
    struct stat before {};
    ::lstat(c.target.c_str(), &before);
    const CliRun run = cli("job " + quoted(job) + " --save " + quoted(c.target));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(c.target + ": " + LookupText(c.sentence)), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("Not a directory"), std::string::npos) << run.err;
    struct stat after {};
    if (::lstat(c.target.c_str(), &after) == 0) {
      EXPECT_EQ(after.st_mode, before.st_mode);
      EXPECT_EQ(after.st_ino, before.st_ino);
    }
  }
  EXPECT_TRUE(fs::is_empty(path("folder")));
  EXPECT_FALSE(fs::exists(path("missing")));
}

TEST_F(FileSafetyCli, ASaveThroughALinkWritesItsTargetAndKeepsTheLink) {
  fs::create_directory(path("kept"));
  std::ofstream(path("kept/real.job")) << "old";
  fs::create_symlink("kept/real.job", path("link.job"));
  const CliRun run = cli("job " + quoted(job) + " --save " + quoted(path("link.job")));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(fs::is_symlink(path("link.job")));
  EXPECT_EQ(fs::read_symlink(path("link.job")), "kept/real.job");
  EXPECT_EQ(cli("job " + quoted(path("kept/real.job"))).out, cli("job " + quoted(job)).out);
  EXPECT_EQ(namesIn(path("kept")), std::vector<std::string>{"real.job"});
}

// The file system takes the first kilobyte of a file and refuses the rest
// (ulimit -f; the signal that would end the program is ignored), as a disk
// that fills up: every report fails, and the old one stays.
TEST_F(FileSafetyCli, AReportCutShortExitsOneAndKeepsTheOldFile) {
  for (const ReportKind& k : kReports) {
    if (!available(k)) continue;
    SCOPED_TRACE(k.kind);
    const std::string out = path(std::string("old-") + k.kind + k.extension);
    const CliRun good = cli(reportArgs(k, job, out));
    ASSERT_EQ(good.status, 0) << good.err;
    const std::string old = slurp(out);
    ASSERT_GT(old.size(), 1024u);
    const CliRun cut =
        cli(reportArgs(k, job, out), "trap '' XFSZ; ulimit -f 2; " + std::string(kWithin));
    EXPECT_EQ(cut.status, 1) << cut.err;
    EXPECT_FALSE(cut.err.empty());
    const std::string now = slurp(out);
    EXPECT_TRUE(now == old) << now.size() << " bytes now, " << old.size() << " before";
  }
  for (const std::string& name : namesIn(base))
    EXPECT_EQ(name.find(".saving-"), std::string::npos) << name;
}

// A real full disk: a tmpfs holding the good old reports, the rest taken.
TEST_F(FileSafetyCli, AReportOntoAFullDiskExitsOneAndKeepsTheOldFile) {
  corvana::testing::FullDisk disk(16 << 20);
  if (!disk.mounted()) GTEST_SKIP() << disk.skipReason();
  std::vector<std::pair<std::string, std::string>> olds;
  for (const ReportKind& k : kReports) {
    if (!available(k)) continue;
    const std::string out = disk.file(std::string("report-") + k.kind + k.extension);
    const CliRun good = cli(reportArgs(k, job, out));
    ASSERT_EQ(good.status, 0) << k.kind << ": " << good.err;
    olds.emplace_back(out, slurp(out));
  }
  ASSERT_TRUE(disk.fill());
  std::size_t i = 0;
  for (const ReportKind& k : kReports) {
    if (!available(k)) continue;
    SCOPED_TRACE(k.kind);
    const auto& [out, old] = olds[i++];
    const CliRun full = cli(reportArgs(k, job, out));
    EXPECT_EQ(full.status, 1) << full.err;
    EXPECT_FALSE(full.err.empty());
    const std::string now = slurp(out);
    EXPECT_TRUE(now == old) << now.size() << " bytes now, " << old.size() << " before";
  }
  for (const std::string& name : namesIn(disk.file("")))
    EXPECT_EQ(name.find(".saving-"), std::string::npos) << name;
}

TEST_F(FileSafetyCli, AFailedReportNamesItsPlaceOnce) {
  const std::string missing = path("missing");
  for (const ReportKind& k : kReports) {
    if (!available(k)) continue;
    SCOPED_TRACE(k.kind);
    const CliRun run = cli(reportArgs(k, job, missing + "/report" + k.extension));
    EXPECT_EQ(run.status, 1);
    // One message (Qt may add a note of its own), naming the missing folder once.
    std::size_t messages = 0;
    for (std::size_t at = run.err.find("corvana-cli: "); at != std::string::npos;
         at = run.err.find("corvana-cli: ", at + 1))
      ++messages;
    EXPECT_EQ(messages, 1u) << run.err;
    std::size_t named = 0;
    for (std::size_t at = run.err.find(missing); at != std::string::npos;
         at = run.err.find(missing, at + 1))
      ++named;
    EXPECT_EQ(named, 1u) << run.err;
  }
}

}  // namespace
