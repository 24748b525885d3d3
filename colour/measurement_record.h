#pragma once
// One standard or sample: a plain fixed-size value copied into and out of a job.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "colour/condition.h"
#include "colour/spectral.h"

namespace corvana {

constexpr int kRecordTextUnits = 128;  // UTF-16 code units, zero-terminated
constexpr int kRecordTextMax = kRecordTextUnits - 1;

struct RecordTime {
  std::uint8_t day = 0;
  std::uint8_t month = 0;
  std::uint16_t year = 0;
  std::uint8_t second = 0;
  std::uint8_t minute = 0;
  std::uint8_t hour = 0;

  // A real calendar date with hour <= 23, minute <= 59, second <= 59.
  bool isValid() const;
  friend bool operator==(const RecordTime&, const RecordTime&) = default;
};

struct MeasurementRecord {
  char16_t name[kRecordTextUnits] = {};
  char16_t material[kRecordTextUnits] = {};
  float L = 0, a = 0, b = 0;  // used only when UseReflect is false
  ReflectanceCurve reflectance = {};
  RecordTime time;
  std::uint8_t mode = 0;
  std::uint8_t observer = 0;
  std::uint8_t illuminant = 0;
  std::int16_t instrument[2] = {};
  bool UseReflect = false;
  std::int32_t SerialNumber = -1;

  std::string nameUtf8() const;
  std::string materialUtf8() const;
  // Store at most 127 code units, never splitting a surrogate pair.
  void setName(std::string_view utf8);
  void setMaterial(std::string_view utf8);
};

// The condition the stored L*, a*, b* were taken under; empty when a stored
// code names no illuminant or observer.
std::optional<Condition> storedCondition(const MeasurementRecord& record);

// Copies UTF-8 text into a zero-terminated UTF-16 field of `units` code
// units, cut at units - 1 without splitting a surrogate pair.
void storeRecordText(char16_t* field, int units, std::string_view utf8);
std::string recordTextUtf8(const char16_t* field, int units);

}  // namespace corvana
