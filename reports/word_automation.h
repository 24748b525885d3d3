#pragma once
// A word-processor document made from one of our templates (.dotx), filled
// through the operations the reports use and saved as a .docx package. One
// object per report run. Tables, rows, cells, paragraphs and shapes are
// numbered from 1 as a word processor numbers them; positions and sizes are
// in points relative to the page; colours are 0x00BBGGRR.
//
// Every operation returns false (or nothing) on failure and leaves the
// reason in `error()`; no exception leaves this class.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reports/word/drawing_shape.h"
#include "reports/word/word_report_table.h"

namespace corvana {

struct WordFont {
  std::string face;
  double size = 10.5;  // points
  std::uint32_t color = 0;
  bool bold = false;
  bool underline = false;
};

// Cell and paragraph alignment flags: 1 centre, else 2 right, else left;
// with 4 vertically centred, with 8 at the bottom. -1 keeps the template's.
enum WordAlign : int {
  WordAlignKeep = -1,
  WordAlignLeft = 0,
  WordAlignCenter = 1,
  WordAlignRight = 2,
  WordAlignMiddle = 4,
  WordAlignBottom = 8,
};

class WordAutomation {
 public:
  WordAutomation();
  ~WordAutomation();
  WordAutomation(const WordAutomation&) = delete;
  WordAutomation& operator=(const WordAutomation&) = delete;

  // Reads the template package and its main document. False when the file
  // is missing or is no word-processor template.
  bool open(const std::filesystem::path& templatePath);

  bool setCell(int table, int row, int column, std::string_view text, int flags = WordAlignKeep);
  // The table's two single-cell rows become the model's columns and rows;
  // the columns share the table's width in proportion to the model's widths.
  bool fillTable(int table, const DocumentTable& model);
  bool addLine(double x1, double y1, double x2, double y2, std::uint32_t color, int dashStyle,
               double weight);
  bool addRectangle(double x, double y, double width, double height, std::uint32_t color);
  // The page box of shape `index` (1-based, template shapes first, then the
  // lines added), or of the first shape of that name.
  std::optional<PageBox> shapeBox(int index) const;
  std::optional<PageBox> shapeBox(std::string_view name) const;
  bool setShapeOutline(int index, std::uint32_t color);
  bool splitCell(int table, int row, int column, int rows, int columns);
  // Fills paragraph `index` (or, with -1, a new one at the end) and puts an
  // empty paragraph after it; returns the next paragraph's index. An empty
  // text adds nothing and returns `index`.
  int addParagraph(int index, std::string_view text, const WordFont& font, int flags);
  bool setTableFont(int table, std::string_view face);
  // A PNG picture of widthPt x heightPt points as the cell's only content:
  // an image part in word/media, its relationship, the png content type
  // and an inline drawing. False for bytes that are no PNG.
  bool insertPicture(int table, int row, int column, const std::vector<unsigned char>& png,
                     double widthPt, double heightPt);
  bool deleteRow(int table, int row);
  bool insertRowsBelow(int table, int row, int count);
  bool deleteTable(int table);
  // A .docx package (the template's main part retyped as a document),
  // written through a temporary file beside `path`.
  bool saveAs(const std::filesystem::path& path);

  int tableCount() const;
  int rowCount(int table) const;
  int shapeCount() const;
  int paragraphCount() const;
  const std::string& error() const { return error_; }
  // The main document's XML as it would be saved.
  std::string documentXml() const;

 private:
  struct Model;
  bool fail(std::string text);
  std::unique_ptr<Model> model_;
  std::string error_;
};

}  // namespace corvana
