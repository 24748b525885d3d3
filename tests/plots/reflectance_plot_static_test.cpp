#include "plots/reflectance_plot_static.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/plots/spectral_test_support.h"

namespace corvana::spectral {
namespace {

using testing::itemsOf;
using testing::sixPixelsPerByte;
using testing::textsNamed;

std::unique_ptr<ReflectancePlotCurve> curve(const char* name, std::uint32_t bgr, float value) {
  auto c = std::make_unique<ReflectancePlotCurve>();
  c->name = name;
  c->bgr = bgr;
  c->values.fill(value);
  return c;
}

struct EngineCase {
  int left, top, right, bottom;
  Rect caption, yLabels, plot, xLabels, spectrum;
  double perPercent, perNm;
};

TEST(ReflectancePlotEngine, LayoutBands) {
  // m = bottom - 21 - 24 - 10; the plot from left + 67 to right - 20.
  const EngineCase cases[] = {
      {0,
       0,
       400,
       300,
       {10, 10, 24, 235},
       {34, 10, 28, 235},
       {67, 10, 313, 235},
       {67, 250, 313, 21},
       {67, 271, 313, 24},
       -2.35,
       313.0 / 300},
      {10,
       20,
       410,
       320,
       {20, 30, 24, 235},
       {44, 30, 28, 235},
       {77, 30, 313, 235},
       {77, 270, 313, 21},
       {77, 291, 313, 24},
       -2.35,
       313.0 / 300},
  };
  for (const EngineCase& c : cases) {
    ReflectancePlotEngine e;
    e.layout(c.left, c.top, c.right, c.bottom);
    EXPECT_EQ(e.captionStrip(), c.caption);
    EXPECT_EQ(e.yLabelColumn(), c.yLabels);
    EXPECT_EQ(e.plot(), c.plot);
    EXPECT_EQ(e.xLabelBand(), c.xLabels);
    EXPECT_EQ(e.spectrumBand(), c.spectrum);
    EXPECT_DOUBLE_EQ(e.pixelsPerPercent(), c.perPercent);
    EXPECT_DOUBLE_EQ(e.pixelsPerNanometre(), c.perNm);
  }
}

TEST(ReflectancePlotEngine, MapsToTheNearestPixel) {
  ReflectancePlotEngine e;
  e.layout(0, 0, 400, 300);
  EXPECT_EQ(e.map(400, 0), (Point{67, 245}));
  EXPECT_EQ(e.map(700, 100), (Point{380, 10}));
  EXPECT_EQ(e.map(450, 20), (Point{119, 198}));  // 52.17 -> 52, -47
  EXPECT_EQ(e.map(410, 1), (Point{77, 243}));    // 10.43 -> 10, -2.35 -> -2
  EXPECT_EQ(e.map(420, 3), (Point{88, 238}));    // 20.87 -> 21, -7.05 -> -7
}

TEST(ReflectancePlotEngine, BackgroundFrameGridLabelsAndSpectrum) {
  ReflectancePlotEngine e;
  e.layout(0, 0, 400, 300);
  DrawList out({0, 0, 400, 300});
  e.drawBackground(out);

  const auto frames = itemsOf<Polyline>(out);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_TRUE(frames[0].closed);
  EXPECT_EQ(frames[0].points, (std::vector<Point>{{67, 245}, {67, 10}, {380, 10}, {380, 245}}));
  EXPECT_EQ(frames[0].argb, 0xFF000000u);

  const auto grid = itemsOf<Line>(out);
  ASSERT_EQ(grid.size(), 6u + 7u);
  for (const Line& l : grid) EXPECT_EQ(l.argb, 0xFF808080u);
  EXPECT_EQ(grid[1].from, (Point{67, 198}));  // 20 %
  EXPECT_EQ(grid[1].to, (Point{380, 198}));
  EXPECT_EQ(grid[7].from, (Point{119, 245}));  // 450 nm
  EXPECT_EQ(grid[7].to, (Point{119, 10}));

  const auto zero = textsNamed(out, "0");
  ASSERT_EQ(zero.size(), 1u);
  EXPECT_EQ(zero[0].box, (Rect{34, 235, 28, 21}));  // centred on y 245
  EXPECT_EQ(zero[0].flags, unsigned(AlignVCenter | SingleLine));
  EXPECT_EQ(zero[0].font, (Font{FontFace::Arial, 14, FontUnit::Pixels}));
  const auto x450 = textsNamed(out, "450");
  ASSERT_EQ(x450.size(), 1u);
  EXPECT_EQ(x450[0].box, (Rect{94, 250, 50, 21}));
  EXPECT_EQ(x450[0].flags, unsigned(AlignHCenter | AlignVCenter | SingleLine));

  const auto caption = textsNamed(out, "Reflectance(%)");
  ASSERT_EQ(caption.size(), 1u);
  EXPECT_TRUE(caption[0].readsUpwards);
  EXPECT_EQ(caption[0].box, e.captionStrip());
  EXPECT_EQ(caption[0].font, (Font{FontFace::Arial, 16, FontUnit::Pixels}));

  const auto images = itemsOf<ImagePlacement>(out);
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].target, e.spectrumBand());
  EXPECT_EQ(images[0].sourceRight - images[0].sourceLeft, 402);
  EXPECT_TRUE(images[0].smooth);
  EXPECT_EQ(textsNamed(out, "Wavelength(nm)").size(), 1u);
}

