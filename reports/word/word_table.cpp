#include "reports/word/word_table.h"

#include <tinyxml.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "reports/word/ooxml_element.h"

namespace corvana {
namespace {

int gridSpanOf(TiXmlElement* cell) {
  TiXmlElement* pr = cell->FirstChildElement("w:tcPr");
  TiXmlElement* span = pr ? pr->FirstChildElement("w:gridSpan") : nullptr;
  return std::max(1, int(integerAttribute(span, "w:val", 1)));
}

std::vector<int> gridColumns(TiXmlElement* table) {
  std::vector<int> widths;
  for (TiXmlElement* col : childElements(table->FirstChildElement("w:tblGrid"), "w:gridCol"))
    widths.push_back(int(integerAttribute(col, "w:w", 0)));
  return widths;
}

void setCellWidth(TiXmlElement* cell, int twips) {
  TiXmlElement* w = orderedChild(firstChild(cell, "w:tcPr"), "w:tcW", kCellPropertyOrder);
  w->SetAttribute("w:w", twips);
  w->SetAttribute("w:type", "dxa");
}

int cellWidth(TiXmlElement* cell) {
  TiXmlElement* pr = cell->FirstChildElement("w:tcPr");
  TiXmlElement* w = pr ? pr->FirstChildElement("w:tcW") : nullptr;
  return int(integerAttribute(w, "w:w", 0));
}

// Every cell gets its width in twips from the grid it spans, so the grid can
// be rebuilt from the widths alone.
void fixCellWidths(TiXmlElement* table) {
  const std::vector<int> grid = gridColumns(table);
  for (TiXmlElement* row : childElements(table, "w:tr")) {
    std::size_t g = 0;
    for (TiXmlElement* cell : childElements(row, "w:tc")) {
      const int span = gridSpanOf(cell);
      int width = 0;
      for (int k = 0; k < span && g < grid.size(); ++k) width += grid[g++];
      if (cellWidth(cell) <= 0 || width > 0) setCellWidth(cell, width > 0 ? width : 1);
    }
  }
}

// The grid as the union of every row's cell edges; each cell spans the grid
// columns between its edges.
void rebuildGrid(TiXmlElement* table) {
  std::set<int> edges{0};
  for (TiXmlElement* row : childElements(table, "w:tr")) {
    int x = 0;
    for (TiXmlElement* cell : childElements(row, "w:tc")) edges.insert(x += cellWidth(cell));
  }
  const std::vector<int> at(edges.begin(), edges.end());
  TiXmlElement* grid = table->FirstChildElement("w:tblGrid");
  if (!grid) {
    TiXmlElement* pr = table->FirstChildElement("w:tblPr");
    grid = (pr ? table->InsertAfterChild(pr, TiXmlElement("w:tblGrid"))
               : table->InsertEndChild(TiXmlElement("w:tblGrid")))
               ->ToElement();
  }
  removeChildren(grid, "w:gridCol");
  for (std::size_t i = 1; i < at.size(); ++i) {
    TiXmlElement col("w:gridCol");
    col.SetAttribute("w:w", at[i] - at[i - 1]);
    grid->InsertEndChild(col);
  }
  for (TiXmlElement* row : childElements(table, "w:tr")) {
    int x = 0;
    for (TiXmlElement* cell : childElements(row, "w:tc")) {
      const int start = x;
      x += cellWidth(cell);
      const auto from = std::lower_bound(at.begin(), at.end(), start);
      const auto to = std::lower_bound(at.begin(), at.end(), x);
      const int span = int(to - from);
      TiXmlElement* pr = firstChild(cell, "w:tcPr");
      if (span > 1)
        orderedChild(pr, "w:gridSpan", kCellPropertyOrder)->SetAttribute("w:val", span);
      else
        removeChildren(pr, "w:gridSpan");
    }
  }
}

// The run format a new text in the paragraph takes: its first run's, else
// its paragraph mark's.
TiXmlElement* textRunProperties(TiXmlElement* paragraph) {
  if (TiXmlElement* run = paragraph->FirstChildElement("w:r"))
    if (TiXmlElement* pr = run->FirstChildElement("w:rPr")) return pr;
  if (TiXmlElement* ppr = paragraph->FirstChildElement("w:pPr"))
    if (TiXmlElement* pr = ppr->FirstChildElement("w:rPr")) return pr;
  return nullptr;
}

}  // namespace

void setParagraphText(TiXmlElement* paragraph, std::string_view text) {
  // Built on the heap and linked, not copied in: a table of thousands of
  // cells makes each node once.
  TiXmlElement* run = nullptr;
  if (!text.empty()) {
    run = new TiXmlElement("w:r");
    if (TiXmlElement* format = textRunProperties(paragraph)) {
      auto* copy = new TiXmlElement("w:rPr");
      for (TiXmlElement* e = format->FirstChildElement(); e; e = e->NextSiblingElement())
        if (std::string_view(e->Value()) != "w:rPrChange") copy->LinkEndChild(e->Clone());
      run->LinkEndChild(copy);
    }
    std::size_t from = 0;
    while (true) {
      const std::size_t nl = text.find('\n', from);
      const std::string_view piece =
          text.substr(from, nl == std::string_view::npos ? nl : nl - from);
      if (!piece.empty()) {
        auto* t = new TiXmlElement("w:t");
        t->SetAttribute("xml:space", "preserve");
        t->LinkEndChild(new TiXmlText(std::string(piece).c_str()));
        run->LinkEndChild(t);
      }
      if (nl == std::string_view::npos) break;
      run->LinkEndChild(new TiXmlElement("w:br"));
      from = nl + 1;
    }
  }
  for (TiXmlNode* n = paragraph->FirstChild(); n;) {
    TiXmlNode* next = n->NextSibling();
    if (!n->ToElement() || std::string_view(n->Value()) != "w:pPr") paragraph->RemoveChild(n);
    n = next;
  }
  if (run) paragraph->LinkEndChild(run);
}

void setParagraphAlignment(TiXmlElement* paragraph, int alignment) {
  if (alignment < 0) return;
  static const char* const kJustify[] = {"left", "center", "right"};
  orderedChild(firstChild(paragraph, "w:pPr"), "w:jc", kParagraphPropertyOrder)
      ->SetAttribute("w:val", kJustify[std::min(alignment, 2)]);
}

namespace {

// An empty cell like `cell` (its properties, its first paragraph's format).
TiXmlElement emptyCellLike(TiXmlElement* cell) {
  TiXmlElement fresh("w:tc");
  if (TiXmlElement* pr = cell->FirstChildElement("w:tcPr")) fresh.InsertEndChild(*pr);
  TiXmlElement p("w:p");
  if (TiXmlElement* first = cell->FirstChildElement("w:p"))
    if (TiXmlElement* ppr = first->FirstChildElement("w:pPr")) p.InsertEndChild(*ppr);
  fresh.InsertEndChild(p);
  if (TiXmlElement* pr = fresh.FirstChildElement("w:tcPr")) removeChildren(pr, "w:vMerge");
  return fresh;
}

void emptyCellText(TiXmlElement* cell) {
  std::vector<TiXmlElement*> paragraphs = childElements(cell, "w:p");
  if (paragraphs.empty()) return;
  for (std::size_t i = 1; i < paragraphs.size(); ++i) cell->RemoveChild(paragraphs[i]);
  setParagraphText(paragraphs[0], {});
}

}  // namespace

int tableRowCount(TiXmlElement* table) { return childCount(table, "w:tr"); }

TiXmlElement* tableRow(TiXmlElement* table, int row) {
  return row >= 1 ? childElement(table, "w:tr", row - 1) : nullptr;
}

TiXmlElement* tableCell(TiXmlElement* table, int row, int column) {
  return column >= 1 ? childElement(tableRow(table, row), "w:tc", column - 1) : nullptr;
}

void setCellText(TiXmlElement* cell, std::string_view text, const CellFormat& format) {
  std::vector<TiXmlElement*> paragraphs = childElements(cell, "w:p");
  if (paragraphs.empty())
    paragraphs.push_back(cell->InsertEndChild(TiXmlElement("w:p"))->ToElement());
  for (std::size_t i = 1; i < paragraphs.size(); ++i) cell->RemoveChild(paragraphs[i]);
  TiXmlElement* p = paragraphs[0];
  setParagraphText(p, text);
  setParagraphAlignment(p, format.alignment);
  if (format.verticalAlignment >= 0) {
    orderedChild(firstChild(cell, "w:tcPr"), "w:vAlign", kCellPropertyOrder)
        ->SetAttribute("w:val", format.verticalAlignment == 3 ? "bottom" : "center");
  }
}

bool splitTableCell(TiXmlElement* table, int row, int column, int rows, int columns) {
  TiXmlElement* tr = tableRow(table, row);
  TiXmlElement* cell = tableCell(table, row, column);
  if (!cell || rows < 1 || columns < 1) return false;
  if (rows == 1 && columns == 1) return true;
  fixCellWidths(table);
  const int width = cellWidth(cell);
  // Equal shares; the last cell takes what rounding leaves, none is empty.
  auto shareOf = [&](int k) {
    const int part = std::max(1, width / columns);
    return k + 1 < columns ? part : std::max(1, width - part * (columns - 1));
  };
  auto fillRow = [&](TiXmlElement* at, bool keepFirst) {
    TiXmlElement* prev = at;
    for (int k = keepFirst ? 1 : 0; k < columns; ++k) {
      TiXmlElement fresh = emptyCellLike(cell);
      setCellWidth(&fresh, shareOf(k));
      prev = tr->InsertAfterChild(prev, fresh)->ToElement();
    }
  };
  const std::vector<TiXmlElement*> rowCells = childElements(tr, "w:tc");
  const auto place = std::find(rowCells.begin(), rowCells.end(), cell) - rowCells.begin();
  setCellWidth(cell, shareOf(0));
  fillRow(cell, true);
  // Below the split cell, new rows; the row's other cells reach down over
  // them as vertical merges.
  TiXmlElement* after = tr;
  for (int r = 1; r < rows; ++r) {
    TiXmlElement fresh("w:tr");
    if (TiXmlElement* trPr = tr->FirstChildElement("w:trPr")) fresh.InsertEndChild(*trPr);
    TiXmlElement* added = table->InsertAfterChild(after, fresh)->ToElement();
    for (std::size_t i = 0; i < rowCells.size(); ++i) {
      if (std::ptrdiff_t(i) == place) {
        for (int k = 0; k < columns; ++k) {
          TiXmlElement piece = emptyCellLike(cell);
          setCellWidth(&piece, shareOf(k));
          added->InsertEndChild(piece);
        }
        continue;
      }
      TiXmlElement* other = rowCells[i];
      TiXmlElement* pr = firstChild(other, "w:tcPr");
      if (r == 1 && !pr->FirstChildElement("w:vMerge"))
        orderedChild(pr, "w:vMerge", kCellPropertyOrder)->SetAttribute("w:val", "restart");
      TiXmlElement below = emptyCellLike(other);
      TiXmlElement* belowPr = firstChild(&below, "w:tcPr");
      orderedChild(belowPr, "w:vMerge", kCellPropertyOrder);  // continues the merge
      added->InsertEndChild(below);
    }
    after = added;
  }
  rebuildGrid(table);
  return true;
}

void setColumnProportions(TiXmlElement* table, const std::vector<double>& weights) {
  double sum = 0;
  for (double w : weights) sum += w > 0 ? w : 0;
  if (!(sum > 0)) return;
  fixCellWidths(table);
  for (TiXmlElement* row : childElements(table, "w:tr")) {
    const std::vector<TiXmlElement*> cells = childElements(row, "w:tc");
    if (cells.size() != weights.size()) continue;
    int total = 0;
    for (TiXmlElement* c : cells) total += cellWidth(c);
    int used = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
      const int share = i + 1 < cells.size()
                            ? std::max(1, int(total * std::max(0.0, weights[i]) / sum))
                            : std::max(1, total - used);
      setCellWidth(cells[i], share);
      used += share;
    }
  }
  rebuildGrid(table);
}

