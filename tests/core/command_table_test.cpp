#include "core/command_table.h"

#include <gtest/gtest.h>

#include <set>

#include "core/language_table.h"

namespace corvana {
namespace {

std::vector<std::string> texts(const MenuSpec& menu) {
  std::vector<std::string> out;
  for (const auto& item : menu.items) out.push_back(menuItemText(item));
  return out;
}

TEST(CommandTable, MenusInEnglishWithKeys) {
  const auto& menus = jobMenus();
  ASSERT_EQ(menus.size(), 8u);
  EXPECT_EQ(texts(menus[1]), (std::vector<std::string>{
                                 "Measure F2", "Average Measure", "Auto Naming F4", "Name Option",
                                 "Input Standard Manually", "Rename", "Modify Material", "Find",
                                 "Import From Sample", "Delete F6"}));
  EXPECT_EQ(menuItemText(menus[0].items[3]), "Save Ctrl+S");
  EXPECT_EQ(menuItemText(menus[3].items[2]), "Color Space && Formula Settings Ctrl+Alt+C");
  EXPECT_EQ(menus[3].items[0].submenu.size(), 3u);
}

TEST(CommandTable, MenusFollowTheLanguage) {
  LanguageIndex = ChineseSimplified;
  EXPECT_EQ(LookupText(jobMenus()[1].text), "标样");
  EXPECT_EQ(
      menuItemText(jobMenus()[2].items[0]).substr(menuItemText(jobMenus()[2].items[0]).size() - 3),
      " F3");
  LanguageIndex = English;
}

TEST(CommandTable, EveryCommandOnceAndTheToolbar) {
  std::set<int> seen;
  std::function<void(const std::vector<MenuItem>&)> walk = [&](const std::vector<MenuItem>& items) {
    for (const auto& item : items) {
      if (item.command) {
        EXPECT_TRUE(seen.insert(item.command).second) << item.command;
      }
      walk(item.submenu);
    }
  };
  for (const auto& m : jobMenus()) walk(m.items);
  EXPECT_EQ(seen.size(), 51u);  // 8 + 10 + 10 + 8 + 7 + 2 + 4 + 2
  for (int c : toolbarCommands())
    if (c) {
      EXPECT_TRUE(seen.count(c)) << c;
    }
  EXPECT_TRUE(commandHasMenuImage(CmdMeasureSample));
  EXPECT_FALSE(commandHasMenuImage(CmdOpen));
  EXPECT_EQ(commandKey(CmdDownloadStandard), "F10");
  EXPECT_EQ(commandKey(CmdOpen), "");
}

// Every button's tip names what it does, on which list, and its key; the
// pairs for standards and samples never read alike.
TEST(CommandTable, ToolTipsNameTheListAndTheKey) {
  EXPECT_EQ(commandToolTip(CmdMeasureSample), "Sample Measure (F3)");
  EXPECT_EQ(commandToolTip(CmdMeasureStandard), "Standard Measure (F2)");
  EXPECT_EQ(commandToolTip(CmdAutoNamingStandard), "Standard Auto Naming (F4)");
  EXPECT_EQ(commandToolTip(CmdDeleteSample), "Sample Delete (F7)");
  EXPECT_EQ(commandToolTip(CmdUploadStandards), "Upload Standard to PC (F8)");
  EXPECT_EQ(commandToolTip(CmdPrintCumulative), "Print Color Diff Cumulative Report");
  EXPECT_EQ(commandToolTip(CmdAbout), "About Corvana");
  for (int language : {English, ChineseSimplified, ChineseTraditional}) {
    LanguageIndex = std::uint8_t(language);
    std::set<std::string> tips;
    for (int c : toolbarCommands())
      if (c) {
        EXPECT_NE(toolbarTextRow(c), Text::None) << c;
        EXPECT_TRUE(tips.insert(commandToolTip(c)).second) << commandToolTip(c);
      }
  }
  LanguageIndex = ChineseSimplified;
  EXPECT_EQ(commandToolTip(CmdMeasureSample), "试样测量 (F3)");
  EXPECT_EQ(commandToolTip(CmdDeleteStandard), "删除标样 (F6)");
  LanguageIndex = English;
}

}  // namespace
}  // namespace corvana
