// The chromaticity pane painted with the real QPainter onto images and
// through the job window: chosen pixels against the geometry of the pane.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>

#include "core/job.h"
#include "core/job_manager.h"
#include "plots/chroma_colors.h"
#include "qt/child_frame.h"
#include "qt/main_frame.h"
#include "qt/views/chroma_painter.h"
#include "qt/views/chroma_view.h"
#include "qt/views/path_gradient.h"
#include "tests/core/job_fixtures.h"

namespace corvana {
namespace {

using testing::curveSample;

constexpr QRgb kBackground = chroma::kBackground;
constexpr QRgb kRed = chroma::kToleranceRed;
constexpr QRgb kGreen = chroma::kStandardGreen;
constexpr QRgb kBlue = chroma::kSampleBlue;

int countPixels(const QImage& image, QRgb color, QRect area = {}) {
  if (area.isNull()) area = image.rect();
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += image.pixel(x, y) == color;
  return n;
}

// The pixel of the box nearest to `color`, as the largest channel distance:
// antialiased glyphs reach their colour only in the cores of their strokes.
int nearestDistance(const QImage& image, const QRectF& box, QRgb color) {
  int best = 255;
  const QRect r = box.toAlignedRect().intersected(image.rect());
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) {
      const QRgb p = image.pixel(x, y);
      best = std::min(
          best, std::max({std::abs(qRed(p) - qRed(color)), std::abs(qGreen(p) - qGreen(color)),
                          std::abs(qBlue(p) - qBlue(color))}));
    }
  return best;
}

QRectF rectOf(const PlotBox& b) { return {b.x, b.y, b.width, b.height}; }

template <class T>
std::vector<T> primitivesOf(const PlotPrimitives& list, std::uint32_t color) {
  std::vector<T> out;
  for (const PlotPrimitive& p : list)
    if (const T* t = std::get_if<T>(&p); t && t->color == color) out.push_back(*t);
  return out;
}

// A CIE LAB job: one standard, a current sample inside the tolerance box,
// one far outside; limits ±1 on every component.
class PaneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LanguageIndex = English;
    job.addStandard(curveSample("Std"), true);
    job.addSample(curveSample("far", 20), false);
    job.addSample(curveSample("near", 0.5f), true);
    for (ToleranceSet& t : job.toleranceB) t.lower = -1, t.upper = 1;
  }
  // What the pane lists for the image size, measured as the image measures.
  PlotPrimitives primitives(QSize size) {
    const QImage probe = ui::screenLikeImage(QSize(1, 1));
    const TextMeasure measure = ui::textMeasureOn(probe);
    ChromaPaneState state;
    state.illuminantGroups = illuminantGroupsOf(job);
    relayoutChromaPane(job, state, size.width(), size.height(), measure);
    return chromaPanePrimitives(&job, state, size.width(), size.height(), measure);
  }
  JobManager manager;
  Job job{manager};
};

TEST(ChromaPaneImage, WithoutAJobOnlyTheBackground) {
  const QImage image = renderChromaPane(nullptr, QSize(320, 200));
  EXPECT_EQ(countPixels(image, kBackground), 320 * 200);
}

TEST_F(PaneTest, ToleranceBoxValuesAndCurrentMarkerWhereTheGeometrySays) {
  const QSize size(900, 500);
  const QImage image = renderChromaPane(&job, size);
  const PlotPrimitives list = primitives(size);
  EXPECT_EQ(image.pixel(size.width() - 2, size.height() - 2), kBackground);

  const std::vector<RectPrimitive> red = primitivesOf<RectPrimitive>(list, kRed);
  ASSERT_EQ(red.size(), 1u);
  const PlotBox box = red[0].box;
  EXPECT_EQ(image.pixel(int(box.x), int(box.y) + 2), kRed) << "left edge";
  EXPECT_EQ(image.pixel(int(box.right()), int(box.bottom()) - 2), kRed) << "right edge";
  EXPECT_NE(image.pixel(int(box.x) - 2, int(box.y) + 2), kRed) << "outside the edge";

  // The current sample's crosses (square and bar): their horizontal arms
  // are sample blue, crisp, pixel for pixel, except where another mark crosses.
  const std::vector<LinePrimitive> blue = primitivesOf<LinePrimitive>(list, kBlue);
  bool crossFound = false;
  for (const LinePrimitive& l : blue) {
    const int from = int(std::min(l.from.x, l.to.x)), to = int(std::max(l.from.x, l.to.x));
    if (l.from.y != l.to.y || to - from > 60) continue;  // the -b* axis
    int exact = 0;
    for (int x = from; x < to; ++x) exact += image.pixel(x, int(l.from.y)) == kBlue;
    EXPECT_GE(exact, (to - from) / 2) << "arm at " << from << "," << l.from.y;
    crossFound = true;
  }
  EXPECT_TRUE(crossFound);

  // Standard values in the table and the heading's name are standard green.
  const std::vector<TextPrimitive> green = primitivesOf<TextPrimitive>(list, kGreen);
  ASSERT_FALSE(green.empty());
  for (const TextPrimitive& t : green)
    EXPECT_LE(nearestDistance(image, rectOf(t.box), kGreen), 40) << t.text;
}

