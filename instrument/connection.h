#pragma once
// The program's one connection to the instrument: the process-wide device
// handle, connecting, reading the instrument's information and spreading it
// into the program, the silent connection at start-up, and the status texts.
//
// The driver calls here may run on a worker thread (one at a time); the
// functions that take a JobManager or a Job run on the UI thread.
#include <string>
#include <string_view>
#include <vector>

#include "driver/colorport.h"

namespace corvana {

class Job;
class JobManager;

// The handle of the open instrument, 0 while the program is not connected.
// Only the connect routines and the device-change handlers change it.
DeviceHandle currentDeviceHandle();
inline bool instrumentConnected() { return currentDeviceHandle() != 0; }

// Connect asks "re-connect?" first when this is true.
inline bool connectNeedsReconnectQuestion() { return instrumentConnected(); }

// Closes an open handle (the question was answered OK), then opens the
// instrument the library finds. The handle is 0 afterwards unless it is 0.
ApiResult connectInstrument();

// Closes the connection without asking (the program ends). Unconnected: nothing.
void disconnectInstrument();

// Every driver step passes its call's result through here on its way back.
// A device that has gone (API_DEVICE_DISCONNECTED: unplugged, switched off,
// the simulator ended) marks the connection lost; no udev notice comes for
// every way an instrument can die. Returns `result`.
ApiResult noteDriverResult(ApiResult result);

// True from a call that found the device gone until the connection is closed
// or opened again. Any thread.
bool connectionLost();

// The driver half of closing a connection a call found gone (worker thread,
// once that call is over). True when it closed one: every window then hears
// "disconnected".
bool closeLostConnection();

// Zero-fills `info` and reads it from the instrument; on failure it stays zero.
ApiResult readDeviceInfo(DeviceInfo& info);

// After a successful read: the model becomes the manager's, its implied
// measurement mode the current one, and both are written to the settings file.
void spreadInstrumentInformation(const DeviceInfo& info, JobManager& manager,
                                 const std::string& settingsPath);

// readDeviceInfo, then on success spreadInstrumentInformation.
ApiResult readInstrumentInformation(DeviceInfo& info, JobManager& manager,
                                    const std::string& settingsPath);

// The model text becomes the job's DeviceName when it differs.
void giveModelToJob(Job& job, const DeviceInfo& info);

// An open of the instrument and the read of its information that followed.
struct OpenedInstrument {
  ApiResult open = API_DEVICE_NOT_FOUND;
  ApiResult read = API_DEVICE_NOT_FOUND;  // not tried unless the open succeeded
  DeviceInfo info{};
};

// The driver half of the start-up connection (it may run on the worker
// thread): closes a handle still open without asking, opens the instrument
// and reads its information.
OpenedInstrument openAtStartup();

// The driver half of a port arrival: while unconnected, opens the instrument
// and reads its information; while connected, nothing (open stays failed).
OpenedInstrument openOnPortArrival();

// The UI half: after a successful read the information spreads into the
// program and the model goes to the active job (if any).
void spreadOpenedInstrument(const OpenedInstrument& opened, JobManager& manager,
                            const std::string& settingsPath, Job* activeJob);

// Start-up in one go: openAtStartup, then spreadOpenedInstrument. Nothing is
// shown on failure; the program then runs unconnected.
ApiResult connectAtStartup(JobManager& manager, const std::string& settingsPath, Job* activeJob);

// "Connect instrument failed!(Device not found.)", followed by a hint naming
// the ports this user may not open when there are any.
std::string connectFailureText(ApiResult code, const std::vector<std::string>& deniedPorts = {});

// A serial device that appeared or went away: its device node and the other
// names udev gives it (/dev/serial/by-id/... links).
struct PortNotice {
  std::string devicePath;  // e.g. "/dev/ttyUSB0"
  std::vector<std::string> links;
};

// A notice from udev's properties: DEVNAME and the space-separated DEVLINKS.
PortNotice portNoticeFromUdev(std::string_view devName, std::string_view devLinks);

// True when the notice names the connected port's device path.
bool noticeNamesPort(const PortNotice& notice, const std::string& connectedPath);

// The connected port's device path, as the driver gave it when the port
// opened; empty while unconnected. Any thread: it never calls the driver.
std::string connectedPortPath();

// A port arrived: while unconnected, open the instrument. True when that
// connected it (every window then hears "connected").
bool handlePortArrival();

// A port went away: when it is the connected one, close the connection. True
// when that happened (every window then hears "disconnected"). Another
// port's removal, or a removal while unconnected, changes nothing.
bool handlePortRemoval(const PortNotice& notice);

// The status dialog's values for a record, empty while unconnected.
struct InstrumentStatusTexts {
  std::string connection;  // "Connect Status:   Connected"
  std::string model, terminalVersion, blackCalibration, whiteCalibration;
  std::string total, storedStandards, storedSamples, whiteBoardNumber;
};
InstrumentStatusTexts instrumentStatusTexts(const DeviceInfo& info, bool connected);

}  // namespace corvana
