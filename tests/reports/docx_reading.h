#pragma once
// Reading a saved .docx back in tests: its main document parsed with
// TinyXML, and the texts of its tables.
#include <tinyxml.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "reports/word/docx_package.h"

namespace corvana::testing {

inline std::vector<TiXmlElement*> descendants(TiXmlElement* root, std::string_view name) {
  std::vector<TiXmlElement*> out;
  std::function<void(TiXmlElement*)> visit = [&](TiXmlElement* e) {
    for (TiXmlElement* c = e->FirstChildElement(); c; c = c->NextSiblingElement()) {
      if (name == c->Value()) out.push_back(c);
      visit(c);
    }
  };
  if (root) visit(root);
  return out;
}

inline std::string textOf(TiXmlElement* e) {
  std::string s;
  for (TiXmlElement* t : descendants(e, "w:t"))
    if (t->GetText()) s += t->GetText();
  return s;
}

struct SavedDocument {
  TiXmlDocument xml;
  std::string contentTypes;
  bool read(const std::filesystem::path& path) {
    std::string error;
    auto parts = readPackage(path, error);
    if (!parts || !findPart(*parts, "word/document.xml")) return false;
    contentTypes = findPart(*parts, "[Content_Types].xml")->bytes;
    const bool condensed = TiXmlBase::IsWhiteSpaceCondensed();
    TiXmlBase::SetCondenseWhiteSpace(false);  // the texts' blanks are what is checked
    xml.Parse(findPart(*parts, "word/document.xml")->bytes.c_str(), nullptr, TIXML_ENCODING_UTF8);
    TiXmlBase::SetCondenseWhiteSpace(condensed);
    return !xml.Error();
  }
  TiXmlElement* body() { return xml.RootElement()->FirstChildElement("w:body"); }
  std::vector<TiXmlElement*> tables() {
    std::vector<TiXmlElement*> out;
    for (TiXmlElement* t = body()->FirstChildElement("w:tbl"); t;
         t = t->NextSiblingElement("w:tbl"))
      out.push_back(t);
    return out;
  }
  // Rows of cell texts of table `index` (1-based).
  std::vector<std::vector<std::string>> table(int index) {
    std::vector<std::vector<std::string>> rows;
    const auto all = tables();
    if (index < 1 || index > int(all.size())) return rows;
    for (TiXmlElement* tr = all[std::size_t(index - 1)]->FirstChildElement("w:tr"); tr;
         tr = tr->NextSiblingElement("w:tr")) {
      rows.emplace_back();
      for (TiXmlElement* tc = tr->FirstChildElement("w:tc"); tc;
           tc = tc->NextSiblingElement("w:tc"))
        rows.back().push_back(textOf(tc));
    }
    return rows;
  }
};

}  // namespace corvana::testing
