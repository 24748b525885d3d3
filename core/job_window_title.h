#pragma once
// The text a job window shows as its title: unsaved changes first, then the
// job's name and the file it belongs to.
#include <string>

namespace corvana {

class Job;

// "*Job1 - /jobs/a.job" while modified, "Job1 - /jobs/a.job" once saved;
// a job without a file names that in the current language.
std::string jobWindowTitle(const Job& job);

}  // namespace corvana
