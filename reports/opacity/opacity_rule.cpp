#include "reports/opacity/opacity_rule.h"

#include <cmath>
#include <cstdio>

#include "colour/tristimulus.h"
#include "core/condition_texts.h"
#include "core/job.h"
#include "core/value_labels.h"

namespace corvana {

namespace {

const OpacityBaseStyle kBaseStyles[2] = {
    {Text::WhiteBaseSample, 0x00FF0000, spectral::PenSolid, 1},  // blue
    {Text::BlackBaseSample, 0x0000FF00, spectral::PenDot, 1},    // green
};

bool isSample(const Job& job, int position) {
  return position >= 0 && position < job.sampleCount();
}

const IlluminantColorValues* primaryEntry(const Job& job) {
  return job.table.entryFor(job.illuminants[0]);
}

std::vector<std::string> labelTexts(const Job& job, bool shortForm) {
  std::vector<std::string> out;
  for (Text row : valueLabelRows(job.colorSpace, shortForm)) out.push_back(LookupText(row));
  out.resize(std::size_t(valueCount(job.colorSpace)));
  return out;
}

}  // namespace

const OpacityBaseStyle& opacityBaseStyle(OpacityBase base) {
  return kBaseStyles[base == OpacityBase::Black ? 1 : 0];
}

OpacitySide opacitySideFor(const Job& job, int position) {
  OpacitySide side;
  if (!isSample(job, position)) return side;
  side.index = position;
  const MeasurementRecord& record = job.sample(position);
  if (!record.UseReflect) return side;
  if (const std::optional<Xyz> xyz = computeTristimulus(record.reflectance, job.condition(0))) {
    side.x = xyz->X, side.y = xyz->Y, side.z = xyz->Z;
    side.hasTristimulus = true;
  }
  return side;
}

std::optional<double> opacityPercent(const OpacitySide& white, const OpacitySide& black) {
  if (white.index < 0 || black.index < 0) return std::nullopt;
  if (!white.hasTristimulus || !black.hasTristimulus) return std::nullopt;
  const float quotient = black.y / white.y;
  if (std::isnan(quotient) || quotient < 0) return std::nullopt;
  return double(quotient) * 100.0;
}

std::string opacityText(std::optional<double> opacity, int dataAccuracy) {
  if (!opacity) return {};
  if (std::isinf(*opacity)) return "--";
  const int decimals = dataAccuracy > 2 ? dataAccuracy - 2 : 0;
  char text[64];
  std::snprintf(text, sizeof text, "%.*f%%", decimals, *opacity);
  return text;
}

std::string opacityLine(std::optional<double> opacity, int dataAccuracy) {
  const std::string caption = LookupText(Text::Opacity) + ":";
  if (!opacity) return caption;
  return caption + " " + opacityText(opacity, dataAccuracy);
}

std::vector<std::string> opacityValueTexts(const Job& job, int position) {
  const int count = valueCount(job.colorSpace);
  std::vector<std::string> texts(static_cast<std::size_t>(count));
  const IlluminantColorValues* entry = primaryEntry(job);
  if (!isSample(job, position) || !entry) return texts;
  for (int k = 0; k < count; ++k) {
    const std::vector<float>& values = entry->sampleValues[std::size_t(k)];
    if (std::size_t(position) < values.size())
      texts[std::size_t(k)] =
          spectral::formatDecimals(values[std::size_t(position)], job.DataAccuracy);
  }
  return texts;
}

std::vector<std::string> opacityValueLabels(const Job& job) { return labelTexts(job, true); }
std::vector<std::string> opacityValueCaptions(const Job& job) { return labelTexts(job, false); }

std::optional<std::uint32_t> opacitySwatchBgr(const Job& job, int position) {
  const IlluminantColorValues* entry = primaryEntry(job);
  if (!isSample(job, position) || !entry || std::size_t(position) >= entry->sampleColors.size())
    return std::nullopt;
  const std::uint32_t argb = entry->sampleColors[std::size_t(position)];
  return ((argb & 0xFFu) << 16) | (argb & 0xFF00u) | ((argb >> 16) & 0xFFu);
}

std::unique_ptr<spectral::ReflectancePlotCurve> opacityCurve(const Job& job, int position,
                                                             OpacityBase base) {
  if (!isSample(job, position)) return nullptr;
  const OpacityBaseStyle& style = opacityBaseStyle(base);
  auto curve = std::make_unique<spectral::ReflectancePlotCurve>();
  curve->name = job.sample(position).nameUtf8();
  curve->bgr = style.bgr;
  curve->penStyle = style.penStyle;
  curve->penWidth = style.penWidth;
  curve->values = job.sample(position).reflectance;
  return curve;
}

std::string opacityConditionText(const Job& job) {
  return LookupText(Text::Illuminant) + ": " + std::string(illuminantName(job.illuminants[0])) +
         "; " + LookupText(Text::ObserverAngle) + ": " + LookupText(observerTextRow(job.observer)) +
         "; " + LookupText(Text::ColorSpace) + ": CIE LAB, LCh";
}

std::string opacityFontFace(int languageIndex) {
  switch (languageIndex) {
    case English: return "Arial";
    case ChineseSimplified: return "微软雅黑";
    case ChineseTraditional: return "PMingLiU";
    default: return {};
  }
}

std::string opacityDateTimeText(const std::tm& t) {
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.tm_year + 1900, t.tm_mon + 1,
                t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
  return text;
}

std::string opacityDocumentName(const std::tm& t) {
  char name[64];
  std::snprintf(name, sizeof name, "Opacity%04d%02d%02d-%02d%02d.docx", t.tm_year + 1900,
                t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min);
  return name;
}

std::vector<const spectral::ReflectancePlotCurve*> OpacityReport::curves() const {
  std::vector<const spectral::ReflectancePlotCurve*> out;
  if (whiteCurve) out.push_back(&*whiteCurve);
  if (blackCurve) out.push_back(&*blackCurve);
  return out;
}

OpacityReport makeOpacityReport(const Job& job, int white, int black) {
  OpacityReport report;
  report.job = &job;
  report.white = opacitySideFor(job, white);
  report.black = opacitySideFor(job, black);
  report.opacity = opacityPercent(report.white, report.black);
  report.opacityText = opacityText(report.opacity, job.DataAccuracy);
  report.condition = opacityConditionText(job);
  report.fontFace = opacityFontFace(LanguageIndex);
  report.valueLabels = opacityValueLabels(job);
  report.whiteValues = opacityValueTexts(job, report.white.index);
  report.blackValues = opacityValueTexts(job, report.black.index);
  if (auto curve = opacityCurve(job, report.white.index, OpacityBase::White))
    report.whiteCurve = *curve;
  if (auto curve = opacityCurve(job, report.black.index, OpacityBase::Black))
    report.blackCurve = *curve;
  return report;
}

}  // namespace corvana
