#pragma once
// The attributes a record element of a job file can carry, by number, so
// both readers of record elements dispatch on one classification.
#include <string_view>

namespace corvana {

// Reflect1..Reflect31 are 0..30; the rest follow.
enum RecordAttribute : int {
  kRecordReflectFirst = 0,
  kRecordName = 31,
  kRecordMaterial,
  kRecordCLM,
  kRecordUseReflect,
  kRecordL,
  kRecordA,
  kRecordB,
  kRecordIlluminant,
  kRecordObserver,
  kRecordTime,
  kRecordAttributeCount,
  kRecordUnknown = -1,
};

// The attribute an element attribute name stands for, or kRecordUnknown.
// Names are compared exactly ("Reflect01" and "reflect1" are unknown).
int recordAttribute(std::string_view name);

}  // namespace corvana
