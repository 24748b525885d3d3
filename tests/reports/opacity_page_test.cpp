#include <gtest/gtest.h>

#include <algorithm>

#include "core/job.h"
#include "core/job_manager.h"
#include "reports/opacity/opacity_page.h"
#include "tests/core/job_fixtures.h"

namespace corvana {
namespace {

using namespace corvana::testing;
using spectral::DrawList;
using spectral::Line;
using spectral::Rect;
using spectral::TextBox;

// Half the font size per byte: wide enough that labels decide the first
// column, small enough that the page's items stay apart.
int fakeWidth(std::string_view text, const spectral::Font& font) {
  return int(text.size()) * int(font.size) / 2;
}

std::vector<TextBox> texts(const DrawList& list) {
  std::vector<TextBox> out;
  for (const auto& item : list.items())
    if (const auto* t = std::get_if<TextBox>(&item)) out.push_back(*t);
  return out;
}

std::vector<Line> lines(const DrawList& list) {
  std::vector<Line> out;
  for (const auto& item : list.items())
    if (const auto* l = std::get_if<Line>(&item)) out.push_back(*l);
  return out;
}

const TextBox* findText(const std::vector<TextBox>& all, const std::string& text, int nth = 0) {
  for (const TextBox& t : all)
    if (t.text == text && nth-- == 0) return &t;
  return nullptr;
}

int count(const DrawList& list, auto pred) {
  return int(std::count_if(list.items().begin(), list.items().end(), pred));
}

struct OpacityPage : ::testing::Test {
  JobManager manager;
  Job job{manager};
  std::tm now{};
  const Rect content{0, 0, 720, 1000};
  void SetUp() override {
    LanguageIndex = English;
    job.addSample(curveSample("Over white"), false);
    job.addSample(curveSample("Over black", 20), false);
    job.EnglishName = "Acme Coatings";
    job.DeviceName = "CM-700";
    job.recomputeAll();
    now.tm_year = 126, now.tm_mon = 11, now.tm_mday = 10, now.tm_hour = 23, now.tm_min = 5;
  }
  DrawList page(int white = 0, int black = 1) {
    return opacityPageContent(makeOpacityReport(job, white, black), content, now, fakeWidth);
  }
};

TEST(OpacityTable, ColumnsShareWhatTheFirstLeavesAndTheLastEndsAtX1) {
  struct Case {
    int x0, x1, first, columns;
    std::vector<int> edges;
  } cases[] = {
      {16, 700, 120, 5, {16, 136, 248, 360, 472, 584, 700}},  // 564 / 5 = 112, last 116
      {16, 700, 120, 3, {16, 136, 324, 512, 700}},            // 564 / 3 = 188
      {10, 20, 100, 3, {10, 110, 80, 50, 20}},                // too narrow: -90 / 3
  };
  for (const Case& c : cases)
    EXPECT_EQ(opacityTableEdges(c.x0, c.x1, c.first, c.columns), c.edges) << c.columns;
}

TEST_F(OpacityPage, SectionsFollowEachOther) {
  const std::vector<TextBox> all = texts(page());
  const TextBox* date = findText(all, "2026-12-10 23:05:00");
  ASSERT_TRUE(date);
  EXPECT_EQ(date->box, (Rect{0, 0, 720, 15}));
  EXPECT_EQ(date->font.face, spectral::FontFace::Opacity);
  // Four bands of 36 from 15, drawn also when empty.
  const TextBox* name = findText(all, "Acme Coatings");
  ASSERT_TRUE(name);
  EXPECT_EQ(name->box, (Rect{0, 51, 720, 36}));
  EXPECT_EQ(opacityFontHeight(name->font), 18);
  EXPECT_TRUE(findText(all, "", 0));
  // 15 + 144 + 20: the heading, its own width, one and a half lines high.
  const TextBox* heading = findText(all, "1. Test Condition");
  ASSERT_TRUE(heading);
  EXPECT_EQ(heading->box, (Rect{0, 179, fakeWidth("1. Test Condition", heading->font), 24}));
  const std::string condition = opacityConditionText(job);
  const TextBox* line = findText(all, condition);
  ASSERT_TRUE(line);
  EXPECT_EQ(line->box.x, 24);
  EXPECT_EQ(line->box.y, 203);
  EXPECT_EQ(line->box.bottom(), 227);
  // The picture 20 below, centred, white; the data heading 310 + 20 under it.
  const TextBox* data = findText(all, "2. Test Data");
  ASSERT_TRUE(data);
  EXPECT_EQ(data->box, (Rect{0, 247 + 310 + 20, 720, 24}));
  const DrawList list = page();
  EXPECT_EQ(count(list,
                  [](const auto& item) {
                    const auto* f = std::get_if<spectral::FillRect>(&item);
                    return f && f->box == Rect{160, 247, 400, 300} && f->argb == 0xFFFFFFFF;
                  }),
            1);
  // Signatures after the table: y0 + 128 + 10 + 20.
  const TextBox* instrument = findText(all, "Instrument: CM-700");
  ASSERT_TRUE(instrument);
  const int y = 577 + 34 + 128 + 10 + 20;
  EXPECT_EQ(instrument->box, (Rect{720 - 200, y, 190, 24}));
  const TextBox* audit = findText(all, "Audit:");
  const TextBox* test = findText(all, "Test:");
  ASSERT_TRUE(audit && test);
  const int wa = fakeWidth("Audit:", audit->font), wt = fakeWidth("Test:", test->font);
  EXPECT_EQ(audit->box, (Rect{720 - 80 - wa, y + 24, wa, 16}));
  EXPECT_EQ(test->box, (Rect{720 - 80 - wa - 90 - wt, y + 24, wt, 16}));
}

TEST_F(OpacityPage, ALongInstrumentNameKeepsAllItsLetters) {
  job.DeviceName = "CM-750 Spectrophotometer, serial 0042";
  const std::vector<TextBox> all = texts(page());
  const std::string line = "Instrument: " + job.DeviceName;
  const TextBox* instrument = findText(all, line);
  ASSERT_TRUE(instrument);
  EXPECT_GT(fakeWidth(line, instrument->font), 200);
  EXPECT_EQ(instrument->box.width, fakeWidth(line, instrument->font));
  EXPECT_EQ(instrument->box.right(), 710);
}

TEST_F(OpacityPage, TableRulingAndCells) {
  struct Case {
    ColorSpace space;
    int columns;
  } cases[] = {{CieLab, 5}, {CieRgb, 3}, {HunterLab, 3}};
  for (const Case& c : cases) {
    job.colorSpace = c.space;
    job.recomputeAll();
    const DrawList list = page();
    const int x0 = 16, x1 = 710, y0 = 611;
    const spectral::Font font = opacityFont(16);
    const int first = std::max(100, fakeWidth("White Base Sample", font)) + 10;
    const std::vector<int> x = opacityTableEdges(x0, x1, first, c.columns);
    std::vector<Line> horizontal, fullHeight, valueRows;
    for (const Line& l : lines(list)) {
      if (l.from.y < y0 || l.from.y > y0 + 128) continue;  // the picture's and signatures'
      if (l.from.y == l.to.y && l.from.x == x0) horizontal.push_back(l);
      if (l.from.x == l.to.x && l.to.y == y0 + 128) fullHeight.push_back(l);
      if (l.from.x == l.to.x && l.to.y == y0 + 96) valueRows.push_back(l);
    }
    ASSERT_EQ(horizontal.size(), 5u) << c.space;
    for (int r = 0; r < 5; ++r) {
      EXPECT_EQ(horizontal[std::size_t(r)].from.y, y0 + 32 * r) << c.space;
      EXPECT_EQ(horizontal[std::size_t(r)].to.x, x1) << c.space;
    }
    ASSERT_EQ(fullHeight.size(), 3u) << c.space;
    EXPECT_EQ(fullHeight[0].from.x, x0);
    EXPECT_EQ(fullHeight[1].from.x, x[1]);
    EXPECT_EQ(fullHeight[2].from.x, x1);
    ASSERT_EQ(int(valueRows.size()), c.columns - 1) << c.space;
    for (std::size_t k = 0; k < valueRows.size(); ++k)
      EXPECT_EQ(valueRows[k].from.x, x[k + 2]) << c.space;

    const std::vector<TextBox> all = texts(list);
    const std::vector<std::string> labels = opacityValueLabels(job);
    const TextBox* lastLabel = findText(all, labels.back());
    ASSERT_TRUE(lastLabel) << c.space;
    EXPECT_EQ(lastLabel->box, (Rect{x[x.size() - 2], y0, x1 - x[x.size() - 2], 32}));
    const TextBox* opacity =
        findText(all, opacityText(opacityPercent(opacitySideFor(job, 0), opacitySideFor(job, 1)),
                                  job.DataAccuracy));
    ASSERT_TRUE(opacity) << c.space;
    EXPECT_EQ(opacity->box, (Rect{x[1], y0 + 96, x1 - x[1], 32})) << c.space;
  }
}

TEST_F(OpacityPage, NoSamplesGiveLabelsWithEmptyCellsAndNoCurves) {
  const DrawList list = page(-1, -1);
  const std::vector<TextBox> all = texts(list);
  const TextBox* white = findText(all, "White Base Sample", 1);  // after its legend
  ASSERT_TRUE(white);
  int emptyCells = 0;
  for (const TextBox& t : all)
    if (t.box.y >= white->box.y && t.box.y <= white->box.y + 64 && t.box.height == 32 &&
        t.text.empty())
      ++emptyCells;
  EXPECT_EQ(emptyCells, 5 + 5 + 1);  // white and black values, the opacity
  EXPECT_TRUE(findText(all, "Black Base Sample", 1));
  EXPECT_TRUE(findText(all, "Opacity"));
  EXPECT_EQ(
      count(list, [](const auto& i) { return std::holds_alternative<spectral::BezierChain>(i); }),
      0);
  EXPECT_EQ(
      count(page(), [](const auto& i) { return std::holds_alternative<spectral::BezierChain>(i); }),
      2);
}

TEST_F(OpacityPage, LegendPairIsCentredAboveThePlot) {
  const OpacityReport report = makeOpacityReport(job, 0, 1);
  const DrawList picture = opacityPicture(report, fakeWidth);
  EXPECT_EQ(picture.update(), (Rect{0, 0, 400, 300}));
  const spectral::Font font = opacityFont(16);
  const int w1 = fakeWidth("White Base Sample", font), w2 = fakeWidth("Black Base Sample", font);
  const int x = (400 - w1 - w2 - 120) / 2;
  const std::vector<TextBox> all = texts(picture);
  const TextBox* white = findText(all, "White Base Sample");
  const TextBox* black = findText(all, "Black Base Sample");
  ASSERT_TRUE(white && black);
  EXPECT_EQ(white->box, (Rect{x + 5, 0, w1 + 45, 24}));
  EXPECT_EQ(black->box, (Rect{x + w1 + 75, 0, w2 + 45, 24}));
  // The black legend's line is dotted green, ending 5 before its box.
  bool dotted = false;
  for (const Line& l : lines(picture))
    if (l.style == spectral::PenDot && l.to.x == x + w1 + w2 + 115 && l.from.y == 12)
      dotted = l.argb == spectral::argbFromBgr(0x0000FF00);
  EXPECT_TRUE(dotted);
  // Longer texts than the picture is wide start left of it, truncated toward zero.
  LanguageIndex = ChineseSimplified;
  const auto wide = [](std::string_view text, const spectral::Font&) {
    return int(text.size()) * 13;
  };
  const DrawList chinese = opacityPicture(makeOpacityReport(job, 0, 1), wide);
  const std::string whiteText = LookupText(Text::WhiteBaseSample);
  const int cw = wide(whiteText, font), cb = wide(LookupText(Text::BlackBaseSample), font);
  const std::vector<TextBox> chineseTexts = texts(chinese);
  const TextBox* first = findText(chineseTexts, whiteText);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->box.x, (400 - cw - cb - 120) / 2 + 5);
  LanguageIndex = English;
}

TEST_F(OpacityPage, DevicePageScalesTheLogicalPage) {
  const OpacityPrinter printer{600, 300, 4800, 3300};  // 8 x 11 inches printable
  const OpacityReport report = makeOpacityReport(job, 0, 1);
  const LogicalMapping mapping = opacityPageMapping(printer);
  EXPECT_EQ(mapping.originX, 200);
  EXPECT_EQ(mapping.originY, 150);
  const Rect box = opacityContentBox(printer);
  EXPECT_EQ(box, (Rect{0, 0, (4800 - 400) * 96 / 600, (3300 - 300) * 96 / 300}));
  // Device widths are 6.25 times the logical ones in x.
  const auto device = [](std::string_view text, const spectral::Font& font) {
    return int(text.size()) * int(font.size);
  };
  const PrintPage page = opacityPage(report, printer, now, device);
  ASSERT_TRUE(page.clip());
  EXPECT_EQ(*page.clip(), (Rect{200, 150, 4400, 3000}));
  ASSERT_EQ(page.layers().size(), 1u);
  const DrawList& list = std::get<DrawList>(page.layers()[0]);
  const std::vector<TextBox> all = texts(list);
  const TextBox* date = findText(all, "2026-12-10 23:05:00");
  ASSERT_TRUE(date);
  EXPECT_EQ(date->box, (Rect{200, 150, 4400, 47}));  // 15 logical at 300 dpi: 46.875
  EXPECT_DOUBLE_EQ(date->font.size, 14 * 0.8 * 300 / 96);
  // The table's right edge, x1 = right - 10 logical, maps to one device column.
  const int x1 = mapping.x(box.right() - 10);
  int atX1 = 0;
  for (const Line& l : lines(list))
    if (l.from.x == x1 && l.to.x == x1) ++atX1;
  EXPECT_EQ(atX1, 1);
  for (const Line& l : lines(list)) EXPECT_GE(l.width, 3);  // 1/96 inch at 300 dpi
}

TEST(LogicalMapping, EdgesMapAndNeighboursStayJoined) {
  const LogicalMapping m{600, 300, 200, 150};
  EXPECT_EQ(m.x(0), 200);
  EXPECT_EQ(m.x(96), 800);
  EXPECT_EQ(m.y(96), 450);
  EXPECT_EQ(m.x(1), 206);  // 6.25 rounds down
  EXPECT_EQ(m.x(2), 213);  // 12.5 rounds away from zero
  const Rect a = m.rect({0, 0, 7, 3}), b = m.rect({7, 0, 7, 3});
  EXPECT_EQ(a.right(), b.x);
  const spectral::TextWidth logical = logicalTextWidth(
      [](std::string_view text, const spectral::Font& font) {
        return int(text.size() * 100) + int(font.size);
      },
      m);
  spectral::Font font;
  font.size = 17;  // 53.125 device pixels, measured as 353 for "abc"
  // 353 pixels at 600 dpi are 56.48 logical units: rounded up, so the text
  // fits the box it is given.
  EXPECT_EQ(logical("abc", font), 57);
  EXPECT_EQ(logical("ab", font), 41);  // 253 pixels: 40.48
}

}  // namespace
}  // namespace corvana
