#include "core/job_status_text.h"

#include <filesystem>

#include "colour/spectral.h"
#include "core/condition_texts.h"
#include "core/job.h"
#include "core/job_judgement.h"
#include "core/language_table.h"

namespace corvana {

namespace {

// The row's "%s" replaced by the number.
std::string withCount(Text row, int count) {
  std::string text = LookupText(row);
  const std::size_t at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, std::to_string(count));
  return text;
}

constexpr const char* kDot = " \xC2\xB7 ";  // " · "

}  // namespace

int noGoodSampleCount(const Job& job) {
  int count = 0;
  for (int i = 0; i < job.sampleCount(); ++i)
    if (sampleGrade(job, i, 0) == NoGood) ++count;
  return count;
}

JobStatusText jobStatusText(const Job& job) {
  JobStatusText status;
  status.file = job.filePath.empty() ? LookupText(Text::NoFileYet)
                                     : std::filesystem::path(job.filePath).filename().string();
  for (int slot = 0; slot < 3; ++slot) {
    if (slot) status.conditions += " / ";
    status.conditions += illuminantName(job.illuminants[slot]);
  }
  // The angle with its sign in every language (the English observer row reads a bare "2").
  status.conditions += kDot;
  status.conditions += job.observer == Observer10 ? "10\xC2\xB0" : "2\xC2\xB0";
  status.colour = colorSpaceText(job.colorSpace) + kDot + colorFormulaText(job.colorFormula);
  status.counts = withCount(Text::StatusStandards, job.standardCount()) + "  " +
                  withCount(Text::StatusSamples, job.sampleCount()) + "  " +
                  withCount(Text::StatusNoGood, noGoodSampleCount(job));
  return status;
}

}  // namespace corvana
