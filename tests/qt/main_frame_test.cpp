// The main window and job windows driven as a user would: menus, keys,
// list clicks, and the job file commands.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "core/command_table.h"
#include "core/job_file.h"
#include "core/job_manager.h"
#include "core/language_table.h"
#include "core/menu_mnemonics.h"
#include "qt/child_frame.h"
#include "qt/file_dialogs.h"
#include "qt/main_frame.h"
#include "qt/views/record_list_view.h"
#include "tests/core/fifo_without_writer.h"
#include "tests/core/job_fixtures.h"
#include "ui_test_support.h"

namespace corvana {
namespace {

class MainFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LanguageIndex = English;
    frame = std::make_unique<CMainFrame>();
    child = frame->newJob();
    frame->show();
  }
  void TearDown() override {
    for (CChildFrame* c : frame->children()) c->job().setModified(false);
    frame.reset();
    LanguageIndex = English;
    ui::setFileDialogHandler({});
  }
  QStringList menuTitles() const {
    QStringList titles;
    for (QAction* a : frame->menuBar()->actions()) titles << a->text();
    return titles;
  }
  void fillSamples() {
    Job& job = child->job();
    job.addStandard(testing::curveSample("STD", 0), false);
    const char* names[] = {"delta", "alpha", "charlie", "bravo"};
    const char* materials[] = {"M2", "M1", "M2", ""};
    for (int i = 0; i < 4; ++i)
      job.addSample(testing::curveSample(names[i], float(i * 6), materials[i]), false);
  }
  QStringList column(RecordListView* view, int c) const {
    QStringList out;
    for (int r = 0; r < view->model().rowCount(); ++r)
      out << view->model().index(r, c).data().toString();
    return out;
  }
  QString subTitle(CChildFrame* c) const { return c->parentWidget()->windowTitle(); }
  void activate(CChildFrame* c) {
    frame->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(c->parentWidget()));
  }
  // A job file with `samples` samples, written without any window.
  static void writeJob(const QString& path, const std::string& name, int samples) {
    Job job(jobManager());
    job.setTitle(name);
    for (int i = 0; i < samples; ++i)
      job.addSample(testing::curveSample("S" + std::to_string(i), float(i)), false);
    ASSERT_TRUE(writeJobFile(job, path.toStdString()));
  }
  // How many samples the file holds; -1 when there is no readable job file.
  static int samplesIn(const QString& path) {
    Job job(jobManager());
    return readJobFile(job, path.toStdString()) ? job.sampleCount() : -1;
  }
  QString status(const char* name) const {
    auto* label = frame->findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(name);
  }
  QAction* tool(int command) const {
    return frame->findChild<QAction*>(QStringLiteral("tool%1").arg(command));
  }
  // The Window menu's job entries: text and check mark.
  std::vector<std::pair<QString, bool>> windowEntries() const {
    std::vector<std::pair<QString, bool>> out;
    for (QAction* a : frame->windowMenu()->actions())
      if (a->objectName().startsWith("window")) out.emplace_back(a->text(), a->isChecked());
    return out;
  }
  QAction* recentEntry(int number) const {
    return frame->recentMenu()->findChild<QAction*>(QStringLiteral("recent%1").arg(number));
  }
  std::unique_ptr<CMainFrame> frame;
  CChildFrame* child = nullptr;
};

TEST_F(MainFrameTest, MenusFollowTheLanguageWithCheckMarks) {
  EXPECT_EQ(menuTitles(), (QStringList{"&Job", "&Standard", "S&ample", "S&ettings", "&Instrument",
                                       "&Window", "&Report", "&Help"}));
  EXPECT_EQ(frame->action(CmdMeasureStandard)->text(), "&Measure\tF2");
  EXPECT_TRUE(frame->action(CmdEnglish)->isChecked());
  frame->action(CmdChineseSimplified)->trigger();
  EXPECT_EQ(LanguageIndex, ChineseSimplified);
  EXPECT_EQ(menuTitles().at(1), QString::fromUtf8("标样(&S)"));
  EXPECT_TRUE(frame->action(CmdChineseSimplified)->isChecked());
  EXPECT_FALSE(frame->action(CmdEnglish)->isChecked());
  EXPECT_EQ(child->sampleView()->model().headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
            QString::fromUtf8("试样"));
  frame->action(CmdChineseTraditional)->trigger();
  EXPECT_EQ(menuTitles().at(2), QString::fromUtf8("試樣(&A)"));
}

TEST_F(MainFrameTest, LanguageChoiceIsStoredEvenWhenUnchanged) {
  std::vector<int> stored;
  frame->storeLanguage = [&](int l) { stored.push_back(l); };
  frame->action(CmdEnglish)->trigger();
  frame->action(CmdChineseTraditional)->trigger();
  EXPECT_EQ(stored, (std::vector<int>{0, 2}));
}

TEST_F(MainFrameTest, KeysReachTheirCommands) {
  frame->activateWindow();
  QApplication::setActiveWindow(frame.get());
  ASSERT_FALSE(child->job().autoNamingStandards);
  QTest::keyClick(frame.get(), Qt::Key_F4);
  EXPECT_TRUE(child->job().autoNamingStandards);
  EXPECT_TRUE(frame->action(CmdAutoNamingStandard)->isChecked());
  QTest::keyClick(frame.get(), Qt::Key_F5);
  EXPECT_TRUE(child->job().autoNamingSamples);
  EXPECT_EQ(frame->action(CmdTolerance)->shortcut(), QKeySequence("Ctrl+Alt+T"));
  EXPECT_EQ(frame->action(CmdDownloadStandard)->shortcut(), QKeySequence(Qt::Key_F10));
}

