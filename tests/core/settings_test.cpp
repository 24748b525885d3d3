#include "core/settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "settings_fixtures.h"

namespace corvana {
namespace {

using testing::FileSizeLimit;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

const std::string kBom = "\xEF\xBB\xBF";

std::vector<std::string> folderEntries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  return names;
}

TEST(Settings, ElementsAreCreatedInTheOrderTheyAreFirstWritten) {
  TempFolder folder;
  const std::string path = folder.file("Settings.xml");
  ASSERT_TRUE(writeSetting(path, "Lang|Lang", "CHS"));
  ASSERT_TRUE(writeSetting(path, "Save|AutoSave", 1));
  ASSERT_TRUE(writeSetting(path, "Instrument|Model", "CM-750 Spectrophotometer"));
  ASSERT_TRUE(writeSetting(path, "Instrument|MeasurementMode", "SCI"));
  ASSERT_TRUE(writeSetting(path, "Company|EnglishName", "Dyeworks"));
  // A later write of an existing attribute keeps its place.
  ASSERT_TRUE(writeSetting(path, "Lang|Lang", "ENG"));
  ASSERT_TRUE(writeSetting(path, "Instrument|Model", "CM-760"));
  EXPECT_EQ(readBytes(path),
            "<Lang Lang=\"ENG\" />\n"
            "<Save AutoSave=\"1\" />\n"
            "<Instrument Model=\"CM-760\" MeasurementMode=\"SCI\" />\n"
            "<Company EnglishName=\"Dyeworks\" />\n");
}

TEST(Settings, DeeperKeyPathsNestElementsFromTheDocumentLevel) {
  TempFolder folder;
  const std::string path = folder.file("Settings.xml");
  ASSERT_TRUE(writeSetting(path, "Report|Page|Margin|Left", 12));
  ASSERT_TRUE(writeSetting(path, "Report|Page|Size", "A4"));
  EXPECT_EQ(readBytes(path),
            "<Report>\n"
            "    <Page Size=\"A4\">\n"
            "        <Margin Left=\"12\" />\n"
            "    </Page>\n"
            "</Report>\n");
  const SettingsDocument document = loadSettings(path);
  EXPECT_EQ(readSettingInt(document, "Report|Page|Margin|Left"), 12);
  EXPECT_EQ(readSettingText(document, "Report|Page|Size"), "A4");
  // The attribute belongs to the innermost element only.
  EXPECT_EQ(readSettingText(document, "Report|Size"), std::nullopt);
  EXPECT_EQ(readSettingText(document, "Page|Size"), std::nullopt);
}

TEST(Settings, ReadingFindsTheFirstElementOfEachNameAndCreatesNothing) {
  TempFolder folder;
  const std::string path = folder.file("Settings.xml");
  const std::string text =
      "<Lang Lang=\"CHT\" Other=\"x\" />\n"
      "<Lang Lang=\"CHS\" />\n"
      "<Company><Company EnglishName=\"inner\" /></Company>\n"
      "<Company EnglishName=\"second\" />\n"
      "<Save AutoSave=\"\" />\n";
  writeBytes(path, text);
  const SettingsDocument document = loadSettings(path);
  ASSERT_TRUE(document.loaded());
  struct Case {
    const char* key;
    std::optional<std::string> value;
  } cases[] = {
      {"Lang|Lang", "CHT"},
      {"Lang|Other", "x"},
      {"Lang|Missing", std::nullopt},
      {"Company|EnglishName", std::nullopt},  // the first Company has no such attribute
      {"Company|Company|EnglishName", "inner"},
      {"Save|AutoSave", ""},
      {"Instrument|Model", std::nullopt},
      {"Lang", std::nullopt},  // no element part
      {"|Lang", std::nullopt},
      {"Lang|", std::nullopt},
      {"Lang||Lang", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    std::string value = "unchanged";
    EXPECT_EQ(readSetting(document, c.key, value), c.value.has_value());
    EXPECT_EQ(value, c.value.value_or("unchanged"));
  }
  EXPECT_EQ(readBytes(path), text);
}

TEST(Settings, WritingGoesToTheFirstElementOfThatName) {
  TempFolder folder;
  const std::string path = folder.file("Settings.xml");
  writeBytes(path, "<Lang Lang=\"CHT\" />\n<Lang Lang=\"CHS\" />\n");
  ASSERT_TRUE(writeSetting(path, "Lang|Lang", "ENG"));
  EXPECT_EQ(readBytes(path), "<Lang Lang=\"ENG\" />\n<Lang Lang=\"CHS\" />\n");
}

TEST(Settings, IntegersAreReadAsPercentD) {
  struct Case {
    const char* stored;
    std::optional<int> value;
  } cases[] = {
      {"1", 1},
      {"0", 0},
      {"-3", -3},
      {"+4", 4},
      {"  7", 7},
      {"12abc", 12},
      {"abc", std::nullopt},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"99999999999", std::nullopt},
      {"2147483647", 2147483647},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    const SettingsDocument document =
        parseSettings(std::string("<Save AutoSave=\"") + c.stored + "\" />");
    ASSERT_TRUE(document.loaded());
    int value = -77;
    EXPECT_EQ(readSetting(document, "Save|AutoSave", value), c.value.has_value());
    EXPECT_EQ(value, c.value.value_or(-77));
  }
}

TEST(Settings, TextsRoundTripUnchanged) {
  const std::string texts[] = {
      "Dyeworks & Sons <Ltd>",
      "He said \"ok\" and 'fine'",
      "A&#x41;B",
      "AT&#xyz",
      "two\nlines\tand a tab",
      "  blanks kept  ",
      "广州市天河区 染整有限公司",
      "臺北市 染整有限公司",
      "",
  };
  TempFolder folder;
  const std::string path = folder.file("Settings.xml");
  for (const std::string& text : texts) {
    SCOPED_TRACE(text);
    ASSERT_TRUE(writeSetting(path, "Company|ChineseAddress", text));
    EXPECT_EQ(readSettingText(loadSettings(path), "Company|ChineseAddress"), text);
  }
}

TEST(Settings, AByteOrderMarkIsWrittenOnlyWhenTheLoadedFileHadOne) {
  struct Case {
    const char* name;
    std::string before;
    bool bom;
  } cases[] = {
      {"with mark", kBom + "<Lang Lang=\"CHS\" />\n", true},
      {"without mark", "<Lang Lang=\"CHS\" />\n", false},
      {"no file", "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const std::string path = folder.file("Settings.xml");
    if (!c.before.empty()) writeBytes(path, c.before);
    ASSERT_TRUE(writeSetting(path, "Save|AutoSave", 0));
    ASSERT_TRUE(writeSetting(path, "Save|AutoSave", 1));
    const std::string after = readBytes(path);
    EXPECT_EQ(after.rfind(kBom, 0) == 0, c.bom) << after;
    EXPECT_EQ(readSettingInt(loadSettings(path), "Save|AutoSave"), 1);
    EXPECT_EQ(after.find(kBom, 1), std::string::npos);
  }
}

TEST(Settings, OtherContentOfTheFileIsKept) {
  TempFolder folder;
  const std::string path = folder.file("Settings.xml");
  writeBytes(path, "<!-- kept -->\n<Window Left=\"10\" Top=\"20\" />\n<Lang Lang=\"CHT\" />\n");
  ASSERT_TRUE(writeSetting(path, "Lang|Lang", "ENG"));
  EXPECT_EQ(readBytes(path),
            "<!-- kept -->\n<Window Left=\"10\" Top=\"20\" />\n<Lang Lang=\"ENG\" />\n");
}

TEST(Settings, CrLfFilesFromWindowsRead) {
  const SettingsDocument document =
      parseSettings(kBom + "<Lang Lang=\"CHT\" />\r\n<Company EnglishName=\"Dye\r\nworks\" />\r\n");
  EXPECT_EQ(readSettingText(document, "Lang|Lang"), "CHT");
  EXPECT_EQ(readSettingText(document, "Company|EnglishName"), "Dye\nworks");
}

TEST(Settings, A8BitFileFromWindowsReadsAndKeepsItsTextsWhenRewritten) {
  // "染整" and "臺北" in GBK and Big5, as a Chinese Windows installation wrote them.
  struct Case {
    const char* name;
    std::string bytes;
    const char* text;
  } cases[] = {
      {"GBK", "<Company ChineseName=\"\xC8\xBE\xD5\xFB\" />\n", "染整"},
      {"Big5", "<Company ChineseName=\"\xBB\x4F\xA5\x5F\" />\n", "臺北"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const std::string path = folder.file("Settings.xml");
    writeBytes(path, c.bytes);
    EXPECT_EQ(readSettingText(loadSettings(path), "Company|ChineseName"), c.text);
    ASSERT_TRUE(writeSetting(path, "Company|EnglishName", "Dyeworks"));
    const SettingsDocument document = loadSettings(path);
    EXPECT_EQ(readSettingText(document, "Company|ChineseName"), c.text);
    EXPECT_EQ(readSettingText(document, "Company|EnglishName"), "Dyeworks");
  }
}

TEST(Settings, NewTextsGoOutInTheActiveCodePage) {
  // The tests run in the C locale, whose code page counts as UTF-8.
  const SettingValue value{"Company|ChineseName", "染整"};
  EXPECT_EQ(updatedSettingsText(std::nullopt, std::span(&value, 1)),
            "<Company ChineseName=\"染整\" />\n");
  EXPECT_EQ(updatedSettingsText("<Lang Lang=\"CHS\" />", std::span(&value, 1)),
            "<Lang Lang=\"CHS\" />\n<Company ChineseName=\"染整\" />\n");
  const SettingValue bad{"Company", "x"};
  EXPECT_EQ(updatedSettingsText(std::nullopt, std::span(&bad, 1)), std::nullopt);
}

std::string deepNesting(int depth) {
  std::string text;
  for (int i = 0; i < depth; ++i) text += "<a>";
  for (int i = 0; i < depth; ++i) text += "</a>";
  return text;
}

const struct CorruptCase {
  const char* name;
  std::string bytes;
} kCorrupt[] = {
    {"truncated", "<Lang Lang=\"CHS\" />\n<Save AutoSave=\"1\""},
    {"mismatched end", "<Lang Lang=\"CHS\"></Save>"},
    {"not xml at all", "Lang=CHS"},
    {"unclosed element", "<Lang Lang=\"CHS\">"},
    {"attribute twice", "<Lang Lang=\"CHS\" Lang=\"CHT\" />"},
    {"binary", std::string("\x00\x01\xFF<\xFE", 5)},
    {"deeply nested junk", "<Lang Lang=\"CHS\" />" + deepNesting(200000)},
    {"nested deeper than settings go", "<Lang Lang=\"CHS\" />" + deepNesting(40)},
    {"an element with very many attributes",
     [] {
       std::string text = "<Lang Lang=\"CHS\"";
       for (int i = 0; i < 100000; ++i) text += " a" + std::to_string(i) + "=\"\"";
       return text + " />";
     }()},
    {"cut inside a multi-byte character",
     kBom + "<Lang Lang=\"CHS\" /><Company EnglishName=\"\xF0"},
    {"cut inside a multi-byte name", kBom + "<Lang Lang=\"CHS\" /><\xE4"},
};

TEST(Settings, ACorruptFileReadsAsNoValues) {
  for (const CorruptCase& c : kCorrupt) {
    SCOPED_TRACE(c.name);
    const SettingsDocument document = parseSettings(c.bytes);
    EXPECT_FALSE(document.loaded());
    EXPECT_EQ(readSettingText(document, "Lang|Lang"), std::nullopt);
  }
}

TEST(Settings, AWriteOverACorruptFileCreatesASoundOne) {
  for (const CorruptCase& c : kCorrupt) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const std::string path = folder.file("Settings.xml");
    writeBytes(path, c.bytes);
    EXPECT_FALSE(loadSettings(path).loaded());
    ASSERT_TRUE(writeSetting(path, "Save|AutoSave", 1));
    EXPECT_EQ(readBytes(path), "<Save AutoSave=\"1\" />\n");
    const SettingsDocument document = loadSettings(path);
    EXPECT_EQ(readSettingInt(document, "Save|AutoSave"), 1);
    EXPECT_EQ(readSettingText(document, "Lang|Lang"), std::nullopt);
  }
}

TEST(Settings, AnOversizedFileIsNotRead) {
  TempFolder folder;
  const std::string path = folder.file("Settings.xml");
  writeBytes(path, "<Lang Lang=\"CHS\" />\n<!--" + std::string(2u << 20, 'x') + "-->\n");
  EXPECT_FALSE(loadSettings(path).loaded());
  ASSERT_TRUE(writeSetting(path, "Lang|Lang", "CHT"));
  EXPECT_EQ(readBytes(path), "<Lang Lang=\"CHT\" />\n");
}

TEST(Settings, AMissingFileReadsAsNothingAndTheFirstWriteCreatesIt) {
  TempFolder folder;
  const std::string path = folder.file("Settings.xml");
  EXPECT_FALSE(loadSettings(path).loaded());
  EXPECT_FALSE(std::filesystem::exists(path));
  ASSERT_TRUE(writeSetting(path, "Lang|Lang", "CHS"));
  EXPECT_EQ(readSettingText(loadSettings(path), "Lang|Lang"), "CHS");
}

TEST(Settings, FailedWritesAreReportedAndLeaveNothingBehind) {
  TempFolder folder;
  std::filesystem::create_directory(folder.file("a folder"));
  writeBytes(folder.file("plain file"), "x");
  ASSERT_EQ(::mkfifo(folder.file("a pipe").c_str(), 0600), 0);
  const std::string paths[] = {
      folder.file("missing folder/Settings.xml"), folder.file("plain file/Settings.xml"),
      folder.file("a folder"),  // the target is no file
      folder.file("a pipe"),    // nor is this
  };
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    EXPECT_FALSE(writeSetting(path, "Lang|Lang", "CHS"));
  }
  EXPECT_TRUE(std::filesystem::is_directory(folder.file("a folder")));
  EXPECT_TRUE(std::filesystem::is_fifo(folder.file("a pipe")));
  std::vector<std::string> entries = folderEntries(folder.path());
  std::sort(entries.begin(), entries.end());
  EXPECT_EQ(entries, (std::vector<std::string>{"a folder", "a pipe", "plain file"}));
  EXPECT_TRUE(std::filesystem::is_empty(folder.file("a folder")));
}

TEST(Settings, InvalidKeysWriteNothing) {
  TempFolder folder;
  const std::string path = folder.file("Settings.xml");
  for (const char* key :
       {"Lang", "|Lang", "Lang|", "Lang Name|Lang", "Lang|Lang Name", "1Lang|Lang", "<a>|b"}) {
    SCOPED_TRACE(key);
    EXPECT_FALSE(writeSetting(path, key, "CHS"));
    EXPECT_FALSE(std::filesystem::exists(path));
  }
  const SettingValue mixed[] = {{"Lang|Lang", "CHS"}, {"Bad", "x"}};
  EXPECT_FALSE(writeSettings(path, mixed));
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(Settings, SeveralValuesGoInOneWrite) {
  TempFolder folder;
  const std::string path = folder.file("Settings.xml");
  const SettingValue values[] = {{"Company|ChineseName", "染整"}, {"Company|EnglishName", "Dye"}};
  ASSERT_TRUE(writeSettings(path, values));
  EXPECT_EQ(readBytes(path), "<Company ChineseName=\"染整\" EnglishName=\"Dye\" />\n");
}

TEST(Settings, AWriteThatFailsHalfWayKeepsTheOldFile) {
  TempFolder folder;
  const std::string path = folder.file("Settings.xml");
  const std::string before = "<Lang Lang=\"CHS\" />\n";
  writeBytes(path, before);
  // Let the file system refuse anything past 4 KiB, so the new file cannot be
  // written completely.
  bool written = true;
  {
    FileSizeLimit limit(4096);
    ASSERT_TRUE(limit.isSet());
    written = writeSetting(path, "Company|EnglishAddress", std::string(100000, 'x'));
  }
  EXPECT_FALSE(written);
  EXPECT_EQ(readBytes(path), before);
  EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string>{"Settings.xml"});
}

TEST(Settings, TheFileKeepsItsPermissions) {
  TempFolder folder;
  const std::string path = folder.file("Settings.xml");
  writeBytes(path, "<Lang Lang=\"CHS\" />\n");
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  ASSERT_TRUE(writeSetting(path, "Lang|Lang", "CHT"));
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
}

}  // namespace
}  // namespace corvana
