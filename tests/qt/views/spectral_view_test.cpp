// The reflectance pane and the reflectance plot control drawn by the real
// QPainter onto images and widgets: pixels at the places the geometry gives.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>
#include <functional>

#include "core/job.h"
#include "core/job_manager.h"
#include "core/language_table.h"
#include "plots/logical_wavelength_reflectance.h"
#include "qt/child_frame.h"
#include "qt/main_frame.h"
#include "qt/views/reflectance_plot_control.h"
#include "qt/views/wavelength_reflectance_view.h"
#include "tests/plots/spectral_test_support.h"

namespace corvana {
namespace {

using spectral::testing::flatCurve;
using spectral::testing::withoutCurve;

using ColourTest = std::function<bool(QRgb)>;

const QRgb kBackground = qRgb(0xC0, 0xC0, 0xC0);

// Tints as they come out of an antialiased pen over the grey background.
bool isGreen(QRgb c) { return qGreen(c) > qRed(c) + 40 && qGreen(c) > qBlue(c) + 10; }
bool isBlue(QRgb c) { return qBlue(c) > qRed(c) + 60 && qBlue(c) > qGreen(c) + 60; }
bool isRed(QRgb c) { return qRed(c) > qGreen(c) + 60 && qRed(c) > qBlue(c) + 60; }
bool isMagenta(QRgb c) { return qRed(c) > qGreen(c) + 60 && qBlue(c) > qGreen(c) + 60; }
bool isGrey(QRgb c) {
  return std::abs(qRed(c) - qGreen(c)) < 8 && std::abs(qGreen(c) - qBlue(c)) < 8 &&
         qRed(c) < 0xB0 && qRed(c) > 0x50;
}
bool isDark(QRgb c) { return qGray(c) < 0x60; }

// Whether any pixel within `radius` of `at` passes `test`.
bool near(const QImage& image, QPoint at, const ColourTest& test, int radius = 2) {
  for (int y = at.y() - radius; y <= at.y() + radius; ++y)
    for (int x = at.x() - radius; x <= at.x() + radius; ++x)
      if (image.rect().contains(x, y) && test(image.pixel(x, y))) return true;
  return false;
}

int countIn(const QImage& image, const QRect& box, const ColourTest& test) {
  int n = 0;
  const QRect r = box & image.rect();
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) n += test(image.pixel(x, y)) ? 1 : 0;
  return n;
}

// The dark pixels' bounding box of an image.
QRect inkBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (isDark(image.pixel(x, y))) box |= QRect(x, y, 1, 1);
  return box;
}

QImage replay(const spectral::DrawList& list, QSize size = {300, 300}) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  SpectralPainter().paint(p, list);
  return image;
}

TEST(SpectralPainter, TextLiesAlongItsBoxAndUpwardsAcrossIt) {
  struct Case {
    spectral::Rect box;
    bool upwards;
    bool tall;  // the ink higher than wide
  };
  const Case cases[] = {{{20, 130, 260, 40}, false, false}, {{130, 20, 40, 260}, true, true}};
  for (const Case& c : cases) {
    spectral::DrawList list({0, 0, 300, 300});
    list.text(c.box, "Reflectance(%)",
              spectral::AlignHCenter | spectral::AlignVCenter | spectral::SingleLine,
              {spectral::FontFace::Arial, 16, spectral::FontUnit::Pixels}, 0xFF000000, c.upwards);
    const QRect ink = inkBox(replay(list));
    ASSERT_FALSE(ink.isEmpty()) << c.upwards;
    EXPECT_EQ(ink.height() > ink.width(), c.tall) << c.upwards;
    EXPECT_GT(std::max(ink.width(), ink.height()), 60) << c.upwards;
    // Centred on the box.
    const QRect box(c.box.x, c.box.y, c.box.width, c.box.height);
    EXPECT_LE((ink.center() - box.center()).manhattanLength(), 6) << c.upwards;
  }
}

