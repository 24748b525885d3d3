// Save in a job window whose file another window or program wrote since it
// was opened: the question, and what each answer leaves on disk.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <functional>

#include "core/command_table.h"
#include "core/job_file.h"
#include "core/job_manager.h"
#include "core/language_table.h"
#include "qt/changed_file_question.h"
#include "qt/child_frame.h"
#include "qt/file_dialogs.h"
#include "qt/main_frame.h"
#include "tests/core/job_fixtures.h"
#include "ui_test_support.h"

namespace corvana {
namespace {

// A job file with `samples` samples, written as another program would.
void writeJob(const QString& path, int samples) {
  Job job(jobManager());
  for (int i = 0; i < samples; ++i)
    job.addSample(testing::curveSample("S" + std::to_string(i), float(i)), false);
  ASSERT_TRUE(writeJobFile(job, path.toStdString()));
}

// How many samples the file holds; -1 when there is no readable job file.
int samplesIn(const QString& path) {
  Job job(jobManager());
  return readJobFile(job, path.toStdString()) ? job.sampleCount() : -1;
}

class ChangedFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LanguageIndex = English;
    frame = std::make_unique<CMainFrame>();
    child = frame->newJob();
    frame->show();
    path = dir.filePath("a.job");
    writeJob(path, 2);
    ASSERT_TRUE(child->openFile(path));
  }
  void TearDown() override {
    ui::setMessageHandler({});
    ui::setFileDialogHandler({});
    for (CChildFrame* c : frame->children()) c->job().setModified(false);
    frame.reset();
  }
  // One more sample in the window's job: there is something to save.
  static void change(CChildFrame* c) {
    c->job().addSample(testing::curveSample("new", 3), false);
  }
  CChildFrame* open(const QString& file) {
    CChildFrame* c = frame->newJob();
    EXPECT_TRUE(c->openFile(file));
    return c;
  }
  void activate(CChildFrame* c) {
    frame->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(c->parentWidget()));
  }

  QTemporaryDir dir;
  QString path;
  std::unique_ptr<CMainFrame> frame;
  CChildFrame* child = nullptr;
};

