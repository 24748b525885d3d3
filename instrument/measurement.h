#pragma once
// One measurement becomes one new standard or sample.
#include <string_view>

#include "colour/measurement_record.h"
#include "core/job_observer.h"
#include "core/naming.h"
#include "driver/colorport.h"
#include "instrument/instrument_messages.h"

namespace corvana {

class Job;

// The instrument's kind of a measurement: 0 for a standard, 1 for a sample.
constexpr std::int32_t measureKind(RecordList list) {
  return list == RecordList::Standards ? 0 : 1;
}

// What came back from the instrument, with the time it arrived.
struct MeasureReading {
  bool connected = false;  // false: nothing was asked
  ApiResult result = API_INVALID_DEVICE_HANDLE;
  MeasureResult values = {};
  RecordTime arrived;
};

// Driver step (any thread): measures once when connected.
MeasureReading readMeasurement(RecordList list);

// The new record: L*, a*, b* and the curve bit for bit, the given time and
// mode, UseReflect set, SerialNumber -1; name and material cut to 127.
MeasurementRecord recordFromMeasurement(const MeasureResult& values, std::string_view name,
                                        std::string_view material, const RecordTime& time,
                                        std::uint32_t mode);

// The reading's failure to show: "Instrument disconnected!" when nothing was
// asked, "Execute failed!" with the code text when the instrument failed;
// nothing on success.
Notice measurementFailure(const MeasureReading& reading);

// UI step: on success adds the record to the list, selected, with the
// manager's current measurement mode; otherwise adds nothing.
Notice addMeasurement(Job& job, RecordList list, const MeasureReading& reading,
                      std::string_view name, std::string_view material, std::uint32_t mode);

// The same with the name and material of the naming step (the job's rules
// when Auto Naming is on, else what the naming dialog gave).
Notice addMeasurement(Job& job, RecordList list, const MeasureReading& reading,
                      const MeasurementNaming& naming, std::uint32_t mode);

}  // namespace corvana
