#include "core/code_page.h"

#include <langinfo.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace corvana {

namespace {

constexpr const char* kFallbacks[] = {"GBK", "BIG5", "CP1252"};
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool equalsAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = char(x - 32);
    if (y >= 'a' && y <= 'z') y = char(y - 32);
    if (x != y) return false;
  }
  return true;
}

// Length of the UTF-8 sequence at s[i], or 0 when it is malformed.
std::size_t utf8SequenceLength(std::string_view s, std::size_t i) {
  const auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char c = at(i);
  if (c < 0x80) return 1;
  std::size_t n;
  unsigned char lo = 0x80, hi = 0xBF;
  if (c >= 0xC2 && c <= 0xDF)
    n = 2;
  else if (c == 0xE0)
    n = 3, lo = 0xA0;
  else if (c == 0xED)
    n = 3, hi = 0x9F;  // no surrogates
  else if (c >= 0xE1 && c <= 0xEF)
    n = 3;
  else if (c == 0xF0)
    n = 4, lo = 0x90;
  else if (c >= 0xF1 && c <= 0xF3)
    n = 4;
  else if (c == 0xF4)
    n = 4, hi = 0x8F;
  else
    return 0;
  if (i + n > s.size()) return 0;
  if (at(i + 1) < lo || at(i + 1) > hi) return 0;
  for (std::size_t k = 2; k < n; ++k)
    if (at(i + k) < 0x80 || at(i + k) > 0xBF) return 0;
  return n;
}

// Runs iconv over the whole input. onInvalid decides what to do with an
// unconvertible sequence: it appends a replacement and returns how many input
// bytes to skip, or 0 to give up.
template <typename OnInvalid>
std::optional<std::string> convert(iconv_t cd, std::string_view in, OnInvalid onInvalid) {
  std::string out;
  out.resize(in.size() + in.size() / 2 + 16);
  char* src = const_cast<char*>(in.data());
  std::size_t srcLeft = in.size();
  std::size_t used = 0;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  while (true) {
    char* dst = out.data() + used;
    std::size_t dstLeft = out.size() - used;
    const std::size_t r = srcLeft ? iconv(cd, &src, &srcLeft, &dst, &dstLeft)
                                  : iconv(cd, nullptr, nullptr, &dst, &dstLeft);
    used = std::size_t(dst - out.data());
    if (r != std::size_t(-1)) {
      if (srcLeft == 0) break;
      continue;
    }
    if (errno == E2BIG) {
      out.resize(out.size() * 2);
      continue;
    }
    // EILSEQ or EINVAL (a sequence cut off at the end).
    out.resize(used);
    const std::size_t skip = onInvalid(out, std::string_view(src, srcLeft));
    if (skip == 0 || skip > srcLeft) return std::nullopt;
    src += skip;
    srcLeft -= skip;
    used = out.size();
    out.resize(used + srcLeft + srcLeft / 2 + 16);
  }
  out.resize(used);
  return out;
}

std::string replaceInvalidUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t n = utf8SequenceLength(bytes, i);
    if (n == 0) {
      out += "\xEF\xBF\xBD";
      ++i;
    } else {
      out.append(bytes.substr(i, n));
      i += n;
    }
  }
  return out;
}

}  // namespace

bool isUtf8CodePage(std::string_view codePage) {
  // glibc reports the C/POSIX locale as ANSI_X3.4-1968; it counts as UTF-8.
  return codePage.empty() || equalsAsciiCase(codePage, "UTF-8") ||
         equalsAsciiCase(codePage, "UTF8") || equalsAsciiCase(codePage, "ANSI_X3.4-1968") ||
         equalsAsciiCase(codePage, "ASCII") || equalsAsciiCase(codePage, "US-ASCII");
}

std::string activeCodePage() {
  const char* codeset = nl_langinfo(CODESET);
  if (!codeset || isUtf8CodePage(codeset)) return "UTF-8";
  return codeset;
}

