#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/language_change.h"
#include "core/language_setting.h"
#include "core/language_table.h"
#include "core/settings.h"
#include "settings_fixtures.h"

namespace corvana {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

// Records every notification and leaves the process language as it found it.
class StartupLanguage : public ::testing::Test {
 protected:
  void SetUp() override {
    LanguageIndex = English;
    id_ = languageListeners().add([this](std::uint8_t language) { calls.push_back(language); });
  }
  void TearDown() override {
    languageListeners().remove(id_);
    LanguageIndex = English;
  }

  std::uint8_t start(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "/usr/bin/corvana");
    return decideStartupLanguage(int(arguments.size()), arguments.data(), path);
  }
  std::optional<std::string> stored() const {
    return readSettingText(loadSettings(path), "Lang|Lang");
  }

  TempFolder folder;
  const std::string path = folder.file("Settings.xml");
  std::vector<std::uint8_t> calls;

 private:
  int id_ = 0;
};

TEST(CommandLineLanguage, FirstOptionInTheFixedOrderDecides) {
  struct Case {
    const char* line;
    std::optional<std::uint8_t> language;
  } cases[] = {
      {"", std::nullopt},
      {"job1.job", std::nullopt},
      {"/lang:english", English},
      {"/lang:chinesesimplified", ChineseSimplified},
      {"/lang:chinese_simplified", ChineseSimplified},
      {"/lang:chinesetraditional", ChineseTraditional},
      {"/lang:chinese_traditional", ChineseTraditional},
      {"/LANG:Chinese_Traditional", ChineseTraditional},
      {"/Lang:ChineseSimplified", ChineseSimplified},
      {"/lang:chinesesimplified /lang:english", English},
      {"/lang:chinese_traditional /lang:chinese_simplified", ChineseSimplified},
      {"x.job/lang:chinesetraditionalx", ChineseTraditional},  // a substring anywhere
      {"--lang:english", English},
      {"--LANG:CHINESE_SIMPLIFIED", ChineseSimplified},
      {"--lang:chinesetraditional /lang:chinesesimplified", ChineseSimplified},
      {"-lang:english", std::nullopt},
      {"lang:english", std::nullopt},
      {"/lang:englis", std::nullopt},
      {"/lang:chinese", std::nullopt},
      {"/lang:chinese-simplified", std::nullopt},
      {"/lang: english", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(commandLineLanguage(c.line), c.language);
  }
}

TEST(CommandLineLanguage, ArgumentsAfterTheProgramNameAreSearched) {
  const char* withOption[] = {"/opt/corvana/corvana", "job.job", "/LANG:Chinese_Traditional"};
  EXPECT_EQ(commandLineLanguage(3, withOption), ChineseTraditional);
  // The program's own path is no option, even when it looks like one.
  const char* pathOnly[] = {"/srv/x/lang:english/corvana", "job.job"};
  EXPECT_EQ(commandLineLanguage(2, pathOnly), std::nullopt);
  const char* none[] = {"corvana"};
  EXPECT_EQ(commandLineLanguage(1, none), std::nullopt);
}

TEST(StoredLanguage, TextsMatchIgnoringCaseInOrder) {
  struct Case {
    const char* text;
    std::optional<std::uint8_t> language;
  } cases[] = {
      {"ENG", English},     {"chs", ChineseSimplified}, {"cHt", ChineseTraditional},
      {"EN", std::nullopt}, {"ENGL", std::nullopt},     {" CHS", std::nullopt},
      {"", std::nullopt},   {"1", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(languageFromText(c.text), c.language);
    EXPECT_EQ(readStoredLanguage(parseSettings(std::string("<Lang Lang=\"") + c.text + "\" />")),
              c.language);
  }
  EXPECT_EQ(readStoredLanguage(parseSettings("<Lang Language=\"CHS\" />")), std::nullopt);
}

TEST(StoredLanguage, WrittenAsItsTextAndNothingOutsideTheTable) {
  TempFolder folder;
  const std::string path = folder.file("Settings.xml");
  const char* texts[] = {"ENG", "CHS", "CHT"};
  for (int language = 0; language < 3; ++language) {
    ASSERT_TRUE(writeStoredLanguage(path, language));
    EXPECT_EQ(readBytes(path), std::string("<Lang Lang=\"") + texts[language] + "\" />\n");
  }
  for (int language : {3, -1, 255}) {
    EXPECT_FALSE(writeStoredLanguage(path, language));
    EXPECT_EQ(readBytes(path), "<Lang Lang=\"CHT\" />\n");
  }
  TempFolder empty;
  EXPECT_FALSE(writeStoredLanguage(empty.file("Settings.xml"), 3));
  EXPECT_TRUE(std::filesystem::is_empty(empty.path()));
}

TEST_F(StartupLanguage, AnOptionOverridesTheStoredLanguageAndBecomesTheStoredChoice) {
  writeBytes(path, "<Lang Lang=\"ENG\" />\n<Save AutoSave=\"1\" />\n");
  EXPECT_EQ(start({"/lang:chinese_simplified"}), ChineseSimplified);
  EXPECT_EQ(LanguageIndex, ChineseSimplified);
  EXPECT_EQ(readBytes(path), "<Lang Lang=\"CHS\" />\n<Save AutoSave=\"1\" />\n");
  // The next start without options stays in Simplified Chinese.
  LanguageIndex = English;
  EXPECT_EQ(start({}), ChineseSimplified);
  EXPECT_EQ(LanguageIndex, ChineseSimplified);
  EXPECT_EQ(calls, (std::vector<std::uint8_t>{ChineseSimplified, ChineseSimplified}));
}

TEST_F(StartupLanguage, MixedCaseTraditionalOptionStoresCht) {
  writeBytes(path, "<Lang Lang=\"CHS\" />\n");
  EXPECT_EQ(start({"/LANG:Chinese_Traditional"}), ChineseTraditional);
  EXPECT_EQ(stored(), "CHT");
}

TEST_F(StartupLanguage, EnglishWinsOverSimplifiedWhenBothAreGiven) {
  writeBytes(path, "<Lang Lang=\"CHT\" />\n");
  EXPECT_EQ(start({"/lang:chinesesimplified", "/lang:english"}), English);
  EXPECT_EQ(stored(), "ENG");
  // Forced: the windows re-label even though English was already current.
  EXPECT_EQ(calls, std::vector<std::uint8_t>{English});
}

TEST_F(StartupLanguage, WithoutAnOptionTheStoredLanguageOrEnglish) {
  struct Case {
    const char* name;
    const char* file;  // nullptr: no file
    std::uint8_t language;
  } cases[] = {
      {"stored CHT", "<Lang Lang=\"cht\" />", ChineseTraditional},
      {"stored CHS", "<Lang Lang=\"CHS\" />", ChineseSimplified},
      {"unknown text", "<Lang Lang=\"FRA\" />", English},
      {"no key", "<Save AutoSave=\"1\" />", English},
      {"corrupt file", "<Lang Lang=\"CHS\"", English},
      {"no file", nullptr, English},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(path);
    if (c.file) writeBytes(path, c.file);
    const std::string before = c.file ? readBytes(path) : "";
    LanguageIndex = English;
    calls.clear();
    EXPECT_EQ(start({"job.job"}), c.language);
    EXPECT_EQ(LanguageIndex, c.language);
    EXPECT_EQ(calls, std::vector<std::uint8_t>{c.language});
    // Reading the stored choice never writes.
    EXPECT_EQ(std::filesystem::exists(path), c.file != nullptr);
    if (c.file) {
      EXPECT_EQ(readBytes(path), before);
    }
  }
}

TEST_F(StartupLanguage, AnUnwritableSettingsFileStillSetsTheOption) {
  const char* arguments[] = {"corvana", "--lang:chinese_traditional"};
  EXPECT_EQ(decideStartupLanguage(2, arguments, folder.file("gone/Settings.xml")),
            ChineseTraditional);
  EXPECT_EQ(LanguageIndex, ChineseTraditional);
}

TEST_F(StartupLanguage, SetLanguageNotifiesOnlyOnAChangeUnlessForced) {
  EXPECT_FALSE(setLanguage(English, false));
  EXPECT_TRUE(calls.empty());
  EXPECT_TRUE(setLanguage(English, true));
  EXPECT_TRUE(setLanguage(ChineseTraditional, false));
  EXPECT_EQ(LanguageIndex, ChineseTraditional);
  EXPECT_FALSE(setLanguage(3, true));
  EXPECT_FALSE(setLanguage(255, false));
  EXPECT_EQ(LanguageIndex, ChineseTraditional);
  EXPECT_EQ(calls, (std::vector<std::uint8_t>{English, ChineseTraditional}));
}

TEST_F(StartupLanguage, ListenersRunInTheOrderTheyWereAdded) {
  std::vector<std::string> order;
  const int menu = languageListeners().add([&](std::uint8_t) { order.push_back("menu"); });
  const int job1 = languageListeners().add([&](std::uint8_t) { order.push_back("Job1"); });
  const int job2 = languageListeners().add([&](std::uint8_t language) {
    order.push_back("Job2 sees " + std::to_string(LanguageIndex) + "/" + std::to_string(language));
  });
  setLanguage(ChineseSimplified, false);
  languageListeners().remove(job1);
  setLanguage(English, false);
  languageListeners().remove(menu);
  languageListeners().remove(job2);
  EXPECT_EQ(order,
            (std::vector<std::string>{"menu", "Job1", "Job2 sees 1/1", "menu", "Job2 sees 0/0"}));
}

TEST_F(StartupLanguage, ChoosingTheSelectedLanguageFromTheMenuStillWrites) {
  LanguageIndex = ChineseSimplified;
  writeBytes(path, "<Lang Lang=\"ENG\" />\n");
  EXPECT_TRUE(chooseLanguage(ChineseSimplified, path));
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(stored(), "CHS");
  EXPECT_TRUE(chooseLanguage(ChineseTraditional, path));
  EXPECT_EQ(calls, std::vector<std::uint8_t>{ChineseTraditional});
  EXPECT_EQ(stored(), "CHT");
  EXPECT_FALSE(chooseLanguage(3, path));
  EXPECT_EQ(stored(), "CHT");
  EXPECT_EQ(LanguageIndex, ChineseTraditional);
}

TEST_F(StartupLanguage, ADeletedSettingsFileIsCreatedOnTheFirstLanguageChange) {
  EXPECT_EQ(start({}), English);
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_TRUE(chooseLanguage(ChineseTraditional, path));
  EXPECT_EQ(readBytes(path), "<Lang Lang=\"CHT\" />\n");
}

}  // namespace
}  // namespace corvana
