#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "reports/cumulative_pages.h"

namespace corvana {
namespace {

using Kind = CumulativeLineKind;

constexpr CumulativeOptions kNone{false, false}, kReflectance{true, false},
    kChromaticity{false, true}, kBoth{true, true};

std::vector<CumulativePagePlan> planAll(int samples, CumulativeOptions options, int L,
                                        int extraPages = 0) {
  std::vector<CumulativePagePlan> pages;
  CumulativeState state;
  const int needed = cumulativePagesNeeded(samples, options, L);
  for (int i = 0; i < needed + extraPages; ++i)
    pages.push_back(planCumulativePage(state, samples, options, L));
  return pages;
}

std::vector<CumulativeLine> linesOf(const std::vector<CumulativePagePlan>& pages, Kind kind) {
  std::vector<CumulativeLine> out;
  for (const CumulativePagePlan& page : pages)
    for (const CumulativeLine& line : page.lines)
      if (line.kind == kind) out.push_back(line);
  return out;
}

TEST(CumulativeLines, CountFollowsTheOptions) {
  struct Case {
    int samples;
    CumulativeOptions options;
    int lines;
  } cases[] = {
      {30, kBoth, 298}, {30, kNone, 49}, {30, kChromaticity, 79}, {30, kReflectance, 268},
      {0, kNone, 19},   {0, kBoth, 28},  {1, kReflectance, 36},
  };
  for (const Case& c : cases)
    EXPECT_EQ(cumulativeLineCount(c.samples, c.options), c.lines) << c.samples;
}

TEST(CumulativeLines, PagesHoldTheLinesOfTheCount) {
  // On one endless page the footer is the report's last line.
  for (CumulativeOptions options : {kNone, kReflectance, kChromaticity, kBoth})
    for (int n : {0, 1, 30}) {
      const std::vector<CumulativePagePlan> pages = planAll(n, options, 100000);
      ASSERT_EQ(pages.size(), 1u);
      const std::vector<CumulativeLine> footers = linesOf(pages, Kind::Footer);
      ASSERT_EQ(footers.size(), 1u);
      EXPECT_EQ(footers[0].line + 1, cumulativeLineCount(n, options))
          << n << " " << options.reflectance << options.chromaticity;
    }
}

TEST(CumulativeLines, LinesPerPageAndCountedPages) {
  EXPECT_EQ(cumulativeLinesPerPage(printMetrics(2480, 3508)), 82);  // (3508 − 200) / 40
  // The 100-pixel margins do not scale: (1754 − 200) / 20.
  EXPECT_EQ(cumulativeLinesPerPage(printMetrics(1240, 1754)), 77);
  EXPECT_EQ(cumulativeCountedPages(30, kBoth, 82), 4);  // 298 / 82
  EXPECT_EQ(cumulativeCountedPages(0, kNone, 82), 1);
}

TEST(CumulativePages, ThirtySamplesWithBothOptionsOnA4) {
  const std::vector<CumulativePagePlan> pages = planAll(30, kBoth, 82);
  ASSERT_EQ(pages.size(), 4u);
  EXPECT_TRUE(pages[0].firstPage);
  EXPECT_FALSE(pages[1].firstPage);
  // Every sample twice (values, then differences), in order, on the first page.
  const std::vector<CumulativeLine> rows = linesOf(pages, Kind::SampleRow);
  ASSERT_EQ(rows.size(), 60u);
  for (int i = 0; i < 60; ++i) {
    EXPECT_EQ(rows[std::size_t(i)].item, i / 2);
    EXPECT_EQ(rows[std::size_t(i)].part, i % 2);
    EXPECT_EQ(rows[std::size_t(i)].line, kFirstSampleLine + i);
  }
  // A gap of two lines, the heading, then the standard's block and 30 more.
  const std::vector<CumulativeLine> headings = linesOf(pages, Kind::ReflectanceHeading);
  ASSERT_EQ(headings.size(), 1u);
  EXPECT_EQ(headings[0].line, kFirstSampleLine + 60 + 2);
  const std::vector<CumulativeLine> blocks = linesOf(pages, Kind::ReflectanceLine);
  ASSERT_EQ(blocks.size(), 31u * 7u);
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    EXPECT_EQ(blocks[i].item, int(i / 7) - 1);
    EXPECT_EQ(blocks[i].part, int(i % 7));
  }
  // 298 lines over pages of 82: the footer on line 297 − 3 × 82 = 51 of page 4.
  ASSERT_EQ(pages[3].lines.back().kind, Kind::Footer);
  EXPECT_EQ(pages[3].lines.back().line, 51);
  EXPECT_EQ(linesOf(pages, Kind::Footer).size(), 1u);
}

TEST(CumulativePages, PagesBeyondTheContent) {
  // With the reflectance option each further page holds the footer alone
  // (asked for at line 0); without it they stay empty.
  std::vector<CumulativePagePlan> pages = planAll(3, kReflectance, 82, 2);
  ASSERT_EQ(pages.size(), 3u);
  for (std::size_t p = 1; p < 3; ++p) {
    ASSERT_EQ(pages[p].lines.size(), 1u);
    EXPECT_EQ(pages[p].lines[0], (CumulativeLine{1, Kind::Footer}));
  }
  pages = planAll(3, kNone, 82, 2);
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_TRUE(pages[1].lines.empty());
  EXPECT_TRUE(pages[2].lines.empty());
}

TEST(CumulativePages, FooterLineNearTheEndOfThePage) {
  struct Case {
    int asked, L, drawn;
  } cases[] = {{0, 82, 1}, {79, 82, 80}, {80, 82, 81}, {81, 82, 81}, {95, 82, 81}, {0, 1, 0}};
  for (const Case& c : cases) EXPECT_EQ(footerLine(c.asked, c.L), c.drawn) << c.asked;
}

TEST(CumulativePages, SamplesFillingThePageLeaveTheFooterToTheNext) {
  // Rows 16 to 19 fill a page of 20 lines: the footer opens page 2 instead
  // of being lost.
  const std::vector<CumulativePagePlan> pages = planAll(4, kNone, 20);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(linesOf({pages[0]}, Kind::SampleRow).size(), 4u);
  ASSERT_EQ(pages[1].lines.size(), 1u);
  EXPECT_EQ(pages[1].lines[0], (CumulativeLine{1, Kind::Footer}));
}

TEST(CumulativePages, ASampleWithChromaticityStaysOnOnePage) {
  // 82 − 16 = 66 lines: 33 samples on page 1, the rest from the top of page 2.
  const std::vector<CumulativePagePlan> pages = planAll(40, kChromaticity, 82);
  ASSERT_EQ(pages.size(), 2u);
  const std::vector<CumulativeLine> first = linesOf({pages[0]}, Kind::SampleRow);
  const std::vector<CumulativeLine> second = linesOf({pages[1]}, Kind::SampleRow);
  ASSERT_EQ(first.size(), 66u);
  ASSERT_EQ(second.size(), 14u);
  EXPECT_EQ(second.front(), (CumulativeLine{0, Kind::SampleRow, 33, 0}));
  EXPECT_EQ(pages[1].lines.back(), (CumulativeLine{16, Kind::Footer}));
}

TEST(CumulativePages, EmptySelectionPrintsTheFirstPage) {
  const std::vector<CumulativePagePlan> pages = planAll(0, kNone, 82);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_TRUE(pages[0].firstPage);
  EXPECT_EQ(pages[0].lines, (std::vector<CumulativeLine>{{kFirstSampleLine + 2, Kind::Footer}}));
}

TEST(CumulativePages, ReflectanceBlocksContinueOnTheNextPage) {
  // 10 samples with reflectance on pages of 40 lines: the blocks run over
  // three pages without losing or repeating a line.
  const std::vector<CumulativePagePlan> pages = planAll(10, kReflectance, 40);
  const std::vector<CumulativeLine> blocks = linesOf(pages, Kind::ReflectanceLine);
  ASSERT_EQ(blocks.size(), 77u);
  EXPECT_EQ(int(pages.size()), cumulativeCountedPages(10, kReflectance, 40));
  for (const CumulativePagePlan& page : pages)
    for (const CumulativeLine& line : page.lines) EXPECT_LT(line.line, 40);
}

}  // namespace
}  // namespace corvana
