// The workbook written for real and read back: by its own XML parts, and by
// LibreOffice as a user's spreadsheet program would.
#include "reports/xlsx_export.h"

#include <gtest/gtest.h>
#include <tinyxml.h>
#include <zip.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "core/job.h"
#include "core/job_manager.h"
#include "core/language_table.h"
#include "reports/export_sheet.h"
#include "tests/core/job_fixtures.h"

namespace corvana {
namespace {

namespace fs = std::filesystem;

struct TempFolder {
  fs::path path;
  TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "xlsx-test-XXXXXX").string();
    path = ::mkdtemp(pattern.data());
  }
  ~TempFolder() {
    std::error_code ec;
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path, ec);
  }
};

std::string member(const fs::path& xlsx, const char* name) {
  int error = 0;
  zip_t* archive = zip_open(xlsx.c_str(), ZIP_RDONLY, &error);
  if (!archive) return {};
  std::string out;
  zip_stat_t stat;
  if (zip_stat(archive, name, 0, &stat) == 0) {
    if (zip_file_t* file = zip_fopen(archive, name, 0)) {
      out.resize(std::size_t(stat.size));
      zip_fread(file, out.data(), stat.size);
      zip_fclose(file);
    }
  }
  zip_close(archive);
  return out;
}

// A cell of sheet1.xml: its type attribute, its style and its value (the
// text itself for a string cell, shared or inline).
struct XmlCell {
  std::string type;
  int style = 0;
  std::string value;
};

// "B12" -> (12, 2)
std::pair<int, int> place(const std::string& reference) {
  int column = 0;
  std::size_t i = 0;
  while (i < reference.size() && std::isalpha(static_cast<unsigned char>(reference[i])))
    column = column * 26 + (reference[i++] - 'A' + 1);
  return {std::atoi(reference.c_str() + i), column};
}

struct Workbook {
  std::map<std::pair<int, int>, XmlCell> cells;
  std::vector<std::string> formats;  // number format code of each cell style
};

Workbook readWorkbook(const fs::path& xlsx) {
  Workbook book;
  TiXmlBase::SetCondenseWhiteSpace(false);  // the cells' blanks are the point
  TiXmlDocument strings, sheet, styles;
  strings.Parse(member(xlsx, "xl/sharedStrings.xml").c_str());
  sheet.Parse(member(xlsx, "xl/worksheets/sheet1.xml").c_str());
  styles.Parse(member(xlsx, "xl/styles.xml").c_str());
  EXPECT_FALSE(sheet.Error()) << sheet.ErrorDesc();
  std::vector<std::string> shared;
  if (const TiXmlElement* sst = strings.RootElement())
    for (const TiXmlElement* si = sst->FirstChildElement("si"); si;
         si = si->NextSiblingElement("si")) {
      const TiXmlElement* t = si->FirstChildElement("t");
      shared.push_back(t && t->GetText() ? t->GetText() : "");
    }
  std::map<int, std::string> codes = {{0, "General"}, {1, "0"}, {2, "0.00"}, {10, "0.00%"}};
  if (const TiXmlElement* root = styles.RootElement()) {
    if (const TiXmlElement* numFmts = root->FirstChildElement("numFmts"))
      for (const TiXmlElement* f = numFmts->FirstChildElement("numFmt"); f;
           f = f->NextSiblingElement("numFmt")) {
        int id = 0;
        f->QueryIntAttribute("numFmtId", &id);
        codes[id] = f->Attribute("formatCode") ? f->Attribute("formatCode") : "";
      }
    if (const TiXmlElement* xfs = root->FirstChildElement("cellXfs"))
      for (const TiXmlElement* xf = xfs->FirstChildElement("xf"); xf;
           xf = xf->NextSiblingElement("xf")) {
        int id = 0;
        xf->QueryIntAttribute("numFmtId", &id);
        book.formats.push_back(codes[id]);
      }
  }
  const TiXmlElement* data =
      sheet.RootElement() ? sheet.RootElement()->FirstChildElement("sheetData") : nullptr;
  for (const TiXmlElement* row = data ? data->FirstChildElement("row") : nullptr; row;
       row = row->NextSiblingElement("row"))
    for (const TiXmlElement* c = row->FirstChildElement("c"); c; c = c->NextSiblingElement("c")) {
      XmlCell cell;
      cell.type = c->Attribute("t") ? c->Attribute("t") : "";
      c->QueryIntAttribute("s", &cell.style);
      const TiXmlElement* v = c->FirstChildElement("v");
      cell.value = v && v->GetText() ? v->GetText() : "";
      if (cell.type == "s") cell.value = shared.at(std::size_t(std::atoi(cell.value.c_str())));
      if (const TiXmlElement* is = c->FirstChildElement("is")) {
        const TiXmlElement* t = is->FirstChildElement("t");
        cell.value = t && t->GetText() ? t->GetText() : "";
      }
      book.cells[place(c->Attribute("r"))] = cell;
    }
  return book;
}

