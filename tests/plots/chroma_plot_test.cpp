#include <gtest/gtest.h>

#include "plots/chroma_colors.h"
#include "plots/chroma_difference_square.h"
#include "plots/xy_diagram.h"
#include "plots/xy_locus.h"
#include "tests/plots/pane_fixtures.h"

namespace corvana {
namespace {

using namespace corvana::testing;

void setLimits(Job& job, int entry, float lower, float upper) {
  ToleranceSet& e = job.toleranceB[std::size_t(toleranceIndex(0, entry))];
  e.lower = lower;
  e.upper = upper;
}

// A CIE LAB job in a 900 × 500 pane, F = 20, S = 300, bar 120, Cw = 220.
// Limits of slot 0: ΔL* -1/0.62, Δa* -0.8/0.31, Δb* -0.5/0.7, ΔE 1, so the
// full scale is 1.8; quotiety 0.5. Samples (ΔL*, Δa*, Δb*): 0 is current at
// (0.45, 0.45, -0.27), 1 far outside at (9, 5, -7), 2 not computed (-2000).
//
// x0 = (int)(220 + 2 + 14.4) = 236, y0 = (int)((200 - 64) / 2 + 64) = 132,
// centre (386, 282), cross half size (int)(0.72 F) = 14.
struct SquareJob : ::testing::Test {
  JobManager manager;
  Job job{manager};
  ChromaPaneState state;
  TextMeasure measure = fivePixelsPerCharacter();

