#include "reports/word/ooxml_element.h"

#include <tinyxml.h>

#include <algorithm>
#include <cstdlib>

namespace corvana {

const std::initializer_list<std::string_view> kRunPropertyOrder = {"w:rStyle",
                                                                   "w:rFonts",
                                                                   "w:b",
                                                                   "w:bCs",
                                                                   "w:i",
                                                                   "w:iCs",
                                                                   "w:caps",
                                                                   "w:smallCaps",
                                                                   "w:strike",
                                                                   "w:dstrike",
                                                                   "w:outline",
                                                                   "w:shadow",
                                                                   "w:emboss",
                                                                   "w:imprint",
                                                                   "w:noProof",
                                                                   "w:snapToGrid",
                                                                   "w:vanish",
                                                                   "w:webHidden",
                                                                   "w:color",
                                                                   "w:spacing",
                                                                   "w:w",
                                                                   "w:kern",
                                                                   "w:position",
                                                                   "w:sz",
                                                                   "w:szCs",
                                                                   "w:highlight",
                                                                   "w:u",
                                                                   "w:effect",
                                                                   "w:bdr",
                                                                   "w:shd",
                                                                   "w:fitText",
                                                                   "w:vertAlign",
                                                                   "w:rtl",
                                                                   "w:cs",
                                                                   "w:em",
                                                                   "w:lang",
                                                                   "w:eastAsianLayout",
                                                                   "w:specVanish",
                                                                   "w:oMath"};

const std::initializer_list<std::string_view> kParagraphPropertyOrder = {"w:pStyle",
                                                                         "w:keepNext",
                                                                         "w:keepLines",
                                                                         "w:pageBreakBefore",
                                                                         "w:framePr",
                                                                         "w:widowControl",
                                                                         "w:numPr",
                                                                         "w:suppressLineNumbers",
                                                                         "w:pBdr",
                                                                         "w:shd",
                                                                         "w:tabs",
                                                                         "w:suppressAutoHyphens",
                                                                         "w:kinsoku",
                                                                         "w:wordWrap",
                                                                         "w:overflowPunct",
                                                                         "w:topLinePunct",
                                                                         "w:autoSpaceDE",
                                                                         "w:autoSpaceDN",
                                                                         "w:bidi",
                                                                         "w:adjustRightInd",
                                                                         "w:snapToGrid",
                                                                         "w:spacing",
                                                                         "w:ind",
                                                                         "w:contextualSpacing",
                                                                         "w:mirrorIndents",
                                                                         "w:suppressOverlap",
                                                                         "w:jc",
                                                                         "w:textDirection",
                                                                         "w:textAlignment",
                                                                         "w:textboxTightWrap",
                                                                         "w:outlineLvl",
                                                                         "w:divId",
                                                                         "w:cnfStyle",
                                                                         "w:rPr",
                                                                         "w:sectPr",
                                                                         "w:pPrChange"};

const std::initializer_list<std::string_view> kCellPropertyOrder = {
    "w:cnfStyle", "w:tcW",   "w:gridSpan",      "w:hMerge",    "w:vMerge", "w:tcBorders", "w:shd",
    "w:noWrap",   "w:tcMar", "w:textDirection", "w:tcFitText", "w:vAlign", "w:hideMark"};

TiXmlElement* childElement(TiXmlElement* parent, const char* name, int n) {
  if (!parent) return nullptr;
  for (TiXmlElement* e = parent->FirstChildElement(name); e; e = e->NextSiblingElement(name))
    if (n-- == 0) return e;
  return nullptr;
}

int childCount(TiXmlElement* parent, const char* name) {
  int n = 0;
  if (parent)
    for (TiXmlElement* e = parent->FirstChildElement(name); e; e = e->NextSiblingElement(name)) ++n;
  return n;
}

std::vector<TiXmlElement*> childElements(TiXmlElement* parent, const char* name) {
  std::vector<TiXmlElement*> out;
  if (parent)
    for (TiXmlElement* e = parent->FirstChildElement(name); e; e = e->NextSiblingElement(name))
      out.push_back(e);
  return out;
}

TiXmlElement* orderedChild(TiXmlElement* parent, const char* name,
                           std::initializer_list<std::string_view> order) {
  if (TiXmlElement* found = parent->FirstChildElement(name)) return found;
  auto rank = [&](std::string_view n) {
    const auto it = std::find(order.begin(), order.end(), n);
    return int(it - order.begin());
  };
  const int mine = rank(name);
  TiXmlElement* before = nullptr;
  for (TiXmlElement* e = parent->FirstChildElement(); e; e = e->NextSiblingElement()) {
    if (rank(e->Value()) > mine) {
      before = e;
      break;
    }
  }
  const TiXmlElement fresh(name);
  TiXmlNode* node =
      before ? parent->InsertBeforeChild(before, fresh) : parent->InsertEndChild(fresh);
  return node->ToElement();
}

TiXmlElement* firstChild(TiXmlElement* parent, const char* name) {
  if (TiXmlElement* found = parent->FirstChildElement(name)) return found;
  const TiXmlElement fresh(name);
  TiXmlNode* node = parent->FirstChild() ? parent->InsertBeforeChild(parent->FirstChild(), fresh)
                                         : parent->InsertEndChild(fresh);
  return node->ToElement();
}

void removeChildren(TiXmlElement* parent, const char* name) {
  while (TiXmlElement* e = parent->FirstChildElement(name)) parent->RemoveChild(e);
}

long long integerAttribute(const TiXmlElement* element, const char* name, long long fallback) {
  const char* v = element ? element->Attribute(name) : nullptr;
  if (!v) return fallback;
  char* end = nullptr;
  const long long n = std::strtoll(v, &end, 10);
  return end == v ? fallback : n;
}

}  // namespace corvana
