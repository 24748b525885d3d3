// Job > Export Data through the job window: the workbook lands in the
// documents folder and goes to the desktop, which the test stands in for.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>

#include "core/command_table.h"
#include "core/job_manager.h"
#include "core/language_table.h"
#include "qt/child_frame.h"
#include "qt/main_frame.h"
#include "qt/open_document.h"
#include "qt/views/record_list_view.h"
#include "tests/core/job_fixtures.h"
#include "tests/core/settings_fixtures.h"
#include "ui_test_support.h"

namespace corvana {
namespace {

// The text of a string cell of the workbook's sheet, empty when the cell is missing.
QString stringCell(const QString& xlsx, const QString& reference) {
  const auto part = [&](const char* name) {
    QProcess unzip;
    unzip.start("unzip", {"-p", xlsx, name});
    unzip.waitForFinished();
    return QString::fromUtf8(unzip.readAllStandardOutput());
  };
  const QString sheet = part("xl/worksheets/sheet1.xml");
  const QRegularExpressionMatch cell =
      QRegularExpression("<c r=\"" + reference + "\" t=\"inlineStr\"><is><t[^>]*>([^<]*)</t></is>")
          .match(sheet);
  return cell.hasMatch() ? cell.captured(1) : QString();
}

class ExportDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home.isValid());
    documents = home.filePath("documents/qc");  // made by the command
    setenv("XDG_DOCUMENTS_DIR", documents.toUtf8().constData(), 1);
    ui::setDocumentOpener([this](const QUrl& url) {
      opened.push_back(url);
      return desktopOpens;
    });
    LanguageIndex = English;
    frame = std::make_unique<CMainFrame>();
    child = frame->newJob();
    frame->show();
    Job& job = child->job();
    job.addStandard(testing::curveSample("first standard", 0), false);
    job.addStandard(testing::curveSample("current standard", 4), true);
    job.addSample(testing::curveSample("P1", 2, "X"), false);
    job.addSample(testing::curveSample("P2", 3, "Y"), false);
    job.addSample(testing::curveSample("P3", 5, "X"), false);
  }
  void TearDown() override {
    for (CChildFrame* c : frame->children()) c->job().setModified(false);
    frame.reset();
    ui::setDocumentOpener({});
    unsetenv("XDG_DOCUMENTS_DIR");
  }
  QStringList exported() const {
    return QDir(documents).entryList({"Export Data *.xlsx"}, QDir::Files);
  }

  QTemporaryDir home;
  QString documents;
  std::vector<QUrl> opened;
  bool desktopOpens = true;
  std::unique_ptr<CMainFrame> frame;
  CChildFrame* child = nullptr;
};

TEST_F(ExportDataTest, SelectedRowsInListOrderGoToTheDocumentsFolderAndTheDesktop) {
  testing::MessageRecorder messages;
  ASSERT_TRUE(frame->action(CmdExportData)->isEnabled());
  child->standardView()->selectRecords({0});
  child->sampleView()->selectRecords({2, 0});
  frame->action(CmdExportData)->trigger();

  ASSERT_EQ(exported().size(), 1) << documents.toStdString();
  const QString file = QDir(documents).filePath(exported().front());
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened.front().toLocalFile(), file);
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(stringCell(file, "B3"), "first standard");
  EXPECT_EQ(stringCell(file, "B42"), "P1");  // the list shows P1 above P3
  EXPECT_EQ(stringCell(file, "C42"), "P3");
  EXPECT_EQ(stringCell(file, "D42"), "");
}

TEST_F(ExportDataTest, WithoutSelectionTheCurrentStandardAndTheSamplesTheListShows) {
  testing::MessageRecorder messages;
  RecordListModel& samples = child->sampleView()->model();
  samples.setFilter("X");
  samples.clickHeading(1);  // Name, ascending
  samples.clickHeading(1);  // and descending
  child->runCommand(CmdExportData);

  ASSERT_EQ(exported().size(), 1);
  const QString file = QDir(documents).filePath(exported().front());
  EXPECT_EQ(stringCell(file, "B3"), "current standard");
  EXPECT_EQ(stringCell(file, "C3"), "");
  EXPECT_EQ(stringCell(file, "B42"), "P3");
  EXPECT_EQ(stringCell(file, "C42"), "P1");
  EXPECT_EQ(stringCell(file, "D42"), "");
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ExportDataTest, SaysWhereTheFileIsWhenNoProgramOpensIt) {
  testing::MessageRecorder messages;
  desktopOpens = false;
  child->runCommand(CmdExportData);
  ASSERT_EQ(exported().size(), 1);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].icon, ui::MessageIcon::Information);
  EXPECT_TRUE(messages.messages[0].text.contains(QDir(documents).filePath(exported().front())))
      << messages.messages[0].text.toStdString();
}

TEST_F(ExportDataTest, AFolderThatCannotBeMadeIsReportedWithTheReason) {
  testing::MessageRecorder messages;
  QFile plain(home.filePath("plain"));
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();
  documents = home.filePath("plain/documents");
  setenv("XDG_DOCUMENTS_DIR", documents.toUtf8().constData(), 1);
  child->runCommand(CmdExportData);
  EXPECT_TRUE(opened.empty());
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].icon, ui::MessageIcon::Stop);
  EXPECT_TRUE(messages.messages[0].text.startsWith("The file could not be written:\n"));
  EXPECT_TRUE(messages.messages[0].text.contains(home.filePath("plain")))
      << messages.messages[0].text.toStdString();
  EXPECT_TRUE(messages.messages[0].text.contains("Not a directory"));
}

TEST_F(ExportDataTest, ExportingAgainKeepsTheEarlierWorkbook) {
  testing::MessageRecorder messages;
  // Usually within the same second, so under the same name but for " (2)".
  child->runCommand(CmdExportData);
  child->runCommand(CmdExportData);
  EXPECT_EQ(exported().size(), 2) << exported().join(", ").toStdString();
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_NE(opened[0], opened[1]);
}

// The file system takes the first kilobyte and refuses the rest, as a disk
// that fills up: the workbook is reported and no part of it is left.
TEST_F(ExportDataTest, AWorkbookCutShortIsReportedAndLeavesNoFile) {
  testing::MessageRecorder messages;
  ASSERT_TRUE(QDir().mkpath(documents));
  {
    testing::FileSizeLimit limit(1024);
    ASSERT_TRUE(limit.isSet());
    child->runCommand(CmdExportData);
  }
  EXPECT_TRUE(opened.empty());
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_TRUE(messages.messages[0].text.startsWith("The file could not be written:\n" + documents))
      << messages.messages[0].text.toStdString();
  EXPECT_EQ(QDir(documents).entryList(QDir::Files | QDir::Hidden), QStringList{});
}

}  // namespace
}  // namespace corvana
