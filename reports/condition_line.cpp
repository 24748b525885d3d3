#include "reports/condition_line.h"

#include "colour/spectral.h"
#include "core/condition_texts.h"
#include "core/job.h"
#include "core/language_table.h"

namespace corvana {

std::string testConditionLine(const Job& job) {
  // "%s%s: %s  %s: %s  %s: %s %s " of the illuminant part ("%s: %s  "),
  // observer, space, formula and factors; every blank stays where it stands,
  // also after empty factors.
  const std::string illuminant =
      LookupText(Text::Illuminant) + ": " + std::string(illuminantName(job.illuminants[0])) + "  ";
  return illuminant + LookupText(Text::ObserverAngle) + ": " +
         LookupText(observerTextRow(job.observer)) + "  " + LookupText(Text::ColorSpace) + ": " +
         colorSpaceText(job.colorSpace) + "  " + LookupText(Text::ColorFormula) + ": " +
         colorFormulaText(job.colorFormula) + " " + parametricFactorsText(job.colorFormula) + " ";
}

}  // namespace corvana
