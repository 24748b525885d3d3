
// The printed reports through the real painters: pages on images, PDF files
// read back with poppler's tools, and the command-line report's failures.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <numeric>
#include <optional>
#include <string>

#include "core/command_table.h"
#include "core/job.h"
#include "core/job_file.h"
#include "core/job_manager.h"
#include "qt/child_frame.h"
#include "qt/main_frame.h"
#include "qt/print/print_frame.h"
#include "qt/print/print_view.h"
#include "qt/views/record_list_view.h"
#include "reports/cumulative_pages.h"
#include "reports/print_layout.h"
#include "tests/core/job_fixtures.h"
#include "tests/core/settings_fixtures.h"
#include "tests/qt/ui_test_support.h"
#include "tests/reports/external_tools.h"
#include "tools/corvana_cli/print_report_command.h"

namespace corvana {
namespace {

using namespace corvana::testing;
namespace fs = std::filesystem;

// The text of a PDF; the ligatures some faces draw ("ff", "fi", "fl") count
// as their letters.
std::string pdfText(const std::string& pdf) {
  std::string text = run("pdftotext -layout '" + pdf + "' -");
  const std::pair<const char*, const char*> ligatures[] = {
      {"\xEF\xAC\x80", "ff"}, {"\xEF\xAC\x81", "fi"}, {"\xEF\xAC\x82", "fl"}};
  for (const auto& [ligature, letters] : ligatures)
    for (std::size_t at; (at = text.find(ligature)) != std::string::npos;)
      text.replace(at, 3, letters);
  return text;
}
int pdfPages(const std::string& pdf) {
  const std::string info = run("pdfinfo '" + pdf + "'");
  const auto at = info.find("Pages:");
  return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

struct PrintJob : ::testing::Test {
  QTemporaryDir dir;
  JobManager manager;
  Job job{manager};

  void SetUp() override {
    // PRINT_TESTS_KEEP=1 keeps the PDFs to look at.
    if (std::getenv("PRINT_TESTS_KEEP")) {
      dir.setAutoRemove(false);
      std::fprintf(stderr, "PDFs in %s\n", qPrintable(dir.path()));
    }
    LanguageIndex = English;
    job.addStandard(curveSample("Navy standard"), true);
    for (int i = 0; i < 3; ++i)
      job.addSample(curveSample("Lot " + std::to_string(i + 1), i), false);
    job.selectSample(1);
    for (int entry = 0; entry < 4; ++entry) {
      ToleranceSet& t = job.toleranceB[std::size_t(toleranceIndex(0, entry))];
      t.lower = -1, t.upper = 1, t.lowerEnabled = t.upperEnabled = true;
    }
    job.EnglishName = "Autumn Knit Mills";
  }
  void TearDown() override { LanguageIndex = English; }

  std::string path(const std::string& name) const {
    return dir.filePath(QString::fromStdString(name)).toStdString();
  }

  std::string savedJob() {
    const std::string file = path("print.job");
    EXPECT_TRUE(writeJobFile(job, file));
    return file;
  }

  std::string pdfOf(const ui::PrintView& view, const std::string& name) {
    const std::string file = path(name);
    QPdfWriter writer(QString::fromStdString(file));
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {}));
    EXPECT_GT(view.print(writer), 0);
    return file;
  }