TEST_F(MainFrameTest, NewJobWindowsAreTitledByCount) {
  EXPECT_EQ(child->job().title, "Job1");
  CChildFrame* second = frame->newJob();
  EXPECT_EQ(second->job().title, "Job2");
  EXPECT_EQ(jobManager().jobs.size(), 2u);
  EXPECT_EQ(frame->children().size(), 2u);
}

TEST_F(MainFrameTest, HeadingClicksSortAndDoubleClickSelects) {
  fillSamples();
  SampleView* view = child->sampleView();
  QHeaderView* header = view->horizontalHeader();
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(1) + 5, 5));
  EXPECT_EQ(column(view, 1), (QStringList{"alpha", "bravo", "charlie", "delta"}));
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(1) + 5, 5));
  EXPECT_EQ(column(view, 1), (QStringList{"delta", "charlie", "bravo", "alpha"}));
  // Double-clicking "bravo" (record 3) makes it the current sample.
  const QRect cell = view->visualRect(view->model().index(2, 1));
  ASSERT_TRUE(view->viewport()->rect().contains(cell.center()))
      << view->viewport()->width() << "x" << view->viewport()->height();
  // A double-click is a press-release followed by a double-click press.
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
  QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(child->job().currentSample, 3);
  EXPECT_TRUE(child->job().modified());
  EXPECT_EQ(view->model().index(2, 0).data().toString(), "*  4");
}

TEST_F(MainFrameTest, EnterOnASelectedRowMakesItCurrent) {
  fillSamples();
  Job& job = child->job();
  job.addStandard(testing::curveSample("STD2", 3), false);
  job.setModified(false);
  ASSERT_NE(job.currentSample, 2);
  SampleView* samples = child->sampleView();
  samples->setFocus();
  samples->selectRecords({2});
  QTest::keyClick(samples, Qt::Key_Return);
  EXPECT_EQ(job.currentSample, 2);
  EXPECT_TRUE(job.modified());
  EXPECT_EQ(samples->model().index(samples->model().rows().rowOf(2), 0).data().toString(), "*  3");
  StandardView* standards = child->standardView();
  const int before = job.currentStandard;
  const int target = before == 0 ? 1 : 0;
  standards->setFocus();
  standards->selectRecords({target});
  QTest::keyClick(standards, Qt::Key_Enter);
  EXPECT_EQ(job.currentStandard, target);
  EXPECT_EQ(standards->model().index(standards->model().rows().rowOf(target), 0).data().toString(),
            QStringLiteral("*  %1").arg(target + 1));
}

TEST_F(MainFrameTest, DoubleClickMakesARowCurrentOnce) {
  fillSamples();
  SampleView* view = child->sampleView();
  int activations = 0;
  QObject::connect(view, &RecordListView::recordActivated, [&](int) { ++activations; });
  const QRect cell = view->visualRect(view->model().index(1, 1));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
  QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(activations, 1);
  EXPECT_EQ(child->job().currentSample, view->model().rows().recordAt(1));
}

TEST_F(MainFrameTest, AutoNamingIsCheckedInMenuAndToolBarPerJob) {
  auto tool = [&](int command) {
    return frame->findChild<QAction*>(QStringLiteral("tool%1").arg(command));
  };
  auto button = [&](int command) {
    auto* b = qobject_cast<QToolButton*>(
        frame->findChild<QToolBar*>("toolbar")->widgetForAction(tool(command)));
    return b && b->isChecked();
  };
  ASSERT_NE(tool(CmdAutoNamingStandard), nullptr);
  ASSERT_NE(tool(CmdAutoNamingSample), nullptr);
  EXPECT_FALSE(frame->action(CmdAutoNamingStandard)->isChecked());
  EXPECT_FALSE(button(CmdAutoNamingStandard));
  frame->action(CmdAutoNamingStandard)->trigger();
  EXPECT_TRUE(child->job().autoNamingStandards);
  EXPECT_TRUE(frame->action(CmdAutoNamingStandard)->isChecked());
  EXPECT_TRUE(tool(CmdAutoNamingStandard)->isChecked());
  EXPECT_TRUE(button(CmdAutoNamingStandard));
  // The tool button toggles the same job flag.
  tool(CmdAutoNamingSample)->trigger();
  EXPECT_TRUE(child->job().autoNamingSamples);
  EXPECT_TRUE(frame->action(CmdAutoNamingSample)->isChecked());
  EXPECT_TRUE(button(CmdAutoNamingSample));
  tool(CmdAutoNamingSample)->trigger();
  EXPECT_FALSE(child->job().autoNamingSamples);
  EXPECT_FALSE(frame->action(CmdAutoNamingSample)->isChecked());
  EXPECT_FALSE(button(CmdAutoNamingSample));

  // Another job window shows its own state, and switching back restores the first.
  CChildFrame* other = frame->newJob();
  activate(other);
  ASSERT_EQ(frame->activeChild(), other);
  EXPECT_FALSE(frame->action(CmdAutoNamingStandard)->isChecked());
  EXPECT_FALSE(button(CmdAutoNamingStandard));
  frame->action(CmdAutoNamingSample)->trigger();
  EXPECT_TRUE(other->job().autoNamingSamples);
  EXPECT_FALSE(child->job().autoNamingSamples);
  activate(child);
  ASSERT_EQ(frame->activeChild(), child);
  EXPECT_TRUE(frame->action(CmdAutoNamingStandard)->isChecked());
  EXPECT_TRUE(button(CmdAutoNamingStandard));
  EXPECT_FALSE(frame->action(CmdAutoNamingSample)->isChecked());
  EXPECT_FALSE(button(CmdAutoNamingSample));

  // After a job file is opened the marks show that job's flags.
  QTemporaryDir dir;
  const QString path = dir.filePath("named.job");
  writeJob(path, "Named", 1);
  child->job().autoNamingSamples = true;  // changed behind the window's back
  ASSERT_TRUE(child->openFile(path));
  EXPECT_EQ(frame->action(CmdAutoNamingSample)->isChecked(), child->job().autoNamingSamples);
  EXPECT_EQ(button(CmdAutoNamingSample), child->job().autoNamingSamples);
  EXPECT_EQ(frame->action(CmdAutoNamingStandard)->isChecked(), child->job().autoNamingStandards);
  EXPECT_EQ(button(CmdAutoNamingStandard), child->job().autoNamingStandards);
}

