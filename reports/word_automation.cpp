#include "reports/word_automation.h"

#include <tinyxml.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "reports/word/docx_package.h"
#include "reports/word/inline_picture.h"
#include "reports/word/ooxml_element.h"
#include "reports/word/word_table.h"

namespace corvana {
namespace {

constexpr std::string_view kTemplateMainType =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.template.main+xml";
constexpr std::string_view kDocumentMainType =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml";

CellFormat cellFormatOf(int flags) {
  CellFormat f;
  if (flags < 0) return f;
  f.alignment = (flags & WordAlignCenter) ? 1 : (flags & WordAlignRight) ? 2 : 0;
  if (flags & WordAlignMiddle)
    f.verticalAlignment = 1;
  else if (flags & WordAlignBottom)
    f.verticalAlignment = 3;
  return f;
}

// Depth-first walk over elements, not descending into text boxes (their
// paragraphs and tables belong to the shape, not to the document's flow).
void walk(TiXmlElement* e, const std::function<bool(TiXmlElement*)>& visit) {
  for (TiXmlElement* c = e->FirstChildElement(); c; c = c->NextSiblingElement()) {
    if (std::string_view(c->Value()) == "w:txbxContent") continue;
    if (visit(c)) walk(c, visit);
  }
}

void replaceAll(std::string& s, std::string_view from, std::string_view to) {
  for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
    s.replace(at, from.size(), to);
}

// Removes text nodes of blanks only outside texts (w:t, w:instrText).
void dropLayoutBlanks(TiXmlElement* e) {
  if (!e) return;
  const std::string_view name = e->Value();
  if (name == "w:t" || name == "w:instrText" || name == "wp:posOffset") return;
  for (TiXmlNode* n = e->FirstChild(); n;) {
    TiXmlNode* next = n->NextSibling();
    if (TiXmlText* t = n->ToText()) {
      const std::string_view v = t->Value();
      if (v.find_first_not_of(" \t\r\n") == std::string_view::npos) e->RemoveChild(n);
    } else if (TiXmlElement* c = n->ToElement()) {
      dropLayoutBlanks(c);
    }
    n = next;
  }
}

// The height in points a body element takes in the flow. Exact for
// paragraphs of exact or least line height and for rows of a given height
// (how our templates lay out everything above their diagrams); an estimate
// from the font size otherwise. Floating tables take none.
double flowHeight(TiXmlElement* e) {
  const std::string_view name = e->Value();
  if (name == "w:tbl") {
    TiXmlElement* pr = e->FirstChildElement("w:tblPr");
    if (pr && pr->FirstChildElement("w:tblpPr")) return 0;
    double height = 0;
    for (TiXmlElement* row : childElements(e, "w:tr")) {
      TiXmlElement* trPr = row->FirstChildElement("w:trPr");
      TiXmlElement* h = trPr ? trPr->FirstChildElement("w:trHeight") : nullptr;
      height += h ? double(integerAttribute(h, "w:val", 0)) / 20 : 9 * 1.2;
    }
    return height;
  }
  if (name != "w:p") return 0;
  TiXmlElement* pPr = e->FirstChildElement("w:pPr");
  TiXmlElement* spacing = pPr ? pPr->FirstChildElement("w:spacing") : nullptr;
  double height =
      double(integerAttribute(spacing, "w:before", 0) + integerAttribute(spacing, "w:after", 0)) /
      20;
  const char* rule = spacing ? spacing->Attribute("w:lineRule") : nullptr;
  const long long line = integerAttribute(spacing, "w:line", 240);
  if (rule && (std::string_view(rule) == "exact" || std::string_view(rule) == "atLeast"))
    return height + double(line) / 20;
  long long size = 18;  // half-points
  walk(e, [&](TiXmlElement* c) {
    if (std::string_view(c->Value()) == "w:sz")
      size = std::max(size, integerAttribute(c, "w:val", 18));
    return true;
  });
  return height + double(size) / 2 * 1.2 * double(line) / 240;
}

}  // namespace

struct WordAutomation::Model {
  PackageParts parts;
  TiXmlDocument document;
  TiXmlElement* body = nullptr;
  std::vector<TiXmlElement*> shapes;  // wp:anchor elements
  TiXmlElement* shapeParagraph = nullptr;
  PageMargins margins;
  int nextId = 1;
  int nextZ = 1;

