#include "plots/chroma_heading.h"

#include <gtest/gtest.h>

#include "plots/chroma_colors.h"
#include "plots/chroma_table.h"
#include "tests/plots/pane_fixtures.h"

namespace corvana {
namespace {

using namespace corvana::testing;

// A CIE LAB job with a current standard "Std" (SCI) and sample "Smp" (SCE),
// shown in a 900 × 500 pane with F = 20.
struct HeadingJob : ::testing::Test {
  JobManager manager;
  Job job{manager};
  ChromaPaneState state;
  TextMeasure measure = fivePixelsPerCharacter();

  void SetUp() override {
    MeasurementRecord standard = curveSample("Std");
    MeasurementRecord sample = curveSample("Smp", 10);
    sample.mode = SCE;
    job.addStandard(standard, true);
    job.addSample(sample, true);
    state.layout = fixedLayout(300, {60, 80, 80, 50, 50, 50, 70, 70, 70});
  }
  PlotPrimitives paint() { return chromaPanePrimitives(&job, state, 900, 500, measure); }
};

// y0 = (int)(0.16 F) = 3, y1 = 23, y2 = 43; half = 450; "Standard: " is ten
// characters (50 px), "Sample: " eight (40 px).
TEST_F(HeadingJob, NamesObserverModeIlluminantAndFullScale) {
  const PlotPrimitives out = paint();
  auto only = [&](std::string_view text) {
    const std::vector<TextPrimitive> found = textsEqual(out, text);
    EXPECT_EQ(found.size(), 1u) << text;
    return found.empty() ? TextPrimitive{} : found[0];
  };
  const TextPrimitive standardLabel = only("Standard: ");
  expectBox(standardLabel.box, {2, 3, 50, 20}, "standard label");
  EXPECT_EQ(standardLabel.flags, unsigned(AlignLeft));
  EXPECT_EQ(standardLabel.pointSize, 14);  // (int)(0.72 × 20)
  const TextPrimitive standardName = only("Std");
  expectBox(standardName.box, {52, 3, 400, 20}, "standard name");
  EXPECT_EQ(standardName.flags, unsigned(AlignLeft | AlignVCenter | Elide));
  EXPECT_EQ(standardName.color, chroma::kStandardGreen);
  expectBox(only("Sample: ").box, {450, 3, 40, 20}, "sample label");
  const TextPrimitive sampleName = only("Smp");
  expectBox(sampleName.box, {490, 3, 410, 20}, "sample name");
  EXPECT_EQ(sampleName.color, chroma::kSampleBlue);

  const TextPrimitive second =
      only("Observer Angle: 10\xC2\xB0  Measurement Mode: Standard(SCI), Sample(SCE)");
  expectBox(second.box, {2, 23, 895, 20}, "observer line");
  EXPECT_EQ(second.flags, unsigned(AlignLeft));

  const TextPrimitive illuminant = only("D65");
  expectBox(illuminant.box, {2, 43, 220, 20}, "illuminant");
  EXPECT_EQ(illuminant.flags, unsigned(AlignHCenter));
  // Default limits ±1 with their switches on: 1.8 × 1.
  const TextPrimitive scale = only("Full Scale:   1.80");
  expectBox(scale.box, {222, 43, 678, 20}, "full scale");
  EXPECT_EQ(scale.flags, unsigned(AlignHCenter));
}

// A measure that grows with the point size: the observer line shrinks until
// it fits the pane; where it fits, it keeps the table's size.
TEST_F(HeadingJob, ObserverLineShrinksToFitThePane) {
  measure = [](std::string_view text, FontRole, int points) {
    return 0.5 * points * double(text.size());
  };
  struct Case {
    int width;
    int points;  // (int)(0.72 × 20) = 14 when it fits
  };
  // The line has 66 bytes: 33 px per point, in a box 5 px narrower than the pane.
  for (const Case c : {Case{900, 14}, Case{400, 11}, Case{40, 1}}) {
    const PlotPrimitives out = chromaPanePrimitives(&job, state, c.width, 500, measure);
    const std::vector<TextPrimitive> found =
        textsEqual(out, "Observer Angle: 10\xC2\xB0  Measurement Mode: Standard(SCI), Sample(SCE)");
    ASSERT_EQ(found.size(), 1u) << c.width;
    EXPECT_EQ(found[0].pointSize, c.points) << c.width;
  }
}

TEST_F(HeadingJob, ThreeGroupsNameEachIlluminantAndNoFullScale) {
  state.illuminantGroups = 2;
  const PlotPrimitives out = paint();
  ASSERT_EQ(textsEqual(out, "A").size(), 1u);
  ASSERT_EQ(textsEqual(out, "F2").size(), 1u);
  expectBox(textsEqual(out, "D65")[0].box, {2, 43, 220, 20}, "D65");
  expectBox(textsEqual(out, "A")[0].box, {222, 43, 150, 20}, "A");
  expectBox(textsEqual(out, "F2")[0].box, {372, 43, 210, 20}, "F2");
  for (const TextPrimitive& t : primitivesOf<TextPrimitive>(out))
    EXPECT_EQ(t.text.find("Full Scale"), std::string::npos);
}

// No limit switched on outside CIE XYZ: the floor 0.1 gives 0.18.
TEST_F(HeadingJob, NoLimitEnabledGivesTheFloor) {
  for (ToleranceSet& entry : job.toleranceB) entry.upperEnabled = entry.lowerEnabled = false;
  job.toleranceB[0].upper = 5;
  EXPECT_EQ(textsEqual(paint(), "Full Scale:   0.18").size(), 1u);
}

TEST_F(HeadingJob, RgbHasNoFullScale) {
  job.colorSpace = CieRgb;
  job.recomputeAll();
  const PlotPrimitives out = paint();
  for (const TextPrimitive& t : primitivesOf<TextPrimitive>(out))
    EXPECT_EQ(t.text.find("Full Scale"), std::string::npos);
}

TEST_F(HeadingJob, OneRecordGivesItsOwnMode) {
  job.currentSample = -1;
  EXPECT_EQ(headingModeText(job), "SCI");
  const PlotPrimitives out = paint();
  EXPECT_TRUE(textsEqual(out, "Sample: ").empty());
  EXPECT_TRUE(textsEqual(out, "Smp").empty());
  EXPECT_EQ(textsEqual(out, "Observer Angle: 10\xC2\xB0  Measurement Mode: SCI").size(), 1u);

  job.currentSample = 0;
  job.currentStandard = -1;
  EXPECT_EQ(headingModeText(job), "SCE");
  job.currentStandard = 0;
  MeasurementRecord same = curveSample("Same");
  job.addSample(same, true);
  EXPECT_EQ(headingModeText(job), "SCI");  // both SCI: one mode only
}

TEST_F(HeadingJob, NothingCurrentLeavesOnlyTheTable) {
  job.currentSample = -1;
  job.currentStandard = -1;
  const PlotPrimitives out = paint();
  EXPECT_TRUE(textsEqual(out, "Standard: ").empty());
  EXPECT_TRUE(textsEqual(out, "D65").empty());
  EXPECT_EQ(textsEqual(out, "L*").size(), 1u);  // the labels stay
}

// The job decides the layout's mode: one group of CIE LAB reserves a plot
// and a bar; three groups neither, and fill nine columns.
TEST_F(HeadingJob, RelayoutFollowsTheGroups) {
  relayoutChromaPane(job, state, 900, 500, measure);
  EXPECT_GT(state.layout.plotSide, 0);
  EXPECT_GT(state.layout.barWidth, 0);  // from F before the spare width grew it
  EXPECT_GT(state.layout.columnWidths[2], 0);
  EXPECT_EQ(state.layout.columnWidths[3], 0);
  EXPECT_EQ(state.cells[std::size_t(cellIndex(0, 0))].text, "L*");

  state.illuminantGroups = 2;
  relayoutChromaPane(job, state, 900, 500, measure);
  EXPECT_EQ(state.layout.plotSide, 0);
  EXPECT_EQ(state.layout.barWidth, 0);
  EXPECT_GT(state.layout.columnWidths[8], 0);
  EXPECT_EQ(state.layout.columnWidths[9], 0);
  EXPECT_EQ(state.cells[std::size_t(cellIndex(0, 6))].text, "L*");
}

TEST(ChromaPane, WithoutJobOnlyTheBackground) {
  ChromaPaneState state;
  const PlotPrimitives out =
      chromaPanePrimitives(nullptr, state, 640, 480, fivePixelsPerCharacter());
  ASSERT_EQ(out.size(), 1u);
  const auto* background = std::get_if<FilledRectPrimitive>(&out[0]);
  ASSERT_NE(background, nullptr);
  EXPECT_EQ(background->box, (PlotBox{0, 0, 640, 480}));
  EXPECT_EQ(background->color, chroma::kBackground);
}

// Rows of (int)F from (int)(3.2 F) = 64; columns side by side from x = 0.
TEST_F(HeadingJob, TableCellBoxes) {
  expectBox(cellBox(state.layout, 0, 0), {0, 64, 60, 20}, "row 0 column 0");
  expectBox(cellBox(state.layout, 2, 1), {60, 104, 80, 20}, "row 2 column 1");
  expectBox(cellBox(state.layout, 16, 5), {320, 384, 50, 20}, "row 16 column 5");
  const PlotPrimitives out = paint();
  const std::vector<TextPrimitive> label = textsEqual(out, "L*");
  ASSERT_EQ(label.size(), 1u);
  expectBox(label[0].box, {0, 64, 60, 20}, "L* label");
  EXPECT_EQ(label[0].flags, unsigned(AlignVCenter | SingleLine));
  // Swatches: rows 14 and 15, one pixel left and one narrower.
  int swatches = 0;
  for (const FilledRectPrimitive& r : primitivesOf<FilledRectPrimitive>(out)) {
    if (r.color == chroma::kBackground) continue;
    ++swatches;
    EXPECT_TRUE(r.box == (PlotBox{59, 344, 79, 20}) || r.box == (PlotBox{59, 364, 79, 20}) ||
                r.box == (PlotBox{139, 344, 79, 20}) || r.box == (PlotBox{139, 364, 79, 20}))
        << r.box.x << "," << r.box.y;
  }
  EXPECT_EQ(swatches, 4);
}

}  // namespace
}  // namespace corvana
