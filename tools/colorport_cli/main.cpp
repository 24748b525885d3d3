// colorport-cli: every driver operation from the shell, through the flat interface.
// Exit status: the ApiResult (0 on success); its name goes to standard error.
// Output that could not be written (a full disk) exits 1 with its reason.
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "driver/colorport.h"
#include "tools/colorport_cli/output.h"
#include "tools/colorport_cli/result_names.h"

namespace {
using namespace colorport::cli;
using Args = std::vector<std::string>;

const char* const kUsage =
    "usage: colorport-cli [--port PATH] COMMAND [ARGS]\n"
    "  info | port | calibrate KIND | measure KIND | count KIND STD | upload KIND STD FIRST COUNT\n"
    "  delete KIND N | datetime Y M D H MIN | motor FIRST SECOND\n"
    "  write-standard lab NAME ILLUMINANT OBSERVER L A B | write-standard reflectance NAME "
    "R400..R700\n"
    "  whiteboard-read | whiteboard-write INNER OUTER V400..V700\n"
    "  get-integration-time | set-integration-time V     get-sampling-times | set-sampling-times "
    "V\n"
    "  get-hv-pulling-times | set-hv-pulling-times V     get-correction-threshold | "
    "set-correction-threshold V\n"
    "  get-dac-data | set-dac-gain G1..G32 | get-light-range | get-raster | set-raster A1..A6 "
    "B1..B6\n"
    "  get-measure-parameter | set-measure-parameter B1..B6\n"
    "  get-compute-parameter | set-compute-parameter B1 B2 V1..V7\n"
    "KIND: 0 standard (black for calibrate), 1 sample (white for calibrate); FIRST is 0-based.\n";

// A bad command line; reported as an invalid parameter, with the usage or,
// for a bad value, what is wrong with it.
struct UsageError {
  std::string message;
};

long integer(const std::string& text, long low, long high) {
  char* end = nullptr;
  errno = 0;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || errno != 0 || v < low || v > high) throw UsageError{};
  return v;
}

// A value sent to the instrument as a float: a whole finite number that fits
// one. "nan", "inf", "1e400", "" and "5x" are refused, never sent as 0 or inf.
float real(const std::string& text, const std::string& field) {
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0' || !std::isfinite(v) ||
      std::fabs(v) > std::numeric_limits<float>::max())
    throw UsageError{"colorport-cli: " + field + " must be a finite number, not \"" + text + "\""};
  return static_cast<float>(v);
}

// "R400" ... "R700": the name of the value at wavelength index i.
std::string wavelengthField(char letter, int i) { return letter + std::to_string(400 + 10 * i); }

void need(const Args& a, std::size_t n) {
  if (a.size() != n) throw UsageError{};
}

void copyText(char* field, std::size_t size, const std::string& text) {
  std::memset(field, 0, size);
  std::memcpy(field, text.data(), std::min(text.size(), size - 1));
}

std::string joined(const auto& values) {
  std::string out;
  for (const auto& v : values) {
    if (!out.empty()) out += ',';
    out += std::to_string(v);
  }
  return out;
}

void print(const std::string& text) { std::fputs(text.c_str(), stdout); }

using Command = std::function<ApiResult(DeviceHandle, const Args&)>;

ApiResult getValue(ApiResult (*get)(DeviceHandle, std::int32_t*), DeviceHandle h, const Args& a) {
  need(a, 0);
  std::int32_t v = 0;
  const ApiResult r = get(h, &v);
  if (r == API_SUCCESS) print(std::to_string(v) + "\n");
  return r;
}

ApiResult setValue(ApiResult (*set)(DeviceHandle, std::int32_t), long low, long high,
                   DeviceHandle h, const Args& a) {
  need(a, 1);
  return set(h, static_cast<std::int32_t>(integer(a[0], low, high)));
}