TEST(SpectralPainter, LongTextsWrapUnlessSingleLineOrElided) {
  struct Case {
    unsigned flags;
    bool oneLine;
  };
  const Case cases[] = {{spectral::AlignLeft | spectral::AlignTop, false},
                        {spectral::AlignLeft | spectral::AlignTop | spectral::SingleLine, true},
                        {spectral::AlignLeft | spectral::AlignTop | spectral::ElideRight, true}};
  const spectral::Rect box{10, 10, 120, 200};
  for (const Case& c : cases) {
    spectral::DrawList list({0, 0, 300, 300});
    list.text(box, "Standard red 2024 for the autumn knit range", c.flags,
              {spectral::FontFace::Arial, 14, spectral::FontUnit::Pixels}, 0xFF000000);
    const QRect ink = inkBox(replay(list));
    EXPECT_EQ(ink.height() < 20, c.oneLine) << c.flags;
    EXPECT_LE(ink.right(), box.right() - 1) << c.flags;
    if (c.oneLine) {
      EXPECT_GE(ink.right(), box.right() - 25) << "the line fills the box";
    }
  }
}

TEST(SpectralPainter, ATextWiderThanItsBoxShrinksToFitWhole) {
  constexpr unsigned kCentred =
      spectral::AlignHCenter | spectral::AlignVCenter | spectral::SingleLine;
  const auto draw = [](spectral::Rect box, unsigned flags) {
    spectral::DrawList list({0, 0, 300, 300});
    list.text(box, "Color Direction", flags,
              {spectral::FontFace::Arial, 20, spectral::FontUnit::Pixels, true}, 0xFF000000);
    return replay(list);
  };
  // Wide enough: exactly the plain text.
  const spectral::Rect wide{0, 100, 300, 40};
  EXPECT_EQ(draw(wide, kCentred | spectral::ShrinkToFit), draw(wide, kCentred));
  // Too narrow: smaller, inside the box, and still filling most of it.
  const spectral::Rect narrow{100, 100, 80, 40};
  const QRect plain = inkBox(draw(narrow, kCentred));
  const QRect shrunk = inkBox(draw(narrow, kCentred | spectral::ShrinkToFit));
  ASSERT_FALSE(shrunk.isEmpty());
  EXPECT_LT(shrunk.height(), plain.height() - 3);
  EXPECT_GE(shrunk.left(), narrow.x);
  EXPECT_LE(shrunk.right(), narrow.x + narrow.width - 1);
  EXPECT_GT(shrunk.width(), narrow.width * 3 / 4);
}

TEST(SpectralPainter, PointsAreLargerThanTheSameNumberOfPixels) {
  const auto capHeight = [](spectral::FontUnit unit) {
    spectral::DrawList list({0, 0, 300, 300});
    list.text({0, 0, 300, 300}, "H", spectral::AlignHCenter | spectral::AlignVCenter,
              {spectral::FontFace::Arial, 30, unit}, 0xFF000000);
    return inkBox(replay(list)).height();
  };
  const int pixels = capHeight(spectral::FontUnit::Pixels);
  const int points = capHeight(spectral::FontUnit::Points);
  EXPECT_GT(pixels, 15);
  EXPECT_GT(points, pixels + 3);  // 30 pt are 40 pixels at 96 dots per inch
}

TEST(SpectralPainter, AFontOfNoSizeDrawsNothing) {
  // The pane's table font is 0 pt for client heights 150 to 172.
  spectral::DrawList list({0, 0, 300, 300});
  const spectral::Font none{spectral::FontFace::UserInterface, 0, spectral::FontUnit::Points};
  list.text({0, 0, 300, 300}, "400", spectral::AlignLeft | spectral::AlignVCenter, none,
            0xFF000000);
  EXPECT_TRUE(inkBox(replay(list)).isEmpty());
  EXPECT_EQ(spectralTextWidth()("400", none), 0);
}

