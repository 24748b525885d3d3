#include "reports/export_sheet.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <utility>

#include "core/cell_text.h"
#include "core/job.h"
#include "core/job_manager.h"
#include "core/language_table.h"
#include "reports/condition_line.h"
#include "tests/core/job_fixtures.h"

namespace corvana {
namespace {

using testing::curveSample;
using testing::labSample;

// The cells by (row, column); a cell written twice fails the test.
std::map<std::pair<int, int>, SheetCell> byPlace(const std::vector<SheetCell>& cells) {
  std::map<std::pair<int, int>, SheetCell> out;
  for (const SheetCell& c : cells)
    EXPECT_TRUE(out.emplace(std::pair(c.row, c.column), c).second)
        << "cell " << c.row << "," << c.column << " written twice";
  return out;
}

// Rows that hold a cell in `column`, first and last.
std::pair<int, int> rowSpan(const std::vector<SheetCell>& cells, int column) {
  int first = 0, last = 0;
  for (const SheetCell& c : cells) {
    if (c.column != column) continue;
    if (!first || c.row < first) first = c.row;
    last = std::max(last, c.row);
  }
  return {first, last};
}

std::string printed(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

int cellsInColumn(const std::vector<SheetCell>& cells, int column) {
  int n = 0;
  for (const SheetCell& c : cells) n += c.column == column;
  return n;
}

class ExportSheet : public ::testing::Test {
 protected:
  void SetUp() override { LanguageIndex = English; }
  void TearDown() override { LanguageIndex = English; }
  JobManager manager;
  Job job{manager};
};

TEST_F(ExportSheet, LabJobWithoutSelectionExportsTheCurrentStandard) {
  job.addStandard(curveSample("first"), false);
  job.addStandard(curveSample("current", 5), true);
  job.addSample(curveSample("lot 1", 3), false);
  const std::vector<int> standards = exportedStandards(job, {});
  ASSERT_EQ(standards, std::vector<int>{1});
  const std::vector<SheetCell> cells = exportSheetCells(job, standards, std::vector<int>{0});
  const auto at = byPlace(cells);

  // Name, five values, 31 reflectances: rows 3 to 39 of column 2.
  EXPECT_EQ(rowSpan(cells, 2).first, 3);
  EXPECT_EQ(cellsInColumn(cells, 2), 37 + 1 + 5 + 6 + 31);  // and the sample's column
  EXPECT_EQ(at.at({3, 2}).text, "current");
  for (int v = 0; v < 5; ++v) {
    const SheetCell& c = at.at({4 + v, 2});
    EXPECT_EQ(c.text, valueCellText(job, RecordList::Standards, 1, v));
    EXPECT_TRUE(c.number);
    EXPECT_EQ(c.decimals, 3);
  }
  EXPECT_EQ(at.at({39, 2}).text, printed("%6.3f", job.standard(1).reflectance[30] * 100.0f));
  EXPECT_FALSE(at.count({40, 2}) || at.count({41, 2}));
  EXPECT_EQ(cellsInColumn(cells, 3), 0);

  // Header column: the title, the long labels, the wavelengths.
  EXPECT_EQ(at.at({3, 1}).text, "Standard");
  EXPECT_EQ(at.at({4, 1}).text, "L*");
  EXPECT_EQ(at.at({8, 1}).text, "h°");
  EXPECT_EQ(at.at({9, 1}).text, "400");
  EXPECT_TRUE(at.at({9, 1}).number);
  EXPECT_EQ(at.at({39, 1}).text, "700");
  EXPECT_EQ(standardHeaderRows(job), 37);

  // Two empty rows, then the sample block.
  EXPECT_FALSE(at.count({40, 1}) || at.count({41, 1}));
  EXPECT_EQ(at.at({42, 1}).text, "Sample");
  EXPECT_EQ(at.at({42, 2}).text, "lot 1");
  EXPECT_EQ(at.at({48, 1}).text, "ΔL*");
  EXPECT_EQ(at.at({48, 2}).text, differenceCellText(job, 0, 0));
  EXPECT_EQ(at.at({53, 1}).text, "ΔE*");
  EXPECT_EQ(at.at({54, 1}).text, "400");
  EXPECT_EQ(rowSpan(cells, 1).second, 84);
}

TEST_F(ExportSheet, HeaderRowsFollowTheColourSpace) {
  job.addStandard(curveSample("S"), true);
  job.addSample(curveSample("P", 2), false);
  const struct {
    ColorSpace space;
    int headerRows;
    int sampleRow;
  } cases[] = {{CieLab, 37, 42},
               {CieXyz, 37, 42},
               {CieRgb, 35, 40},
               {HunterLab, 35, 40},
               {Yellowness, 37, 42}};
  for (const auto& c : cases) {
    job.colorSpace = c.space;
    job.recomputeAll();
    const std::vector<SheetCell> cells =
        exportSheetCells(job, std::vector<int>{0}, std::vector<int>{0});
    const auto at = byPlace(cells);
    EXPECT_EQ(standardHeaderRows(job), c.headerRows) << c.space;
    EXPECT_EQ(rowSpan(cells, 2).first, 3) << c.space;
    EXPECT_EQ(at.at({2 + c.headerRows, 1}).text, "700") << c.space;
    EXPECT_EQ(at.at({c.sampleRow, 1}).text, "Sample") << c.space;
    EXPECT_EQ(at.at({c.sampleRow, 2}).text, "P") << c.space;
    EXPECT_FALSE(at.count({c.sampleRow - 1, 1}) || at.count({c.sampleRow - 2, 1})) << c.space;
  }
}

TEST_F(ExportSheet, HandEntryUnderAnotherObserverShowsDashesEverywhere) {
  job.observer = Observer10;
  job.addStandard(curveSample("S"), true);
  job.addSample(labSample("hand", 50, 10, 10, D65, Observer2), false);
  const std::vector<SheetCell> cells =
      exportSheetCells(job, std::vector<int>{0}, std::vector<int>{0});
  const auto at = byPlace(cells);
  ASSERT_EQ(at.at({42, 2}).text, "hand");
  // Five values, six differences, 31 reflectances.
  for (int row = 43; row <= 42 + 5 + 6 + 31; ++row) {
    const SheetCell& c = at.at({row, 2});
    EXPECT_EQ(c.text, "--") << row;
    EXPECT_FALSE(c.number) << row;
  }
  EXPECT_EQ(rowSpan(cells, 2).second, 42 + 5 + 6 + 31);
}

TEST_F(ExportSheet, ReflectancesKeepTheirLeadingBlanks) {
  MeasurementRecord r = curveSample("S");
  r.reflectance[0] = 0.055f;  // 5.5 %
  r.reflectance[1] = 0.5f;    // 50 %
  r.reflectance[2] = 1.0f;    // 100 %
  r.reflectance[3] = 0.0f;
  job.addStandard(r, true);
  const struct {
    int decimals;
    const char* texts[4];
  } cases[] = {{3, {" 5.500", "50.000", "100.000", " 0.000"}},
               {2, {"  5.50", " 50.00", "100.00", "  0.00"}},
               {0, {"     6", "    50", "   100", "     0"}}};
  for (const auto& c : cases) {
    job.DataAccuracy = std::uint8_t(c.decimals);
    const auto at = byPlace(exportSheetCells(job, std::vector<int>{0}, {}));
    for (int i = 0; i < 4; ++i) {
      const SheetCell& cell = at.at({9 + i, 2});
      EXPECT_EQ(cell.text, c.texts[i]) << c.decimals << " " << i;
      EXPECT_TRUE(cell.number);
      EXPECT_EQ(cell.width, 6);
      EXPECT_EQ(cell.decimals, c.decimals);
    }
  }
}

TEST_F(ExportSheet, RecordsInTheOrderGiven) {
  for (const char* name : {"S0", "S1", "S2"}) job.addStandard(curveSample(name), true);
  for (const char* name : {"P0", "P1", "P2", "P3"}) job.addSample(curveSample(name), false);
  const std::vector<int> standards{2, 0}, samples{3, 1, 2};
  const auto at = byPlace(exportSheetCells(job, standards, samples));
  EXPECT_EQ(at.at({3, 2}).text, "S2");
  EXPECT_EQ(at.at({3, 3}).text, "S0");
  EXPECT_FALSE(at.count({3, 4}));
  EXPECT_EQ(at.at({42, 2}).text, "P3");
  EXPECT_EQ(at.at({42, 3}).text, "P1");
  EXPECT_EQ(at.at({42, 4}).text, "P2");
  EXPECT_FALSE(at.count({42, 5}));
  // Positions outside the lists take no column.
  const std::vector<int> bad{-1, 7, 0};
  const auto skipped = byPlace(exportSheetCells(job, bad, bad));
  EXPECT_EQ(skipped.at({3, 2}).text, "S0");
  EXPECT_EQ(skipped.at({42, 2}).text, "P0");
  EXPECT_FALSE(skipped.count({3, 3}) || skipped.count({42, 3}));
}

TEST_F(ExportSheet, FallbacksWhenNothingIsSelected) {
  EXPECT_TRUE(exportedStandards(job, {}).empty());  // no standard at all
  job.addStandard(curveSample("S0"), false);
  job.addStandard(curveSample("S1"), false);
  job.selectStandard(0);
  EXPECT_EQ(exportedStandards(job, {}), std::vector<int>{0});
  EXPECT_EQ(exportedStandards(job, {1, 0}), (std::vector<int>{1, 0}));
  EXPECT_EQ(exportedSamples({}, {4, 2, 9}), (std::vector<int>{4, 2, 9}));
  EXPECT_EQ(exportedSamples({2}, {4, 2, 9}), std::vector<int>{2});
}

TEST_F(ExportSheet, WithoutAnEntryForThePrimaryIlluminantOnlyTheConditionLine) {
  job.addStandard(curveSample("S"), true);
  job.addSample(curveSample("P"), false);
  job.table.entries.clear();
  const std::vector<SheetCell> cells =
      exportSheetCells(job, std::vector<int>{0}, std::vector<int>{0});
  ASSERT_EQ(cells.size(), 1u);
  EXPECT_EQ(cells[0].row, 1);
  EXPECT_EQ(cells[0].column, 1);
  EXPECT_EQ(cells[0].text, testConditionLine(job));
  EXPECT_EQ(standardHeaderRows(job), 0);
}

TEST_F(ExportSheet, ConditionLineWithFactorsForFormulasOneToThree) {
  job.illuminants[0] = F11;
  job.observer = Observer10;
  job.setColorFormula(Cie94);
  const auto line = exportSheetCells(job, {}, {}).front();
  EXPECT_EQ(line.text,
            "Illuminant: F11  Observer Angle: 10°  Color Space: CIE LAB, LCh  "
            "Color Formula: CIE 94 KL: 1.00, KC: 1.00, KH: 1.00 ");
  EXPECT_FALSE(line.number);
  job.setColorFormula(Cie1976);
  EXPECT_EQ(testConditionLine(job),
            "Illuminant: F11  Observer Angle: 10°  Color Space: CIE LAB, LCh  "
            "Color Formula: CIE 1976  ");
  LanguageIndex = ChineseSimplified;
  EXPECT_EQ(testConditionLine(job).rfind("光源: F11  观察者角度: 10°  ", 0), 0u);
}

TEST_F(ExportSheet, DifferencesAsNumbersPercentagesOrGrades) {
  job.addStandard(curveSample("S"), true);
  job.addSample(curveSample("S"), false);
  job.DataAccuracy = 2;
  job.setColorFormula(ColorStrength);
  job.recomputeAll();
  // Lab with strength: 5 values, 8 differences; the last two are percentages.
  auto at = byPlace(exportSheetCells(job, std::vector<int>{0}, std::vector<int>{0}));
  const int first = 42 + 1 + 5;
  EXPECT_TRUE(at.at({first, 2}).number);
  EXPECT_FALSE(at.at({first, 2}).percent);
  for (const int row : {first + 6, first + 7}) {
    EXPECT_EQ(at.at({row, 2}).text, "100.00%");
    EXPECT_TRUE(at.at({row, 2}).number);
    EXPECT_TRUE(at.at({row, 2}).percent);
  }
  job.setColorFormula(ColorFastness);
  job.recomputeAll();
  at = byPlace(exportSheetCells(job, std::vector<int>{0}, std::vector<int>{0}));
  EXPECT_EQ(at.at({first + 7, 2}).text, "5");
  EXPECT_FALSE(at.at({first + 7, 2}).number);  // a grade, not a quantity
  EXPECT_TRUE(at.at({first + 6, 2}).number);
}

}  // namespace
}  // namespace corvana