  // The page top of the paragraph that holds `anchor`, adding up the flow
  // above its body-level element.
  double paragraphTop(TiXmlElement* anchor) const {
    TiXmlNode* n = anchor;
    while (n && n->Parent() != body) n = n->Parent();
    double y = margins.top;
    for (TiXmlElement* e = body->FirstChildElement(); e && e != n; e = e->NextSiblingElement())
      y += flowHeight(e);
    return y;
  }
  PageBox box(TiXmlElement* anchor) const {
    return anchorBox(anchor, margins, paragraphTop(anchor));
  }
  std::vector<TiXmlElement*> tables() const { return childElements(body, "w:tbl"); }
  TiXmlElement* table(int index) const {
    return index >= 1 ? childElement(body, "w:tbl", index - 1) : nullptr;
  }
  std::vector<TiXmlElement*> paragraphs() const {
    std::vector<TiXmlElement*> out;
    walk(body, [&](TiXmlElement* e) {
      const std::string_view name = e->Value();
      if (name == "w:p") {
        out.push_back(e);
        return false;
      }
      return true;
    });
    return out;
  }
};

WordAutomation::WordAutomation() = default;
WordAutomation::~WordAutomation() = default;

bool WordAutomation::fail(std::string text) {
  error_ = std::move(text);
  return false;
}

bool WordAutomation::open(const std::filesystem::path& templatePath) {
  model_.reset();
  std::string why;
  std::optional<PackageParts> parts = readPackage(templatePath, why);
  if (!parts) return fail(why);
  auto m = std::make_unique<Model>();
  m->parts = std::move(*parts);
  PackagePart* types = findPart(m->parts, "[Content_Types].xml");
  PackagePart* main = findPart(m->parts, "word/document.xml");
  if (!types || !main)
    return fail(templatePath.string() + ": not a word-processor template (no main document)");
  if (types->bytes.find(kTemplateMainType) == std::string::npos &&
      types->bytes.find(kDocumentMainType) == std::string::npos)
    return fail(templatePath.string() + ": the main document has no word-processor content type");
  // Blanks in texts are content ("Test:" pads with them); the layout blanks
  // between elements go again after parsing.
  const bool condensed = TiXmlBase::IsWhiteSpaceCondensed();
  TiXmlBase::SetCondenseWhiteSpace(false);
  m->document.Parse(main->bytes.c_str(), nullptr, TIXML_ENCODING_UTF8);
  TiXmlBase::SetCondenseWhiteSpace(condensed);
  dropLayoutBlanks(m->document.RootElement());
  if (m->document.Error())
    return fail(templatePath.string() + ": word/document.xml: " + m->document.ErrorDesc());
  TiXmlElement* root = m->document.RootElement();
  m->body = root ? root->FirstChildElement("w:body") : nullptr;
  if (!m->body) return fail(templatePath.string() + ": word/document.xml has no body");

  if (TiXmlElement* sect = m->body->FirstChildElement("w:sectPr"))
    if (TiXmlElement* mar = sect->FirstChildElement("w:pgMar")) {
      m->margins.left = double(integerAttribute(mar, "w:left", 1440)) / 20;
      m->margins.top = double(integerAttribute(mar, "w:top", 1440)) / 20;
    }
  TiXmlElement* currentParagraph = nullptr;
  walk(m->body, [&](TiXmlElement* e) {
    const std::string_view name = e->Value();
    if (name == "w:p") currentParagraph = e;
    if (name == "wp:anchor") {
      m->shapes.push_back(e);
      if (!m->shapeParagraph) m->shapeParagraph = currentParagraph;
      m->nextZ = std::max<int>(m->nextZ, int(integerAttribute(e, "relativeHeight", 0)) + 1);
    }
    if (name == "wp:docPr")
      m->nextId = std::max<int>(m->nextId, int(integerAttribute(e, "id", 0)) + 1);
    return true;
  });
  if (!m->shapeParagraph) m->shapeParagraph = m->body->FirstChildElement("w:p");
  if (!m->shapeParagraph) {
    TiXmlElement* first = m->body->FirstChildElement();
    m->shapeParagraph = (first ? m->body->InsertBeforeChild(first, TiXmlElement("w:p"))
                               : m->body->InsertEndChild(TiXmlElement("w:p")))
                            ->ToElement();
  }
  model_ = std::move(m);
  error_.clear();
  return true;
}

bool WordAutomation::setCell(int table, int row, int column, std::string_view text, int flags) {
  if (!model_) return fail("no document is open");
  TiXmlElement* cell = tableCell(model_->table(table), row, column);
  if (!cell)
    return fail("table " + std::to_string(table) + " has no cell (" + std::to_string(row) + ", " +
                std::to_string(column) + ")");
  setCellText(cell, text, cellFormatOf(flags));
  return true;
}

bool WordAutomation::fillTable(int table, const DocumentTable& model) {
  if (!model_) return fail("no document is open");
  TiXmlElement* t = model_->table(table);
  if (!t || tableRowCount(t) < 2)
    return fail("table " + std::to_string(table) + " is not a two-row table to fill");
  const int columns = std::max(1, model.columnCount()), rows = model.rowCount();
  if (!splitTableCell(t, 1, 1, 1, columns) || !splitTableCell(t, 2, 1, 1, columns))
    return fail("table " + std::to_string(table) + ": its first cells cannot be split");
  if (rows >= 3) corvana::insertRowsBelow(t, 2, rows - 2);
  // The model's widths shape the columns, so names get the room they need.
  if (int(model.widths.size()) == columns) setColumnProportions(t, model.widths);
  // Walk the rows once: a table of a thousand samples stays linear.
  TiXmlElement* tr = t->FirstChildElement("w:tr");
  for (int i = 0; i < rows && tr; ++i, tr = tr->NextSiblingElement("w:tr")) {
    TiXmlElement* tc = tr->FirstChildElement("w:tc");
    for (std::size_t j = 0; j < model.rows[std::size_t(i)].size() && tc;
         ++j, tc = tc->NextSiblingElement("w:tc"))
      setCellText(tc, model.rows[std::size_t(i)][j], {});
  }
  return true;
}

bool WordAutomation::addLine(double x1, double y1, double x2, double y2, std::uint32_t color,
                             int dashStyle, double weight) {
  if (!model_) return fail("no document is open");
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
    return fail("a line has no finite position");
  LineShape line{x1, y1, x2, y2, color, dashStyle, weight, model_->nextId++, model_->nextZ++};
  TiXmlNode* run = model_->shapeParagraph->InsertEndChild(lineShapeRun(line));
  TiXmlElement* anchor = run->FirstChildElement("w:drawing")->FirstChildElement("wp:anchor");
  model_->shapes.push_back(anchor);
  return true;
}

bool WordAutomation::addRectangle(double x, double y, double width, double height,
                                  std::uint32_t color) {
  return addLine(x, y, x + width, y, color, 1, 1) && addLine(x, y, x, y + height, color, 1, 1) &&
         addLine(x, y + height, x + width, y + height, color, 1, 1) &&
         addLine(x + width, y, x + width, y + height, color, 1, 1);
}

std::optional<PageBox> WordAutomation::shapeBox(int index) const {
  if (!model_ || index < 1 || index > int(model_->shapes.size())) return std::nullopt;
  return model_->box(model_->shapes[std::size_t(index - 1)]);
}

std::optional<PageBox> WordAutomation::shapeBox(std::string_view name) const {
  if (!model_) return std::nullopt;
  for (TiXmlElement* anchor : model_->shapes)
    if (anchorName(anchor) == name) return model_->box(anchor);
  return std::nullopt;
}

bool WordAutomation::setShapeOutline(int index, std::uint32_t color) {
  if (!model_ || index < 1 || index > int(model_->shapes.size()))
    return fail("the document has no shape " + std::to_string(index));
  corvana::setShapeOutline(model_->shapes[std::size_t(index - 1)], color);
  return true;
}

bool WordAutomation::splitCell(int table, int row, int column, int rows, int columns) {
  if (!model_) return fail("no document is open");
  if (!splitTableCell(model_->table(table), row, column, rows, columns))
    return fail("table " + std::to_string(table) + ": cell (" + std::to_string(row) + ", " +
                std::to_string(column) + ") cannot be split into " + std::to_string(rows) + " x " +
                std::to_string(columns));
  return true;
}

int WordAutomation::addParagraph(int index, std::string_view text, const WordFont& font,
                                 int flags) {
  if (!model_ || text.empty()) return index;
  TiXmlElement* p = nullptr;
  if (index == -1) {
    TiXmlElement* sect = model_->body->FirstChildElement("w:sectPr");
    p = (sect ? model_->body->InsertBeforeChild(sect, TiXmlElement("w:p"))
              : model_->body->InsertEndChild(TiXmlElement("w:p")))
            ->ToElement();
  } else {
    const std::vector<TiXmlElement*> all = model_->paragraphs();
    if (index < 1 || index > int(all.size())) {
      fail("the document has no paragraph " + std::to_string(index));
      return index;
    }
    p = all[std::size_t(index - 1)];
    // The paragraph after it, empty, in the same format, for the next call.
    TiXmlElement next("w:p");
    if (TiXmlElement* ppr = p->FirstChildElement("w:pPr")) next.InsertEndChild(*ppr);
    p->Parent()->InsertAfterChild(p, next);
  }
  TiXmlElement* pPr = firstChild(p, "w:pPr");
  TiXmlElement* mark = orderedChild(pPr, "w:rPr", kParagraphPropertyOrder);
  if (!font.face.empty()) setFontFace(mark, font.face);
  if (font.size > 0) {
    const int halfPoints = int(std::lround(font.size * 2));
    orderedChild(mark, "w:sz", kRunPropertyOrder)->SetAttribute("w:val", halfPoints);
    orderedChild(mark, "w:szCs", kRunPropertyOrder)->SetAttribute("w:val", halfPoints);
  }
  orderedChild(mark, "w:color", kRunPropertyOrder)
      ->SetAttribute("w:val", colorHex(font.color).c_str());
  orderedChild(mark, "w:u", kRunPropertyOrder)
      ->SetAttribute("w:val", font.underline ? "single" : "none");
  orderedChild(mark, "w:b", kRunPropertyOrder)->SetAttribute("w:val", font.bold ? 1 : 0);
  setParagraphText(p, {});  // the text takes the font above, not an old run's
  setParagraphText(p, text);
  setParagraphAlignment(p, cellFormatOf(flags < 0 ? 0 : flags).alignment);
  return index + 1;
}

bool WordAutomation::setTableFont(int table, std::string_view face) {
  if (!model_) return fail("no document is open");
  TiXmlElement* t = model_->table(table);
  if (!t) return fail("the document has no table " + std::to_string(table));
  setTableFontFace(t, face);
  return true;
}

bool WordAutomation::insertPicture(int table, int row, int column,
                                   const std::vector<unsigned char>& png, double widthPt,
                                   double heightPt) {
  if (!model_) return fail("no document is open");
  TiXmlElement* cell = tableCell(model_->table(table), row, column);
  if (!cell)
    return fail("table " + std::to_string(table) + " has no cell (" + std::to_string(row) + ", " +
                std::to_string(column) + ")");
  std::string bytes(png.begin(), png.end());
  if (!isPng(bytes)) return fail("the picture is no PNG image");
  if (!(std::isfinite(widthPt) && widthPt > 0 && std::isfinite(heightPt) && heightPt > 0))
    return fail("a picture needs a positive size");
  std::string why;
  const std::string id = addImagePart(model_->parts, "png", "image/png", std::move(bytes), why);
  if (id.empty()) return fail(why);
  // The drawing's prefixes must be declared where it is read.
  TiXmlElement* root = model_->document.RootElement();
  if (!root->Attribute("xmlns:r"))
    root->SetAttribute("xmlns:r",
                       "http://schemas.openxmlformats.org/officeDocument/2006/relationships");
  if (!root->Attribute("xmlns:wp"))
    root->SetAttribute("xmlns:wp",
                       "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing");
  setCellText(cell, {}, {});
  TiXmlElement* paragraph = firstChild(cell, "w:p");
  paragraph->InsertEndChild(inlinePictureRun(id, model_->nextId++, widthPt, heightPt));
  return true;
}

bool WordAutomation::deleteRow(int table, int row) {
  if (!model_) return fail("no document is open");
  if (!deleteTableRow(model_->table(table), row))
    return fail("table " + std::to_string(table) + " has no row " + std::to_string(row));
  return true;
}

bool WordAutomation::insertRowsBelow(int table, int row, int count) {
  if (!model_) return fail("no document is open");
  if (!corvana::insertRowsBelow(model_->table(table), row, count))
    return fail("table " + std::to_string(table) + " has no row " + std::to_string(row));
  return true;
}

bool WordAutomation::deleteTable(int table) {
  if (!model_) return fail("no document is open");
  TiXmlElement* t = model_->table(table);
  if (!t) return fail("the document has no table " + std::to_string(table));
  // Shapes anchored in the table go with it.
  walk(t, [&](TiXmlElement* e) {
    auto& s = model_->shapes;
    s.erase(std::remove(s.begin(), s.end(), e), s.end());
    return true;
  });
  model_->body->RemoveChild(t);
  return true;
}

std::string WordAutomation::documentXml() const {
  if (!model_) return {};
  TiXmlPrinter printer;
  printer.SetStreamPrinting();
  model_->document.Accept(&printer);
  return printer.CStr();
}

bool WordAutomation::saveAs(const std::filesystem::path& path) {
  if (!model_) return fail("no document is open");
  PackageParts parts = model_->parts;
  findPart(parts, "word/document.xml")->bytes = documentXml();
  std::string& types = findPart(parts, "[Content_Types].xml")->bytes;
  replaceAll(types, kTemplateMainType, kDocumentMainType);
  std::string why;
  if (!writePackage(parts, path, why)) return fail(why);
  return true;
}

int WordAutomation::tableCount() const { return model_ ? int(model_->tables().size()) : 0; }

int WordAutomation::rowCount(int table) const {
  return model_ ? tableRowCount(model_->table(table)) : 0;
}

int WordAutomation::shapeCount() const { return model_ ? int(model_->shapes.size()) : 0; }

int WordAutomation::paragraphCount() const { return model_ ? int(model_->paragraphs().size()) : 0; }

}  // namespace corvana
