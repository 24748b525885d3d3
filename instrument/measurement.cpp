#include "instrument/measurement.h"

#include <algorithm>

#include "core/date_time_text.h"
#include "core/job.h"
#include "instrument/connection.h"

namespace corvana {

MeasureReading readMeasurement(RecordList list) {
  MeasureReading reading;
  const DeviceHandle handle = currentDeviceHandle();
  if (handle == 0) return reading;
  reading.connected = true;
  reading.result = noteDriverResult(ZW_Measure(handle, measureKind(list), &reading.values));
  reading.arrived = currentLocalTime();
  return reading;
}

MeasurementRecord recordFromMeasurement(const MeasureResult& values, std::string_view name,
                                        std::string_view material, const RecordTime& time,
                                        std::uint32_t mode) {
  MeasurementRecord record;
  record.setName(name);
  record.setMaterial(material);
  record.L = values.L;
  record.a = values.a;
  record.b = values.b;
  std::copy(std::begin(values.reflectance), std::end(values.reflectance),
            record.reflectance.begin());
  record.time = time;
  record.mode = static_cast<std::uint8_t>(mode);
  record.UseReflect = true;
  record.SerialNumber = -1;
  return record;
}

Notice measurementFailure(const MeasureReading& reading) {
  if (!reading.connected) return Notice::failure(LookupText(Text::InstrumentDisconnected));
  if (reading.result != API_SUCCESS)
    return Notice::failure(failureMessage(Text::ExecuteFailed, reading.result));
  return Notice::none();
}

Notice addMeasurement(Job& job, RecordList list, const MeasureReading& reading,
                      std::string_view name, std::string_view material, std::uint32_t mode) {
  if (Notice failure = measurementFailure(reading); failure.shown()) return failure;
  const MeasurementRecord record =
      recordFromMeasurement(reading.values, name, material, reading.arrived, mode);
  if (list == RecordList::Standards)
    job.addStandard(record, true);
  else
    job.addSample(record, true);
  return Notice::none();
}

Notice addMeasurement(Job& job, RecordList list, const MeasureReading& reading,
                      const MeasurementNaming& naming, std::uint32_t mode) {
  return addMeasurement(job, list, reading, naming.name, naming.material, mode);
}

}  // namespace corvana
