#include "core/record_attribute.h"

#include "colour/spectral.h"

namespace corvana {

namespace {

int reflectIndex(std::string_view digits) {
  if (digits.empty() || digits.size() > 2 || digits[0] == '0') return kRecordUnknown;
  int n = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return kRecordUnknown;
    n = n * 10 + (c - '0');
  }
  return n >= 1 && n <= kCurvePoints ? n - 1 : kRecordUnknown;
}

}  // namespace

int recordAttribute(std::string_view name) {
  switch (name.size()) {
    case 1:
      if (name[0] == 'L') return kRecordL;
      if (name[0] == 'a') return kRecordA;
      if (name[0] == 'b') return kRecordB;
      return kRecordUnknown;
    case 3: return name == "CLM" ? kRecordCLM : kRecordUnknown;
    case 4:
      if (name == "Name") return kRecordName;
      if (name == "Time") return kRecordTime;
      return kRecordUnknown;
    case 8:
    case 9:
      if (name.starts_with("Reflect")) return reflectIndex(name.substr(7));
      if (name == "Material") return kRecordMaterial;
      if (name == "Observer") return kRecordObserver;
      return kRecordUnknown;
    case 10:
      if (name == "UseReflect") return kRecordUseReflect;
      if (name == "Illuminant") return kRecordIlluminant;
      return kRecordUnknown;
    default: return kRecordUnknown;
  }
}

}  // namespace corvana
