#pragma once
// The one page of the colour-difference report, in device pixels.
#include "colour/measurement_record.h"
#include "reports/print_page.h"

namespace corvana {

class Job;

PrintPage colorDiffPage(const Job& job, int pageWidth, int pageHeight, const RecordTime& now);

}  // namespace corvana
