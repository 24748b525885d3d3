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

}  // namespace
}  // namespace corvana
