#include "colour/measurement_record.h"

#include <algorithm>

#include "colour/text_utf.h"

namespace corvana {

bool RecordTime::isValid() const {
  if (month < 1 || month > 12 || day < 1 || hour > 23 || minute > 59 || second > 59) return false;
  static constexpr std::uint8_t kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  const int days = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
  return day <= days;
}

std::optional<Condition> storedCondition(const MeasurementRecord& record) {
  const auto illuminant = illuminantFromCode(record.illuminant);
  const auto observer = observerFromCode(record.observer);
  if (!illuminant || !observer) return std::nullopt;
  return Condition{*illuminant, *observer};
}

void storeRecordText(char16_t* field, int units, std::string_view utf8) {
  const std::u16string text = utf8ToUtf16(utf8);
  std::size_t n = std::min<std::size_t>(text.size(), std::size_t(units - 1));
  // Never leave half of a surrogate pair at the cut.
  if (n > 0 && n < text.size() && text[n - 1] >= 0xD800 && text[n - 1] <= 0xDBFF) --n;
  std::copy_n(text.begin(), n, field);
  std::fill(field + n, field + units, u'\0');
}

std::string recordTextUtf8(const char16_t* field, int units) {
  const auto end = std::find(field, field + units, u'\0');
  return utf16ToUtf8(std::u16string_view(field, std::size_t(end - field)));
}

std::string MeasurementRecord::nameUtf8() const { return recordTextUtf8(name, kRecordTextUnits); }
std::string MeasurementRecord::materialUtf8() const {
  return recordTextUtf8(material, kRecordTextUnits);
}
void MeasurementRecord::setName(std::string_view utf8) {
  storeRecordText(name, kRecordTextUnits, utf8);
}
void MeasurementRecord::setMaterial(std::string_view utf8) {
  storeRecordText(material, kRecordTextUnits, utf8);
}

}  // namespace corvana
