#pragma once
// A pass over XML text before TinyXML parses it. TinyXML recurses once per
// nested element (a deep enough junk file overflows the stack), looks up
// every new attribute among the element's others (an element with a million
// attributes takes hours) and, in places, reads past the end of a construct
// that is never closed. The pass follows TinyXML's own reading of tags,
// quotes, comments, CDATA and declarations and refuses such text.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvana {

struct XmlShapeLimits {
  int maxDepth = 64;                  // job files nest two levels
  int maxAttributesPerElement = 128;  // a record carries at most 37
};

// An element at the document level as the pass saw it. For an element that
// is not empty, its content lies in [contentBegin, contentEnd) and its end
// tag starts at contentEnd.
struct XmlTopElement {
  std::string_view name;
  bool empty = true;  // written "<name .../>"
  std::size_t contentBegin = 0;
  std::size_t contentEnd = 0;
};

// Why the pass refused the text; the caller words it.
enum class XmlShapeFault : std::uint8_t {
  NulCharacter,       // not 8-bit text
  ElementNotClosed,   // the text ends inside an element
  Unterminated,       // the text ends inside a tag, comment or CDATA section
  MalformedTag,       // a tag TinyXML cannot read
  RepeatedAttribute,  // an element names an attribute twice
  NestedTooDeep,      // deeper than XmlShapeLimits::maxDepth
  TooManyAttributes,  // more than XmlShapeLimits::maxAttributesPerElement
};

struct XmlShapeRefusal {
  XmlShapeFault fault;
  std::size_t offset = 0;  // where in the text the pass stopped
  bool operator==(const XmlShapeRefusal&) const = default;
};

// The refusal, or nullopt when TinyXML may parse the text. Expects valid
// UTF-8 (as decodeFileText returns it). When `outline` is given it receives
// the document-level elements in order.
std::optional<XmlShapeRefusal> checkXmlShape(std::string_view text,
                                             const XmlShapeLimits& limits = {},
                                             std::vector<XmlTopElement>* outline = nullptr);

}  // namespace corvana
