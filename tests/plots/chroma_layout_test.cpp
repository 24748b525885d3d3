#include "plots/chroma_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/job.h"
#include "core/job_manager.h"

namespace corvana {
namespace {

// Text widths as advance × weight × point size, so the table font size
// shows in the column widths.
TextMeasure measureOf(double advance) {
  return [advance](std::string_view text, FontRole font, int points) {
    EXPECT_EQ(font, FontRole::Table);
    return advance * textWeight(text) * points;
  };
}

TEST(ChromaLayout, TextWeightCountsCjkAsOnePointEightFive) {
  struct Case {
    const char* text;
    double weight;
  } cases[] = {
      {"", 0},
      {"abc", 3},
      {"\xCE\x94L*", 3},                  // ΔL*: Greek is not CJK
      {"\xE6\xA0\x87\xE6\xA0\xB7", 3.7},  // 标样
      {"a\xE6\xA0\x87", 2.85},            // a标
      {"\xE4\xB8\x80", 1.85},             // U+4E00, first of the range
      {"\xE9\xBE\xBF", 1.85},             // U+9FBF, last of the range
      {"\xE9\xBF\x80", 1.0},              // U+9FC0, just past it
      {"\xE3\x80\x80", 1.0},              // U+3000 ideographic space
      {"\xF0\x9F\x98\x80", 1.0},          // one character outside the BMP
  };
  for (const Case& c : cases) EXPECT_NEAR(textWeight(c.text), c.weight, 1e-9) << c.text;
}

TEST(ChromaLayout, FontSizesTruncate) {
  EXPECT_EQ(fontPointSize(FontRole::Table, 19.99f), 14);          // 14.39
  EXPECT_EQ(fontPointSize(FontRole::PlotLabel, 19.99f), 14);      // 14.99
  EXPECT_EQ(fontPointSize(FontRole::GridLabel, 20.0f), 10);       // 10.6
  EXPECT_EQ(fontPointSize(FontRole::WavelengthLabel, 20.0f), 8);  // 8.2
}

PlotCells cellsWithColumns(const std::vector<std::vector<std::string>>& columns) {
  PlotCells cells;
  for (std::size_t c = 0; c < columns.size(); ++c)
    for (std::size_t r = 0; r < columns[c].size(); ++r)
      cells[std::size_t(cellIndex(int(r), int(c)))].text = columns[c][r];
  return cells;
}

struct LayoutCase {
  const char* what;
  ChromaLayoutInput input;
  double advance;
  float F;
  int plotSide, barWidth;
  std::vector<int> widths;
};

// Row 0 holds the heaviest texts, 10, 5 and 7 characters (d = 22); the shorter texts of each
// column do not count.
TEST(ChromaLayout, OneGroupFromTheFormulas) {
  const PlotCells cells =
      cellsWithColumns({{"abcdefghij", "abc", ""}, {"12345", "1"}, {"1234567", "12", "123456"}});
  const LayoutCase cases[] = {
      // hf = 600/19.2 = 31.25; side = min(416, 510); wf = 584/30.5 = 19.14754;
      // bar (int)114.885; table font 13 pt; widths 65+14.36, 32.5+14.36,
      // 45.5+14.36 = 79, 46, 59; spare 1000-(416+184+114+50) = 236 gives
      // +78 each and F = 19.14754 + 236/22 = 29.87481.
      {"width limits F, spare spread",
       {1000, 600, 3, 15, true},
       0.5,
       29.874813f,
       416,
       114,
       {157, 124, 137}},
      // hf = 300/19.2 = 15.625 < wf; side = min(833, 255) then H - 5.1F = 220.3;
      // bar (int)93.75; 11 pt: 55+11.72, 27.5+11.72, 38.5+11.72.
      {"height limits F", {2000, 300, 3, 15, true}, 0.5, 15.625f, 220, 93, {66, 39, 50}},
      // No plot: wf = 400/24.1 + 22/38 = 17.17646; 12 pt; widths 120, 60 and 84
      // plus 12.88; spare 400-(300+50) = 50 is not above 50: nothing changes.
      {"spare of exactly 50 left alone",
       {400, 1000, 3, 15, false},
       1.0,
       17.176457f,
       0,
       0,
       {132, 72, 96}},
  };
  for (const LayoutCase& c : cases) {
    const ChromaLayout layout = layoutCells(cells, c.input, measureOf(c.advance));
    EXPECT_NEAR(layout.F, c.F, 1e-4) << c.what;
    EXPECT_EQ(layout.plotSide, c.plotSide) << c.what;
    EXPECT_EQ(layout.barWidth, c.barWidth) << c.what;
    for (std::size_t i = 0; i < c.widths.size(); ++i)
      EXPECT_EQ(layout.columnWidths[i], c.widths[i]) << c.what << " column " << i;
    for (std::size_t i = c.widths.size(); i < kPlotColumns; ++i)
      EXPECT_EQ(layout.columnWidths[i], 0) << c.what << " unused column " << i;
  }
}

// d is the heaviest row (12 + 3 = 15 here), not the sum of the columns'
// heaviest texts (24). No plot, measure 0: wf = 600/17.1 + 15/38 = 35.48246;
// widths (int)(0.75 wf) = 26; spare 600 - (78 + 50) = 472 adds 157 each and
// 472/15 to F.
TEST(ChromaLayout, DIsTheHeaviestRow) {
  const PlotCells cells =
      cellsWithColumns({{"abcdefghij", "a"}, {"1", "1234567890123"}, {"1", "1"}});
  const ChromaLayout layout = layoutCells(cells, {600, 10000, 3, 15, false}, measureOf(0));
  EXPECT_NEAR(layout.F, 600 / 17.1 + 15 / 38.0 + 472 / 15.0, 1e-4);
  for (int c = 0; c < 3; ++c) EXPECT_EQ(layout.columnWidths[std::size_t(c)], 183) << c;
}

// The longest text of a column is measured, whichever row holds it.
TEST(ChromaLayout, EachColumnMeasuresItsHeaviestText) {
  const PlotCells cells = cellsWithColumns({{"ab", "abcdef", "abc"}, {"x"}, {"y"}});
  std::vector<std::string> measured;
  const TextMeasure record = [&](std::string_view text, FontRole, int) {
    measured.emplace_back(text);
    return 0.0;
  };
  layoutCells(cells, {600, 10000, 3, 15, false}, record);
  EXPECT_EQ(measured, (std::vector<std::string>{"abcdef", "x", "y"}));
}

// Two groups: six columns of five characters (d = 30), width unit
// W / (0.7 n + d) + d / 38 = 1000/34.2 + 30/38 = 30.02924; 21 pt gives
// widths 52.5 + 22.52 = 75; spare 1000 - (450 + 50) = 500 adds 83 each; F
// would grow by 500/30 but stops at hf = 31.25.
TEST(ChromaLayout, TwoGroupsHaveNoPlotAndUseTheWidthUnit) {
  const PlotCells cells =
      cellsWithColumns({{"abcde"}, {"abcde"}, {"abcde"}, {"abcde"}, {"abcde"}, {"abcde"}});
  const ChromaLayout layout = layoutCells(cells, {1000, 600, 6, 15, false}, measureOf(0.5));
  EXPECT_EQ(layout.plotSide, 0);
  EXPECT_EQ(layout.barWidth, 0);
  EXPECT_NEAR(layout.F, 31.25f, 1e-4);
  for (int c = 0; c < 6; ++c) EXPECT_EQ(layout.columnWidths[std::size_t(c)], 158) << c;

  // A low window: hf = 500 / 19.2 decides and the widths stay as measured,
  // 18 pt: 45 + 19.53.
  const ChromaLayout low = layoutCells(cells, {1000, 500, 6, 15, false}, measureOf(0.5));
  EXPECT_NEAR(low.F, 500 / 19.2, 1e-4);
  for (int c = 0; c < 6; ++c) EXPECT_EQ(low.columnWidths[std::size_t(c)], 64) << c;
}

// The same table in Chinese weighs more per character and so gets a smaller
// line height when the width decides.
TEST(ChromaLayout, CjkLabelsGiveASmallerUnit) {
  const PlotCells english = cellsWithColumns({{"Judge"}, {"12.345"}, {"12.345"}});
  const PlotCells chinese = cellsWithColumns({{"\xE5\x88\xA4\xE5\xAE\x9A\xE7\xBB\x93\xE6\x9E\x9C"},
                                              {"12.345"},
                                              {"12.345"}});  // 判定结果: 4 × 1.85
  const ChromaLayoutInput input{800, 2000, 3, 15, true};
  const ChromaLayout en = layoutCells(english, input, measureOf(0));
  const ChromaLayout zh = layoutCells(chinese, input, measureOf(0));
  // side = min(333, 1700); wf = 467 / (d + 8.5) with d = 17 and 19.4; the
  // spare rule then adds spare/d, which differs the same way.
  const double wfEn = 467.0 / 25.5, wfZh = 467.0 / 27.9;
  const double spareEn = 800 - (333 + 3 * int(0.75 * wfEn) + int(6 * wfEn) + 50);
  const double spareZh = 800 - (333 + 3 * int(0.75 * wfZh) + int(6 * wfZh) + 50);
  EXPECT_NEAR(en.F, wfEn + spareEn / 17, 1e-3);
  EXPECT_NEAR(zh.F, wfZh + spareZh / 19.4, 1e-3);
  EXPECT_LT(zh.F, en.F);
}

TEST(ChromaLayout, PlotModeOnlyForOneGroupOutsideRgb) {
  JobManager manager;
  Job job(manager);
  struct Case {
    ColorSpace space;
    int groups;
    bool plot;
    int columns;
    int rows;  // C + D + 5, plus the colour direction for L*a*b*-based spaces
  } cases[] = {
      {CieLab, 0, true, 3, 5 + 6 + 5 + 1}, {CieLab, 1, false, 6, 17},
      {CieLab, 2, false, 9, 17},           {CieRgb, 0, false, 3, 3 + 4 + 5},
      {CieXyz, 0, true, 3, 5 + 6 + 5},     {HunterLab, 0, true, 3, 3 + 4 + 5},
  };
  for (const Case& c : cases) {
    job.colorSpace = c.space;
    job.recomputeAll();
    const ChromaLayoutInput input = layoutInputFor(job, c.groups, 640, 480);
    EXPECT_EQ(input.plotMode, c.plot) << c.space << "/" << c.groups;
    EXPECT_EQ(input.columns, c.columns) << c.space << "/" << c.groups;
    EXPECT_EQ(input.rows, c.rows) << c.space << "/" << c.groups;
    EXPECT_EQ(input.width, 640);
    EXPECT_EQ(input.height, 480);
  }
}

}  // namespace
}  // namespace corvana
