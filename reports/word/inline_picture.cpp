#include "reports/word/inline_picture.h"

#include <tinyxml.h>

#include <cmath>

namespace corvana {

namespace {

constexpr const char* kImageRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/image";
constexpr const char* kRelationshipsNs =
    "http://schemas.openxmlformats.org/package/2006/relationships";
constexpr const char* kDrawingNs = "http://schemas.openxmlformats.org/drawingml/2006/main";
constexpr const char* kPictureNs = "http://schemas.openxmlformats.org/drawingml/2006/picture";
constexpr const char* kDocumentRels = "word/_rels/document.xml.rels";

std::string printed(const TiXmlDocument& doc) {
  TiXmlPrinter printer;
  printer.SetStreamPrinting();
  doc.Accept(&printer);
  return printer.CStr();
}

bool parse(TiXmlDocument& doc, const std::string& bytes, const char* part, std::string& error) {
  doc.Parse(bytes.c_str(), nullptr, TIXML_ENCODING_UTF8);
  if (doc.Error() || !doc.RootElement()) {
    error = std::string(part) + ": " + (doc.Error() ? doc.ErrorDesc() : "no root element");
    return false;
  }
  return true;
}

PackagePart& partNamed(PackageParts& parts, std::string_view name, std::string_view initial) {
  if (PackagePart* part = findPart(parts, name)) return *part;
  parts.push_back({std::string(name), std::string(initial)});
  return parts.back();
}

// A Default entry for the extension unless one (or an override) exists.
bool addDefaultType(PackageParts& parts, std::string_view extension, std::string_view type,
                    std::string& error) {
  PackagePart* types = findPart(parts, "[Content_Types].xml");
  if (!types) {
    error = "the package has no content types";
    return false;
  }
  TiXmlDocument doc;
  if (!parse(doc, types->bytes, "[Content_Types].xml", error)) return false;
  TiXmlElement* root = doc.RootElement();
  for (TiXmlElement* d = root->FirstChildElement("Default"); d;
       d = d->NextSiblingElement("Default"))
    if (const char* e = d->Attribute("Extension"); e && extension == e) return true;
  TiXmlElement entry("Default");
  entry.SetAttribute("Extension", std::string(extension).c_str());
  entry.SetAttribute("ContentType", std::string(type).c_str());
  // Defaults come before overrides.
  if (TiXmlElement* first = root->FirstChildElement("Override"))
    root->InsertBeforeChild(first, entry);
  else
    root->InsertEndChild(entry);
  types->bytes = printed(doc);
  return true;
}

TiXmlElement element(const char* name,
                     std::initializer_list<std::pair<const char*, std::string>> attributes) {
  TiXmlElement e(name);
  for (const auto& [key, value] : attributes) e.SetAttribute(key, value.c_str());
  return e;
}

TiXmlElement* add(TiXmlElement* parent, TiXmlElement child) {
  return parent->InsertEndChild(child)->ToElement();
}

}  // namespace

bool isPng(std::string_view bytes) {
  return bytes.size() > 8 && bytes.substr(0, 8) == std::string_view("\x89PNG\r\n\x1a\n", 8);
}

std::string addImagePart(PackageParts& parts, std::string_view extension,
                         std::string_view contentType, std::string bytes, std::string& error) {
  if (!addDefaultType(parts, extension, contentType, error)) return {};
  PackagePart& rels = partNamed(
      parts, kDocumentRels,
      std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<Relationships "
                  "xmlns=\"") +
          kRelationshipsNs + "\"/>");
  TiXmlDocument doc;
  if (!parse(doc, rels.bytes, kDocumentRels, error)) return {};
  TiXmlElement* root = doc.RootElement();
  // The first free "rIdN", and the first free media name.
  int next = 1;
  for (TiXmlElement* r = root->FirstChildElement("Relationship"); r;
       r = r->NextSiblingElement("Relationship"))
    if (const char* id = r->Attribute("Id"); id && std::string_view(id).starts_with("rId"))
      next = std::max(next, std::atoi(id + 3) + 1);
  int image = 1;
  auto mediaName = [&] {
    return "media/image" + std::to_string(image) + "." + std::string(extension);
  };
  while (findPart(parts, "word/" + mediaName())) ++image;
  const std::string id = "rId" + std::to_string(next);
  add(root,
      element("Relationship", {{"Id", id}, {"Type", kImageRelationship}, {"Target", mediaName()}}));
  rels.bytes = printed(doc);
  parts.push_back({"word/" + mediaName(), std::move(bytes)});
  return id;
}

TiXmlElement inlinePictureRun(const std::string& relationshipId, int id, double widthPt,
                              double heightPt) {
  const std::string cx = std::to_string(std::llround(widthPt * kEmuPerPoint));
  const std::string cy = std::to_string(std::llround(heightPt * kEmuPerPoint));
  const std::string name = "Picture " + std::to_string(id);
  TiXmlElement run("w:r");
  TiXmlElement* in =
      add(add(&run, TiXmlElement("w:drawing")),
          element("wp:inline", {{"distT", "0"}, {"distB", "0"}, {"distL", "0"}, {"distR", "0"}}));
  add(in, element("wp:extent", {{"cx", cx}, {"cy", cy}}));
  add(in, element("wp:effectExtent", {{"l", "0"}, {"t", "0"}, {"r", "0"}, {"b", "0"}}));
  add(in, element("wp:docPr", {{"id", std::to_string(id)}, {"name", name}}));
  add(add(in, TiXmlElement("wp:cNvGraphicFramePr")),
      element("a:graphicFrameLocks", {{"xmlns:a", kDrawingNs}, {"noChangeAspect", "1"}}));
  TiXmlElement* data = add(add(in, element("a:graphic", {{"xmlns:a", kDrawingNs}})),
                           element("a:graphicData", {{"uri", kPictureNs}}));
  TiXmlElement* pic = add(data, element("pic:pic", {{"xmlns:pic", kPictureNs}}));
  TiXmlElement* nv = add(pic, TiXmlElement("pic:nvPicPr"));
  add(nv, element("pic:cNvPr", {{"id", std::to_string(id)}, {"name", name}}));
  add(nv, TiXmlElement("pic:cNvPicPr"));
  TiXmlElement* fill = add(pic, TiXmlElement("pic:blipFill"));
  add(fill, element("a:blip", {{"r:embed", relationshipId}}));
  add(add(fill, TiXmlElement("a:stretch")), TiXmlElement("a:fillRect"));
  TiXmlElement* sp = add(pic, TiXmlElement("pic:spPr"));
  TiXmlElement* xfrm = add(sp, TiXmlElement("a:xfrm"));
  add(xfrm, element("a:off", {{"x", "0"}, {"y", "0"}}));
  add(xfrm, element("a:ext", {{"cx", cx}, {"cy", cy}}));
  add(add(sp, element("a:prstGeom", {{"prst", "rect"}})), TiXmlElement("a:avLst"));
  return run;
}

}  // namespace corvana
