#pragma once
// The text forms colorport-cli prints.
#include <string>

#include "driver/colorport.h"

namespace colorport::cli {

std::string formatInfo(const DeviceInfo& info);
// 36 comma-separated "%.9g" numbers.
std::string formatMeasureResult(const MeasureResult& result);
// number,name,reference,YYYY-MM-DD hh:mm:ss,illuminant,observer,mode,L,a,b,v4,v5,r400,...,r700
std::string formatStoredRecord(const StoredRecord& record);
std::string formatWhiteBoard(const WhiteBoardData& data);
std::string formatFloat(float v);

}  // namespace colorport::cli
