#include "reports/word_automation.h"

#include <gtest/gtest.h>
#include <tinyxml.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "reports/word/docx_package.h"
#include "tests/reports/docx_reading.h"

namespace corvana {
namespace {

namespace fs = std::filesystem;

constexpr const char* kTypes =
    R"(<?xml version="1.0" encoding="UTF-8"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"><Default Extension="xml" ContentType="application/xml"/><Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.template.main+xml"/></Types>)";

// Two tables to fill and split, a band paragraph 30 pt high below a table of
// two 20 pt rows; a shape "Box" fixed on the page and a shape "Band" 10 pt
// into the band paragraph.
constexpr const char* kDocument = R"(<?xml version="1.0" encoding="UTF-8"?>
<w:document xmlns:w="w" xmlns:wp="wp" xmlns:a="a" xmlns:wps="wps"><w:body>
<w:tbl><w:tblPr/><w:tblGrid><w:gridCol w:w="6000"/></w:tblGrid>
 <w:tr><w:trPr><w:trHeight w:val="400" w:hRule="exact"/></w:trPr><w:tc><w:tcPr><w:tcW w:w="6000" w:type="dxa"/></w:tcPr><w:p><w:r><w:rPr><w:b/></w:rPr><w:t>head</w:t></w:r></w:p></w:tc></w:tr>
 <w:tr><w:trPr><w:trHeight w:val="400" w:hRule="exact"/></w:trPr><w:tc><w:p/></w:tc></w:tr>
</w:tbl>
<w:tbl><w:tblPr/><w:tblGrid><w:gridCol w:w="1000"/><w:gridCol w:w="2000"/><w:gridCol w:w="3000"/></w:tblGrid>
 <w:tr><w:tc><w:p><w:r><w:t>a</w:t></w:r></w:p></w:tc><w:tc><w:p><w:r><w:t>b</w:t></w:r></w:p></w:tc><w:tc><w:p/></w:tc></w:tr>
 <w:tr><w:tc><w:p/></w:tc><w:tc><w:p/></w:tc><w:tc><w:p/></w:tc></w:tr>
</w:tbl>
<w:p><w:pPr><w:spacing w:before="0" w:after="0" w:line="600" w:lineRule="exact"/></w:pPr>
<w:r><w:drawing><wp:anchor relativeHeight="3"><wp:positionH relativeFrom="page"><wp:posOffset>1270000</wp:posOffset></wp:positionH><wp:positionV relativeFrom="page"><wp:posOffset>2540000</wp:posOffset></wp:positionV><wp:extent cx="635000" cy="762000"/><wp:docPr id="7" name="Box"/><a:graphic><a:graphicData><wps:wsp><wps:spPr><a:ln><a:solidFill><a:srgbClr val="000000"/></a:solidFill></a:ln></wps:spPr></wps:wsp></a:graphicData></a:graphic></wp:anchor></w:drawing></w:r>
<w:r><w:drawing><wp:anchor relativeHeight="4"><wp:positionH relativeFrom="page"><wp:posOffset>127000</wp:posOffset></wp:positionH><wp:positionV relativeFrom="paragraph"><wp:posOffset>127000</wp:posOffset></wp:positionV><wp:extent cx="254000" cy="254000"/><wp:docPr id="8" name="Band"/></wp:anchor></w:drawing></w:r>
</w:p>
<w:p><w:r><w:t>last</w:t></w:r></w:p>
<w:sectPr><w:pgMar w:top="720" w:left="850"/></w:sectPr>
</w:body></w:document>)";

class WordAutomationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("corvana-word-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
    fixture_ = dir_ / "Small.dotx";
    std::string error;
    ASSERT_TRUE(writePackage({{"[Content_Types].xml", kTypes}, {"word/document.xml", kDocument}},
                             fixture_, error))
        << error;
    ASSERT_TRUE(word_.open(fixture_)) << word_.error();
  }
  void TearDown() override { fs::remove_all(dir_); }

