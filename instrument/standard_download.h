#pragma once
// Storing one of the job's standards in the instrument.
#include <optional>

#include "colour/measurement_record.h"
#include "driver/colorport.h"
#include "instrument/instrument_messages.h"

namespace corvana {

// The instrument's record of a standard: its 31 reflectances (content 2), or
// for a standard without curve its L*, a*, b* under its own illuminant and
// observer (content 0). The name: at most 9 bytes in the code page, cut at a
// character boundary.
StandardSampleData standardSampleDataOf(const MeasurementRecord& standard);

// Driver step (any thread). The library reports an unconnected program as an
// invalid handle, which the message then names.
ApiResult writeStandardToInstrument(const StandardSampleData& data);

// "Please select standard!" when nothing is selected, else nothing.
Notice downloadSelectionNotice(std::optional<int> selectedStandard);

// The result's message: success, or the failure with the code's text.
Notice downloadResultNotice(ApiResult result);

}  // namespace corvana
