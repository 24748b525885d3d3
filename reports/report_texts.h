#pragma once
// Texts both printed reports share: displayed illuminants, labels, the
// footer, the record cells of the value table.
#include <string>
#include <vector>

#include "core/job_observer.h"
#include "core/language_table.h"

namespace corvana {

class Job;

// Illuminant slots the job displays: 1 to 3 from its display mode.
int displayedIlluminants(const Job& job);
// Their names joined by ", ".
std::string displayedIlluminantNames(const Job& job);

// The short ("report") labels of the job's value and difference slots.
std::vector<std::string> reportValueLabels(const Job& job);
std::vector<std::string> reportDifferenceLabels(const Job& job);

// "<label>: <value>", the label/value pairs of the reports.
std::string labelled(Text label, const std::string& value);
// "1. Test Condition": a report's numbered section heading.
std::string numberedHeading(int number, Text heading);

// "Test:                        Audit:                       ".
std::string signatureText();

// The colour direction of a sample against the current standard under a
// slot, for the L*a*b*-based spaces when both are usable there; else empty.
std::string colorDirectionCell(const Job& job, int sample, int slot);

// The name of a record, empty when there is none at that position.
std::string recordName(const Job& job, RecordList list, int record);

}  // namespace corvana
