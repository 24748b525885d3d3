#pragma once
// The 8-bit code page of job and settings files: the charset of the locale
// the program set up (setlocale(LC_CTYPE, "") at start), converted through
// iconv. Texts inside the program are UTF-8.
#include <optional>
#include <string>
#include <string_view>

#include <iconv.h>

namespace corvana {

// The locale's charset as iconv names it; the C/POSIX locale counts as UTF-8.
std::string activeCodePage();
bool isUtf8CodePage(std::string_view codePage);

// Converts UTF-8 texts into one code page; characters it lacks become '?'.
// Keeps its converter open, so a file's many texts cost one iconv_open.
class CodePageEncoder {
 public:
  explicit CodePageEncoder(const std::string& codePage = activeCodePage());
  ~CodePageEncoder();
  CodePageEncoder(const CodePageEncoder&) = delete;
  CodePageEncoder& operator=(const CodePageEncoder&) = delete;

  std::string encode(std::string_view utf8);
  // False when iconv does not know the code page (texts then pass unchanged).
  bool valid() const { return utf8_ || cd_ != iconv_t(-1); }

 private:
  bool utf8_ = false;
  iconv_t cd_ = iconv_t(-1);
};

std::string toCodePage(std::string_view utf8, const std::string& codePage = activeCodePage());

// Strict: nullopt when the bytes are not valid text in that code page.
std::optional<std::string> fromCodePage(std::string_view bytes, const std::string& codePage);

struct DecodedText {
  std::string utf8;
  std::string codePage;  // the one the bytes decoded in
};

// Decodes a file's bytes: in the locale's charset, else as GBK, then Big5,
// then CP1252 (so files written on Windows installations open). A file that
// starts with a UTF-8 byte-order mark is tried as UTF-8 first. The last
// fallback always succeeds; bytes it cannot map become U+FFFD.
DecodedText decodeFileText(std::string_view bytes,
                           const std::string& localeCodePage = activeCodePage());
// The same, taking over the bytes where they are already UTF-8 (no copy).
DecodedText decodeFileText(std::string&& bytes,
                           const std::string& localeCodePage = activeCodePage());

// True when the bytes are well-formed UTF-8 (no surrogates, no overlongs).
bool isValidUtf8(std::string_view bytes);

}  // namespace corvana
