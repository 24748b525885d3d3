// The main window and job windows driven as a user would: menus, keys,
// list clicks, and the job file commands.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include "core/command_table.h"
#include "core/job_manager.h"
#include "core/language_table.h"
#include "qt/child_frame.h"
#include "qt/file_dialogs.h"
#include "qt/main_frame.h"
#include "qt/views/record_list_view.h"
#include "ui_test_support.h"

namespace corvana {
namespace {

MeasurementRecord curve(const std::string& name, float shift, const std::string& material = "") {
  MeasurementRecord r;
  r.setName(name);
  r.setMaterial(material);
  for (int i = 0; i < kCurvePoints; ++i)
    r.reflectance[std::size_t(i)] =
        0.05f + 0.7f / (1.0f + std::exp(-(float(wavelengthOf(i)) - 600.0f - shift) / 15.0f));
  r.UseReflect = true;
  return r;
}

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
    job.addStandard(curve("STD", 0), false);
    const char* names[] = {"delta", "alpha", "charlie", "bravo"};
    const char* materials[] = {"M2", "M1", "M2", ""};
    for (int i = 0; i < 4; ++i) job.addSample(curve(names[i], float(i * 6), materials[i]), false);
  }
  QStringList column(RecordListView* view, int c) const {
    QStringList out;
    for (int r = 0; r < view->model().rowCount(); ++r)
      out << view->model().index(r, c).data().toString();
    return out;
  }
  std::unique_ptr<CMainFrame> frame;
  CChildFrame* child = nullptr;
};

TEST_F(MainFrameTest, MenusFollowTheLanguageWithCheckMarks) {
  EXPECT_EQ(menuTitles(), (QStringList{"Job", "Standard", "Sample", "Settings", "Instrument",
                                       "Window", "Report", "Help"}));
  EXPECT_EQ(frame->action(CmdMeasureStandard)->text(), "Measure\tF2");
  EXPECT_TRUE(frame->action(CmdEnglish)->isChecked());
  frame->action(CmdChineseSimplified)->trigger();
  EXPECT_EQ(LanguageIndex, ChineseSimplified);
  EXPECT_EQ(menuTitles().at(1), QString::fromUtf8("标样"));
  EXPECT_TRUE(frame->action(CmdChineseSimplified)->isChecked());
  EXPECT_FALSE(frame->action(CmdEnglish)->isChecked());
  EXPECT_EQ(child->sampleView()->model().headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
            QString::fromUtf8("试样"));
  frame->action(CmdChineseTraditional)->trigger();
  EXPECT_EQ(menuTitles().at(2), QString::fromUtf8("試樣"));
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
  EXPECT_EQ(child->job().filePath, first.toStdString());  // Save As keeps the job's path
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

}  // namespace
}  // namespace corvana