  std::vector<int> everySample() const {
    std::vector<int> all(std::size_t(job.sampleCount()));
    std::iota(all.begin(), all.end(), 0);
    return all;
  }
};

TEST_F(PrintJob, DifferenceSquareOnAnA4Image) {
  // s = 1: h = 56, no company addresses but one name (H = 78). The band
  // starts at y = 100 + h + H + h + 3h + h = 514, the square at
  // (100 + 3h + h, 514 + 2h) = (324, 626), Q = 560; full scale 1.8, so
  // the ±1 limits lie (int)(1 / 1.8 × 280) = 155 pixels from the centre.
  const std::vector<PrintPage> pages = ui::PrintView(job).pages(2480, 3508);
  ASSERT_EQ(pages.size(), 1u);
  QImage image(2480, 3508, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  ui::paintPrintPage(painter, pages[0]);
  painter.end();
  const int x0 = 324, y0 = 626, centre = 280, offset = 155;
  EXPECT_EQ(image.pixel(x0, y0 + 40), qRgb(0, 0, 0)) << "square outline";
  EXPECT_EQ(image.pixel(x0 + centre - offset, y0 + centre + 60), qRgb(255, 0, 0)) << "tolerance";
  EXPECT_EQ(image.pixel(x0 + centre + offset, y0 + centre - 60), qRgb(255, 0, 0)) << "tolerance";
  // The quotiety box (0.75) inside it in olive.
  const int warn = int(x0 + centre - 155 * 0.75);
  EXPECT_EQ(image.pixel(warn, y0 + centre + 60), qRgb(0xA8, 0xA8, 0));
  // Axes from the centre: red right, green left.
  EXPECT_EQ(image.pixel(x0 + centre + 200, y0 + centre), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(x0 + centre - 200, y0 + centre), qRgb(0, 255, 0));
  EXPECT_EQ(image.pixel(x0 + 200, y0 - 20), qRgb(255, 255, 255)) << "nothing above the square";
}

TEST_F(PrintJob, XyDiagramFillsTheLocus) {
  job.colorSpace = CieXyz;
  job.recomputeAll();
  const std::vector<PrintPage> pages = ui::PrintView(job).pages(2480, 3508);
  QImage image(2480, 3508, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  ui::paintPrintPage(painter, pages[0]);
  painter.end();
  // The diagram at (268, 514): u0 = 324, t = 784, yb = 514 + 112 + 705.6.
  // Inside the locus near (0.3, 0.4) the gradient is neither white nor black.
  const QColor inside =
      image.pixelColor(324 + int(784 * 0.31), int(514 + 112 + 705.6 - 784 * 0.41));
  EXPECT_NE(inside, QColor(Qt::white));
  EXPECT_GT(inside.saturation(), 20);
  // Outside it (x 0.7, y 0.7) stays white.
  EXPECT_EQ(image.pixel(324 + int(784 * 0.71), int(514 + 112 + 705.6 - 784 * 0.71)),
            qRgb(255, 255, 255));
}

TEST_F(PrintJob, ColorDiffPdfHoldsTheReport) {
  const std::string pdf = pdfOf(ui::PrintView(job), "diff.pdf");
  EXPECT_EQ(pdfPages(pdf), 1);
  const std::string text = pdfText(pdf);
  for (const char* expected : {"Autumn Knit Mills", "Standard: Navy standard", "Sample: Lot 2",
                               "Full Scale", "Tolerance", "Color Diff", "J. Result",
                               "Color Direction", "Judge Method", "Instrument:", "Audit:", "D65"})
    EXPECT_NE(text.find(expected), std::string::npos) << expected;
}

TEST_F(PrintJob, LongCumulativeReportRunsOverPages) {
  for (int i = 3; i < 300; ++i)
    job.addSample(curveSample("Lot " + std::to_string(i + 1), i % 40), false);
  job.PrintReflectanceInCumulative = true;
  job.PrintChromaticity = true;
  const std::string pdf =
      pdfOf(ui::PrintView(job, everySample(), ListSortMode::Unsorted), "cumulative.pdf");
  const int expected = cumulativePagesNeeded(300, {true, true}, 82);
  EXPECT_EQ(expected, cumulativeCountedPages(300, {true, true}, 82));
  EXPECT_EQ(pdfPages(pdf), expected);
  const std::string text = pdfText(pdf);
  for (const char* s : {"1. Test Condition", "2. Tolerance Settings", "3. Test Data", "Lot 300",
                        "Reflectance", "Sort Mode: Unsorted", "700", "Test:"})
    EXPECT_NE(text.find(s), std::string::npos) << s;
}

TEST_F(PrintJob, ChineseTextComesWithAnEmbeddedFont) {
  LanguageIndex = ChineseSimplified;
  job.ChineseName = "秋季针织厂";
  const std::string pdf = pdfOf(ui::PrintView(job), "diff-zh.pdf");
  const std::string text = pdfText(pdf);
  EXPECT_NE(text.find("秋季针织厂"), std::string::npos);
  EXPECT_NE(text.find("标样"), std::string::npos);
  const std::string fonts = run("pdffonts '" + pdf + "'");
  // Header, rule, then one line per font: every one embedded.
  int lines = 0, embedded = 0;
  std::size_t start = 0;
  for (std::size_t end; (end = fonts.find('\n', start)) != std::string::npos; start = end + 1) {
    const std::string line = fonts.substr(start, end - start);
    if (++lines <= 2 || line.empty()) continue;
    if (line.find(" yes ") != std::string::npos)
      ++embedded;
    else
      ADD_FAILURE() << "not embedded: " << line;
  }
  EXPECT_GT(embedded, 0);
  EXPECT_NE(fonts.find("WenQuanYi"), std::string::npos) << fonts;
}

TEST_F(PrintJob, CommandLineReportWritesThePdf) {
  const std::string file = savedJob(), out = path("out.pdf");
  ASSERT_EQ(cli::runPrintReport("cumulative", file, out, English), 0);
  EXPECT_EQ(pdfPages(out), 1);
  EXPECT_NE(pdfText(out).find("Lot 3"), std::string::npos);
  ASSERT_EQ(cli::runPrintReport("diff", file, out, ChineseSimplified), 0);
  EXPECT_NE(pdfText(out).find("试样: Lot 2"), std::string::npos);
}

TEST_F(PrintJob, CommandLineFailuresLeaveNoFile) {
  const std::string file = savedJob();
  struct Case {
    const char* kind;
    std::string job, out;
    int result;
  } cases[] = {
      {"diff", path("missing.job"), path("a.pdf"), 1},
      {"diff", file, path("no/such/folder/a.pdf"), 1},
      {"cumulative", file, path(""), 1},  // the folder itself
      {"summary", file, path("b.pdf"), 2},
  };
  for (const Case& c : cases) {
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(cli::runPrintReport(c.kind, c.job, c.out, English), c.result) << c.out;
    EXPECT_FALSE(::testing::internal::GetCapturedStderr().empty());
  }
  for (const auto& entry : fs::directory_iterator(dir.path().toStdString()))
    EXPECT_EQ(entry.path().extension(), ".job") << entry.path();
}

// The file system takes the first 16 KiB and refuses the rest, as a disk
// that fills up: the PDF writer does not notice, the trailer never comes.
TEST_F(PrintJob, CommandLineReportCutShortKeepsTheOldPdf) {
  const std::string file = savedJob(), out = path("old.pdf");
  ASSERT_EQ(cli::runPrintReport("diff", file, out, English), 0);
  const std::string old = testing::readBytes(out);
  ASSERT_GT(old.size(), 16384u);
  for (const char* kind : {"diff", "cumulative"}) {
    SCOPED_TRACE(kind);
    int status = -1;
    ::testing::internal::CaptureStderr();
    {
      testing::FileSizeLimit limit(16384);
      ASSERT_TRUE(limit.isSet());
      status = cli::runPrintReport(kind, file, out, English);
    }
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 1);
    EXPECT_EQ(err.rfind("corvana-cli: " + out + ": ", 0), 0u) << err;
    EXPECT_TRUE(testing::readBytes(out) == old) << "the old PDF changed";
  }
  for (const auto& entry : fs::directory_iterator(dir.path().toStdString()))
    EXPECT_EQ(entry.path().filename().string().find(".saving-"), std::string::npos);
}

// The print dialog's "Print to File": the same writer as the command line.
// A PDF cut short is reported and the old file stays; a whole one replaces it.
TEST_F(PrintJob, PrintingToAPdfFileIsWholeOrReported) {
  const std::string out = pdfOf(ui::PrintView(job), "old.pdf");
  const std::string old = testing::readBytes(out);
  for (const bool cut : {true, false}) {
    SCOPED_TRACE(cut ? "cut short" : "whole");
    QWidget window;
    ui::PrintFrame frame(
        &window, std::make_unique<ui::PrintView>(job, everySample(), ListSortMode::Unsorted));
    frame.printer().setOutputFormat(QPrinter::PdfFormat);
    frame.printer().setOutputFileName(QString::fromStdString(out));
    testing::MessageRecorder messages;
    QTimer::singleShot(0, [&] {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* preview = qobject_cast<QPrintPreviewDialog*>(w)) {
          if (auto* widget = preview->findChild<QPrintPreviewWidget*>()) {
            std::optional<testing::FileSizeLimit> limit;
            if (cut) limit.emplace(16384);
            widget->print();  // what the dialog's print button does once a file is chosen
          }
          preview->accept();
        }
    });
    const bool printed = frame.run();
    EXPECT_EQ(printed, !cut);
    EXPECT_EQ(frame.printer().outputFileName(), QString::fromStdString(out));
    if (cut) {
      ASSERT_EQ(messages.messages.size(), 1u);
      EXPECT_TRUE(messages.messages[0].text.startsWith("The file could not be written:\n" +
                                                       QString::fromStdString(out) + ": "))
          << messages.messages[0].text.toStdString();
      EXPECT_TRUE(testing::readBytes(out) == old) << "the old PDF changed";
    } else {
      EXPECT_TRUE(messages.messages.empty());
      EXPECT_TRUE(testing::readBytes(out) != old) << "the PDF was not replaced";
      EXPECT_NE(pdfText(out).find("Lot 3"), std::string::npos);
    }
    for (const auto& entry : fs::directory_iterator(dir.path().toStdString()))
      EXPECT_EQ(entry.path().filename().string().find(".saving-"), std::string::npos);
  }
}

TEST_F(PrintJob, PrintFrameOwnsItsPrinterAtThreeHundredDpi) {
  QWidget window;
  ui::PrintFrame frame(&window, std::make_unique<ui::PrintView>(job));
  EXPECT_EQ(frame.kind(), ui::ReportKind::ColorDiff);
  EXPECT_EQ(frame.printer().resolution(), 300);
  EXPECT_EQ(frame.printer().docName(), QStringLiteral("Print Color Diff Report"));
}

TEST(PrintCommands, PreviewComesFirst) {
  // Both commands are on; the cumulative one previews the selected samples'
  // pages in a dialog titled with the command, whose print button would
  // open the print dialog. Closing the preview prints nothing.
  LanguageIndex = English;
  CMainFrame frame;
  CChildFrame* child = frame.newJob();
  frame.show();
  Job& job = child->job();
  job.addStandard(curveSample("Std"), true);
  for (int i = 0; i < 120; ++i)
    job.addSample(curveSample("Lot " + std::to_string(i), i % 9), false);
  std::vector<int> selected(120);
  std::iota(selected.begin(), selected.end(), 0);
  child->sampleView()->selectRecords(selected);
  EXPECT_TRUE(frame.action(CmdPrintColorDiff)->isEnabled());
  EXPECT_TRUE(frame.action(CmdPrintCumulative)->isEnabled());
  QString title;
  int pages = -1;
  QTimer::singleShot(0, [&] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* preview = qobject_cast<QPrintPreviewDialog*>(w)) {
        title = preview->windowTitle();
        if (auto* widget = preview->findChild<QPrintPreviewWidget*>()) pages = widget->pageCount();
        // PRINT_TESTS_SHOT=FILE.png keeps a picture of the preview.
        if (const char* shot = std::getenv("PRINT_TESTS_SHOT")) preview->grab().save(shot);
        preview->reject();
      }
  });
  frame.runCommand(CmdPrintCumulative);
  EXPECT_EQ(title, QStringLiteral("Print Color Diff Cumulative Report"));
  // 120 samples, one line each, on the printer's default page.
  EXPECT_GE(pages, 2);
  for (CChildFrame* c : frame.children()) c->job().setModified(false);
}

}  // namespace
}  // namespace corvana
