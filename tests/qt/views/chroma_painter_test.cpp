// The replay of text primitives: alignment flags, single line, the
// ellipsis, and sizes that give no font.
#include <gtest/gtest.h>

#include <QPainter>

#include "qt/views/chroma_painter.h"

namespace corvana {
namespace {

constexpr QRgb kPaper = 0xFFFFFFFF;

QImage painted(const TextPrimitive& text, QSize size = QSize(200, 80)) {
  QImage image = ui::screenLikeImage(size);
  image.fill(kPaper);
  QPainter painter(&image);
  ui::paintPrimitives(painter, {text}, {0, 0, double(size.width()), double(size.height())});
  return image;
}

// The box around every pixel that is not paper.
QRect inkOf(const QImage& image) {
  QRect ink;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != kPaper) ink |= QRect(x, y, 1, 1);
  return ink;
}

TEST(TextReplay, AlignmentFlagsPlaceTheTextInItsBox) {
  const PlotBox box{20, 10, 160, 60};
  struct Case {
    unsigned flags;
    const char* where;
    bool left, right, top, bottom;  // the ink hugs these sides of the box
  };
  const Case cases[] = {
      {AlignLeft | AlignTop | SingleLine, "left top", true, false, true, false},
      {AlignRightBottom | SingleLine, "right bottom", false, true, false, true},
      {AlignHCenter | AlignVCenter | SingleLine, "centre", false, false, false, false},
  };
  for (const Case& c : cases) {
    const QRect ink = inkOf(painted({box, "Hg", c.flags, FontRole::Table, 12, 0xFF000000}));
    ASSERT_FALSE(ink.isEmpty()) << c.where;
    EXPECT_TRUE(QRectF(20, 10, 160, 60).contains(QRectF(ink))) << c.where;
    const int toLeft = ink.left() - 20, toRight = 180 - 1 - ink.right();
    const int toTop = ink.top() - 10, toBottom = 70 - 1 - ink.bottom();
    EXPECT_EQ(toLeft < 6, c.left) << c.where << " left " << toLeft;
    EXPECT_EQ(toRight < 6, c.right) << c.where << " right " << toRight;
    EXPECT_EQ(toTop < 10, c.top) << c.where << " top " << toTop;
    EXPECT_EQ(toBottom < 10, c.bottom) << c.where << " bottom " << toBottom;
    if (!c.left && !c.right) EXPECT_LE(std::abs(toLeft - toRight), 3) << c.where;
  }
}

TEST(TextReplay, ElideEndsWithAnEllipsisInsteadOfACutGlyph) {
  const std::string name = "Cotton twill lot 2024-11-18 dye house line 3";
  const PlotBox box{0, 0, 90, 30};
  const QImage elided = painted({box, name, Elide, FontRole::Table, 12, 0xFF000000}, {120, 30});
  const QImage clipped =
      painted({box, name, AlignLeft | AlignVCenter | SingleLine, FontRole::Table, 12, 0xFF000000},
              {120, 30});
  EXPECT_TRUE(QRectF(0, 0, 90, 30).contains(QRectF(inkOf(elided))));
  EXPECT_NE(elided, clipped);
  // A short name is left as it is.
  EXPECT_EQ(painted({box, "Lot 7", Elide, FontRole::Table, 12, 0xFF000000}, {120, 30}),
            painted({box, "Lot 7", AlignLeft | AlignVCenter | SingleLine, FontRole::Table, 12,
                     0xFF000000},
                    {120, 30}));
}

TEST(TextReplay, NoFontBelowOnePoint) {
  EXPECT_TRUE(
      inkOf(
          painted({{0, 0, 200, 80}, "tiny", SingleLine, FontRole::WavelengthLabel, 0, 0xFF000000}))
          .isEmpty());
}

TEST(TextReplay, MeasureMatchesThePaintedWidth) {
  const QImage probe = ui::screenLikeImage(QSize(1, 1));
  const double width = ui::textMeasureOn(probe)("MMMMMMMMMM", FontRole::Table, 12);
  const QRect ink = inkOf(painted({{0, 0, 400, 40},
                                   "MMMMMMMMMM",
                                   AlignLeft | AlignTop | SingleLine,
                                   FontRole::Table,
                                   12,
                                   0xFF000000},
                                  {400, 40}));
  EXPECT_NEAR(ink.width(), width, 4);
  // Points grow with the size.
  EXPECT_GT(ui::textMeasureOn(probe)("MMMMMMMMMM", FontRole::Table, 24), 1.8 * width);
}

}  // namespace
}  // namespace corvana
