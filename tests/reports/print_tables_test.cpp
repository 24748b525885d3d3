#include <gtest/gtest.h>

#include "core/job.h"
#include "core/job_manager.h"
#include "reports/color_diff_report.h"
#include "reports/cumulative_report.h"
#include "reports/print_layout.h"
#include "reports/print_plots.h"
#include "reports/report_texts.h"
#include "tests/core/job_fixtures.h"

namespace corvana {
namespace {

using namespace corvana::testing;

struct ReportJob : ::testing::Test {
  JobManager manager;
  Job job{manager};
  void SetUp() override {
    LanguageIndex = English;
    job.addStandard(curveSample("Navy std"), true);
    job.addSample(curveSample("Lot 1", 4), true);
    job.addSample(labSample("Lot 2", 50, 1, 2, D65, Observer10), false);
  }
  void TearDown() override { LanguageIndex = English; }
};

TEST(PrintLayout, SizesFollowThePageHeight) {
  const PrintMetrics a4 = printMetrics(2480, 3508);
  EXPECT_DOUBLE_EQ(a4.s, 1.0);
  EXPECT_EQ(a4.u, 40);
  EXPECT_EQ(a4.h(), 56);
  EXPECT_EQ(a4.H(), 78);
  const PrintMetrics half = printMetrics(1240, 1754);
  EXPECT_EQ(half.u, 20);
  EXPECT_EQ(half.h(), 28);
  EXPECT_EQ(printMetrics(100, 80).u, 0);  // a page too small has no unit
}

TEST_F(ReportJob, EveryTableHasARowPerDisplayedIlluminant) {
  for (std::uint32_t count : {1u, 2u, 3u}) {
    job.setIlluminantCount(count);
    const ColorDiffReport report = colorDiffReport(job, {}, 56);
    for (const ReportTable* t :
         {&report.tolerance, &report.standard, &report.sample, &report.difference})
      EXPECT_EQ(t->rows.size(), count + 1) << count;
    EXPECT_EQ(report.conditions[1].first, count == 3   ? "Illuminant: D65, A, F2"
                                          : count == 2 ? "Illuminant: D65, A"
                                                       : "Illuminant: D65");
  }
}

TEST_F(ReportJob, ColorDiffTexts) {
  job.toleranceB[toleranceIndex(0, 3)].lower = -5;  // the total prints no lower limit
  job.toleranceB[toleranceIndex(0, 3)].upper = 1.5f;
  const ColorDiffReport report = colorDiffReport(job, RecordTime{2, 3, 2024, 3, 5, 9}, 56);
  EXPECT_EQ(report.dateTime, "2024/03/02 09:05:03");
  EXPECT_EQ(report.conditions[0].first, "Standard: Navy std");
  EXPECT_EQ(report.conditions[0].second, "Sample: Lot 1");
  EXPECT_EQ(report.tolerance.cell(1, 4), " 0.00 ~  1.50");
  EXPECT_EQ(report.tolerance.columnWidths, (std::vector<int>{280, 392, 392, 392, 392}));
  EXPECT_EQ(report.standard.cell(0, 0), "Standard");
  EXPECT_EQ(report.standard.cell(0, 1), "L*");
  EXPECT_EQ(report.sample.cell(0, 0), "Sample");
  EXPECT_EQ(report.difference.cell(0, 1), "ΔL*");
  // L*a*b*: differences, "J. Result" and "Color Direction".
  const auto& header = report.difference.rows[0];
  EXPECT_EQ(header[header.size() - 2], "J. Result");
  EXPECT_EQ(header.back(), "Color Direction");
  EXPECT_FALSE(report.difference.cell(1, int(header.size()) - 1).empty());
  EXPECT_EQ(report.judgeLine, "Judge Method: Use ΔE  Tolerance Quotiety:  0.75");
  EXPECT_EQ(report.signatureLine, "Test:                        Audit:                       ");
}

TEST_F(ReportJob, NoCurrentSampleShowsDashes) {
  job.currentSample = -1;
  const ColorDiffReport report = colorDiffReport(job, {}, 56);
  EXPECT_EQ(report.conditions[0].second, "Sample: ");
  EXPECT_EQ(report.sample.cell(1, 1), "--");
  EXPECT_EQ(report.difference.cell(1, 1), "--");
  EXPECT_EQ(report.difference.rows[1].back(), "");  // no colour direction
}

TEST_F(ReportJob, DifferenceColumnsWidenByLabel) {
  struct Case {
    int row;
    double factor;
  } cases[] = {{172, 4.8}, {366, 3.3}, {368, 3.3}, {367, 1.6},
               {369, 1.6}, {377, 4.1}, {378, 3.2}, {212, 3.9}};
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(differenceColumnFactor(c.row), c.factor);
  job.setColorFormula(MetamericIndex);
  const ColorDiffReport report = colorDiffReport(job, {}, 56);
  const auto& header = report.difference.rows[0];
  const auto mi = std::find(header.begin(), header.end(), "MI");
  ASSERT_NE(mi, header.end());
  EXPECT_EQ(report.difference.columnWidths[std::size_t(mi - header.begin())], int(56 * 4.8));
}

TEST_F(ReportJob, XyzPutsTheTallerDiagramIn) {
  EXPECT_EQ(printPlotBandHeight(job, 56), 14 * 56);
  job.colorSpace = CieXyz;
  job.recomputeAll();
  EXPECT_EQ(printPlotBandHeight(job, 56), 18 * 56);
  EXPECT_TRUE(colorDiffReport(job, {}, 56).xyDiagram);
}

TEST_F(ReportJob, CumulativeTables) {
  CumulativeReport report{job, {1, 0}, {false, true}, ListSortMode::Descending};
  const ReportTable header = cumulativeSampleHeader(report, 40);
  EXPECT_EQ(header.cell(0, 0), "Sample");
  EXPECT_EQ(header.cell(0, 1), "Name");
  EXPECT_EQ(header.cell(0, 2), "L*/ΔL*");  // values over differences
  EXPECT_EQ(header.rows[0].back(), "J. Result");
  EXPECT_EQ(header.columnWidths[0], 80);
  EXPECT_EQ(header.columnWidths[1], 320);
  EXPECT_EQ(header.columnWidths[2], 220);
  // Position 0 of the selection is sample 1 ("Lot 2"), numbered 1.
  const std::vector<std::string> values = cumulativeSampleCells(report, 0, 0);
  EXPECT_EQ(values[0], "1");
  EXPECT_EQ(values[1], "Lot 2");
  EXPECT_EQ(values[2], "50.000");
  const std::vector<std::string> differences = cumulativeSampleCells(report, 0, 1);
  EXPECT_EQ(differences[0], "");
  EXPECT_EQ(differences.size(), header.rows[0].size());
  EXPECT_NE(cumulativeConditionLine(report).find("Sort Mode: Descending"), std::string::npos);
  EXPECT_EQ(cumulativeStandardTable(job, 40).cell(1, 0), "Navy std");
  job.toleranceB[toleranceIndex(0, 3)].lower = -3;
  EXPECT_NE(cumulativeToleranceLine(job).find("  0.00 ~ "), std::string::npos);
}

TEST_F(ReportJob, ReflectanceBlocks) {
  CumulativeReport report{job, {0, 1}, {true, false}};
  EXPECT_EQ(reflectanceBlockCells(report, -1, 0),
            (std::vector<std::string>{"Standard", "Navy std"}));
  EXPECT_EQ(reflectanceBlockCells(report, 1, 0), (std::vector<std::string>{"2", "Lot 2"}));
  const std::vector<std::string> first = reflectanceBlockCells(report, 0, 1);
  ASSERT_EQ(first.size(), 10u);
  EXPECT_EQ(first.front(), "400");
  EXPECT_EQ(first.back(), "490");
  const std::vector<std::string> last = reflectanceBlockCells(report, 0, 5);
  ASSERT_EQ(last.size(), 11u);
  EXPECT_EQ(last.back(), "700");
  // "%6.*f" of the percentage; a record without a curve shows "--".
  const float r400 = job.sample(0).reflectance[0] * 100;
  EXPECT_EQ(reflectanceBlockCells(report, 0, 2).front(), spectral::formatWide6(r400, 3));
  EXPECT_EQ(reflectanceBlockCells(report, 1, 6), std::vector<std::string>(11, "--"));
}

TEST_F(ReportJob, TextsInSimplifiedChinese) {
  LanguageIndex = ChineseSimplified;
  EXPECT_EQ(signatureText(), "测试：                        审核：                       ");
  EXPECT_EQ(colorDiffReport(job, {}, 56).conditions[0].first, "标样: Navy std");
}

}  // namespace
}  // namespace corvana