std::vector<SheetCell> chosenCells() {
  return {
      {1, 1, "Illuminant: D65  Observer Angle: 10°  "},
      {3, 1, "Standard"},
      {3, 2, "标样 A & <B>"},
      {4, 2, "52.125", true, 3},
      {5, 2, "-1.500", true, 3},
      {6, 2, "--"},
      {9, 1, "400", true, 0},
      {9, 2, " 5.500", true, 3, 6},
      {10, 2, "100.000", true, 3, 6},
      {11, 2, "  5.50", true, 2, 6},
      {12, 2, " -1.50", true, 2, 6},
      {13, 2, "12.34%", true, 2, 0, true},
      {14, 2, "4-5"},
      {15, 2, "--%", true, 2, 0, true},
  };
}

TEST(XlsxExport, NumbersAreNumbersAndTextsAreStrings) {
  TempFolder folder;
  const fs::path file = folder.path / "Export Data.xlsx";
  ASSERT_EQ(writeXlsx(file, chosenCells()), std::nullopt);
  const Workbook book = readWorkbook(file);
  const struct {
    int row, column;
    const char* type;
    const char* value;
    const char* format;  // of a number
  } cases[] = {
      {1, 1, "inlineStr", "Illuminant: D65  Observer Angle: 10°  ", nullptr},
      {3, 1, "inlineStr", "Standard", nullptr},
      {3, 2, "inlineStr", "标样 A & <B>", nullptr},
      {4, 2, "", "52.125", "0.000"},
      {5, 2, "", "-1.5", "0.000"},
      {6, 2, "inlineStr", "--", nullptr},
      {9, 1, "", "400", "0"},
      {9, 2, "", "5.5", "?0.000"},
      {10, 2, "", "100", "?0.000"},
      {11, 2, "", "5.5", "??0.00"},
      {12, 2, "", "-1.5", "??0.00;\" -\"0.00"},
      {13, 2, "", "0.1234", "0.00%"},
      {14, 2, "inlineStr", "4-5", nullptr},
      {15, 2, "inlineStr", "--%", nullptr},
  };
  for (const auto& c : cases) {
    const auto it = book.cells.find({c.row, c.column});
    ASSERT_NE(it, book.cells.end()) << c.row << "," << c.column;
    EXPECT_EQ(it->second.type, c.type) << c.row << "," << c.column;
    if (c.format) {
      EXPECT_DOUBLE_EQ(std::strtod(it->second.value.c_str(), nullptr),
                       std::strtod(c.value, nullptr))
          << c.row;
      ASSERT_LT(std::size_t(it->second.style), book.formats.size());
      EXPECT_EQ(book.formats[std::size_t(it->second.style)], c.format) << c.row;
    } else {
      EXPECT_EQ(it->second.value, c.value) << c.row;
    }
  }
  EXPECT_EQ(book.cells.size(), std::size(cases));
}

