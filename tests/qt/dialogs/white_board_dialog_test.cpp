// The white-board dialog in a main window, against the real colorport-sim on
// a real pseudo-terminal: reading, writing, the checks, the backup file and
// pasting a list of values.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "core/command_table.h"
#include "core/language_table.h"
#include "instrument/connection.h"
#include "qt/child_frame.h"
#include "qt/dialogs/white_board_data_edit.h"
#include "qt/dialogs/white_board_dialog.h"
#include "qt/file_dialogs.h"
#include "qt/main_frame.h"
#include "qt/ui_text.h"
#include "tests/instrument/sim_connection.h"
#include "tests/qt/ui_test_support.h"

namespace corvana {
namespace {

namespace fs = std::filesystem;

class WhiteBoardDialog : public testing::SimConnection {
 protected:
  void SetUp() override {
    LanguageIndex = English;
    dir_ = fs::temp_directory_path() / ("corvana-white-board-" + std::to_string(getpid()));
    fs::create_directories(dir_);
    setenv("CORVANA_SETTINGS", (dir_ / "Settings.xml").c_str(), 1);
    setenv("COLORPORT_PORT", (dir_ / "no-such-port").c_str(), 1);
    frame = std::make_unique<CMainFrame>();
    window = frame->newJob();
  }
  void TearDown() override {
    ui::setFileDialogHandler({});
    frame.reset();
    SimConnection::TearDown();
    unsetenv("CORVANA_SETTINGS");
    fs::remove_all(dir_);
    LanguageIndex = English;
  }

  std::unique_ptr<WriteWhiteBoard> open() {
    auto d = std::make_unique<WriteWhiteBoard>(&window->job(), frame->instrumentWorker(), window);
    d->show();
    QApplication::processEvents();
    return d;
  }
  void fill(WriteWhiteBoard& d, const QString& inner, const QString& outer, const QString& each) {
    d.innerField()->setText(inner);
    d.outerField()->setText(outer);
    for (int i = 0; i < kWhiteBoardValues; ++i) d.valueField(i)->setText(each);
  }
  std::vector<std::string> messageTexts() const {
    std::vector<std::string> out;
    for (const ui::Message& m : messages.messages) out.push_back(m.text.toStdString());
    return out;
  }
  fs::path file(const char* name) const { return dir_ / name; }
  static std::string bytesOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }

  std::unique_ptr<CMainFrame> frame;
  CChildFrame* window = nullptr;
  testing::MessageRecorder messages;