TEST(ReflectancePlotEngine, CurveIsABezierChainThroughItsPoints) {
  ReflectancePlotEngine e;
  e.layout(0, 0, 400, 300);
  DrawList out({0, 0, 400, 300});
  auto c = curve("White", 0x000000FF, 0.2f);
  c->penWidth = 2;
  c->penStyle = PenDash;
  c->values[3] = 0.03f;
  e.drawCurve(out, *c);
  const auto chains = itemsOf<BezierChain>(out);
  ASSERT_EQ(chains.size(), 1u);
  EXPECT_EQ(chains[0].start, (PointF{67, 198}));
  ASSERT_EQ(chains[0].points.size(), 30u);
  EXPECT_EQ(chains[0].points[2], (PointF{98, 238}));  // 430 nm: 31.3 -> 31; 3 %: -7
  EXPECT_EQ(chains[0].argb, 0xFFFF0000u);
  EXPECT_EQ(chains[0].width, 2);
  EXPECT_EQ(chains[0].style, PenDash);
}

TEST(ReflectancePlotStatic, SlotsOwnTheirCurves) {
  ReflectancePlotStatic plot(0xFFF0F0F0);
  EXPECT_TRUE(plot.setCurve(2, curve("Black", 0, 0.1f)));
  EXPECT_EQ(plot.slotCount(), 3u);
  EXPECT_EQ(plot.curve(0), nullptr);
  EXPECT_EQ(plot.curve(1), nullptr);
  ASSERT_NE(plot.curve(2), nullptr);
  EXPECT_EQ(plot.curve(2)->name, "Black");

  plot.setCurve(2, curve("White", 0, 0.9f));
  EXPECT_EQ(plot.curve(2)->name, "White");

  // Putting back the curve a slot holds keeps it alive and owned once.
  ReflectancePlotCurve* same = const_cast<ReflectancePlotCurve*>(plot.curve(2));
  plot.setCurve(2, std::unique_ptr<ReflectancePlotCurve>(same));
  ASSERT_EQ(plot.curve(2), same);
  EXPECT_EQ(plot.curve(2)->name, "White");

  plot.setCurve(2, nullptr);
  EXPECT_EQ(plot.curve(2), nullptr);
  EXPECT_EQ(plot.curve(7), nullptr);
}

