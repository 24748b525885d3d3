#pragma once
// Small helpers over TinyXML elements of WordprocessingML: children by name
// and children kept in the order the schema requires (Word rejects a
// document whose property elements are out of order).
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

class TiXmlElement;

namespace corvana {

// The n-th (0-based) child element called `name`, or null.
TiXmlElement* childElement(TiXmlElement* parent, const char* name, int n = 0);
int childCount(TiXmlElement* parent, const char* name);
std::vector<TiXmlElement*> childElements(TiXmlElement* parent, const char* name);

// The child `name` of `parent`, created at its place in `order` (the schema's
// sequence of the parent's children) when missing.
TiXmlElement* orderedChild(TiXmlElement* parent, const char* name,
                           std::initializer_list<std::string_view> order);
// The same, created first among the children when missing (w:pPr in w:p,
// w:rPr in w:r, w:tcPr in w:tc).
TiXmlElement* firstChild(TiXmlElement* parent, const char* name);

void removeChildren(TiXmlElement* parent, const char* name);

// The schema orders of the property elements this layer writes.
extern const std::initializer_list<std::string_view> kRunPropertyOrder;
extern const std::initializer_list<std::string_view> kParagraphPropertyOrder;
extern const std::initializer_list<std::string_view> kCellPropertyOrder;

// An integer attribute, or `fallback`.
long long integerAttribute(const TiXmlElement* element, const char* name, long long fallback);

}  // namespace corvana