 private:
  fs::path dir_;
};

TEST_F(WhiteBoardDialog, OpensWithWhatTheInstrumentHolds) {
  connect();
  auto d = open();
  EXPECT_EQ(d->windowTitle(), "Write white board data");
  EXPECT_EQ(d->innerField()->text(), "W20240117");
  EXPECT_EQ(d->outerField()->text(), "W20240118");
  // The simulator's board: 93.5 at 400 nm, rising by 0.05 per step.
  EXPECT_EQ(d->valueField(0)->text(), "93.50");
  EXPECT_EQ(d->valueField(1)->text(), "93.55");
  EXPECT_EQ(d->valueField(30)->text(), "95.00");
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(WhiteBoardDialog, WrittenValuesReadBackWithTwoDecimals) {
  connect();
  auto d = open();
  fill(*d, " W123 ", "W456", "94.567");
  d->valueField(30)->setText("100");
  d->writeButton()->click();
  EXPECT_EQ(messageTexts(), std::vector<std::string>{"Write white board data successfully!"});
  EXPECT_EQ(messages.messages.back().icon, ui::MessageIcon::Information);
  EXPECT_EQ(d->result(), QDialog::Accepted);
  EXPECT_FALSE(d->isVisible());

  auto again = open();
  EXPECT_EQ(again->innerField()->text(), "W123");
  EXPECT_EQ(again->outerField()->text(), "W456");
  EXPECT_EQ(again->valueField(0)->text(), "94.57");
  EXPECT_EQ(again->valueField(30)->text(), "100.00");
  // Read from Instrument overwrites what was typed since.
  again->valueField(5)->setText("1");
  again->innerField()->setText("typed");
  again->readButton()->click();
  EXPECT_EQ(again->valueField(5)->text(), "94.57");
  EXPECT_EQ(again->innerField()->text(), "W123");
  EXPECT_EQ(messages.messages.size(), 1u);
}

TEST_F(WhiteBoardDialog, FailuresOfTheInstrumentSaySoAndChangeNothing) {
  // Without an instrument the dialog opens empty and quietly; the buttons say why.
  auto unconnected = open();
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(unconnected->innerField()->text(), "");
  fill(*unconnected, "W1", "W2", "90");
  unconnected->readButton()->click();
  unconnected->writeButton()->click();
  EXPECT_EQ(messageTexts(), (std::vector<std::string>{
                                "Read White Board Parameters Failed\n(Invalid device handle.)",
                                "Write white board data failed!\n(Invalid device handle.)"}));
  EXPECT_EQ(unconnected->innerField()->text(), "W1");
  EXPECT_TRUE(unconnected->isVisible());

  connect();
  auto d = open();
  messages.messages.clear();
  fill(*d, "W9", "W8", "91");
  ASSERT_TRUE(sim_->control("status 3"));
  d->writeButton()->click();
  ASSERT_TRUE(sim_->control("status 3"));
  d->readButton()->click();
  EXPECT_EQ(messageTexts(), (std::vector<std::string>{
                                "Write white board data failed!\n(Execute request failed.)",
                                "Read White Board Parameters Failed\n(Execute request failed.)"}));
  for (const ui::Message& m : messages.messages) EXPECT_EQ(m.icon, ui::MessageIcon::Stop);
  EXPECT_TRUE(d->isVisible());
  EXPECT_EQ(d->innerField()->text(), "W9");  // a failed read leaves the fields
  EXPECT_EQ(d->valueField(0)->text(), "91");
}

TEST_F(WhiteBoardDialog, AWrongFieldIsNamedFocusedAndNothingIsWritten) {
  connect();
  const struct {
    const char* inner;
    const char* outer;
    int field;  // a value field changed from "94.5", or -1
    const char* value;
    const char* message;
    const char* focus;
  } cases[] = {
      {"123456789012345678901", "W456", -1, "", "Inner white board is invalid!", "inner"},
      {"W123", "   ", -1, "", "Outter white board is invalid!", "outer"},
      {"W123", "W456", 12, "100.01", "Data of '520' is overrange!(0-100)", "value520"},
      {"W123", "W456", 30, "", "Data of '700' is empty!", "value700"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    for (QPushButton* (WriteWhiteBoard::*button)() const :
         {&WriteWhiteBoard::writeButton, &WriteWhiteBoard::backupButton}) {
      auto d = open();
      fill(*d, c.inner, c.outer, "94.5");
      if (c.field >= 0) d->valueField(c.field)->setText(c.value);
      bool asked = false;
      ui::setFileDialogHandler([&](bool) {
        asked = true;
        return QString();
      });
      messages.messages.clear();
      ((*d).*button)()->click();
      EXPECT_EQ(messageTexts(), std::vector<std::string>{c.message});
      EXPECT_EQ(messages.messages[0].caption, ui::productTitle());
      EXPECT_EQ(messages.messages[0].icon, ui::MessageIcon::Stop);
      EXPECT_EQ(d->focusWidget()->objectName(), c.focus);
      EXPECT_TRUE(d->isVisible());
      EXPECT_FALSE(asked);
    }
  }
  // The instrument still holds its own board.
  EXPECT_EQ(open()->innerField()->text(), "W20240117");
}

TEST_F(WhiteBoardDialog, BackupWritesTheFileOfTheFields) {
  connect();
  auto d = open();
  fill(*d, "W123", "W456", "94.5");
  d->valueField(1)->setText("94.567");  // typed with more decimals than the file keeps
  const fs::path path = file("board.txt");
  {
    std::ofstream earlier(path);
    earlier << "an earlier file, longer than the new one will be ......................."
               "......................................................................."
               "......................................................................."
               "......................................................................."
               "......................................................................."
               "......................................................................."
               "......................................................................."
               "...................................";
  }
  ui::setFileDialogHandler([&](bool save) {
    EXPECT_TRUE(save);
    return QString::fromStdString(path.string());
  });
  d->backupButton()->click();
  EXPECT_TRUE(messages.messages.empty());
  std::string wavelengths, values;
  for (int i = 0; i < 31; ++i) {
    wavelengths += (i ? "\t" : "") + std::to_string(400 + 10 * i);
    values += i ? (i == 1 ? "\t94.57" : "\t94.50") : "94.50";
  }
  EXPECT_EQ(bytesOf(path),
            "Inner Name: W123\nOuter Name: W456\n" + wavelengths + "\n" + values + "\n");
  EXPECT_TRUE(d->isVisible());  // a backup leaves the dialog open

  // Cancelling the file dialog writes nothing and says nothing.
  ui::setFileDialogHandler([](bool) { return QString(); });
  d->innerField()->setText("W999");
  d->backupButton()->click();
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_NE(bytesOf(path).find("W123"), std::string::npos);

  // A file that cannot be created is reported.
  ui::setFileDialogHandler(
      [&](bool) { return QString::fromStdString((file("missing") / "board.txt").string()); });
  d->backupButton()->click();
  EXPECT_EQ(messageTexts(), std::vector<std::string>{"Save white board parameters failed!"});
}

TEST_F(WhiteBoardDialog, APastedListSpreadsOverTheFieldsFromThePastedOne) {
  const struct {
    int field;
    const char* clipboard;
    std::vector<std::pair<int, const char*>> expected;  // other fields keep "x"
  } cases[] = {
      {28, "95.1 95.3 95.6", {{28, "95.1"}, {29, "95.3"}, {30, "95.6"}}},
      {30, "95.1 95.3 95.6", {{30, "95.1"}}},
      {0, "95.1  95.3", {{0, "95.1"}, {1, ""}, {2, "95.3"}}},
      // A column copied from a spreadsheet; its last line break adds nothing.
      {10, "1\r\n2\r\n3\r\n", {{10, "1"}, {11, "2"}, {12, "3"}}},
      // One value replaces the field's text rather than going in at the cursor.
      {5, "7", {{5, "7"}}},
  };
  auto d = open();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.clipboard);
    for (int i = 0; i < kWhiteBoardValues; ++i) d->valueField(i)->setText("x");
    QApplication::clipboard()->setText(QString::fromUtf8(c.clipboard));
    WhiteBoardDataEdit* target = d->valueField(c.field);
    target->setFocus();
    target->end(false);
    QTest::keySequence(target, QKeySequence::Paste);
    std::vector<std::string> expected(kWhiteBoardValues, "x"), seen;
    for (const auto& [field, text] : c.expected) expected[std::size_t(field)] = text;
    for (int i = 0; i < kWhiteBoardValues; ++i)
      seen.push_back(d->valueField(i)->text().toStdString());
    EXPECT_EQ(seen, expected);
  }
  // The board numbers paste as ordinary fields.
  QApplication::clipboard()->setText("A B");
  d->innerField()->clear();
  QTest::keySequence(d->innerField(), QKeySequence::Paste);
  EXPECT_EQ(d->innerField()->text(), "A B");
}

TEST_F(WhiteBoardDialog, TheMenuCommandOpensItRead) {
  connect();
  ASSERT_TRUE(frame->commandEnabled(CmdWhiteBoard));
  QString inner;
  auto* poll = new QTimer;
  // The dialog reads the instrument before it shows, so wait for it.
  QObject::connect(poll, &QTimer::timeout, [&, poll] {
    auto* d = qobject_cast<WriteWhiteBoard*>(QApplication::activeModalWidget());
    if (!d) return;
    poll->stop();
    inner = d->innerField()->text();
    d->closeButton()->click();
  });
  poll->start(0);
  frame->runCommand(CmdWhiteBoard);
  delete poll;
  EXPECT_EQ(inner, "W20240117");
  EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
}  // namespace corvana
