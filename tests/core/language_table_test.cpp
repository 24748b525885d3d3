#include "core/language_table.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace corvana {
namespace {

class LanguageTable : public ::testing::Test {
 protected:
  void TearDown() override { LanguageIndex = English; }
};

TEST_F(LanguageTable, LookupFollowsTheLanguageWithEnglishFallback) {
  struct Case {
    int row;
    const char* english;
    const char* simplified;
    const char* traditional;
  } cases[] = {
      {1, "Standard", "标样", "標樣"},
      {2, "Sample", "试样", "試樣"},
      {36, "Job", "工作", "工作"},
      {72, "2", "2°", "2°"},
      {73, "10°", "10°", "10°"},
      {81, "L", "L", "L"},  // a symbol: no Chinese texts, English shown
      {170, "Metameric Index", "同色异谱", "同色異譜"},
      {349, "%s has modified!Do you want to save change?", "%s 已修改！保存修改吗？",
       "%s 已修改！保存修改嗎？"},
      {374, "Color Strength", "力份", "力份"},
      {35, "Instrument disconnected!", "仪器未连接！", "儀器未連接！"},
      {237, "Empty input!", "输入为空!", "輸入為空!"},
      {290, "Level 1", "一级", "一級"},
      {315, "About Corvana", "关于Corvana", "關於Corvana"},
      {341, "Tolerance quotiety is overrange!(0.10 - 0.90)", "容差系数超出范围！(0.10 - 0.90)",
       "容差係數超出範圍！(0.10 - 0.90)"},
      {342, "%s of %s is overrange!(%6.2f ~ %6.2f)", "%s的%s超出范围！(%6.2f ~ %6.2f)",
       "%s的%s超出範圍！(%6.2f ~ %6.2f)"},
      {388, "", "偏", "偏"},
      {433, "Read White Board Parameters Failed", nullptr, nullptr},
      {434, "(no file yet)", "（尚无文件）", "（尚無檔案）"},
  };
  for (const auto& c : cases) {
    LanguageIndex = English;
    EXPECT_EQ(LookupText(Text(c.row)), c.english) << c.row;
    if (!c.simplified) continue;
    LanguageIndex = ChineseSimplified;
    EXPECT_EQ(LookupText(Text(c.row)), c.simplified) << c.row;
    LanguageIndex = ChineseTraditional;
    EXPECT_EQ(LookupText(Text(c.row)), c.traditional) << c.row;
  }
  EXPECT_FALSE(hasText(Text::HunterL, ChineseTraditional));
  EXPECT_TRUE(hasText(Text::HunterL, English));
}

TEST_F(LanguageTable, OutOfRangeRowsAreEmptyAndCaptionsFallBackToTheTitle) {
  EXPECT_EQ(LookupText(Text(kLanguageRows)), "");
  EXPECT_EQ(LookupText(Text(-1)), "");
  EXPECT_EQ(captionText(Text::None), "Corvana Color Management Control System");
  EXPECT_EQ(captionText(Text::Leaning),
            "Corvana Color Management Control System");  // no English text
  EXPECT_EQ(captionText(Text::ToleranceSettings), "Tolerance Settings");
  LanguageIndex = ChineseSimplified;
  EXPECT_EQ(captionText(Text::None), "Corvana 色彩管理控制软件");
  LanguageIndex = ChineseTraditional;
  EXPECT_EQ(captionText(Text::None), "Corvana 色彩管理控制軟體");
}

// Every translated row keeps the placeholders and menu ampersands of its
// English text, or formatting it would read the wrong arguments.
TEST_F(LanguageTable, TranslationsKeepPlaceholdersAndAmpersands) {
  // Placeholders (%s, %d, %6.2f, ...) and "&&", in order.
  auto tokens = [](const std::string& s) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < s.size(); ++i) {
      if (s.compare(i, 2, "&&") == 0) {
        out.push_back("&&");
        ++i;
      } else if (s[i] == '%') {
        std::size_t j = i + 1;
        while (j < s.size() &&
               (std::isdigit(static_cast<unsigned char>(s[j])) || s[j] == '.' || s[j] == '-'))
          ++j;
        if (j < s.size() && (s[j] == 's' || s[j] == 'd' || s[j] == 'f')) {
          out.push_back(s.substr(i, j - i + 1));
          i = j;
        }
      }
    }
    return out;
  };
  for (int row = 1; row < kLanguageRows; ++row) {
    const Text text = Text(row);
    if (text == Text::Leaning) continue;
    const auto english = tokens(LookupText(text, English));
    for (int language : {1, 2}) {
      if (!hasText(text, language)) continue;
      EXPECT_EQ(tokens(LookupText(text, language)), english)
          << "row " << row << " language " << language;
    }
  }
}

TEST_F(LanguageTable, SymbolRowsHaveNoChineseAndOthersHaveBoth) {
  auto symbol = [](int r) {
    return (r >= 81 && r <= 115) || (r >= 117 && r <= 145) || (r >= 150 && r <= 165) ||
           (r >= 173 && r <= 213) || (r >= 366 && r <= 373) || (r >= 377 && r <= 378);
  };
  for (int row = 1; row < kLanguageRows; ++row) {
    EXPECT_EQ(hasText(Text(row), ChineseSimplified), !symbol(row)) << row;
    EXPECT_EQ(hasText(Text(row), ChineseTraditional), !symbol(row)) << row;
  }
}

}  // namespace
}  // namespace corvana