TEST(SpectralPainter, CurvesAreSmoothedOnlyWhenAsked) {
  for (bool antialiased : {false, true}) {
    spectral::BezierChain chain;
    chain.start = {10, 10};
    chain.points = {{100, 60}, {200, 160}, {290, 280}};
    chain.argb = 0xFF000000;
    chain.antialiased = antialiased;
    spectral::DrawList list({0, 0, 300, 300});
    list.bezier(chain);
    const QImage image = replay(list);
    const int partial = countIn(
        image, image.rect(), [](QRgb c) { return c != qRgb(0, 0, 0) && c != qRgb(255, 255, 255); });
    EXPECT_EQ(partial > 0, antialiased);
    EXPECT_GT(countIn(image, image.rect(), isDark), 200);
  }
}

class SpectralPaneTest : public ::testing::Test {
 protected:
  static constexpr int kWidth = 900, kHeight = 500;
  SpectralPaneTest() {
    LanguageIndex = English;
    geometry.setJob(&job);
    geometry.resize(kWidth, kHeight);
  }
  QImage render() { return renderSpectralPane(&job, {kWidth, kHeight}); }
  QPoint pixelOf(float nm, float fraction) {
    const spectral::Point p = geometry.model().pixel(nm, fraction);
    return {p.x, p.y};
  }
  // Row i's box of a table column.
  QRect cell(const spectral::ColumnSpan& column, int row) const {
    const float fs = geometry.currentLayout().fontUnit;
    return QRect(column.x, int((row + 3.5) * fs), column.width, int(fs));
  }

  JobManager manager;
  Job job{manager};
  spectral::SpectralPlot geometry;  // the same layout the picture uses
};

TEST_F(SpectralPaneTest, BelowTheMinimumSizeOnlyTheMessageInTheCentre) {
  job.addStandard(flatCurve("Std", 0.5f), true);
  job.addSample(flatCurve("Smp", 0.25f), true);
  for (QSize size : {QSize(319, 400), QSize(600, 149)}) {
    const QImage image = renderSpectralPane(&job, size);
    const int mid = size.height() / 2;
    const QRect band(0, mid - 12, size.width(), 24);
    EXPECT_GT(countIn(image, QRect(size.width() / 4, mid - 12, size.width() / 2, 24), isDark), 20)
        << size.width() << "x" << size.height();
    // Nothing but the grey fill outside the message's line.
    int other = 0;
    for (int y = 0; y < size.height(); ++y)
      for (int x = 0; x < size.width(); ++x)
        if (!band.contains(x, y) && image.pixel(x, y) != kBackground) ++other;
    EXPECT_EQ(other, 0) << size.width() << "x" << size.height();
  }
}

TEST_F(SpectralPaneTest, CurvesInTheRecordColoursWhereTheModelPutsThem) {
  job.addStandard(flatCurve("Std", 0.5f), true);
  job.addSample(flatCurve("Other", 0.7f), false);
  job.addSample(flatCurve("Typed", 0.9f), false);
  job.addSample(flatCurve("Smp", 0.3f), true);
  job.addSample(withoutCurve("Hand"), false);
  geometry.layout();
  const QImage image = render();
  struct Case {
    float fraction;
    ColourTest colour;
    const char* what;
  };
  const Case cases[] = {{0.5f, isGreen, "standard"},
                        {0.3f, isBlue, "current sample"},
                        {0.7f, isGrey, "other sample"},
                        {0.9f, isGrey, "other sample"}};
  for (const Case& c : cases)
    for (float nm : {425.f, 525.f, 675.f})
      EXPECT_TRUE(near(image, pixelOf(nm, c.fraction), c.colour)) << c.what << " at " << nm;
  // Between the curves only the plot's grey.
  EXPECT_EQ(image.pixel(pixelOf(425, 0.42f)), kBackground);
  EXPECT_FALSE(near(image, pixelOf(425, 0.42f), isBlue, 5));
}