TEST_F(MainFrameTest, MaterialMenuFilters) {
  fillSamples();
  SampleView* view = child->sampleView();
  view->openMaterialMenu(QPoint());
  QStringList items;
  for (QAction* a : view->materialMenu()->actions())
    if (!a->isSeparator()) items << a->text();
  EXPECT_EQ(items, (QStringList{"↑", "↓", "All", "(None)", "M1", "M2"}));
  view->materialMenu()->actions().at(6)->trigger();  // "M2"
  EXPECT_EQ(column(view, 1), (QStringList{"delta", "charlie"}));
  view->openMaterialMenu(QPoint());
  view->materialMenu()->actions().at(3)->trigger();  // "All"
  EXPECT_EQ(view->model().rowCount(), 4);
}

TEST_F(MainFrameTest, DeleteAsksAndRenumbers) {
  fillSamples();
  testing::MessageRecorder messages;
  SampleView* view = child->sampleView();
  // Nothing selected: refused with the list's message.
  frame->runCommand(CmdDeleteSample);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "Please select sample!");
  view->selectRecords({1, 3});
  messages.answer = QMessageBox::Cancel;
  frame->runCommand(CmdDeleteSample);
  EXPECT_EQ(messages.messages.back().text, "Are you sure to delete?");
  EXPECT_EQ(child->job().sampleCount(), 4);
  messages.answer = QMessageBox::Ok;
  frame->runCommand(CmdDeleteSample);
  EXPECT_EQ(child->job().sampleCount(), 2);
  EXPECT_EQ(column(view, 0), (QStringList{"*  1", "2"}));
  EXPECT_EQ(column(view, 1), (QStringList{"delta", "charlie"}));
}

TEST_F(MainFrameTest, SaveOpenAndSaveAsRoundTrip) {
  fillSamples();
  QTemporaryDir dir;
  const QString first = dir.filePath("first.job"), copy = dir.filePath("copy.job");
  QString answer = first;
  ui::setFileDialogHandler([&](bool) { return answer; });
  frame->runCommand(CmdSave);
  EXPECT_FALSE(child->job().modified());
  EXPECT_EQ(child->job().filePath, first.toStdString());
  answer = copy;
  frame->runCommand(CmdSaveAs);
  EXPECT_EQ(child->job().filePath, copy.toStdString());  // Save As moves the job to the copy
  EXPECT_TRUE(QFile::exists(copy));
  CChildFrame* other = frame->newJob();
  frame->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(other->parentWidget()));
  frame->runCommand(CmdOpen);
  EXPECT_EQ(other->job().sampleCount(), 4);
  EXPECT_EQ(other->sampleView()->model().rowCount(), 4);
  EXPECT_EQ(other->standardView()->model().rowCount(), 1);
}

TEST_F(MainFrameTest, AnUnreadableFileLeavesTheJobAsItWas) {
  fillSamples();
  testing::MessageRecorder messages;
  messages.answer = QMessageBox::No;  // discard the changes: the read still fails
  QTemporaryDir dir;
  const QString bad = dir.filePath("bad.job");
  QFile f(bad);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("<Job Name=\"x\"><Standard");
  f.close();
  ui::setFileDialogHandler([&](bool) { return bad; });
  frame->runCommand(CmdOpen);
  ASSERT_FALSE(messages.messages.empty());
  EXPECT_TRUE(messages.messages.back().text.startsWith("Open file failed!"));
  EXPECT_EQ(child->job().sampleCount(), 4);
  EXPECT_EQ(child->sampleView()->model().rowCount(), 4);
  EXPECT_TRUE(child->job().filePath.empty());
}

