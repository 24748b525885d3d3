// The opacity dialog's swatch and legend controls, grabbed as painted.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>

#include "qt/views/color_static.h"
#include "qt/views/legend_static.h"

namespace corvana {
namespace {

QImage grabbed(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }

TEST(ColorStatic, FillsWithItsBgrColour) {
  ColorStatic swatch;
  swatch.resize(40, 20);
  swatch.setColor(0x00336699);  // blue 0x33, green 0x66, red 0x99
  const QImage image = grabbed(swatch);
  for (const QPoint p : {QPoint(0, 0), QPoint(39, 19), QPoint(20, 10)})
    EXPECT_EQ(image.pixel(p), qRgb(0x99, 0x66, 0x33)) << p.x() << "," << p.y();
}

class LegendTest : public ::testing::Test {
 protected:
  void SetUp() override {
    legend.resize(200, 21);
    legend.setAutoFillBackground(true);
    QPalette palette = legend.palette();
    palette.setColor(QPalette::Window, Qt::white);
    legend.setPalette(palette);
    legend.setPenColor(0x0000FF00);  // green
    legend.setPenWidth(1);
  }
  LegendStatic legend;
};

TEST_F(LegendTest, LineFromTextEndToRightEdge) {
  legend.setText("Black Base Sample");
  legend.setPenStyle(0);
  const QImage image = grabbed(legend);
  const int textWidth = QFontMetrics(legend.font(), &legend).horizontalAdvance(legend.text());
  const int y = 21 / 2;
  const QRgb green = qRgb(0, 0xFF, 0);
  EXPECT_EQ(image.pixel(textWidth + 5, y), green);
  EXPECT_EQ(image.pixel(194, y), green);
  EXPECT_NE(image.pixel(textWidth + 3, y), green);
  EXPECT_NE(image.pixel(197, y), green);
  EXPECT_NE(image.pixel(100, y - 3), green) << "one pixel high";
  // The text itself is drawn in the left part.
  int dark = 0;
  for (int x = 0; x < textWidth; ++x)
    for (int yy = 0; yy < 21; ++yy) dark += qGray(image.pixel(x, yy)) < 128;
  EXPECT_GT(dark, 10);
}

TEST_F(LegendTest, DottedPenLeavesGaps) {
  legend.setText("White");
  legend.setPenStyle(2);
  const QImage image = grabbed(legend);
  int on = 0, off = 0;
  for (int x = 120; x < 180; ++x) (image.pixel(x, 10) == qRgb(0, 0xFF, 0) ? on : off)++;
  EXPECT_GT(on, 5);
  EXPECT_GT(off, 5);
}

TEST_F(LegendTest, EmptyTextPaintsNothing) {
  legend.setPenStyle(0);
  const QImage image = grabbed(legend);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) ASSERT_EQ(image.pixel(x, y), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace corvana
