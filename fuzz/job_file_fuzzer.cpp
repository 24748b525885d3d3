// Feeds arbitrary bytes to the job-file reader. A refused file must leave the
// job exactly as it was; an accepted one must write out and read back. The
// reader takes plain record lists past TinyXML; a file that holds the
// reader's mark is read by TinyXML alone, so the same bytes behind that mark
// must give the same verdict and the same job.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/job.h"
#include "core/job_file.h"
#include "core/job_manager.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvana;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  static const JobManager manager;
  Job job(manager);
  const std::string before = jobFileText(job);
  std::string error;
  const bool accepted = readJobFileText(job, bytes, &error, "UTF-8");

  Job byTinyXml(manager);
  std::string tinyXmlError;
  const bool tinyXmlAccepted = readJobFileText(
      byTinyXml, "<!--corvana-record-list:-->" + std::string(bytes), &tinyXmlError, "UTF-8");
  if (accepted != tinyXmlAccepted) std::abort();

  if (!accepted) {
    if (jobFileText(job) != before || error.empty()) std::abort();
    return 0;
  }
  const std::string written = jobFileText(job);
  if (jobFileText(byTinyXml) != written) std::abort();
  // What was read must survive its own round trip.
  Job again(manager);
  if (!readJobFileText(again, written, &error, "UTF-8")) std::abort();
  if (jobFileText(again) != written) std::abort();
  return 0;
}