  // The saved package's main document, parsed.
  TiXmlElement* saved() {
    const fs::path out = dir_ / "out.docx";
    EXPECT_TRUE(word_.saveAs(out)) << word_.error();
    std::string error;
    auto parts = readPackage(out, error);
    EXPECT_TRUE(parts) << error;
    if (!parts) return nullptr;
    saved_.Parse(findPart(*parts, "word/document.xml")->bytes.c_str(), nullptr,
                 TIXML_ENCODING_UTF8);
    types_ = findPart(*parts, "[Content_Types].xml")->bytes;
    return saved_.RootElement()->FirstChildElement("w:body");
  }

  fs::path dir_, fixture_;
  WordAutomation word_;
  TiXmlDocument saved_;
  std::string types_;
};

std::vector<TiXmlElement*> all(TiXmlElement* root, std::string_view name) {
  return testing::descendants(root, name);
}

TiXmlElement* nth(TiXmlElement* parent, const char* name, int n) {
  TiXmlElement* e = parent ? parent->FirstChildElement(name) : nullptr;
  while (e && n-- > 0) e = e->NextSiblingElement(name);
  return e;
}

TiXmlElement* cell(TiXmlElement* body, int table, int row, int column) {
  return nth(nth(nth(body, "w:tbl", table - 1), "w:tr", row - 1), "w:tc", column - 1);
}

std::string text(TiXmlElement* e) {
  std::string s;
  for (TiXmlElement* t : all(e, "w:t"))
    if (t->GetText()) s += t->GetText();
  return s;
}

std::string attr(TiXmlElement* e, const char* name) {
  const char* v = e ? e->Attribute(name) : nullptr;
  return v ? v : "";
}

std::string childAttr(TiXmlElement* e, const char* child, const char* name) {
  auto found = all(e, child);
  return found.empty() ? "" : attr(found.front(), name);
}

