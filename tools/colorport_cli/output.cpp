#include "tools/colorport_cli/output.h"

#include <cstdio>
#include <cstring>

namespace colorport::cli {
namespace {

// A text field that may lack its terminator.
std::string fieldText(const char* field, std::size_t size) {
  return std::string(field, strnlen(field, size));
}

void appendFloats(std::string& out, const float* values, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    if (!out.empty()) out += ',';
    out += formatFloat(values[i]);
  }
}

}  // namespace

std::string formatFloat(float v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.9g", static_cast<double>(v));
  return buf;
}

std::string formatInfo(const DeviceInfo& info) {
  return "model: " + fieldText(info.model, sizeof info.model) + "\n" +
         "version: " + fieldText(info.terminalVersion, sizeof info.terminalVersion) + "\n" +
         "board: " + fieldText(info.whiteBoardNumber, sizeof info.whiteBoardNumber) + "\n" +
         "capacity: " + std::to_string(info.capacity) + "\n" +
         "standards: " + std::to_string(info.storedStandards) + "\n" +
         "samples: " + std::to_string(info.storedSamples) + "\n" +
         "black: " + (info.blackCalibrated ? "1" : "0") + "\n" +
         "white: " + (info.whiteCalibrated ? "1" : "0") + "\n";
}

std::string formatMeasureResult(const MeasureResult& result) {
  std::string out;
  const float head[5] = {result.L, result.a, result.b, result.fourth, result.fifth};
  appendFloats(out, head, 5);
  appendFloats(out, result.reflectance, 31);
  return out + "\n";
}

std::string formatStoredRecord(const StoredRecord& r) {
  char head[128];
  std::snprintf(head, sizeof head, ",%d,%04u-%02u-%02u %02u:%02u:%02u,%u,%u,%u", r.reference,
                r.year, r.month, r.day, r.hour, r.minute, r.second, r.illuminant, r.observer,
                r.mode);
  std::string values;
  appendFloats(values, r.values, 5);
  appendFloats(values, r.reflectance, 31);
  return std::to_string(r.number) + "," + fieldText(r.name, sizeof r.name) + head + "," + values +
         "\n";
}

std::string formatWhiteBoard(const WhiteBoardData& data) {
  std::string values;
  appendFloats(values, data.values, 31);
  return "inner: " + fieldText(data.innerName, sizeof data.innerName) + "\n" +
         "outer: " + fieldText(data.outerName, sizeof data.outerName) + "\n" + "values: " + values +
         "\n";
}

}  // namespace colorport::cli
