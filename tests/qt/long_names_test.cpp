// A job whose name runs to megabytes, and records whose names do: the job
// window shows them bounded (the window system refuses a title that large).
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTemporaryDir>

#include "core/job_file.h"
#include "core/job_manager.h"
#include "core/language_table.h"
#include "qt/child_frame.h"
#include "qt/main_frame.h"
#include "qt/views/record_list_view.h"
#include "tests/core/job_fixtures.h"
#include "ui_test_support.h"

namespace corvana {
namespace {

constexpr int kShownAtMost = 300;  // "a few hundred characters"
const QString kEllipsis = QString::fromUtf8("\xE2\x80\xA6");

TEST(LongNames, AJobNameOfMegabytesIsShownElided) {
  LanguageIndex = English;
  QTemporaryDir dir;
  const QString path = dir.filePath("long.job");
  const std::string name(5u << 20, 'N');
  {
    Job job(jobManager());
    job.setTitle(name);
    job.addStandard(testing::curveSample("standard"), false);
    job.addSample(testing::curveSample("sample", 4), false);
    std::string text = jobFileText(job);
    // The records' names as another program might write them.
    for (const std::string record : {"standard", "sample"}) {
      const std::size_t at = text.find("\"" + record + "\"");
      ASSERT_NE(at, std::string::npos);
      text.replace(at + 1, record.size(), std::string(3u << 20, record[1]));
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.data(), qint64(text.size()));
  }
  CMainFrame frame;
  CChildFrame* child = frame.newJob();
  frame.show();
  ASSERT_TRUE(child->openFile(path));
  ASSERT_EQ(child->job().title, name);  // the job keeps its name whole

  const QString suffix = " - " + path;
  const auto* sub = qobject_cast<QMdiSubWindow*>(child->parentWidget());
  for (const QString& title : {child->windowTitle(), sub->windowTitle(), frame.windowTitle()}) {
    EXPECT_LE(title.size(), kShownAtMost + suffix.size() + 50) << title.left(80).toStdString();
  }
  EXPECT_TRUE(child->windowTitle().endsWith(kEllipsis + suffix))
      << child->windowTitle().right(80).toStdString();
  for (QAction* a : frame.windowMenu()->actions())
    EXPECT_LE(a->text().size(), kShownAtMost + suffix.size() + 10);

  for (RecordListView* view : {static_cast<RecordListView*>(child->standardView()),
                               static_cast<RecordListView*>(child->sampleView())}) {
    const QAbstractItemModel& model = view->model();
    ASSERT_EQ(model.rowCount(), 1);
    for (int c = 0; c < model.columnCount(); ++c)
      for (int role : {int(Qt::DisplayRole), int(Qt::ToolTipRole)})
        EXPECT_LE(model.index(0, c).data(role).toString().size(), kShownAtMost) << c << ' ' << role;
  }

  // The question before closing quotes the name, bounded too.
  child->job().setModified(true);
  testing::MessageRecorder messages;
  messages.answer = QMessageBox::Cancel;
  EXPECT_FALSE(child->askToClose());
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_LE(messages.messages[0].text.size(), kShownAtMost + 60);
  EXPECT_TRUE(messages.messages[0].text.contains(kEllipsis));

  // The window still paints.
  const QImage shot = frame.grab().toImage();
  EXPECT_FALSE(shot.isNull());
  EXPECT_GT(shot.width(), 0);
  child->job().setModified(false);
}

}  // namespace
}  // namespace corvana
