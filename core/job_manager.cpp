#include "core/job_manager.h"

#include <algorithm>

namespace corvana {

void JobManager::remove(const Job* job) {
  jobs.erase(std::remove(jobs.begin(), jobs.end(), job), jobs.end());
}

JobManager& jobManager() {
  static JobManager manager;
  return manager;
}

ParametricFactors& parametricFactors() { return jobManager().parametricFactors; }

}  // namespace corvana
