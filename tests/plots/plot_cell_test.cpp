#include "plots/plot_cell.h"

#include <gtest/gtest.h>

#include "core/color_direction_text.h"
#include "core/job.h"
#include "core/job_manager.h"
#include "plots/chroma_colors.h"
#include "tests/core/job_fixtures.h"

namespace corvana {
namespace {

using testing::curveSample;
using testing::labSample;

constexpr std::uint32_t kStandardSwatch = 0xFF112233, kSampleSwatch = 0xFF445566;

// A CIE LAB / CIE 1976 job (C = 5, D = 6) with a current standard and sample
// whose table values are set to numbers that show where each cell comes from:
// slot s holds standard value k = 10 s + k + 10, sample value 10 s + k + 30,
// difference k = 0.1 (k + 1) + s.
struct CellJob : ::testing::Test {
  JobManager manager;
  Job job{manager};
  PlotCells cells;

  void SetUp() override {
    job.addStandard(curveSample("Std"), true);
    job.addSample(curveSample("Other", 30), false);
    job.addSample(curveSample("Smp", 12), true);
    job.DataAccuracy = 2;
    for (int s = 0; s < 3; ++s) {
      IlluminantColorValues& e = job.table.entries[std::size_t(s)];
      for (int k = 0; k < 5; ++k) {
        e.standardValues[std::size_t(k)][0] = float(10 * s + k + 10);
        e.sampleValues[std::size_t(k)][1] = float(10 * s + k + 30);
      }
      for (int k = 0; k < 6; ++k) e.sampleDifferences[std::size_t(k)][1] = 0.1f * (k + 1) + s;
      e.standardColors[0] = kStandardSwatch;
      e.sampleColors[1] = kSampleSwatch;
    }
  }
  const PlotCell& at(int row, int column) const {
    return cells[std::size_t(cellIndex(row, column))];
  }
  void expectEmpty(int row, int column) const {
    EXPECT_EQ(at(row, column).text, "") << "row " << row << " column " << column;
    EXPECT_EQ(at(row, column).kind, TextCell) << "row " << row << " column " << column;
  }
};

TEST_F(CellJob, OneGroupRowsTopToBottom) {
  ASSERT_TRUE(buildCells(job, 0, cells));
  const char* valueLabels[] = {"L*", "a*", "b*", "C*", "h\xC2\xB0"};
  const char* standardValues[] = {"10.00", "11.00", "12.00", "13.00", "14.00"};
  const char* sampleValues[] = {"30.00", "31.00", "32.00", "33.00", "34.00"};
  for (int r = 0; r < 5; ++r) {
    EXPECT_EQ(at(r, 0).text, valueLabels[r]);
    EXPECT_EQ(at(r, 0).color, chroma::kBlack);
    EXPECT_EQ(at(r, 1).text, standardValues[r]);
    EXPECT_EQ(at(r, 1).color, chroma::kStandardGreen);
    EXPECT_EQ(at(r, 2).text, sampleValues[r]);
    EXPECT_EQ(at(r, 2).color, chroma::kSampleBlue);
  }
  for (int c = 0; c < 3; ++c) expectEmpty(5, c);
  const char* differenceLabels[] = {"\xCE\x94L*",
                                    "\xCE\x94"
                                    "a*",
                                    "\xCE\x94"
                                    "b*",
                                    "\xCE\x94"
                                    "C*",
                                    "\xCE\x94H*",
                                    "\xCE\x94"
                                    "E*"};
  const char* differences[] = {"0.10", "0.20", "0.30", "0.40", "0.50", "0.60"};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(at(6 + i, 0).text, differenceLabels[i]);
    EXPECT_EQ(at(6 + i, 0).color, chroma::kDifferenceMagenta);
    expectEmpty(6 + i, 1);
    EXPECT_EQ(at(6 + i, 2).text, differences[i]);
    EXPECT_EQ(at(6 + i, 2).color, chroma::kDifferenceMagenta);
  }
  for (int c = 0; c < 3; ++c) expectEmpty(12, c);
  EXPECT_EQ(at(13, 0).text, "Judge Result");
  EXPECT_EQ(at(13, 2).text, "Level 1");  // ΔE 0.6 within 0.75 of the default 1.0
  EXPECT_EQ(at(13, 2).color, chroma::kDifferenceMagenta);
  EXPECT_EQ(at(14, 0).text, "Color Simulation");
  expectEmpty(15, 0);
  for (int r = 14; r < 16; ++r) {
    EXPECT_EQ(at(r, 1).kind, FilledCell);
    EXPECT_EQ(at(r, 1).color, kStandardSwatch);
    EXPECT_EQ(at(r, 2).kind, FilledCell);
    EXPECT_EQ(at(r, 2).color, kSampleSwatch);
  }
  // The direction row: standard a*, b* are values 1 and 2; ΔL*, Δa*, Δb* differences 0 to 2.
  EXPECT_EQ(at(16, 2).text, colorDirectionText(0.1f, 0.2f, 0.3f, 11.0f, 12.0f));
  EXPECT_FALSE(at(16, 2).text.empty());
  EXPECT_EQ(at(16, 2).color, chroma::kSampleBlue);
  expectEmpty(16, 0);
  EXPECT_EQ(groupRowCount(job), 17);
  for (int r = 17; r < kPlotRows; ++r)
    for (int c = 0; c < kPlotColumns; ++c) expectEmpty(r, c);
  for (int r = 0; r < kPlotRows; ++r)
    for (int c = 3; c < kPlotColumns; ++c) expectEmpty(r, c);
}

TEST_F(CellJob, FurtherGroupsReadTheirOwnSlots) {
  struct Case {
    int groups;
    bool second, third;
  } cases[] = {{0, false, false}, {1, true, false}, {2, true, true}, {7, true, true}};
  for (const Case& c : cases) {
    cells = {};
    ASSERT_TRUE(buildCells(job, c.groups, cells));
    EXPECT_EQ(at(0, 3).text, c.second ? "L*" : "") << c.groups;
    EXPECT_EQ(at(0, 4).text, c.second ? "20.00" : "") << c.groups;
    EXPECT_EQ(at(1, 5).text, c.second ? "41.00" : "") << c.groups;
    EXPECT_EQ(at(11, 5).text, c.second ? "1.60" : "") << c.groups;
    EXPECT_EQ(at(2, 7).text, c.third ? "32.00" : "") << c.groups;
    EXPECT_EQ(at(6, 8).text, c.third ? "2.10" : "") << c.groups;
    EXPECT_EQ(at(14, 7).kind, c.third ? FilledCell : TextCell) << c.groups;
    for (int r = 0; r < kPlotRows; ++r) expectEmpty(r, 9);
  }
}

TEST_F(CellJob, WithoutCurrentSampleTheSampleColumnStaysEmpty) {
  job.currentSample = -1;
  ASSERT_TRUE(buildCells(job, 0, cells));
  for (int r = 0; r < kPlotRows; ++r) expectEmpty(r, 2);
  EXPECT_EQ(at(0, 1).text, "10.00");
  EXPECT_EQ(at(13, 0).text, "Judge Result");
  EXPECT_EQ(at(14, 1).kind, FilledCell);
}

TEST_F(CellJob, WithoutCurrentStandardNoDifferencesOrJudgement) {
  job.currentStandard = -1;
  ASSERT_TRUE(buildCells(job, 0, cells));
  for (int r = 0; r < kPlotRows; ++r) expectEmpty(r, 1);
  EXPECT_EQ(at(0, 2).text, "30.00");
  for (int r = 6; r < 12; ++r) expectEmpty(r, 2);
  expectEmpty(13, 2);
  EXPECT_EQ(at(14, 2).kind, FilledCell);
  expectEmpty(16, 2);
}

// A sample stored without a curve under A/10° has no values under the D65
// primary: dashes, no swatch, no direction; the A group shows its values.
TEST_F(CellJob, UnusableSampleShowsDashes) {
  job.addSample(labSample("hand", 50, 10, -5, A, Observer10), true);
  ASSERT_TRUE(buildCells(job, 1, cells));
  for (int r = 0; r < 5; ++r) EXPECT_EQ(at(r, 2).text, "--") << r;
  for (int r = 6; r < 12; ++r) EXPECT_EQ(at(r, 2).text, "--") << r;
  EXPECT_EQ(at(13, 2).text, "--");
  EXPECT_EQ(at(14, 1).kind, FilledCell);
  EXPECT_EQ(at(14, 2).kind, TextCell);
  EXPECT_EQ(at(15, 2).kind, TextCell);
  expectEmpty(16, 2);
  EXPECT_EQ(at(0, 5).text, "50.00");
  EXPECT_EQ(at(1, 5).text, "10.00");
  EXPECT_EQ(at(2, 5).text, "-5.00");
  EXPECT_EQ(at(14, 5).kind, FilledCell);
}

TEST(PlotCells, EmptyTableLeavesTheCellsAlone) {
  JobManager manager;
  Job job(manager);
  PlotCells cells;
  cells[0].text = "old";
  cells[1].kind = FilledCell;
  EXPECT_FALSE(buildCells(job, 0, cells));
  EXPECT_EQ(cells[0].text, "old");
  EXPECT_EQ(cells[1].kind, FilledCell);
}

TEST_F(CellJob, EveryCellIsClearedFirst) {
  cells[std::size_t(cellIndex(29, 9))].text = "stale";
  cells[std::size_t(cellIndex(20, 4))].kind = FilledCell;
  ASSERT_TRUE(buildCells(job, 0, cells));
  expectEmpty(29, 9);
  expectEmpty(20, 4);
}

TEST_F(CellJob, ColourStrengthNamesTheWavelengthOfMaximumAbsorption) {
  job.setColorFormula(ColorStrength);
  job.recomputeAll();
  struct Case {
    std::uint8_t index;
    const char* label;
  } cases[] = {{16, "StrMaxAbs(560)"}, {0, "StrMaxAbs(400)"}, {kNoMinimumReflectance, "StrMaxAbs"}};
  for (const Case& c : cases) {
    job.minimumReflectanceIndex = c.index;
    ASSERT_TRUE(buildCells(job, 0, cells));
    int found = 0;
    for (int r = 0; r < kPlotRows; ++r)
      if (at(r, 0).text.rfind("StrMaxAbs", 0) == 0) {
        ++found;
        EXPECT_EQ(at(r, 0).text, c.label);
      }
    EXPECT_EQ(found, 1) << c.label;
  }
  // Other formulas never add the wavelength.
  job.setColorFormula(Cie1976);
  job.recomputeAll();
  job.minimumReflectanceIndex = 16;
  ASSERT_TRUE(buildCells(job, 0, cells));
  for (int r = 0; r < kPlotRows; ++r) EXPECT_EQ(at(r, 0).text.find('('), std::string::npos);
}

// RGB has three values and four differences and no colour direction row.
TEST_F(CellJob, RgbRows) {
  job.colorSpace = CieRgb;
  job.recomputeAll();
  ASSERT_TRUE(buildCells(job, 0, cells));
  EXPECT_EQ(at(0, 0).text, "R");
  expectEmpty(3, 0);
  EXPECT_EQ(at(4, 0).text, "\xCE\x94R");
  EXPECT_EQ(at(9, 0).text, "Judge Result");
  EXPECT_EQ(at(10, 0).text, "Color Simulation");
  EXPECT_EQ(at(11, 2).kind, FilledCell);
  for (int c = 0; c < 3; ++c) expectEmpty(12, c);
  EXPECT_EQ(groupRowCount(job), 12);
}

}  // namespace
}  // namespace corvana
