#pragma once
// The Average Measure run: the same specimen measured several times, one
// record whose curve is the running mean.
#include <optional>
#include <string_view>

#include "colour/color_space.h"
#include "colour/judgement.h"
#include "colour/measurement_record.h"
#include "core/job_observer.h"
#include "core/language_table.h"
#include "driver/colorport.h"

namespace corvana {

class Job;

constexpr int kMaxAverageCount = 50;

// mean = (count x mean + new) / (count + 1) for every value, in single
// precision with count converted to float.
void addToRunningMean(ReflectanceCurve& mean, int count, const ReflectanceCurve& value);

// The dialog's state between presses. Target 0 is "Manually" (started and
// ended by the toggle), 1 to 50 a fixed number of measurements.
class AverageRun {
 public:
  // `mode` is the current measurement mode when the dialog is created.
  AverageRun(RecordList list, std::uint32_t mode);

  RecordList list() const { return list_; }
  int target() const { return target_; }
  int count() const { return count_; }
  // A manual run is under way (the toggle reads "Average End").
  bool manualStarted() const { return manualStarted_; }
  const MeasurementRecord& record() const { return record_; }

  bool measureEnabled() const { return target_ != 0 || manualStarted_; }
  bool toggleEnabled() const { return target_ == 0; }
  Text toggleText() const { return manualStarted_ ? Text::AverageEnd : Text::AverageStart; }

  // A choice in the list (0 = "Manually", else 1..50); a different one resets.
  void chooseTarget(int target);

  enum class ToggleResult { Started, Finished, Ignored };
  // "Average Start" resets and starts; "Average End" ends the run: the caller
  // then finishes it (a run of count 0 adds nothing).
  ToggleResult toggle();

  // Before "Measure" asks the instrument: false when the press does nothing
  // (a manual run not started). Resets a completed fixed run.
  bool beginMeasure();

  // A successful measurement: averaged in while the run wants more. True when
  // a fixed run has just reached its target and must be finished now.
  bool addMeasurement(const MeasureResult& values);

  void reset();

 private:
  RecordList list_;
  int target_ = 0;
  int count_ = 0;
  bool manualStarted_ = false;
  MeasurementRecord record_;
};

// What the dialog draws of the running record, under the job's primary
// illuminant and observer in the job's colour space; for a sample with a
// current standard that can be evaluated there, also the differences of the
// job's formula and the grade.
struct AverageDisplay {
  bool hasValues = false;
  int valueCount = 0;
  ColorValues values{};
  std::uint32_t displayColor = 0;
  bool hasDifferences = false;
  int differenceCount = 0;
  ColorDifferences differences{};
  Grade grade = Level1;
};
AverageDisplay averageDisplay(const Job& job, const AverageRun& run);

// Finish: adds the running record (selected) named expand(name field, records
// in the list + 1) with the given material and time. False when count is 0.
bool finishAverage(Job& job, const AverageRun& run, std::string_view nameField,
                   std::string_view materialField, const RecordTime& now);

}  // namespace corvana
