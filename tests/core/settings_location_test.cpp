#include "core/settings_location.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "settings_fixtures.h"

namespace corvana {
namespace {

using testing::TempFolder;

TEST(SettingsLocation, TheExecutableDirectoryHoldsThisTestProgram) {
  const std::string directory = executableDirectory();
  ASSERT_FALSE(directory.empty());
  EXPECT_NE(directory.back(), '/');
  EXPECT_TRUE(std::filesystem::is_regular_file(directory + "/core_settings_tests"));
}

TEST(SettingsLocation, BesideTheExecutableWhenThatFolderIsWritable) {
  TempFolder exe, config;
  const FileLocationInputs inputs{exe.path(), config.path(), config.path()};
  EXPECT_EQ(locateWritableFile(inputs, "Settings.xml"), exe.path() + "/Settings.xml");
  EXPECT_EQ(locateWritableFile(inputs, "log.txt"), exe.path() + "/log.txt");
  EXPECT_TRUE(std::filesystem::is_empty(config.path()));
}

TEST(SettingsLocation, OtherwiseInTheUsersConfigurationFolderWhichIsCreated) {
  TempFolder base;
  const std::string noExe = base.file("no such folder");
  struct Case {
    const char* name;
    std::string xdg, home, expected;
  } cases[] = {
      {"XDG_CONFIG_HOME", base.file("xdg/deeper"), base.file("home"),
       base.file("xdg/deeper/corvana/Settings.xml")},
      {"no XDG_CONFIG_HOME", "", base.file("home1"),
       base.file("home1/.config/corvana/Settings.xml")},
      {"a relative XDG_CONFIG_HOME is ignored", "relative/xdg", base.file("home2"),
       base.file("home2/.config/corvana/Settings.xml")},
      {"nowhere", "", "", ""},
      {"a file in the way", base.file("plain file"), "", ""},
  };
  testing::writeBytes(base.file("plain file"), "x");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = locateWritableFile({noExe, c.xdg, c.home}, "Settings.xml");
    EXPECT_EQ(path, c.expected);
    if (!c.expected.empty()) {
      EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(c.expected).parent_path()));
    }
  }
  EXPECT_FALSE(std::filesystem::exists(noExe));
  EXPECT_FALSE(std::filesystem::exists("relative"));
}

TEST(SettingsLocation, CorvanaSettingsNamesTheFileDirectly) {
  TempFolder folder;
  const std::string named = folder.file("elsewhere.xml");
  ::setenv("CORVANA_SETTINGS", named.c_str(), 1);
  EXPECT_EQ(settingsFilePath(), named);
  ::setenv("CORVANA_SETTINGS", "", 1);
  const std::string fallback = settingsFilePath();
  ::unsetenv("CORVANA_SETTINGS");
  EXPECT_EQ(fallback, settingsFilePath());
  EXPECT_EQ(std::filesystem::path(fallback).filename(), "Settings.xml");
  EXPECT_EQ(std::filesystem::path(logFilePath()).filename(), "log.txt");
  // The build folder of this test is writable: both lie beside the program.
  EXPECT_EQ(fallback, executableDirectory() + "/Settings.xml");
  EXPECT_EQ(logFilePath(), executableDirectory() + "/log.txt");
}

}  // namespace
}  // namespace corvana
