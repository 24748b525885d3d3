#pragma once
// A pass over XML text before TinyXML parses it. TinyXML recurses once per
// nested element (a deep enough junk file overflows the stack), looks up
// every new attribute among the element's others (an element with a million
// attributes takes hours) and, in places, reads past the end of a construct
// that is never closed. The pass follows TinyXML's own reading of tags,
// quotes, comments, CDATA and declarations and refuses such text.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace corvana {

struct XmlShapeLimits {
  int maxDepth = 64;                // job files nest two levels
  int maxAttributesPerElement = 128;  // a record carries at most 37
};

// The reason the text is refused, or nullopt when TinyXML may parse it.
// Expects valid UTF-8 (as decodeFileText returns it).
std::optional<std::string> checkXmlShape(std::string_view text, const XmlShapeLimits& limits = {});

}  // namespace corvana