bool isValidUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    // Plain ASCII runs dominate job files: take them eight bytes at a time.
    if (i + 8 <= bytes.size()) {
      std::uint64_t word;
      std::memcpy(&word, bytes.data() + i, 8);
      if ((word & 0x8080808080808080ull) == 0) {
        i += 8;
        continue;
      }
    }
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      ++i;
      continue;
    }
    const std::size_t n = utf8SequenceLength(bytes, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

CodePageEncoder::CodePageEncoder(const std::string& codePage) {
  utf8_ = isUtf8CodePage(codePage);
  if (!utf8_) cd_ = iconv_open(codePage.c_str(), "UTF-8");
}

CodePageEncoder::~CodePageEncoder() {
  if (cd_ != iconv_t(-1)) iconv_close(cd_);
}

std::string CodePageEncoder::encode(std::string_view utf8) {
  if (utf8_) return replaceInvalidUtf8(utf8);
  if (cd_ == iconv_t(-1)) return std::string(utf8);
  bool pureAscii = true;
  for (char c : utf8) pureAscii = pureAscii && static_cast<unsigned char>(c) < 0x80;
  if (pureAscii) return std::string(utf8);
  // A character the code page lacks becomes '?', as the system conversion does.
  auto replaced = convert(cd_, utf8, [](std::string& out, std::string_view rest) -> std::size_t {
    out += '?';
    const std::size_t n = utf8SequenceLength(rest, 0);
    return n ? n : 1;
  });
  return replaced ? *replaced : std::string();
}

std::string toCodePage(std::string_view utf8, const std::string& codePage) {
  CodePageEncoder encoder(codePage);
  return encoder.encode(utf8);
}

std::optional<std::string> fromCodePage(std::string_view bytes, const std::string& codePage) {
  if (isUtf8CodePage(codePage)) {
    if (!isValidUtf8(bytes)) return std::nullopt;
    return std::string(bytes);
  }
  const iconv_t cd = iconv_open("UTF-8", codePage.c_str());
  if (cd == iconv_t(-1)) return std::nullopt;
  auto text = convert(cd, bytes, [](std::string&, std::string_view) -> std::size_t { return 0; });
  iconv_close(cd);
  return text;
}

DecodedText decodeFileText(std::string&& bytes, const std::string& localeCodePage) {
  // The common case -- UTF-8 in a UTF-8 locale, or a marked UTF-8 file --
  // keeps the bytes as they are.
  if ((isUtf8CodePage(localeCodePage) || std::string_view(bytes).starts_with(kUtf8Bom)) &&
      isValidUtf8(bytes))
    return {std::move(bytes), "UTF-8"};
  return decodeFileText(std::string_view(bytes), localeCodePage);
}

DecodedText decodeFileText(std::string_view bytes, const std::string& localeCodePage) {
  const std::string locale = isUtf8CodePage(localeCodePage) ? "UTF-8" : localeCodePage;
  if (bytes.starts_with(kUtf8Bom) && isValidUtf8(bytes)) return {std::string(bytes), "UTF-8"};
  if (auto text = fromCodePage(bytes, locale)) return {std::move(*text), locale};
  for (const char* fallback : kFallbacks) {
    if (fallback == locale) continue;
    if (auto text = fromCodePage(bytes, fallback)) return {std::move(*text), fallback};
  }
  // The last resort reads every byte: CP1252's five unassigned bytes become U+FFFD.
  const iconv_t cd = iconv_open("UTF-8", "CP1252");
  if (cd != iconv_t(-1)) {
    auto text = convert(cd, bytes, [](std::string& out, std::string_view) -> std::size_t {
      out += "\xEF\xBF\xBD";
      return 1;
    });
    iconv_close(cd);
    if (text) return {std::move(*text), "CP1252"};
  }
  return {replaceInvalidUtf8(bytes), "UTF-8"};
}

}  // namespace corvana
