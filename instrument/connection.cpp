#include "instrument/connection.h"

#include <atomic>
#include <cstring>
#include <filesystem>
#include <mutex>

#include "core/job.h"
#include "core/job_manager.h"
#include "core/job_manager_settings.h"
#include "core/language_table.h"
#include "core/number_text.h"
#include "instrument/instrument_messages.h"
#include "instrument/instrument_text.h"

namespace corvana {
namespace {

// The process-wide handle. Atomic because driver calls run on a worker thread
// while the UI thread asks whether the program is connected.
std::atomic<DeviceHandle> handle{0};
// Set when a call on the open handle found the device gone; the handle is
// closed by the next driver step, not in the middle of the one that saw it.
std::atomic<bool> lost{false};

// The open port's device path, asked of the driver once, on the thread that
// opened it. The UI thread reads it (status bar, removal notices) while the
// worker may be closing or reopening the device, so it never asks the driver.
std::mutex portPathMutex;
std::string openPortPath;

void setOpenPortPath(std::string path) {
  const std::lock_guard lock(portPathMutex);
  openPortPath = std::move(path);
}

void closeOpenHandle() {
  setOpenPortPath({});
  if (const DeviceHandle h = handle.exchange(0); h != 0) ZW_CloseDevice(h);
  lost = false;
}

ApiResult openDevice() {
  DeviceHandle opened = 0;
  const ApiResult r = ZW_OpenDevice(&opened);
  std::string path;
  if (r == API_SUCCESS) {
    char buffer[4096] = {};
    if (ZW_GetDevicePortPath(opened, buffer, sizeof buffer) == API_SUCCESS) path = buffer;
  }
  setOpenPortPath(std::move(path));
  handle = r == API_SUCCESS ? opened : 0;
  lost = false;
  return r;
}

std::string lexicallyNormal(const std::string& path) {
  return std::filesystem::path(path).lexically_normal().string();
}

}  // namespace

DeviceHandle currentDeviceHandle() { return handle; }

ApiResult connectInstrument() {
  closeOpenHandle();
  return openDevice();
}

void disconnectInstrument() { closeOpenHandle(); }

ApiResult noteDriverResult(ApiResult result) {
  if (result == API_DEVICE_DISCONNECTED && instrumentConnected()) lost = true;
  return result;
}

bool connectionLost() { return lost; }

bool closeLostConnection() {
  // Taken once, so a mark that outlived its connection cannot close the next one.
  if (!lost.exchange(false) || !instrumentConnected()) return false;
  closeOpenHandle();
  return true;
}

ApiResult readDeviceInfo(DeviceInfo& info) {
  std::memset(&info, 0, sizeof info);
  const ApiResult r = noteDriverResult(ZW_GetDeviceInfo(handle, &info));
  // The driver leaves the record alone on failure; keep it zero for sure.
  if (r != API_SUCCESS) std::memset(&info, 0, sizeof info);
  return r;
}

void spreadInstrumentInformation(const DeviceInfo& info, JobManager& manager,
                                 const std::string& settingsPath) {
  recordConnectedInstrument(manager, settingsPath,
                            fromInstrumentText(info.model, sizeof info.model));
}

ApiResult readInstrumentInformation(DeviceInfo& info, JobManager& manager,
                                    const std::string& settingsPath) {
  const ApiResult r = readDeviceInfo(info);
  if (r == API_SUCCESS) spreadInstrumentInformation(info, manager, settingsPath);
  return r;
}

void giveModelToJob(Job& job, const DeviceInfo& info) {
  std::string model = fromInstrumentText(info.model, sizeof info.model);
  if (job.DeviceName != model) job.DeviceName = std::move(model);
}

OpenedInstrument openAtStartup() {
  OpenedInstrument opened;
  opened.open = connectInstrument();
  if (opened.open == API_SUCCESS) opened.read = readDeviceInfo(opened.info);
  return opened;
}

OpenedInstrument openOnPortArrival() {
  OpenedInstrument opened;
  if (!handlePortArrival()) return opened;
  opened.open = API_SUCCESS;
  opened.read = readDeviceInfo(opened.info);
  return opened;
}

void spreadOpenedInstrument(const OpenedInstrument& opened, JobManager& manager,
                            const std::string& settingsPath, Job* activeJob) {
  if (opened.open != API_SUCCESS || opened.read != API_SUCCESS) return;
  spreadInstrumentInformation(opened.info, manager, settingsPath);
  if (activeJob) giveModelToJob(*activeJob, opened.info);
}

ApiResult connectAtStartup(JobManager& manager, const std::string& settingsPath, Job* activeJob) {
  const OpenedInstrument opened = openAtStartup();
  spreadOpenedInstrument(opened, manager, settingsPath, activeJob);
  return opened.open;
}

std::string connectFailureText(ApiResult code, const std::vector<std::string>& deniedPorts) {
  std::string text = LookupText(Text::ConnectInstrumentFailed) + "(" + codeText(code) + ")";
  for (const std::string& port : deniedPorts)
    text += "\n\n" + fillPlaceholders(LookupText(Text::PortAccessDenied), {port});
  return text;
}

PortNotice portNoticeFromUdev(std::string_view devName, std::string_view devLinks) {
  PortNotice notice{std::string(devName), {}};
  while (!devLinks.empty()) {
    const std::size_t space = devLinks.find(' ');
    if (space != 0) notice.links.emplace_back(devLinks.substr(0, space));
    if (space == std::string_view::npos) break;
    devLinks.remove_prefix(space + 1);
  }
  return notice;
}

bool noticeNamesPort(const PortNotice& notice, const std::string& connectedPath) {
  if (connectedPath.empty()) return false;
  // Device paths are case-sensitive here; only redundant separators are ignored.
  const std::string connected = lexicallyNormal(connectedPath);
  if (!notice.devicePath.empty() && lexicallyNormal(notice.devicePath) == connected) return true;
  for (const std::string& link : notice.links)
    if (!link.empty() && lexicallyNormal(link) == connected) return true;
  return false;
}

std::string connectedPortPath() {
  if (!instrumentConnected()) return {};
  const std::lock_guard lock(portPathMutex);
  return openPortPath;
}

bool handlePortArrival() {
  if (instrumentConnected()) return false;
  return openDevice() == API_SUCCESS;
}

bool handlePortRemoval(const PortNotice& notice) {
  if (!instrumentConnected()) return false;
  if (!noticeNamesPort(notice, connectedPortPath())) return false;
  closeOpenHandle();
  return true;
}

InstrumentStatusTexts instrumentStatusTexts(const DeviceInfo& info, bool connected) {
  InstrumentStatusTexts t;
  t.connection = LookupText(Text::ConnectStatus) + ":   " +
                 LookupText(connected ? Text::Connected : Text::Unconnected);
  if (!connected) return t;
  const auto calibration = [](std::uint8_t done) {
    return LookupText(done != 0 ? Text::Calibrated : Text::Uncalibrated);
  };
  t.model = fromInstrumentText(info.model, sizeof info.model);
  t.terminalVersion = fromInstrumentText(info.terminalVersion, sizeof info.terminalVersion);
  t.whiteBoardNumber = fromInstrumentText(info.whiteBoardNumber, sizeof info.whiteBoardNumber);
  t.blackCalibration = calibration(info.blackCalibrated);
  t.whiteCalibration = calibration(info.whiteCalibrated);
  t.total = std::to_string(info.capacity);
  t.storedStandards = std::to_string(info.storedStandards);
  t.storedSamples = std::to_string(info.storedSamples);
  return t;
}

}  // namespace corvana