const std::map<std::string, Command>& commands() {
  static const std::map<std::string, Command> table = {
      {"info",
       [](DeviceHandle h, const Args& a) {
         need(a, 0);
         DeviceInfo info{};
         const ApiResult r = ZW_GetDeviceInfo(h, &info);
         if (r == API_SUCCESS) print(formatInfo(info));
         return r;
       }},
      {"port",
       [](DeviceHandle h, const Args& a) {
         need(a, 0);
         std::int32_t number = 0;
         char path[4096];
         ApiResult r = ZW_GetDeviceComPort(h, &number);
         if (r == API_SUCCESS) r = ZW_GetDevicePortPath(h, path, sizeof path);
         if (r == API_SUCCESS)
           print("number: " + std::to_string(number) + "\npath: " + path + "\n");
         return r;
       }},
      {"calibrate",
       [](DeviceHandle h, const Args& a) {
         need(a, 1);
         return ZW_Calibrate(h, static_cast<std::int32_t>(integer(a[0], INT32_MIN, INT32_MAX)));
       }},
      {"measure",
       [](DeviceHandle h, const Args& a) {
         need(a, 1);
         MeasureResult m{};
         const ApiResult r =
             ZW_Measure(h, static_cast<std::int32_t>(integer(a[0], INT32_MIN, INT32_MAX)), &m);
         if (r == API_SUCCESS) print(formatMeasureResult(m));
         return r;
       }},
      {"count",
       [](DeviceHandle h, const Args& a) {
         need(a, 2);
         std::int32_t n = 0;
         const ApiResult r =
             ZW_GetSampleCount(h, static_cast<std::int32_t>(integer(a[0], INT32_MIN, INT32_MAX)),
                               static_cast<std::int32_t>(integer(a[1], 0, 65535)), &n);
         if (r == API_SUCCESS) print(std::to_string(n) + "\n");
         return r;
       }},
      {"upload",
       [](DeviceHandle h, const Args& a) {
         need(a, 4);
         const long count = integer(a[3], 0, 65535);
         std::vector<StoredRecord> records(static_cast<std::size_t>(std::max(count, 1L)));
         StoredRecordBuffer buffer{0, records.data()};
         const ApiResult r =
             ZW_GetSampleData(h, static_cast<std::int32_t>(integer(a[0], INT32_MIN, INT32_MAX)),
                              static_cast<std::int32_t>(integer(a[1], 0, 65535)),
                              static_cast<std::int32_t>(integer(a[2], 0, 65535)),
                              static_cast<std::int32_t>(count), &buffer);
         if (r == API_SUCCESS)
           for (std::int32_t i = 0; i < buffer.count; ++i) print(formatStoredRecord(records[i]));
         // Records that came without the rest are not the range asked for: none is printed.
         if (r == API_TRANSFER_INCOMPLETE)
           std::fprintf(stderr, "colorport-cli: only %d of %ld records arrived; none printed\n",
                        buffer.count, count);
         return r;
       }},
      {"delete",
       [](DeviceHandle h, const Args& a) {
         need(a, 2);
         return ZW_DeleteSampleData(h,
                                    static_cast<std::int32_t>(integer(a[0], INT32_MIN, INT32_MAX)),
                                    static_cast<std::int32_t>(integer(a[1], 0, 65535)));
       }},
      {"write-standard",
       [](DeviceHandle h, const Args& a) {
         StandardSampleData d{};
         if (a.size() == 7 && a[0] == "lab") {
           d.content = 0;
           d.illuminant = static_cast<std::uint8_t>(integer(a[2], 0, 17));
           d.observer = static_cast<std::uint8_t>(integer(a[3], 0, 1));
           d.colourValuesFlag = 1;
           const char* const names[] = {"L", "a", "b"};
           for (int i = 0; i < 3; ++i) d.values[i] = real(a[4 + i], names[i]);
         } else if (a.size() == 33 && a[0] == "reflectance") {
           d.content = 2;
           for (int i = 0; i < 31; ++i) d.values[i] = real(a[2 + i], wavelengthField('R', i));
         } else {
           throw UsageError{};
         }
         copyText(d.name, sizeof d.name, a[1]);
         return ZW_WriteStandardSampleData(h, &d);
       }},
      {"whiteboard-read",
       [](DeviceHandle h, const Args& a) {
         need(a, 0);
         WhiteBoardData d{};
         const ApiResult r = ZW_ReadWhiteBoardData(h, &d);
         if (r == API_SUCCESS) print(formatWhiteBoard(d));
         return r;
       }},
      {"whiteboard-write",
       [](DeviceHandle h, const Args& a) {
         need(a, 33);
         WhiteBoardData d{};
         copyText(d.innerName, sizeof d.innerName, a[0]);
         copyText(d.outerName, sizeof d.outerName, a[1]);
         for (int i = 0; i < 31; ++i) d.values[i] = real(a[2 + i], wavelengthField('V', i));
         return ZW_WriteWhiteBoardData(h, &d);
       }},
      {"datetime",
       [](DeviceHandle h, const Args& a) {
         need(a, 5);
         auto v = [&](int i) {
           return static_cast<std::int32_t>(integer(a[i], INT32_MIN, INT32_MAX));
         };
         return ZW_SetDateTime(h, v(0), v(1), v(2), v(3), v(4));
       }},
      {"motor",
       [](DeviceHandle h, const Args& a) {
         need(a, 2);
         return ZW_SetMotorRatating(h, static_cast<std::int32_t>(integer(a[0], 0, 255)),
                                    static_cast<std::int32_t>(integer(a[1], 0, 65535)));
       }},
      {"get-integration-time",
       [](DeviceHandle h, const Args& a) { return getValue(ZW_GetIntegrationTimes, h, a); }},
      {"set-integration-time",
       [](DeviceHandle h, const Args& a) {
         return setValue(ZW_SetIntegrationTimes, 0, 65535, h, a);
       }},
      {"get-sampling-times",
       [](DeviceHandle h, const Args& a) { return getValue(ZW_GetSimplingTimes, h, a); }},
      {"set-sampling-times",
       [](DeviceHandle h, const Args& a) { return setValue(ZW_SetSimplingTimes, 0, 255, h, a); }},
      {"get-hv-pulling-times",
       [](DeviceHandle h, const Args& a) {
         return getValue(ZW_GetHighVoltageLevelPullingTimes, h, a);
       }},
      {"set-hv-pulling-times",
       [](DeviceHandle h, const Args& a) {
         return setValue(ZW_SetHighVoltageLevelPullingTimes, 0, 255, h, a);
       }},
      {"get-correction-threshold",
       [](DeviceHandle h, const Args& a) {
         return getValue(ZW_GetCorrectionAlgorithmThreshold, h, a);
       }},
      {"set-correction-threshold",
       [](DeviceHandle h, const Args& a) {
         return setValue(ZW_SetCorrectionAlgorithmThreshold, INT32_MIN, INT32_MAX, h, a);
       }},
      {"get-dac-data",
       [](DeviceHandle h, const Args& a) {
         need(a, 0);
         DacData d{};
         const ApiResult r = ZW_GetDacData(h, &d);
         if (r == API_SUCCESS) print(joined(d.values) + "\n" + joined(d.bytes) + "\n");
         return r;
       }},
      {"set-dac-gain",
       [](DeviceHandle h, const Args& a) {
         need(a, 32);
         std::uint8_t gains[32];
         for (int i = 0; i < 32; ++i) gains[i] = static_cast<std::uint8_t>(integer(a[i], 0, 255));
         return ZW_SetDacGain(h, gains);
       }},
      {"get-light-range",
       [](DeviceHandle h, const Args& a) {
         need(a, 0);
         DacLightRange d{};
         const ApiResult r = ZW_GetDacLightRange(h, &d);
         if (r == API_SUCCESS) print(joined(d.first) + "\n" + joined(d.second) + "\n");
         return r;
       }},
      {"get-raster",
       [](DeviceHandle h, const Args& a) {
         need(a, 0);
         RasterCoefficients d{};
         const ApiResult r = ZW_ReadRasterCoefficients(h, &d);
         if (r == API_SUCCESS) print(joined(d.first) + "\n" + joined(d.second) + "\n");
         return r;
       }},
      {"set-raster",
       [](DeviceHandle h, const Args& a) {
         need(a, 12);
         RasterCoefficients d{};
         for (int i = 0; i < 6; ++i) {
           d.first[i] = static_cast<std::int32_t>(integer(a[i], INT32_MIN, INT32_MAX));
           d.second[i] = static_cast<std::int32_t>(integer(a[6 + i], INT32_MIN, INT32_MAX));
         }
         return ZW_WriteRasterCoefficients(h, &d);
       }},
      {"get-measure-parameter",
       [](DeviceHandle h, const Args& a) {
         need(a, 0);
         MeasureParameter p{};
         const ApiResult r = ZW_GetMeasureParameter(h, &p);
         if (r == API_SUCCESS) print(joined(p.bytes) + "\n");
         return r;
       }},
      {"set-measure-parameter",
       [](DeviceHandle h, const Args& a) {
         need(a, 6);
         MeasureParameter p{};
         for (int i = 0; i < 6; ++i) p.bytes[i] = static_cast<std::uint8_t>(integer(a[i], 0, 255));
         return ZW_SetMeasureParameter(h, &p);
       }},
      {"get-compute-parameter",
       [](DeviceHandle h, const Args& a) {
         need(a, 0);
         ComputeParameter p{};
         const ApiResult r = ZW_GetComputeParameter(h, &p);
         if (r == API_SUCCESS)
           print(std::to_string(p.first) + "," + std::to_string(p.second) + "," + joined(p.values) +
                 "\n");
         return r;
       }},
      {"set-compute-parameter",
       [](DeviceHandle h, const Args& a) {
         need(a, 9);
         ComputeParameter p{};
         p.first = static_cast<std::uint8_t>(integer(a[0], 0, 255));
         p.second = static_cast<std::uint8_t>(integer(a[1], 0, 255));
         for (int i = 0; i < 7; ++i)
           p.values[i] = static_cast<std::int32_t>(integer(a[2 + i], INT32_MIN, INT32_MAX));
         return ZW_SetComputeParameter(h, &p);
       }},
  };
  return table;
}

