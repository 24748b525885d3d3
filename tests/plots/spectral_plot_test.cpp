#include "plots/spectral_plot.h"

#include <gtest/gtest.h>

#include "core/job.h"
#include "core/job_manager.h"
#include "tests/plots/spectral_test_support.h"

namespace corvana::spectral {
namespace {

using testing::flatCurve;
using testing::itemsOf;
using testing::sixPixelsPerByte;
using testing::textsNamed;
using testing::withoutCurve;

struct LayoutCase {
  int width, height, accuracy;
  float fontUnit;
  ColumnSpan wavelength, standard, sample, difference;
  Rect plot;
};

TEST(SpectralLayout, ColumnsAndPlotFromTheFontUnit) {
  const LayoutCase cases[] = {
      // Fs = 345 / 34.5 = 10: wavelength (10 - 2) x 4, values 5 x 8, difference 7 x 10.
      {800, 345, 3, 10, {2, 32}, {36, 40}, {78, 40}, {120, 70}, {192, 25, 606, 318}},
      // Accuracy 4: values 6 x (Fs - 2), difference 8 x Fs.
      {800, 345, 4, 10, {2, 32}, {36, 48}, {86, 48}, {136, 80}, {218, 25, 580, 318}},
      {800, 345, 0, 10, {2, 32}, {36, 16}, {54, 16}, {72, 40}, {114, 25, 684, 318}},
      // Fs = 20: plot from y 50 down to 2 above the bottom.
      {1000, 690, 3, 20, {2, 72}, {76, 90}, {168, 90}, {260, 140}, {402, 50, 596, 638}},
  };
  for (const LayoutCase& c : cases) {
    const SpectralLayout l = spectralLayout(c.width, c.height, c.accuracy);
    EXPECT_FLOAT_EQ(l.fontUnit, c.fontUnit);
    EXPECT_EQ(l.wavelength, c.wavelength) << c.accuracy;
    EXPECT_EQ(l.standard, c.standard) << c.accuracy;
    EXPECT_EQ(l.sample, c.sample) << c.accuracy;
    EXPECT_EQ(l.difference, c.difference) << c.accuracy;
    EXPECT_EQ(l.plot, c.plot) << c.accuracy;
  }
}

TEST(SpectralLayout, TooSmallBelow320By150) {
  struct Case {
    int width, height;
    bool tooSmall;
  };
  const Case cases[] = {{319, 400, true},  {320, 150, false}, {320, 149, true},
                        {1000, 149, true}, {319, 149, true},  {0, 0, true}};
  for (const Case& c : cases)
    EXPECT_EQ(isTooSmall(c.width, c.height), c.tooSmall) << c.width << "x" << c.height;
}

// A job window's reflectance pane of 800 x 345 (Fs = 10).
class SpectralPlotTest : public ::testing::Test {
 protected:
  SpectralPlotTest() {
    plot.setJob(&job);
    plot.resize(800, 345);
  }
  DrawList paint() { return plot.paint({0, 0, 800, 345}, sixPixelsPerByte()); }
  std::vector<std::uint32_t> curveColours(const DrawList& out) {
    std::vector<std::uint32_t> colours;
    for (const BezierChain& b : itemsOf<BezierChain>(out)) colours.push_back(b.argb);
    return colours;
  }

