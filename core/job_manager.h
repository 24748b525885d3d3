#pragma once
// The one owner of the process-wide job defaults, the open jobs' order, the
// measurement mode, the instrument model and the user profile.
#include <cstdint>
#include <string>
#include <vector>

#include "colour/color_space.h"
#include "colour/parametric_factors.h"
#include "colour/spectral.h"

namespace corvana {

class Job;

class JobManager {
 public:
  // Refers to the open jobs in creation order; their windows own them.
  std::vector<Job*> jobs;

  const ColorSpace defaultColorSpace = CieLab;
  const ColorFormula defaultColorFormula = Cie1976;
  const Illuminant defaultIlluminants[3] = {D65, A, F2};
  const Observer defaultObserver = Observer10;

  std::uint32_t currentMeasurementMode = 1;  // SCE until settings or the model say otherwise
  std::string ChineseName, EnglishName, ChineseAddress, EnglishAddress;
  std::string instrumentModel;
  // Shared by every open job; saved into and restored from each job file.
  ParametricFactors parametricFactors;

  void add(Job* job) { jobs.push_back(job); }
  void remove(const Job* job);
};

// The process-wide manager.
JobManager& jobManager();
// The factors of the process-wide manager.
ParametricFactors& parametricFactors();

}  // namespace corvana
