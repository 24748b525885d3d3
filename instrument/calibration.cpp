#include "instrument/calibration.h"

#include "core/language_table.h"
#include "instrument/connection.h"
#include "instrument/instrument_text.h"

namespace corvana {

std::string calibrationPrompt(CalibrationKind kind, const DeviceInfo& info) {
  return LookupText(kind == CalibrationKind::Black ? Text::PutBlackBoard : Text::PutWhiteBoard) +
         "\n(" + LookupText(Text::WhiteBoardNumber) + ": " +
         fromInstrumentText(info.whiteBoardNumber, sizeof info.whiteBoardNumber) + ")";
}

ApiResult calibrate(CalibrationKind kind) {
  return noteDriverResult(ZW_Calibrate(currentDeviceHandle(), static_cast<std::int32_t>(kind)));
}

Notice calibrationNotice(ApiResult result) {
  if (result == API_SUCCESS) return Notice::information(LookupText(Text::CalibrateOk));
  return Notice::failure(failureMessage(Text::CalibrateFailed, result));
}

}  // namespace corvana
