#pragma once
// Entering a standard by hand: L*, a*, b*, or X, Y, Z, or 31 reflectances.
#include <array>
#include <string>
#include <variant>

#include "colour/measurement_record.h"

namespace corvana {

class Job;

enum class HandEntryMode { Lab, Xyz, Reflectance };

struct HandEntryFields {
  HandEntryMode mode = HandEntryMode::Lab;
  std::array<std::string, 3> lab;
  std::array<std::string, 3> xyz;
  std::array<std::string, 31> reflectance;  // percent, 400 ... 700 nm
  std::string name;                         // a naming template
  std::string material;
};

// The standard the fields describe, or the message of the first field that
// is wrong. Lab and XYZ read each field's leading number (empty or none = 0)
// and give a standard without curve under the job's primary illuminant and
// observer (XYZ converted with its white point). Reflectance needs every
// field: empty gives "Data of '550' is empty!", outside 0..200 (or not a
// number) "Data of '550' is overrange!(0-200)"; the curve is value / 100.
// Name: the template expanded with the number of standards + 1.
std::variant<MeasurementRecord, std::string> handEntryStandard(const Job& job,
                                                               const HandEntryFields& fields,
                                                               std::uint32_t mode,
                                                               const RecordTime& now);

// The reflectance field (0 = 400 nm) whose message handEntryStandard gives,
// or -1 when every one is fine or the mode has no such fields.
int firstWrongReflectanceField(const HandEntryFields& fields);

// The dialog's condition line: "Current Illuminant: D65  Observer Angle: 10°",
// the job's primary illuminant and its observer.
std::string handEntryConditionLine(const Job& job);

// Adds the standard, selected; the message when a field is wrong (nothing added).
std::string enterStandardByHand(Job& job, const HandEntryFields& fields, std::uint32_t mode,
                                const RecordTime& now);

}  // namespace corvana