TEST_F(PaneTest, IlluminantGroups) {
  struct Case {
    std::uint32_t count;
    bool plot;
  };
  for (const Case c : {Case{1, true}, Case{2, false}, Case{3, false}}) {
    job.IlluminantCount = c.count;
    const QSize size(1100, 600);
    const QImage image = renderChromaPane(&job, size);
    const PlotPrimitives list = primitives(size);
    EXPECT_EQ(countPixels(image, kRed) > 0, c.plot) << c.count << " illuminants";
    // Standard values in the columns of every group: the group's standard
    // column starts to the right of the previous groups.
    double rightmost = 0;
    for (const TextPrimitive& t : primitivesOf<TextPrimitive>(list, kGreen)) {
      if (t.text.find('.') == std::string::npos) continue;  // the name
      EXPECT_LE(nearestDistance(image, rectOf(t.box), kGreen), 40) << t.text;
      rightmost = std::max(rightmost, t.box.x);
    }
    int groupsSeen = 1;
    for (const TextPrimitive& t : primitivesOf<TextPrimitive>(list, chroma::kBlack))
      if (t.text == "D65" || t.text == "A" || t.text == "F2") groupsSeen += t.text != "D65";
    EXPECT_EQ(groupsSeen, int(c.count));
    EXPECT_GT(rightmost, 0);
  }
}

TEST_F(PaneTest, ColourSpaceDecidesThePlot) {
  const QSize size(1000, 600);
  job.colorSpace = CieXyz;
  job.recomputeAll();
  QImage image = renderChromaPane(&job, size);
  PlotPrimitives list = primitives(size);
  const GradientPolygonPrimitive* locus = nullptr;
  for (const PlotPrimitive& p : list)
    if (const auto* g = std::get_if<GradientPolygonPrimitive>(&p)) locus = g;
  ASSERT_NE(locus, nullptr);
  // Half way from the white point to the green vertex 12: green, not grey.
  const double x = (locus->center.x + locus->points[12].x) / 2;
  const double y = (locus->center.y + locus->points[12].y) / 2;
  const QRgb inside = image.pixel(int(x), int(y));
  EXPECT_NE(inside, kBackground);
  EXPECT_GT(qGreen(inside), qRed(inside) + 30);
  EXPECT_GT(qGreen(inside), qBlue(inside) + 30);
  // Near the white point nearly white (between the grid lines).
  int brightest = 0;
  for (int dx = 0; dx < 10; ++dx) {
    const QRgb p = image.pixel(int(locus->center.x) + dx, int(locus->center.y) + 4);
    brightest = std::max(brightest, qRed(p) + qGreen(p) + qBlue(p));
  }
  EXPECT_GT(brightest, 3 * 220);

  job.colorSpace = CieRgb;
  job.recomputeAll();
  image = renderChromaPane(&job, size);
  EXPECT_EQ(countPixels(image, kRed), 0);
  EXPECT_EQ(countPixels(image, chroma::kWarningYellow), 0);
}

TEST_F(PaneTest, UpdateRectangleLeavesTheRestUnpainted) {
  const QSize size(900, 500);
  const PlotPrimitives list = primitives(size);
  const PlotBox box = primitivesOf<RectPrimitive>(list, kRed).at(0).box;
  QImage image = ui::screenLikeImage(size);
  constexpr QRgb kUntouched = 0xFF123456;
  image.fill(kUntouched);
  {
    QPainter painter(&image);
    // The heading's first rows only, well above the plot.
    ui::paintPrimitives(painter, list, {0, 0, double(size.width()), 10});
  }
  EXPECT_EQ(image.pixel(int(box.x), int(box.y) + 2), kUntouched);
  EXPECT_EQ(image.pixel(size.width() - 2, 5), kBackground);
  EXPECT_EQ(countPixels(image, kUntouched, QRect(0, 10, size.width(), size.height() - 10)),
            size.width() * (size.height() - 10));
}

TEST_F(PaneTest, CrispAtTwiceThePixelRatio) {
  const QSize size(900, 500);
  const QImage image = renderChromaPane(&job, size, 2);
  ASSERT_EQ(image.size(), size * 2);
  const PlotBox box = primitivesOf<RectPrimitive>(primitives(size), kRed).at(0).box;
  // A one-pixel pen is two device pixels wide, both fully red, no half tones.
  const int x = int(box.x) * 2, y = int(box.y) * 2 + 5;
  EXPECT_EQ(image.pixel(x - 1, y), kRed);
  EXPECT_EQ(image.pixel(x, y), kRed);
  EXPECT_EQ(image.pixel(x - 2, y), image.pixel(x - 3, y)) << "background beside it";
}