TEST_F(SpectralPaneTest, SpectrumStripUnderTheAxis) {
  const QImage image = render();
  const int y = kHeight - 2 - 6;  // inside the bottom strip, below the caption text
  struct Case {
    float nm;
    ColourTest colour;
  };
  for (const Case& c : {Case{450, isBlue}, Case{650, isRed}})
    EXPECT_TRUE(c.colour(image.pixel(pixelOf(c.nm, 0).x(), y))) << c.nm;
}

TEST_F(SpectralPaneTest, TableColumnsFollowTheCurrentRecords) {
  struct Case {
    bool standard, sample;
  };
  const spectral::SpectralLayout& l = geometry.currentLayout();
  for (const Case& c :
       {Case{false, false}, Case{true, false}, Case{false, true}, Case{true, true}}) {
    Job fresh{manager};
    if (c.standard) fresh.addStandard(flatCurve("Std", 0.5f), true);
    if (c.sample) fresh.addSample(flatCurve("Smp", 0.25f), true);
    const QImage image = renderSpectralPane(&fresh, {kWidth, kHeight});
    const int row = 10;  // 500 nm
    EXPECT_GT(countIn(image, cell(l.wavelength, row), isBlue), 0) << "500 nm is blue";
    EXPECT_GT(countIn(image, cell(l.wavelength, row + 1), isDark), 0) << "510 nm is black";
    EXPECT_EQ(countIn(image, cell(l.standard, row), isGreen) > 0, c.standard);
    EXPECT_EQ(countIn(image, cell(l.sample, row), isBlue) > 0, c.sample);
    EXPECT_EQ(countIn(image, cell(l.difference, row), isMagenta) > 0, c.standard && c.sample);
  }
}

TEST_F(SpectralPaneTest, OnlyTheUpdateRectangleIsPainted) {
  job.addStandard(flatCurve("Std", 0.5f), true);
  job.addSample(flatCurve("Smp", 0.25f), true);
  QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  const QRect update(pixelOf(400, 0.5f).x() - 10, pixelOf(400, 0.5f).y() - 30, 120, 60);
  {
    QPainter p(&image);
    paintSpectralPlot(p, geometry, update);
  }
  EXPECT_EQ(countIn(image, update, [](QRgb c) { return c == qRgb(255, 255, 255); }), 0);
  EXPECT_GT(countIn(image, update, isGreen), 0);
  const int outside = kWidth * kHeight - update.width() * update.height();
  EXPECT_EQ(countIn(image, image.rect(), [](QRgb c) { return c == qRgb(255, 255, 255); }), outside);
}

TEST_F(SpectralPaneTest, TwiceTheDevicePixelsKeepTheSameDrawing) {
  job.addStandard(flatCurve("Std", 0.5f), true);
  const QImage image = renderSpectralPane(&job, {kWidth, kHeight}, 2.0);
  ASSERT_EQ(image.size(), QSize(2 * kWidth, 2 * kHeight));
  const QPoint at = pixelOf(525, 0.5f);
  EXPECT_TRUE(near(image, at * 2, isGreen, 3));
  // A sharp one-pixel pen stays about two device pixels thick.
  int thick = 0;
  for (int y = at.y() * 2 - 8; y <= at.y() * 2 + 8; ++y)
    thick += isGreen(image.pixel(at.x() * 2, y));
  EXPECT_GE(thick, 1);
  EXPECT_LE(thick, 4);
}

TEST_F(SpectralPaneTest, TheWidgetShowsWhatThePictureShows) {
  job.addStandard(flatCurve("Std", 0.5f), true);
  job.addSample(flatCurve("Smp", 0.25f), true);
  WavelengthReflectanceView view(job);
  view.resize(kWidth, kHeight);
  view.show();
  QApplication::processEvents();
  const QImage shown = view.plotWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage picture = render().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shown.size(), picture.size());
  EXPECT_EQ(countIn(shown, shown.rect(), isBlue), countIn(picture, picture.rect(), isBlue));
  EXPECT_TRUE(shown == picture);
}