// Job > Open on a FIFO or a device: refused from its stat, the window never
// waits; Save As onto one is refused too, and it stays what it was.
TEST_F(MainFrameTest, AFifoOrADeviceIsNeitherOpenedNorReplaced) {
  fillSamples();
  testing::MessageRecorder messages;
  QTemporaryDir dir;
  testing::FifoWithoutWriter fifo(dir.filePath("pipe.job").toStdString());
  ASSERT_TRUE(fifo.made());
  const QString pipe = QString::fromStdString(fifo.path());
  const QString refused = QString::fromStdString(LookupText(Text::NotRegularFile));
  for (const QString& path : {pipe, QStringLiteral("/dev/zero")}) {
    SCOPED_TRACE(path.toStdString());
    messages.messages.clear();
    messages.answer = QMessageBox::No;  // discard the changes: the open still fails
    ui::setFileDialogHandler([&](bool) { return path; });
    frame->runCommand(CmdOpen);
    ASSERT_FALSE(messages.messages.empty());
    EXPECT_EQ(messages.messages.back().text, "Open file failed!\n" + path + ": " + refused);
    EXPECT_EQ(child->job().sampleCount(), 4);
  }
  messages.messages.clear();
  ui::setFileDialogHandler([&](bool) { return pipe; });
  frame->runCommand(CmdSaveAs);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text,
            QString::fromStdString(LookupText(Text::JobNotSaved)) + "\n" + pipe + ": " + refused);
  EXPECT_TRUE(child->job().modified());
  struct stat st {};
  ASSERT_EQ(::lstat(fifo.path().c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST_F(MainFrameTest, ClosingAsksToSave) {
  fillSamples();
  testing::MessageRecorder messages;
  messages.answer = QMessageBox::Cancel;
  auto* sub = qobject_cast<QMdiSubWindow*>(child->parentWidget());
  EXPECT_FALSE(sub->close());
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "Job1 has modified!Do you want to save change?");
  EXPECT_EQ(frame->children().size(), 1u);
  // A failed save keeps the window open too.
  messages.answer = QMessageBox::Yes;
  ui::setFileDialogHandler([](bool) { return QString("/nonexistent-dir/x.job"); });
  EXPECT_FALSE(sub->close());
  EXPECT_EQ(frame->children().size(), 1u);
  messages.answer = QMessageBox::No;
  CChildFrame* second = frame->newJob();
  second->job().setModified(false);
  EXPECT_TRUE(sub->close());
}

TEST_F(MainFrameTest, DialogCommandsOpenOnTheActiveJob) {
  struct Case {
    int command;
    const char* title;
  } cases[] = {{CmdTolerance, "Tolerance Settings"},
               {CmdColorSpace, "Color Space & Formula Settings"},
               {CmdObserver, "Observer & Illuminants & Measurement Mode Settings"},
               {CmdOtherSettings, "Other Settings"},
               {CmdReportSettings, "Report Settings"},
               {CmdNameOptionSample, "Name Option"},
               {CmdRenameJob, "Corvana Color Management Control System"}};
  for (const auto& c : cases) {
    QString seen;
    testing::whenModal([&](QWidget* w) {
      if (!w) return;
      seen = w->windowTitle();
      if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
    });
    frame->runCommand(c.command);
    EXPECT_EQ(seen, QString::fromUtf8(c.title)) << c.command;
  }
}

TEST_F(MainFrameTest, OtherSettingsChangeTheListsAndTheStoredFlag) {
  fillSamples();
  std::vector<bool> stored;
  frame->storeAutoSave = [&](bool on) { stored.push_back(on); };
  testing::whenModal([](QWidget* w) {
    const auto boxes = w->findChildren<QComboBox*>();
    for (QComboBox* b : boxes)
      if (b->count() == 3 && b->itemText(0) == "2") b->setCurrentIndex(0);  // two decimals
    for (QCheckBox* c : w->findChildren<QCheckBox*>()) c->setChecked(true);
    qobject_cast<QDialog*>(w)->accept();
  });
  frame->runCommand(CmdOtherSettings);
  EXPECT_EQ(child->job().DataAccuracy, 2);
  EXPECT_TRUE(frame->autoSave);
  EXPECT_EQ(stored, (std::vector<bool>{true}));
  const QString value = child->sampleView()->model().index(0, 2).data().toString();
  EXPECT_EQ(value.size() - value.indexOf('.') - 1, 2) << value.toStdString();
}

// Open replaces the active job: a modified one is asked about first, with
// the answers closing has.
TEST_F(MainFrameTest, OpenOverAModifiedJobAsksFirst) {
  QTemporaryDir dir;
  const QString other = dir.filePath("other.job");
  writeJob(other, "Other", 2);
  struct Case {
    const char* what;
    QMessageBox::StandardButton answer;
    const char* savePath;  // what the save dialog answers, in dir unless absolute
    bool opened;           // the job now holds other.job
    bool saved;            // the old content reached the save path
  };
  const Case cases[] = {
      {"cancel keeps everything", QMessageBox::Cancel, "kept.job", false, false},
      {"a failed save keeps the job", QMessageBox::Yes, "/nonexistent-dir/x.job", false, false},
      {"a cancelled save dialog keeps the job", QMessageBox::Yes, "", false, false},
      {"yes saves, then opens", QMessageBox::Yes, "saved", true, true},
      {"no discards", QMessageBox::No, "discarded.job", true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CChildFrame* job = frame->newJob();
    activate(job);
    job->job().addStandard(testing::curveSample("STD", 0), false);
    for (int i = 0; i < 4; ++i) job->job().addSample(testing::curveSample("s", float(i)), false);
    const QString savePath = QString(c.savePath).isEmpty() || c.savePath[0] == '/'
                                 ? QString(c.savePath)
                                 : dir.filePath(c.savePath);
    ui::setFileDialogHandler([&](bool save) { return save ? savePath : other; });
    testing::MessageRecorder messages;
    messages.answer = c.answer;
    const QString title = QString::fromStdString(job->job().title);
    frame->runCommand(CmdOpen);
    ASSERT_FALSE(messages.messages.empty());
    EXPECT_EQ(messages.messages[0].text, title + " has modified!Do you want to save change?");
    EXPECT_EQ(messages.messages[0].buttons,
              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (c.opened) {
      EXPECT_EQ(job->job().sampleCount(), 2);
      EXPECT_EQ(job->sampleView()->model().rowCount(), 2);
      EXPECT_EQ(job->job().filePath, other.toStdString());
      EXPECT_FALSE(job->job().modified());
    } else {
      EXPECT_EQ(job->job().sampleCount(), 4);
      EXPECT_EQ(job->sampleView()->model().rowCount(), 4);
      EXPECT_TRUE(job->job().filePath.empty());
      EXPECT_TRUE(job->job().modified());
    }
    const QString written = withJobExtension(savePath.toStdString()).c_str();
    EXPECT_EQ(samplesIn(written), c.saved ? 4 : -1) << written.toStdString();
    EXPECT_EQ(samplesIn(other), 2);  // the file opened is only read
    job->job().setModified(false);
    job->parentWidget()->close();
  }
}

TEST_F(MainFrameTest, OpenIntoAnUntouchedJobAsksNothing) {
  QTemporaryDir dir;
  const QString other = dir.filePath("other.job");
  writeJob(other, "Other", 3);
  ui::setFileDialogHandler([&](bool) { return other; });
  testing::MessageRecorder messages;
  frame->runCommand(CmdOpen);
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(child->job().sampleCount(), 3);
  // Saved and unchanged since: nothing to lose either.
  writeJob(dir.filePath("third.job"), "Third", 1);
  ui::setFileDialogHandler([&](bool) { return dir.filePath("third.job"); });
  frame->runCommand(CmdOpen);
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(child->job().sampleCount(), 1);
}

TEST_F(MainFrameTest, SaveAsMovesTheJobToTheNewFile) {
  fillSamples();
  QTemporaryDir dir;
  testing::MessageRecorder messages;
  QString answer = dir.filePath("first");  // typed without an extension
  ui::setFileDialogHandler([&](bool) { return answer; });
  frame->runCommand(CmdSave);
  const QString first = dir.filePath("first.job"), copy = dir.filePath("copy.job");
  EXPECT_EQ(child->job().filePath, first.toStdString());
  EXPECT_EQ(samplesIn(first), 4);
  EXPECT_FALSE(QFile::exists(dir.filePath("first")));
  answer = dir.filePath("copy");
  frame->runCommand(CmdSaveAs);
  EXPECT_EQ(child->job().filePath, copy.toStdString());
  EXPECT_EQ(subTitle(child), "Job1 - " + copy);
  EXPECT_FALSE(child->job().modified());
  // The next Save writes the new file; the original keeps its content.
  child->job().addSample(testing::curveSample("echo", 30), false);
  answer = dir.filePath("never-asked.job");
  frame->runCommand(CmdSave);
  EXPECT_EQ(samplesIn(copy), 5);
  EXPECT_EQ(samplesIn(first), 4);
  EXPECT_FALSE(QFile::exists(answer));
  EXPECT_TRUE(messages.messages.empty());
  // A failed Save As leaves the job on its file, still modified.
  child->job().addSample(testing::curveSample("foxtrot", 36), false);
  answer = "/nonexistent-dir/elsewhere";
  frame->runCommand(CmdSaveAs);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_TRUE(messages.messages[0].text.startsWith("The job could not be saved."));
  EXPECT_EQ(child->job().filePath, copy.toStdString());
  EXPECT_TRUE(child->job().modified());
  EXPECT_EQ(subTitle(child), "*Job1 - " + copy);
  EXPECT_EQ(samplesIn(copy), 5);
  // A cancelled Save As changes nothing either.
  answer = QString();
  frame->runCommand(CmdSaveAs);
  EXPECT_EQ(child->job().filePath, copy.toStdString());
  EXPECT_TRUE(child->job().modified());
}

TEST_F(MainFrameTest, AFailedFirstSaveLeavesTheJobWithoutAFile) {
  fillSamples();
  testing::MessageRecorder messages;
  ui::setFileDialogHandler([](bool) { return QString("/nonexistent-dir/x"); });
  frame->runCommand(CmdSave);
  EXPECT_EQ(messages.messages.size(), 1u);
  EXPECT_TRUE(child->job().filePath.empty());
  EXPECT_TRUE(child->job().modified());
  EXPECT_EQ(subTitle(child), "*Job1 - (no file yet)");
}

TEST_F(MainFrameTest, TheTitleFollowsEveryChange) {
  QTemporaryDir dir;
  const QString first = dir.filePath("first.job"), copy = dir.filePath("copy.job"),
                other = dir.filePath("other.job");
  writeJob(other, "Other", 1);
  ui::setFileDialogHandler([&](bool save) { return save ? first : other; });
  struct Step {
    const char* what;
    std::function<void()> act;
    QString title;
  };
  const Step steps[] = {
      {"a new job", [] {}, "Job1 - (no file yet)"},
      {"an edit", [&] { fillSamples(); }, "*Job1 - (no file yet)"},
      {"Simplified Chinese", [&] { frame->runCommand(CmdChineseSimplified); },
       QString::fromUtf8("*Job1 - （尚无文件）")},
      {"Traditional Chinese", [&] { frame->runCommand(CmdChineseTraditional); },
       QString::fromUtf8("*Job1 - （尚無檔案）")},
      {"English", [&] { frame->runCommand(CmdEnglish); }, "*Job1 - (no file yet)"},
      {"a save", [&] { frame->runCommand(CmdSave); }, "Job1 - " + first},
      {"another edit", [&] { child->job().deleteSamples({0}); }, "*Job1 - " + first},
      {"Save As",
       [&] {
         ui::setFileDialogHandler([&](bool save) { return save ? copy : other; });
         frame->runCommand(CmdSaveAs);
       },
       "Job1 - " + copy},
      {"a rename", [&] { child->job().setTitle("Renamed"); }, "Renamed - " + copy},
      {"an open", [&] { frame->runCommand(CmdOpen); }, "Other - " + other},
  };
  for (const Step& step : steps) {
    step.act();
    EXPECT_EQ(subTitle(child), step.title) << step.what;
    EXPECT_EQ(child->windowTitle(), step.title) << step.what;
  }
}

TEST_F(MainFrameTest, TheStatusBarFollowsTheActiveJob) {
  QTemporaryDir dir;
  const QString saved = dir.filePath("first.job"), other = dir.filePath("other.job");
  writeJob(other, "Other", 3);
  ui::setFileDialogHandler([&](bool save) { return save ? saved : other; });
  CChildFrame* second = nullptr;
  struct Step {
    const char* what;
    std::function<void()> act;
    QString file, conditions, counts, instrument;
  };
  const Step steps[] = {
      {"a new job", [] {}, "(no file yet)", "D65 / A / F2 · 10°", "Standards: 0  Samples: 0  NG: 0",
       "No instrument"},
      {"measurements",
       [&] {
         child->job().addStandard(testing::curveSample("STD", 0), false);
         child->job().addSample(testing::curveSample("same", 0), false);
         child->job().addSample(testing::curveSample("far", 20), false);
       },
       "(no file yet)", "D65 / A / F2 · 10°", "Standards: 1  Samples: 2  NG: 1", "No instrument"},
      {"a deletion", [&] { child->job().deleteSamples({1}); }, "(no file yet)",
       "D65 / A / F2 · 10°", "Standards: 1  Samples: 1  NG: 0", "No instrument"},
      {"new conditions",
       [&] {
         child->job().illuminants[1] = D50;
         child->job().observer = Observer2;
         child->job().recomputeAll();
       },
       "(no file yet)", "D65 / D50 / F2 · 2°", "Standards: 1  Samples: 1  NG: 0", "No instrument"},
      {"Simplified Chinese", [&] { frame->runCommand(CmdChineseSimplified); },
       QString::fromUtf8("（尚无文件）"), "D65 / D50 / F2 · 2°",
       QString::fromUtf8("标样：1  试样：1  不良：0"), QString::fromUtf8("未连接仪器")},
      {"English again", [&] { frame->runCommand(CmdEnglish); }, "(no file yet)",
       "D65 / D50 / F2 · 2°", "Standards: 1  Samples: 1  NG: 0", "No instrument"},
      {"a save", [&] { frame->runCommand(CmdSave); }, "first.job", "D65 / D50 / F2 · 2°",
       "Standards: 1  Samples: 1  NG: 0", "No instrument"},
      {"another job window",
       [&] {
         second = frame->newJob();
         activate(second);
       },
       "(no file yet)", "D65 / A / F2 · 10°", "Standards: 0  Samples: 0  NG: 0", "No instrument"},
      {"an open into it", [&] { frame->runCommand(CmdOpen); }, "other.job", "D65 / A / F2 · 10°",
       "Standards: 0  Samples: 3  NG: 0", "No instrument"},
      {"back to the first", [&] { activate(child); }, "first.job", "D65 / D50 / F2 · 2°",
       "Standards: 1  Samples: 1  NG: 0", "No instrument"},
      {"the second closed",
       [&] {
         activate(second);
         second->parentWidget()->close();
       },
       "first.job", "D65 / D50 / F2 · 2°", "Standards: 1  Samples: 1  NG: 0", "No instrument"},
  };
  for (const Step& step : steps) {
    step.act();
    EXPECT_EQ(status("statusFile"), step.file) << step.what;
    EXPECT_EQ(status("statusConditions"), step.conditions) << step.what;
    EXPECT_EQ(status("statusCounts"), step.counts) << step.what;
    EXPECT_EQ(status("statusInstrument"), step.instrument) << step.what;
    EXPECT_FALSE(status("statusColour").isEmpty()) << step.what;
  }
  EXPECT_EQ(frame->findChild<QLabel*>("statusFile")->toolTip(), saved);
}

// A job read from a file is counted once it is all in; single measurements
// and deletions afterwards keep the counts right.
TEST_F(MainFrameTest, TheStatusBarCountsAJobReadFromAFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("graded.job");
  {
    Job job(jobManager());
    job.addStandard(testing::curveSample("STD", 0), false);
    job.addStandard(testing::curveSample("other", 25), false);
    for (const float shift : {0.0f, 20.0f, 0.0f, 30.0f})
      job.addSample(testing::curveSample("lot", shift), false);
    ASSERT_TRUE(writeJobFile(job, path.toStdString()));
  }
  ASSERT_TRUE(child->openFile(path));
  EXPECT_EQ(status("statusCounts"), "Standards: 2  Samples: 4  NG: 2");
  EXPECT_EQ(child->standardView()->model().rowCount(), 2);
  EXPECT_EQ(child->sampleView()->model().rowCount(), 4);
  const auto& samples = child->sampleView()->model();
  int judged = samples.columnCount() - 1;
  while (judged > 0 && samples.headerData(judged, Qt::Horizontal, Qt::DisplayRole) != "Judge Result")
    --judged;
  EXPECT_EQ(column(child->sampleView(), judged), (QStringList{"Level 1", "NG", "Level 1", "NG"}));
  child->job().addSample(testing::curveSample("far", 20), false);
  EXPECT_EQ(status("statusCounts"), "Standards: 2  Samples: 5  NG: 3");
  child->job().addSample(testing::curveSample("same", 0), false);
  EXPECT_EQ(status("statusCounts"), "Standards: 2  Samples: 6  NG: 3");
  child->job().deleteSamples({1});
  EXPECT_EQ(status("statusCounts"), "Standards: 2  Samples: 5  NG: 2");
  EXPECT_EQ(child->sampleView()->model().rowCount(), 5);
}

// Standard and sample buttons differ in their names, tips and pictures, not
// only in colour; all of it follows the language.
TEST_F(MainFrameTest, ToolTipsAndPicturesTellTheListsApart) {
  const struct {
    int standard, sample;
    const char *standardTip, *sampleTip;
  } pairs[] = {
      {CmdMeasureStandard, CmdMeasureSample, "Standard Measure (F2)", "Sample Measure (F3)"},
      {CmdAutoNamingStandard, CmdAutoNamingSample, "Standard Auto Naming (F4)",
       "Sample Auto Naming (F5)"},
      {CmdDeleteStandard, CmdDeleteSample, "Standard Delete (F6)", "Sample Delete (F7)"},
  };
  // Where the picture is near white: the glyph and the list's tag, whatever the colour.
  const auto whiteMask = [](const QIcon& icon) {
    const QImage image = icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    QByteArray mask;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) mask += qGray(image.pixel(x, y)) > 200 ? '1' : '0';
    return mask;
  };
  for (const auto& p : pairs) {
    ASSERT_TRUE(tool(p.standard) && tool(p.sample));
    EXPECT_EQ(tool(p.standard)->toolTip(), p.standardTip);
    EXPECT_EQ(tool(p.sample)->toolTip(), p.sampleTip);
    auto* toolbar = frame->findChild<QToolBar*>("toolbar");
    EXPECT_EQ(toolbar->widgetForAction(tool(p.sample))->toolTip(), p.sampleTip);
    EXPECT_NE(tool(p.standard)->text(), tool(p.sample)->text());
    EXPECT_NE(whiteMask(tool(p.standard)->icon()), whiteMask(tool(p.sample)->icon()))
        << p.sampleTip;
  }
  const QByteArray englishTag = whiteMask(tool(CmdMeasureSample)->icon());
  frame->runCommand(CmdChineseTraditional);
  EXPECT_EQ(tool(CmdMeasureSample)->toolTip(), QString::fromUtf8("試樣測量 (F3)"));
  EXPECT_EQ(tool(CmdDeleteStandard)->toolTip(), QString::fromUtf8("刪除標樣 (F6)"));
  EXPECT_NE(whiteMask(tool(CmdMeasureSample)->icon()), englishTag);
}

// Each menu level's access keys are unique, in every language, with the
// window list and the recent files filled in.
TEST_F(MainFrameTest, MenuAccessKeysAreUniquePerMenu) {
  QTemporaryDir dir;
  writeJob(dir.filePath("a.job"), "A", 1);
  frame->setRecentFiles({dir.filePath("a.job").toStdString(), "/gone/b.job"});
  frame->newJob();
  for (int command : {CmdEnglish, CmdChineseSimplified, CmdChineseTraditional}) {
    frame->runCommand(command);
    std::function<void(const QString&, const QList<QAction*>&)> check =
        [&](const QString& where, const QList<QAction*>& actions) {
          std::map<char, QString> keys;
          for (QAction* a : actions) {
            if (a->isSeparator()) continue;
            const char key = mnemonicOf(a->text().toStdString());
            EXPECT_NE(key, 0) << where.toStdString() << ": " << a->text().toStdString();
            const auto [it, added] = keys.emplace(key, a->text());
            EXPECT_TRUE(added) << where.toStdString() << ": " << a->text().toStdString() << " and "
                               << it->second.toStdString();
            if (a->menu()) {
              emit a->menu()->aboutToShow();
              check(a->text(), a->menu()->actions());
            }
          }
        };
    check("menu bar", frame->menuBar()->actions());
  }
  // The Chinese form, as desktop programs write it.
  EXPECT_EQ(menuTitles().front(), QString::fromUtf8("工作(&J)"));
  EXPECT_EQ(frame->action(CmdOpen)->text().section('\t', 0, 0), QString::fromUtf8("開啟(&O)"));
}

TEST_F(MainFrameTest, CtrlNAndCtrlOAreBound) {
  EXPECT_EQ(frame->action(CmdNew)->shortcut(), QKeySequence(QKeySequence::New));
  EXPECT_EQ(frame->action(CmdOpen)->shortcut(), QKeySequence(QKeySequence::Open));
  EXPECT_EQ(frame->action(CmdOpen)->text(),
            "&Open\t" + QKeySequence(QKeySequence::Open).toString(QKeySequence::NativeText));
  frame->activateWindow();
  QApplication::setActiveWindow(frame.get());
  QTest::keySequence(frame.get(), QKeySequence(QKeySequence::New));
  ASSERT_EQ(frame->children().size(), 2u);
  CChildFrame* added = frame->children().back();
  activate(added);
  QTemporaryDir dir;
  const QString path = dir.filePath("keyed.job");
  writeJob(path, "Keyed", 2);
  ui::setFileDialogHandler([&](bool) { return path; });
  QTest::keySequence(frame.get(), QKeySequence(QKeySequence::Open));
  EXPECT_EQ(added->job().sampleCount(), 2);
  EXPECT_EQ(child->job().sampleCount(), 0);
}

TEST_F(MainFrameTest, TheWindowMenuListsAndActivatesTheJobs) {
  using Entries = std::vector<std::pair<QString, bool>>;
  activate(child);
  EXPECT_EQ(windowEntries(), (Entries{{"&1 Job1 - (no file yet)", true}}));
  CChildFrame* second = frame->newJob();
  activate(second);
  EXPECT_EQ(windowEntries(),
            (Entries{{"&1 Job1 - (no file yet)", false}, {"&2 Job2 - (no file yet)", true}}));
  // Choosing an entry activates its job; a title's "&" stays a character.
  child->job().setTitle("R&D");
  child->job().setModified(true);
  frame->windowMenu()->findChild<QAction*>("window1")->trigger();
  EXPECT_EQ(frame->activeChild(), child);
  EXPECT_EQ(windowEntries(),
            (Entries{{"&1 *R&&D - (no file yet)", true}, {"&2 Job2 - (no file yet)", false}}));
  // Choosing the active one again keeps its mark.
  frame->windowMenu()->findChild<QAction*>("window1")->trigger();
  EXPECT_EQ(windowEntries().front().second, true);
  frame->windowMenu()->findChild<QAction*>("window2")->trigger();
  EXPECT_EQ(frame->activeChild(), second);
  second->parentWidget()->close();
  EXPECT_EQ(windowEntries(), (Entries{{"&1 *R&&D - (no file yet)", true}}));
}

TEST_F(MainFrameTest, RecentFilesFromOpenAndSaveReopenFromTheMenu) {
  QTemporaryDir dir;
  const QString saved = dir.filePath("saved.job"), other = dir.filePath("other.job");
  writeJob(other, "Other", 3);
  std::vector<std::vector<std::string>> stored;
  frame->storeRecentFiles = [&](const std::vector<std::string>& list) { stored.push_back(list); };
  EXPECT_FALSE(frame->recentMenu()->menuAction()->isEnabled());
  fillSamples();
  ui::setFileDialogHandler([&](bool save) { return save ? saved : other; });
  frame->runCommand(CmdSave);
  EXPECT_EQ(frame->recentFiles(), (std::vector<std::string>{saved.toStdString()}));
  CChildFrame* second = frame->newJob();
  activate(second);
  frame->runCommand(CmdOpen);
  const std::vector<std::string> both = {other.toStdString(), saved.toStdString()};
  EXPECT_EQ(frame->recentFiles(), both);
  ASSERT_FALSE(stored.empty());
  EXPECT_EQ(stored.back(), both);
  EXPECT_TRUE(frame->recentMenu()->menuAction()->isEnabled());
  ASSERT_TRUE(recentEntry(2));
  EXPECT_EQ(recentEntry(1)->text(), "&1 " + other);
  EXPECT_EQ(recentEntry(2)->text(), "&2 " + saved);

  // Chosen from the menu, the file opens into the active job and moves up.
  CChildFrame* third = frame->newJob();
  activate(third);
  recentEntry(2)->trigger();
  EXPECT_EQ(third->job().filePath, saved.toStdString());
  EXPECT_EQ(third->job().sampleCount(), 4);
  EXPECT_EQ(frame->recentFiles(),
            (std::vector<std::string>{saved.toStdString(), other.toStdString()}));

  // A file gone is greyed when the menu opens ...
  ASSERT_TRUE(QFile::remove(other));
  emit frame->recentMenu()->aboutToShow();
  ASSERT_TRUE(recentEntry(2));
  EXPECT_FALSE(recentEntry(2)->isEnabled());
  EXPECT_TRUE(recentEntry(1)->isEnabled());
  // ... and one that went while the menu was up is reported and dropped.
  testing::MessageRecorder messages;
  const std::size_t writes = stored.size();
  frame->openRecentFile(other.toStdString());
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text,
            "The file " + other + " no longer exists and was removed from the recent files.");
  EXPECT_EQ(frame->recentFiles(), (std::vector<std::string>{saved.toStdString()}));
  EXPECT_EQ(stored.size(), writes + 1);
  EXPECT_EQ(stored.back(), frame->recentFiles());
  EXPECT_EQ(third->job().filePath, saved.toStdString());
}

}  // namespace
}  // namespace corvana
