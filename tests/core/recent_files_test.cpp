#include "core/recent_files.h"

#include <gtest/gtest.h>

#include "core/language_setting.h"
#include "core/settings.h"
#include "settings_fixtures.h"

namespace corvana {
namespace {

using List = std::vector<std::string>;

TEST(RecentFiles, NewestFirstWithoutDuplicatesAndAtMostEight) {
  const List full = {"/1.job", "/2.job", "/3.job", "/4.job",
                     "/5.job", "/6.job", "/7.job", "/8.job"};
  struct Case {
    const char* what;
    List before;
    std::string path;
    List after;
  };
  const Case cases[] = {
      {"the first file", {}, "/a.job", {"/a.job"}},
      {"a new file goes in front", {"/a.job"}, "/b.job", {"/b.job", "/a.job"}},
      {"a listed file moves to the front",
       {"/a.job", "/b.job", "/c.job"},
       "/b.job",
       {"/b.job", "/a.job", "/c.job"}},
      {"the same file spelled otherwise",
       {"/jobs/a.job", "/b.job"},
       "/jobs/./x/../a.job",
       {"/jobs/a.job", "/b.job"}},
      {"a ninth file pushes out the oldest",
       full,
       "/new.job",
       {"/new.job", "/1.job", "/2.job", "/3.job", "/4.job", "/5.job", "/6.job", "/7.job"}},
      {"the oldest chosen again drops nothing",
       full,
       "/8.job",
       {"/8.job", "/1.job", "/2.job", "/3.job", "/4.job", "/5.job", "/6.job", "/7.job"}},
      {"no path changes nothing", {"/a.job"}, "", {"/a.job"}},
  };
  for (const Case& c : cases) EXPECT_EQ(withRecentFile(c.before, c.path), c.after) << c.what;
  EXPECT_EQ(withoutRecentFile({"/a.job", "/b.job"}, "/./a.job"), List{"/b.job"});
  EXPECT_EQ(withoutRecentFile({"/a.job"}, "/c.job"), List{"/a.job"});
}

TEST(RecentFiles, SettingsRoundTripKeepsOtherKeys) {
  testing::TempFolder folder;
  const std::string settings = folder.file("Settings.xml");
  ASSERT_TRUE(writeStoredLanguage(settings, 1));
  EXPECT_TRUE(readRecentFiles(settings).empty());
  const List three = {"/jobs/染色 1.job", "/jobs/b&c \"q\".job", "/tmp/c.job"};
  ASSERT_TRUE(writeRecentFiles(settings, three));
  EXPECT_EQ(readRecentFiles(settings), three);
  // A shorter list empties the keys it no longer uses.
  ASSERT_TRUE(writeRecentFiles(settings, {"/tmp/c.job"}));
  EXPECT_EQ(readRecentFiles(settings), List{"/tmp/c.job"});
  EXPECT_EQ(readStoredLanguage(settings), 1);
  ASSERT_TRUE(writeRecentFiles(settings, {}));
  EXPECT_TRUE(readRecentFiles(settings).empty());
}

TEST(RecentFiles, AHandEditedFileStillGivesASoundList) {
  const SettingsDocument document = parseSettings(
      "<Recent File1=\"/a.job\" File2=\"\" File3=\"/./a.job\" File5=\"/b.job\" File9=\"/z.job\"/>");
  EXPECT_EQ(readRecentFiles(document), (List{"/a.job", "/b.job"}));
}

}  // namespace
}  // namespace corvana
