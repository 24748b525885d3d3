// The printed opacity page through the real painter on an image: ruling
// where the layout puts it, nothing outside the margins, the opacity face.
// OPACITY_PAGE_SHOT=<file.png> keeps the painted page to look at.
#include <gtest/gtest.h>

#include <unistd.h>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <filesystem>

#include "core/job.h"
#include "core/job_manager.h"
#include "qt/print/opacity_picture.h"
#include "qt/print/opacity_print.h"
#include "qt/print/print_view.h"
#include "qt/views/spectral_painter.h"
#include "reports/opacity/opacity_page.h"
#include "reports/opacity/opacity_word_report.h"
#include "reports/word/docx_package.h"
#include "tests/core/job_fixtures.h"

namespace corvana {
namespace {

using namespace corvana::testing;

struct OpacityPagePaint : ::testing::Test {
  JobManager manager;
  Job job{manager};
  std::tm now{};
  void SetUp() override {
    LanguageIndex = English;
    job.addSample(curveSample("Over white"), false);
    MeasurementRecord dark = curveSample("Over black", 15);
    for (float& r : dark.reflectance) r *= 0.6f;
    job.addSample(dark, false);
    job.EnglishName = "Acme Coatings";
    job.DeviceName = "CM-700";
    job.recomputeAll();
    now.tm_year = 126, now.tm_mon = 11, now.tm_mday = 10, now.tm_hour = 23, now.tm_min = 5;
  }
  void TearDown() override { LanguageIndex = English; }

  QImage paint(const OpacityPrinter& printer) {
    QImage image(printer.width, printer.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ui::paintPrintPage(
        painter, opacityPage(makeOpacityReport(job, 0, 1), printer, now, spectralTextWidth()));
    painter.end();
    return image;
  }
};

bool dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

TEST_F(OpacityPagePaint, RulingLandsOnTheMappedLines) {
  const OpacityPrinter printer{150, 150, 1240, 1754};
  const QImage image = paint(printer);
  if (const char* shot = std::getenv("OPACITY_PAGE_SHOT")) image.save(shot);
  const LogicalMapping m = opacityPageMapping(printer);
  const spectral::Rect box = opacityContentBox(printer);
  // The table's right rule at x1 = right - 10, its top somewhere below the
  // picture: scan that column for the four-row block.
  const int x1 = m.x(box.right() - 10);
  int run = 0, longest = 0;
  for (int y = 0; y < image.height(); ++y) {
    run = dark(image, x1, y) ? run + 1 : 0;
    longest = std::max(longest, run);
  }
  EXPECT_GE(longest, m.y(128) - m.y(0) - 1);  // 128 logical units of rule
  EXPECT_LE(longest, m.y(128) - m.y(0) + 3);
  // Both curves are drawn: blue of the white base inside the picture.
  int blue = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (qBlue(p) > 200 && qRed(p) < 60 && qGreen(p) < 60) ++blue;
    }
  EXPECT_GT(blue, 100);
}

TEST_F(OpacityPagePaint, NothingIsPaintedInTheMargins) {
  // Three inches at 100 dpi: the 400-unit picture is wider than the content.
  const OpacityPrinter printer{100, 100, 300, 1100};
  const QImage image = paint(printer);
  const LogicalMapping m = opacityPageMapping(printer);
  int outside = 0, inside = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const bool margin = x < m.originX || x >= printer.width - m.originX || y < m.originY ||
                          y >= printer.height - m.originY;
      if (qGray(image.pixel(x, y)) < 250) ++(margin ? outside : inside);
    }
  EXPECT_EQ(outside, 0);
  EXPECT_GT(inside, 1000);
}

TEST_F(OpacityPagePaint, WordReportEmbedsThePaintedPicture) {
  const OpacityReport report = makeOpacityReport(job, 0, 1);
  const QImage picture = ui::opacityPictureImage(report);
  EXPECT_EQ(picture.size(), QSize(400, 300));
  const std::vector<unsigned char> png = ui::opacityPicturePng(report);
  ASSERT_FALSE(png.empty());
  QImage decoded;
  ASSERT_TRUE(decoded.loadFromData(png.data(), int(png.size()), "PNG"));
  EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32), picture);
  // The dotted green legend line of the black base lies in the top band.
  int green = 0;
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 400; ++x)
      if (picture.pixel(x, y) == qRgb(0, 255, 0)) ++green;
  EXPECT_GT(green, 5);

  namespace fs = std::filesystem;
  const char* keep = std::getenv("OPACITY_WORD_SHOT");
  const fs::path out =
      keep ? fs::path(keep)
           : fs::temp_directory_path() / ("opacity-" + std::to_string(getpid()) + ".docx");
  ASSERT_EQ(writeOpacityReport(report, png, {CORVANA_TEMPLATE_DIR, ""}, out, now).status,
            WordReportStatus::Saved);
  std::string error;
  const auto parts = readPackage(out, error);
  ASSERT_TRUE(parts) << error;
  PackageParts copy = *parts;
  const PackagePart* media = findPart(copy, "word/media/image1.png");
  ASSERT_TRUE(media);
  EXPECT_EQ(media->bytes, std::string(png.begin(), png.end()));
  if (!keep) fs::remove(out);
}

TEST_F(OpacityPagePaint, PrintsOntoTheDeviceItIsGiven) {
  // An image at 200 dpi: the page follows its resolution and size.
  QImage image(1600, 2200, QImage::Format_RGB32);
  image.setDotsPerMeterX(int(200 / 0.0254 + 0.5));
  image.setDotsPerMeterY(int(200 / 0.0254 + 0.5));
  image.fill(Qt::white);
  ASSERT_TRUE(ui::printOpacityPage(image, makeOpacityReport(job, 0, 1), now));
  const OpacityPrinter printer{image.logicalDpiX(), image.logicalDpiY(), 1600, 2200};
  EXPECT_EQ(printer.dpiX, 200);
  const LogicalMapping m = opacityPageMapping(printer);
  const int x1 = m.x(opacityContentBox(printer).right() - 10);
  int rule = 0;
  for (int y = 0; y < image.height(); ++y) rule += dark(image, x1, y);
  EXPECT_GE(rule, m.y(128) - m.y(0) - 1);
  EXPECT_EQ(ui::opacityDocumentTitle(), QStringLiteral("Opacity Testing Report"));
}

TEST(OpacityFace, FollowsTheLanguage) {
  spectral::Font font;
  font.face = spectral::FontFace::Opacity;
  struct Case {
    Language language;
    const char* family;
  } cases[] = {
      {English, "Arial"}, {ChineseSimplified, "微软雅黑"}, {ChineseTraditional, "PMingLiU"}};
  for (const Case& c : cases) {
    LanguageIndex = c.language;
    EXPECT_EQ(spectralFont(font).families().value(0), QString::fromUtf8(c.family)) << c.language;
  }
  LanguageIndex = English;
}

}  // namespace
}  // namespace corvana