// The plot control's static parts and its drawing onto another surface.
class ReflectancePlotTest : public ::testing::Test {
 protected:
  static std::unique_ptr<spectral::ReflectancePlotCurve> curve(std::uint32_t bgr, float value,
                                                               int style = spectral::PenSolid) {
    auto c = std::make_unique<spectral::ReflectancePlotCurve>();
    c->name = "base";
    c->bgr = bgr;
    c->penStyle = style;
    c->values.fill(value);
    return c;
  }
};

TEST_F(ReflectancePlotTest, RenderedOntoAnImageInItsBox) {
  QImage image(700, 500, QImage::Format_RGB32);
  image.fill(Qt::white);
  const QRect box(50, 40, 600, 420);
  const auto red = curve(0x000000FF, 0.6f), blue = curve(0x00FF0000, 0.2f);
  {
    QPainter p(&image);
    renderReflectancePlot(p, box, {red.get(), nullptr, blue.get()});
  }
  spectral::ReflectancePlotEngine engine;
  engine.layout(box.left(), box.top(), box.right() + 1, box.bottom() + 1);
  const auto at = [&](double nm, double percent) {
    const spectral::Point p = engine.map(nm, percent);
    return QPoint(p.x, p.y);
  };
  for (double nm : {425.0, 575.0}) {
    EXPECT_TRUE(near(image, at(nm, 60), isRed)) << nm;
    EXPECT_TRUE(near(image, at(nm, 20), isBlue)) << nm;
  }
  // The frame's corners (the grey grid lies over the frame), the spectrum
  // band below and nothing outside the box.
  const auto lined = [](QRgb c) { return isDark(c) || isGrey(c); };
  for (QPoint corner : {at(400, 100), at(700, 0)}) {
    EXPECT_TRUE(lined(image.pixel(corner)));
    EXPECT_FALSE(lined(image.pixel(corner + QPoint(-3, -3)))) << "nothing outside the frame";
  }
  const spectral::Rect band = engine.spectrumBand();
  EXPECT_TRUE(isBlue(image.pixel(at(450, 0).x(), band.y + 3)));
  EXPECT_TRUE(isRed(image.pixel(at(660, 0).x(), band.y + 3)));
  EXPECT_EQ(countIn(image, QRect(0, 0, 700, 40), [](QRgb c) { return c != qRgb(255, 255, 255); }),
            0);
}

TEST_F(ReflectancePlotTest, LegendEntryLineAfterTheText) {
  QImage image(300, 40, QImage::Format_RGB32);
  image.fill(Qt::white);
  const QRect box(10, 10, 280, 20);
  {
    QPainter p(&image);
    drawReflectanceLegendEntry(p, box, "White base", spectral::PenSolid, 0x00FF0000);
  }
  const int middle = box.top() + box.height() / 2;
  const int textEnd = spectralTextWidth()(
      "White base", {spectral::FontFace::Arial, 14, spectral::FontUnit::Pixels});
  // Text from left + 5, the line from its end + 5 to right - 5.
  EXPECT_GT(countIn(image, QRect(box.left() + 5, box.top(), textEnd, box.height()), isDark), 10);
  for (int x : {box.left() + 5 + textEnd + 8, box.left() + box.width() - 8})
    EXPECT_TRUE(isBlue(image.pixel(x, middle))) << x;
  EXPECT_FALSE(isBlue(image.pixel(box.left() + box.width() - 2, middle)));
  EXPECT_EQ(countIn(image, QRect(box.left() + 5 + textEnd + 6, box.top(), 200, 6), isBlue), 0);
}