bool insertRowsBelow(TiXmlElement* table, int row, int count) {
  TiXmlElement* tr = tableRow(table, row);
  if (!tr || count < 0) return false;
  TiXmlElement model = *tr;
  for (TiXmlElement* cell : childElements(&model, "w:tc")) emptyCellText(cell);
  TiXmlElement* after = tr;
  for (int i = 0; i < count; ++i) after = table->InsertAfterChild(after, model)->ToElement();
  return true;
}

bool deleteTableRow(TiXmlElement* table, int row) {
  TiXmlElement* tr = tableRow(table, row);
  if (!tr) return false;
  table->RemoveChild(tr);
  return true;
}

void setFontFace(TiXmlElement* runProperties, std::string_view face) {
  TiXmlElement* fonts = orderedChild(runProperties, "w:rFonts", kRunPropertyOrder);
  const std::string f(face);
  for (const char* a : {"w:ascii", "w:hAnsi", "w:eastAsia", "w:cs"})
    fonts->SetAttribute(a, f.c_str());
  for (const char* a : {"w:asciiTheme", "w:hAnsiTheme", "w:eastAsiaTheme", "w:cstheme"})
    fonts->RemoveAttribute(a);
}

void setTableFontFace(TiXmlElement* table, std::string_view face) {
  // Depth-first over the table: every run, and every paragraph mark so text
  // set later into a cell takes the face too.
  std::vector<TiXmlElement*> stack{table};
  while (!stack.empty()) {
    TiXmlElement* e = stack.back();
    stack.pop_back();
    const std::string_view name = e->Value();
    if (name == "w:r") {
      setFontFace(firstChild(e, "w:rPr"), face);
      continue;
    }
    if (name == "w:p")
      setFontFace(orderedChild(firstChild(e, "w:pPr"), "w:rPr", kParagraphPropertyOrder), face);
    for (TiXmlElement* c = e->FirstChildElement(); c; c = c->NextSiblingElement())
      if (std::string_view(c->Value()) != "w:pPr") stack.push_back(c);
  }
}

}  // namespace corvana