  JobManager manager;
  Job job{manager};
  SpectralPlot plot;
};

TEST_F(SpectralPlotTest, ModelSeriesAreTheStandardThenTheSamples) {
  const LogicalWavelengthReflectance& model = plot.model();
  EXPECT_EQ(model.seriesCount(), 0);
  job.addSample(flatCurve("A", 0.25f), true);
  EXPECT_EQ(model.seriesCount(), 1);
  EXPECT_EQ(model.seriesColor(0), kSampleBlue);  // no standard: series 0 is a sample

  MeasurementRecord standard = flatCurve("Std", 0.5f);
  standard.reflectance[30] = 0.75f;
  job.addStandard(standard, true);
  job.addSample(withoutCurve("Typed"), false);
  ASSERT_EQ(model.seriesCount(), 3);
  EXPECT_EQ(model.pointCount(2), 31);
  EXPECT_EQ(model.pointCount(3), 0);
  const SeriesPoint last = model.getPoint(0, 30);
  EXPECT_TRUE(last.valid);
  EXPECT_EQ(last.x, 700);
  EXPECT_EQ(last.y, 0.75f);
  const SeriesPoint sample = model.getPoint(1, 2);
  EXPECT_TRUE(sample.valid);
  EXPECT_EQ(sample.x, 420);
  EXPECT_EQ(sample.y, 0.25f);
  EXPECT_FALSE(model.getPoint(2, 0).valid);  // no curve
  EXPECT_FALSE(model.getPoint(0, 31).valid);
  EXPECT_EQ(model.seriesColor(0), kStandardGreen);
  EXPECT_EQ(model.seriesColor(1), kSampleBlue);

  plot.setJob(nullptr);
  EXPECT_EQ(model.seriesCount(), 0);
  EXPECT_EQ(model.seriesColor(0), 0xFF000000u);
}

TEST_F(SpectralPlotTest, CaptionsBesideAndBelowThePlot) {
  job.addStandard(flatCurve("Std", 0.5f), true);
  const DrawList out = paint();
  // Plot area (192, 25, 606 x 318): left strip 15 wide, bottom strip from x + 40.
  const auto vertical = textsNamed(out, "%R(or %T)");
  ASSERT_EQ(vertical.size(), 1u);
  EXPECT_EQ(vertical[0].box, (Rect{192, 25, 15, 318}));
  EXPECT_TRUE(vertical[0].readsUpwards);
  EXPECT_EQ(vertical[0].font.size, 9);
  const auto horizontal = textsNamed(out, "Wavelength(nm)");
  ASSERT_EQ(horizontal.size(), 1u);
  EXPECT_EQ(horizontal[0].box, (Rect{232, 318, 551, 25}));
  EXPECT_FALSE(horizontal[0].readsUpwards);
  const auto images = itemsOf<ImagePlacement>(out);
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].image, ImageId::Spectrum);
  EXPECT_EQ(images[0].target, (Rect{232, 318, 551, 25}));
  // 400 to 700 nm is the whole strip.
  EXPECT_EQ(images[0].sourceLeft, 0);
  EXPECT_EQ(images[0].sourceRight, 402);
}

TEST_F(SpectralPlotTest, WavelengthColumnMarksTheHundreds) {
  const SpectralTable t = spectralTable(job);
  EXPECT_TRUE(t.wavelength.shown);
  EXPECT_EQ(t.wavelength.heading, "λ(nm)");
  EXPECT_EQ(t.wavelength.rows[0], "400");
  EXPECT_EQ(t.wavelength.rows[30], "700");
  for (int i : {0, 10, 20, 30}) EXPECT_EQ(t.wavelength.colours[std::size_t(i)], kSampleBlue) << i;
  for (int i : {1, 9, 11, 29}) EXPECT_EQ(t.wavelength.colours[std::size_t(i)], kPlotText) << i;
  EXPECT_FALSE(t.standard.shown);
  EXPECT_FALSE(t.sample.shown);
  EXPECT_FALSE(t.difference.shown);
}

TEST_F(SpectralPlotTest, StandardWithoutSamplesOneGreenCurveEmptyColumns) {
  job.addStandard(flatCurve("Std", 0.0625f), true);
  const SpectralTable t = spectralTable(job);
  ASSERT_TRUE(t.standard.shown);
  EXPECT_EQ(t.standard.heading, "Standard");
  EXPECT_EQ(t.standard.rows[0], " 6.250");
  EXPECT_EQ(t.standard.colours[0], kStandardGreen);
  EXPECT_FALSE(t.sample.shown);
  EXPECT_FALSE(t.difference.shown);

  const DrawList out = paint();
  EXPECT_EQ(curveColours(out), (std::vector<std::uint32_t>{kStandardGreen}));
  EXPECT_TRUE(textsNamed(out, "Sample").empty());
  EXPECT_TRUE(textsNamed(out, " Δ").empty());
  EXPECT_TRUE(textsNamed(out, "Sample: ").empty());
  EXPECT_EQ(textsNamed(out, " 6.250").size(), 31u);
}

