// Job files named on the command line: read before the window shows, a
// failure reported after it is up, worded in the language chosen by then.
#include "qt/command_line_jobs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

#include "core/job_manager.h"
#include "core/language_table.h"
#include "qt/child_frame.h"
#include "qt/main_frame.h"
#include "tests/core/fifo_without_writer.h"
#include "ui_test_support.h"

namespace corvana {
namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

TEST(CommandLineJobs, TheJobFileArguments) {
  const char* args[] = {"corvana",  "/lang:chinesesimplified", "a.job", "B.JOB", "notes.txt",
                        "dir/c.job"};
  const QDir here;
  EXPECT_EQ(commandLineJobFiles(6, const_cast<char**>(args)),
            (QStringList{here.absoluteFilePath("a.job"), here.absoluteFilePath("B.JOB"),
                         here.absoluteFilePath("dir/c.job")}));
  EXPECT_EQ(commandLineJobFiles(1, const_cast<char**>(args)), QStringList{});
}

TEST(CommandLineJobs, FailuresAreReportedOnceTheWindowIsUpInItsLanguage) {
  LanguageIndex = English;
  testing::MessageRecorder messages;
  QTemporaryDir dir;
  const QString missing = dir.filePath("missing.job");
  const QString sheet = dir.filePath("sheet.job");
  const QString good = dir.filePath("good.job");
  writeFile(sheet, "Name,L,a,b\r\nStandard1,52.1,1.2,-3.4\r\n");
  writeFile(good, "<Job Name=\"From the command line\" />\r\n");
  {
    CMainFrame frame;
    CChildFrame* first = frame.newJob();
    ASSERT_NE(first, nullptr);
    openCommandLineJobs(frame, *first, {missing, sheet, good});
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(first->job().title, "From the command line");
    // The start-up language is decided after the files are read.
    LanguageIndex = ChineseSimplified;
    frame.show();
    QApplication::processEvents();
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].text, QString::fromUtf8("打开文件失败！\n") + missing +
                                             QString::fromUtf8(": 文件不存在。\n") +
                                             QString::fromUtf8(std::strerror(ENOENT)));
    // A file with content that is not XML, once reported as an empty document.
    EXPECT_EQ(messages.messages[1].text,
              QString::fromUtf8("打开文件失败！\n") + sheet +
                  QString::fromUtf8(": 该文件不是 XML；工作文件是 XML 文本。"));
    for (CChildFrame* c : frame.children()) c->job().setModified(false);
  }
  LanguageIndex = English;
}

// A job named on the command line that is a FIFO (or a device) is refused
// from its stat: the window comes up instead of waiting for a writer.
TEST(CommandLineJobs, AFifoIsRefusedInsteadOfWaitedOn) {
  LanguageIndex = English;
  testing::MessageRecorder messages;
  QTemporaryDir dir;
  corvana::testing::FifoWithoutWriter fifo(dir.filePath("pipe.job").toStdString());
  ASSERT_TRUE(fifo.made());
  const QString pipe = QString::fromStdString(fifo.path());
  {
    CMainFrame frame;
    CChildFrame* first = frame.newJob();
    ASSERT_NE(first, nullptr);
    first->job().setTitle("Untouched");
    openCommandLineJobs(frame, *first, {pipe, QStringLiteral("/dev/zero")});
    frame.show();
    QApplication::processEvents();
    ASSERT_EQ(messages.messages.size(), 2u);
    const QString refused = QString::fromStdString(LookupText(Text::NotRegularFile));
    EXPECT_EQ(messages.messages[0].text, "Open file failed!\n" + pipe + ": " + refused);
    EXPECT_EQ(messages.messages[1].text, "Open file failed!\n/dev/zero: " + refused);
    EXPECT_EQ(first->job().title, "Untouched");
    for (CChildFrame* c : frame.children()) c->job().setModified(false);
  }
}

}  // namespace
}  // namespace corvana
