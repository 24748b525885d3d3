// "Print to Word" from the job window: the document lands in the documents
// folder and goes to the desktop's opener, or a message says where it is.
#include <gtest/gtest.h>

#include <QAction>
#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "core/command_table.h"
#include "core/job.h"
#include "core/language_table.h"
#include "qt/child_frame.h"
#include "qt/main_frame.h"
#include "qt/open_document.h"
#include "qt/print_to_word.h"
#include "qt/views/record_list_model.h"
#include "qt/views/record_list_view.h"
#include "tests/core/job_fixtures.h"
#include "tests/core/settings_fixtures.h"
#include "tests/reports/docx_reading.h"
#include "ui_test_support.h"

namespace corvana {
namespace {

namespace fs = std::filesystem;

class PrintToWordTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(documents_.isValid());
    ::setenv("XDG_DOCUMENTS_DIR", (documents_.path() + "/Documents").toStdString().c_str(), 1);
    ::setenv("CORVANA_TEMPLATE_DIR", CORVANA_TEMPLATE_DIR, 1);
    LanguageIndex = English;
    frame_ = std::make_unique<CMainFrame>();
    child_ = frame_->newJob();
    Job& job = child_->job();
    job.addStandard(testing::curveSample("Navy", 0), true);
    job.addSample(testing::curveSample("Lot 1", 3), true);
    job.addSample(testing::curveSample("Lot 2", -4), true);
    ui::setDocumentOpener([this](const QUrl& url) {
      opened_.push_back(url.toLocalFile());
      return opens_;
    });
  }
  void TearDown() override {
    ui::setDocumentOpener({});
    for (CChildFrame* c : frame_->children()) c->job().setModified(false);
    frame_.reset();
    ::unsetenv("XDG_DOCUMENTS_DIR");
    ::unsetenv("CORVANA_TEMPLATE_DIR");
  }
  std::vector<fs::path> saved() const {
    std::vector<fs::path> out;
    const fs::path folder = (documents_.path() + "/Documents").toStdString();
    if (fs::exists(folder))
      for (const auto& e : fs::directory_iterator(folder)) out.push_back(e.path());
    return out;
  }

  QTemporaryDir documents_;
  std::unique_ptr<CMainFrame> frame_;
  CChildFrame* child_ = nullptr;
  std::vector<QString> opened_;
  bool opens_ = true;
};

TEST_F(PrintToWordTest, BothCommandsAreOfferedInTheJobWindow) {
  for (int command : {CmdWordColorDiff, CmdWordCumulative}) {
    ASSERT_TRUE(frame_->action(command)) << command;
    EXPECT_TRUE(frame_->action(command)->isEnabled()) << command;
  }
}

TEST_F(PrintToWordTest, ReportIsSavedInANewDocumentsFolderAndOpened) {
  testing::MessageRecorder messages;
  frame_->action(CmdWordColorDiff)->trigger();
  const auto files = saved();
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0].filename().string().rfind("Color Diff 20", 0), 0u) << files[0];
  EXPECT_EQ(files[0].extension(), ".docx");
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(opened_[0].toStdString(), files[0].string());
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(PrintToWordTest, WithoutAnApplicationAMessageSaysWhereTheReportIs) {
  opens_ = false;
  testing::MessageRecorder messages;
  frame_->action(CmdWordCumulative)->trigger();
  const auto files = saved();
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0].filename().string().rfind("Color Diff Cumulative 20", 0), 0u);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_NE(messages.messages[0].text.toStdString().find(files[0].string()), std::string::npos);
  EXPECT_EQ(messages.messages[0].icon, ui::MessageIcon::Information);
}

TEST_F(PrintToWordTest, CumulativeReportNamesTheListsSortAndReportsNeverReplaceEachOther) {
  RecordListModel& samples = child_->sampleView()->model();
  samples.clickHeading(1);  // Name, ascending
  samples.clickHeading(1);  // and descending
  // Both in one second, as a quick double command would.
  frame_->action(CmdWordCumulative)->trigger();
  frame_->action(CmdWordCumulative)->trigger();
  const auto files = saved();
  ASSERT_EQ(files.size(), 2u);
  EXPECT_NE(files[0], files[1]);
  testing::SavedDocument document;
  ASSERT_TRUE(document.read(files[0]));
  const auto condition = document.table(2);
  ASSERT_GE(condition.size(), 2u);
  EXPECT_NE(condition[1][0].find("Sort Mode: Descending"), std::string::npos) << condition[1][0];
}

TEST_F(PrintToWordTest, AnUnwritableDocumentsFolderIsReported) {
  const std::string blocked = (documents_.path() + "/file").toStdString();
  std::FILE* f = std::fopen(blocked.c_str(), "w");
  ASSERT_TRUE(f);
  std::fclose(f);
  ::setenv("XDG_DOCUMENTS_DIR", (blocked + "/Documents").c_str(), 1);
  testing::MessageRecorder messages;
  frame_->action(CmdWordColorDiff)->trigger();
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text.toStdString().rfind("The file could not be written:", 0), 0u)
      << messages.messages[0].text.toStdString();
  EXPECT_TRUE(opened_.empty());
}

// The file system takes the first kilobyte and refuses the rest, as a disk
// that fills up: the document is reported and no part of it is left.
TEST_F(PrintToWordTest, ADocumentCutShortIsReportedAndLeavesNoFile) {
  const fs::path folder = (documents_.path() + "/Documents").toStdString();
  fs::create_directories(folder);
  testing::MessageRecorder messages;
  {
    testing::FileSizeLimit limit(1024);
    ASSERT_TRUE(limit.isSet());
    frame_->action(CmdWordColorDiff)->trigger();
  }
  ASSERT_EQ(messages.messages.size(), 1u);
  const std::string text = messages.messages[0].text.toStdString();
  EXPECT_EQ(text.rfind("The file could not be written:\n" + folder.string() + "/", 0), 0u) << text;
  EXPECT_TRUE(opened_.empty());
  EXPECT_TRUE(saved().empty());
}

}  // namespace
}  // namespace corvana
