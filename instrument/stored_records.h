#pragma once
// Uploading stored standards and samples from the instrument into a job: the
// field checks in their order, the transfer, and the records built from it.
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "colour/measurement_record.h"
#include "core/job_observer.h"
#include "driver/colorport.h"
#include "instrument/instrument_messages.h"

namespace corvana {

class Job;

// The upload dialog's fields as typed.
struct UploadFields {
  std::string standardNumber;  // samples only
  std::string first;           // 1-based
  std::string count;
  std::string prefix;
  std::string material;
};

// A decimal integer field: leading blanks, sign and digits; 0 when the text
// does not start with a number.
int fieldInteger(std::string_view text);

// How many records of the kind the instrument holds (samples under the
// standard number); the count stays 0 when the instrument gives none.
struct StoredCount {
  bool connected = false;  // false: nothing was asked
  ApiResult result = API_SUCCESS;
  int available = 0;
};
// Driver step (any thread).
StoredCount readStoredCount(RecordList kind, int standardNumber);

// What to transfer: the instrument's standard number (samples), the 0-based
// first index and the count.
struct UploadRange {
  int standardNumber = 0;
  int firstIndex = 0;
  int count = 0;
};

// The checks in order: not connected, first field empty, count field empty,
// (samples) standard number empty, then the range 1..available. The failing
// check's message, or the range to transfer. A count the instrument could not
// give is reported as its failure, not as "no record".
std::variant<UploadRange, std::string> validateUpload(RecordList kind, const UploadFields& fields,
                                                      const StoredCount& stored);

// Records the instrument delivered; none when the transfer failed.
struct StoredTransfer {
  ApiResult result = API_INVALID_DEVICE_HANDLE;
  std::vector<StoredRecord> records;
  UploadRange range;  // what was asked for
  int arrived = 0;    // records that came, also of a transfer that lost some
};
// Driver step (any thread).
StoredTransfer transferStoredRecords(RecordList kind, const UploadRange& range);

// How far the transfer in flight has got.
struct TransferProgress {
  int received = 0;
  int requested = 0;
  bool operator==(const TransferProgress&) const = default;
};
// The one driver call that may run on another thread while
// transferStoredRecords runs (for a progress display); zeros when unconnected.
TransferProgress readTransferProgress();
// "3 of 5 records received".
std::string transferProgressText(const TransferProgress& progress);

// One stored record as a job record: time, values, conditions, mode and curve
// as stored; the instrument fields are its number and reference; the name is
// the expanded prefix, the running number (number + 1 for standards, the
// number for samples), "_" and the stored name; a standard with reference -2
// carries no curve.
MeasurementRecord recordFromStored(const StoredRecord& stored, RecordList kind,
                                   std::string_view prefix, std::string_view material,
                                   const RecordTime& now);

// "Only 1998 of 2000 standards arrived; nothing was added. Upload standards
// 1 to 2000 again." for a transfer that lost records on the way.
std::string partlyArrivedText(RecordList kind, const StoredTransfer& transfer);

// UI step: adds every delivered record (unselected) and says so; a failed
// transfer adds nothing and shows "Execute failed!" with its code, or, when
// records were lost on the way, how many came and which to upload again.
Notice addStoredRecords(Job& job, RecordList kind, const StoredTransfer& transfer,
                        std::string_view prefix, std::string_view material, const RecordTime& now);

}  // namespace corvana
