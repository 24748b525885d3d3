#pragma once
// How the cumulative report's lines fall onto pages: its line count, the
// lines a page holds, and the page states that carry the report from one
// page to the next (sample rows, then the reflectance blocks, then the
// footer).
#include <vector>

#include "reports/print_layout.h"

namespace corvana {

struct CumulativeOptions {
  bool reflectance = false;   // the reflectance blocks after the sample table
  bool chromaticity = false;  // each sample's values on a line above its differences
};

// First page: the standard table at line 12, the sample table's header at
// line 15 and its first row at line 16; line l is at y = 100 + l u.
constexpr int kStandardTableLine = 12;
constexpr int kSampleHeaderLine = 15;
constexpr int kFirstSampleLine = 16;
constexpr int kReflectanceBlockLines = 7;

// n + (n + 19 with the chromaticity option, else 19) + (7 n + 9 with the
// reflectance option).
int cumulativeLineCount(int samples, CumulativeOptions options);
// L = (page height − 200) / u, counted from y = 100; at least 1.
int cumulativeLinesPerPage(const PrintMetrics& metrics);
// ceil(lines / L).
int cumulativeCountedPages(int samples, CumulativeOptions options, int linesPerPage);

// The footer asked for at line n is drawn on line n + 1, or on n itself when
// n is the page's last line; never below the page.
int footerLine(int askedAt, int linesPerPage);

enum class CumulativePageState : int {
  SamplePages = 0,
  ReflectanceGap = 1,      // one empty line before the reflectance section
  ReflectanceHeading = 2,  // "Reflectance"
  ReflectanceBlocks = 3,   // the standard's block, then every selected sample's
  Footer = 4,              // the footer at the next free line
  FooterPages = 5,         // a page holding only the footer
  Done = 6,                // nothing more: further pages stay empty
};

struct CumulativeState {
  CumulativePageState state = CumulativePageState::SamplePages;
  int pagesPlanned = 0;
  int nextSample = 0;  // position in the selection
  int block = -1;      // -1: the standard's reflectance block, else a selection position
  int blockLine = 0;   // 0 to 6
};

enum class CumulativeLineKind { SampleRow, ReflectanceHeading, ReflectanceLine, Footer };

struct CumulativeLine {
  int line = 0;
  CumulativeLineKind kind = CumulativeLineKind::SampleRow;
  int item = -1;  // sample row: selection position; reflectance line: the block
  int part = 0;   // sample row: 0 values or only line, 1 differences; reflectance: 0 to 6
  friend bool operator==(const CumulativeLine&, const CumulativeLine&) = default;
};

struct CumulativePagePlan {
  bool firstPage = false;  // company, conditions, standard table, sample table header
  std::vector<CumulativeLine> lines;
};

// The next page of a report of `samples` selected samples, advancing the state.
CumulativePagePlan planCumulativePage(CumulativeState& state, int samples,
                                      CumulativeOptions options, int linesPerPage);

// Whether everything up to the footer has been planned.
bool cumulativeComplete(const CumulativeState& state);

// The pages the content needs (the first page included), found by planning them.
int cumulativePagesNeeded(int samples, CumulativeOptions options, int linesPerPage);

}  // namespace corvana
