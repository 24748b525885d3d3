#pragma once
// The texts and tables of the colour-difference report and the cumulative
// report, in the current language, shared by every way of producing them
// (printed pages, word-processor documents). Widths are in the report's
// text-height unit h (colour-difference report) or line unit u (cumulative).
#include <string>
#include <vector>

#include "core/language_table.h"
#include "reports/word/word_report_table.h"

namespace corvana {
class Job;
}

// Kept apart from the printed reports' texts, which name some of the same
// things differently.
namespace corvana::wordreport {

// The names of the displayed illuminants (the job's 1 to 3) joined by ", ".
std::string displayedIlluminantsText(const Job& job);
// "Full Scale:   1.80" ("%s: %6.2f").
std::string fullScaleText(float fullScale);
// "Instrument: <model>", padded as the reports print it.
std::string instrumentLineText(const Job& job);

// Colour-difference report tables: one row per displayed illuminant under a header.
DocumentTable toleranceTable(const Job& job);
DocumentTable recordValueTable(const Job& job, bool standard);  // current standard or sample
DocumentTable differenceTable(const Job& job);

// Cumulative report texts.
std::string cumulativeConditionLine(const Job& job, Text sortMode);
std::string cumulativeToleranceLine(const Job& job);
std::string judgeMethodLine(const Job& job);  // "  Judge Method: <name>"
// "Standard" and the value labels over the standard's values (primary illuminant).
DocumentTable cumulativeStandardTable(const Job& job);
// Header, then a line per sample (two with the chromaticity option); `samples`
// are positions in the job's sample list, in report order.
DocumentTable cumulativeSampleTable(const Job& job, const std::vector<int>& samples);
// Eleven columns: for the standard and each sample a seven-line block (the
// header line, then wavelengths and reflectances in three pairs of lines).
DocumentTable reflectanceBlocks(const Job& job, const std::vector<int>& samples);

}  // namespace corvana::wordreport
