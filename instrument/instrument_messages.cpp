#include "instrument/instrument_messages.h"

namespace corvana {

const std::string& codeText(ApiResult code) {
  // Codes 1 to 10 have rows of their own, in code order; 11 has none.
  if (code >= API_DEVICE_NOT_FOUND && code <= API_INVALID_PARAMETER)
    return LookupText(sequenceText(Text::DeviceNotFound, code - API_DEVICE_NOT_FOUND));
  if (code == API_TRANSFER_INCOMPLETE) return LookupText(Text::TransferIncomplete);
  if (code == API_DEVICE_DISCONNECTED) return LookupText(Text::DeviceDisconnected);
  return LookupText(Text::UnknownError);
}

std::string failureMessage(Text prefix, ApiResult code) {
  return LookupText(prefix) + "\n(" + codeText(code) + ")";
}

}  // namespace corvana