TEST(WordAutomationOpen, FailsWithAReasonForWhatIsNoTemplate) {
  const fs::path dir =
      fs::temp_directory_path() / ("corvana-word-open-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::ofstream(dir / "text.dotx") << "not a zip";
  std::string error;
  ASSERT_TRUE(writePackage({{"[Content_Types].xml", kTypes}}, dir / "empty.dotx", error));
  ASSERT_TRUE(writePackage({{"[Content_Types].xml", kTypes}, {"word/document.xml", "<w:document"}},
                           dir / "broken.dotx", error));
  for (const char* name : {"missing.dotx", "text.dotx", "empty.dotx", "broken.dotx"}) {
    WordAutomation word;
    EXPECT_FALSE(word.open(dir / name)) << name;
    EXPECT_NE(word.error().find(name), std::string::npos) << word.error();
    EXPECT_FALSE(word.setCell(1, 1, 1, "x"));
    EXPECT_FALSE(word.saveAs(dir / "out.docx"));
  }
  EXPECT_FALSE(fs::exists(dir / "out.docx"));
  fs::remove_all(dir);
}

TEST_F(WordAutomationTest, SetCellReplacesTextKeepsRunFormatAndAligns) {
  ASSERT_TRUE(word_.setCell(1, 1, 1, "Title", WordAlignCenter | WordAlignMiddle));
  ASSERT_TRUE(word_.setCell(2, 1, 2, "two\nlines", WordAlignRight | WordAlignBottom));
  ASSERT_TRUE(word_.setCell(2, 2, 1, "kept", WordAlignKeep));
  EXPECT_FALSE(word_.setCell(2, 3, 1, "no row"));
  EXPECT_FALSE(word_.setCell(2, 1, 4, "no column"));
  EXPECT_FALSE(word_.setCell(9, 1, 1, "no table"));
  TiXmlElement* body = saved();
  TiXmlElement* title = cell(body, 1, 1, 1);
  EXPECT_EQ(text(title), "Title");
  EXPECT_EQ(all(title, "w:b").size(), 1u) << "the run keeps the template's bold";
  EXPECT_EQ(childAttr(title, "w:jc", "w:val"), "center");
  EXPECT_EQ(childAttr(title, "w:vAlign", "w:val"), "center");
  TiXmlElement* two = cell(body, 2, 1, 2);
  EXPECT_EQ(text(two), "twolines");
  EXPECT_EQ(all(two, "w:br").size(), 1u);
  EXPECT_EQ(childAttr(two, "w:jc", "w:val"), "right");
  EXPECT_EQ(childAttr(two, "w:vAlign", "w:val"), "bottom");
  EXPECT_TRUE(all(cell(body, 2, 2, 1), "w:jc").empty());
  // Texts keep their blanks: the signature line pads with spaces.
  EXPECT_EQ(attr(all(title, "w:t").front(), "xml:space"), "preserve");
}

TEST_F(WordAutomationTest, FillTableSplitsBothRowsAndAddsRows) {
  ReportTable model;
  model.rows = {{"Tolerance", "dL", "da"}, {"D65", "1", "2"}, {"A", "3", "4"}, {"F2", "5", "6"}};
  ASSERT_TRUE(word_.fillTable(1, model)) << word_.error();
  EXPECT_EQ(word_.rowCount(1), 4);
  TiXmlElement* body = saved();
  TiXmlElement* table = nth(body, "w:tbl", 0);
  EXPECT_EQ(all(table->FirstChildElement("w:tblGrid"), "w:gridCol").size(), 3u);
  for (int i = 0; i < 4; ++i) {
    TiXmlElement* row = nth(table, "w:tr", i);
    ASSERT_EQ(all(row, "w:tc").size(), 3u) << "row " << i;
    for (int j = 0; j < 3; ++j) EXPECT_EQ(text(nth(row, "w:tc", j)), model.rows[i][j]);
    EXPECT_TRUE(all(row, "w:gridSpan").empty());
  }
  // The header row keeps its bold run format, the inserted rows the second row's.
  EXPECT_FALSE(all(nth(table, "w:tr", 0), "w:b").empty());
  EXPECT_TRUE(all(nth(table, "w:tr", 3), "w:b").empty());
  // Widths: the 6000 twips shared out.
  EXPECT_EQ(childAttr(nth(nth(table, "w:tr", 2), "w:tc", 1), "w:tcW", "w:w"), "2000");
  ReportTable one;
  one.rows = {{"only"}};
  ASSERT_TRUE(word_.fillTable(2, one)) << "a one-row model leaves the second row empty";
  EXPECT_FALSE(word_.fillTable(3, model));
}

TEST_F(WordAutomationTest, FillTableGivesColumnsTheModelsProportions) {
  ReportTable model;
  model.rows = {{"No.", "Name", "dE"}, {"1", "Lot 1", "0.5"}};
  model.columnWidths = {1, 4, 1};
  ASSERT_TRUE(word_.fillTable(1, model));
  TiXmlElement* body = saved();
  std::vector<std::string> grid;
  for (TiXmlElement* g : all(nth(body, "w:tbl", 0), "w:gridCol")) grid.push_back(attr(g, "w:w"));
  EXPECT_EQ(grid, (std::vector<std::string>{"1000", "4000", "1000"}));
  EXPECT_EQ(childAttr(cell(body, 1, 2, 2), "w:tcW", "w:w"), "4000");
}

TEST_F(WordAutomationTest, SplitCellWidensTheGridAndSpansOtherRows) {
  ASSERT_TRUE(word_.splitCell(2, 1, 2, 1, 2));
  ASSERT_TRUE(word_.setCell(2, 1, 3, "new"));
  TiXmlElement* body = saved();
  TiXmlElement* table = nth(body, "w:tbl", 1);
  std::vector<std::string> grid;
  for (TiXmlElement* g : all(table, "w:gridCol")) grid.push_back(attr(g, "w:w"));
  EXPECT_EQ(grid, (std::vector<std::string>{"1000", "1000", "1000", "3000"}));
  EXPECT_EQ(all(nth(table, "w:tr", 0), "w:tc").size(), 4u);
  EXPECT_EQ(text(cell(body, 2, 1, 2)), "b") << "the split cell's text stays in its first part";
  EXPECT_EQ(text(cell(body, 2, 1, 3)), "new");
  EXPECT_EQ(childAttr(cell(body, 2, 2, 2), "w:gridSpan", "w:val"), "2");
  EXPECT_TRUE(all(cell(body, 2, 2, 1), "w:gridSpan").empty());
}

TEST_F(WordAutomationTest, SplitCellIntoRowsMergesTheRowsOtherCells) {
  ASSERT_TRUE(word_.splitCell(2, 1, 3, 2, 1));
  EXPECT_EQ(word_.rowCount(2), 3);
  TiXmlElement* body = saved();
  EXPECT_EQ(childAttr(cell(body, 2, 1, 1), "w:vMerge", "w:val"), "restart");
  TiXmlElement* below = cell(body, 2, 2, 1);
  ASSERT_FALSE(all(below, "w:vMerge").empty());
  EXPECT_EQ(childAttr(below, "w:vMerge", "w:val"), "") << "continues the merge";
  EXPECT_EQ(all(nth(nth(body, "w:tbl", 1), "w:tr", 1), "w:tc").size(), 3u);
  for (auto [rows, columns] : {std::pair{0, 1}, std::pair{1, 0}}) {
    WordAutomation word;
    ASSERT_TRUE(word.open(fixture_));
    EXPECT_FALSE(word.splitCell(2, 1, 1, rows, columns));
  }
}

TEST_F(WordAutomationTest, ShapeBoxesOnThePageByIndexAndName) {
  const auto box = word_.shapeBox(1);
  ASSERT_TRUE(box);
  EXPECT_DOUBLE_EQ(box->left, 100);
  EXPECT_DOUBLE_EQ(box->top, 200);
  EXPECT_DOUBLE_EQ(box->width, 50);
  EXPECT_DOUBLE_EQ(box->height, 60);
  // The band paragraph starts below the 36 pt margin, two 20 pt rows and
  // the second table's two rows of the estimated 10.8 pt each.
  const auto band = word_.shapeBox("Band");
  ASSERT_TRUE(band);
  EXPECT_DOUBLE_EQ(band->left, 10);
  EXPECT_NEAR(band->top, 36 + 40 + 2 * 10.8 + 10, 1e-9);
  EXPECT_FALSE(word_.shapeBox(3));
  EXPECT_FALSE(word_.shapeBox(0));
  EXPECT_FALSE(word_.shapeBox("None"));
  // Deleting a row moves the band up with the text; the page shape stays.
  ASSERT_TRUE(word_.deleteRow(1, 2));
  EXPECT_NEAR(word_.shapeBox(2)->top, band->top - 20, 1e-9);
  EXPECT_DOUBLE_EQ(word_.shapeBox(1)->top, 200);
}

TEST_F(WordAutomationTest, LinesAreShapesPlacedInPointsOnThePage) {
  ASSERT_TRUE(word_.addLine(100, 300, 40, 250, 0x00558000, 5, 2.8));
  ASSERT_TRUE(word_.addRectangle(10, 20, 30, 40, 0x000000FF));
  EXPECT_EQ(word_.shapeCount(), 2 + 1 + 4);
  const auto added = word_.shapeBox(3);
  ASSERT_TRUE(added);
  EXPECT_DOUBLE_EQ(added->left, 40);
  EXPECT_DOUBLE_EQ(added->top, 250);
  EXPECT_DOUBLE_EQ(added->width, 60) << "the weight is the line's, not the shape's width";
  EXPECT_FALSE(word_.addLine(0, 0, std::nan(""), 1, 0, 1, 1));
  TiXmlElement* body = saved();
  std::vector<TiXmlElement*> anchors = all(body, "wp:anchor");
  ASSERT_EQ(anchors.size(), 7u);
  TiXmlElement* line = anchors[2];
  EXPECT_EQ(all(line, "wp:posOffset")[0]->GetText(), std::string("508000"));   // 40 pt
  EXPECT_EQ(all(line, "wp:posOffset")[1]->GetText(), std::string("3175000"));  // 250 pt
  EXPECT_EQ(childAttr(line, "wp:positionV", "relativeFrom"), "page");
  EXPECT_EQ(childAttr(line, "wp:extent", "cx"), "762000");
  EXPECT_EQ(childAttr(line, "wp:extent", "cy"), "635000");
  EXPECT_EQ(childAttr(line, "a:xfrm", "flipH"), "") << "both ends reversed: no flip";
  EXPECT_EQ(childAttr(line, "a:ln", "w"), "35560");
  EXPECT_EQ(childAttr(line, "a:srgbClr", "val"), "008055");
  EXPECT_EQ(childAttr(line, "a:prstDash", "val"), "dashDot");
  EXPECT_EQ(childAttr(line, "a:prstGeom", "prst"), "line");
  // Rectangle: top, left, bottom, right, red, solid, 1 pt.
  const char* expected[][4] = {{"127000", "254000", "381000", "0"},
                               {"127000", "254000", "0", "508000"},
                               {"127000", "762000", "381000", "0"},
                               {"508000", "254000", "0", "508000"}};
  for (int i = 0; i < 4; ++i) {
    TiXmlElement* edge = anchors[3 + i];
    auto offsets = all(edge, "wp:posOffset");
    EXPECT_EQ(offsets[0]->GetText(), std::string(expected[i][0])) << i;
    EXPECT_EQ(offsets[1]->GetText(), std::string(expected[i][1])) << i;
    EXPECT_EQ(childAttr(edge, "wp:extent", "cx"), expected[i][2]) << i;
    EXPECT_EQ(childAttr(edge, "wp:extent", "cy"), expected[i][3]) << i;
    EXPECT_EQ(childAttr(edge, "a:srgbClr", "val"), "FF0000");
    EXPECT_EQ(childAttr(edge, "a:prstDash", "val"), "solid");
    EXPECT_EQ(childAttr(edge, "a:ln", "w"), "12700");
  }
  // Every drawing object keeps a unique id.
  std::vector<std::string> ids;
  for (TiXmlElement* d : all(body, "wp:docPr")) ids.push_back(attr(d, "id"));
  std::sort(ids.begin(), ids.end());
  EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
}

TEST_F(WordAutomationTest, SlantedLineFlipsItsBox) {
  ASSERT_TRUE(word_.addLine(0, 100, 50, 0, 0, 1, 1));
  TiXmlElement* body = saved();
  EXPECT_EQ(childAttr(all(body, "wp:anchor")[2], "a:xfrm", "flipH"), "1");
}

TEST_F(WordAutomationTest, OutlineColourOfATemplateShape) {
  ASSERT_TRUE(word_.setShapeOutline(1, 0x00FFFFFF));
  EXPECT_FALSE(word_.setShapeOutline(5, 0));
  TiXmlElement* body = saved();
  EXPECT_EQ(childAttr(all(body, "wp:anchor")[0], "a:srgbClr", "val"), "FFFFFF");
}

TEST_F(WordAutomationTest, TableFontReachesRunsAndLaterTexts) {
  ASSERT_TRUE(word_.setTableFont(2, "Microsoft YaHei"));
  ASSERT_TRUE(word_.setCell(2, 2, 3, "later"));
  EXPECT_FALSE(word_.setTableFont(7, "x"));
  TiXmlElement* body = saved();
  TiXmlElement* table = nth(body, "w:tbl", 1);
  for (TiXmlElement* r : all(table, "w:r"))
    EXPECT_EQ(childAttr(r, "w:rFonts", "w:eastAsia"), "Microsoft YaHei") << text(r);
  EXPECT_EQ(text(cell(body, 2, 2, 3)), "later");
  EXPECT_TRUE(all(nth(body, "w:tbl", 0), "w:rFonts").empty()) << "other tables keep theirs";
}

TEST_F(WordAutomationTest, ParagraphsFillInTurnAndAppendAtTheEnd) {
  const int paragraphs = word_.paragraphCount();
  const WordFont font{"SimSun", 12, 0x000000FF, true, true};
  EXPECT_EQ(word_.addParagraph(-1, "appended", font, WordAlignCenter), 0);
  EXPECT_EQ(word_.addParagraph(3, "", font, 0), 3) << "an empty text adds nothing";
  const int band = paragraphs - 1;  // the band paragraph, before "last"
  EXPECT_EQ(word_.addParagraph(band, "first", font, WordAlignRight), band + 1);
  EXPECT_EQ(word_.paragraphCount(), paragraphs + 2);
  EXPECT_EQ(word_.addParagraph(99, "none", font, 0), 99);
  TiXmlElement* body = saved();
  std::vector<TiXmlElement*> top = all(body, "w:p");
  TiXmlElement* appended = nth(body, "w:p", 3);
  ASSERT_TRUE(appended);
  EXPECT_EQ(text(appended), "appended");
  EXPECT_EQ(childAttr(appended, "w:jc", "w:val"), "center");
  EXPECT_EQ(childAttr(appended, "w:sz", "w:val"), "24");
  EXPECT_EQ(childAttr(appended, "w:color", "w:val"), "FF0000");
  EXPECT_EQ(childAttr(appended, "w:u", "w:val"), "single");
  EXPECT_EQ(childAttr(appended, "w:b", "w:val"), "1");
  EXPECT_EQ(childAttr(appended, "w:rFonts", "w:ascii"), "SimSun");
  EXPECT_EQ(text(nth(body, "w:p", 0)), "first");
  EXPECT_EQ(text(nth(body, "w:p", 1)), "") << "an empty paragraph follows for the next call";
  EXPECT_EQ(text(nth(body, "w:p", 2)), "last");
  EXPECT_EQ(nth(body, "w:p", 3)->NextSiblingElement()->Value(), std::string("w:sectPr"));
}

TEST_F(WordAutomationTest, SavedPackageIsADocumentWrittenWhole) {
  ASSERT_TRUE(word_.deleteTable(1));
  EXPECT_EQ(word_.tableCount(), 1);
  TiXmlElement* body = saved();
  ASSERT_TRUE(body);
  EXPECT_NE(types_.find("wordprocessingml.document.main+xml"), std::string::npos);
  EXPECT_EQ(types_.find("template.main"), std::string::npos);
  for (const auto& entry : fs::directory_iterator(dir_))
    EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
  // A folder that does not exist: a reason naming the file, and no file.
  const fs::path nowhere = dir_ / "no such folder" / "r.docx";
  EXPECT_FALSE(word_.saveAs(nowhere));
  EXPECT_NE(word_.error().find("r.docx"), std::string::npos) << word_.error();
  EXPECT_FALSE(fs::exists(nowhere));
}

TEST(WordColour, BgrValuesBecomeRgbHex) {
  EXPECT_EQ(colorHex(0x00558000), "008055");
  EXPECT_EQ(colorHex(0x000000FF), "FF0000");
  EXPECT_EQ(colorHex(0x00FF0000), "0000FF");
  EXPECT_EQ(colorHex(0x0000FFFF), "FFFF00");
}

}  // namespace
}  // namespace corvana
