#include "tools/colorport_cli/result_names.h"

namespace colorport::cli {

const char* resultName(ApiResult code) {
  static const char* const names[] = {
      "success",
      "device not found",
      "device already open",
      "open device failed",
      "invalid device handle",
      "timeout",
      "device is busy",
      "invalid request",
      "execute request failed",
      "get result failed",
      "invalid parameter",
      "wait failed",
      "transfer incomplete",
      "device disconnected",
  };
  if (code < 0 || code >= static_cast<ApiResult>(sizeof names / sizeof names[0]))
    return "unknown error";
  return names[code];
}

}  // namespace colorport::cli