TEST(ReflectancePlotStatic, PaintComposesFaceBackgroundAndCurvesInSlotOrder) {
  ReflectancePlotStatic plot(0xFFF0F0F0);
  plot.attach(400, 300);
  plot.setCurve(1, curve("Black", 0x00FF0000, 0.1f));
  plot.setCurve(0, curve("White", 0x000000FF, 0.8f));
  const DrawList out = plot.paint();
  ASSERT_EQ(out.items().size(), 4u);
  const auto* face = std::get_if<FillRect>(&out.items()[0]);
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(face->box, (Rect{0, 0, 400, 300}));
  EXPECT_EQ(face->argb, 0xFFF0F0F0u);
  const auto* background = std::get_if<ImagePlacement>(&out.items()[1]);
  ASSERT_NE(background, nullptr);
  EXPECT_EQ(background->image, ImageId::CachedBackground);
  const auto chains = itemsOf<BezierChain>(out);
  ASSERT_EQ(chains.size(), 2u);
  EXPECT_EQ(chains[0].argb, 0xFFFF0000u);  // slot 0 first
  EXPECT_EQ(chains[1].argb, 0xFF0000FFu);
  EXPECT_EQ(chains[0].start, (PointF{67, 245 - 188}));  // 80 % at -2.35 px each
}

TEST(ReflectancePlotStatic, BackgroundRebuiltOnResizeButNotWhenMinimised) {
  ReflectancePlotStatic plot(0xFFF0F0F0);
  plot.attach(400, 300);
  const int first = plot.backgroundGeneration();
  EXPECT_FALSE(itemsOf<Line>(plot.background()).empty());
  plot.resize(0, 0, true);
  EXPECT_EQ(plot.backgroundGeneration(), first);
  EXPECT_EQ(plot.engine().plot(), (Rect{67, 10, 313, 235}));
  plot.resize(500, 400, false);
  EXPECT_NE(plot.backgroundGeneration(), first);
  EXPECT_EQ(plot.engine().plot(), (Rect{67, 10, 413, 335}));
}

TEST(ReflectancePlotStatic, RenderOntoAnotherSurfaceUsesTheGivenRectangle) {
  auto white = curve("White", 0x000000FF, 0.5f);
  const DrawList out =
      ReflectancePlotStatic::render(10, 20, 410, 320, {white.get(), nullptr, white.get()});
  EXPECT_TRUE(itemsOf<FillRect>(out).empty());  // the surface is filled by its owner
  const auto frames = itemsOf<Polyline>(out);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].points[0], (Point{77, 265}));
  EXPECT_EQ(itemsOf<BezierChain>(out).size(), 2u);
}

struct LegendCase {
  int left, top, right, bottom;
  double fontPixels;
  Point lineFrom, lineTo;
};

TEST(LegendEntry, TextThenLineSampleToTheRight) {
  // "White" measures 30 px: the line starts 5 px after the text end.
  const LegendCase cases[] = {
      {10, 20, 200, 40, 14, {50, 30}, {195, 30}},
      {10, 20, 200, 35, 14, {50, 27}, {195, 27}},
      {10, 20, 200, 34, 11, {50, 27}, {195, 27}},  // 14 x 4 / 5 = 11
      {0, 0, 100, 10, 8, {40, 5}, {95, 5}},
  };
  for (const LegendCase& c : cases) {
    DrawList out({0, 0, 500, 500});
    drawLegendEntry(out, c.left, c.top, c.right, c.bottom, "White", PenDot, 0x00FF0000,
                    sixPixelsPerByte());
    const auto texts = itemsOf<TextBox>(out);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].box.x, c.left + 5);
    EXPECT_EQ(texts[0].flags, unsigned(AlignLeft | AlignVCenter | SingleLine));
    EXPECT_EQ(texts[0].font, (Font{FontFace::Arial, c.fontPixels, FontUnit::Pixels}));
    const auto lines = itemsOf<Line>(out);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].from, c.lineFrom);
    EXPECT_EQ(lines[0].to, c.lineTo);
    EXPECT_EQ(lines[0].style, PenDot);
    EXPECT_EQ(lines[0].width, 1);
    EXPECT_EQ(lines[0].argb, 0xFF0000FFu);
  }
}

}  // namespace
}  // namespace corvana::spectral