  void SetUp() override {
    job.addStandard(curveSample("Std"), true);
    for (int i = 0; i < 3; ++i)
      job.addSample(curveSample("S" + std::to_string(i), 5.0f * i), false);
    job.selectSample(0);
    setLimits(job, 0, -1, 0.62f);
    setLimits(job, 1, -0.8f, 0.31f);
    setLimits(job, 2, -0.5f, 0.7f);
    setLimits(job, 3, -1, 1);
    job.toleranceQuotiety = 0.5f;
    const float d[3][3] = {{0.45f, 0.45f, -0.27f}, {9, 5, -7}, {-2000, -2000, -2000}};
    auto& differences = job.table.entries[0].sampleDifferences;
    for (int i = 0; i < 3; ++i)
      for (int k = 0; k < 3; ++k) differences[std::size_t(k)][std::size_t(i)] = d[i][k];
    state.layout = fixedLayout(300);
  }
  PlotPrimitives paint() { return chromaPanePrimitives(&job, state, 900, 500, measure); }
};

TEST_F(SquareJob, FrameToleranceAndWarningBoxes) {
  const std::vector<RectPrimitive> rects = primitivesOf<RectPrimitive>(paint());
  ASSERT_EQ(rects.size(), 3u);
  EXPECT_EQ(rects[0].box, (PlotBox{236, 132, 300, 300}));
  EXPECT_EQ(rects[0].color, chroma::kBlack);
  // Offsets (int)(|limit| × 300 / 1.8 × 0.5): Δa* 66 left, 25 right; Δb* 58
  // up, 41 down; c = 150.
  EXPECT_EQ(rects[1].box, (PlotBox{320, 224, 91, 99}));
  EXPECT_EQ(rects[1].color, chroma::kToleranceRed);
  // About the centre (365.5, 273.5): (int)(365.5 - 45.5 × 0.5), (int)(273.5 - 49.5 × 0.5),
  // (int)(91 × 0.5), (int)(99 × 0.5).
  EXPECT_EQ(rects[2].box, (PlotBox{342, 248, 45, 49}));
  EXPECT_EQ(rects[2].color, chroma::kWarningYellow);
}

TEST_F(SquareJob, ToleranceBoxIgnoresTheSwitches) {
  for (int e = 0; e < 4; ++e) {
    job.toleranceB[std::size_t(e)].upperEnabled = e != 0;  // entry 0 decides: uppers out
    job.toleranceB[std::size_t(e)].lowerEnabled = true;
  }
  // The full scale is still 1.8 (lower -1 of entries 0 and 3), and the box is unchanged.
  EXPECT_EQ(primitivesOf<RectPrimitive>(paint())[1].box, (PlotBox{320, 224, 91, 99}));
}

TEST_F(SquareJob, AxesAndLabels) {
  const PlotPrimitives out = paint();
  EXPECT_TRUE(hasLine(linesOf(out, chroma::kToleranceRed), {386, 282}, {536, 282}));
  EXPECT_TRUE(hasLine(linesOf(out, chroma::kGreenAxis), {386, 282}, {236, 282}));
  EXPECT_TRUE(hasLine(linesOf(out, chroma::kSampleBlue), {386, 282}, {386, 432}));
  EXPECT_TRUE(hasLine(linesOf(out, chroma::kWarningYellow), {386, 282}, {386, 132}));

  struct Label {
    const char* text;
    PlotBox box;
    unsigned flags;
  } labels[] = {
      {"-a*", {236, 252, 150, 30}, AlignLeft},
      {"+a*", {386, 252, 150, 30}, AlignRightBottom},
      {"+b*", {387, 134, 150, 30}, AlignLeft | AlignTop},
      {"-b*", {387, 402, 150, 30}, AlignLeft},
  };
  for (const Label& l : labels) {
    const std::vector<TextPrimitive> found = textsEqual(out, l.text);
    ASSERT_EQ(found.size(), 1u) << l.text;
    expectBox(found[0].box, l.box, l.text);
    EXPECT_EQ(found[0].flags, l.flags) << l.text;
    EXPECT_EQ(found[0].font, FontRole::PlotLabel) << l.text;
    EXPECT_EQ(found[0].pointSize, 15) << l.text;
  }
}

// Rows past the original table's 434 give the signs alone; row 433 still names.
TEST_F(SquareJob, LabelRowsAbove433GiveSignsAlone) {
  job.toleranceB[0].componentLabel = 500;
  job.toleranceB[1].componentLabel = 434;
  job.toleranceB[2].componentLabel = 433;
  const PlotPrimitives out = paint();
  EXPECT_EQ(textsEqual(out, "+").size(), 2u);  // square across, bar top
  EXPECT_EQ(textsEqual(out, "-").size(), 2u);  // square across, bar bottom
  EXPECT_EQ(textsEqual(out, "+Read White Board Parameters Failed").size(), 1u);
  EXPECT_EQ(textsEqual(out, "-Read White Board Parameters Failed").size(), 1u);
}

// Current (0.45, -0.27): (int)(37.5 + 386) = 423, (int)(282 + 22.5) = 304.
// Far and not-computed samples sit on the border, in the corner.
TEST_F(SquareJob, MarkersClampToTheSquareAndTheCurrentComesLast) {
  const PlotPrimitives out = paint();
  const std::vector<LinePrimitive> grey = linesOf(out, chroma::kOtherSamplesGrey);
  EXPECT_TRUE(hasLine(grey, {522, 432}, {550, 432}));  // (536, 432): far sample
  EXPECT_TRUE(hasLine(grey, {536, 418}, {536, 446}));
  EXPECT_TRUE(hasLine(grey, {222, 432}, {250, 432}));  // (236, 432): -2000
  EXPECT_TRUE(hasLine(grey, {236, 418}, {236, 446}));
  const std::vector<LinePrimitive> blue = linesOf(out, chroma::kSampleBlue);
  EXPECT_TRUE(hasLine(blue, {409, 304}, {437, 304}));
  EXPECT_TRUE(hasLine(blue, {423, 290}, {423, 318}));
  EXPECT_FALSE(hasLine(grey, {409, 304}, {437, 304}));

  // The current cross follows every grey one of the square.
  std::size_t lastGrey = 0, currentAt = 0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const auto* l = std::get_if<LinePrimitive>(&out[i]);
    if (!l) continue;
    if (l->color == chroma::kOtherSamplesGrey && l->from.x < 539) lastGrey = i;  // not the bar's
    if (l->color == chroma::kSampleBlue && l->from == (PlotPoint{409, 304})) currentAt = i;
  }
  EXPECT_GT(currentAt, lastGrey);
}

// Bar at x = 236 + 300 + 3 = 539, axis xc = 539 + 60 = 599, ymid = 282,
// markers at (int)(18 + 599) = 617. Limits ΔL*: up (int)(0.62/1.8 × 150) =
// 51, down 83; yellow (int)(51 × 0.5) = 25 and (int)(83 × 0.5) = 41.
TEST_F(SquareJob, ComponentBar) {
  const PlotPrimitives out = paint();
  const std::vector<LinePrimitive> black = linesOf(out, chroma::kBlack);
  EXPECT_TRUE(hasLine(black, {585, 132}, {613, 132}));
  EXPECT_TRUE(hasLine(black, {585, 432}, {613, 432}));
  EXPECT_TRUE(hasLine(black, {599, 132}, {599, 432}));
  EXPECT_TRUE(hasLine(black, {585, 282}, {613, 282}));
  const std::vector<LinePrimitive> red = linesOf(out, chroma::kToleranceRed);
  EXPECT_TRUE(hasLine(red, {585, 231}, {613, 231}));
  EXPECT_TRUE(hasLine(red, {585, 365}, {613, 365}));
  const std::vector<LinePrimitive> yellow = linesOf(out, chroma::kWarningYellow);
  EXPECT_TRUE(hasLine(yellow, {585, 257}, {613, 257}));
  EXPECT_TRUE(hasLine(yellow, {585, 323}, {613, 323}));

  const std::vector<TextPrimitive> plus = textsEqual(out, "+L*"), minus = textsEqual(out, "-L*");
  ASSERT_EQ(plus.size(), 1u);
  ASSERT_EQ(minus.size(), 1u);
  expectBox(plus[0].box, {539, 135, 60, 30}, "+L*");
  expectBox(minus[0].box, {539, 402, 60, 30}, "-L*");
  EXPECT_EQ(plus[0].flags, unsigned(AlignTop));

  // ΔL* 0.45 → 282 - 37; 9 clamps to the top, -2000 to the bottom.
  EXPECT_TRUE(hasLine(linesOf(out, chroma::kSampleBlue), {603, 245}, {631, 245}));
  const std::vector<LinePrimitive> grey = linesOf(out, chroma::kOtherSamplesGrey);
  EXPECT_TRUE(hasLine(grey, {603, 132}, {631, 132}));
  EXPECT_TRUE(hasLine(grey, {603, 432}, {631, 432}));
}

TEST_F(SquareJob, NoPlotWithoutPairOneGroupOrRoom) {
  struct Case {
    const char* what;
    int groups;
    ColorSpace space;
    bool sample;
    int side;
  } cases[] = {
      {"two groups", 1, CieLab, true, 300}, {"three groups", 2, CieLab, true, 300},
      {"RGB", 0, CieRgb, true, 300},        {"no current sample", 0, CieLab, false, 300},
      {"no plot side", 0, CieLab, true, 0},
  };
  for (const Case& c : cases) {
    job.colorSpace = c.space;
    job.currentSample = c.sample ? 0 : -1;
    state.illuminantGroups = c.groups;
    state.layout = fixedLayout(c.side, {60, 80, 80, 60, 80, 80, 60, 80, 80});
    const PlotPrimitives out = paint();
    EXPECT_TRUE(primitivesOf<RectPrimitive>(out).empty()) << c.what;
    EXPECT_TRUE(primitivesOf<GradientPolygonPrimitive>(out).empty()) << c.what;
    EXPECT_TRUE(linesOf(out, chroma::kOtherSamplesGrey).empty()) << c.what;
  }
}

// The painter's one test: a repaint of the heading's strip touches nothing of the plot.
TEST_F(SquareJob, UpdateRectangleOverTheHeadingSkipsThePlot) {
  const PlotPrimitives out = paint();
  const PlotBox heading{0, 0, 900, 60};
  int painted = 0;
  for (const PlotPrimitive& p : out) {
    if (!needsPainting(p, heading)) continue;
    ++painted;
    EXPECT_FALSE(std::holds_alternative<RectPrimitive>(p));
    EXPECT_FALSE(std::holds_alternative<LinePrimitive>(p));
  }
  EXPECT_GE(painted, 5);  // background, two names with labels, observer line, ...
}

// A CIE XYZ job: S = 310 so that no expected offset falls on an integer.
// xL = (14.4 + 220 + 5 + 900 - 120 - 248) / 2 = 385.7;
// yT = (500 + 64 - 40 - 279) / 2 = 122.5; yB = 401.5.
// ΔY limits -0.43 / 0.25: full scale 0.774.
struct XyJob : ::testing::Test {
  JobManager manager;
  Job job{manager};
  ChromaPaneState state;
  TextMeasure measure = fivePixelsPerCharacter();

