#include "core/record_elements.h"

#include <cstdint>
#include <cstring>

#include "core/record_attribute.h"

namespace corvana {

namespace {

// Only the blanks the program writes; TinyXML also skips others, so a file
// with them is left to TinyXML.
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isNameStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool isNameChar(char c) {
  return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == ':';
}
int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

struct Reference {
  std::size_t length = 0;  // of the reference in the text
  char bytes[4] = {};
  int count = 0;  // of the bytes it stands for
};

// A code point as TinyXML writes it into a value: up to four bytes in the
// UTF-8 pattern, also for surrogates and values above U+10FFFF.
void appendCodePoint(std::uint32_t ucs, Reference& r) {
  r.count = ucs < 0x80 ? 1 : ucs < 0x800 ? 2 : ucs < 0x10000 ? 3 : 4;
  static constexpr unsigned char kFirstMark[5] = {0x00, 0x00, 0xC0, 0xE0, 0xF0};
  for (int k = r.count - 1; k > 0; --k) {
    r.bytes[k] = char((ucs & 0x3F) | 0x80);
    ucs >>= 6;
  }
  r.bytes[0] = char(ucs | kFirstMark[r.count]);
}

// The reference starting at text[i] ('&'), when it is one of the five named
// ones or a short numeric one that TinyXML reads the same way; nullopt for
// every other form (TinyXML's readings of those are left to TinyXML).
std::optional<Reference> plainReference(std::string_view text, std::size_t i) {
  const std::string_view rest = text.substr(i);
  static constexpr struct {
    std::string_view text;
    char c;
  } kNamed[] = {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
  if (rest.size() < 3 || rest[1] != '#') {
    for (const auto& named : kNamed) {
      if (rest.starts_with(named.text)) {
        Reference r;
        r.length = named.text.size();
        r.bytes[0] = named.c;
        r.count = 1;
        return r;
      }
    }
    return std::nullopt;
  }
  const bool hex = rest[2] == 'x';
  const std::size_t first = hex ? 3 : 2;
  const std::size_t maxDigits = hex ? 6 : 7;  // keeps the value below 2^24
  std::uint32_t ucs = 0;
  std::size_t k = first;
  for (; k < rest.size() && rest[k] != ';'; ++k) {
    if (k - first == maxDigits) return std::nullopt;
    const int digit =
        hex ? hexValue(rest[k]) : (rest[k] >= '0' && rest[k] <= '9' ? rest[k] - '0' : -1);
    if (digit < 0) return std::nullopt;
    ucs = ucs * (hex ? 16 : 10) + std::uint32_t(digit);
  }
  // A NUL would cut the value where TinyXML hands it out; TinyXML drops
  // code points from 2^21 up.
  if (k == first || k == rest.size() || ucs == 0 || ucs >= 0x200000) return std::nullopt;
  Reference r;
  r.length = k + 1;
  appendCodePoint(ucs, r);
  return r;
}

// Checks one attribute at text[j] and moves past it; false when it is not
// in the plain form.
bool plainAttribute(std::string_view text, std::size_t& j, std::string_view& name) {
  const std::size_t start = j;
  if (j >= text.size() || !isNameStart(text[j])) return false;
  while (j < text.size() && isNameChar(text[j])) ++j;
  // TinyXML takes every byte from 127 up into the name.
  if (j >= text.size() || static_cast<unsigned char>(text[j]) >= 127) return false;
  name = text.substr(start, j - start);
  while (j < text.size() && isBlank(text[j])) ++j;
  if (j >= text.size() || text[j] != '=') return false;
  ++j;
  while (j < text.size() && isBlank(text[j])) ++j;
  if (j >= text.size() || (text[j] != '"' && text[j] != '\'')) return false;
  const char quote = text[j++];
  while (true) {
    if (j >= text.size()) return false;
    const char c = text[j];
    if (c == quote) {
      ++j;
      return true;
    }
    if (c == '&') {
      const auto ref = plainReference(text, j);
      if (!ref) return false;
      j += ref->length;
    } else {
      ++j;
    }
  }
}

// TinyXML refuses an element that repeats an attribute.
class RepeatCheck {
 public:
  void clear() {
    known_ = 0;
    unknown_.clear();
  }
  // False when the name was seen already.
  bool add(std::string_view name) {
    const int id = recordAttribute(name);
    if (id != kRecordUnknown) {
      const std::uint64_t bit = std::uint64_t(1) << id;
      if (known_ & bit) return false;
      known_ |= bit;
      return true;
    }
    for (std::string_view seen : unknown_)
      if (seen == name) return false;
    unknown_.push_back(name);
    return true;
  }

 private:
  std::uint64_t known_ = 0;
  std::vector<std::string_view> unknown_;
};

}  // namespace

std::optional<std::vector<std::string_view>> findRecordElements(std::string_view content,
                                                                std::string_view name) {
  std::vector<std::string_view> tags;
  // A record is about 750 bytes; the guess saves most of the regrowth.
  tags.reserve(content.size() / 512 + 1);
  RepeatCheck repeats;
  std::size_t i = 0;
  while (true) {
    while (i < content.size() && isBlank(content[i])) ++i;
    if (i == content.size()) return tags;
    if (content[i] != '<' || content.substr(i + 1, name.size()) != name) return std::nullopt;
    std::size_t j = i + 1 + name.size();
    if (j >= content.size() || !(isBlank(content[j]) || content[j] == '/')) return std::nullopt;
    repeats.clear();
    while (true) {
      while (j < content.size() && isBlank(content[j])) ++j;
      if (j >= content.size()) return std::nullopt;
      if (content[j] == '/') {
        if (j + 1 >= content.size() || content[j + 1] != '>') return std::nullopt;
        j += 2;
        break;
      }
      std::string_view attribute;
      if (!plainAttribute(content, j, attribute)) return std::nullopt;
      if (!repeats.add(attribute)) return std::nullopt;
    }
    tags.push_back(content.substr(i, j - i));
    i = j;
  }
}

bool isPlainEndTag(std::string_view text, std::string_view name) {
  if (!text.starts_with("</") || text.substr(2, name.size()) != name) return false;
  std::size_t i = 2 + name.size();
  while (i < text.size() && isBlank(text[i])) ++i;
  return i < text.size() && text[i] == '>';
}

RecordTagAttributes::RecordTagAttributes(std::string_view tag) : tag_(tag), i_(1) {
  while (i_ < tag_.size() && isNameChar(tag_[i_])) ++i_;
}

bool RecordTagAttributes::next(std::string_view& name, std::string_view& value) {
  while (i_ < tag_.size() && isBlank(tag_[i_])) ++i_;
  if (i_ >= tag_.size() || tag_[i_] == '/') return false;
  const std::size_t start = i_;
  while (isNameChar(tag_[i_])) ++i_;
  name = tag_.substr(start, i_ - start);
  while (tag_[i_] != '"' && tag_[i_] != '\'') ++i_;  // blanks and '='
  const char quote = tag_[i_++];
  const std::size_t valueStart = i_;
  const std::size_t end = tag_.find(quote, valueStart);
  i_ = end + 1;
  const std::string_view raw = tag_.substr(valueStart, end - valueStart);
  if (raw.find('&') == std::string_view::npos) {
    value = raw;
    return true;
  }
  decoded_.clear();
  for (std::size_t k = 0; k < raw.size();) {
    if (raw[k] != '&') {
      decoded_ += raw[k++];
      continue;
    }
    const auto ref = plainReference(raw, k);  // findRecordElements accepted it
    decoded_.append(ref->bytes, std::size_t(ref->count));
    k += ref->length;
  }
  value = decoded_;
  return true;
}

}  // namespace corvana
