// Not a test: the printed reports of the example jobs as PDFs to look at
// (print_report_shots FOLDER), in English and Simplified Chinese, both
// reports, and the colour-difference report once more in CIE XYZ.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/job.h"
#include "core/job_file.h"
#include "core/job_manager.h"
#include "tools/corvana_cli/print_report_command.h"

int main(int argc, char** argv) {
  using namespace corvana;
  if (argc != 2) {
    std::fprintf(stderr, "usage: print_report_shots FOLDER\n");
    return 2;
  }
  // No application here: each report makes its own without a display, as
  // the command line runs it.
  const std::string folder = argv[1], examples = CORVANA_EXAMPLES;
  const struct {
    const char* file;
    const char* tag;
    Language language;
  } jobs[] = {{"autumn-knit.job", "en", English},
              {"autumn-knit-zh-CN.job", "zh", ChineseSimplified}};
  int failures = 0;
  for (const auto& j : jobs) {
    const std::string job = examples + "/" + j.file;
    for (const char* kind : {"diff", "cumulative"})
      failures += cli::runPrintReport(kind, job, folder + "/" + kind + "-" + j.tag + ".pdf",
                                      j.language) != 0;
    // The same job in CIE XYZ, with every report option on.
    LanguageIndex = j.language;
    Job xyz(jobManager());
    if (!readJobFile(xyz, job)) return 1;
    xyz.colorSpace = CieXyz;
    xyz.PrintChromaticity = xyz.PrintReflectanceInCumulative = true;
    xyz.recomputeAll();
    const std::string saved = folder + "/xyz-" + j.tag + ".job";
    writeJobFile(xyz, saved);
    for (const char* kind : {"diff", "cumulative"})
      failures += cli::runPrintReport(kind, saved, folder + "/xyz-" + kind + "-" + j.tag + ".pdf",
                                      j.language) != 0;
  }
  return failures ? 1 : 0;
}