TEST(XlsxExport, LibreOfficeShowsTheTextsAsFormatted) {
  if (std::system("command -v soffice > /dev/null 2>&1") != 0)
    GTEST_SKIP() << "soffice is not installed";
  TempFolder folder;
  LanguageIndex = English;
  JobManager manager;
  Job job(manager);
  MeasurementRecord standard = testing::curveSample("标样 A");
  standard.reflectance[0] = 0.055f;
  job.addStandard(standard, true);
  job.addSample(testing::curveSample("lot, \"2\"", 4), false);
  job.addSample(testing::labSample("hand", 50, 10, 10, D65, Observer2), false);
  const std::vector<int> standards{0}, samples{1, 0};
  const std::vector<SheetCell> cells = exportSheetCells(job, standards, samples);
  const fs::path file = folder.path / "sheet.xlsx";
  ASSERT_EQ(writeXlsx(file, cells), std::nullopt);

  const std::string command = "cd '" + folder.path.string() +
                              "' && soffice -env:UserInstallation=file://" + folder.path.string() +
                              // UTF-8, cells as shown (the last option)
                              "/profile --headless --convert-to "
                              "'csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true' " +
                              "--outdir '" + folder.path.string() + "/csv' sheet.xlsx > log 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0);
  std::ifstream csv(folder.path / "csv" / "sheet.csv");
  ASSERT_TRUE(csv.good());
  // Rows of comma-separated fields, quotes as LibreOffice writes them.
  std::vector<std::vector<std::string>> rows;
  for (std::string line; std::getline(csv, line);) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
      const char ch = line[i];
      if (ch == '"') {
        if (quoted && i + 1 < line.size() && line[i + 1] == '"')
          fields.back() += '"', ++i;
        else
          quoted = !quoted;
      } else if (ch == ',' && !quoted) {
        fields.emplace_back();
      } else {
        fields.back() += ch;
      }
    }
    rows.push_back(fields);
  }
  const auto field = [&](int row, int column) {
    const auto& r = rows.at(std::size_t(row - 1));
    return std::size_t(column - 1) < r.size() ? r[std::size_t(column - 1)] : std::string();
  };
  // Every cell of the sheet reads as its text.
  for (const SheetCell& c : cells)
    EXPECT_EQ(field(c.row, c.column), c.text) << c.row << "," << c.column;
  EXPECT_EQ(field(3, 2), "标样 A");
  EXPECT_EQ(field(9, 2), " 5.500");
  EXPECT_EQ(field(42, 2), "hand");
  EXPECT_EQ(field(43, 2), "--");
  EXPECT_EQ(field(42, 3), "lot, \"2\"");
}

TEST(XlsxExport, AFolderThatCannotBeWrittenIsReportedAndLeavesNoFile) {
  TempFolder folder;
  std::ofstream(folder.path / "plain file") << "x";
  const fs::path underFile = folder.path / "plain file" / "Export Data.xlsx";
  const std::optional<std::string> error = writeXlsx(underFile, chosenCells());
  ASSERT_TRUE(error.has_value());
  EXPECT_NE(error->find((folder.path / "plain file").string()), std::string::npos) << *error;
  EXPECT_NE(error->find("Not a directory"), std::string::npos) << *error;

  const fs::path locked = folder.path / "locked";
  fs::create_directory(locked);
  fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
  if (::geteuid() != 0) {
    const std::optional<std::string> denied = writeXlsx(locked / "a.xlsx", chosenCells());
    ASSERT_TRUE(denied.has_value());
    EXPECT_NE(denied->find(locked.string()), std::string::npos) << *denied;
    EXPECT_NE(denied->find("Permission denied"), std::string::npos) << *denied;
    EXPECT_TRUE(fs::is_empty(locked));
  }
  // An existing file under the name stays whole when the new one cannot be made.
  const fs::path kept = folder.path / "kept.xlsx";
  std::ofstream(kept) << "old";
  std::vector<SheetCell> tooWide = chosenCells();
  tooWide.push_back({1, 16385, "x"});
  const std::optional<std::string> wide = writeXlsx(kept, tooWide);
  ASSERT_TRUE(wide.has_value());
  EXPECT_NE(wide->find("16385"), std::string::npos) << *wide;
  std::ifstream in(kept);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(), "old");
  for (const auto& entry : fs::directory_iterator(folder.path))
    EXPECT_TRUE(entry.path().filename() == "kept.xlsx" || entry.path().filename() == "plain file" ||
                entry.path().filename() == "locked")
        << entry.path();
}

}  // namespace
}  // namespace corvana
