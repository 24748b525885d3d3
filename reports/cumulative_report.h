#pragma once
// What the cumulative report says: the conditions and tolerance lines, the
// standard table, the sample table's header and rows, and the lines of the
// reflectance blocks, for the samples selected in the sample list.
#include <string>
#include <vector>

#include "core/language_table.h"
#include "reports/cumulative_pages.h"
#include "reports/report_table.h"

namespace corvana {

class Job;

// The sample list's sort mode: "Unsorted", "Ascending" or "Descending".
enum class ListSortMode { Unsorted, Ascending, Descending };
Text sortModeTextRow(ListSortMode mode);

struct CumulativeReport {
  const Job& job;
  std::vector<int> selection;  // sample positions, in list order
  CumulativeOptions options;
  ListSortMode sortMode = ListSortMode::Unsorted;
};

// The job's report settings decide the options.
CumulativeOptions cumulativeOptionsOf(const Job& job);

// "Illuminant: D65  Observer Angle: 10°  Color Space: ...  Color Formula: ... KL: ..., ...  Sort
// Mode: ..."
std::string cumulativeConditionLine(const CumulativeReport& report);
// "ΔL*:  -1.00 ~   1.00, ..., ΔE*:   0.00 ~   1.00  Judge Method: Use ΔE":
// the limits, then the judge method line.
std::string cumulativeToleranceLine(const Job& job);
std::string cumulativeToleranceLimits(const Job& job);
std::string judgeMethodLine(const Job& job);  // "  Judge Method: Use ΔE"

// The sample table whole: the header, then every line of every sample.
ReportTable cumulativeSampleTable(const CumulativeReport& report, int u);
// The reflectance blocks whole, the standard's first: seven lines each,
// eleven columns of width reflectanceCellWidth(u).
ReportTable reflectanceBlocksTable(const CumulativeReport& report, int u);

// "Standard" 9u and a 5.5u column per value; the header and the standard's row.
ReportTable cumulativeStandardTable(const Job& job, int u);
// "Sample" 2u, "Name" 8u, a 5.5u column per difference, "J. Result" 4u;
// only the header row.
ReportTable cumulativeSampleHeader(const CumulativeReport& report, int u);
// The cells of one line of a sample: its number (from 1) and name, its
// values (part 0 with the chromaticity option), or its differences and grade.
std::vector<std::string> cumulativeSampleCells(const CumulativeReport& report, int position,
                                               int part);

// Cell width (int)(5.2 u) of the reflectance blocks.
int reflectanceCellWidth(int u);
// Line `part` (0 to 6) of a block: the header (number or "Standard", name),
// then wavelengths and values for 400-490, 500-590 and 600-700 nm. Block -1
// is the standard's.
std::vector<std::string> reflectanceBlockCells(const CumulativeReport& report, int block, int part);

}  // namespace corvana
