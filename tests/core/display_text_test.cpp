#include "core/display_text.h"

#include <gtest/gtest.h>

#include <string>

namespace corvana {
namespace {

std::string repeated(std::string_view piece, std::size_t times) {
  std::string out;
  for (std::size_t i = 0; i < times; ++i) out += piece;
  return out;
}

TEST(DisplayText, LongTextsEndInAnEllipsisWithinTheLimit) {
  const std::string ellipsis = "\xE2\x80\xA6";
  const std::string han = "\xE6\xA0\x87";          // 标: three bytes
  const std::string emoji = "\xF0\x9F\x8E\xA8";    // U+1F3A8: four bytes
  struct Case {
    const char* what;
    std::string text;
    std::size_t limit;
    std::string expected;
  };
  const Case cases[] = {
      {"short", "Job1", 5, "Job1"},
      {"empty", "", 5, ""},
      {"exactly the limit", "abcde", 5, "abcde"},
      {"one over", "abcdef", 5, "abcd" + ellipsis},
      // Characters count, not bytes: 5 Chinese characters are 15 bytes.
      {"Chinese within", repeated(han, 5), 5, repeated(han, 5)},
      {"Chinese over", repeated(han, 6), 5, repeated(han, 4) + ellipsis},
      {"never half a character", "ab" + repeated(emoji, 4), 4, "ab" + emoji + ellipsis},
      {"a limit of one", "abc", 1, ellipsis},
      {"a limit of none", "abc", 0, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(elidedText(c.text, c.limit), c.expected) << c.what;
}

TEST(DisplayText, AMegabyteNameIsCutToTheDefaultLimit) {
  const std::string name = repeated("N", 5u << 20);
  const std::string shown = elidedText(name);
  EXPECT_EQ(shown, std::string(kMaxShownCharacters - 1, 'N') + "\xE2\x80\xA6");
}

}  // namespace
}  // namespace corvana
