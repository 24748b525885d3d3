#pragma once
// What the Average Measure dialog draws of the running record, as texts in
// the current language: the count, the values, the differences and grade,
// the colour patch and the reflectance table.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "colour/spectral.h"
#include "instrument/averaging.h"

namespace corvana {

class Job;

struct AverageLine {
  std::string label;
  std::string value;
};

struct AverageDrawingText {
  // Nothing is drawn before the first measurement of a run.
  bool shown = false;
  std::string countLine;  // "The 3 Times"
  std::vector<AverageLine> values;
  // Differences of the job's formula, then "Judge Result" with the grade;
  // empty for a standard or without a current standard to compare with.
  std::vector<AverageLine> differences;
  std::string colorSimulation;
  std::uint32_t displayColor = 0;  // ARGB
  std::string reflectanceCaption;
  // "400" ... "700" and the percentages ("%6.*f", or "--").
  std::array<AverageLine, kCurvePoints> reflectance;
};

AverageDrawingText averageDrawingText(const Job& job, const AverageRun& run);

// Every label the drawing may show for the job's colour space and formula,
// so the dialog can keep room for the longest before a run starts.
std::vector<std::string> averageDrawingLabels(const Job& job);

// What the dialog's name and material fields start with: the list's naming
// rules (rule 1 then rule 2, not expanded) and the list's material.
std::string averageNameTemplate(const Job& job, RecordList list);
std::string averageMaterial(const Job& job, RecordList list);

}  // namespace corvana
