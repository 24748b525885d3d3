#include "reports/word/drawing_shape.h"

#include <tinyxml.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "reports/word/ooxml_element.h"

namespace corvana {
namespace {

long long emu(double points) { return std::llround(points * kEmuPerPoint); }

TiXmlElement positioned(const char* name, double points) {
  TiXmlElement pos(name);
  pos.SetAttribute("relativeFrom", "page");
  TiXmlElement offset("wp:posOffset");
  offset.InsertEndChild(TiXmlText(std::to_string(emu(points)).c_str()));
  pos.InsertEndChild(offset);
  return pos;
}

TiXmlElement sized(const char* name, long long cx, long long cy) {
  TiXmlElement e(name);
  e.SetAttribute("cx", std::to_string(cx).c_str());
  e.SetAttribute("cy", std::to_string(cy).c_str());
  return e;
}

// The shape's own offset in points along one axis of the page.
double axisOffset(TiXmlElement* position, double margin, double paragraph) {
  if (!position) return margin;
  double offset = 0;
  if (TiXmlElement* o = position->FirstChildElement("wp:posOffset"))
    if (const char* t = o->GetText()) offset = double(std::atoll(t)) / kEmuPerPoint;
  const char* from = position->Attribute("relativeFrom");
  const std::string_view relative = from ? from : "page";
  if (relative == "page") return offset;
  if (relative == "paragraph" || relative == "line") return paragraph + offset;
  return margin + offset;
}

TiXmlElement* shapeProperties(TiXmlElement* anchor) {
  TiXmlElement* graphic = anchor->FirstChildElement("a:graphic");
  TiXmlElement* data = graphic ? graphic->FirstChildElement("a:graphicData") : nullptr;
  TiXmlElement* shape = data ? data->FirstChildElement("wps:wsp") : nullptr;
  return shape ? shape->FirstChildElement("wps:spPr") : nullptr;
}

}  // namespace

std::string colorHex(std::uint32_t wordColor) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X%02X%02X", unsigned(wordColor & 0xFF),
                unsigned((wordColor >> 8) & 0xFF), unsigned((wordColor >> 16) & 0xFF));
  return text;
}

std::string_view dashOf(int dashStyle) {
  switch (dashStyle) {
    case 2: return "sysDash";
    case 3: return "sysDot";
    case 4: return "dash";
    case 5: return "dashDot";
    case 6: return "lgDashDotDot";
    case 7: return "lgDash";
    case 8: return "lgDashDot";
    default: return "solid";
  }
}