TEST(PathGradient, NoSeamsBetweenTheTrianglesOfTheFan) {
  // One colour everywhere: every pixel inside takes it, none is left out.
  ui::PathGradient flat{{{10, 10}, {90, 10}, {90, 90}, {10, 90}, {10, 50}},
                        {0xFF336699, 0xFF336699, 0xFF336699, 0xFF336699, 0xFF336699},
                        {40, 60},
                        0xFF336699};
  const QImage image = ui::rasterisePathGradient(flat, QRect(0, 0, 100, 100));
  EXPECT_EQ(countPixels(image, 0xFF336699, QRect(10, 10, 80, 80)), 80 * 80);
  EXPECT_EQ(countPixels(image, 0, QRect(0, 0, 100, 10)), 100 * 10) << "outside stays clear";

  // Distinct colours blend smoothly: neighbours differ by little.
  ui::PathGradient blend{{{0, 0}, {99, 0}, {99, 99}, {0, 99}},
                         {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF000000},
                         {50, 50},
                         0xFFFFFFFF};
  const QImage smooth = ui::rasterisePathGradient(blend, QRect(0, 0, 100, 100));
  int worst = 0;
  for (int y = 1; y < 99; ++y)
    for (int x = 1; x < 98; ++x) {
      const QRgb a = smooth.pixel(x, y), b = smooth.pixel(x + 1, y);
      worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                        std::abs(qBlue(a) - qBlue(b))});
    }
  EXPECT_LE(worst, 12);
  EXPECT_EQ(qAlpha(smooth.pixel(50, 50)), 255);
}

// The job window: a new current sample brings the plot and its values; the
// current sample, the conditions, the display mode, the language and the
// size follow.
TEST(ChromaPaneInJobWindow, FollowsRecordsConditionsAndLanguage) {
  LanguageIndex = English;
  auto frame = std::make_unique<CMainFrame>();
  frame->resize(1280, 800);
  CChildFrame* child = frame->newJob();
  frame->show();
  QApplication::processEvents();
  Job& job = child->job();
  for (ToleranceSet& t : job.toleranceB) t.lower = -1, t.upper = 1;
  auto* view = child->findChild<ChromaView*>("chromaView");
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->plot()->geometry(), view->rect());
  const auto grab = [&] {
    QApplication::processEvents();
    return view->plot()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
  };
  job.addStandard(curveSample("Std"), true);
  const QImage before = grab();
  EXPECT_EQ(countPixels(before, kRed), 0) << "no plot without a sample";
  EXPECT_EQ(countPixels(before, kBlue), 0);

  job.addSample(curveSample("new", 0.5f), true);
  const QImage after = grab();
  EXPECT_GT(countPixels(after, kRed), 0) << "the plot came with the sample";
  EXPECT_GT(countPixels(after, kBlue), 0) << "the sample's values and marker";

  // Another current sample: other values and the marker elsewhere.
  constexpr QRgb kGrey = chroma::kOtherSamplesGrey;
  job.addSample(curveSample("other", 6), false);
  const QImage withOther = grab();
  EXPECT_GT(countPixels(withOther, kGrey), countPixels(after, kGrey) + 20)
      << "the other sample's grey markers";
  job.selectSample(1, true);
  const QImage selected = grab();
  EXPECT_NE(selected, withOther);
  EXPECT_GT(countPixels(selected, kGrey), countPixels(after, kGrey) + 20)
      << "the first sample's markers turned grey";

  // A condition change: RGB has no plot.
  job.colorSpace = CieRgb;
  job.recomputeAll();
  EXPECT_EQ(countPixels(grab(), kRed), 0) << "RGB: no plot";
  job.colorSpace = CieLab;
  job.recomputeAll();
  EXPECT_GT(countPixels(grab(), kRed), 0);

  job.setIlluminantCount(3);
  EXPECT_EQ(view->plot()->state().illuminantGroups, 2);
  EXPECT_EQ(countPixels(grab(), kRed), 0) << "three groups, no plot";
  job.setIlluminantCount(1);

  const ChromaLayout english = view->plot()->state().layout;
  LanguageIndex = ChineseSimplified;
  frame->relabelAll();
  const ChromaLayout chinese = view->plot()->state().layout;
  EXPECT_NE(chinese.columnWidths[0], english.columnWidths[0]) << "labels measured anew";
  LanguageIndex = English;

  const QSize old = view->size();
  frame->resize(1600, 1000);
  QApplication::processEvents();
  EXPECT_NE(view->size(), old);
  EXPECT_EQ(view->plot()->size(), view->size());

  for (CChildFrame* c : frame->children()) c->job().setModified(false);
}

}  // namespace
}  // namespace corvana
