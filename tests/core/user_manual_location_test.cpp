// The user manual's lookup: the folders in order, the language's pages
// before the English ones.
#include "core/user_manual_location.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/language_table.h"
#include "settings_fixtures.h"

namespace corvana {
namespace {

using testing::TempFolder;

TEST(UserManualLocation, FoldersInOrder) {
  EXPECT_EQ(manualFolders({"/m", "/opt/corvana/bin"}),
            (std::vector<std::string>{"/m", "/opt/corvana/bin/../../docs/manual",
                                      "/opt/corvana/bin/../share/corvana/manual"}));
  EXPECT_EQ(
      manualFolders({"", "/usr/bin"}),
      (std::vector<std::string>{"/usr/bin/../../docs/manual", "/usr/bin/../share/corvana/manual"}));
  EXPECT_EQ(manualFolders({"", ""}), std::vector<std::string>{});
  EXPECT_EQ(manualLanguageFolder(English), "en");
  EXPECT_EQ(manualLanguageFolder(ChineseSimplified), "zh-CN");
  EXPECT_EQ(manualLanguageFolder(ChineseTraditional), "zh-TW");
}

TEST(UserManualLocation, TheFirstFolderWithTheLanguageThenEnglish) {
  // <base>/tree/build/app is the executable's folder: the source tree's
  // manual is <base>/tree/docs/manual, the installed one
  // <base>/tree/build/share/corvana/manual.
  enum Where { Named, Source, Installed };
  struct Case {
    const char* name;
    std::vector<std::pair<Where, const char*>> pages;  // folder, language
    bool named;                                        // $CORVANA_MANUAL_DIR set
    int language;
    std::optional<std::pair<Where, const char*>> expected;
  };
  const Case cases[] = {
      {"the named folder first",
       {{Named, "zh-CN"}, {Source, "zh-CN"}, {Installed, "zh-CN"}},
       true,
       ChineseSimplified,
       std::pair{Named, "zh-CN"}},
      {"unset: the source tree before the installed data",
       {{Named, "en"}, {Source, "en"}, {Installed, "en"}},
       false,
       English,
       std::pair{Source, "en"}},
      {"only installed",
       {{Installed, "zh-TW"}},
       true,
       ChineseTraditional,
       std::pair{Installed, "zh-TW"}},
      {"the language in a later folder before English in an earlier one",
       {{Named, "en"}, {Installed, "zh-CN"}},
       true,
       ChineseSimplified,
       std::pair{Installed, "zh-CN"}},
      {"no Traditional pages anywhere: English",
       {{Source, "zh-CN"}, {Installed, "en"}},
       true,
       ChineseTraditional,
       std::pair{Installed, "en"}},
      {"no manual", {}, true, English, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder base;
    const std::string roots[] = {base.file("named"), base.file("tree/docs/manual"),
                                 base.file("tree/build/share/corvana/manual")};
    std::filesystem::create_directories(base.file("tree/build/app"));
    for (const auto& [where, lang] : c.pages) {
      std::filesystem::create_directories(roots[where] + "/" + lang);
      testing::writeBytes(roots[where] + "/" + lang + "/index.html", "<html></html>");
    }
    const ManualLocationInputs inputs{c.named ? roots[Named] : "", base.file("tree/build/app")};
    const std::string expected =
        c.expected ? roots[c.expected->first] + "/" + c.expected->second + "/index.html" : "";
    EXPECT_EQ(findManualIndex(inputs, c.language), expected);
  }
}

TEST(UserManualLocation, AFolderNamedIndexIsNoPage) {
  TempFolder base;
  std::filesystem::create_directories(base.file("m/en/index.html"));
  EXPECT_EQ(findManualIndex({base.path() + "/m", ""}, English), "");
}

}  // namespace
}  // namespace corvana
