#include "core/code_page.h"

#include <gtest/gtest.h>

#include "job_file_fixtures.h"

namespace corvana {
namespace {

using testing::iconvForTest;

TEST(CodePage, TheCLocaleCountsAsUtf8) {
  // The tests run without setlocale, i.e. in the C locale.
  EXPECT_EQ(activeCodePage(), "UTF-8");
  for (const char* name : {"ANSI_X3.4-1968", "utf-8", "UTF8", "", "ASCII"})
    EXPECT_TRUE(isUtf8CodePage(name)) << name;
  for (const char* name : {"GBK", "BIG5", "CP1252", "ISO-8859-1"})
    EXPECT_FALSE(isUtf8CodePage(name)) << name;
}

TEST(CodePage, EncodesIntoTheCodePage) {
  EXPECT_EQ(toCodePage("标样", "GBK"), "\xB1\xEA\xD1\xF9");
  EXPECT_EQ(toCodePage("標樣", "BIG5"), iconvForTest("標樣", "BIG5"));
  EXPECT_EQ(toCodePage("10°", "CP1252"), "10\xB0");
  EXPECT_EQ(toCodePage("plain", "GBK"), "plain");
  // Characters the code page lacks become '?', one per character.
  EXPECT_EQ(toCodePage("a标b", "CP1252"), "a?b");
  EXPECT_EQ(toCodePage("\xF0\x9F\x8E\xA8!", "GBK"), "?!");
  // Malformed UTF-8 never reaches a UTF-8 file.
  EXPECT_EQ(toCodePage("a\xFF"
                       "b",
                       "UTF-8"),
            "a\xEF\xBF\xBD"
            "b");
}

TEST(CodePage, DecodingIsStrict) {
  EXPECT_EQ(fromCodePage("\xB1\xEA\xD1\xF9", "GBK"), std::optional<std::string>("标样"));
  EXPECT_EQ(fromCodePage("\xB1", "GBK"), std::nullopt);  // cut in the middle of a character
  EXPECT_EQ(fromCodePage("\xB1\xEA", "UTF-8"), std::nullopt);
  EXPECT_EQ(fromCodePage("x", "NO-SUCH-CODE-PAGE"), std::nullopt);
}

TEST(CodePage, Utf8Validation) {
  const std::pair<const char*, bool> cases[] = {
      {"abc", true},
      {"标样", true},
      {"\xF0\x9F\x8E\xA8", true},
      {"\xC0\xAF", false},
      {"\xED\xA0\x80", false},  // overlong, surrogate
      {"\xE6\xA0", false},
      {"\xF4\x90\x80\x80", false},
      {"\xFF", false},
  };
  for (const auto& [bytes, valid] : cases) EXPECT_EQ(isValidUtf8(bytes), valid) << bytes;
}

struct DecodeCase {
  const char* name;
  std::string bytes;
  std::string locale;
  std::string expectedText;
  std::string expectedCodePage;
};

TEST(CodePage, FileTextTriesTheLocaleThenGbkBig5Cp1252) {
  const std::string big5Only =
      iconvForTest("電腦", "BIG5") + "\x81\x40";  // 0x8140 is Big5 only... or neither
  const DecodeCase cases[] = {
      {"UTF-8 under UTF-8", "标样", "UTF-8", "标样", "UTF-8"},
      {"GBK under UTF-8", "\xB1\xEA\xD1\xF9", "UTF-8", "标样", "GBK"},
      {"GBK under a GBK locale", "\xB1\xEA\xD1\xF9", "GBK", "标样", "GBK"},
      {"CP1252 under UTF-8", "Caf\xE9\"", "UTF-8", "Café\"", "CP1252"},
      {"UTF-8 with a BOM under GBK", "\xEF\xBB\xBF<a/>", "GBK", "\xEF\xBB\xBF<a/>", "UTF-8"},
      {"unmappable CP1252 byte", "x\x81\"", "UTF-8", "x\xEF\xBF\xBD\"", "CP1252"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const DecodedText d = decodeFileText(c.bytes, c.locale);
    EXPECT_EQ(d.utf8, c.expectedText);
    EXPECT_EQ(d.codePage, c.expectedCodePage);
    EXPECT_TRUE(isValidUtf8(d.utf8));
  }
  // Whatever comes in, what comes out is UTF-8.
  EXPECT_TRUE(isValidUtf8(decodeFileText(big5Only, "UTF-8").utf8));
}

}  // namespace
}  // namespace corvana
