// Why a job file did not open or save: the fault found for each kind of bad
// file, and its wording in each language with the system's reason after it.
#include "core/job_file_error.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/job.h"
#include "core/job_file.h"
#include "core/job_manager.h"
#include "core/language_table.h"
#include "fifo_without_writer.h"
#include "job_file_fixtures.h"

namespace corvana {
namespace {

using testing::TempDir;

const std::string kFixtures = CORVANA_OPEN_FIXTURES;

class JobFileErrorTest : public ::testing::Test {
 protected:
  void TearDown() override { LanguageIndex = English; }
  JobManager manager;
};

TEST_F(JobFileErrorTest, EachBadFileGetsItsOwnFault) {
  struct Case {
    const char* file;
    JobFileFault fault;
    int line;  // MalformedXml only
  };
  const Case cases[] = {
      {"no-such-file.job", JobFileFault::FileMissing, 0},
      {"no-such-folder/a.job", JobFileFault::FileMissing, 0},
      {"", JobFileFault::IsFolder, 0},  // the fixture folder itself
      {"empty.job", JobFileFault::Empty, 0},
      {"blank.job", JobFileFault::Empty, 0},
      {"byte_order_mark_only.job", JobFileFault::Empty, 0},
      // Text with content, which TinyXML calls an empty document.
      {"spreadsheet.job", JobFileFault::NotXml, 0},
      {"utf16.job", JobFileFault::WideEncoding, 0},
      {"utf16_without_bom.job", JobFileFault::WideEncoding, 0},
      {"binary.job", JobFileFault::NotText, 0},
      {"malformed.job", JobFileFault::MalformedXml, 5},
      {"repeated_attribute.job", JobFileFault::MalformedXml, 2},
      // Found by TinyXML itself, past the shape check.
      {"mismatched_end_tag.job", JobFileFault::MalformedXml, 4},
      {"web_page.job", JobFileFault::NotJobFile, 0},
      {"nested_too_deep.job", JobFileFault::NestedTooDeep, 0},
      {"too_many_attributes.job", JobFileFault::TooManyAttributes, 0},
      {"job_element_only.job", JobFileFault::None, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string path = kFixtures + "/" + c.file;
    Job job(manager);
    job.setTitle("Before");
    JobFileError error;
    EXPECT_EQ(readJobFile(job, path, error), c.fault == JobFileFault::None);
    EXPECT_EQ(error.fault, c.fault);
    EXPECT_EQ(error.line, c.line);
    if (c.fault == JobFileFault::None) {
      EXPECT_EQ(job.title, "Fixture");
      continue;
    }
    EXPECT_EQ(job.title, "Before");
    EXPECT_EQ(error.path, path);
    if (c.fault == JobFileFault::MalformedXml) {
      EXPECT_GT(error.column, 0);
    }
    if (c.fault == JobFileFault::NestedTooDeep || c.fault == JobFileFault::TooManyAttributes) {
      EXPECT_EQ(error.limit, c.fault == JobFileFault::NestedTooDeep ? 64 : 128);
    }
  }
}

TEST_F(JobFileErrorTest, SystemRefusalsAndTheSizeLimit) {
  const std::pair<int, JobFileFault> errors[] = {
      {ENOENT, JobFileFault::FileMissing}, {ENOTDIR, JobFileFault::FileMissing},
      {EACCES, JobFileFault::NotReadable}, {EPERM, JobFileFault::NotReadable},
      {EISDIR, JobFileFault::IsFolder},    {EFBIG, JobFileFault::TooLarge},
      {EIO, JobFileFault::ReadFailed},     {0, JobFileFault::None},
  };
  for (const auto& [error, fault] : errors) EXPECT_EQ(readFaultOf(error), fault) << error;

  // A sparse file past the limit: refused by its size, before any read.
  TempDir dir;
  const std::string big = dir.path() + "/big.job";
  testing::writeFile(big, "<Job />");
  ASSERT_EQ(::truncate(big.c_str(), (off_t(1) << 30) + 1), 0);
  Job job(manager);
  JobFileError e;
  EXPECT_FALSE(readJobFile(job, big, e));
  EXPECT_EQ(e.fault, JobFileFault::TooLarge);
}

// A job is a regular file: a FIFO would wait for a writer that never comes,
// a device has no end or none at all. Each is refused from its stat.
TEST_F(JobFileErrorTest, OnlyARegularFileOpensAsAJob) {
  TempDir dir;
  testing::FifoWithoutWriter fifo(dir.path() + "/pipe.job");
  ASSERT_TRUE(fifo.made());
  const std::string socketPath = dir.path() + "/socket.job";
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  for (const std::string& path :
       {fifo.path(), socketPath, std::string("/dev/null"), std::string("/dev/zero")}) {
    SCOPED_TRACE(path);
    Job job(manager);
    job.setTitle("Before");
    JobFileError e;
    EXPECT_FALSE(readJobFile(job, path, e));
    EXPECT_EQ(e.fault, JobFileFault::NotRegularFile);
    EXPECT_EQ(e.systemError, 0);
    EXPECT_EQ(job.title, "Before");
    EXPECT_EQ(jobFileErrorText(e), LookupText(Text::OpenFileFailed) + "\n" + path + ": " +
                                       LookupText(Text::NotRegularFile));
  }
  ::close(fd);
}

// A save onto a folder says so, instead of the system's "Not a directory"
// or "Is a directory".
TEST_F(JobFileErrorTest, ASaveOntoAFolderSaysTheTargetIsAFolder) {
  TempDir dir;
  const std::string folder = dir.path() + "/jobs";
  std::filesystem::create_directory(folder);
  const struct {
    std::string path;
    Text sentence;
  } cases[] = {{folder, Text::TargetIsFolder},
               {folder + "/", Text::TargetHasNoFileName},
               {dir.path() + "/new/", Text::TargetHasNoFileName}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    Job job(manager);
    JobFileError e;
    EXPECT_FALSE(writeJobFile(job, c.path, e));
    EXPECT_EQ(e.fault, JobFileFault::SaveFailed);
    EXPECT_EQ(e.systemError, 0);
    EXPECT_EQ(jobFileErrorText(e),
              LookupText(Text::JobNotSaved) + "\n" + c.path + ": " + LookupText(c.sentence));
  }
  EXPECT_TRUE(std::filesystem::is_empty(folder));
  EXPECT_FALSE(std::filesystem::exists(dir.path() + "/new"));
}

TEST_F(JobFileErrorTest, AFileWithoutReadPermission) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file, whatever its permissions";
  TempDir dir;
  const std::string path = dir.path() + "/locked.job";
  testing::writeFile(path, "<Job />");
  ASSERT_EQ(::chmod(path.c_str(), 0), 0);
  Job job(manager);
  JobFileError e;
  EXPECT_FALSE(readJobFile(job, path, e));
  EXPECT_EQ(e.fault, JobFileFault::NotReadable);
  EXPECT_EQ(e.systemError, EACCES);
}

TEST_F(JobFileErrorTest, ReportsInEachLanguageWithTheSystemReasonAfter) {
  TempDir dir;
  const std::string missing = dir.path() + "/missing.job";
  const std::string noFolder = dir.path() + "/none/a.job";
  Job job(manager);
  JobFileError open, save;
  ASSERT_FALSE(readJobFile(job, missing, open));
  ASSERT_FALSE(writeJobFile(job, noFolder, save));
  EXPECT_EQ(save.fault, JobFileFault::SaveFailed);
  EXPECT_EQ(save.systemError, ENOENT);
  const std::string system = std::strerror(ENOENT);
  struct Case {
    Language language;
    std::string open, save;
  };
  const Case cases[] = {
      {English, "Open file failed!\n" + missing + ": The file does not exist.\n" + system,
       "The job could not be saved.\n" + dir.path() + "/none: " + system},
      {ChineseSimplified, "打开文件失败！\n" + missing + ": 文件不存在。\n" + system,
       "无法保存工作。\n" + dir.path() + "/none: " + system},
      {ChineseTraditional, "開啟檔案失敗！\n" + missing + ": 檔案不存在。\n" + system,
       "無法保存工作。\n" + dir.path() + "/none: " + system},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.language));
    // Worded when shown: the language of the moment, not of the read.
    LanguageIndex = c.language;
    EXPECT_EQ(jobFileErrorText(open), c.open);
    EXPECT_EQ(jobFileErrorText(save), c.save);
  }
}

