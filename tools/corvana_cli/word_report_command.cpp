#include "tools/corvana_cli/word_report_command.h"

#include <iostream>
#include <numeric>
#include <vector>

#include "core/date_time_text.h"
#include "core/job.h"
#include "core/job_file.h"
#include "core/job_manager.h"
#include "reports/word_automation.h"
#include "reports/word_report.h"
#include "tools/corvana_cli/cli_input.h"

namespace corvana::cli {

int runWordReport(std::string_view kind, const std::string& jobPath, const std::string& outPath,
                  Language language, std::ostream& err) {
  if (kind != "word-diff" && kind != "word-diff2" && kind != "word-cumulative") {
    err << "corvana-cli: unknown report kind " << kind
        << " (word-diff, word-diff2 or word-cumulative)\n";
    return 2;
  }
  LanguageIndex = language;
  Job job(jobManager());
  if (!readJobOrReport(job, jobPath, err)) return 1;
  const TemplateLocationInputs templates = currentTemplateLocationInputs();
  WordReportResult result;
  if (kind == "word-cumulative") {
    std::vector<int> samples(std::size_t(job.sampleCount()));
    std::iota(samples.begin(), samples.end(), 0);
    result = writeCumulativeReport(job, samples, ListSortMode::Unsorted, templates, outPath);
  } else {
    if (kind == "word-diff2" && job.colorSpace != CieXyz) {
      err << "corvana-cli: " << jobPath << ": word-diff2 is the CIE XYZ report; the job's colour "
          << "space is " << int(job.colorSpace) << "\n";
      return 1;
    }
    result = writeColorDiffReport(job, templates, outPath, currentLocalTime());
  }
  switch (result.status) {
    case WordReportStatus::Saved: return 0;
    case WordReportStatus::NothingToReport:
      err << "corvana-cli: " << jobPath << ": no colour values under the primary illuminant\n";
      return 1;
    case WordReportStatus::TemplateMissing:
      err << "corvana-cli: " << LookupText(Text::OpenWordFailed) << " (" << result.error << ")\n";
      return 1;
    case WordReportStatus::Failed:
      err << "corvana-cli: " << result.error << "\n";  // it names the file
      return 1;
  }
  return 1;
}

int runWordReport(std::string_view kind, const std::string& jobPath, const std::string& outPath,
                  Language language) {
  return runWordReport(kind, jobPath, outPath, language, std::cerr);
}

}  // namespace corvana::cli
