#include "instrument/stored_records.h"

#include <algorithm>
#include <cctype>
#include <climits>

#include "core/job.h"
#include "core/language_table.h"
#include "core/naming.h"
#include "core/number_text.h"
#include "instrument/connection.h"
#include "instrument/instrument_text.h"
#include "instrument/measurement.h"

namespace corvana {
namespace {

constexpr int kHighestStandardNumber = 0xFFFF;

std::string rangeMessage(RecordList kind, int available) {
  const bool standards = kind == RecordList::Standards;
  if (available == 0)
    return LookupText(standards ? Text::NoStandardRecord : Text::NoSampleRecordInStandard);
  return LookupText(standards ? Text::StandardNumberOverrange : Text::SampleNumberOverrange) + "(" +
         LookupText(Text::From) + " 1 " + LookupText(Text::To) + " " + std::to_string(available) +
         ")";
}

}  // namespace

int fieldInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    value = value * 10 + (text[i] - '0');
    value = std::min<long long>(value, INT_MAX);  // beyond any range: refused later
  }
  return static_cast<int>(negative ? -value : value);
}

StoredCount readStoredCount(RecordList kind, int standardNumber) {
  StoredCount stored;
  const DeviceHandle handle = currentDeviceHandle();
  if (handle == 0) return stored;
  stored.connected = true;
  // Samples live under a standard number 1..65535; any other holds none.
  if (kind == RecordList::Samples &&
      (standardNumber < 1 || standardNumber > kHighestStandardNumber))
    return stored;
  std::int32_t count = 0;
  stored.result = noteDriverResult(ZW_GetSampleCount(
      handle, measureKind(kind), kind == RecordList::Samples ? standardNumber : 0, &count));
  if (stored.result == API_SUCCESS) stored.available = std::max(0, count);
  return stored;
}

std::variant<UploadRange, std::string> validateUpload(RecordList kind, const UploadFields& fields,
                                                      const StoredCount& stored) {
  const bool standards = kind == RecordList::Standards;
  if (!stored.connected) return LookupText(Text::InstrumentDisconnected);
  if (fields.first.empty())
    return LookupText(standards ? Text::StartingStandardNumberEmpty
                                : Text::StartingSampleNumberEmpty);
  if (fields.count.empty())
    return LookupText(standards ? Text::StandardCountEmpty : Text::SampleCountEmpty);
  if (!standards && fields.standardNumber.empty()) return LookupText(Text::StandardNumberEmpty);
  if (stored.result != API_SUCCESS) return failureMessage(Text::ExecuteFailed, stored.result);

  const long long first = fieldInteger(fields.first);
  const long long count = fieldInteger(fields.count);
  const long long last = first + count - 1;
  // A first number below 1 is out of range too (a negative one would wrap in the driver).
  if (first < 1 || count < 1 || first > stored.available || last > stored.available)
    return rangeMessage(kind, stored.available);
  UploadRange range;
  range.standardNumber = standards ? 0 : fieldInteger(fields.standardNumber);
  range.firstIndex = static_cast<int>(first - 1);
  range.count = static_cast<int>(count);
  return range;
}

StoredTransfer transferStoredRecords(RecordList kind, const UploadRange& range) {
  StoredTransfer transfer;
  transfer.range = range;
  if (range.count < 1) {
    transfer.result = API_INVALID_PARAMETER;
    return transfer;
  }
  std::vector<StoredRecord> records(static_cast<std::size_t>(range.count));
  StoredRecordBuffer buffer{0, records.data()};
  transfer.result = noteDriverResult(ZW_GetSampleData(currentDeviceHandle(), measureKind(kind),
                                                      range.standardNumber, range.firstIndex,
                                                      range.count, &buffer));
  // The driver counts the records of a transfer that lost some, too.
  if (transfer.result == API_SUCCESS || transfer.result == API_TRANSFER_INCOMPLETE)
    transfer.arrived = std::clamp(buffer.count, 0, range.count);
  // Records of a transfer that broke off or lost some are partial: none of them is kept.
  if (transfer.result != API_SUCCESS) return transfer;
  records.resize(static_cast<std::size_t>(transfer.arrived));
  transfer.records = std::move(records);
  return transfer;
}

TransferProgress readTransferProgress() {
  TransferProgress progress;
  std::int32_t received = 0;
  std::int32_t requested = 0;
  if (ZW_GetTransferProgress(currentDeviceHandle(), &received, &requested) == API_SUCCESS) {
    progress.received = received;
    progress.requested = requested;
  }
  return progress;
}

std::string transferProgressText(const TransferProgress& progress) {
  return fillPlaceholders(LookupText(Text::RecordsReceived),
                          {progress.received, progress.requested});
}

MeasurementRecord recordFromStored(const StoredRecord& stored, RecordList kind,
                                   std::string_view prefix, std::string_view material,
                                   const RecordTime& now) {
  MeasurementRecord record;
  record.time.day = stored.day;
  record.time.month = stored.month;
  record.time.year = stored.year;
  record.time.second = stored.second;
  record.time.minute = stored.minute;
  record.time.hour = stored.hour;
  record.L = stored.values[0];
  record.a = stored.values[1];
  record.b = stored.values[2];
  record.illuminant = stored.illuminant;
  record.observer = stored.observer;
  record.mode = stored.mode;
  std::copy(std::begin(stored.reflectance), std::end(stored.reflectance),
            record.reflectance.begin());
  record.instrument[0] = static_cast<std::int16_t>(stored.number);
  record.instrument[1] = stored.reference;

  const bool standards = kind == RecordList::Standards;
  const std::int64_t counter = standards ? std::int64_t(stored.number) + 1 : stored.number;
  // Only the prefix is a template: a "%" in the instrument's name stays as it is.
  std::string name = expandTemplate(std::string(prefix) + "%n_", counter, now);
  name += fromInstrumentText(stored.name, sizeof stored.name);
  record.setName(name);
  record.setMaterial(material);
  record.UseReflect = !(standards && stored.reference == -2);
  record.SerialNumber = -1;
  return record;
}

std::string partlyArrivedText(RecordList kind, const StoredTransfer& transfer) {
  const UploadRange& r = transfer.range;
  // The user's numbers: 1-based, the whole range asked for.
  const int first = r.firstIndex + 1;
  const int last = r.firstIndex + r.count;
  if (kind == RecordList::Standards)
    return fillPlaceholders(LookupText(Text::StandardsPartlyArrived),
                            {transfer.arrived, r.count, first, last});
  return fillPlaceholders(LookupText(Text::SamplesPartlyArrived),
                          {transfer.arrived, r.count, first, last, r.standardNumber});
}

Notice addStoredRecords(Job& job, RecordList kind, const StoredTransfer& transfer,
                        std::string_view prefix, std::string_view material, const RecordTime& now) {
  if (transfer.result == API_TRANSFER_INCOMPLETE)
    return Notice::failure(partlyArrivedText(kind, transfer));
  if (transfer.result != API_SUCCESS)
    return Notice::failure(failureMessage(Text::ExecuteFailed, transfer.result));
  for (const StoredRecord& stored : transfer.records) {
    const MeasurementRecord record = recordFromStored(stored, kind, prefix, material, now);
    if (kind == RecordList::Standards)
      job.addStandard(record, false);
    else
      job.addSample(record, false);
  }
  return Notice::information(LookupText(Text::ExecuteSuccessfully));
}

}  // namespace corvana