TEST_F(ReflectancePlotTest, ControlDrawsItsBackgroundOnceAndTheCurvesOnEveryPaint) {
  ReflectancePlotControl control;
  control.resize(500, 360);
  control.show();
  QApplication::processEvents();
  control.setCurve(0, curve(0x000000FF, 0.5f));
  QImage first = control.grab().toImage();
  control.setCurve(1, curve(0x00FF0000, 0.3f, spectral::PenDash));
  QImage second = control.grab().toImage();
  EXPECT_EQ(control.backgroundRenders(), 1);
  const auto at = [&](double nm, double percent) {
    const spectral::Point p = control.plot().engine().map(nm, percent);
    return QPoint(p.x, p.y);
  };
  EXPECT_TRUE(near(first, at(500, 50), isRed));
  EXPECT_FALSE(near(first, at(500, 30), isBlue));
  EXPECT_TRUE(near(second, at(500, 50), isRed));
  // A dashed pen: blue along the line with gaps in it.
  const int y = at(500, 30).y();
  int blue = 0, span = 0;
  for (int x = at(450, 30).x(); x < at(650, 30).x(); ++x, ++span)
    blue += isBlue(second.pixel(x, y)) || isBlue(second.pixel(x, y - 1)) ||
            isBlue(second.pixel(x, y + 1));
  EXPECT_GT(blue, span / 3);
  EXPECT_LT(blue, span);
  control.resize(600, 400);
  QApplication::processEvents();
  control.grab();
  EXPECT_EQ(control.backgroundRenders(), 2);
}

// The pane inside a real job window.
class JobWindowReflectanceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LanguageIndex = English;
    frame = std::make_unique<CMainFrame>();
    frame->resize(1280, 800);
    child = frame->newJob();
    frame->show();
    QApplication::processEvents();
    view = child->findChild<WavelengthReflectanceView*>("reflectanceView");
  }
  void TearDown() override {
    for (CChildFrame* c : frame->children()) c->job().setModified(false);
    frame.reset();
    LanguageIndex = English;
  }
  std::unique_ptr<CMainFrame> frame;
  CChildFrame* child = nullptr;
  WavelengthReflectanceView* view = nullptr;
};

TEST_F(JobWindowReflectanceTest, FollowsRecordsCurrentRecordLanguageAndSize) {
  ASSERT_NE(view, nullptr);
  SpectralPlotWidget* plot = view->plotWidget();
  EXPECT_EQ(plot->geometry(), view->rect());
  const auto settle = [] {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  };
  const auto curveAt = [&](float fraction) {
    const spectral::Point p = plot->plot().model().pixel(525, fraction);
    return near(plot->grab().toImage(), {p.x, p.y}, isBlue);
  };
  if (spectral::isTooSmall(plot->width(), plot->height())) {
    // The window's pane must be big enough to show curves.
    view->window()->resize(1600, 1000);
    settle();
  }
  ASSERT_FALSE(spectral::isTooSmall(plot->width(), plot->height()));
  int paints = plot->paintCount();
  child->job().addSample(flatCurve("First", 0.4f), true);
  settle();
  EXPECT_GT(plot->paintCount(), paints) << "adding a record repaints the pane";
  EXPECT_TRUE(curveAt(0.4f));

  child->job().addSample(flatCurve("Second", 0.6f), true);
  settle();
  EXPECT_TRUE(curveAt(0.6f));
  EXPECT_FALSE(curveAt(0.4f)) << "the old current sample turns grey";

  child->job().selectSample(0, true);
  settle();
  EXPECT_TRUE(curveAt(0.4f)) << "the current sample is blue";
  EXPECT_FALSE(curveAt(0.6f));

  // More decimals widen the value columns.
  child->job().DataAccuracy = 4;
  child->job().recomputeAll();
  settle();
  const float fs = plot->plot().currentLayout().fontUnit;
  EXPECT_EQ(plot->plot().currentLayout().standard.width, int(6 * (fs - 2)));

  paints = plot->paintCount();
  frame->relabelAll();
  settle();
  EXPECT_GT(plot->paintCount(), paints) << "a language change repaints the pane";

  const QSize before = plot->size();
  frame->resize(frame->width() + 200, frame->height() + 150);
  settle();
  EXPECT_NE(plot->size(), before);
  EXPECT_EQ(plot->size(), view->size());
  EXPECT_TRUE(curveAt(0.4f)) << "the curve follows the new layout";
}

}  // namespace
}  // namespace corvana
