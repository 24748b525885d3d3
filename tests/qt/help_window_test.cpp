// Help > User Manual: the manual found by its lookup, shown in the help
// window when the desktop has no viewer, its links followed.
#include "qt/help_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include "core/command_table.h"
#include "core/language_change.h"
#include "core/language_table.h"
#include "qt/child_frame.h"
#include "qt/main_frame.h"
#include "qt/user_manual.h"
#include "ui_test_support.h"

namespace corvana {
namespace {

// $CORVANA_MANUAL_DIR for the life of the test.
class ManualDirectory {
 public:
  explicit ManualDirectory(const QString& path) { qputenv("CORVANA_MANUAL_DIR", path.toUtf8()); }
  ~ManualDirectory() { qunsetenv("CORVANA_MANUAL_DIR"); }
};

void writeFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

class HelpWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LanguageIndex = English;
    writeFile(dir.filePath("en/index.html"),
              "<html><body><h1>Fixture contents</h1><p><img src=\"pictures/dot.png\"></p>"
              "<p><a href=\"second.html\">To the second page</a></p></body></html>");
    writeFile(dir.filePath("en/second.html"),
              "<html><body><p>The second page of the fixture.</p></body></html>");
    QDir().mkpath(dir.filePath("en/pictures"));
    QImage dot(4, 4, QImage::Format_RGB32);
    dot.fill(Qt::red);
    ASSERT_TRUE(dot.save(dir.filePath("en/pictures/dot.png")));
  }
  void TearDown() override { LanguageIndex = English; }
  QTemporaryDir dir;
  QWidget parent;
};

TEST_F(HelpWindowTest, WithoutAViewerTheManualOpensInTheHelpWindowAndFollowsLinks) {
  ManualDirectory manual(dir.path());
  QUrl asked;
  ui::HelpWindow* window = ui::openUserManual(&parent, [&](const QUrl& url) {
    asked = url;
    return false;  // no viewer on this desktop
  });
  const QUrl index = QUrl::fromLocalFile(QDir(dir.path()).filePath("en/index.html"));
  EXPECT_EQ(asked, index);
  ASSERT_NE(window, nullptr);
  QTextBrowser* browser = window->browser();
  EXPECT_EQ(browser->source(), index);
  EXPECT_TRUE(browser->toPlainText().contains("Fixture contents"));
  // The picture resolves beside the page.
  const QVariant picture =
      browser->loadResource(QTextDocument::ImageResource, QUrl("pictures/dot.png"));
  EXPECT_FALSE(picture.isNull());

  // The link taken from the keyboard: Tab to it, Enter to follow it.
  QTest::keyClick(browser, Qt::Key_Tab);
  QTest::keyClick(browser, Qt::Key_Return);
  EXPECT_EQ(browser->source().fileName(), "second.html");
  EXPECT_TRUE(browser->toPlainText().contains("The second page of the fixture."));
  QAction* back = window->findChild<QAction*>("helpBack");
  ASSERT_NE(back, nullptr);
  ASSERT_TRUE(back->isEnabled());
  back->trigger();
  EXPECT_EQ(browser->source(), index);

  // Asked again: the same window, back at the contents.
  browser->setSource(QUrl("second.html"));
  EXPECT_EQ(ui::openUserManual(&parent, [](const QUrl&) { return false; }), window);
  EXPECT_EQ(browser->source(), index);
  EXPECT_EQ(parent.findChildren<ui::HelpWindow*>().size(), 1);

  // Its own texts follow a language change while it is open.
  EXPECT_EQ(back->text(), "Back");
  setLanguage(ChineseTraditional, false);
  EXPECT_EQ(back->text(), QString::fromUtf8("上一頁"));
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("操作說明書"));
  delete window;
  setLanguage(English, false);  // its listener went with it
}

TEST_F(HelpWindowTest, AViewerThatOpensTheManualNeedsNoWindow) {
  ManualDirectory manual(dir.path());
  LanguageIndex = ChineseTraditional;  // no zh-TW pages here: the English ones
  QUrl asked;
  EXPECT_EQ(ui::openUserManual(&parent,
                               [&](const QUrl& url) {
                                 asked = url;
                                 return true;
                               }),
            nullptr);
  EXPECT_EQ(asked, QUrl::fromLocalFile(QDir(dir.path()).filePath("en/index.html")));
  EXPECT_TRUE(parent.findChildren<ui::HelpWindow*>().isEmpty());
}

TEST_F(HelpWindowTest, WithoutAManualTheMenuCommandSaysWhereItLooked) {
  QTemporaryDir empty;
  ManualDirectory manual(empty.path());
  testing::MessageRecorder messages;
  LanguageIndex = ChineseSimplified;
  CMainFrame frame;
  frame.newJob();
  frame.runCommand(CmdUserManual);
  ASSERT_EQ(messages.messages.size(), 1u);
  const QString shown = messages.messages[0].text;
  EXPECT_TRUE(shown.startsWith(QString::fromUtf8("找不到使用说明书。"))) << shown.toStdString();
  EXPECT_TRUE(shown.contains(empty.path())) << shown.toStdString();
  EXPECT_TRUE(shown.contains("share/corvana/manual")) << shown.toStdString();
  EXPECT_TRUE(frame.findChildren<ui::HelpWindow*>().isEmpty());
  for (CChildFrame* c : frame.children()) c->job().setModified(false);
}

}  // namespace
}  // namespace corvana
