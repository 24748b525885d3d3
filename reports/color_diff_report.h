#pragma once
// What the colour-difference report says about the current standard and
// sample: its texts and tables, before they are placed on the page.
#include <string>
#include <utility>
#include <vector>

#include "colour/measurement_record.h"
#include "reports/report_table.h"

namespace corvana {

class Job;

struct CompanyLine {
  std::string text;
  bool centred = false;  // names centred, addresses right-aligned
};

struct ColorDiffReport {
  std::string dateTime;                   // "2024/03/02 09:05:03"
  std::vector<CompanyLine> companyLines;  // the ones that are not empty
  // Test conditions: (left, right) of three rows.
  std::vector<std::pair<std::string, std::string>> conditions;
  bool xyDiagram = false;  // CIE XYZ: the xy diagram instead of the square
  ReportTable tolerance, standard, sample, difference;
  std::string judgeLine;       // "Judge Method: Use ΔE  Tolerance Quotiety:  0.75"
  std::string instrumentLine;  // "Instrument: <model>                   "
  std::string signatureLine;   // "Test: ... Audit: ..."
};

// Column widths follow from the text height h in device pixels.
ColorDiffReport colorDiffReport(const Job& job, const RecordTime& now, int h);

// Width factor of a difference column by the label's row: 4.8 for "MI", ...
double differenceColumnFactor(int labelRow);

}  // namespace corvana
