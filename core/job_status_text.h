#pragma once
// What the main window's status bar says about the active job, field by
// field, in the current language.
#include <string>

namespace corvana {

class Job;

struct JobStatusText {
  std::string file;        // "a.job", or "(no file yet)"
  std::string conditions;  // "D65 / A / F2 · 10°"
  std::string colour;      // colour space and formula: "CIELab · CIE1976"
  std::string counts;      // "Standards: 1  Samples: 4  NG: 1"
};

// NG counts the samples the sample list grades NG (its grade column judges
// under the primary illuminant); samples that cannot be judged do not count.
int noGoodSampleCount(const Job& job);

// The instrument's field is the instrument layer's (instrumentStatusLine).
JobStatusText jobStatusText(const Job& job);

}  // namespace corvana