TEST_F(SpectralPlotTest, ValuesAndDifferencesWithTheJobsAccuracy) {
  job.addStandard(flatCurve("Std", 0.125f), true);
  job.addSample(flatCurve("Smp", 0.0625f), true);
  struct Case {
    int accuracy;
    const char *standard, *sample, *difference;
  };
  const Case cases[] = {{3, "12.500", " 6.250", "-6.250"},
                        {0, "    12", "     6", "    -6"},
                        {4, "12.5000", "6.2500", "-6.2500"}};
  for (const Case& c : cases) {
    job.DataAccuracy = std::uint8_t(c.accuracy);
    const SpectralTable t = spectralTable(job);
    EXPECT_EQ(t.standard.rows[5], c.standard) << c.accuracy;
    EXPECT_EQ(t.sample.rows[5], c.sample) << c.accuracy;
    EXPECT_EQ(t.difference.rows[5], c.difference) << c.accuracy;
    EXPECT_EQ(t.difference.heading, " Δ");
    EXPECT_EQ(t.difference.colours[5], kDifferenceMagenta);
    EXPECT_EQ(t.sample.colours[5], kSampleBlue);
  }
}

TEST_F(SpectralPlotTest, SampleWithoutCurveShowsDashesAndNoCurve) {
  job.addStandard(flatCurve("Std", 0.5f), true);
  job.addSample(flatCurve("Other", 0.25f), false);
  job.addSample(withoutCurve("Typed"), true);
  const SpectralTable t = spectralTable(job);
  EXPECT_EQ(t.standard.rows[3], "50.000");
  EXPECT_EQ(t.sample.rows[3], "--");
  EXPECT_EQ(t.difference.rows[3], "--");
  // The standard and the other sample keep their curves; the typed one has none.
  EXPECT_EQ(curveColours(paint()), (std::vector<std::uint32_t>{kOtherSampleGrey, kStandardGreen}));
}

TEST_F(SpectralPlotTest, StandardWithoutCurveShowsDashesInValueAndDifference) {
  job.addStandard(withoutCurve("Typed"), true);
  job.addSample(flatCurve("Smp", 0.25f), true);
  const SpectralTable t = spectralTable(job);
  EXPECT_EQ(t.standard.rows[0], "--");
  EXPECT_EQ(t.sample.rows[0], "25.000");
  EXPECT_EQ(t.difference.rows[0], "--");
  EXPECT_EQ(curveColours(paint()), (std::vector<std::uint32_t>{kSampleBlue}));
}

TEST_F(SpectralPlotTest, WithoutAStandardNoCurveIsGreen) {
  job.addSample(flatCurve("A", 0.2f), true);
  job.addSample(flatCurve("B", 0.4f), false);
  EXPECT_EQ(curveColours(paint()), (std::vector<std::uint32_t>{kOtherSampleGrey, kSampleBlue}));
  job.selectSample(1);
  EXPECT_EQ(curveColours(paint()), (std::vector<std::uint32_t>{kOtherSampleGrey, kSampleBlue}));
  const SpectralTable t = spectralTable(job);
  EXPECT_FALSE(t.standard.shown);
  EXPECT_TRUE(t.sample.shown);
  EXPECT_FALSE(t.difference.shown);
}

TEST_F(SpectralPlotTest, HeadingNamesAfterTheirMeasuredLabels) {
  job.addStandard(flatCurve("Std", 0.5f), true);
  job.addSample(flatCurve("Smp", 0.25f), true);
  const DrawList out = paint();
  // Font (int)(0.7 x 10) = 7 pt, y (int)(0.16 x 10) = 1, height 10; "Standard: "
  // measures 60 px, "Sample: " 48.
  const auto standardLabel = textsNamed(out, "Standard: ");
  ASSERT_EQ(standardLabel.size(), 1u);
  EXPECT_EQ(standardLabel[0].box, (Rect{2, 1, 60, 10}));
  EXPECT_EQ(standardLabel[0].font.size, 7);
  EXPECT_EQ(standardLabel[0].argb, kPlotText);
  const auto standardName = textsNamed(out, "Std");
  ASSERT_EQ(standardName.size(), 1u);
  EXPECT_EQ(standardName[0].box, (Rect{62, 1, 340, 10}));
  EXPECT_EQ(standardName[0].flags, unsigned(AlignLeft | AlignVCenter | ElideRight));
  EXPECT_EQ(standardName[0].argb, kStandardGreen);
  const auto sampleLabel = textsNamed(out, "Sample: ");
  ASSERT_EQ(sampleLabel.size(), 1u);
  EXPECT_EQ(sampleLabel[0].box, (Rect{400, 1, 48, 10}));
  const auto sampleName = textsNamed(out, "Smp");
  ASSERT_EQ(sampleName.size(), 1u);
  EXPECT_EQ(sampleName[0].box, (Rect{448, 1, 352, 10}));
  EXPECT_EQ(sampleName[0].argb, kSampleBlue);
}

