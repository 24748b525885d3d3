#include "core/xml_shape_check.h"

#include <cctype>
#include <cstdint>
#include <vector>

namespace corvana {

namespace {

// TinyXML's own character classes (its IsWhiteSpace, IsAlpha, IsAlphaNum):
// every byte from 127 up counts as a letter.
bool isSpace(char c) {
  return std::isspace(static_cast<unsigned char>(c)) || c == '\n' || c == '\r';
}
bool isAlpha(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u < 127 ? std::isalpha(u) != 0 : true;
}
bool isAlnum(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u < 127 ? std::isalnum(u) != 0 : true;
}
bool isNameChar(char c) { return isAlnum(c) || c == '_' || c == '-' || c == '.' || c == ':'; }
bool isHex(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
char lower(char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; }

class Scanner {
 public:
  Scanner(std::string_view text, const XmlShapeLimits& limits, std::vector<XmlTopElement>* outline)
      : s_(text), limits_(limits), outline_(outline) {
    // The classes follow the C library's locale as TinyXML's do; a table
    // read per byte spares a library call per byte of a large file.
    for (int c = 0; c < 256; ++c) {
      classes_[c] = std::uint8_t((corvana::isSpace(char(c)) ? kSpace : 0) |
                                 (corvana::isAlpha(char(c)) ? kAlpha : 0) |
                                 (corvana::isNameChar(char(c)) ? kNameChar : 0));
    }
  }

  std::optional<XmlShapeRefusal> run() {
    if (const std::size_t nul = s_.find('\0'); nul != std::string_view::npos)
      return XmlShapeRefusal{XmlShapeFault::NulCharacter, nul};
    int depth = 0;
    while (true) {
      if (depth == 0) {
        skipSpace();
        if (at(i_) == '\0') return std::nullopt;
        // TinyXML stops reading the document at the first thing that is not markup.
        if (at(i_) != '<') return std::nullopt;
      } else {
        if (!skipText()) return refuse(XmlShapeFault::ElementNotClosed);
      }
      // at '<'
      if (startsWith("</")) {
        if (depth == 0) {  // an unknown node at the document level
          if (!skipPast(">")) return unterminated();
          continue;
        }
        if (--depth == 0 && outline_ && !outline_->empty()) outline_->back().contentEnd = i_;
        if (!skipPast(">")) return unterminated();
        continue;
      }
      if (startsWithNoCase("<?xml")) {
        if (!skipDeclaration()) return unterminated();
        continue;
      }
      if (startsWith("<!--")) {
        i_ += 4;
        if (!skipPast("-->")) return unterminated();
        continue;
      }
      if (startsWith("<![CDATA[")) {
        i_ += 9;
        if (!skipPast("]]>")) return unterminated();
        continue;
      }
      if (startsWith("<!") || !(isAlpha(at(i_ + 1)) || at(i_ + 1) == '_')) {
        if (!skipPast(">")) return unterminated();
        continue;
      }
      // An element: name, attributes, then "/>" or ">".
      ++i_;
      skipSpace();
      const std::size_t elementName = i_;
      if (!readName()) return malformed();
      const std::string_view name = s_.substr(elementName, i_ - elementName);
      int attributes = 0;
      names_.clear();
      while (true) {
        skipSpace();
        const char c = at(i_);
        if (c == '\0') return unterminated();
        if (c == '/') {
          if (at(i_ + 1) != '>') return malformed();
          i_ += 2;
          if (depth == 0 && outline_) outline_->push_back({name, true, i_, i_});
          break;
        }
        if (c == '>') {
          ++i_;
          if (depth == 0 && outline_) outline_->push_back({name, false, i_, i_});
          if (++depth > limits_.maxDepth) return refuse(XmlShapeFault::NestedTooDeep);
          break;
        }
        const std::size_t nameStart = i_ + spaceLength();
        if (!readAttribute()) return malformed();
        // TinyXML stops without an error at a repeated attribute of a
        // top-level element, silently dropping the rest of the file.
        if (depth == 0) {
          const std::string_view name = attributeName(nameStart);
          for (std::string_view seen : names_)
            if (seen == name) return refuse(XmlShapeFault::RepeatedAttribute, nameStart);
          names_.push_back(name);
        }
        if (++attributes > limits_.maxAttributesPerElement)
          return refuse(XmlShapeFault::TooManyAttributes, nameStart);
      }
    }
  }

 private:
  enum : std::uint8_t { kSpace = 1, kAlpha = 2, kNameChar = 4 };
  bool isSpace(char c) const { return classes_[static_cast<unsigned char>(c)] & kSpace; }
  bool isAlpha(char c) const { return classes_[static_cast<unsigned char>(c)] & kAlpha; }
  bool isNameChar(char c) const { return classes_[static_cast<unsigned char>(c)] & kNameChar; }

  char at(std::size_t k) const { return k < s_.size() ? s_[k] : '\0'; }
  bool startsWith(std::string_view t) const { return s_.substr(i_).starts_with(t); }
  bool startsWithNoCase(std::string_view t) const {
    for (std::size_t k = 0; k < t.size(); ++k)
      if (lower(at(i_ + k)) != lower(t[k])) return false;
    return true;
  }
  XmlShapeRefusal refuse(XmlShapeFault fault) const { return {fault, i_}; }
  static XmlShapeRefusal refuse(XmlShapeFault fault, std::size_t at) { return {fault, at}; }
  XmlShapeRefusal unterminated() const { return refuse(XmlShapeFault::Unterminated); }
  XmlShapeRefusal malformed() const { return refuse(XmlShapeFault::MalformedTag); }

  std::size_t spaceLength() {
    const std::size_t start = i_;
    skipSpace();
    const std::size_t n = i_ - start;
    i_ = start;
    return n;
  }
  std::string_view attributeName(std::size_t start) const {
    std::size_t end = start;
    while (end < s_.size() && isNameChar(s_[end])) ++end;
    return s_.substr(start, end - start);
  }

  // Whitespace, and the byte-order marks TinyXML skips with it.
  void skipSpace() {
    while (true) {
      if (startsWith("\xEF\xBB\xBF") || startsWith("\xEF\xBF\xBE") || startsWith("\xEF\xBF\xBF")) {
        i_ += 3;
      } else if (at(i_) != '\0' && isSpace(at(i_))) {
        ++i_;
      } else {
        return;
      }
    }
  }

  bool skipPast(std::string_view end) {
    const std::size_t k = s_.find(end, i_);
    if (k == std::string_view::npos) return false;
    i_ = k + end.size();
    return true;
  }

  // A character reference ends at the first ';', and TinyXML checks only the
  // digits after the last 'x' (or '#') before it, so it can swallow a quote or
  // a '<'. Follow it the same way; false where TinyXML gives up.
  bool skipReference() {
    if (at(i_ + 1) == '#' && at(i_ + 2) != '\0') {
      const bool hex = at(i_ + 2) == 'x';
      if (hex && at(i_ + 3) == '\0') return false;
      const std::size_t semi = s_.find(';', i_ + (hex ? 3 : 2));
      if (semi == std::string_view::npos) return false;
      const char stop = hex ? 'x' : '#';
      for (std::size_t q = semi - 1; s_[q] != stop; --q)
        if (!(hex ? isHex(s_[q]) : (s_[q] >= '0' && s_[q] <= '9'))) return false;
      i_ = semi + 1;
      return true;
    }
    ++i_;
    return true;
  }

  // Element content up to the next '<'; false when the text ends first.
  bool skipText() {
    while (true) {
      const char c = at(i_);
      if (c == '\0') return false;
      if (c == '<') return true;
      if (c == '&') {
        if (!skipReference()) return false;
      } else {
        ++i_;
      }
    }
  }

  bool readName() {
    if (!(isAlpha(at(i_)) || at(i_) == '_')) return false;
    while (at(i_) != '\0' && isNameChar(at(i_))) ++i_;
    return true;
  }

  bool readAttribute() {
    skipSpace();
    if (!readName()) return false;
    skipSpace();
    if (at(i_) != '=') return false;
    ++i_;
    skipSpace();
    const char quote = at(i_);
    if (quote == '"' || quote == '\'') {
      ++i_;
      while (true) {
        const char c = at(i_);
        if (c == '\0') return false;
        if (c == quote) {
          ++i_;
          return true;
        }
        if (c == '&') {
          if (!skipReference()) return false;
        } else {
          ++i_;
        }
      }
    }
    while (at(i_) != '\0' && !isSpace(at(i_)) && at(i_) != '/' && at(i_) != '>') {
      if (at(i_) == '"' || at(i_) == '\'') return false;
      ++i_;
    }
    return at(i_) != '\0';
  }

  // "<?xml ...>": only version, encoding and standalone are read as
  // attributes (quotes honoured); anything else is skipped up to a blank or '>'.
  bool skipDeclaration() {
    i_ += 5;
    while (true) {
      if (at(i_) == '\0') return false;
      if (at(i_) == '>') {
        ++i_;
        return true;
      }
      skipSpace();
      if (at(i_) == '\0') return false;
      if (startsWithNoCase("version") || startsWithNoCase("encoding") ||
          startsWithNoCase("standalone")) {
        if (!readAttribute()) return false;
      } else {
        while (at(i_) != '\0' && at(i_) != '>' && !isSpace(at(i_))) ++i_;
      }
    }
  }

  std::string_view s_;
  const XmlShapeLimits& limits_;
  std::vector<XmlTopElement>* outline_;
  std::uint8_t classes_[256];
  std::vector<std::string_view> names_;
  std::size_t i_ = 0;
};

}  // namespace

std::optional<XmlShapeRefusal> checkXmlShape(std::string_view text, const XmlShapeLimits& limits,
                                             std::vector<XmlTopElement>* outline) {
  if (outline) outline->clear();
  return Scanner(text, limits, outline).run();
}

}  // namespace corvana