TEST_F(JobFileErrorTest, SentencesWithTheirNumbers) {
  JobFileError malformed;
  malformed.fault = JobFileFault::MalformedXml;
  malformed.line = 5;
  malformed.column = 32;
  malformed.xmlReason = "Error parsing Element.";
  JobFileError deep;
  deep.fault = JobFileFault::NestedTooDeep;
  deep.limit = 64;
  JobFileError unplaced;
  unplaced.fault = JobFileFault::MalformedXml;
  JobFileError unnamed;
  unnamed.fault = JobFileFault::NoFileName;
  LanguageIndex = ChineseSimplified;
  EXPECT_EQ(jobFileErrorText(malformed),
            "打开文件失败！\n文件的 XML 格式错误（第 5 行，第 32 列）。\nError parsing Element.");
  EXPECT_EQ(jobFileFaultText(deep), "文件中的元素嵌套超过 64 层，超出工作文件的范围。");
  EXPECT_EQ(jobFileFaultText(unplaced), "文件的 XML 格式错误。");
  EXPECT_EQ(jobFileErrorText(unnamed), "无法保存工作。\n工作没有文件名。");
  LanguageIndex = English;
  EXPECT_EQ(jobFileErrorText(unnamed), "The job could not be saved.\nThe job has no file name.");
  EXPECT_EQ(jobFileErrorText(JobFileError{}), "");
}

}  // namespace
}  // namespace corvana
