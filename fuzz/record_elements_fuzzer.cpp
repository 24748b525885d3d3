// The fast record-element reader against TinyXML: for any content it
// accepts, TinyXML must read the same records -- element for element,
// attribute for attribute -- and refuse nothing.
#include <tinyxml.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/code_page.h"
#include "core/record_elements.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvana;
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  // The reader sees decoded text without NUL bytes, as the job reader gives it.
  if (content.find('\0') != std::string_view::npos || !isValidUtf8(content)) return 0;
  const auto tags = findRecordElements(content, "Sample");
  if (!tags) return 0;

  const std::string text = "<Sample>" + std::string(content) + "</Sample>";
  TiXmlDocument doc;
  doc.Parse(text.c_str(), nullptr, TIXML_ENCODING_UTF8);
  if (doc.Error()) std::abort();
  const TiXmlElement* outer = doc.FirstChildElement();
  if (!outer || outer != doc.FirstChild() || outer->NextSibling()) std::abort();
  std::size_t k = 0;
  for (const TiXmlNode* n = outer->FirstChild(); n; n = n->NextSibling(), ++k) {
    const TiXmlElement* e = n->ToElement();
    if (!e || std::string_view(e->Value()) != "Sample" || e->FirstChild() || k >= tags->size())
      std::abort();
    RecordTagAttributes reader((*tags)[k]);
    std::string_view name, value;
    const TiXmlAttribute* a = e->FirstAttribute();
    for (; a; a = a->Next()) {
      if (!reader.next(name, value)) std::abort();
      if (name != a->Name() || value != std::string_view(a->ValueStr())) std::abort();
    }
    if (reader.next(name, value)) std::abort();
  }
  if (k != tags->size()) std::abort();
  return 0;
}