TiXmlElement lineShapeRun(const LineShape& l) {
  const double left = std::min(l.x1, l.x2), top = std::min(l.y1, l.y2);
  const long long cx = emu(std::abs(l.x2 - l.x1)), cy = emu(std::abs(l.y2 - l.y1));
  TiXmlElement anchor("wp:anchor");
  for (const char* d : {"distT", "distB", "distL", "distR"}) anchor.SetAttribute(d, 0);
  anchor.SetAttribute("simplePos", 0);
  anchor.SetAttribute("relativeHeight", l.zOrder);
  anchor.SetAttribute("behindDoc", 0);
  anchor.SetAttribute("locked", 0);
  anchor.SetAttribute("layoutInCell", 1);
  anchor.SetAttribute("allowOverlap", 1);
  TiXmlElement simple("wp:simplePos");
  simple.SetAttribute("x", 0);
  simple.SetAttribute("y", 0);
  anchor.InsertEndChild(simple);
  anchor.InsertEndChild(positioned("wp:positionH", left));
  anchor.InsertEndChild(positioned("wp:positionV", top));
  anchor.InsertEndChild(sized("wp:extent", cx, cy));
  TiXmlElement effect("wp:effectExtent");
  for (const char* s : {"l", "t", "r", "b"}) effect.SetAttribute(s, 0);
  anchor.InsertEndChild(effect);
  anchor.InsertEndChild(TiXmlElement("wp:wrapNone"));
  TiXmlElement docPr("wp:docPr");
  docPr.SetAttribute("id", l.id);
  docPr.SetAttribute("name", ("Line " + std::to_string(l.id)).c_str());
  anchor.InsertEndChild(docPr);
  anchor.InsertEndChild(TiXmlElement("wp:cNvGraphicFramePr"));

  TiXmlElement xfrm("a:xfrm");
  // The line runs corner to corner of its box; flips choose which corners.
  if ((l.x2 < l.x1) != (l.y2 < l.y1)) xfrm.SetAttribute("flipH", 1);
  TiXmlElement off("a:off");
  off.SetAttribute("x", 0);
  off.SetAttribute("y", 0);
  xfrm.InsertEndChild(off);
  xfrm.InsertEndChild(sized("a:ext", cx, cy));
  TiXmlElement geometry("a:prstGeom");
  geometry.SetAttribute("prst", "line");
  geometry.InsertEndChild(TiXmlElement("a:avLst"));
  TiXmlElement ln("a:ln");
  ln.SetAttribute("w", std::to_string(emu(std::max(0.25, l.weight))).c_str());
  TiXmlElement fill("a:solidFill");
  TiXmlElement rgb("a:srgbClr");
  rgb.SetAttribute("val", colorHex(l.color).c_str());
  fill.InsertEndChild(rgb);
  ln.InsertEndChild(fill);
  TiXmlElement dash("a:prstDash");
  dash.SetAttribute("val", std::string(dashOf(l.dashStyle)).c_str());
  ln.InsertEndChild(dash);
  TiXmlElement spPr("wps:spPr");
  spPr.InsertEndChild(xfrm);
  spPr.InsertEndChild(geometry);
  spPr.InsertEndChild(TiXmlElement("a:noFill"));
  spPr.InsertEndChild(ln);
  TiXmlElement shape("wps:wsp");
  shape.InsertEndChild(TiXmlElement("wps:cNvCnPr"));
  shape.InsertEndChild(spPr);
  shape.InsertEndChild(TiXmlElement("wps:bodyPr"));
  TiXmlElement data("a:graphicData");
  data.SetAttribute("uri", "http://schemas.microsoft.com/office/word/2010/wordprocessingShape");
  data.InsertEndChild(shape);
  TiXmlElement graphic("a:graphic");
  graphic.InsertEndChild(data);
  anchor.InsertEndChild(graphic);
  TiXmlElement drawing("w:drawing");
  drawing.InsertEndChild(anchor);
  TiXmlElement run("w:r");
  run.InsertEndChild(drawing);
  return run;
}

PageBox anchorBox(TiXmlElement* anchor, const PageMargins& margins, double paragraphTop) {
  PageBox box;
  box.left = axisOffset(anchor->FirstChildElement("wp:positionH"), margins.left, margins.left);
  box.top = axisOffset(anchor->FirstChildElement("wp:positionV"), margins.top, paragraphTop);
  if (TiXmlElement* extent = anchor->FirstChildElement("wp:extent")) {
    box.width = double(integerAttribute(extent, "cx", 0)) / kEmuPerPoint;
    box.height = double(integerAttribute(extent, "cy", 0)) / kEmuPerPoint;
  }
  return box;
}

std::string anchorName(TiXmlElement* anchor) {
  TiXmlElement* docPr = anchor->FirstChildElement("wp:docPr");
  const char* name = docPr ? docPr->Attribute("name") : nullptr;
  return name ? name : "";
}

void setShapeOutline(TiXmlElement* anchor, std::uint32_t wordColor) {
  TiXmlElement* spPr = shapeProperties(anchor);
  if (!spPr) return;
  TiXmlElement* ln = spPr->FirstChildElement("a:ln");
  if (!ln) ln = spPr->InsertEndChild(TiXmlElement("a:ln"))->ToElement();
  removeChildren(ln, "a:noFill");
  removeChildren(ln, "a:solidFill");
  removeChildren(ln, "a:gradFill");
  TiXmlElement fill("a:solidFill");
  TiXmlElement rgb("a:srgbClr");
  rgb.SetAttribute("val", colorHex(wordColor).c_str());
  fill.InsertEndChild(rgb);
  if (ln->FirstChild())
    ln->InsertBeforeChild(ln->FirstChild(), fill);
  else
    ln->InsertEndChild(fill);
}

}  // namespace corvana
