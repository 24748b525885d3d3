#include "instrument/hand_entry.h"

#include <cmath>
#include <optional>

#include "colour/cielab.h"
#include "colour/white_point.h"
#include "core/condition_texts.h"
#include "core/job.h"
#include "core/language_table.h"
#include "core/naming.h"
#include "core/number_text.h"
#include "instrument/value_fields.h"

namespace corvana {
namespace {

constexpr double kHighestReflectancePercent = 200;

int wavelength(std::size_t i) { return 400 + 10 * int(i); }

std::string wavelengthMessage(Text text, std::size_t i) {
  return fillPlaceholders(LookupText(text), {wavelength(i)});
}

// The field's leading number; one beyond single precision reads as 0 rather
// than giving a standard of infinite lightness.
float leadingNumber(const std::string& text) {
  const float v = static_cast<float>(parseNumber(text));
  return std::isfinite(v) ? v : 0.0f;
}

struct WrongField {
  std::size_t index;
  Text message;
};

// The first reflectance field in wavelength order that is empty or outside
// 0..200 percent.
std::optional<WrongField> wrongReflectance(const HandEntryFields& fields) {
  for (std::size_t i = 0; i < fields.reflectance.size(); ++i) {
    const FieldValue v = readValueField(fields.reflectance[i]);
    if (v.state == FieldValue::Empty) return WrongField{i, Text::DataEmpty};
    if (v.state == FieldValue::NotANumber || v.value < 0 || v.value > kHighestReflectancePercent)
      return WrongField{i, Text::DataOverrange};
  }
  return std::nullopt;
}

}  // namespace

int firstWrongReflectanceField(const HandEntryFields& fields) {
  if (fields.mode != HandEntryMode::Reflectance) return -1;
  const std::optional<WrongField> wrong = wrongReflectance(fields);
  return wrong ? int(wrong->index) : -1;
}

std::string handEntryConditionLine(const Job& job) {
  const Condition primary = job.condition(0);
  return LookupText(Text::CurrentPrefix) + LookupText(Text::Illuminant) + ": " +
         std::string(illuminantName(primary.illuminant)) + "  " + LookupText(Text::ObserverAngle) +
         ": " + LookupText(observerTextRow(primary.observer));
}

std::variant<MeasurementRecord, std::string> handEntryStandard(const Job& job,
                                                               const HandEntryFields& fields,
                                                               std::uint32_t mode,
                                                               const RecordTime& now) {
  MeasurementRecord record;
  const Condition primary = job.condition(0);
  switch (fields.mode) {
    case HandEntryMode::Lab:
      record.L = leadingNumber(fields.lab[0]);
      record.a = leadingNumber(fields.lab[1]);
      record.b = leadingNumber(fields.lab[2]);
      break;
    case HandEntryMode::Xyz: {
      const std::optional<WhitePoint> white = whitePointOf(primary);
      if (!white) return LookupText(Text::ExecuteFailed);  // no table: nothing to convert with
      const Xyz xyz{leadingNumber(fields.xyz[0]), leadingNumber(fields.xyz[1]),
                    leadingNumber(fields.xyz[2])};
      const Lab lab = xyzToLab(xyz, *white);
      record.L = lab.L;
      record.a = lab.a;
      record.b = lab.b;
      break;
    }
    case HandEntryMode::Reflectance:
      if (const std::optional<WrongField> wrong = wrongReflectance(fields))
        return wavelengthMessage(wrong->message, wrong->index);
      for (std::size_t i = 0; i < fields.reflectance.size(); ++i)
        record.reflectance[i] =
            static_cast<float>(readValueField(fields.reflectance[i]).value / 100.0);
      record.UseReflect = true;
      break;
  }
  if (fields.mode != HandEntryMode::Reflectance) {
    record.UseReflect = false;
    record.illuminant = static_cast<std::uint8_t>(primary.illuminant);
    record.observer = static_cast<std::uint8_t>(primary.observer);
  }
  record.setName(expandTemplate(fields.name, std::int64_t(job.standardCount()) + 1, now));
  record.setMaterial(fields.material);
  record.time = now;
  record.mode = static_cast<std::uint8_t>(mode);
  record.SerialNumber = -1;
  return record;
}

std::string enterStandardByHand(Job& job, const HandEntryFields& fields, std::uint32_t mode,
                                const RecordTime& now) {
  auto standard = handEntryStandard(job, fields, mode, now);
  if (auto* message = std::get_if<std::string>(&standard)) return *message;
  job.addStandard(std::get<MeasurementRecord>(standard), true);
  return {};
}

}  // namespace corvana
