#include "reports/cumulative_pages.h"

#include <algorithm>

namespace corvana {

using State = CumulativePageState;

int cumulativeLineCount(int samples, CumulativeOptions options) {
  const int n = std::max(0, samples);
  return n + (options.chromaticity ? n + 19 : 19) +
         (options.reflectance ? kReflectanceBlockLines * n + 9 : 0);
}

int cumulativeLinesPerPage(const PrintMetrics& metrics) {
  if (metrics.u <= 0) return 1;
  return std::max(1, (metrics.height - 2 * kPrintMargin) / metrics.u);
}

int cumulativeCountedPages(int samples, CumulativeOptions options, int linesPerPage) {
  const int lines = cumulativeLineCount(samples, options);
  const int L = std::max(1, linesPerPage);
  return (lines + L - 1) / L;
}

int footerLine(int askedAt, int linesPerPage) {
  const int last = std::max(0, linesPerPage - 1);
  return askedAt >= last ? last : askedAt + 1;
}

CumulativePagePlan planCumulativePage(CumulativeState& s, int samples, CumulativeOptions options,
                                      int linesPerPage) {
  const int L = std::max(1, linesPerPage);
  CumulativePagePlan plan;
  const auto footer = [&](int askedAt) {
    plan.lines.push_back({footerLine(askedAt, L), CumulativeLineKind::Footer});
  };
  int line = 0;
  if (s.state == State::SamplePages) {
    if (s.pagesPlanned == 0) {
      plan.firstPage = true;
      s.nextSample = 0;
      line = kFirstSampleLine;
    }
    const int rowLines = options.chromaticity ? 2 : 1;
    // A sample's two lines stay on one page; a page too small for them
    // still takes one sample, so the report always moves on.
    while (s.nextSample < samples && (line + rowLines <= L || (line == 0 && !plan.firstPage))) {
      for (int p = 0; p < rowLines; ++p)
        plan.lines.push_back({line + p, CumulativeLineKind::SampleRow, s.nextSample, p});
      line += rowLines;
      ++s.nextSample;
    }
    if (s.nextSample >= std::max(0, samples)) {
      s.state = State::ReflectanceGap;
      if (line < L) {
        ++line;  // the sample table ends with an empty line
        if (!options.reflectance) {
          footer(line);
          s.state = State::Done;
        }
      } else if (!options.reflectance) {
        // No room left for the footer here: it opens the next page.
        s.state = State::Footer;
      }
    }
  }
  const bool reflectancePart = s.state >= State::ReflectanceGap && s.state <= State::Footer;
  while (reflectancePart && line < L && s.state != State::FooterPages && s.state != State::Done) {
    switch (s.state) {
      case State::ReflectanceGap:
        if (!options.reflectance) {
          line = L;  // such a page stays empty
          break;
        }
        ++line;
        s.block = -1;
        s.blockLine = 0;
        s.state = State::ReflectanceHeading;
        break;
      case State::ReflectanceHeading:
        plan.lines.push_back({line++, CumulativeLineKind::ReflectanceHeading});
        s.state = State::ReflectanceBlocks;
        break;
      case State::ReflectanceBlocks:
        plan.lines.push_back({line++, CumulativeLineKind::ReflectanceLine, s.block, s.blockLine});
        if (++s.blockLine == kReflectanceBlockLines) {
          s.blockLine = 0;
          if (++s.block >= samples) s.state = State::Footer;
        }
        break;
      case State::Footer:
        footer(line);
        s.state = options.reflectance ? State::FooterPages : State::Done;
        line = L;
        break;
      default: line = L; break;
    }
  }
  if (s.state == State::FooterPages && plan.lines.empty() && options.reflectance) footer(0);
  ++s.pagesPlanned;
  return plan;
}

bool cumulativeComplete(const CumulativeState& s) {
  return s.state == State::FooterPages || s.state == State::Done;
}

int cumulativePagesNeeded(int samples, CumulativeOptions options, int linesPerPage) {
  CumulativeState state;
  // Every page but one holds at least one line of content.
  const int bound = cumulativeLineCount(samples, options) + 2;
  while (!cumulativeComplete(state) && state.pagesPlanned < bound)
    planCumulativePage(state, samples, options, linesPerPage);
  return state.pagesPlanned;
}

}  // namespace corvana