// Everything printed must have reached standard output: a full disk or a
// closed pipe is a failure even after a successful call. False after saying so.
bool outputWritten() {
  errno = 0;
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return true;
  const int error = errno;
  std::fprintf(stderr, "colorport-cli: the output could not be written: %s\n",
               error != 0 ? std::strerror(error) : "write error");
  return false;
}

int finish(ApiResult r) {
  if (!outputWritten() && r == API_SUCCESS) return 1;
  std::fprintf(stderr, "%s\n", resultName(r));
  return r;
}

}  // namespace

int main(int argc, char** argv) {
  Args args(argv + 1, argv + argc);
  if (args.size() >= 2 && args[0] == "--port") {
    setenv("COLORPORT_PORT", args[1].c_str(), 1);
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.empty() || args[0] == "--help") {
    std::fputs(kUsage, args.empty() ? stderr : stdout);
    if (args.empty()) return API_INVALID_PARAMETER;
    return outputWritten() ? 0 : 1;
  }
  const auto command = commands().find(args[0]);
  if (command == commands().end()) {
    std::fputs(kUsage, stderr);
    return finish(API_INVALID_PARAMETER);
  }
  const Args rest(args.begin() + 1, args.end());

  DeviceHandle handle = 0;
  if (const ApiResult r = ZW_OpenDevice(&handle); r != API_SUCCESS) return finish(r);
  ApiResult r;
  try {
    r = command->second(handle, rest);
  } catch (const UsageError& e) {
    std::fputs(e.message.empty() ? kUsage : (e.message + "\n").c_str(), stderr);
    r = API_INVALID_PARAMETER;
  }
  ZW_CloseDevice(handle);
  return finish(r);
}
