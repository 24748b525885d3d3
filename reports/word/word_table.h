#pragma once
// Operations on one WordprocessingML table (w:tbl): cells addressed as Word
// addresses them (1-based row, then the cell's place in that row), text set
// into a cell, cells split into columns and rows, rows inserted and deleted.
// After a split the table's column grid is rebuilt from the cell widths, so
// every row still spans the grid and other rows' cells gain a gridSpan.
#include <string_view>
#include <vector>

class TiXmlElement;

namespace corvana {

struct CellFormat {
  int alignment = -1;          // -1 keep, 0 left, 1 centre, 2 right
  int verticalAlignment = -1;  // -1 keep, 1 centre, 3 bottom
};

int tableRowCount(TiXmlElement* table);
TiXmlElement* tableRow(TiXmlElement* table, int row);
TiXmlElement* tableCell(TiXmlElement* table, int row, int column);

// Replaces the cell's text (a line break for each '\n'), keeping the run
// format of the text it had.
void setCellText(TiXmlElement* cell, std::string_view text, const CellFormat& format);

// Replaces a paragraph's runs by one run of `text` in the format of its
// first run (else of its paragraph mark).
void setParagraphText(TiXmlElement* paragraph, std::string_view text);
// 0 left, 1 centre, 2 right; -1 keeps it.
void setParagraphAlignment(TiXmlElement* paragraph, int alignment);

// False when the cell does not exist or rows / columns is below 1.
bool splitTableCell(TiXmlElement* table, int row, int column, int rows, int columns);

// Shares each row's width among its cells in proportion to `weights`
// (rows with as many cells as weights; others stay), then rebuilds the grid.
void setColumnProportions(TiXmlElement* table, const std::vector<double>& weights);

// Copies of row `row` (texts emptied) inserted below it.
bool insertRowsBelow(TiXmlElement* table, int row, int count);
bool deleteTableRow(TiXmlElement* table, int row);

// The face on every run and paragraph mark of the table.
void setTableFontFace(TiXmlElement* table, std::string_view face);

// Sets w:rFonts of a run-properties element to one face for every script.
void setFontFace(TiXmlElement* runProperties, std::string_view face);

}  // namespace corvana
