#include "instrument/white_board.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

#include "language_scope.h"

namespace corvana {
namespace {

WhiteBoardFields filled(const std::string& each = "94.5") {
  WhiteBoardFields f;
  f.inner = "W123";
  f.outer = "W456";
  f.values.fill(each);
  return f;
}

std::string messageOf(const WhiteBoardFields& f) {
  auto r = collectWhiteBoard(f);
  return std::holds_alternative<std::string>(r) ? std::get<std::string>(r) : "(record)";
}

TEST(CollectWhiteBoard, ChecksInTheirOrder) {
  const struct {
    const char* inner;
    const char* outer;
    int field;
    const char* value;
    const char* message;
  } cases[] = {
      {"W123", "W456", 0, "94.5", "(record)"},
      {"123456789012345678901", "W456", 0, "94.5", "Inner white board is invalid!"},
      {"12345678901234567890", "W456", 0, "94.5", "(record)"},
      {"   ", "W456", 0, "94.5", "Inner white board is invalid!"},
      {"", "", 0, "", "Inner white board is invalid!"},
      {"W123", "", 0, "", "Outter white board is invalid!"},
      {"W123", "  W456  ", 0, "94.5", "(record)"},
      // Characters are counted; a number must also fit the instrument's field
      // (31 bytes: ten Chinese characters in UTF-8), never be cut silently.
      {"白板白板白板白板白板", "W456", 0, "94.5", "(record)"},
      {"白板白板白板白板白板白", "W456", 0, "94.5", "Inner white board is invalid!"},
      {"W123", "W456", 30, "100", "(record)"},
      {"W123", "W456", 30, "0", "(record)"},
      {"W123", "W456", 12, "100.01", "Data of '520' is overrange!(0-100)"},
      {"W123", "W456", 12, "-1", "Data of '520' is overrange!(0-100)"},
      {"W123", "W456", 12, "abc", "Data of '520' is overrange!(0-100)"},
      {"W123", "W456", 30, "", "Data of '700' is empty!"},
  };
  for (const auto& c : cases) {
    WhiteBoardFields f = filled();
    f.inner = c.inner;
    f.outer = c.outer;
    f.values[std::size_t(c.field)] = c.value;
    EXPECT_EQ(messageOf(f), c.message) << c.inner << "|" << c.outer << "|" << c.value;
  }
}

TEST(CollectWhiteBoard, TheFaultNamesTheFieldItStopsAt) {
  using F = WhiteBoardFault;
  const struct {
    const char* inner;
    const char* outer;
    std::vector<std::pair<int, const char*>> values;  // fields changed from "94.5"
    F::Field field;
    int value;
  } cases[] = {
      {" ", "", {{0, ""}}, F::Inner, -1},
      {"W123", " ", {{0, ""}}, F::Outer, -1},
      {"W123", "W456", {{30, ""}}, F::Value, 30},
      {"W123", "W456", {{25, ""}, {4, "101"}}, F::Value, 4},  // wavelength order
  };
  for (const auto& c : cases) {
    WhiteBoardFields f = filled();
    f.inner = c.inner;
    f.outer = c.outer;
    for (const auto& [field, text] : c.values) f.values[std::size_t(field)] = text;
    const std::optional<WhiteBoardFault> fault = firstWhiteBoardFault(f);
    ASSERT_TRUE(fault) << c.inner << "|" << c.outer;
    EXPECT_EQ(fault->field, c.field) << c.inner << "|" << c.outer;
    EXPECT_EQ(fault->value, c.value) << c.inner << "|" << c.outer;
    EXPECT_EQ(fault->message, messageOf(f));
  }
  EXPECT_FALSE(firstWhiteBoardFault(filled()));
}

TEST(CollectWhiteBoard, TheRecordTrimmedAndTerminated) {
  WhiteBoardFields f = filled();
  f.inner = " W123 ";
  f.values[3] = "95.125";
  const WhiteBoardData d = std::get<WhiteBoardData>(collectWhiteBoard(f));
  EXPECT_STREQ(d.innerName, "W123");
  EXPECT_STREQ(d.outerName, "W456");
  EXPECT_EQ(d.values[3], 95.125f);
  EXPECT_EQ(d.values[0], 94.5f);
}

TEST(CollectWhiteBoard, MessagesInTheCurrentLanguage) {
  testing::LanguageScope l(ChineseTraditional);
  WhiteBoardFields f = filled();
  f.outer = "";
  EXPECT_EQ(messageOf(f), "外部白板號無效！");
  f = filled();
  f.values[30] = "";
  EXPECT_EQ(messageOf(f), "'700''的數據為空！");
}

WhiteBoardData board(float each) {
  WhiteBoardData d = {};
  std::strcpy(d.innerName, "W123");
  std::strcpy(d.outerName, "W456");
  for (float& v : d.values) v = each;
  return d;
}

TEST(WhiteBoardBackup, TheFileOfTheExample) {
  std::string wavelengths, values;
  for (int nm = 400; nm <= 700; nm += 10) {
    wavelengths += (nm > 400 ? "\t" : "") + std::to_string(nm);
    values += nm > 400 ? "\t94.50" : "94.50";
  }
  EXPECT_EQ(whiteBoardBackupText(board(94.5f)),
            "Inner Name: W123\nOuter Name: W456\n" + wavelengths + "\n" + values + "\n");
}

TEST(WhiteBoardBackup, ValuesReadWithMoreDecimalsAreWrittenWithTwo) {
  WhiteBoardData d = board(94.5f);
  d.values[0] = 93.456789f;
  d.values[1] = 0.004f;
  const WhiteBoardFields f = whiteBoardFieldsOf(d);
  EXPECT_EQ(f.values[0], "93.46");
  EXPECT_EQ(f.values[1], "0.00");
  EXPECT_EQ(f.inner, "W123");
  const std::string text = whiteBoardBackupText(d);
  EXPECT_NE(text.find("\n93.46\t0.00\t94.50"), std::string::npos) << text;
}

TEST(WhiteBoardBackup, ProposedName) {
  EXPECT_EQ(whiteBoardBackupName(board(1)), "whiteboard_W123.txt");
  WhiteBoardData d = board(1);
  std::strcpy(d.innerName, "A/B");
  EXPECT_EQ(whiteBoardBackupName(d), "whiteboard_A_B.txt");
}

class BackupFile : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("corvana-wb-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::filesystem::path folder_;
};

TEST_F(BackupFile, ReplacesAnEarlierFileWithTheExactBytes) {
  const std::string path = (folder_ / "whiteboard_W123.txt").string();
  std::ofstream(path) << "an older backup that is longer than the new one\n"
                      << std::string(4000, 'x');
  ASSERT_EQ(writeWhiteBoardBackup(path, board(94.5f)), "");
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  EXPECT_EQ(bytes.str(), whiteBoardBackupText(board(94.5f)));
}

TEST_F(BackupFile, AFileThatCannotBeWrittenIsReportedInEveryLanguage) {
  const std::string path = (folder_ / "missing-folder" / "whiteboard.txt").string();
  EXPECT_EQ(writeWhiteBoardBackup(path, board(1)), "Save white board parameters failed!");
  testing::LanguageScope l(ChineseSimplified);
  EXPECT_EQ(writeWhiteBoardBackup(path, board(1)), "保存白板参数失败！");
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(PasteSplitting, Pieces) {
  using V = std::vector<std::string>;
  const struct {
    const char* text;
    V pieces;
  } cases[] = {
      {"95.1 95.3 95.6", {"95.1", "95.3", "95.6"}},
      {"95.1  95.6", {"95.1", "", "95.6"}},
      {"95.1\t95.3\n95.6\n", {"95.1", "95.3", "95.6"}},
      {"95.1 ", {"95.1"}},
      {"95.1  ", {"95.1", ""}},
      {" 95.1", {"", "95.1"}},
      {"95.1\r\n95.3\r\n", {"95.1", "95.3"}},  // a Windows line break is one break
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(splitPastedValues(c.text), c.pieces) << c.text;
}

TEST(PasteSplitting, FieldsFromThePastedOneToThe700nmField) {
  using P = std::vector<std::pair<int, std::string>>;
  // 680 nm is field 28.
  EXPECT_EQ(pastedFieldTexts(28, "95.1 95.3 95.6"), (P{{28, "95.1"}, {29, "95.3"}, {30, "95.6"}}));
  EXPECT_EQ(pastedFieldTexts(30, "95.1 95.3 95.6"), (P{{30, "95.1"}}));
  EXPECT_EQ(pastedFieldTexts(0, "95.1  95.6"), (P{{0, "95.1"}, {1, ""}, {2, "95.6"}}));
  EXPECT_EQ(pastedFieldTexts(31, "1"), P{});
}

}  // namespace
}  // namespace corvana