  void SetUp() override {
    job.colorSpace = CieXyz;
    job.setColorFormula(Cie1976);
    job.addStandard(curveSample("Std"), true);
    job.addSample(curveSample("Other", 20), false);
    job.addSample(labSample("hand", 50, 10, 10, A, Observer10), false);  // not usable under D65
    job.addSample(curveSample("Smp", 10), true);
    setLimits(job, 0, -0.43f, 0.25f);
    job.toleranceQuotiety = 0.5f;
    auto& e = job.table.entries[0];
    e.standardValues[3][0] = 0.30f, e.standardValues[4][0] = 0.32f;
    e.sampleValues[3][0] = 0.40f, e.sampleValues[4][0] = 0.36f;
    e.sampleValues[3][2] = 0.31f, e.sampleValues[4][2] = 0.33f;
    e.sampleDifferences[1][0] = -0.05f, e.sampleDifferences[1][1] = -2000;
    e.sampleDifferences[1][2] = 0.1f;
    state.layout = fixedLayout(310);
  }
  PlotPrimitives paint() { return chromaPanePrimitives(&job, state, 900, 500, measure); }
};

TEST_F(XyJob, Geometry) {
  const ChromaContext context{job, 900, 500, state.layout, 0, 0.774f, measure};
  const XyDiagramGeometry g = xyDiagramGeometry(context);
  EXPECT_NEAR(g.left, 385.7, 1e-4);
  EXPECT_NEAR(g.top, 122.5, 1e-4);
  EXPECT_NEAR(g.bottom, 401.5, 1e-4);
  const PlotPoint p = g.map(0.5, 0.25);
  EXPECT_NEAR(p.x, 540.7, 1e-4);
  EXPECT_NEAR(p.y, 324.0, 1e-4);
}

TEST_F(XyJob, SpectralLocus) {
  const std::vector<GradientPolygonPrimitive> locus =
      primitivesOf<GradientPolygonPrimitive>(paint());
  ASSERT_EQ(locus.size(), 1u);
  ASSERT_EQ(locus[0].points.size(), 36u);
  ASSERT_EQ(locus[0].colors.size(), 36u);
  EXPECT_NEAR(locus[0].points[0].x, 385.7 + 310 * 0.17839, 1e-9);
  EXPECT_NEAR(locus[0].points[0].y, 401.5 - 310 * 0.01871, 1e-9);
  EXPECT_NEAR(locus[0].points[26].x, 385.7 + 310 * 0.72036, 1e-9);  // red end
  EXPECT_NEAR(locus[0].points[35].y, 401.5 - 310 * 0.2698, 1e-9);   // last of the purples
  EXPECT_EQ(locus[0].colors[0], 0xFF380083u);                       // 56, 0, 131
  EXPECT_EQ(locus[0].colors[14], 0xFF84D100u);                      // 132, 209, 0
  EXPECT_EQ(locus[0].colors[35], 0xFFFF0017u);                      // 255, 0, 23
  EXPECT_NEAR(locus[0].center.x, 385.7 + 310 / 3.0, 1e-9);
  EXPECT_NEAR(locus[0].center.y, 401.5 - 310 / 3.0, 1e-9);
  EXPECT_EQ(locus[0].centerColor, 0xFFFFFFFFu);
  EXPECT_FALSE(locus[0].antialiased);
}

TEST_F(XyJob, GridLinesAndLabels) {
  const PlotPrimitives out = paint();
  const std::vector<LinePrimitive> major = linesOf(out, chroma::kGridMajor);
  const std::vector<LinePrimitive> minor = linesOf(out, chroma::kGridMinor);
  EXPECT_EQ(major.size(), 10u + 9u);
  EXPECT_EQ(minor.size(), 36u + 32u);
  for (const LinePrimitive& l : major) EXPECT_FALSE(l.antialiased);
  // Horizontal line 45 lies on the top; vertical line 40 on the right edge 0.8 S.
  EXPECT_TRUE(hasLine(major, {385.7, 122.5}, {633.7, 122.5}, 1e-6));
  EXPECT_TRUE(hasLine(major, {633.7, 122.5}, {633.7, 401.5}, 1e-6));
  EXPECT_TRUE(hasLine(minor, {385.7, 401.5 - 6.2}, {633.7, 401.5 - 6.2}, 1e-6));

  struct Label {
    const char* text;
    PlotBox box;
    unsigned flags;
    std::uint32_t color;
  } labels[] = {
      {"0.0", {325.7, 401.5 - 20 / 3.0, 60, 20}, AlignVCenter, chroma::kGridMajor},
      {"y", {325.7, 122.5, 60, 20}, AlignVCenter, chroma::kAxisName},
      {"x", {616.7, 401.5, 20, 20}, AlignHCenter | AlignVCenter, chroma::kAxisName},
  };
  // The table's "x" and "y" value labels are in the table font.
  auto gridTexts = [&](std::string_view text) {
    std::vector<TextPrimitive> found;
    for (const TextPrimitive& t : textsEqual(out, text))
      if (t.font == FontRole::GridLabel) found.push_back(t);
    return found;
  };
  for (const Label& l : labels) {
    const std::vector<TextPrimitive> found = gridTexts(l.text);
    ASSERT_EQ(found.size(), 1u) << l.text;  // "0.0" only on the y axis
    expectBox(found[0].box, l.box, l.text, 1e-6);
    EXPECT_EQ(found[0].flags, l.flags) << l.text;
    EXPECT_EQ(found[0].color, l.color) << l.text;
    EXPECT_EQ(found[0].font, FontRole::GridLabel);
    EXPECT_EQ(found[0].pointSize, 10);  // (int)(0.53 × 20)
  }
  // Both axes label 0.1 to 0.7; "0.4": i = 20 on the y axis at yB - 124 - F/3, j = 20 on the x
  // axis.
  const std::vector<TextPrimitive> point4 = gridTexts("0.4");
  ASSERT_EQ(point4.size(), 2u);
  expectBox(point4[0].box, {325.7, 401.5 - 124 - 20 / 3.0, 60, 20}, "0.4 y", 1e-6);
  expectBox(point4[1].box, {479.7, 401.5, 60, 20}, "0.4 x", 1e-6);
  EXPECT_TRUE(gridTexts("0.9").empty());   // i = 45 reads "y"
  EXPECT_EQ(gridTexts("0.8").size(), 1u);  // on the y axis only: j = 40 reads "x"
}

TEST_F(XyJob, WavelengthMarks) {
  const PlotPrimitives out = paint();
  const std::vector<FilledEllipsePrimitive> dots = primitivesOf<FilledEllipsePrimitive>(out);
  ASSERT_EQ(dots.size(), 19u);
  expectBox(dots[1].box, {385.7 + 310 * 0.13892 - 2.5, 401.5 - 310 * 0.05892 - 2.5, 5, 5}, "460");
  EXPECT_EQ(dots[1].color, chroma::kWavelengthMark);

  struct Mark {
    const char* label;
    PlotBox box;
    unsigned flags;
  } marks[] = {
      // Right, moved by (int)(0.8 F) = 16 and (int)(-0.45 F) = -9.
      {"510", {385.7 + 310 * 0.04954 - 60 + 16, 142 - 9, 60, 20}, AlignVCenter | SingleLine},
      // Left: (int)(x + 2), top (int)(y - F/2).
      {"520", {426, 140, 60, 20}, AlignLeft | AlignVCenter | SingleLine},
      // Seven characters wide; moved by 22 and 10.
      {"700~780", {385.7 + 310 * 0.72036 - 140 + 22, 304 + 10, 140, 20}, AlignVCenter | SingleLine},
      // dy 0.15 moves it by (int)3.
      {"620", {599, 293 + 3, 60, 20}, AlignLeft | AlignVCenter | SingleLine},
      // dx and dy of 0: no move.
      {"380~410",
       {int(385.7 + 310 * 0.17839 + 2), int(401.5 - 310 * 0.01871 - 10), 140, 20},
       AlignLeft | AlignVCenter | SingleLine},
  };
  for (const Mark& m : marks) {
    const std::vector<TextPrimitive> found = textsEqual(out, m.label);
    ASSERT_EQ(found.size(), 1u) << m.label;
    expectBox(found[0].box, m.box, m.label, 1e-6);
    EXPECT_EQ(found[0].flags, m.flags) << m.label;
    EXPECT_EQ(found[0].font, FontRole::WavelengthLabel);
    EXPECT_EQ(found[0].pointSize, 8);
    EXPECT_EQ(found[0].color, chroma::kWavelengthMark);
  }
}

// Oblique crosses of half size 5 at the records' x, y; the unusable sample has none.
TEST_F(XyJob, RecordMarkers) {
  const PlotPrimitives out = paint();
  auto crossAt = [&](std::uint32_t color, double x, double y) {
    const double px = 385.7 + 310 * x, py = 401.5 - 310 * y;
    const std::vector<LinePrimitive> lines = linesOf(out, color);
    for (const LinePrimitive& l : lines)
      if (hasLine({l}, {px - 5, py - 5}, {px + 5, py + 5}, 1e-4)) return l.penWidth == 1.6;
    return false;
  };
  EXPECT_TRUE(crossAt(chroma::kOtherSamplesGrey, 0.40, 0.36));
  EXPECT_TRUE(crossAt(chroma::kOtherSamplesGrey, 0.31, 0.33));  // the current one in grey too
  EXPECT_TRUE(crossAt(chroma::kStandardGreen, 0.30, 0.32));
  EXPECT_TRUE(crossAt(chroma::kSampleBlue, 0.31, 0.33));
  EXPECT_FALSE(crossAt(chroma::kOtherSamplesGrey, 0, 0));  // the unusable sample's zeros
  // The sample cross is the last drawn before the bar: after the standard's.
  std::size_t standardAt = 0, sampleAt = 0;
  for (std::size_t i = 0; i < out.size(); ++i)
    if (const auto* l = std::get_if<LinePrimitive>(&out[i])) {
      if (l->color == chroma::kStandardGreen) standardAt = i;
      if (l->color == chroma::kSampleBlue && l->penWidth == 1.6) sampleAt = i;
    }
  EXPECT_GT(sampleAt, standardAt);
}

// Bar at 0.8 × 310 + 385.7 + 3 = 636.7, axis 696.7, height 279, ymid 262;
// markers at (int)(18 + 696.7) = 714. ΔY limits: up (int)(0.25/0.774 × 139.5) = 45,
// down (int)77.5 = 77; the markers read ΔY (difference 1).
TEST_F(XyJob, DeltaYBar) {
  const PlotPrimitives out = paint();
  EXPECT_TRUE(hasLine(linesOf(out, chroma::kBlack), {696.7, 122.5}, {696.7, 401.5}, 1e-6));
  const std::vector<LinePrimitive> red = linesOf(out, chroma::kToleranceRed);
  EXPECT_TRUE(hasLine(red, {682.7, 217}, {710.7, 217}, 1e-6));
  EXPECT_TRUE(hasLine(red, {682.7, 339}, {710.7, 339}, 1e-6));
  const std::vector<LinePrimitive> yellow = linesOf(out, chroma::kWarningYellow);
  EXPECT_TRUE(hasLine(yellow, {682.7, 240}, {710.7, 240}, 1e-6));
  EXPECT_TRUE(hasLine(yellow, {682.7, 300}, {710.7, 300}, 1e-6));
  // 0.1 → 262 - (int)18.02; -0.05 → 262 + 9; -2000 clamps to the bottom.
  EXPECT_TRUE(hasLine(linesOf(out, chroma::kSampleBlue), {700, 244}, {728, 244}, 1e-6));
  const std::vector<LinePrimitive> grey = linesOf(out, chroma::kOtherSamplesGrey);
  EXPECT_TRUE(hasLine(grey, {700, 271}, {728, 271}, 1e-6));
  EXPECT_TRUE(hasLine(grey, {700, 401.5}, {728, 401.5}, 1e-6));
  EXPECT_EQ(textsEqual(out, "Full Scale:   0.77").size(), 1u);
  EXPECT_EQ(textsEqual(out, "+Y").size(), 1u);
}

// Zero ΔY limits give a zero full scale: the limits sit on the middle, any
// non-zero ΔY on the end of its side, a zero ΔY in the middle.
TEST_F(XyJob, ZeroFullScale) {
  setLimits(job, 0, 0, 0);
  job.table.entries[0].sampleDifferences[1][0] = 0;
  const PlotPrimitives out = paint();
  EXPECT_EQ(textsEqual(out, "Full Scale:   0.00").size(), 1u);
  const std::vector<LinePrimitive> red = linesOf(out, chroma::kToleranceRed);
  ASSERT_EQ(red.size(), 2u);
  for (const LinePrimitive& l : red) EXPECT_EQ(l.from.y, 262);
  EXPECT_TRUE(hasLine(linesOf(out, chroma::kSampleBlue), {700, 122.5}, {728, 122.5}, 1e-6));
  const std::vector<LinePrimitive> grey = linesOf(out, chroma::kOtherSamplesGrey);
  EXPECT_TRUE(hasLine(grey, {700, 262}, {728, 262}, 1e-6));
  EXPECT_TRUE(hasLine(grey, {700, 401.5}, {728, 401.5}, 1e-6));
}

}  // namespace
}  // namespace corvana
