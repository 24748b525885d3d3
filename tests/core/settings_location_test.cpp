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
  const FileLocationInputs inputs{exe.path(), config.path(), config.path(), config.path()};
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
    const std::string path = locateWritableFile({noExe, c.xdg, c.home, {}}, "Settings.xml");
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

// An installed program never writes its log into its installation, even
// where it could (root running /usr/bin/corvana): the user's state folder.
TEST(SettingsLocation, TheLogLiesBesideABuiltProgramElseInTheStateFolder) {
  TempFolder base;
  std::filesystem::create_directories(base.file("build/qt"));
  std::filesystem::create_directories(base.file("usr/bin"));
  testing::writeBytes(base.file("build/CMakeCache.txt"), "# CMake\n");
  const std::string built = base.file("build/qt"), installed = base.file("usr/bin");
  EXPECT_TRUE(runsFromBuildTree(built));
  EXPECT_TRUE(runsFromBuildTree(base.file("build")));
  EXPECT_FALSE(runsFromBuildTree(installed));
  EXPECT_FALSE(runsFromBuildTree(""));
  struct Case {
    const char* name;
    std::string executable, xdgState, home, expected;
  } cases[] = {
      {"in its build tree", built, base.file("state"), base.file("home"), built + "/log.txt"},
      {"installed, XDG_STATE_HOME", installed, base.file("state/deep"), base.file("home"),
       base.file("state/deep/corvana/log.txt")},
      {"installed, no XDG_STATE_HOME", installed, "", base.file("home"),
       base.file("home/.local/state/corvana/log.txt")},
      {"installed, a relative XDG_STATE_HOME is ignored", installed, "state", base.file("home2"),
       base.file("home2/.local/state/corvana/log.txt")},
      {"installed, nowhere", installed, "", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const FileLocationInputs inputs{c.executable, base.file("config"), c.home, c.xdgState};
    EXPECT_EQ(locateLogFile(inputs), c.expected);
    if (!c.expected.empty()) {
      EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(c.expected).parent_path()));
    }
  }
  EXPECT_TRUE(std::filesystem::is_empty(installed));
  EXPECT_FALSE(std::filesystem::exists(base.file("config")));
  // This test runs from its build tree.
  EXPECT_TRUE(runsFromBuildTree(executableDirectory()));
}

}  // namespace
}  // namespace corvana
