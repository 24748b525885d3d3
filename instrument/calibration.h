#pragma once
// Black and white calibration: the prompt and the outcome's message.
#include <string>

#include "driver/colorport.h"
#include "instrument/instrument_messages.h"

namespace corvana {

enum class CalibrationKind : std::int32_t { Black = 0, White = 1 };

// "Put white board then click 'OK' to calibrate.\n(White Board Number: ZW0042)";
// an unread record leaves the number empty.
std::string calibrationPrompt(CalibrationKind kind, const DeviceInfo& info);

// Driver step (any thread). Unconnected, the library answers "invalid handle".
ApiResult calibrate(CalibrationKind kind);

// "Calibrate OK!" (the dialog then closes) or the failure with the code text.
Notice calibrationNotice(ApiResult result);

}  // namespace corvana
