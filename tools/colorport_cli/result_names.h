#pragma once
#include "driver/colorport.h"

namespace colorport::cli {

// "success", "device not found", ... ; "unknown error" for codes outside 0..13.
const char* resultName(ApiResult code);

}  // namespace colorport::cli
