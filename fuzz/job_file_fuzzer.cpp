// Feeds arbitrary bytes to the job-file reader. A refused file must leave the
// job exactly as it was; an accepted one must write out and read back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/job.h"
#include "app/job_file.h"
#include "app/job_manager.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvana;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  static const JobManager manager;
  Job job(manager);
  const std::string before = jobFileText(job);
  std::string error;
  if (!readJobFileText(job, bytes, &error, "UTF-8")) {
    if (jobFileText(job) != before || error.empty()) std::abort();
    return 0;
  }
  // What was read must survive its own round trip.
  const std::string written = jobFileText(job);
  Job again(manager);
  if (!readJobFileText(again, written, &error, "UTF-8")) std::abort();
  if (jobFileText(again) != written) std::abort();
  return 0;
}
