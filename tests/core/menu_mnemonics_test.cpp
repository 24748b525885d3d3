#include "core/menu_mnemonics.h"

#include <gtest/gtest.h>

#include <set>

#include "core/language_table.h"

namespace corvana {
namespace {

class MenuMnemonicsTest : public ::testing::Test {
 protected:
  void TearDown() override { LanguageIndex = English; }
};

// The Job menu: initials first ("Save &As" once "&Save" has S), an inner
// letter when every initial is taken ("E&xit" after "&Export Data"), and the
// same keys appended in the Chinese form.
TEST_F(MenuMnemonicsTest, SameKeysInEveryLanguage) {
  const Text rows[] = {Text::New,    Text::Open,       Text::Close, Text::Save,       Text::SaveAs,
                       Text::Rename, Text::ExportData, Text::Exit,  Text::RecentFiles};
  LanguageIndex = English;
  EXPECT_EQ(mnemonicLabels(rows),
            (std::vector<std::string>{"&New", "&Open", "&Close", "&Save", "Save &As", "&Rename",
                                      "&Export Data", "E&xit", "Recent &Files"}));
  LanguageIndex = ChineseSimplified;
  const std::vector<std::string> simplified = mnemonicLabels(rows);
  EXPECT_EQ(simplified.front(), "新建(&N)");
  EXPECT_EQ(simplified[4], "另存为(&A)");
  EXPECT_EQ(simplified[7], "退出(&X)");
  EXPECT_EQ(simplified.back(), "最近打开的文件(&F)");
  LanguageIndex = ChineseTraditional;
  EXPECT_EQ(mnemonicLabels(rows)[4], "另存新檔(&A)");
}

TEST_F(MenuMnemonicsTest, LiteralAmpersandsAndEnglishOnlyRows) {
  const Text rows[] = {Text::ColorSpaceFormulaSettings, Text::ColorSpaceCieLab};
  LanguageIndex = English;
  const std::vector<std::string> english = mnemonicLabels(rows);
  EXPECT_EQ(english[0], "&Color Space && Formula Settings");
  // "C" is taken; the next initial of "CIE LAB, LCh" is L.
  EXPECT_EQ(english[1], "CIE &LAB, LCh");
  LanguageIndex = ChineseSimplified;
  const std::vector<std::string> chinese = mnemonicLabels(rows);
  EXPECT_EQ(chinese[0], LookupText(Text::ColorSpaceFormulaSettings) + "(&C)");
  // A row without its own Chinese text reads in English, marked in place.
  EXPECT_EQ(chinese[1], "CIE &LAB, LCh");
}

TEST_F(MenuMnemonicsTest, AnItemWithoutAFreeLetterGetsNone) {
  // "Print" has five letters; the sixth copy finds none free.
  const std::vector<Text> rows(6, Text::Print);
  const std::vector<std::string> labels = mnemonicLabels(rows);
  std::set<char> keys;
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(keys.insert(mnemonicOf(labels[std::size_t(i)])).second);
  EXPECT_EQ(keys, (std::set<char>{'P', 'R', 'I', 'N', 'T'}));
  EXPECT_EQ(labels[5], "Print");
}

TEST_F(MenuMnemonicsTest, KeyOfALabel) {
  const struct {
    const char* label;
    char key;
  } cases[] = {
      {"Save &As\tCtrl+S", 'A'}, {"A && B", 0}, {"文件(&F)", 'F'}, {"&&&x", 'X'}, {"no key", 0},
      {"trailing &", 0}};
  for (const auto& c : cases) EXPECT_EQ(mnemonicOf(c.label), c.key) << c.label;
}

}  // namespace
}  // namespace corvana