TEST_F(SpectralPlotTest, TableRowsAtHalfLinesBelowTheHeading) {
  job.addStandard(flatCurve("Std", 0.5f), true);
  const DrawList out = paint();
  // Table font (int)10 - 4 = 6 pt; heading at (int)(2.5 x 10), row i at (int)((i + 3.5) x 10).
  const auto heading = textsNamed(out, "λ(nm)");
  ASSERT_EQ(heading.size(), 1u);
  EXPECT_EQ(heading[0].box, (Rect{2, 25, 32, 10}));
  EXPECT_EQ(heading[0].font.size, 6);
  // Headings are cut with an ellipsis when wider than their column.
  EXPECT_EQ(heading[0].flags, unsigned(AlignLeft | AlignVCenter | ElideRight));
  const auto standardHeading = textsNamed(out, "Standard");
  ASSERT_EQ(standardHeading.size(), 1u);
  EXPECT_EQ(standardHeading[0].box, (Rect{36, 25, 40, 10}));
  const auto row0 = textsNamed(out, "400");
  ASSERT_FALSE(row0.empty());
  EXPECT_EQ(row0[0].box, (Rect{2, 35, 32, 10}));
  EXPECT_EQ(row0[0].argb, kSampleBlue);
  const auto row30 = textsNamed(out, "700");
  ASSERT_FALSE(row30.empty());
  EXPECT_EQ(row30[0].box, (Rect{2, 335, 32, 10}));
}

TEST_F(SpectralPlotTest, TooSmallShowsOnlyTheMessage) {
  job.addStandard(flatCurve("Std", 0.5f), true);
  job.addSample(flatCurve("Smp", 0.25f), true);
  plot.resize(319, 400);
  const DrawList out = plot.paint({0, 0, 319, 400}, sixPixelsPerByte());
  const auto texts = itemsOf<TextBox>(out);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, "The size of the control is too small.");
  EXPECT_EQ(texts[0].box, (Rect{0, 0, 319, 400}));
  EXPECT_EQ(texts[0].flags, unsigned(AlignHCenter | AlignVCenter));
  EXPECT_EQ(texts[0].font.size, 8);
  EXPECT_TRUE(itemsOf<BezierChain>(out).empty());
  EXPECT_TRUE(itemsOf<Line>(out).empty());
}

TEST_F(SpectralPlotTest, WithoutAJobOnlyTheBackground) {
  plot.setJob(nullptr);
  plot.layout();
  const DrawList out = plot.paint({10, 10, 50, 50}, sixPixelsPerByte());
  ASSERT_EQ(out.items().size(), 1u);
  const auto fills = itemsOf<FillRect>(out);
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_EQ(fills[0].box, (Rect{10, 10, 50, 50}));
  EXPECT_EQ(fills[0].argb, 0xFFC0C0C0u);
}

TEST_F(SpectralPlotTest, PlotModelFollowsTheLayout) {
  plot.layout();
  EXPECT_EQ(plot.model().area(), (Rect{192, 25, 606, 318}));
  EXPECT_FLOAT_EQ(plot.model().pixelsPerXStep(), (606.0f - 55) / 6);
  EXPECT_FLOAT_EQ(plot.model().pixelsPerYStep(), (318.0f - 50) / 5);
  // Accuracy 4 widens the table and narrows the plot.
  job.DataAccuracy = 4;
  plot.layout();
  EXPECT_EQ(plot.model().area(), (Rect{218, 25, 580, 318}));
}

TEST_F(SpectralPlotTest, UpdateRectangleOverThePlotLeavesTheTableOut) {
  job.addStandard(flatCurve("Std", 0.5f), true);
  job.addSample(flatCurve("Smp", 0.4f), true);
  job.addSample(flatCurve("Low", 0.1f), false);  // y 278 - 26.8 + 25: below the update
  const DrawList out = plot.paint({300, 100, 200, 100}, sixPixelsPerByte());
  EXPECT_TRUE(textsNamed(out, "Standard").empty());
  EXPECT_TRUE(textsNamed(out, "λ(nm)").empty());
  // The curves at y 169 and 195 cross it.
  EXPECT_EQ(curveColours(out), (std::vector<std::uint32_t>{kStandardGreen, kSampleBlue}));
}

}  // namespace
}  // namespace corvana::spectral