// The real message box, answered from the keyboard as a user would: Ctrl+S,
// then Esc or Enter; both leave the other program's file alone.
TEST_F(ChangedFileTest, CtrlSAsksAndTheKeyboardCancels) {
  change(child);
  writeJob(path, 5);  // another program
  const struct {
    const char* what;
    Qt::Key key;
  } keys[] = {{"Esc", Qt::Key_Escape}, {"Enter", Qt::Key_Return}};
  for (const auto& k : keys) {
    QString text;
    QStringList labels;
    QString defaultLabel;
    testing::whenModal([&](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      ASSERT_NE(box, nullptr) << k.what;
      text = box->text();
      for (QAbstractButton* b : box->buttons()) labels << b->text();
      if (box->defaultButton()) defaultLabel = box->defaultButton()->text();
      QTest::keyClick(box, k.key);
    });
    // The closed box took the focus with it: the window is made active again.
    frame->activateWindow();
    QApplication::setActiveWindow(frame.get());
    QTest::keyClick(frame.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(text, "a.job was changed on disk since you opened it.") << k.what;
    labels.sort();
    EXPECT_EQ(labels, (QStringList{"&Cancel", "&Overwrite", "&Save As"})) << k.what;
    EXPECT_EQ(defaultLabel, "&Cancel") << k.what;
    EXPECT_EQ(samplesIn(path), 5) << k.what;
    EXPECT_TRUE(child->job().modified()) << k.what;
  }
}

TEST_F(ChangedFileTest, EachAnswerLeavesTheFileAsItSays) {
  const QString elsewhere = dir.filePath("elsewhere.job");
  struct Case {
    const char* what;
    std::function<void()> otherWriter;
    QMessageBox::StandardButton answer;
    int asked;             // questions seen
    int onDisk, inElsewhere;  // samples in the files afterwards
    bool modified;
  };
  const Case cases[] = {
      {"another program, Cancel", [&] { writeJob(path, 5); }, QMessageBox::Cancel, 1, 5, -1, true},
      {"another program, Overwrite", [&] { writeJob(path, 5); }, ui::kOverwriteButton, 1, 3, -1,
       false},
      {"another program, Save As", [&] { writeJob(path, 5); }, ui::kSaveAsButton, 1, 5, 3, false},
      // Bytes rewritten in place, of the same length, within the same tick.
      {"rewritten in place",
       [&] {
         std::string bytes;
         {
           std::ifstream in(path.toStdString(), std::ios::binary);
           bytes.assign(std::istreambuf_iterator<char>(in), {});
         }
         const std::size_t at = bytes.find("S1");
         ASSERT_NE(at, std::string::npos);
         bytes[at + 1] = '9';
         std::ofstream(path.toStdString(), std::ios::binary | std::ios::trunc) << bytes;
       },
       QMessageBox::Cancel, 1, 2, -1, true},
      {"nobody", [] {}, QMessageBox::Cancel, 0, 3, -1, false},
      {"the same bytes written again", [&] {
         std::string bytes;
         {
           std::ifstream in(path.toStdString(), std::ios::binary);
           bytes.assign(std::istreambuf_iterator<char>(in), {});
         }
         std::ofstream(path.toStdString(), std::ios::binary | std::ios::trunc) << bytes;
       },
       QMessageBox::Cancel, 0, 3, -1, false},
      {"removed", [&] { QFile::remove(path); }, QMessageBox::Cancel, 0, 3, -1, false},
  };
  ui::setFileDialogHandler([&](bool) { return elsewhere; });
  for (const Case& c : cases) {
    QFile::remove(elsewhere);
    writeJob(path, 2);
    ASSERT_TRUE(child->openFile(path)) << c.what;
    change(child);
    c.otherWriter();
    testing::MessageRecorder messages;
    messages.answer = c.answer;
    frame->runCommand(CmdSave);
    EXPECT_EQ(int(messages.messages.size()), c.asked) << c.what;
    if (!messages.messages.empty()) {
      EXPECT_EQ(messages.messages[0].defaultButton, QMessageBox::Cancel) << c.what;
      EXPECT_EQ(messages.messages[0].escapeButton, QMessageBox::Cancel) << c.what;
    }
    EXPECT_EQ(samplesIn(path), c.onDisk) << c.what;
    EXPECT_EQ(samplesIn(elsewhere), c.inElsewhere) << c.what;
    EXPECT_EQ(child->job().modified(), c.modified) << c.what;
    // A save that went through is the file's state: the next one asks nothing.
    if (!c.modified) {
      change(child);
      frame->runCommand(CmdSave);
      EXPECT_EQ(int(messages.messages.size()), c.asked) << c.what << ", saved again";
    }
    child->job().setModified(false);
  }
}

TEST_F(ChangedFileTest, TwoWindowsOnOneJob) {
  CChildFrame* second = open(path);
  testing::MessageRecorder messages;
  messages.answer = QMessageBox::Cancel;
  change(child);
  activate(child);
  frame->runCommand(CmdSave);
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(samplesIn(path), 3);
  // The second window still holds the file as it was opened.
  change(second);
  change(second);
  activate(second);
  frame->runCommand(CmdSave);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(samplesIn(path), 3);
  EXPECT_TRUE(second->job().modified());
  messages.answer = ui::kOverwriteButton;
  frame->runCommand(CmdSave);
  EXPECT_EQ(messages.messages.size(), 2u);
  EXPECT_EQ(samplesIn(path), 4);
  // Now the first window's copy is the old one.
  change(child);
  activate(child);
  messages.answer = QMessageBox::Cancel;
  frame->runCommand(CmdSave);
  EXPECT_EQ(messages.messages.size(), 3u);
  EXPECT_EQ(samplesIn(path), 4);
}

// Save As names its file in the file dialog, which asks about replacing it.
TEST_F(ChangedFileTest, SaveAsAsksNothingMore) {
  const QString other = dir.filePath("other.job");
  writeJob(other, 7);
  change(child);
  writeJob(path, 5);
  testing::MessageRecorder messages;
  ui::setFileDialogHandler([&](bool) { return other; });
  frame->runCommand(CmdSaveAs);
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(samplesIn(other), 3);
  EXPECT_EQ(samplesIn(path), 5);
}

}  // namespace
}  // namespace corvana
