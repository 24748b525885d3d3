#include "instrument/standard_download.h"

#include <algorithm>

#include "core/language_table.h"
#include "instrument/connection.h"
#include "instrument/instrument_text.h"

namespace corvana {
namespace {
constexpr std::size_t kInstrumentNameBytes = 9;
}

StandardSampleData standardSampleDataOf(const MeasurementRecord& standard) {
  StandardSampleData data = {};
  storeInstrumentText(data.name, sizeof data.name, kInstrumentNameBytes, standard.nameUtf8());
  if (standard.UseReflect) {
    data.content = 2;
    std::copy(standard.reflectance.begin(), standard.reflectance.end(), data.values);
  } else {
    data.content = 0;
    data.illuminant = standard.illuminant;
    data.observer = standard.observer;
    data.colourValuesFlag = 1;
    data.values[0] = standard.L;
    data.values[1] = standard.a;
    data.values[2] = standard.b;
  }
  return data;
}

ApiResult writeStandardToInstrument(const StandardSampleData& data) {
  return noteDriverResult(ZW_WriteStandardSampleData(currentDeviceHandle(), &data));
}

Notice downloadSelectionNotice(std::optional<int> selectedStandard) {
  if (!selectedStandard || *selectedStandard < 0)
    return Notice::failure(LookupText(Text::PleaseSelectStandard));
  return Notice::none();
}

Notice downloadResultNotice(ApiResult result) {
  if (result == API_SUCCESS)
    return Notice::information(LookupText(Text::DownloadStandardSuccessfully));
  return Notice::failure(failureMessage(Text::DownloadStandardFailed, result));
}

}  // namespace corvana
